#include "survey/text_encoding.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <cstdint>

namespace orbica {

namespace {

// Code points of the bytes 0x80..0xFF of windows-1250.
constexpr std::array<std::uint16_t, 128> kWindows1250High = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021,
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence at text[i] (1 for ASCII), or 0 when
// there is none; `cp` receives its code point. `prefix` receives how many bytes
// belong to the bad sequence: its lead and the continuation bytes that fitted.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t i, std::uint32_t& cp, std::size_t& prefix) {
  const auto c = static_cast<unsigned char>(text[i]);
  prefix = 1;
  if (c < 0x80) {
    cp = c;
    return 1;
  }
  std::size_t length;
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2, cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3, cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4, cp = c & 0x07;
  } else {
    return 0;
  }
  for (std::size_t k = 1; k < length; ++k) {
    if (i + k >= text.size()) return 0;
    const auto d = static_cast<unsigned char>(text[i + k]);
    if (!IsContinuation(d)) return 0;
    // The second byte also rules out overlong forms, surrogates and values above U+10FFFF.
    if (k == 1 && ((c == 0xE0 && d < 0xA0) || (c == 0xED && d > 0x9F) || (c == 0xF0 && d < 0x90) ||
                   (c == 0xF4 && d > 0x8F)))
      return 0;
    cp = (cp << 6) | (d & 0x3F);
    prefix = k + 1;
  }
  return length;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  std::uint32_t cp;
  std::size_t prefix;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceAt(text, i, cp, prefix);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string Windows1250ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    AppendUtf8(out, c < 0x80 ? c : kWindows1250High[c - 0x80]);
  }
  return out;
}

DecodedText DecodeText(std::string_view bytes) {
  DecodedText result;
  std::size_t good = 0;  // well-formed multi-byte characters
  std::size_t bad = 0;
  std::uint32_t cp;
  std::size_t prefix;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = Utf8SequenceAt(bytes, i, cp, prefix);
    if (length > 1) ++good;
    if (length == 0) ++bad;
    i += length != 0 ? length : prefix;
  }
  if (bad == 0) {
    result.text = std::string(bytes);
    return result;
  }
  if (bad >= good) {
    result.windows1250 = true;
    result.text = Windows1250ToUtf8(bytes);
    return result;
  }
  result.text.reserve(bytes.size() + 2 * bad);
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = Utf8SequenceAt(bytes, i, cp, prefix);
    if (length == 0) {
      result.badSequences.push_back(i);
      AppendUtf8(result.text, 0xFFFD);
      i += prefix;
    } else {
      result.text.append(bytes.substr(i, length));
      i += length;
    }
  }
  return result;
}

int LineOfOffset(std::string_view bytes, std::size_t offset) {
  const std::string_view before = bytes.substr(0, std::min(offset, bytes.size()));
  return 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
}

Message BadUtf8Message(const std::string& path, std::string_view bytes, const std::vector<std::size_t>& badSequences) {
  std::vector<std::string> args = {std::filesystem::path(path).filename().string(),
                                   std::to_string(LineOfOffset(bytes, badSequences.empty() ? 0 : badSequences.front()))};
  if (badSequences.size() <= 1) return {MessageId::BadUtf8, std::move(args)};
  if (badSequences.size() == 2) return {MessageId::BadUtf8OneMore, std::move(args)};
  args.push_back(std::to_string(badSequences.size() - 1));
  return {MessageId::BadUtf8More, std::move(args)};
}

std::string ToUtf8(std::string_view text) { return DecodeText(text).text; }

std::size_t Utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (const char ch : text)
    if (!IsContinuation(static_cast<unsigned char>(ch))) ++count;
  return count;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t end = maxBytes;
  while (end > 0 && IsContinuation(static_cast<unsigned char>(text[end]))) --end;
  return text.substr(0, end);
}

std::string_view Utf8PrefixCharacters(std::string_view text, std::size_t maxCharacters) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsContinuation(static_cast<unsigned char>(text[i]))) continue;
    if (characters == maxCharacters) return text.substr(0, i);
    ++characters;
  }
  return text;
}

bool Utf8ToWindows1250(std::string_view text, std::string& out) {
  out.clear();
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    if (i + length > text.size()) return false;
    std::uint32_t cp = c & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += length;
    std::size_t b = 0;
    while (b < kWindows1250High.size() && (kWindows1250High[b] != cp || cp == 0xFFFD)) ++b;
    if (b == kWindows1250High.size()) return false;
    out += static_cast<char>(0x80 + b);
  }
  return true;
}

}  // namespace orbica
