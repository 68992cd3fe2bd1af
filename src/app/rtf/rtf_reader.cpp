#include "app/rtf/rtf_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <utility>

#include "app/rtf/rtf_codepage.h"

namespace orbica {

namespace {

// Limits that keep absurd values out of the document.
constexpr int kMaxTwips = 31680;          // 22 inches
constexpr int kMaxHalfPoints = 400;       // 200 pt
constexpr std::size_t kMaxColors = 4096;  // colour table entries kept
constexpr std::size_t kMaxFonts = 4096;   // font table entries kept
constexpr std::size_t kMaxMarkerBytes = 64;
constexpr std::size_t kMaxKeywordLength = 32;

enum class Destination {
  Text,        // document text
  Skip,        // ignored with everything inside it
  FontTable,   // \fonttbl: only the character sets of the fonts are kept
  ColorTable,  // \colortbl
  ListText,    // \pntext, \listtext: the marker of a list item
};

enum class Word {
  Unknown,
  // header
  AnsiCodePage, DefaultFont,
  // destinations
  FontTable, ColorTable, ListText, SkippedDestination,
  // font and colour tables
  Font, FontCharset, FontCodePage, Red, Green, Blue,
  // character formatting
  Plain, Bold, Italic, Underline, UnderlineNone, Strike, Hidden, Super, Sub, NoSuperSub, FontSize, ForeColor,
  BackColor, Highlight, UnicodeSkip, Unicode,
  // paragraphs
  ParagraphDefault, Paragraph, AlignLeft, AlignCenter, AlignRight, AlignJustify, LeftIndent, RightIndent,
  FirstIndent, SpaceBefore, SpaceAfter,
  // characters and breaks
  Line, Tab, Cell, Row, Page, Section, Char,
};

struct WordEntry {
  std::string_view name;
  Word word;
  char32_t ch = 0;  // the character of Word::Char
};

// Sorted by name for binary search.
constexpr WordEntry kWords[] = {
    {"annotation", Word::SkippedDestination},
    {"ansicpg", Word::AnsiCodePage},
    {"atnauthor", Word::SkippedDestination},
    {"atnid", Word::SkippedDestination},
    {"author", Word::SkippedDestination},
    {"b", Word::Bold},
    {"bkmkend", Word::SkippedDestination},
    {"bkmkstart", Word::SkippedDestination},
    {"blue", Word::Blue},
    {"bullet", Word::Char, 0x2022},
    {"buptim", Word::SkippedDestination},
    {"cb", Word::BackColor},
    {"cell", Word::Cell},
    {"cf", Word::ForeColor},
    {"colortbl", Word::ColorTable},
    {"comment", Word::SkippedDestination},
    {"company", Word::SkippedDestination},
    {"cpg", Word::FontCodePage},
    {"creatim", Word::SkippedDestination},
    {"datafield", Word::SkippedDestination},
    {"datastore", Word::SkippedDestination},
    {"deff", Word::DefaultFont},
    {"dn", Word::Sub},
    {"doccomm", Word::SkippedDestination},
    {"docvar", Word::SkippedDestination},
    {"emdash", Word::Char, 0x2014},
    {"emspace", Word::Char, 0x2003},
    {"endash", Word::Char, 0x2013},
    {"enspace", Word::Char, 0x2002},
    {"f", Word::Font},
    {"falt", Word::SkippedDestination},
    {"fcharset", Word::FontCharset},
    {"fi", Word::FirstIndent},
    {"filetbl", Word::SkippedDestination},
    {"fldinst", Word::SkippedDestination},
    {"fonttbl", Word::FontTable},
    {"footer", Word::SkippedDestination},
    {"footerf", Word::SkippedDestination},
    {"footerl", Word::SkippedDestination},
    {"footerr", Word::SkippedDestination},
    {"footnote", Word::SkippedDestination},
    {"fs", Word::FontSize},
    {"ftncn", Word::SkippedDestination},
    {"ftnsep", Word::SkippedDestination},
    {"ftnsepc", Word::SkippedDestination},
    {"generator", Word::SkippedDestination},
    {"green", Word::Green},
    {"header", Word::SkippedDestination},
    {"headerf", Word::SkippedDestination},
    {"headerl", Word::SkippedDestination},
    {"headerr", Word::SkippedDestination},
    {"highlight", Word::Highlight},
    {"i", Word::Italic},
    {"info", Word::SkippedDestination},
    {"keywords", Word::SkippedDestination},
    {"latentstyles", Word::SkippedDestination},
    {"ldblquote", Word::Char, 0x201C},
    {"li", Word::LeftIndent},
    {"line", Word::Line},
    {"listoverridetable", Word::SkippedDestination},
    {"listpicture", Word::SkippedDestination},
    {"listtable", Word::SkippedDestination},
    {"listtext", Word::ListText},
    {"lquote", Word::Char, 0x2018},
    {"ltrmark", Word::Char, 0x200E},
    {"manager", Word::SkippedDestination},
    {"nestcell", Word::Cell},
    {"nestrow", Word::Row},
    {"nonshppict", Word::SkippedDestination},
    {"nosupersub", Word::NoSuperSub},
    {"objclass", Word::SkippedDestination},
    {"objdata", Word::SkippedDestination},
    {"object", Word::SkippedDestination},
    {"operator", Word::SkippedDestination},
    {"page", Word::Page},
    {"panose", Word::SkippedDestination},
    {"par", Word::Paragraph},
    {"pard", Word::ParagraphDefault},
    {"pgdsctbl", Word::SkippedDestination},
    {"pict", Word::SkippedDestination},
    {"plain", Word::Plain},
    {"pn", Word::SkippedDestination},
    {"pntext", Word::ListText},
    {"pntxta", Word::SkippedDestination},
    {"pntxtb", Word::SkippedDestination},
    {"printim", Word::SkippedDestination},
    {"private", Word::SkippedDestination},
    {"qc", Word::AlignCenter},
    {"qj", Word::AlignJustify},
    {"ql", Word::AlignLeft},
    {"qmspace", Word::Char, 0x2005},
    {"qr", Word::AlignRight},
    {"rdblquote", Word::Char, 0x201D},
    {"red", Word::Red},
    {"revtbl", Word::SkippedDestination},
    {"revtim", Word::SkippedDestination},
    {"ri", Word::RightIndent},
    {"row", Word::Row},
    {"rquote", Word::Char, 0x2019},
    {"rsidtbl", Word::SkippedDestination},
    {"rtlmark", Word::Char, 0x200F},
    {"rxe", Word::SkippedDestination},
    {"sa", Word::SpaceAfter},
    {"sb", Word::SpaceBefore},
    {"sect", Word::Section},
    {"shp", Word::SkippedDestination},
    {"shpinst", Word::SkippedDestination},
    {"strike", Word::Strike},
    {"striked", Word::Strike},
    {"stylesheet", Word::SkippedDestination},
    {"sub", Word::Sub},
    {"subject", Word::SkippedDestination},
    {"super", Word::Super},
    {"tab", Word::Tab},
    {"tc", Word::SkippedDestination},
    {"template", Word::SkippedDestination},
    {"themedata", Word::SkippedDestination},
    {"title", Word::SkippedDestination},
    {"txe", Word::SkippedDestination},
    {"u", Word::Unicode},
    {"uc", Word::UnicodeSkip},
    {"ul", Word::Underline},
    {"uld", Word::Underline},
    {"uldash", Word::Underline},
    {"uldashd", Word::Underline},
    {"uldashdd", Word::Underline},
    {"uldb", Word::Underline},
    {"ulhwave", Word::Underline},
    {"ulnone", Word::UnderlineNone},
    {"ulth", Word::Underline},
    {"ulw", Word::Underline},
    {"ulwave", Word::Underline},
    {"up", Word::Super},
    {"userprops", Word::SkippedDestination},
    {"v", Word::Hidden},
    {"xe", Word::SkippedDestination},
    {"xmlnstbl", Word::SkippedDestination},
    {"zwj", Word::Char, 0x200D},
    {"zwnj", Word::Char, 0x200C},
};

static_assert(std::is_sorted(std::begin(kWords), std::end(kWords),
                             [](const WordEntry& a, const WordEntry& b) { return a.name < b.name; }),
              "kWords must be sorted by name");

const WordEntry* FindWord(std::string_view name) {
  const auto* it = std::lower_bound(std::begin(kWords), std::end(kWords), name,
                                    [](const WordEntry& e, std::string_view n) { return e.name < n; });
  if (it == std::end(kWords) || it->name != name) return nullptr;
  return it;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int Clamp(std::int32_t v, int lo, int hi) { return static_cast<int>(std::clamp<std::int32_t>(v, lo, hi)); }

struct GroupState {
  RtfCharFormat chars;
  RtfParagraphFormat para;
  Destination dest = Destination::Text;
  int unicode_skip = 1;  // \ucN: characters that stand in for each \uN
  int font = -1;         // -1 = the default font
  bool hidden = false;
};

bool IsBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

void Trim(std::string& s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
  while (!s.empty() && blank(s.back())) s.pop_back();
  std::size_t start = 0;
  while (start < s.size() && blank(s[start])) ++start;
  s.erase(0, start);
}

class Parser {
 public:
  explicit Parser(std::string_view input) : in_(input) {}

  RtfDocument Run() {
    // A document that starts with a group ends with that group; anything after
    // its closing brace is not part of it.
    const std::size_t first = in_.find_first_not_of(" \t\r\n");
    const bool enclosed = first != std::string_view::npos && in_[first] == '{';
    while (pos_ < in_.size()) {
      const char c = in_[pos_];
      if (c == '{') {
        ++pos_;
        OpenGroup();
      } else if (c == '}') {
        ++pos_;
        CloseGroup();
        if (enclosed && stack_.empty() && overflow_depth_ == 0) break;
      } else if (c == '\\') {
        ReadControl();
      } else if (c == '\r' || c == '\n') {
        ++pos_;
      } else {
        ReadText();
      }
    }
    FlushHighSurrogate();
    if (!current_.marker.empty() || !std::all_of(current_.runs.begin(), current_.runs.end(),
                                                 [](const RtfRun& r) { return IsBlank(r.text); })) {
      current_.format = last_text_format_;
      FinishParagraph();
    }
    return std::move(doc_);
  }

 private:
  bool Ignoring() const { return overflow_depth_ > 0 || state_.dest == Destination::Skip; }

  void OpenGroup() {
    skip_chars_ = 0;
    if (overflow_depth_ > 0 || stack_.size() >= static_cast<std::size_t>(kRtfMaxGroupDepth)) {
      ++overflow_depth_;
      return;
    }
    stack_.push_back(state_);
  }

  void CloseGroup() {
    skip_chars_ = 0;
    if (overflow_depth_ > 0) {
      --overflow_depth_;
      return;
    }
    if (stack_.empty()) return;  // a brace without its group
    if (state_.dest == Destination::ColorTable && stack_.back().dest != Destination::ColorTable && color_open_)
      EndColor();
    state_ = stack_.back();
    stack_.pop_back();
  }

  // One literal character of the text (anything but braces, backslashes and
  // line ends).
  void ReadText() {
    const auto b = static_cast<unsigned char>(in_[pos_]);
    if (b < 0x80) {
      ++pos_;
      if (skip_chars_ > 0) {
        --skip_chars_;
        return;
      }
      Emit(static_cast<char32_t>(b));  // a raw tab is a tab, other control bytes are dropped
      return;
    }
    // Bytes above 0x7F belong to the code page, unless they form a UTF-8
    // sequence, as in files written by hand in a UTF-8 editor.
    std::size_t length = 1;
    char32_t cp = DecodeUtf8Sequence(in_.substr(pos_, 4), length);
    pos_ += length;
    if (skip_chars_ > 0) {
      --skip_chars_;
      return;
    }
    if (cp != 0) {
      Emit(cp);
    } else {
      EmitByte(b);
    }
  }

  void ReadControl() {
    ++pos_;  // the backslash
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (IsLetter(c)) {
      const std::size_t start = pos_;
      while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
      const std::string_view name = in_.substr(start, pos_ - start);
      bool has_param = false;
      std::int64_t value = 0;
      bool negative = false;
      if (pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1])) {
        negative = true;
        ++pos_;
      }
      while (pos_ < in_.size() && IsDigit(in_[pos_])) {
        has_param = true;
        value = std::min<std::int64_t>(value * 10 + (in_[pos_] - '0'), std::int64_t{1} << 40);
        ++pos_;
      }
      if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
      if (negative) value = -value;
      const auto param = static_cast<std::int32_t>(std::clamp<std::int64_t>(
          value, std::numeric_limits<std::int32_t>::min() + 1, std::numeric_limits<std::int32_t>::max()));
      if (name == "bin") {
        // Binary data: skipped as one character, wherever it stands.
        if (skip_chars_ > 0) --skip_chars_;
        if (param > 0) pos_ += std::min<std::size_t>(static_cast<std::size_t>(param), in_.size() - pos_);
        return;
      }
      if (skip_chars_ > 0) {
        --skip_chars_;
        return;
      }
      if (name.size() <= kMaxKeywordLength) HandleWord(name, has_param, param);
      return;
    }
    ++pos_;
    if (c == '\'') {
      const int hi = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
      const int lo = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
      if (hi >= 0) ++pos_;
      if (lo >= 0 && hi >= 0) ++pos_;
      if (skip_chars_ > 0) {
        --skip_chars_;
        return;
      }
      if (hi >= 0 && lo >= 0) EmitByte(static_cast<unsigned char>(hi * 16 + lo));
      return;
    }
    if (skip_chars_ > 0) {
      --skip_chars_;
      return;
    }
    switch (c) {
      case '\\':
      case '{':
      case '}': Emit(static_cast<char32_t>(c)); break;
      case '~': Emit(0x00A0); break;  // non-breaking space
      case '-': Emit(0x00AD); break;  // optional hyphen
      case '_': Emit(0x2011); break;  // non-breaking hyphen
      case '\t': Emit(U'\t'); break;
      case '*':
        if (!Ignoring()) state_.dest = Destination::Skip;  // an optional destination
        break;
      case '\r':
      case '\n': EndParagraph(); break;  // a backslash before a line end is \par
      default: break;                    // \| \: and other symbols without text
    }
  }

