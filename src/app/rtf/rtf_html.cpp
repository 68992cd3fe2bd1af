// The HTML form of a rich text document, for QTextDocument: HTML 4 with the
// inline styles that Qt's rich text engine understands.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "app/rtf/rtf_reader.h"

namespace orbica {

namespace {

// Twips to pixels at 96 pixels per inch (1440 twips).
int Pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

std::string Points(int half_points) {
  std::string s = std::to_string(half_points / 2);
  if (half_points % 2 != 0) s += ".5";
  return s + "pt";
}

std::string HexColor(std::uint32_t rgb) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
  return buffer;
}

// The font size that most of the text has.
int BaseHalfPoints(const RtfDocument& document) {
  std::map<int, std::size_t> amount;
  for (const RtfParagraph& p : document.paragraphs)
    for (const RtfRun& r : p.runs) amount[r.format.half_points] += r.text.size();
  int best = 24;
  std::size_t most = 0;
  for (const auto& [size, n] : amount) {
    if (n > most) {
      most = n;
      best = size;
    }
  }
  return best;
}

class HtmlWriter {
 public:
  explicit HtmlWriter(const RtfDocument& document) : doc_(document), base_(BaseHalfPoints(document)) {}

  std::string Write() {
    out_ += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">\n";
    out_ += "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" /></head>\n";
    out_ += "<body style=\"font-size:" + Points(base_) + ";\">\n";
    bool in_list = false;
    for (const RtfParagraph& p : doc_.paragraphs) {
      const bool bullet = IsRtfBulletMarker(p.marker);
      if (bullet && !in_list) {
        out_ += "<ul style=\"margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;\">\n";
      } else if (!bullet && in_list) {
        out_ += "</ul>\n";
      }
      in_list = bullet;
      if (bullet) {
        WriteListItem(p);
      } else {
        WriteParagraph(p);
      }
    }
    if (in_list) out_ += "</ul>\n";
    out_ += "</body></html>\n";
    return std::move(out_);
  }

 private:
  static bool IsEmpty(const RtfParagraph& p) {
    for (const RtfRun& r : p.runs)
      if (!r.text.empty()) return false;
    return p.marker.empty();
  }

  void WriteMargins(const RtfParagraphFormat& f, bool indents) {
    out_ += "margin-top:" + std::to_string(Pixels(f.space_before)) + "px; margin-bottom:" +
            std::to_string(Pixels(f.space_after)) + "px; ";
    if (!indents) return;
    // Left and right margins are 0 unless set; the first line may not start left of the page.
    const int left = std::max(0, f.left_indent);
    const int right = std::max(0, f.right_indent);
    const int first = std::max(-left, f.first_indent);
    if (left != 0) out_ += "margin-left:" + std::to_string(Pixels(left)) + "px; ";
    if (right != 0) out_ += "margin-right:" + std::to_string(Pixels(right)) + "px; ";
    if (first != 0) out_ += "text-indent:" + std::to_string(Pixels(first)) + "px; ";
  }

  void WriteAlign(RtfAlign align) {
    switch (align) {
      case RtfAlign::Left: break;
      case RtfAlign::Center: out_ += " align=\"center\""; break;
      case RtfAlign::Right: out_ += " align=\"right\""; break;
      case RtfAlign::Justify: out_ += " align=\"justify\""; break;
    }
  }

  void WriteParagraph(const RtfParagraph& p) {
    out_ += "<p";
    WriteAlign(p.format.align);
    out_ += " style=\"";
    if (IsEmpty(p)) out_ += "-qt-paragraph-type:empty; ";
    WriteMargins(p.format, true);
    out_.pop_back();
    out_ += "\">";
    at_line_start_ = true;
    previous_blank_ = false;
    if (IsEmpty(p)) {
      out_ += "<br />";
    } else {
      if (!p.marker.empty()) {
        WriteText(p.marker);
        out_ += "&nbsp;&nbsp;";
        at_line_start_ = false;
      }
      WriteRuns(p);
    }
    out_ += "</p>\n";
  }

  void WriteListItem(const RtfParagraph& p) {
    out_ += "<li";
    WriteAlign(p.format.align);
    out_ += " style=\"";
    WriteMargins(p.format, false);
    out_.pop_back();
    out_ += "\">";
    at_line_start_ = true;
    previous_blank_ = false;
    WriteRuns(p);
    out_ += "</li>\n";
  }

  void WriteRuns(const RtfParagraph& p) {
    for (const RtfRun& r : p.runs) {
      if (r.text.empty()) continue;
      const std::string style = Style(r.format);
      if (!style.empty()) out_ += "<span style=\"" + style + "\">";
      WriteText(r.text);
      if (!style.empty()) out_ += "</span>";
    }
  }

  std::string Style(const RtfCharFormat& f) const {
    std::string s;
    if (f.half_points != base_) s += "font-size:" + Points(f.half_points) + "; ";
    if (f.bold) s += "font-weight:600; ";
    if (f.italic) s += "font-style:italic; ";
    if (f.underline && f.strike) {
      s += "text-decoration: underline line-through; ";
    } else if (f.underline) {
      s += "text-decoration: underline; ";
    } else if (f.strike) {
      s += "text-decoration: line-through; ";
    }
    if (f.vertical > 0) s += "vertical-align:super; ";
    if (f.vertical < 0) s += "vertical-align:sub; ";
    if (f.color) s += "color:" + HexColor(*f.color) + "; ";
    if (f.background) s += "background-color:" + HexColor(*f.background) + "; ";
    if (!s.empty()) s.pop_back();
    return s;
  }

  // Escapes the text; runs of blanks stay as wide as written.
  void WriteText(std::string_view text) {
    for (char c : text) {
      switch (c) {
        case '&': out_ += "&amp;"; break;
        case '<': out_ += "&lt;"; break;
        case '>': out_ += "&gt;"; break;
        case '"': out_ += "&quot;"; break;
        case '\t': out_ += "&nbsp;&nbsp;&nbsp;&nbsp;"; break;
        case '\n': out_ += "<br />"; break;
        case ' ': out_ += at_line_start_ || previous_blank_ ? "&nbsp;" : " "; break;
        default: out_ += c; break;
      }
      previous_blank_ = c == ' ' || c == '\t';
      at_line_start_ = c == '\n';
    }
  }

  const RtfDocument& doc_;
  const int base_;
  std::string out_;
  bool at_line_start_ = true;
  bool previous_blank_ = false;
};

}  // namespace

bool IsRtfBulletMarker(std::string_view marker) {
  static constexpr std::string_view kBullets[] = {
      "\u2022", "\u00B7", "\u25AA", "\u25CF", "\u25E6", "\u25A0", "\u25A1", "\u2013", "\u2014", "-", "*", "o",
  };
  for (std::string_view b : kBullets)
    if (marker == b) return true;
  return false;
}

std::string RtfDocumentToHtml(const RtfDocument& document) { return HtmlWriter(document).Write(); }

}  // namespace orbica
