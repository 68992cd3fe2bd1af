// orbica-cli render: images of the four styles on a small sample census, the
// output formats and the exit codes.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/binary_io.h"
#include "support/census_files.h"
#include "support/cli_runner.h"

namespace orbica {
namespace {

using test::RunCli;

// A PNG image (8-bit RGB or RGBA, not interlaced) as 0xRRGGBB pixels. The
// compressed data is inflated with the system's zlib, which Qt uses too.
struct Png {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::size_t Count(std::uint32_t rgb) const {
    std::size_t n = 0;
    for (const std::uint32_t p : pixels) n += p == rgb;
    return n;
  }
};

std::uint32_t BigEndian32(const unsigned char* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

bool ReadPng(const std::string& path, Png& png) {
  using Uncompress = int (*)(unsigned char*, unsigned long*, const unsigned char*, unsigned long);
  static void* zlib = dlopen("libz.so.1", RTLD_NOW);
  const auto uncompress = zlib ? reinterpret_cast<Uncompress>(dlsym(zlib, "uncompress")) : nullptr;
  std::vector<unsigned char> bytes;
  if (!uncompress || !ReadWholeFile(path, bytes) || bytes.size() < 8 || bytes[1] != 'P' || bytes[2] != 'N') return false;
  std::vector<unsigned char> compressed;
  int channels = 0;
  for (std::size_t pos = 8; pos + 12 <= bytes.size();) {
    const std::uint32_t length = BigEndian32(&bytes[pos]);
    const std::string type(reinterpret_cast<const char*>(&bytes[pos + 4]), 4);
    const unsigned char* data = &bytes[pos + 8];
    if (pos + 12 + length > bytes.size()) return false;
    if (type == "IHDR") {
      png.width = static_cast<int>(BigEndian32(data));
      png.height = static_cast<int>(BigEndian32(data + 4));
      if (data[8] != 8 || data[12] != 0 || (data[9] != 2 && data[9] != 6)) return false;
      channels = data[9] == 2 ? 3 : 4;
    } else if (type == "IDAT") {
      compressed.insert(compressed.end(), data, data + length);
    }
    pos += 12 + length;
  }
  if (channels == 0) return false;
  const std::size_t stride = static_cast<std::size_t>(png.width) * channels;
  std::vector<unsigned char> raw(static_cast<std::size_t>(png.height) * (stride + 1));
  unsigned long rawSize = raw.size();
  if (uncompress(raw.data(), &rawSize, compressed.data(), compressed.size()) != 0 || rawSize != raw.size()) return false;
  // Undo the per-row filters.
  std::vector<unsigned char> previous(stride, 0), row(stride);
  png.pixels.clear();
  for (int y = 0; y < png.height; ++y) {
    const unsigned char* line = &raw[static_cast<std::size_t>(y) * (stride + 1)];
    for (std::size_t i = 0; i < stride; ++i) {
      const int a = i >= static_cast<std::size_t>(channels) ? row[i - channels] : 0;
      const int b = previous[i];
      const int c = i >= static_cast<std::size_t>(channels) ? previous[i - channels] : 0;
      int predictor = 0;
      switch (line[0]) {
        case 1: predictor = a; break;
        case 2: predictor = b; break;
        case 3: predictor = (a + b) / 2; break;
        case 4: {
          const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
          predictor = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
          break;
        }
        default: break;
      }
      row[i] = static_cast<unsigned char>(line[1 + i] + predictor);
    }
    for (int x = 0; x < png.width; ++x) {
      const unsigned char* p = &row[static_cast<std::size_t>(x) * channels];
      png.pixels.push_back((std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2]);
    }
    previous = row;
  }
  return true;
}

// Slot colours of the default palette as 0xRRGGBB.
constexpr std::uint32_t kSlot0 = 0xFF8080, kSlot1 = 0x80FF80, kSlot2 = 0xFFFF80, kSlot3 = 0x8080FF;

class Render : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    census_ = new test::TempDir();
    const test::ProgramRun run = RunCli(census_->Path(), "sample census --components 4 --respondents 200000");
    ASSERT_EQ(run.exit, 0) << run.err;
  }
  static void TearDownTestSuite() {
    delete census_;
    census_ = nullptr;
  }
  static std::string Folder() { return census_->Path() + "/census"; }
  static std::string Out(const std::string& name) { return census_->File(name); }
  static test::TempDir* census_;
};
test::TempDir* Render::census_ = nullptr;

TEST_F(Render, BarStylesShowTheSlotColours) {
  for (const std::string style : {"bar2d", "bar3d", "cylinder"}) {
    SCOPED_TRACE(style);
    const std::string out = Out(style + ".png");
    const test::ProgramRun run = RunCli(Folder(), "render --style " + style + " --question 2 --size 640x480 --out '" + out + "' '' 2ab");
    ASSERT_EQ(run.exit, 0) << run.err;
    Png png;
    ASSERT_TRUE(ReadPng(out, png));
    EXPECT_EQ(png.width, 640);
    EXPECT_EQ(png.height, 480);
    // Two rows shown: their colours fill the value bars; the colours of slots 2 and 3 are absent.
    EXPECT_GT(png.Count(kSlot0), 500u);
    EXPECT_GT(png.Count(kSlot1), 500u);
    EXPECT_EQ(png.Count(kSlot2), 0u);
    EXPECT_EQ(png.Count(kSlot3), 0u);
    // The gradient runs from silver at the top to white at the bottom.
    EXPECT_EQ(png.At(0, 0), 0xC0C0C0u);
    EXPECT_EQ(png.At(639, 0), 0xC0C0C0u);
    EXPECT_GE(png.At(0, 479) & 0xFF, 0xFCu);
    // The outline colour of the bars.
    EXPECT_GT(png.Count(0x606060), 50u);
  }
}

// A window keeps the navigation panel's strip below the graph free, and shows
// the first answer's label highlighted unless told not to.
TEST_F(Render, LikeAWindowAboveItsPanelWithTheFirstAnswerHighlighted) {
  std::map<std::string, Png> images;
  for (const std::string options : {"", "--no-highlight"}) {
    const std::string out = Out("window.png");
    const test::ProgramRun run = RunCli(Folder(), "render --style bar2d --question 2 --size 600x400 " + options + " --out '" + out + "' ''");
    ASSERT_EQ(run.exit, 0) << run.err;
    ASSERT_TRUE(ReadPng(out, images[options]));
  }
  // The last rows hold only the gradient's horizontal lines.
  for (const auto& [options, png] : images)
    for (int y = png.height - 20; y < png.height; ++y)
      for (int x = 1; x < png.width; ++x) ASSERT_EQ(png.At(x, y), png.At(0, y)) << options << " at " << x << ',' << y;
  // The highlighted label stands on a block of the text colour.
  constexpr std::uint32_t kTextColour = 0x151515;
  EXPECT_GT(images[""].Count(kTextColour), images["--no-highlight"].Count(kTextColour) + 100);
}

TEST_F(Render, PiesOfFourSubpopulationsInTheAnswerColours) {
  const std::string out = Out("pie.png");
  const test::ProgramRun run = RunCli(Folder(), "render --style pie --question 2 --out '" + out + "' '' 1a 1b 3c");
  ASSERT_EQ(run.exit, 0) << run.err;
  Png png;
  ASSERT_TRUE(ReadPng(out, png));
  EXPECT_EQ(png.width, 1024);  // the default size
  EXPECT_EQ(png.height, 700);
  // Question 2 has four answers: slices and legend boxes in the first four answer
  // colours, none in the slots' colours.
  for (const std::uint32_t colour : {0xE6194Bu, 0x3CB44Bu, 0xFFE119u, 0x4363D8u}) EXPECT_GT(png.Count(colour), 200u) << colour;
  for (const std::uint32_t colour : {kSlot0, kSlot1, kSlot2, kSlot3}) EXPECT_EQ(png.Count(colour), 0u) << colour;
  EXPECT_GT(png.Count(0x000000), 500u);  // black outlines and texts
}

TEST_F(Render, AbsoluteBehindAndWithoutErrorsDrawDifferently) {
  std::map<std::string, std::vector<std::uint32_t>> images;
  for (const std::string options : {"", "--behind", "--absolute", "--no-errors"}) {
    const std::string out = Out("variant.png");
    const test::ProgramRun run = RunCli(Folder(), "render --style bar3d --question 3 --size 500x400 " + options + " --out '" + out + "' '' 3c");
    ASSERT_EQ(run.exit, 0) << run.err;
    Png png;
    ASSERT_TRUE(ReadPng(out, png));
    images[options] = png.pixels;
  }
  EXPECT_NE(images[""], images["--behind"]);
  EXPECT_NE(images[""], images["--absolute"]);
  EXPECT_NE(images[""], images["--no-errors"]);
}

TEST_F(Render, SvgAndPdfByExtension) {
  test::ProgramRun run = RunCli(Folder(), "render --style bar2d --question 1 --size 800x600 --out '" + Out("g.svg") + "' 1a 2b");
  ASSERT_EQ(run.exit, 0) << run.err;
  const std::string svg = test::ReadText(Out("g.svg"));
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("viewBox=\"0 0 800 600\""), std::string::npos);
  EXPECT_NE(svg.find("#ff8080"), std::string::npos);  // slot 0
  EXPECT_NE(svg.find("#80ff80"), std::string::npos);  // slot 1
  EXPECT_NE(svg.find("Region of usual residence"), std::string::npos);

