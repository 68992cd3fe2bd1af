#include "app/rtf/rtf_reader.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <future>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>

#include "app/rtf/rtf_codepage.h"
#include "app/rtf/rtf_file.h"
#include "support/census_files.h"

namespace orbica {
namespace {

// The text of every paragraph, "|" between paragraphs; list markers in brackets.
std::string Text(const RtfDocument& doc) {
  std::string s;
  for (std::size_t i = 0; i < doc.paragraphs.size(); ++i) {
    if (i > 0) s += '|';
    const RtfParagraph& p = doc.paragraphs[i];
    if (!p.marker.empty()) s += "[" + p.marker + "]";
    for (const RtfRun& r : p.runs) s += r.text;
  }
  return s;
}

std::string Text(std::string_view rtf) { return Text(ParseRtf(rtf)); }

// The run that holds exactly the given text.
const RtfRun* RunOf(const RtfDocument& doc, std::string_view text) {
  for (const RtfParagraph& p : doc.paragraphs)
    for (const RtfRun& r : p.runs)
      if (r.text == text) return &r;
  ADD_FAILURE() << "no run \"" << text << "\"";
  static const RtfRun kNone = [] {
    RtfRun none;
    none.format.half_points = -1;  // matches no expectation
    return none;
  }();
  return &kNone;
}

TEST(RtfReader, CharacterFormattingAndItsGroupScope) {
  const RtfDocument doc = ParseRtf(
      "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
      "plain \\b bold\\b0  \\i italic\\i0  \\ul under\\ulnone  \\ul0 \\uldb double\\ul0  "
      "{\\b\\i\\fs40\\cf2 group}after \\cf1 red\\cf0  auto \\cf9 bad \\fs27 big\\plain  reset\\par}");
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(Text(doc), "plain bold italic under double groupafter red auto bad big reset");

  EXPECT_TRUE(RunOf(doc, "bold")->format.bold);
  EXPECT_FALSE(RunOf(doc, "bold")->format.italic);
  EXPECT_TRUE(RunOf(doc, "italic")->format.italic);
  EXPECT_TRUE(RunOf(doc, "under")->format.underline);
  EXPECT_TRUE(RunOf(doc, "double")->format.underline);

  const RtfRun* group = RunOf(doc, "group");
  EXPECT_TRUE(group->format.bold && group->format.italic);
  EXPECT_EQ(group->format.half_points, 40);
  EXPECT_EQ(group->format.color, 0x0080FFu);

  // Closing the group restores the formatting before it.
  EXPECT_EQ(RunOf(doc, "after ")->format, RtfCharFormat{});
  EXPECT_EQ(RunOf(doc, "red")->format.color, 0xFF0000u);
  // Entry 0 is the automatic colour, and so is an index beyond the table.
  EXPECT_EQ(RunOf(doc, " auto bad ")->format, RtfCharFormat{});
  EXPECT_EQ(RunOf(doc, "big")->format.half_points, 27);
  EXPECT_EQ(RunOf(doc, " reset")->format, RtfCharFormat{});
}

TEST(RtfReader, ParagraphPropertiesBreaksAndTabs) {
  const RtfDocument doc = ParseRtf(
      "{\\rtf1 \\qc\\sb60\\sa120\\li720\\ri360\\fi-240 \\b one\\line two\\tab three\\par "
      "still centred\\par\\pard next\\par\\qr\\qj justified\\par last without par}");
  ASSERT_EQ(doc.paragraphs.size(), 5u);
  const RtfParagraphFormat& first = doc.paragraphs[0].format;
  EXPECT_EQ(first.align, RtfAlign::Center);
  EXPECT_EQ(first.space_before, 60);
  EXPECT_EQ(first.space_after, 120);
  EXPECT_EQ(first.left_indent, 720);
  EXPECT_EQ(first.right_indent, 360);
  EXPECT_EQ(first.first_indent, -240);
  EXPECT_EQ(doc.paragraphs[0].runs[0].text, "one\ntwo\tthree");
  EXPECT_EQ(doc.paragraphs[1].format, first);  // \par keeps the properties
  EXPECT_EQ(doc.paragraphs[2].format, RtfParagraphFormat{});
  EXPECT_TRUE(doc.paragraphs[2].runs[0].format.bold);  // \pard leaves the characters alone
  EXPECT_EQ(doc.paragraphs[3].format.align, RtfAlign::Justify);
  EXPECT_EQ(Text(doc), "one\ntwo\tthree|still centred|next|justified|last without par");

  EXPECT_EQ(Text("{\\rtf1 a\\par\\par b\\par  }"), "a||b");  // an empty paragraph stays; trailing blanks do not
  EXPECT_EQ(Text("{\\rtf1 a\\\nb\\\r\nc}"), "a|b|c");           // backslash + line end is \par
  EXPECT_EQ(Text("{\\rtf1 x\ny\r\nz}"), "xyz");                 // bare line ends are not text
}

TEST(RtfReader, ListItems) {
  // Written by hand: a bullet, a tab, the text.
  RtfDocument doc = ParseRtf("{\\rtf1{\\pard\\li360\\fi-240 \\bullet\\tab first\\par}"
                             "{\\pard \\bullet  \\b second\\b0\\par}{\\pard \\bullet\\par}no bullet \\bullet\\tab x\\par}");
  EXPECT_EQ(Text(doc), "[\u2022]first|[\u2022]second|\u2022|no bullet \u2022\tx");
  EXPECT_TRUE(doc.paragraphs[1].runs[0].format.bold);
  EXPECT_EQ(doc.paragraphs[0].format.left_indent, 360);

  // Word processors: the list text group holds the marker, the \pn group is skipped.
  doc = ParseRtf(
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
      "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}\\pard first\\par"
      "{\\pntext\\f0 12.\\tab}{\\pn\\pnlvlbody\\pndec{\\pntxta .}}second\\par"
      "{\\listtext\\pard\\plain\\f0 a)\\tab}third\\par plain\\par}");
  EXPECT_EQ(Text(doc), "[\u2022]first|[12.]second|[a)]third|plain");
  EXPECT_TRUE(IsRtfBulletMarker(doc.paragraphs[0].marker));
  EXPECT_FALSE(IsRtfBulletMarker(doc.paragraphs[1].marker));
  EXPECT_TRUE(IsRtfBulletMarker("\u00B7"));  // \'b7 in a font without the symbol character set
}

TEST(RtfReader, BlankRunsAfterAWrittenBulletGoAtOnce) {
  // Every blank run after a written bullet used to be erased on its own, moving
  // the rest of the paragraph each time, so a start text of a few megabytes took
  // hours to read. Here 600000 blank runs, then the item's text.
  const int blankRuns = 600000;
  std::string rtf = "{\\rtf1 \\bullet\\tab ";
  rtf.reserve(rtf.size() + 5 * static_cast<std::size_t>(blankRuns) + 64);
  for (int i = 0; i < blankRuns; ++i) rtf += i % 2 == 0 ? "\\b  " : "\\b0  ";
  rtf += "\\i  item\\par}";
  const RtfDocument doc = ParseRtf(rtf);
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(Text(doc), "[\u2022]item");
  ASSERT_EQ(doc.paragraphs[0].runs.size(), 1u);
  EXPECT_TRUE(doc.paragraphs[0].runs[0].format.italic);
}

TEST(RtfReader, UnicodeEscapes) {
  EXPECT_EQ(Text("{\\rtf1 \\u269?\\u345?x}"), "\u010D\u0159x");             // the default \uc1 skips the '?'
  EXPECT_EQ(Text("{\\rtf1\\uc0 \\u269 x}"), "\u010Dx");                     // nothing to skip
  EXPECT_EQ(Text("{\\rtf1\\uc2 \\u8364\\'80\\'80y\\u8364 ab}"), "\u20ACy\u20AC");  // \'hh counts as one
  EXPECT_EQ(Text("{\\rtf1 \\u-4064?}"), "\uF020");                           // negative = unsigned 16-bit
  EXPECT_EQ(Text("{\\rtf1 \\u-10179?\\u-8704?!}"), "\U0001F600!");           // surrogate pair
  EXPECT_EQ(Text("{\\rtf1 \\u-10179?x\\u-8704?}"), "\uFFFDx\uFFFD");         // lone surrogates
  EXPECT_EQ(Text("{\\rtf1 \\u70000?\\u99999999999999999999?z}"), "\uFFFD\uFFFDz");
  EXPECT_EQ(Text("{\\rtf1 \\u233{\\b x}y}"), "\u00E9xy");                    // a group ends the skipping
  EXPECT_EQ(Text("{\\rtf1 \\u233\\b x}"), "\u00E9x");                        // a control word is skipped as one
  EXPECT_EQ(Text("{\\rtf1 {\\uc3 \\u233 abcd}\\u233 ef}"), "\u00E9d\u00E9f");  // \uc belongs to its group
  EXPECT_EQ(Text("{\\rtf1 \\u0?\\u7?x}"), "x");                              // control characters are dropped
}

TEST(RtfReader, CodePageEscapes) {
  EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80 \\'93q\\'94 \\'81}"),
            "caf\u00E9 \u20AC \u201Cq\u201D ");  // 0x81 is undefined in 1252
  const char* czech = "P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148 \u00FAp\u011Bl "
                      "\u010F\u00E1belsk\u00E9 \u00F3dy \u0158\u0160\u010C\u017D";
  EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1250 P\\'f8\\'edli\\'9a \\'9elu\\'9dou\\'e8k\\'fd k\\'f9\\'f2 "
                 "\\'fap\\'ecl \\'ef\\'e1belsk\\'e9 \\'f3dy \\'d8\\'8a\\'c8\\'8e}"),
            czech);
  EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}"),
            "\u041F\u0440\u0438\u0432\u0435\u0442");
  // A font's character set outweighs the document's code page.
  EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset238 B;}}"
                 "\\'e8{\\f1 \\'e8}\\'e8}"),
            "\u00E8\u010D\u00E8");
  EXPECT_EQ(Text("{\\rtf1\\ansicpg1252\\deff1{\\fonttbl{\\f1\\fcharset238 B;}}\\'e8}"), "\u010D");
  // Raw bytes: UTF-8 sequences as written by a UTF-8 editor, other bytes in the code page.
  EXPECT_EQ(Text("{\\rtf1\\ansicpg1250 \xC5\x99\xC3\xA9 \xE8\xE9 \xC3}"), "\u0159\u00E9 \u010D\u00E9 \u0102");
  // Code page tables, spot checks at the ends of their ranges.
  EXPECT_EQ(DecodeCodePageByte(1250, 0x80), U'\u20AC');
  EXPECT_EQ(DecodeCodePageByte(1250, 0xFF), U'\u02D9');
  EXPECT_EQ(DecodeCodePageByte(1250, 0x98), U'\0');
  EXPECT_EQ(DecodeCodePageByte(1252, 0x9F), U'\u0178');
  EXPECT_EQ(DecodeCodePageByte(1251, 0xFF), U'\u044F');
  EXPECT_EQ(DecodeCodePageByte(4242, 0xE9), U'\u00E9');  // unknown code pages read as 1252
}

