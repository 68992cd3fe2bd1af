#include "histogram/graph_util.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>


namespace orbica {

namespace {
int Channel(Color c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }
}  // namespace

Color BlendColor(Color a, Color b, int n, int d) {
  if (d == 0) return a & 0xFFFFFF;
  if (d < 0) {
    d = -d;
    n = -n;
  }
  if (n < 0) n = 0;
  if (n > d) n = d;
  Color result = 0;
  for (const int shift : {0, 8, 16}) {
    const long long ca = Channel(a, shift), cb = Channel(b, shift);
    const long long c = ca + (cb - ca) * n / d;
    result |= static_cast<Color>(c) << shift;
  }
  return result;
}

int ColorDistance(Color a, Color b) {
  int sum = 0;
  for (const int shift : {0, 8, 16}) sum += std::abs(Channel(a, shift) - Channel(b, shift));
  return sum;
}

std::string FormatPercent(double x) {
  // Fixed notation with one decimal, independent of the process locale.
  char buffer[400];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 1);
  std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0.0");
  for (char& c : text)
    if (c == '.') c = ',';
  return text + " %";
}

std::string FormatCount(std::int64_t n) {
  const bool negative = n < 0;
  std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  std::string digits;
  int inGroup = 0;
  do {
    if (inGroup == 3) {
      digits.insert(digits.begin(), ' ');
      inGroup = 0;
    }
    digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
    ++inGroup;
  } while (magnitude != 0);
  return negative ? "-" + digits : digits;
}

int TruncToInt(double x) {
  if (std::isnan(x)) return 0;
  if (x >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (x <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(x);
}

ContrastColors ContrastColorsFor(Color gradientTop, Color gradientBottom) {
  const Color g = BlendColor(gradientTop, gradientBottom, 2, 3);
  const Color v = kWhite - g;
  const bool inverseStandsOut = ColorDistance(v, g) >= 255;
  ContrastColors colors;
  if (inverseStandsOut) {
    colors.text = v;
    colors.axis = BlendColor(v, g, 1, 2);
  } else {
    colors.text = ColorDistance(g, kBlack) > ColorDistance(g, kWhite) ? kBlack : kWhite;
    colors.axis = ColorDistance(g, kBlack) >= ColorDistance(g, kWhite) ? kBlack : kWhite;
  }
  return colors;
}

}  // namespace orbica
