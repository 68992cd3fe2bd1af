#include "survey/question_list.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <numeric>
#include <string_view>

#include "model/binary_io.h"
#include "survey/text_encoding.h"

namespace orbica {

namespace {

constexpr const char* kDefaultQuestion = "Question";
constexpr const char* kDefaultLongAnswer = "answer";
constexpr const char* kDefaultShortAnswer = "Ans";

// Lines are read in pieces of at most this many characters (line end included);
// the rest of a longer line is read as the next line.
constexpr std::size_t kLinePiece = 254;

bool IsWhite(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view SkipBlanks(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  return s.substr(i);
}

// The description text: UTF-8 (or windows-1250 converted to it), without a byte
// order mark, with CR LF line ends turned into LF. Bad UTF-8 sequences, shown as
// U+FFFD, are reported once with the line of the first.
std::string DecodeDescription(const std::vector<unsigned char>& bytes, const std::string& fileName,
                              Notifier& notifier) {
  const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  DecodedText decoded = DecodeText(raw);
  if (!decoded.badSequences.empty())
    notifier.Show(BadUtf8Message(fileName, raw, decoded.badSequences), MessageId::LoadCaption, MessageIcon::Warning);
  std::string& text = decoded.text;
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  return out;
}

class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {}

  void SkipWhite() {
    while (pos_ < text_.size() && IsWhite(text_[pos_])) ++pos_;
  }

  // A decimal integer after optional white space, as the C library's "%d" reads it.
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

  // The next piece of a line: at most 254 characters, ending after a line end when
  // one comes within them. `line` gets the piece without its line end. False at the
  // end of the text.
  bool Line(std::string& line) {
    if (pos_ >= text_.size()) return false;
    const std::size_t start = pos_;
    std::size_t characters = 0;
    while (pos_ < text_.size()) {
      const auto c = static_cast<unsigned char>(text_[pos_]);
      const bool startsCharacter = (c & 0xC0) != 0x80;
      if (startsCharacter && characters == kLinePiece) break;
      if (startsCharacter) ++characters;
      ++pos_;
      if (c == '\n') break;
    }
    std::size_t end = pos_;
    if (end > start && text_[end - 1] == '\n') --end;
    line.assign(text_, start, end - start);
    return true;
  }

 private:
  const std::string& text_;
  std::size_t pos_ = 0;
};

// Fields of the "n/a" line split at ':' (consecutive separators count as one).
std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ':') ++i;
    if (i >= line.size()) break;
    const std::size_t end = line.find(':', i);
    fields.emplace_back(line.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i));
    if (end == std::string_view::npos) break;
    i = end;
  }
  return fields;
}

// "  - long text": false when the first non-blank character is not '-'.
bool LongAnswer(std::string_view line, std::string& text) {
  line = SkipBlanks(line);
  if (line.empty() || line[0] != '-') return false;
  text = std::string(SkipBlanks(line.substr(1)));
  return true;
}

// "  /short text/": the text between the first and the second '/', without blanks
// before the second; without a second '/' the rest of the line. False without '/'.
bool ShortAnswer(std::string_view line, std::string& text) {
  const std::size_t first = line.find('/');
  if (first == std::string_view::npos) return false;
  std::string_view rest = line.substr(first + 1);
  const std::size_t second = rest.find('/');
  if (second != std::string_view::npos) {
    rest = rest.substr(0, second);
    while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
  }
  text = std::string(rest);
  return true;
}

}  // namespace

int CQuestionList::Load(const std::string& fileName, const CModel& model, Notifier& notifier) {
  try {
    return LoadText(fileName, model, notifier);
  } catch (const std::bad_alloc&) {
    *this = CQuestionList();
    notifier.Show(MessageId::NoMemory, MessageId::LoadCaption);
    return -1;
  }
}

