// "zData.gcd" read into the index of observed counts: any bytes load; every
// whole record is read and either stored or skipped; lookups of what was read
// answer without fault, and the count of any condition set is a number of
// respondents or -1.
#include <cstdint>

#include "fuzz_support.h"
#include "model/binary_io.h"
#include "model/observed_counts.h"

using namespace orbica;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::WriteScratchFile("zData.gcd", data, size);
  RecordingNotifier notifier;
  CObservedCounts counts;
  FUZZ_CHECK(counts.Load(path, 1000, notifier) == 0);
  FUZZ_CHECK(notifier.messages.empty());
  const std::size_t records = size / kCountRecordBytes;
  FUZZ_CHECK(counts.RecordsRead() == static_cast<std::int64_t>(records));
  FUZZ_CHECK(counts.RecordsSkipped() >= 0 && counts.RecordsSkipped() <= counts.RecordsRead());
  // root + 207 second-level + 207 x 207 third-level nodes at the very most.
  FUZZ_CHECK(counts.NodeCount() <= 1 + kSlotCount + static_cast<std::size_t>(kSlotCount) * kSlotCount);

  bool whole = false;
  for (std::size_t r = 0; r < records; ++r) {
    const std::uint8_t* p = data + r * kCountRecordBytes;
    CountRecord record;
    record.count = ReadLE<std::int32_t>(p);
    for (int k = 0; k < 3; ++k) record.codes[static_cast<std::size_t>(k)] = ReadLE<std::int32_t>(p + 4 + 4 * k);
    int slots[3];
    const int n = CObservedCounts::RecordSlots(record, slots);
    FUZZ_CHECK(n >= -1 && n <= 3);
    if (n == 0) whole = true;
    if (n > 0) (void)counts.Lookup(slots, n);
  }
  if (!whole) FUZZ_CHECK(counts.WholePopulationCount() == 1000);

  // Counts of condition sets taken from the input, as masks of any bits.
  for (std::size_t offset = 0; offset + 4 * kQuestionCount <= size && offset < 4096; offset += 4 * kQuestionCount) {
    ConditionSet set;
    for (int q = 0; q < kQuestionCount; ++q)
      set[static_cast<std::size_t>(q)] = ReadLE<std::uint32_t>(data + offset + 4 * q);
    FUZZ_CHECK(counts.Count(set) >= -1);
    // At most three questions, with the answers the questions have.
    int kept = 0;
    for (int q = 0; q < kQuestionCount; ++q) {
      std::uint32_t& mask = set[static_cast<std::size_t>(q)];
      mask &= ValidAnswerBits(q);
      if (mask != 0 && ++kept > 3) mask = 0;
    }
    FUZZ_CHECK(counts.Count(set) >= -1);
  }
  return 0;
}