  void HandleWord(std::string_view name, bool has_param, std::int32_t param) {
    if (Ignoring()) return;
    const WordEntry* entry = FindWord(name);
    if (entry == nullptr) return;
    const Word word = entry->word;
    const bool on = !has_param || param != 0;

    if (word == Word::SkippedDestination) {
      state_.dest = Destination::Skip;
      return;
    }
    if (state_.dest == Destination::FontTable) {
      HandleFontTableWord(word, param);
      return;
    }
    if (state_.dest == Destination::ColorTable) {
      HandleColorTableWord(word, param);
      return;
    }

    RtfCharFormat& chars = state_.chars;
    RtfParagraphFormat& para = state_.para;
    switch (word) {
      case Word::AnsiCodePage:
        if (has_param) code_page_ = param;
        break;
      case Word::DefaultFont:
        if (has_param) default_font_ = param;
        break;
      case Word::FontTable:
        state_.dest = Destination::FontTable;
        font_entry_ = -1;
        break;
      case Word::ColorTable:
        state_.dest = Destination::ColorTable;
        colors_.clear();
        color_open_ = false;
        break;
      case Word::ListText:
        if (state_.dest == Destination::Text) {
          state_.dest = Destination::ListText;
          current_.marker.clear();
        }
        break;
      case Word::Font:
        if (has_param) state_.font = param;
        break;
      case Word::Plain:
        chars = RtfCharFormat{};
        state_.font = -1;
        state_.hidden = false;
        break;
      case Word::Bold: chars.bold = on; break;
      case Word::Italic: chars.italic = on; break;
      case Word::Underline: chars.underline = on; break;
      case Word::UnderlineNone: chars.underline = false; break;
      case Word::Strike: chars.strike = on; break;
      case Word::Hidden: state_.hidden = on; break;
      case Word::Super: chars.vertical = on ? 1 : 0; break;
      case Word::Sub: chars.vertical = on ? -1 : 0; break;
      case Word::NoSuperSub: chars.vertical = 0; break;
      case Word::FontSize: chars.half_points = has_param && param > 0 ? Clamp(param, 2, kMaxHalfPoints) : 24; break;
      case Word::ForeColor: chars.color = Color(param); break;
      case Word::BackColor:
      case Word::Highlight: chars.background = param > 0 ? Color(param) : std::nullopt; break;
      case Word::UnicodeSkip:
        if (has_param) state_.unicode_skip = Clamp(param, 0, 1 << 16);
        break;
      case Word::Unicode:
        if (has_param) {
          // A signed 16-bit value; negative numbers stand for 32768..65535.
          const std::int32_t v = param < 0 ? param + 65536 : param;
          EmitUnicode(v >= 0 && v <= 0xFFFF ? static_cast<char32_t>(v) : char32_t{0xFFFD});
          skip_chars_ = state_.unicode_skip;
        }
        break;
      case Word::ParagraphDefault: para = RtfParagraphFormat{}; break;
      case Word::Paragraph:
      case Word::Row:
      case Word::Section: EndParagraph(); break;
      case Word::AlignLeft: para.align = RtfAlign::Left; break;
      case Word::AlignCenter: para.align = RtfAlign::Center; break;
      case Word::AlignRight: para.align = RtfAlign::Right; break;
      case Word::AlignJustify: para.align = RtfAlign::Justify; break;
      case Word::LeftIndent: para.left_indent = Clamp(param, -kMaxTwips, kMaxTwips); break;
      case Word::RightIndent: para.right_indent = Clamp(param, -kMaxTwips, kMaxTwips); break;
      case Word::FirstIndent: para.first_indent = Clamp(param, -kMaxTwips, kMaxTwips); break;
      case Word::SpaceBefore: para.space_before = Clamp(param, 0, kMaxTwips); break;
      case Word::SpaceAfter: para.space_after = Clamp(param, 0, kMaxTwips); break;
      case Word::Line:
      case Word::Page: Emit(U'\n'); break;
      case Word::Tab:
      case Word::Cell: Emit(U'\t'); break;
      case Word::Char: Emit(entry->ch); break;
      default: break;  // table words outside their tables
    }
  }