TEST(RtfReader, ControlSymbolsAndHtmlEscaping) {
  EXPECT_EQ(Text("{\\rtf1 a\\\\b\\{c\\}d\\~e\\-f\\_g\\|h\\:i}"), "a\\b{c}d\u00A0e\u00ADf\u2011ghi");
  EXPECT_EQ(Text("{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote}"),
            "\u2014\u2013\u2018\u2019\u201C\u201D");
  const std::string html = RtfToHtml("{\\rtf1 <b> & \"x\" \\'3c/p\\'3e}");
  EXPECT_NE(html.find("&lt;b&gt; &amp; &quot;x&quot; &lt;/p&gt;"), std::string::npos) << html;
}

TEST(RtfReader, SkippedDestinations) {
  const std::string rtf =
      "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Helvetica;}{\\f1{\\*\\panose 0}Times;}}"
      "{\\stylesheet{\\s1 Heading 1;}}{\\info{\\title T}{\\author A}}"
      "{\\header H}{\\footerr F}{\\*\\generator G;}{\\*\\unknown{\\b deep}U}"
      "{\\pict\\wmetafile8\\bin6 {}}\\x\\par}visible "
      "{\\object{\\*\\objdata 0101}{\\result R}}"
      "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}{\\field{\\fldinst PAGE}{\\fldrslt 7}}"
      "{\\v hidden}{\\footnote note} end\\par}";
  EXPECT_EQ(Text(rtf), "visible link7 end");
  // Binary data may hold anything, braces included.
  EXPECT_EQ(Text("{\\rtf1 a{\\pict\\bin3 }}{}b}"), "ab");
  EXPECT_EQ(Text("{\\rtf1 a\\bin2 xyb}"), "ab");
}

