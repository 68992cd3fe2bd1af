// Little-endian reading and writing of fixed-size values, whole-file reads and
// safe whole-file writes.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

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

// Reads a whole file; false when it cannot be opened or read.
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