  void HandleFontTableWord(Word word, std::int32_t param) {
    switch (word) {
      case Word::Font: font_entry_ = param; break;
      case Word::FontCharset:
        if (const int cp = CharsetCodePage(param); cp != 0) SetFontCodePage(cp);
        break;
      case Word::FontCodePage: SetFontCodePage(param); break;
      default: break;
    }
  }

  void SetFontCodePage(int code_page) {
    if (font_entry_ < 0) return;
    if (font_code_pages_.size() >= kMaxFonts && !font_code_pages_.contains(font_entry_)) return;
    font_code_pages_[font_entry_] = code_page;
  }

  void HandleColorTableWord(Word word, std::int32_t param) {
    const auto component = static_cast<std::uint32_t>(Clamp(param, 0, 255));
    switch (word) {
      case Word::Red: color_ = (color_ & 0x00FFFF) | component << 16; break;
      case Word::Green: color_ = (color_ & 0xFF00FF) | component << 8; break;
      case Word::Blue: color_ = (color_ & 0xFFFF00) | component; break;
      default: return;
    }
    color_open_ = true;
  }

  // Ends a colour table entry; an entry without components is the automatic colour.
  void EndColor() {
    if (colors_.size() < kMaxColors) colors_.push_back(color_open_ ? std::optional<std::uint32_t>(color_) : std::nullopt);
    color_ = 0;
    color_open_ = false;
  }