TEST(RtfReader, MalformedInput) {
  EXPECT_EQ(Text(""), "");
  EXPECT_EQ(Text("plain text, no rtf"), "plain text, no rtf");
  EXPECT_EQ(Text("{\\rtf1 open {\\b never closed"), "open never closed");
  EXPECT_EQ(Text("} stray {\\rtf1 x}}}"), " stray x");
  EXPECT_EQ(Text("{\\rtf1 inside} after the document"), "inside");
  // Truncated escapes at the end of the input.
  const std::pair<const char*, const char*> truncated[] = {
      {"\\", "ok"},   {"\\'", "ok"},  {"\\'4", "ok"},           {"\\'4z", "okz"},
      {"\\u", "ok"},  {"\\u-", "ok-"}, {"\\fs", "ok"},           {"\\bin", "ok"},
      {"\\bin99999999999", "ok"},     {"\\u-10179", "ok\uFFFD"}, {"{\\*", "ok"}};
  for (const auto& [tail, text] : truncated) EXPECT_EQ(Text(std::string("{\\rtf1 ok") + tail), text) << tail;
  // Absurd numbers are clamped.
  const RtfDocument doc = ParseRtf(
      "{\\rtf1\\fs99999999999999999999\\li-99999999999\\sa99999999999\\cf-5\\uc99999999999 x\\par}");
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(doc.paragraphs[0].runs[0].format.half_points, 400);
  EXPECT_EQ(doc.paragraphs[0].format.left_indent, -31680);
  EXPECT_EQ(doc.paragraphs[0].format.space_after, 31680);
  EXPECT_EQ(Text(std::string("{\\rtf1 a\0b}", 11)), "ab");
  // Unknown and overlong control words are ignored.
  EXPECT_EQ(Text("{\\rtf1 \\nosuchword12 a \\" + std::string(500, 'x') + " b}"), "a b");
}

