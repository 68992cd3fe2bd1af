#include "analysis/records_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <new>

#include "model/binary_io.h"
#include "model/observed_counts.h"
#include "model/questionnaire.h"

namespace orbica {

RecordsFile::~RecordsFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool RecordsFile::Open(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return false;
  struct stat status = {};
  if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd_);
    fd_ = -1;
    return false;
  }
  const int flags = ::fcntl(fd_, F_GETFL);
  if (flags != -1) ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
  records_ = static_cast<std::int64_t>(status.st_size) / static_cast<std::int64_t>(kCountRecordBytes);
  seen_.assign(static_cast<std::size_t>(std::min((records_ + kRangeRecords - 1) / kRangeRecords, kSeenRanges)),
               Seen{});
  return true;
}

bool RecordsFile::ReadWindow(std::int64_t first, int length, const std::vector<int>& codeQuestion,
                             bool zeroCountsLeftOut, std::vector<Range>& ranges, WorkerPool& pool) const {
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  const auto read = [&] {
    for (std::size_t t; (t = next.fetch_add(1)) < ranges.size();) {
      try {
        const std::int64_t from = first + static_cast<std::int64_t>(t) * kRangeRecords;
        ReadRange(from, std::min(from + kRangeRecords, records_), length, codeQuestion, zeroCountsLeftOut,
                  ranges[t]);
      } catch (const std::bad_alloc&) {
        failed.store(true);
      }
    }
  };
  pool.Run([&](int) { read(); }, read);
  return !failed.load();
}

void RecordsFile::ReadRange(std::int64_t first, std::int64_t last, int length, const std::vector<int>& codeQuestion,
                            bool zeroCountsLeftOut, Range& range) const {
  range.records.clear();
  range.shortRead = false;
  if (first >= last) return;
  // A range whose whole records an earlier pass read has nothing for a length it did not hold.
  Seen* seen = first / kRangeRecords < static_cast<std::int64_t>(seen_.size())
                   ? &seen_[static_cast<std::size_t>(first / kRangeRecords)]
                   : nullptr;
  if (seen && seen->read && seen->records[length - 1] == 0) return;
  std::int64_t held[3] = {0, 0, 0};
  range.raw.resize(static_cast<std::size_t>(kChunkRecords) * kCountRecordBytes);
  range.records.reserve(static_cast<std::size_t>(last - first));  // touched only as far as it fills
  for (std::int64_t chunk = first; chunk < last && !range.shortRead; chunk += kChunkRecords) {
    const std::size_t want = static_cast<std::size_t>(std::min(last - chunk, kChunkRecords)) * kCountRecordBytes;
    std::size_t got = 0;
    while (got < want) {
      const ssize_t n = ::pread(fd_, range.raw.data() + got, want - got,
                                static_cast<off_t>(chunk * static_cast<std::int64_t>(kCountRecordBytes)) +
                                    static_cast<off_t>(got));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    range.shortRead = got < want;
    for (std::size_t i = 0; i < got / kCountRecordBytes; ++i) {
      const unsigned char* p = range.raw.data() + i * kCountRecordBytes;
      // The positions before the first -1; a record of another length is only
      // counted (a code outside the questionnaire may count it too, which at
      // worst has a later pass read its range once more).
      std::int32_t codes[3];
      for (int k = 0; k < 3; ++k) codes[k] = ReadLE<std::int32_t>(p + 4 + 4 * k);
      const int answers = codes[0] == -1 ? 0 : codes[1] == -1 ? 1 : codes[2] == -1 ? 2 : 3;
      if (answers > 0) ++held[answers - 1];
      if (answers != length) continue;
      // Slots in plain variables: an array here would be stored in pieces and
      // read back whole, which stalls on every record.
      bool valid = true;
      const auto slot = [&](int k) -> std::int16_t {
        const std::int32_t code = codes[k];
        if (k >= answers) return 0;
        if (code < 0 || code >= kFlatAnswerCount) {
          valid = false;
          return 0;
        }
        return static_cast<std::int16_t>(code + codeQuestion[static_cast<std::size_t>(code)] + 1);
      };
      Record r;
      r.s1 = slot(0), r.s2 = slot(1), r.s3 = slot(2);
      if (!valid) continue;
      r.count = ReadLE<std::uint32_t>(p);
      if (zeroCountsLeftOut && r.count == 0) continue;
      r.position = chunk + static_cast<std::int64_t>(i);
      range.records.push_back(r);
    }
  }
  if (seen && !range.shortRead) *seen = {true, {held[0], held[1], held[2]}};
}
void Blocks(const std::vector<RecordsFile::Range>& ranges, std::size_t size, std::vector<RecordBlock>& blocks) {
  blocks.clear();
  for (const RecordsFile::Range& range : ranges) {
    const std::vector<Record>& list = range.records;
    for (std::size_t first = 0; first < list.size(); first += size)
      blocks.push_back({list.data() + first, std::min(size, list.size() - first)});
    if (range.shortRead) break;  // a short read ends the pass
  }
}

}  // namespace orbica
