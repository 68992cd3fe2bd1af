// validate: checks the census files of the current folder and prints every
// problem it finds, one line each; many problems of one kind are counted rather
// than all listed.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "cli/cli_common.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "engine/app_context.h"
#include "model/binary_io.h"
#include "model/model_check.h"
#include "survey/pop_format.h"
#include "survey/populace.h"
#include "survey/question_list.h"
#include "survey/subpopulation_code.h"
#include "survey/text_encoding.h"

namespace orbica::cli {
namespace {

// Problems of one kind listed before the rest are only counted.
constexpr std::int64_t kListedPerKind = 10;
// Lines of the description file are read in pieces of this many characters.
constexpr std::size_t kLinePiece = 254;
// The kind of problem of a file that cannot be read at all.
constexpr const char* kUnreadable = "unreadable";

std::string Number(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

std::string Plural(std::int64_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "question 5 answer c"
std::string AnswerName(int q, int a) {
  return "question " + std::to_string(q + 1) + " answer " + std::string(1, static_cast<char>('a' + a));
}

class Problems {
 public:
  // Prints "FILE: text" ("FILE:LINE: text" with a line number) unless `kind` of
  // `file` was printed ten times already; counts it either way.
  void Add(const std::string& file, const std::string& kind, const std::string& text, int line = 0) {
    ++total_;
    if (kind == kUnreadable) unreadable_ = true;
    auto [it, inserted] = perKind_.try_emplace(file + '\n' + kind, 0);
    if (inserted) kinds_.push_back({file, kind});
    if (++it->second > kListedPerKind) return;
    std::cout << file;
    if (line > 0) std::cout << ':' << line;
    std::cout << ": " << text << '\n';
  }
  // For each kind with unlisted problems, one line that counts them.
  void PrintUnlisted() const {
    for (const auto& [file, kind] : kinds_) {
      const std::int64_t n = perKind_.at(file + '\n' + kind);
      if (n > kListedPerKind)
        std::cout << file << ": " << (n - kListedPerKind) << " more of this kind, not listed: " << kind << '\n';
    }
  }
  std::int64_t Total() const { return total_; }
  // Whether a file could not be read at all.
  bool Unreadable() const { return unreadable_; }

 private:
  std::int64_t total_ = 0;
  bool unreadable_ = false;
  std::map<std::string, std::int64_t> perKind_;
  std::vector<std::pair<std::string, std::string>> kinds_;
};

std::string Missing(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec) ? "cannot be read" : "is missing";
}

// Why an input could not be read, as the rest of a problem line.
std::string Unreadable(const std::string& path, InputStatus status) {
  switch (status) {
    case InputStatus::NotRegular: return "is not a regular file (a named pipe, device or folder) and is not read";
    case InputStatus::NoMemory: return "does not fit into memory";
    case InputStatus::ReadFailed: return "cannot be read to its end";
    default: return Missing(path);
  }
}

// ---- data.mle ---------------------------------------------------------------

// Checks the model file; returns the loaded model when it is whole.
std::unique_ptr<CModel> CheckModel(const std::string& path, Problems& problems) {
  const std::string file = kModelFileName;
  InputFile input(path);
  unsigned char header[kModelHeaderBytes];
  const std::size_t headerBytes = input.Read(header, sizeof header);
  if (input.Status() != InputStatus::Ok) {
    problems.Add(file, kUnreadable, Unreadable(path, input.Status()) + " (the program does not start without it)");
    return nullptr;
  }
  const std::uint64_t size = input.Size();
  input.Close();
  if (headerBytes < kModelHeaderBytes) {
    problems.Add(file, "truncated",
                 "truncated: " + Plural(static_cast<std::int64_t>(headerBytes), "byte", "bytes") +
                     ", the header alone needs 12");
    return nullptr;
  }
  const int components = ReadLE<std::uint16_t>(header + 8);
  const std::uint64_t needed = CModel::RequiredFileSize(static_cast<std::uint64_t>(components));
  if (size < needed) {
    problems.Add(file, "truncated",
                 "truncated: it holds " + Plural(static_cast<std::int64_t>(size), "byte", "bytes") +
                     ", a model of " + Plural(components, "component", "components") + " needs " +
                     std::to_string(needed));
    return nullptr;
  }
  RecordingNotifier quiet;
  auto model = std::make_unique<CModel>();
  if (model->Load(path, quiet, false) != 0) {
    problems.Add(file, kUnreadable, "cannot be loaded: " + (quiet.messages.empty() ? "" : quiet.messages[0].text));
    return nullptr;
  }

  for (const ModelProblem& problem : CheckModelValues(*model)) problems.Add(file, problem.kind, problem.text);
  return model;
}

// ---- zData.gcd --------------------------------------------------------------

// Counts and model sizes are compared where either reaches the minimum count
// (by default 1% of the respondents, where sampling noise and the model's own
// error stay well inside the factor).
struct CountLimits {
  double factor = 2.0;
  std::optional<std::int64_t> minCount;
};

void CheckCounts(const std::string& path, const CModel* model, const CountLimits& limits, Problems& problems) {
  const std::string file = kCountsFileName;
  InputFile input(path);
  if (input.Status() != InputStatus::Ok) {
    problems.Add(file, kUnreadable, Unreadable(path, input.Status()) + " (no observed counts: every error is an estimate)");
    return;
  }
  if (input.Size() % kCountRecordBytes != 0)
    problems.Add(file, "partial record",
                 "ends with a partial record of " +
                     Plural(static_cast<std::int64_t>(input.Size() % kCountRecordBytes), "byte", "bytes") +
                     " (ignored)");
  const std::int64_t minCount =
      limits.minCount.value_or(model ? std::max<std::int64_t>(1, model->Respondents() / 100) : 0);
  // Key of three slots -> first record number; there are far fewer keys than a
  // long file has records, so the map is not sized from the file.
  std::unordered_map<std::uint32_t, std::size_t> seen;
  // Records are read a block at a time, so a long file costs no more memory than a short one.
  std::vector<unsigned char> block(4096 * kCountRecordBytes);
  std::size_t blockRecords = 0, blockStart = 0;
  for (std::size_t r = 0;; ++r) {
    if (r == blockStart + blockRecords) {
      blockStart = r;
      blockRecords = input.Read(block.data(), block.size()) / kCountRecordBytes;
      if (blockRecords == 0) break;
    }
    const unsigned char* p = block.data() + (r - blockStart) * kCountRecordBytes;
    const std::string where = "record " + std::to_string(r + 1) + ": ";
    const std::int32_t count = ReadLE<std::int32_t>(p);
    int codes[3], n = 0;
    bool valid = true;
    for (int k = 0; k < 3; ++k) {
      const std::int32_t code = ReadLE<std::int32_t>(p + 4 + 4 * k);
      if (code == -1) break;
      if (code < 0 || code >= kFlatAnswerCount) {
        problems.Add(file, "code out of range",
                     where + "the code " + std::to_string(code) + " is outside 0..182 (the record is skipped)");
        valid = false;
        break;
      }
      codes[n++] = code;
    }
    if (count < 0) problems.Add(file, "negative count", where + "the count " + std::to_string(count) + " is negative");
    if (!valid) continue;

    ConditionSet set{};
    std::uint32_t key = 0;
    for (int k = 0; k < n; ++k) {
      const int q = QuestionOfFlatCode(codes[k]);
      if (k > 0 && q <= QuestionOfFlatCode(codes[k - 1])) {
        problems.Add(file, "codes out of order",
                     where + "the codes " + std::to_string(codes[k - 1]) + " and " + std::to_string(codes[k]) +
                         (q == QuestionOfFlatCode(codes[k - 1]) ? " belong to the same question"
                                                                : " are not in increasing question order") +
                         " (the record is never used)");
        valid = false;
        break;
      }
      set[static_cast<std::size_t>(q)] = std::uint32_t{1} << (codes[k] - FlatCodeStart(q));
      key = key << 8 | static_cast<std::uint32_t>(FlatCodeToSlot(codes[k]));
    }
    if (!valid) continue;

    const auto [first, inserted] = seen.try_emplace(key | static_cast<std::uint32_t>(n) << 24, r + 1);
    if (!inserted)
      problems.Add(file, "answers recorded twice",
                   where + "the same answers (" + (n == 0 ? std::string("whole population") : CompactCode(set)) +
                       ") as record " + std::to_string(first->second) + "; the later count is used");

    if (model && count >= 0) {
      const std::int64_t size = model->Size(set);
      const double big = static_cast<double>(std::max<std::int64_t>(count, size));
      const double small = static_cast<double>(std::min<std::int64_t>(count, size));
      if (big >= static_cast<double>(minCount) && big > limits.factor * small)
        problems.Add(file, "count far from the model",
                     where + (n == 0 ? std::string("whole population") : CompactCode(set)) + ": observed " +
                         std::to_string(count) + ", the model gives " + std::to_string(size) + " (more than a factor " +
                         Number(limits.factor) + " apart)");
    }
  }
}

// ---- Otazky.txt -------------------------------------------------------------

// The description text read the way the program reads it: line pieces of at most
// 254 characters, numbers across line ends; knows the line number it is at.
class DescriptionReader {
 public:
  explicit DescriptionReader(std::string text) : text_(std::move(text)) {}

  bool Integer(long long& value) {
    SkipWhite();
    std::size_t i = pos_;
    bool negative = false;
    if (i < text_.size() && (text_[i] == '+' || text_[i] == '-')) negative = text_[i++] == '-';
    const std::size_t digits = i;
    long long v = 0;
    while (i < text_.size() && text_[i] >= '0' && text_[i] <= '9') {
      if (v < 1'000'000'000) v = v * 10 + (text_[i] - '0');
      ++i;
    }
    if (i == digits) return false;
    pos_ = i;
    value = negative ? -v : v;
    return true;
  }

  void SkipWhite() {
    while (pos_ < text_.size() && std::string_view(" \t\n\r\v\f").find(text_[pos_]) != std::string_view::npos) {
      if (text_[pos_] == '\n') ++line_;
      ++pos_;
    }
  }

  // The next line piece without its line end; `cut` tells that the line went on.
  // With `whole` the line is read to its end however long it is.
  bool Line(std::string& piece, bool* cut = nullptr, bool whole = false) {
    if (pos_ >= text_.size()) return false;
    pieceLine_ = line_;
    const std::size_t start = pos_;
    std::size_t characters = 0;
    bool ended = false;
    long_ = false;
    while (pos_ < text_.size()) {
      const auto c = static_cast<unsigned char>(text_[pos_]);
      const bool startsCharacter = (c & 0xC0) != 0x80;
      if (startsCharacter && characters == kLinePiece) {
        if (!whole) break;
        long_ = true;
      }
      if (startsCharacter) ++characters;
      ++pos_;
      if (c == '\n') {
        ended = true;
        ++line_;
        break;
      }
    }
    piece.assign(text_, start, pos_ - start - (ended ? 1 : 0));
    if (cut) *cut = !ended && pos_ < text_.size();
    return true;
  }

  // Line number (from 1) where the last piece began.
  int PieceLine() const { return pieceLine_; }
  // Whether the last whole line was longer than a piece.
  bool WasLong() const { return long_; }
  bool AtEnd() const { return pos_ >= text_.size(); }

 private:
  std::string text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int pieceLine_ = 1;
  bool long_ = false;
};

std::string_view WithoutBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}
bool IsLongAnswer(std::string_view line) { return WithoutBlanks(line).starts_with('-'); }
bool IsShortAnswer(std::string_view line) { return line.find('/') != std::string_view::npos; }
bool Blank(std::string_view line) { return WithoutBlanks(line).empty(); }

std::string ShortText(std::string_view line) {
  std::string_view rest = line.substr(line.find('/') + 1);
  const std::size_t second = rest.find('/');
  if (second != std::string_view::npos) rest = rest.substr(0, second);
  while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
  return std::string(rest);
}

// Where the layout broke, the rest is counted loosely: a question text, then lines
// beginning with '-' (long texts) and with '/' (short texts). Each question whose
// counts do not fit is reported, starting with question `q`, which began at line
// `textLine` and has `longs` and `shorts` before `pending`.
struct LooseQuestion {
  int q = 0, textLine = 0, longs = 0, shorts = 0;
};

void CheckRestLoosely(DescriptionReader& reader, LooseQuestion current, std::string pending, bool pendingCut,
                      const std::vector<int>& listed, Problems& problems) {
  const std::string file = kQuestionsFileName;
  if (pendingCut) {  // its rest, already reported
    std::string rest;
    reader.Line(rest, nullptr, true);
  }
  auto finish = [&] {
    if (current.q >= kQuestionCount) return;
    const int wanted = listed[static_cast<std::size_t>(current.q)];
    if (current.longs != wanted || current.shorts != wanted)
      problems.Add(file, "answers do not fit",
                   "question " + std::to_string(current.q + 1) + " lists " +
                       Plural(current.longs, "long answer text", "long answer texts") + " and " +
                       Plural(current.shorts, "short one", "short ones") + ", it should have " + std::to_string(wanted),
                   current.textLine);
  };
  std::string line = std::move(pending);
  int lineNumber = reader.PieceLine();
  for (;;) {
    if (reader.WasLong())
      problems.Add(file, "line too long", "the line is longer than 254 characters; the rest is read as the next line",
                   lineNumber);
    const std::string_view shown = WithoutBlanks(line);
    if (shown.starts_with('-')) {
      ++current.longs;
    } else if (shown.starts_with('/')) {
      ++current.shorts;
    } else if (!shown.empty()) {
      finish();
      current = LooseQuestion{current.q + 1, lineNumber, 0, 0};
    }
    if (!reader.Line(line, nullptr, true)) break;
    lineNumber = reader.PieceLine();
  }
  finish();
  if (current.q + 1 < kQuestionCount)
    problems.Add(file, "questions missing",
                 "the file ends after " + Plural(current.q + 1, "question", "questions") + " of 24");
  else if (current.q + 1 > kQuestionCount)
    problems.Add(file, "text after the last question",
                 "the file holds text for " + Plural(current.q + 1, "question", "questions") + ", not 24");
}

void CheckDescriptions(const std::string& path, const CModel* model, Problems& problems) {
  const std::string file = kQuestionsFileName;
  std::vector<unsigned char> bytes;
  if (const InputStatus status = ReadInputFile(path, bytes); status != InputStatus::Ok) {
    problems.Add(file, kUnreadable, Unreadable(path, status) + " (the program does not start without it)");
    return;
  }
  const std::int64_t before = problems.Total();
  const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  DecodedText decoded = DecodeText(raw);
  int badLine = 1;
  std::size_t counted = 0;  // bytes whose line ends are in badLine
  for (const std::size_t offset : decoded.badSequences) {
    badLine += LineOfOffset(raw.substr(counted), offset - counted) - 1;
    counted = offset;
    problems.Add(file, "invalid UTF-8", "bytes that are not valid UTF-8 (the program shows \"\xEF\xBF\xBD\" for them)",
                 badLine);
  }
  std::string text = std::move(decoded.text);
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  std::string lf;
  lf.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
  DescriptionReader reader(std::move(lf));

  long long value = 0;
  if (!reader.Integer(value) || value != kQuestionCount) {
    problems.Add(file, "counts", "the file does not begin with the question count 24 (the program refuses it)");
    return;
  }
  std::vector<int> listed(kQuestionCount);
  for (int q = 0; q < kQuestionCount; ++q) {
    if (!reader.Integer(value) || value < 0 || value > 1000) {
      problems.Add(
          file, "counts",
          "the answer count of question " + std::to_string(q + 1) + " is missing (the program refuses the file)");
      return;
    }
    listed[static_cast<std::size_t>(q)] = static_cast<int>(value);
  }
  reader.SkipWhite();
  std::string line;
  bool cut = false;
  bool haveLine = reader.Line(line, &cut);
  const bool withNa = haveLine && line.starts_with("n/a");
  if (withNa) {
    int fields = 0;
    for (std::size_t i = 0; i < line.size();) {
      while (i < line.size() && line[i] == ':') ++i;
      if (i >= line.size()) break;
      ++fields;
      i = line.find(':', i);
      if (i == std::string::npos) break;
    }
    if (fields < 3)
      problems.Add(file, "n/a line", "the n/a line lacks its long or short text (n/a:LONG:SHORT:)", reader.PieceLine());
    haveLine = reader.Line(line, &cut);
  }
  bool countsFit = true;
  for (int q = 0; q < kQuestionCount; ++q) {
    const int answers = listed[static_cast<std::size_t>(q)] + (withNa ? 1 : 0);
    const int expected = model ? model->AnswerCount(q) : AnswerCount(q);
    if (answers != expected) {
      countsFit = false;
      problems.Add(file, "answer count differs from the model",
                   "question " + std::to_string(q + 1) + " has " + std::to_string(answers) + " answers" +
                       (withNa ? " with n/a" : "") + ", the model has " + std::to_string(expected) +
                       " (the program refuses the file)");
    }
  }
  if (!countsFit) return;
  if (!haveLine || !line.starts_with('=')) {
    problems.Add(file, "layout",
                 "the separator line beginning with '=' is missing (every text is replaced by a default)",
                 haveLine ? reader.PieceLine() : 0);
    return;
  }

  // The questions as the program reads them, up to the first line that breaks the layout.
  auto next = [&](std::string& into) {
    if (!reader.Line(into, &cut)) {
      into.clear();
      return false;
    }
    if (cut)
      problems.Add(file, "line too long", "the line is longer than 254 characters; the rest is read as the next line",
                   reader.PieceLine());
    return true;
  };
  for (int q = 0; q < kQuestionCount; ++q) {
    const std::string question = "question " + std::to_string(q + 1);
    if (!next(line)) {
      problems.Add(file, "questions missing",
                   "the file ends before " + question + " (it and the later ones get default texts)");
      return;
    }
    LooseQuestion current{q, reader.PieceLine(), 0, 0};
    if (Blank(line)) problems.Add(file, "empty text", question + " has no text", reader.PieceLine());
    for (int a = 0; a < listed[static_cast<std::size_t>(q)]; ++a) {
      const std::string answer = AnswerName(q, a + (withNa ? 1 : 0));
      const std::string consequence = "; from here on the program shows default texts";
      if (!next(line) || !IsLongAnswer(line)) {
        problems.Add(file, "layout", answer + ": expected its long text on a line beginning with '-'" + consequence,
                     reader.AtEnd() && line.empty() ? 0 : reader.PieceLine());
        CheckRestLoosely(reader, current, line, cut, listed, problems);
        return;
      }
      ++current.longs;
      if (Blank(WithoutBlanks(line).substr(1)))
        problems.Add(file, "empty text", answer + " has no long text", reader.PieceLine());
      if (!next(line) || !IsShortAnswer(line)) {
        problems.Add(file, "layout", answer + ": expected its short text between '/' and '/'" + consequence,
                     reader.AtEnd() && line.empty() ? 0 : reader.PieceLine());
        CheckRestLoosely(reader, current, line, cut, listed, problems);
        return;
      }
      ++current.shorts;
      if (ShortText(line).empty()) problems.Add(file, "empty text", answer + " has no short text", reader.PieceLine());
    }
  }
  while (reader.Line(line))
    if (!Blank(line)) {
      problems.Add(file, "text after the last question", "text after the last answer of question 24 is ignored",
                   reader.PieceLine());
      break;
    }

  // Whatever the program itself would still complain about.
  if (model && problems.Total() == before) {
    RecordingNotifier notifier;
    CQuestionList questions;
    questions.Load(path, *model, notifier);
    for (const RecordingNotifier::Message& message : notifier.messages)
      problems.Add(file, "program message", "the program says \"" + message.text + "\"");
  }
}

// ---- Populace ---------------------------------------------------------------

bool IsPopFile(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".pop";
}

void CheckSubpopulations(const std::string& folder, Problems& problems) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::exists(folder, ec)) return;  // no saved subpopulations
  if (!fs::is_directory(folder, ec)) {
    problems.Add(kSubpopulationFolderName, "not a folder", "is not a folder (the program does not start)");
    return;
  }
  std::vector<std::string> names;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError) && IsPopFile(it->path())) names.push_back(it->path().filename().string());
  }
  if (ec) {
    problems.Add(kSubpopulationFolderName, kUnreadable, "cannot be listed (" + ec.message() + ")");
    return;
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    const std::string file = std::string(kSubpopulationFolderName) + "/" + name;
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile((fs::path(folder) / name).string(), bytes)) {
      problems.Add(file, kUnreadable, "cannot be read (it is listed as the whole population)");
      continue;
    }
    if (bytes.size() < kPopHeaderBytes)
      problems.Add(file, "short",
                   "holds " + Plural(static_cast<std::int64_t>(bytes.size()), "byte", "bytes") +
                       ", less than the 352 of its conditions and name (read as far as it goes)");
    else if (std::find(bytes.begin() + 4 * kQuestionCount, bytes.begin() + kPopHeaderBytes, 0) ==
             bytes.begin() + kPopHeaderBytes)
      problems.Add(file, "name", "the name has no terminating zero byte (it is cut to 255 bytes)");
    const PopContents contents = DecodePop(bytes);
    bool inRange = true;
    for (int q = 0; q < kQuestionCount; ++q) {
      const std::uint32_t extra = contents.masks[static_cast<std::size_t>(q)] & ~ValidAnswerBits(q);
      if (extra != 0) {
        inRange = false;
        char mask[16];
        std::snprintf(mask, sizeof mask, "0x%08X", static_cast<unsigned>(contents.masks[static_cast<std::size_t>(q)]));
        problems.Add(file, "answers out of range",
                     "question " + std::to_string(q + 1) + " allows answers it does not have (mask " + mask +
                         ", the question has " + std::to_string(AnswerCount(q)) + " answers)");
      }
    }
    const std::string stem = fs::path(name).stem().string();
    if (inRange && stem != PopFileStem(contents.masks))
      problems.Add(file, "file name differs from the conditions",
                   "holds the conditions " + PopFileStem(contents.masks) + ", which are saved as " +
                       PopFileStem(contents.masks) + ".pop (saving it again renames it)");
  }
}

