#include "survey/populace.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "model/binary_io.h"
#include "survey/pop_format.h"
#include "survey/question_list.h"
#include "survey/subpopulation_code.h"
#include "survey/text_encoding.h"

namespace orbica {

namespace {

std::atomic<int> highestIdentity{0};

void RaiseHighestIdentity(int identity) {
  int current = highestIdentity.load();
  while (identity > current && !highestIdentity.compare_exchange_weak(current, identity)) {
  }
}

int NextIdentity() { return highestIdentity.fetch_add(1) + 1; }

}  // namespace

CBasePopulace::CBasePopulace(int identity) : identity_(identity), name_(kWholePopulationName) {
  RaiseHighestIdentity(identity);
}

CBasePopulace::CBasePopulace(const CBasePopulace& source, bool newIdentity)
    : identity_(newIdentity ? NextIdentity() : source.identity_), masks_(source.masks_), name_(source.name_) {}

void CBasePopulace::SetIdentity(int identity) {
  identity_ = identity;
  RaiseHighestIdentity(identity);
}

void CBasePopulace::SetName(const std::string& name) {
  name_ = std::string(Utf8PrefixCharacters(name, kMaxNameCharacters));
}

int CBasePopulace::ConstrainedQuestions() const {
  int count = 0;
  for (const std::uint32_t mask : masks_)
    if (mask != 0) ++count;
  return count;
}

std::string CBasePopulace::Code() const { return SubpopulationCode(masks_); }

std::string CBasePopulace::AnswerDescription(const CQuestionList& questions) const {
  std::string description;
  for (int q = 0; q < kQuestionCount && q < questions.QuestionCount(); ++q) {
    const std::uint32_t mask = masks_[static_cast<std::size_t>(q)];
    if (mask == 0) continue;
    const int answers = std::min(questions.AnswerCount(q), 32);
    for (int a = 0; a < answers; ++a)
      if (mask & (std::uint32_t{1} << a)) {
        description += questions.AnswerShortText(q, a);
        description += ' ';
      }
  }
  return description;
}

int CBasePopulace::HighestIdentity() { return highestIdentity.load(); }

CPopulace::CPopulace(const CBasePopulace& source, bool newIdentity) : CBasePopulace(source, newIdentity) {
  if (const auto* listed = dynamic_cast<const CPopulace*>(&source)) note_ = listed->note_;
}

CPopulace CPopulace::FromFile(const std::string& path, int identity, FileAccess& files) {
  CPopulace population(identity);
  population.fileName_ = path;
  std::vector<unsigned char> bytes;
  if (!files.Read(path, bytes)) {
    population.readable_ = false;
    population.SetName(std::filesystem::path(path).filename().string() + kUnreadableMark);
    return population;
  }
  // Without all the masks the file says nothing reliable: the defaults stay.
  if (bytes.size() < 4 * kQuestionCount) return population;
  const PopContents contents = DecodePop(bytes);
  population.Masks() = contents.masks;
  if (bytes.size() > 4 * kQuestionCount) population.SetName(ToUtf8(contents.name));
  population.note_ = ToUtf8(contents.note);
  return population;
}

std::string PopFileName(const std::string& name) {
  std::string eightBit;
  if (Utf8ToWindows1250(name, eightBit) && eightBit.size() <= kMaxNameBytes &&
      (eightBit == name || !IsValidUtf8(eightBit)))
    return eightBit;
  return std::string(Utf8Prefix(name, kMaxNameBytes));
}

std::string PopFileStem(const ConditionSet& masks) {
  bool whole = true;
  for (const std::uint32_t mask : masks)
    if (mask != 0) whole = false;
  if (whole) return kWholePopulationCode;
  std::string stem;
  for (const char c : CompactCode(masks))
    if (std::isalnum(static_cast<unsigned char>(c))) stem += c;
  return stem;
}

std::string PopPathIn(const std::string& folder, const ConditionSet& masks) {
  return (std::filesystem::path(folder) / (PopFileStem(masks) + ".pop")).string();
}

std::string CPopulace::PathIn(const std::string& folder) const { return PopPathIn(folder, Masks()); }

bool CPopulace::Write(const std::string& folder, Notifier& notifier, FileAccess& files, bool removeOldFile) {
  const std::string path = PathIn(folder);
  PopContents contents;
  contents.masks = Masks();
  contents.name = PopFileName(Name());
  contents.note = note_;
  const std::vector<unsigned char> bytes = EncodePop(contents);

  // Decided before writing: on a file system that ignores case the old name may
  // be the new file under another spelling, which must not be deleted afterwards.
  const bool oldIsOtherFile = removeOldFile && fileName_ && !files.SameFile(*fileName_, path);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::string error;
  if (!files.Write(path, bytes, error)) {
    notifier.Show(fileName_ ? Message(MessageId::SubpopulationNotWrittenOldKept, {Name(), path, error, *fileName_})
                            : Message(MessageId::SubpopulationNotWritten, {Name(), path, error}),
                  MessageId::NotSavedCaption, MessageIcon::Warning);
    return false;
  }
  if (oldIsOtherFile && !files.Remove(*fileName_, error))
    notifier.Show({MessageId::OldFileNotDeleted, {path, *fileName_, error}}, MessageId::NotSavedCaption,
                  MessageIcon::Warning);
  fileName_ = path;
  return true;
}

EditResult EditAnswer(CBasePopulace& population, int q, int a, bool allow, const CModel& model,
                      Notifier& notifier) {
  if (q < 0 || q >= kQuestionCount || a < 0 || a >= 32) return EditResult::Accepted;
  std::uint32_t& mask = population.Masks()[static_cast<std::size_t>(q)];
  const std::uint32_t bit = std::uint32_t{1} << a;
  if (allow) {
    if (mask & bit) return EditResult::Accepted;
    if (population.ConstrainedQuestions() >= kMaxConstrainedQuestions) {
      notifier.Show(MessageId::TooManyConditions, MessageId::ProgramCaption);
      return EditResult::TooManyConditions;
    }
    mask |= bit;
    if (population.Size(model) < kMinSubpopulationSize) {
      mask &= ~bit;
      notifier.Show(MessageId::TooSmall, MessageId::ProgramCaption);
      return EditResult::TooSmall;
    }
    return EditResult::Accepted;
  }
  if (!(mask & bit)) return EditResult::Accepted;
  mask &= ~bit;
  if (population.Size(model) < kMinSubpopulationSize) {
    mask |= bit;
    notifier.Show(MessageId::TooSmall, MessageId::ProgramCaption);
    return EditResult::TooSmall;
  }
  return EditResult::Accepted;
}

}  // namespace orbica
