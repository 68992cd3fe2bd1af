// Single-byte code pages of rich text files and UTF-8 encoding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orbica {

// Code page number used for fonts with the symbol character set.
inline constexpr int kSymbolCodePage = 42;

// The code page that a font character set (\fcharsetN) stands for; 0 when the
// character set names no code page of its own (1, the default character set).
int CharsetCodePage(int charset);

// True for the code pages that DecodeCodePageByte knows: 1250, 1251, 1252,
// 28591 (ISO 8859-1) and kSymbolCodePage.
bool IsKnownCodePage(int code_page);

// The Unicode character of byte b in the code page, or 0 when the byte is
// undefined there. Bytes below 0x80 are ASCII in every code page. Unknown code
// pages are read as 1252.
char32_t DecodeCodePageByte(int code_page, unsigned char b);

// Appends the UTF-8 form of cp; surrogates and values above 0x10FFFF become
// U+FFFD.
void AppendUtf8(std::string& out, char32_t cp);

// Decodes one well-formed UTF-8 sequence of two to four bytes at the start of
// text (no overlong forms, no surrogates). Returns the character and stores the
// sequence length in length, or returns 0 when text does not start with one.
char32_t DecodeUtf8Sequence(std::string_view text, std::size_t& length);

}  // namespace orbica