TEST(RtfReader, DeepNestingIsCapped) {
  const int levels = 200000;
  std::string rtf = "{\\rtf1 top";
  for (int i = 1; i < levels; ++i) rtf += i == kRtfMaxGroupDepth - 2 ? "{deep" : "{";
  rtf += "too deep";
  rtf += std::string(levels - 1, '}');
  rtf += " back}";
  // Text within the cap survives, text beyond it is skipped, and the groups still balance.
  EXPECT_EQ(Text(rtf), "topdeep back");
  EXPECT_EQ(Text(std::string(levels, '{') + "x"), "");
  EXPECT_EQ(Text(std::string(levels, '}') + "x"), "x");
}

TEST(RtfReader, RandomInputTerminatesWithBoundedOutput) {
  static const char* const kPieces[] = {
      "{", "}", "\\", "\\par ", "\\pard", "\\b", "\\b0 ", "\\u-10179", "\\u233", "?", "\\uc2 ", "\\'e8", "\\'",
      "\\bin4 ", "\\*", "\\fonttbl", "\\colortbl", "\\red9", ";", "\\cf1 ", "\\pntext", "\\bullet", "\\tab",
      "\\fs999", "\\li-99", "text ", "\xC5", "\x99", "\\f1", "\\fcharset238", "\\line", "<&>", "\\~", "\n"};
  std::mt19937 rng(12345);
  for (int round = 0; round < 3000; ++round) {
    std::string input = round % 2 == 0 ? "{\\rtf1 " : "";
    const int pieces = static_cast<int>(rng() % 200);
    for (int i = 0; i < pieces; ++i) {
      if (rng() % 8 == 0) {
        input += static_cast<char>(rng() % 256);
      } else {
        input += kPieces[rng() % std::size(kPieces)];
      }
    }
    const std::string html = RtfToHtml(input);
    ASSERT_LE(html.size(), 400 + 64 * input.size()) << input;
    ASSERT_NE(html.find("</body></html>"), std::string::npos);
  }
}

