#include "analysis/pair_value_table.h"

#include <algorithm>
#include <new>

namespace orbica {

CPairValueTable::CPairValueTable(std::size_t capacity) {
  try {
    keys_.reserve(capacity);
    values_.reserve(capacity);
    capacity_ = capacity;
  } catch (const std::bad_alloc&) {
    keys_ = {};
    values_ = {};
    capacity_ = 0;
  }
}

std::uint32_t CPairValueTable::Key(int a, int b) {
  const auto lo = static_cast<std::uint16_t>(std::min(a, b));
  const auto hi = static_cast<std::uint16_t>(std::max(a, b));
  return std::uint32_t{lo} << 16 | hi;
}

int CPairValueTable::Insert(int a, int b, double value) {
  const std::uint32_t key = Key(a, b);
  if (keys_.size() >= capacity_) return -1;
  if (!keys_.empty() && key < keys_.back()) return -1;
  keys_.push_back(key);
  values_.push_back(value);
  return 1;
}

double CPairValueTable::Lookup(int a, int b) const {
  const std::uint32_t key = Key(a, b);
  const auto it = std::lower_bound(keys_.begin(), keys_.end(), key);
  if (it == keys_.end() || *it != key) return 0.0;
  return values_[static_cast<std::size_t>(it - keys_.begin())];
}

}  // namespace orbica
