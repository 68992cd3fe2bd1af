#include "model/model.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <new>

#include "model/binary_io.h"
#include "model/model_check.h"

namespace orbica {

std::uint64_t CModel::RequiredFileSize(std::uint64_t components) {
  return kModelHeaderBytes + components * 8u + components * kFlatAnswerCount * 8u;
}

namespace {

Message TruncatedMessage(std::uint64_t holds, unsigned components) {
  if (holds < kModelHeaderBytes) return MessageId::TruncatedHeader;
  return {MessageId::Truncated,
          {std::to_string(holds), std::to_string(components), std::to_string(CModel::RequiredFileSize(components))}};
}

}  // namespace

int CModel::Load(const std::string& fileName, Notifier& notifier, bool withCounts) {
  if (ownsArrays_) return -1;
  InputFile file;
  const InputStatus opened = file.Open(fileName);
  if (opened != InputStatus::Ok) {
    notifier.Show(opened == InputStatus::NotRegular ? NotRegularFileMessage(fileName)
                                                    : Message(MessageId::ParametersNotOpened),
                  MessageId::LoadCaption);
    return -1;
  }
  unsigned char header[kModelHeaderBytes];
  const std::size_t headerBytes = file.Read(header, sizeof header);
  const std::uint16_t storedComponents = headerBytes == sizeof header ? ReadLE<std::uint16_t>(header + 8) : 0;
  if (headerBytes < sizeof header || file.Size() < RequiredFileSize(storedComponents)) {
    notifier.Show(TruncatedMessage(headerBytes < sizeof header ? headerBytes : file.Size(), storedComponents),
                  MessageId::LoadCaption);
    return -1;
  }
  const std::size_t c = storedComponents;
  auto fail = [&](const Message& text) {
    std::vector<double>().swap(weights_);
    std::vector<double>().swap(rows_);
    notifier.Show(text, MessageId::LoadCaption);
    return -1;
  };
  // The file is read piece by piece straight into the slot layout: memory is
  // the model's own arrays, not a copy of the file.
  std::vector<unsigned char> packed;
  try {
    weights_.resize(c);
    rows_.assign(c * kSlotCount, 0.0);
    packed.resize(std::max<std::size_t>(c, kFlatAnswerCount) * 8);
  } catch (const std::bad_alloc&) {
    return fail(MessageId::NoMemory);
  }
  std::uint64_t read = sizeof header;
  // A file that shrinks while it is read is as truncated as one that was short.
  auto readValues = [&](std::size_t count) {
    const std::size_t got = file.Read(packed.data(), count * 8);
    read += got;
    return got == count * 8;
  };
  if (!readValues(c)) return fail(TruncatedMessage(read, storedComponents));
  for (std::size_t k = 0; k < c; ++k) weights_[k] = ReadLE<double>(packed.data() + 8 * k);
  for (std::size_t comp = 0; comp < c; ++comp) {
    if (!readValues(kFlatAnswerCount)) return fail(TruncatedMessage(read, storedComponents));
    double* row = rows_.data() + comp * kSlotCount;
    const unsigned char* in = packed.data();
    for (int q = 0; q < kQuestionCount; ++q)
      for (int a = 0; a <= kStoredAnswerTable[static_cast<std::size_t>(q) + 1]; ++a, in += 8)
        row[AnswerSlot(q, a)] = ReadLE<double>(in);
  }
  file.Close();
  respondents_ = ReadLE<std::int32_t>(header);
  components_ = storedComponents;
  tableLength_ = kAnswerTableLength;
  answerTable_ = kStoredAnswerTable;

  // The counts are read while the table still holds the stored values.
  const std::filesystem::path countsPath = std::filesystem::path(fileName).parent_path() / "zData.gcd";
  if (withCounts) {
    if (counts_.Load(countsPath.string(), respondents_, notifier) == CObservedCounts::kNoMemory) {
      components_ = 0;
      respondents_ = 0;
      return fail(MessageId::NoMemory);
    }
  } else {
    counts_.Insert(nullptr, 0, respondents_);
  }

  // Re-layout: each question has a header slot (0.0, left so by the reading
  // above) before its answers.
  for (int q = 1; q < kAnswerTableLength; ++q) answerTable_[static_cast<std::size_t>(q)] += 1;
  stride_ = kSlotCount;
  ownsArrays_ = true;
  // Such a model is still used as stored, but the user hears about it once.
  if (HasUnusableValues(*this))
    notifier.Show(UnusableValuesWarning(*this, fileName), MessageId::LoadCaption, MessageIcon::Warning);
  return 0;
}

double CModel::Probability(const ConditionSet& set, double* deviation) const {
  // The constrained questions, in index order, with the answer bits they really have.
  int questions[kQuestionCount];
  std::uint32_t masks[kQuestionCount];
  int n = 0;
  for (int q = 0; q < kQuestionCount; ++q) {
    if (set[static_cast<std::size_t>(q)] == 0) continue;
    questions[n] = q;
    masks[n] = set[static_cast<std::size_t>(q)] & ((std::uint32_t{1} << AnswerCount(q)) - 1);
    ++n;
  }
  double sum = 0.0;
  for (int comp = 0; comp < components_; ++comp) {
    const double* row = Row(comp);
    double d = 1.0;
    for (int k = 0; k < n; ++k) {
      const double* answers = row + SlotStart(questions[k]) + 1;
      double t = 0.0;
      for (std::uint32_t m = masks[k]; m != 0; m &= m - 1) t += answers[std::countr_zero(m)];
      d *= t;
    }
    sum += d * weights_[static_cast<std::size_t>(comp)];
  }
  if (deviation) *deviation = Deviation(sum, counts_.Count(set));
  return sum;
}

double CModel::Deviation(double p, std::int32_t observed) const {
  if (observed >= 0) {
    if (respondents_ == 0) return 0.0;
    return std::fabs(static_cast<double>(observed) / static_cast<double>(respondents_) - p);
  }
  if (p <= 0.0 || respondents_ <= 0) return 0.0;
  const double scale = std::log(1612.0 / static_cast<double>(respondents_));
  if (scale == 0.0) return 0.0;
  return p * std::log(p) * (-0.02 / scale);
}

void CModel::AnswerDistribution(int q, const ConditionSet& set, double* shares, double* deviations) const {
  ConditionSet work = set;
  const std::uint32_t mask = set[static_cast<std::size_t>(q)];
  const int answers = AnswerCount(q);
  double total = 0.0;
  for (int a = 0; a < answers; ++a) {
    if (mask != 0 && !(mask & (std::uint32_t{1} << a))) {
      shares[a] = 0.0;
      if (deviations) deviations[a] = 0.0;
      continue;
    }
    work[static_cast<std::size_t>(q)] = std::uint32_t{1} << a;
    shares[a] = Probability(work, deviations ? deviations + a : nullptr);
    total += shares[a];
  }
  for (int a = 0; a < answers; ++a) {
    // With nothing allowed left (total 0) every share and deviation is 0.
    shares[a] = total != 0.0 ? shares[a] / total : 0.0;
    if (deviations) deviations[a] = total != 0.0 ? deviations[a] / total : 0.0;
  }
}

std::int64_t PersonsOf(std::int32_t respondents, double p) {
  const double persons = static_cast<double>(respondents) * p;
  if (!(persons == persons)) return 0;
  if (persons >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
  if (persons <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(persons);
}

std::int64_t CModel::Size(const ConditionSet& set) const { return PersonsOf(respondents_, Probability(set)); }

}  // namespace orbica
