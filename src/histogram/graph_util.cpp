#include "histogram/graph_util.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>


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

std::string AnswerLetter(int n) { return std::string(1, static_cast<char>('a' + n - 1)); }

std::string FitText(Canvas& dc, const std::string& text, int width) {
  if (dc.TextExtent(text).cx <= width) return text;
  static const std::string kEllipsis = "\u2026";
  if (dc.TextExtent(kEllipsis).cx > width) return {};

  // Byte offsets where a character ends, so that a cut never splits one.
  std::vector<std::size_t> ends;
  for (std::size_t i = 1; i <= text.size(); ++i)
    if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ends.push_back(i);

  // The most characters that fit with the ellipsis; widths grow with the prefix.
  std::size_t lo = 0, hi = ends.size();
  while (lo < hi) {
    const std::size_t mid = (lo + hi + 1) / 2;
    if (dc.TextExtent(text.substr(0, ends[mid - 1]) + kEllipsis).cx <= width)
      lo = mid;
    else
      hi = mid - 1;
  }
  std::size_t cut = lo == 0 ? 0 : ends[lo - 1];

  // Prefer the end of the last whole word when it keeps most of what fits.
  const std::size_t blank = cut == 0 ? std::string::npos : text.find_last_of(' ', cut);
  if (blank != std::string::npos && blank > 0 && blank * 3 >= cut * 2) cut = blank;
  while (cut > 0 && text[cut - 1] == ' ') --cut;
  return text.substr(0, cut) + kEllipsis;
}

}  // namespace orbica