int CQuestionList::LoadText(const std::string& fileName, const CModel& model, Notifier& notifier) {
  *this = CQuestionList();
  std::string text;
  {
    std::vector<unsigned char> bytes;
    switch (ReadInputFile(fileName, bytes)) {
      case InputStatus::Ok: break;
      case InputStatus::NotRegular: notifier.Show(NotRegularFileMessage(fileName), MessageId::LoadCaption); return -1;
      case InputStatus::NoMemory: notifier.Show(MessageId::NoMemory, MessageId::LoadCaption); return -1;
      default: notifier.Show(MessageId::QuestionsNotOpened, MessageId::LoadCaption); return -1;
    }
    text = DecodeDescription(bytes, fileName, notifier);
  }
  Reader reader(text);

  const int questionCount = static_cast<int>(model.AnswerTable().size()) - 1;
  long long value = 0;
  if (!reader.Integer(value) || value != questionCount) {
    notifier.Show(MessageId::QuestionsInconsistent, MessageId::LoadCaption);
    return -1;
  }
  std::vector<int> counts(static_cast<std::size_t>(questionCount));
  for (int& count : counts) {
    if (!reader.Integer(value) || value < 0 || value > 1000) {
      notifier.Show(MessageId::QuestionsInconsistent, MessageId::LoadCaption);
      return -1;
    }
    count = static_cast<int>(value);
  }
  reader.SkipWhite();

  std::string line;
  bool haveLine = reader.Line(line);
  const bool withNa = haveLine && line.starts_with("n/a");
  std::string naLong, naShort;
  if (withNa) {
    const std::vector<std::string> fields = SplitFields(line);
    if (fields.size() > 1) naLong = fields[1];
    if (fields.size() > 2) naShort = fields[2];
    for (int& count : counts) ++count;
    haveLine = reader.Line(line);
  }
  bool malformed = !haveLine || !line.starts_with('=');

  for (int q = 0; q < questionCount; ++q) {
    if (counts[static_cast<std::size_t>(q)] != model.AnswerCount(q)) {
      notifier.Show(MessageId::QuestionsInconsistent, MessageId::LoadCaption);
      return -1;
    }
  }

  answerCounts_ = counts;
  slotCount_ = 0;
  for (const int count : counts) slotCount_ += count + 1;
  questionTexts_.assign(static_cast<std::size_t>(questionCount), std::string());
  longTexts_.assign(static_cast<std::size_t>(slotCount_) + 1, std::nullopt);
  shortTexts_.assign(static_cast<std::size_t>(slotCount_) + 1, std::nullopt);

  int parsed = 0;
  std::size_t slot = 0;
  for (int q = 0; q < questionCount && !malformed; ++q) {
    if (!reader.Line(line)) {
      malformed = true;
      break;
    }
    questionTexts_[static_cast<std::size_t>(q)] = std::string(SkipBlanks(line));
    ++slot;  // the header slot holds no text
    if (withNa) {
      longTexts_[slot] = naLong;
      shortTexts_[slot] = naShort;
      ++slot;
    }
    const int listed = counts[static_cast<std::size_t>(q)] - (withNa ? 1 : 0);
    for (int a = 0; a < listed; ++a, ++slot) {
      std::string longText = kDefaultLongAnswer, shortText = kDefaultShortAnswer;
      if (!reader.Line(line) || !LongAnswer(line, longText)) malformed = true;
      if (!reader.Line(line) || !ShortAnswer(line, shortText)) malformed = true;
      longTexts_[slot] = std::move(longText);
      shortTexts_[slot] = std::move(shortText);
    }
    parsed = q + 1;
  }

  if (malformed) {
    for (int q = parsed; q < questionCount; ++q) {
      questionTexts_[static_cast<std::size_t>(q)] = kDefaultQuestion;
      const int first = FirstAnswerSlot(q);
      longTexts_[static_cast<std::size_t>(first - 1)].reset();
      shortTexts_[static_cast<std::size_t>(first - 1)].reset();
      for (int a = 0; a < AnswerCount(q); ++a) {
        longTexts_[static_cast<std::size_t>(first + a)] = kDefaultLongAnswer;
        shortTexts_[static_cast<std::size_t>(first + a)] = kDefaultShortAnswer;
      }
    }
    notifier.Show(MessageId::QuestionsMalformed, MessageId::LoadCaption);
  }

  order_.resize(static_cast<std::size_t>(questionCount));
  std::iota(order_.begin(), order_.end(), 0);
  orderingKind_ = 0;
  loaded_ = true;
  return 1;
}

int CQuestionList::FirstAnswerSlot(int q) const {
  int slot = 1;
  for (int i = 0; i < q && i < QuestionCount(); ++i) slot += AnswerCount(i) + 1;
  return slot;
}

int CQuestionList::QuestionOfSlot(int slot) const {
  if (slot < 0 || slot >= slotCount_) return -1;
  int start = 0;
  for (int q = 0; q < QuestionCount(); ++q) {
    start += AnswerCount(q) + 1;
    if (slot < start) return q;
  }
  return -1;
}