// ---- the command ------------------------------------------------------------

int CmdValidate(const Args& args, OutputFormat) {
  CountLimits limits;
  for (std::size_t i = 1; i < args.size(); i += 2) {
    const std::string& option = args[i];
    if (option != "--factor" && option != "--min-count") return UsageError(UnknownOption(option));
    if (i + 1 >= args.size()) return UsageError(NeedsValue(option));
    const std::string& value = args[i + 1];
    if (option == "--factor") {
      const auto factor = ParseNumber(value);
      if (!factor || !(*factor > 1.0) || !std::isfinite(*factor))
        return UsageError(
            QCoreApplication::translate("orbica-cli", "bad --factor \"%1\" (a number above 1)").arg(FromUtf8(value)));
      limits.factor = *factor;
    } else {
      const auto minCount = ParseInteger(value, 0, INT32_MAX);
      if (!minCount)
        return UsageError(QCoreApplication::translate("orbica-cli", "bad --min-count \"%1\" (a whole number 0 or more)")
                              .arg(FromUtf8(value)));
      limits.minCount = *minCount;
    }
  }

  Problems problems;
  const std::unique_ptr<CModel> model = CheckModel(kModelFileName, problems);
  // Counts are compared with a sound model only: wrong weights or probabilities
  // would make every comparison repeat the same problem.
  const bool sound = problems.Total() == 0;
  CheckCounts(kCountsFileName, sound ? model.get() : nullptr, limits, problems);
  CheckDescriptions(kQuestionsFileName, model.get(), problems);
  CheckSubpopulations(kSubpopulationFolderName, problems);
  problems.PrintUnlisted();
  if (problems.Total() == 0) {
    std::cout << "no problems found\n";
    return kExitOk;
  }
  std::cout << Plural(problems.Total(), "problem", "problems") << " found\n";
  return problems.Unreadable() ? kExitUnreadable : kExitProblems;
}

const CommandRegistrar kValidate(
    {"validate", CmdValidate, "validate [--factor F] [--min-count M]",
     QT_TRANSLATE_NOOP("orbica-cli", "check the census files and list every problem"),
     QT_TRANSLATE_NOOP("orbica-cli",
                       "Checks data.mle, zData.gcd, Otazky.txt and the files of Populace and prints\n"
                       "every problem, one line each (\"FILE[:LINE]: text\"), then how many were found.\n"
                       "Exit code 0 without problems, 1 with problems, 3 when a file could not be\n"
                       "read at all (missing or unreadable).\n"
                       "  --factor F      observed counts and model sizes further apart than this\n"
                       "                  factor (above 1, default 2) are reported\n"
                       "  --min-count M   only where either reaches M persons (default 1% of the\n"
                       "                  respondents)\n"),
     85, false, true});

}  // namespace
}  // namespace orbica::cli