  std::optional<std::uint32_t> Color(std::int32_t index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= colors_.size()) return std::nullopt;
    return colors_[static_cast<std::size_t>(index)];
  }

  int CurrentCodePage() const {
    const int font = state_.font >= 0 ? state_.font : default_font_;
    if (auto it = font_code_pages_.find(font); it != font_code_pages_.end() && IsKnownCodePage(it->second))
      return it->second;
    return code_page_;
  }

  void EmitByte(unsigned char b) {
    const char32_t cp = DecodeCodePageByte(CurrentCodePage(), b);
    if (cp != 0) Emit(cp);
  }

  // \uN characters, which may come as UTF-16 surrogate pairs.
  void EmitUnicode(char32_t cp) {
    if (cp >= 0xD800 && cp <= 0xDBFF) {
      FlushHighSurrogate();
      high_surrogate_ = cp;
      return;
    }
    if (cp >= 0xDC00 && cp <= 0xDFFF) {
      if (high_surrogate_ != 0) {
        const char32_t full = 0x10000 + ((high_surrogate_ - 0xD800) << 10) + (cp - 0xDC00);
        high_surrogate_ = 0;
        Emit(full);
      } else {
        Emit(0xFFFD);
      }
      return;
    }
    // Private-use bullets of symbol fonts.
    if (cp == 0xF0B7) cp = 0x2022;
    if (cp == 0xF0A7) cp = 0x25AA;
    Emit(cp);
  }

