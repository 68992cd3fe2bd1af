// Little-endian reading and writing of fixed-size values, safe opening and
// reading of input files, and safe whole-file writes.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "model/message.h"

namespace orbica {

namespace detail {
template <std::size_t N> struct UnsignedOfSize;
template <> struct UnsignedOfSize<1> { using type = std::uint8_t; };
template <> struct UnsignedOfSize<2> { using type = std::uint16_t; };
template <> struct UnsignedOfSize<4> { using type = std::uint32_t; };
template <> struct UnsignedOfSize<8> { using type = std::uint64_t; };
}  // namespace detail

template <typename T>
T ReadLE(const unsigned char* p) {
  static_assert(std::is_trivially_copyable_v<T>);
  using Bits = typename detail::UnsignedOfSize<sizeof(T)>::type;
  Bits bits = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) bits = static_cast<Bits>(bits | static_cast<Bits>(Bits{p[i]} << (8 * i)));
  T value;
  std::memcpy(&value, &bits, sizeof(T));
  return value;
}

template <typename T>
void AppendLE(std::vector<unsigned char>& out, T value) {
  static_assert(std::is_trivially_copyable_v<T>);
  using Bits = typename detail::UnsignedOfSize<sizeof(T)>::type;
  Bits bits;
  std::memcpy(&bits, &value, sizeof(T));
  for (std::size_t i = 0; i < sizeof(T); ++i) out.push_back(static_cast<unsigned char>(bits >> (8 * i)));
}

// Why an input file gave no (or not all of its) bytes.
enum class InputStatus {
  Ok,
  CannotOpen,  // missing, or no permission
  NotRegular,  // a named pipe, device, socket or folder: refused unread
  ReadFailed,
  NoMemory,    // the bytes did not fit into memory
};

// An input file opened without blocking: a named pipe without a writer or a
// device cannot stall the program, and anything but a regular file is refused
// before a byte is read. Reads go straight to the file descriptor, so memory
// is whatever the caller's buffer holds.
class InputFile {
 public:
  InputFile() = default;
  explicit InputFile(const std::string& path) { Open(path); }
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  InputStatus Open(const std::string& path);
  InputStatus Status() const { return status_; }
  bool IsOpen() const { return fd_ >= 0; }
  // Size of the file when it was opened.
  std::uint64_t Size() const { return size_; }
  // Up to `size` bytes; fewer only at the end of the file or after a read
  // error (Status() is then ReadFailed).
  std::size_t Read(void* buffer, std::size_t size);
  void Close();

 private:
  int fd_ = -1;
  std::uint64_t size_ = 0;
  InputStatus status_ = InputStatus::CannotOpen;
};

// What the user is told when `path` is refused for not being a regular file;
// names the file.
Message NotRegularFileMessage(const std::string& path);

// Reads at most `maxBytes` of a file (by default all of it), through InputFile.
// `bytes` is sized once from the file's size, so a file costs its own size in
// memory and no more. `fileSize`, when given, receives the size the file had
// when it was opened.
InputStatus ReadInputFile(const std::string& path, std::vector<unsigned char>& bytes,
                          std::uint64_t maxBytes = UINT64_MAX, std::uint64_t* fileSize = nullptr);

// ReadInputFile of the whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes);

// Writes `size` bytes to `path` safely: a temporary file with a unique name in
// the same folder ("<path>.tmp-XXXXXX", created exclusively, so a planted link is
// never followed) gets the target's permissions, is written completely, synced
// and renamed over the target, and the folder is synced. The old file stays whole
// until the new one is. On failure the temporary is removed, `error` says why and
// the result is false. Temporaries left behind that are older than a day are
// removed after a successful write.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size, std::string* error = nullptr);

// Whether a file name follows the pattern of the temporaries above.
bool IsTemporaryFileName(const std::string& name);

inline constexpr std::int64_t kStaleTemporarySeconds = 24 * 60 * 60;

// Removes the plain files of `folder` named like our temporaries whose last change
// is more than `maxAgeSeconds` ago; returns how many went.
int RemoveStaleTemporaries(const std::string& folder, std::int64_t maxAgeSeconds = kStaleTemporarySeconds);

}  // namespace orbica
