// Observed numbers of respondents for answer combinations of up to three
// questions ("zData.gcd"), kept as a tree keyed by ascending slot lists.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "model/notifier.h"
#include "model/questionnaire.h"

namespace orbica {

// One record of "zData.gcd": a count and up to three flat answer codes (-1 ends the list).
struct CountRecord {
  std::int32_t count = 0;
  std::array<std::int32_t, 3> codes{-1, -1, -1};
};
inline constexpr std::size_t kCountRecordBytes = 16;

class CObservedCounts {
 public:
  CObservedCounts();
  ~CObservedCounts();
  CObservedCounts(const CObservedCounts&) = delete;
  CObservedCounts& operator=(const CObservedCounts&) = delete;

  // Reads the records file. The whole-population count starts as `respondents`.
  // A missing file shows "Cannot open the zdata.gcd file", one that is not a
  // regular file says so; either leaves only that count and returns -1. When
  // the tree does not fit into memory nothing is shown, the index is left
  // empty and the result is kNoMemory. Returns 0 when the file was read.
  static constexpr int kNoMemory = -2;
  int Load(const std::string& path, std::int32_t respondents, Notifier& notifier);

  // Stores a count under slots s[0..n-1]; n = 0 sets the whole-population count.
  // Returns false when the record is dropped because its slots are out of order.
  bool Insert(const int* slots, int n, std::int32_t count);
  // The count stored under the slots, or -1 when no record shares their prefix.
  std::int32_t Lookup(const int* slots, int n) const;
  // Observed count of a condition set (groups of answers are summed, at most
  // 2^31 - 1), or -1.
  std::int32_t Count(const ConditionSet& set) const;

  std::int32_t WholePopulationCount() const { return whole_; }
  // Whole 16-byte records read from the file, and those skipped because a code
  // lay outside 0..182, the codes were out of order or the count was negative.
  std::int64_t RecordsRead() const { return recordsRead_; }
  std::int64_t RecordsSkipped() const { return recordsSkipped_; }
  // Nodes of the tree and the bytes they hold.
  std::size_t NodeCount() const { return nodeCount_; }
  std::size_t MemoryBytes() const;

  // Decodes one record into slots; returns the number of slots (0..3), or -1
  // when a code before the first -1 lies outside 0..182.
  static int RecordSlots(const CountRecord& record, int slots[3]);

 private:
  struct Node;
  Node* ChildFor(Node* node, int slot);
  void InsertRecord(const unsigned char* bytes);
  std::int32_t CountFrom(ConditionSet& set, int question, int* keys, int depth) const;

  std::unique_ptr<Node> root_;
  std::int32_t whole_ = 0;
  std::int64_t recordsRead_ = 0;
  std::int64_t recordsSkipped_ = 0;
  std::size_t nodeCount_ = 0;
  std::size_t childTables_ = 0;
};

}  // namespace orbica
