// RecordsFile: the observed-counts file as the search reads it, window by window,
// with each range of a window decoded on its own thread into the records of one
// condition length.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/worker_pool.h"

namespace orbica {

// A record of one condition length, with its codes turned into slots.
struct Record {
  std::int64_t position = 0;  // record number in the file, from 0
  std::uint32_t count = 0;
  std::int16_t s1 = 0, s2 = 0, s3 = 0;  // 0 = empty position
};

// The records file, read in windows of consecutive ranges: every thread reads and
// decodes one range of a window into its own list of the pass's records, so a
// pass walks the lists range by range in file order and never holds more than a
// window of the file. Records without an answer, with a code outside the
// questionnaire before the first -1, or (when `zeroCountsLeftOut`, for the
// criterion whose relative error divides by the count) with count 0 are left
// out; the first -1 ends a record's codes.
class RecordsFile {
 public:
  static constexpr std::int64_t kRangeRecords = 65536;  // 1 MiB of the file per range
  static constexpr std::int64_t kChunkRecords = 16384;  // read 256 KiB at a time

  RecordsFile() = default;
  RecordsFile(const RecordsFile&) = delete;
  RecordsFile& operator=(const RecordsFile&) = delete;
  ~RecordsFile();

  // False when the file cannot be opened or is not a regular file. The open does
  // not wait: a fifo or a device named like the records file is refused at once.
  [[nodiscard]] bool Open(const std::string& path);

  // Whole records in the file when it was opened.
  std::int64_t Count() const { return records_; }

  // One range of a window: a chunk of its raw bytes and its records of one length.
  struct Range {
    std::vector<unsigned char> raw;
    std::vector<Record> records;
    bool shortRead = false;  // the file ended inside the range
  };

  // Reads records [first, first + ranges x kRangeRecords) of the file, the ranges
  // shared out among the calling thread and the pool's, keeping those with
  // `length` answers. False when memory ran out.
  [[nodiscard]] bool ReadWindow(std::int64_t first, int length, const std::vector<int>& codeQuestion,
                                bool zeroCountsLeftOut, std::vector<Range>& ranges, WorkerPool& pool) const;

 private:
  void ReadRange(std::int64_t first, std::int64_t last, int length, const std::vector<int>& codeQuestion,
                 bool zeroCountsLeftOut, Range& range) const;

  // What the first read of a range found: its records by length. Kept for the
  // first kSeenRanges ranges (64 GiB of file), a few bytes per mebibyte.
  struct Seen {
    bool read = false;
    std::int64_t records[3] = {0, 0, 0};
  };
  static constexpr std::int64_t kSeenRanges = 65536;

  int fd_ = -1;
  std::int64_t records_ = 0;
  mutable std::vector<Seen> seen_;  // each range's entry is written only by the thread reading it
};

// A block of records of one pass, evaluated in one piece.
struct RecordBlock {
  const Record* records = nullptr;
  std::size_t count = 0;
};

// The blocks of a window: each range's records cut into pieces of at most `size`.
void Blocks(const std::vector<RecordsFile::Range>& ranges, std::size_t size, std::vector<RecordBlock>& blocks);

}  // namespace orbica