TEST(RtfHtml, PageStructureAndStyles) {
  const std::string html = RtfToHtml(
      "{\\rtf1{\\colortbl;\\red102\\green51\\blue0;}\\fs20 "
      "{\\pard\\sa120 \\fs32\\b Title\\b0\\par}"
      "{\\pard\\sb60\\sa60\\li360\\fi-240\\qc body  two   spaces \\cf1 brown\\cf0  {\\i it}{\\ul u}{\\strike s}"
      "{\\super 2}\\par}"
      "{\\pard\\li360\\fi-240 \\bullet\\tab one\\par}{\\pard \\bullet\\tab two\\par}"
      "\\pard\\par{\\pntext 1.\\tab}\\pard\\li360\\fi-360 num\\par{\\pard \\bullet\\tab three\\par}}");
  // The most frequent size is the page's; other sizes are set on their spans.
  EXPECT_NE(html.find("<body style=\"font-size:10pt;\">"), std::string::npos) << html;
  EXPECT_NE(html.find("<span style=\"font-size:16pt; font-weight:600;\">Title</span>"), std::string::npos);
  EXPECT_NE(html.find("<p style=\"margin-top:0px; margin-bottom:8px;\">"), std::string::npos);  // 120 twips = 8 px
  EXPECT_NE(html.find("<p align=\"center\" style=\"margin-top:4px; margin-bottom:4px; margin-left:24px; "
                      "text-indent:-16px;\">"),
            std::string::npos);
  EXPECT_NE(html.find(">body &nbsp;two &nbsp;&nbsp;spaces <"), std::string::npos);
  EXPECT_NE(html.find("<span style=\"color:#663300;\">brown</span>"), std::string::npos);
  EXPECT_NE(html.find("<span style=\"font-style:italic;\">it</span>"), std::string::npos);
  EXPECT_NE(html.find("<span style=\"text-decoration: underline;\">u</span>"), std::string::npos);
  EXPECT_NE(html.find("<span style=\"text-decoration: line-through;\">s</span>"), std::string::npos);
  EXPECT_NE(html.find("<span style=\"vertical-align:super;\">2</span>"), std::string::npos);
  // Consecutive bullet items share one list; an empty paragraph keeps its line.
  EXPECT_NE(html.find(">one</li>\n<li style=\"margin-top:0px; margin-bottom:0px;\">two</li>\n</ul>"),
            std::string::npos);
  EXPECT_NE(html.find("-qt-paragraph-type:empty;"), std::string::npos);
  EXPECT_NE(html.find("text-indent:-24px;\">1.&nbsp;&nbsp;num</p>"), std::string::npos);
  EXPECT_NE(html.find(">three</li>\n</ul>\n</body></html>"), std::string::npos);
  EXPECT_EQ(html.find("\\"), std::string::npos);
}

TEST(RtfHtml, SampleGettingStartedText) {
  std::ifstream file(std::string(ORBICA_SAMPLE_DIR) + "/start.rtf", std::ios::binary);
  ASSERT_TRUE(file) << "missing sample start.rtf";
  const std::string rtf{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const RtfDocument doc = ParseRtf(rtf);
  ASSERT_GE(doc.paragraphs.size(), 10u);
  EXPECT_EQ(Text(doc).substr(0, 16), "Getting started|");
  EXPECT_TRUE(doc.paragraphs[0].runs[0].format.bold);
  int bullets = 0;
  for (const RtfParagraph& p : doc.paragraphs) bullets += p.marker == "\u2022" ? 1 : 0;
  EXPECT_EQ(bullets, 3);
  const std::string html = RtfDocumentToHtml(doc);
  EXPECT_EQ(html.find("Helvetica"), std::string::npos);
  EXPECT_NE(html.find("<ul"), std::string::npos);
  EXPECT_NE(html.find("color:#663300"), std::string::npos);
}

TEST(RtfFile, ReadsUpToTheLimitAndRefusesSpecialFilesAtOnce) {
  test::TempDir dir;
  const std::string path = dir.File("start.rtf");
  test::WriteText(path, "{\\rtf1 first part\\par second part\\par}");
  RtfFileHtml whole = ReadRtfFileAsHtml(path);
  ASSERT_EQ(whole.status, InputStatus::Ok);
  EXPECT_FALSE(whole.cut);
  EXPECT_NE(whole.html.find("second part"), std::string::npos);

  const RtfFileHtml cut = ReadRtfFileAsHtml(path, 20);
  ASSERT_EQ(cut.status, InputStatus::Ok);
  EXPECT_TRUE(cut.cut);
  EXPECT_EQ(cut.fileSize, 38u);
  EXPECT_NE(cut.html.find("first part"), std::string::npos);
  EXPECT_EQ(cut.html.find("second"), std::string::npos);

  // A named pipe nobody writes to would block a plain open for good.
  const std::string fifo = dir.File("fifo.rtf");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto read = std::async(std::launch::async, [&] { return ReadRtfFileAsHtml(fifo).status; });
  if (read.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
    read.wait();
    FAIL() << "a named pipe blocked the reader";
  }
  EXPECT_EQ(read.get(), InputStatus::NotRegular);
  EXPECT_EQ(ReadRtfFileAsHtml(dir.File("missing.rtf")).status, InputStatus::CannotOpen);
}

}  // namespace
}  // namespace orbica