  void FlushHighSurrogate() {
    if (high_surrogate_ == 0) return;
    high_surrogate_ = 0;
    Emit(0xFFFD);
  }

  void Emit(char32_t cp) {
    if (Ignoring()) return;
    if (high_surrogate_ != 0) FlushHighSurrogate();
    switch (state_.dest) {
      case Destination::Text:
        if (state_.hidden || !IsShown(cp)) return;
        AppendToRun(cp);
        break;
      case Destination::ListText:
        if (state_.hidden || cp == U'\t' || cp == U'\n' || !IsShown(cp)) return;
        if (current_.marker.size() < kMaxMarkerBytes) AppendUtf8(current_.marker, cp);
        break;
      case Destination::FontTable:
        if (cp == U';') font_entry_ = -1;
        break;
      case Destination::ColorTable:
        if (cp == U';') EndColor();
        break;
      case Destination::Skip: break;
    }
  }

  static bool IsShown(char32_t cp) {
    if (cp == U'\t' || cp == U'\n') return true;
    if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F)) return false;
    return cp != 0xFFFE && cp != 0xFFFF;
  }

  void AppendToRun(char32_t cp) {
    auto& runs = current_.runs;
    if (runs.empty() || !(runs.back().format == state_.chars)) runs.push_back(RtfRun{{}, state_.chars});
    AppendUtf8(runs.back().text, cp);
    last_text_format_ = state_.para;
  }

  void EndParagraph() {
    if (Ignoring() || state_.dest != Destination::Text) return;
    FlushHighSurrogate();
    current_.format = state_.para;
    FinishParagraph();
  }

  void FinishParagraph() {
    Trim(current_.marker);
    if (current_.marker.empty()) TakeWrittenBullet();
    doc_.paragraphs.push_back(std::move(current_));
    current_ = RtfParagraph{};
  }

  // A paragraph written as a bullet, a tab or blank, and the text is a list item.
  void TakeWrittenBullet() {
    static constexpr std::string_view kBullet = "\u2022";
    auto& runs = current_.runs;
    if (runs.empty()) return;
    std::string& text = runs.front().text;
    if (text.size() <= kBullet.size() || text.compare(0, kBullet.size(), kBullet) != 0) return;
    const char after = text[kBullet.size()];
    if (after != '\t' && after != ' ') return;
    current_.marker = kBullet;
    text.erase(0, kBullet.size());
    // The blank runs after the bullet go in one erase: one at a time would move
    // the rest of the paragraph for each of them.
    std::size_t blank = 0;
    for (; blank < runs.size(); ++blank) {
      std::string& t = runs[blank].text;
      const std::size_t n = t.find_first_not_of(" \t");
      if (n != std::string::npos) {
        t.erase(0, n);
        break;
      }
    }
    runs.erase(runs.begin(), runs.begin() + static_cast<std::ptrdiff_t>(blank));
  }

  std::string_view in_;
  std::size_t pos_ = 0;
  GroupState state_;
  std::vector<GroupState> stack_;  // states of the enclosing groups
  int overflow_depth_ = 0;         // open groups beyond the depth limit, skipped whole
  int skip_chars_ = 0;             // characters still to skip after \uN
  char32_t high_surrogate_ = 0;
  int code_page_ = 1252;
  int default_font_ = 0;
  std::map<int, int> font_code_pages_;
  int font_entry_ = -1;
  std::vector<std::optional<std::uint32_t>> colors_;
  std::uint32_t color_ = 0;
  bool color_open_ = false;
  RtfDocument doc_;
  RtfParagraph current_;
  RtfParagraphFormat last_text_format_;
};

}  // namespace

RtfDocument ParseRtf(std::string_view rtf) { return Parser(rtf).Run(); }

std::string RtfToHtml(std::string_view rtf) { return RtfDocumentToHtml(ParseRtf(rtf)); }

}  // namespace orbica