  run = RunCli(Folder(), "render --style pie --question 1 --out '" + Out("g.PDF") + "' ''");
  ASSERT_EQ(run.exit, 0) << run.err;
  const std::string pdf = test::ReadText(Out("g.PDF"));
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_GT(pdf.size(), 1000u);
}

TEST_F(Render, MistakesExitWithTwoAndAMissingCensusWithOne) {
  const std::string out = "--out '" + Out("x.png") + "'";
  for (const std::string& args : std::vector<std::string>{"render --question 1 " + out + " ''", "render --style pies --question 1 " + out + " ''",
        "render --style pie --question 25 " + out + " ''", "render --style pie " + out + " ''",
        "render --style pie --question 1 ''", "render --style pie --question 1 --out x.gif ''",
        "render --style pie --question 1 --size 0x10 " + out + " ''",
        "render --style pie --question 1 --size 640 " + out + " ''", "render --style pie --question 1 " + out,
        "render --style pie --question 1 " + out + " 1a 1b 1c 1d 1e", "render --style pie --question 1 " + out + " 99z",
        "render --style pie --question 1 --sideways " + out + " ''", "render --style pie --question 1 --out"}) {
    const test::ProgramRun run = RunCli(Folder(), args);
    EXPECT_EQ(run.exit, 2) << args;
    EXPECT_FALSE(run.err.empty()) << args;
  }
  test::TempDir empty;
  EXPECT_EQ(RunCli(empty.Path(), "render --style pie --question 1 --out x.png ''").exit, 1);
  EXPECT_EQ(RunCli(Folder(), "render --style pie --question 1 --out '" + Out("no/such/folder/x.png") + "' ''").exit, 1);
}

TEST_F(Render, TinyImagesDoNotFail) {
  for (const std::string style : {"bar2d", "bar3d", "cylinder", "pie"}) {
    for (const std::string size : {"1x1", "30x20", "4000x60"}) {
      const std::string out = Out("tiny.png");
      const test::ProgramRun run =
          RunCli(Folder(), "render --style " + style + " --question 1 --size " + size + " --behind --out '" + out + "' '' 1a 2b 3c");
      EXPECT_EQ(run.exit, 0) << style << ' ' << size << ": " << run.err;
    }
  }
}

}  // namespace
}  // namespace orbica
