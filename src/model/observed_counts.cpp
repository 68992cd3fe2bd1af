#include "model/observed_counts.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

#include "model/binary_io.h"

namespace orbica {

struct CObservedCounts::Node {
  std::array<std::int32_t, kSlotCount> counts{};
  std::unique_ptr<std::array<std::unique_ptr<Node>, kSlotCount>> children;
};

CObservedCounts::CObservedCounts() = default;
CObservedCounts::~CObservedCounts() = default;

std::size_t CObservedCounts::MemoryBytes() const {
  return nodeCount_ * sizeof(Node) + childTables_ * sizeof(std::array<std::unique_ptr<Node>, kSlotCount>);
}

int CObservedCounts::RecordSlots(const CountRecord& record, int slots[3]) {
  int n = 0;
  for (const std::int32_t code : record.codes) {
    if (code == -1) break;
    const int slot = FlatCodeToSlot(code);
    if (slot < 0) return -1;
    slots[n++] = slot;
  }
  return n;
}

int CObservedCounts::Load(const std::string& path, std::int32_t respondents, Notifier& notifier) {
  whole_ = respondents;
  InputFile file;
  const InputStatus opened = file.Open(path);
  if (opened == InputStatus::NotRegular) {
    notifier.Show(NotRegularFileMessage(path), MessageId::FileNotFoundCaption);
    return -1;
  }
  if (opened != InputStatus::Ok) {
    notifier.Show(MessageId::CountsNotOpened, MessageId::FileNotFoundCaption);
    return -1;
  }
  // Read a block of records at a time: memory stays with the tree, whose size
  // is bounded by the slot layout, however long the file is.
  constexpr std::size_t kBlockRecords = 4096;
  std::vector<unsigned char> block;
  try {
    block.resize(kBlockRecords * kCountRecordBytes);
    std::size_t carried = 0;  // bytes of a record cut by the end of the last block
    for (;;) {
      const std::size_t got = file.Read(block.data() + carried, block.size() - carried);
      const std::size_t available = carried + got;
      const std::size_t records = available / kCountRecordBytes;
      for (std::size_t r = 0; r < records; ++r) InsertRecord(block.data() + r * kCountRecordBytes);
      carried = available - records * kCountRecordBytes;
      if (got == 0 || file.Status() != InputStatus::Ok) break;  // a trailing partial record is ignored
      std::memmove(block.data(), block.data() + records * kCountRecordBytes, carried);
    }
  } catch (const std::bad_alloc&) {
    // What was stored so far is dropped: a partial index would answer wrongly.
    root_.reset();
    nodeCount_ = childTables_ = 0;
    recordsRead_ = recordsSkipped_ = 0;
    whole_ = respondents;
    return kNoMemory;
  }
  return 0;
}

void CObservedCounts::InsertRecord(const unsigned char* p) {
  CountRecord record;
  record.count = ReadLE<std::int32_t>(p);
  for (int k = 0; k < 3; ++k) record.codes[static_cast<std::size_t>(k)] = ReadLE<std::int32_t>(p + 4 + 4 * k);
  ++recordsRead_;
  int slots[3];
  const int n = RecordSlots(record, slots);
  // A negative count is no number of respondents: such a record is skipped too.
  if (n < 0 || record.count < 0 || !Insert(slots, n, record.count)) ++recordsSkipped_;
}

CObservedCounts::Node* CObservedCounts::ChildFor(Node* node, int slot) {
  if (!node->children) {
    node->children = std::make_unique<std::array<std::unique_ptr<Node>, kSlotCount>>();
    ++childTables_;
  }
  std::unique_ptr<Node>& child = (*node->children)[static_cast<std::size_t>(slot)];
  if (!child) {
    child = std::make_unique<Node>();
    ++nodeCount_;
  }
  return child.get();
}

bool CObservedCounts::Insert(const int* slots, int n, std::int32_t count) {
  if (n == 0) {
    whole_ = count;
    return true;
  }
  for (int k = 0; k < n; ++k)
    if (slots[k] < 0 || slots[k] >= kSlotCount) return false;
  if (!root_) {
    root_ = std::make_unique<Node>();
    ++nodeCount_;
  }
  // Nodes walked before a disorder is found stay, as the file's reader always did.
  Node* node = root_.get();
  unsigned previous = 0;
  for (int k = 0; k + 1 < n; ++k) {
    if (static_cast<unsigned>(slots[k]) < previous) return false;
    node = ChildFor(node, slots[k]);
    previous = static_cast<unsigned>(slots[k]);
  }
  node->counts[static_cast<std::size_t>(slots[n - 1])] = count;
  return true;
}

std::int32_t CObservedCounts::Lookup(const int* slots, int n) const {
  if (n == 0) return whole_;
  if (!root_) return -1;
  const Node* node = root_.get();
  unsigned previous = 0;
  for (int k = 0; k + 1 < n; ++k) {
    const int s = slots[k];
    if (s < 0 || s >= kSlotCount || static_cast<unsigned>(s) < previous) return -1;
    if (!node->children || !(*node->children)[static_cast<std::size_t>(s)]) return -1;
    node = (*node->children)[static_cast<std::size_t>(s)].get();
    previous = static_cast<unsigned>(s);
  }
  const int last = slots[n - 1];
  if (last < 0 || last >= kSlotCount) return -1;
  return node->counts[static_cast<std::size_t>(last)];
}

std::int32_t CObservedCounts::Count(const ConditionSet& set) const {
  int constrained = 0;
  for (const std::uint32_t mask : set)
    if (mask != 0) ++constrained;
  if (constrained > 3) return -1;
  ConditionSet work = set;
  int keys[3];
  return CountFrom(work, 0, keys, 0);
}

// Walks the questions from `question` on; a question with several allowed answers
// is split into one lookup per answer, summed in answer order.
std::int32_t CObservedCounts::CountFrom(ConditionSet& set, int question, int* keys, int depth) const {
  for (int q = question; q < kQuestionCount; ++q) {
    const std::uint32_t mask = set[static_cast<std::size_t>(q)];
    if (mask == 0) continue;
    const std::uint32_t allowed = mask & ValidAnswerBits(q);
    if (allowed == 0) return -1;  // a mask that allows none of the answers has no count
    if (std::popcount(allowed) == 1) {
      keys[depth++] = AnswerSlot(q, std::countr_zero(allowed));
      continue;
    }
    std::int64_t sum = 0;
    for (int a = 0; a < AnswerCount(q); ++a) {
      if (!(allowed & (std::uint32_t{1} << a))) continue;
      set[static_cast<std::size_t>(q)] = std::uint32_t{1} << a;
      const std::int32_t part = CountFrom(set, q, keys, depth);
      set[static_cast<std::size_t>(q)] = mask;
      if (part < 0) return -1;
      sum += part;
    }
    // Counts of a real census cannot add up beyond N; those of a damaged file may.
    return static_cast<std::int32_t>(std::min<std::int64_t>(sum, std::numeric_limits<std::int32_t>::max()));
  }
  return Lookup(keys, depth);
}

}  // namespace orbica
