// A reader for the rich text (RTF) subset that simple word processors and
// hand-written files use, and an HTML writer for Qt's rich text widgets.
//
// The reader keeps character formatting (bold, italic, underline, strike-out,
// sub- and superscript, size, text and background colour), paragraphs with
// their spacing, indents and alignment, line breaks and tabs, and list items
// (hand-written "\bullet\tab" paragraphs and the list-text groups of word
// processors). Fonts, styles, pictures, objects, headers, footers, document
// information and every other destination are left out. Text arrives in UTF-8.
//
// Any input is accepted: unbalanced braces, unknown or truncated control words
// and escapes, huge numbers and binary data never make the reader fail. Groups
// nested deeper than kRtfMaxGroupDepth are skipped with their content. Work and
// memory grow linearly with the input.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbica {

inline constexpr int kRtfMaxGroupDepth = 100;

struct RtfCharFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  int vertical = 0;                         // -1 subscript, 0 normal, 1 superscript
  int half_points = 24;                     // font size in half-points (24 = 12 pt)
  std::optional<std::uint32_t> color;       // 0xRRGGBB; none = the viewer's text colour
  std::optional<std::uint32_t> background;  // 0xRRGGBB; none = no background
  bool operator==(const RtfCharFormat&) const = default;
};

enum class RtfAlign { Left, Center, Right, Justify };

// Lengths in twips (1/20 point).
struct RtfParagraphFormat {
  int space_before = 0;
  int space_after = 0;
  int left_indent = 0;
  int right_indent = 0;
  int first_indent = 0;  // first line relative to the left indent; negative = hanging
  RtfAlign align = RtfAlign::Left;
  bool operator==(const RtfParagraphFormat&) const = default;
};

struct RtfRun {
  std::string text;  // UTF-8; '\t' is a tab and '\n' a line break within the paragraph
  RtfCharFormat format;
};

struct RtfParagraph {
  RtfParagraphFormat format;
  std::string marker;  // list item marker as written ("•", "1.", "a)"); empty for plain paragraphs
  std::vector<RtfRun> runs;
};

struct RtfDocument {
  std::vector<RtfParagraph> paragraphs;
};

// Reads a rich text document.
RtfDocument ParseRtf(std::string_view rtf);

// True when a list marker is a bullet glyph rather than a number or letter.
bool IsRtfBulletMarker(std::string_view marker);

// Writes the document as an HTML 4 page for QTextDocument: the most frequent
// font size becomes the page's size, bullet items become <ul> lists, other list
// items hanging paragraphs that start with their marker.
std::string RtfDocumentToHtml(const RtfDocument& document);

// ParseRtf followed by RtfDocumentToHtml.
std::string RtfToHtml(std::string_view rtf);

}  // namespace orbica
