// Text encodings of the files the program reads: everything is kept as UTF-8
// inside; files written by older tools may use the Central European 8-bit code
// page (windows-1250) instead.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/message.h"

namespace orbica {

// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view text);

// Converts windows-1250 bytes to UTF-8; the five bytes that code page leaves
// unassigned become U+FFFD.
std::string Windows1250ToUtf8(std::string_view text);

// Text decoded to UTF-8, with where the input was not valid UTF-8.
struct DecodedText {
  std::string text;
  bool windows1250 = false;               // read as windows-1250 rather than UTF-8
  std::vector<std::size_t> badSequences;  // input offsets of the sequences replaced by U+FFFD
};

// Reads `bytes` as UTF-8 when they are mostly UTF-8 (more well-formed
// multi-byte characters than bad sequences): each bad sequence becomes one
// U+FFFD. Otherwise as windows-1250, the older tools' code page.
DecodedText DecodeText(std::string_view bytes);

// "FILE is not valid UTF-8 on line L ...": the report of DecodeText's bad
// sequences (offsets into `bytes`, at least one), naming the first line and
// counting the rest.
Message BadUtf8Message(const std::string& path, std::string_view bytes, const std::vector<std::size_t>& badSequences);

// Line (from 1) of byte `offset` of `bytes`.
int LineOfOffset(std::string_view bytes, std::size_t offset);

// DecodeText(text).text.
std::string ToUtf8(std::string_view text);

// Number of characters (code points) of UTF-8 text.
std::size_t Utf8Length(std::string_view text);

// The longest prefix of at most `maxBytes` bytes that does not cut a character.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes);

// The longest prefix of at most `maxCharacters` characters.
std::string_view Utf8PrefixCharacters(std::string_view text, std::size_t maxCharacters);

// Converts valid UTF-8 to windows-1250 into `out`; false (and `out` unspecified)
// when some character has no byte in that code page.
bool Utf8ToWindows1250(std::string_view text, std::string& out);

}  // namespace orbica