const std::string* CQuestionList::LongText(int q, int n) const {
  if (q < 0 || q >= QuestionCount()) return nullptr;
  const int slot = FirstAnswerSlot(q) - 1 + n;
  if (slot < 0 || slot >= slotCount_) return nullptr;
  const auto& text = longTexts_[static_cast<std::size_t>(slot)];
  return text ? &*text : nullptr;
}

const std::string* CQuestionList::ShortText(int q, int n) const {
  if (q < 0 || q >= QuestionCount()) return nullptr;
  const int slot = FirstAnswerSlot(q) - 1 + n;
  if (slot < 0 || slot >= slotCount_) return nullptr;
  const auto& text = shortTexts_[static_cast<std::size_t>(slot)];
  return text ? &*text : nullptr;
}

std::string CQuestionList::AnswerLongText(int q, int a) const {
  const std::string* text = LongText(q, a + 1);
  return text ? *text : std::string();
}

std::string CQuestionList::AnswerShortText(int q, int a) const {
  const std::string* text = ShortText(q, a + 1);
  return text ? *text : std::string();
}

std::vector<double> CQuestionList::DifferenceValues(int kind, const CModel& model,
                                                    const std::vector<ConditionSet>& shown) const {
  const int questionCount = QuestionCount();
  std::vector<double> values(static_cast<std::size_t>(questionCount));
  if (shown.size() < 2) {
    for (int q = 0; q < questionCount; ++q) values[static_cast<std::size_t>(q)] = -q;
    return values;
  }
  std::vector<std::array<double, 32>> shares(shown.size());
  for (int q = 0; q < questionCount; ++q) {
    const int answers = std::min(model.AnswerCount(q), 32);
    for (std::size_t j = 0; j < shown.size(); ++j) model.AnswerDistribution(q, shown[j], shares[j].data());
    double value = 0.0;
    for (std::size_t j = 0; j < shown.size(); ++j) {
      for (std::size_t k = j + 1; k < shown.size(); ++k) {
        double pair = 0.0;
        for (int a = 0; a < answers; ++a) {
          const double d = std::fabs(shares[j][static_cast<std::size_t>(a)] - shares[k][static_cast<std::size_t>(a)]);
          if (kind == 1)
            pair = std::max(pair, d);
          else if (kind == 2)
            pair += d / answers;  // average over the question's answers
          else
            pair += d;
        }
        value = std::max(value, pair);
      }
    }
    values[static_cast<std::size_t>(q)] = value;
  }
  return values;
}

void CQuestionList::Order(int kind, const CModel& model, const std::vector<ConditionSet>& shown) {
  if (kind == orderingKind_ || kind < 0 || kind > 3) return;
  if (kind == 0) {
    std::iota(order_.begin(), order_.end(), 0);
  } else {
    const std::vector<double> v = DifferenceValues(kind, model, shown);
    // Descending by value; values closer than 0.001 count as equal. That relation
    // is not transitive, so no comparison sort applies: each place takes the first
    // remaining question (in the current order) that no remaining one exceeds by
    // 0.001 or more. The largest value always qualifies, so every place is filled,
    // the whole list ends descending within 0.001, and near-equal questions keep
    // their current order.
    auto exceeds = [&](int a, int b) {
      const double diff = (v[static_cast<std::size_t>(a)] - v[static_cast<std::size_t>(b)]) * 1000.0;
      return std::trunc(diff) > 0.0;
    };
    std::vector<int> remaining = order_;
    for (std::size_t place = 0; place < order_.size(); ++place) {
      const auto next = std::find_if(remaining.begin(), remaining.end(), [&](int q) {
        return std::none_of(remaining.begin(), remaining.end(), [&](int other) { return exceeds(other, q); });
      });
      order_[place] = *next;
      remaining.erase(next);
    }
  }
  orderingKind_ = kind;
}

int CQuestionList::Step(int q, int offset) const {
  const int count = static_cast<int>(order_.size());
  if (count == 0) return q;
  int position = count;
  for (int i = 0; i < count; ++i)
    if (order_[static_cast<std::size_t>(i)] == q) {
      position = i;
      break;
    }
  int next = (position + offset) % count;
  if (next < 0) next += count;
  return order_[static_cast<std::size_t>(next)];
}

}  // namespace orbica
