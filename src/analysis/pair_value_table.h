// Values of the one- and two-answer conditions of a search, kept sorted by their
// slot pair so that longer conditions can look up their parts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orbica {

// Every ordered pair of answer slots: 183 x 183.
inline constexpr std::size_t kPairTableCapacity = 183u * 183u;

class CPairValueTable {
 public:
  // A table for at most `capacity` entries; one whose storage cannot be had has
  // capacity 0 (it refuses every insert and finds nothing).
  explicit CPairValueTable(std::size_t capacity = kPairTableCapacity);

  // Stores `value` under the pair (a, b) in either order. Returns 1, or -1 when the
  // table is full or the key is smaller than the last one stored (keys stay sorted;
  // an equal key is stored again).
  int Insert(int a, int b, double value);
  // The value stored under the pair, or 0.0 when there is none. With equal keys
  // stored more than once the first of them is found.
  double Lookup(int a, int b) const;

  std::size_t Size() const { return keys_.size(); }
  std::size_t Capacity() const { return capacity_; }
  // Key of a pair: lower x 65536 + higher, both as 16-bit slots.
  static std::uint32_t Key(int a, int b);
  std::uint32_t KeyAt(std::size_t i) const { return keys_[i]; }
  double ValueAt(std::size_t i) const { return values_[i]; }

 private:
  std::size_t capacity_ = 0;
  std::vector<std::uint32_t> keys_;
  std::vector<double> values_;
};

}  // namespace orbica
