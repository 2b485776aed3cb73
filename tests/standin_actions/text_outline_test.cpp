// Text outlined with the system's fonts: the glyphs' places against another editor's outlines
// of the same text (tests/data/text_outline), Japanese text, and a missing font.
#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <sstream>

#include "standin/actions/outline_text.h"
#include "support/param_names.h"

namespace {

using standin::GlyphOutline;

struct Box {
  double left = std::numeric_limits<double>::max(), top = left;
  double right = -left, bottom = -left;
  void Add(const AIRealPoint& p) {
    left = std::min<double>(left, p.h), right = std::max<double>(right, p.h);
    top = std::min<double>(top, p.v), bottom = std::max<double>(bottom, p.v);
  }
};

// Anchors and handles bound the curves; a glyph's extreme points are anchors in its font.
Box BoxOf(const GlyphOutline& glyph) {
  Box box;
  for (const auto& subpath : glyph) {
    for (const AIPathSegment& s : subpath) box.Add(s.p);
  }
  return box;
}

// A text of one run at (10, 80) in text space; the page flips y, as an SVG's 100 pt high page.
standin::ArtObject Text(const std::string& characters, const std::string& family, double size) {
  standin::ArtObject text;
  text.type = kTextArt;
  standin::TextRun run;
  run.characters = characters;
  run.fontFamily = family;
  run.fontSize = size;
  run.start = standin::TextPoint{10, 80};
  text.textRuns.push_back(run);
  const double flip[6] = {1, 0, 0, -1, 0, 100};
  std::copy(std::begin(flip), std::end(flip), text.textMatrix);
  return text;
}

TEST(TextOutline, CutMatchesTheOtherEditorsOutlinesWithinAPoint) {
  std::ifstream golden(KW_TEST_DATA_DIR "/text_outline/cut_dejavu_sans.txt");
  ASSERT_TRUE(golden) << "golden file";
  std::vector<std::string> warnings;
  const auto glyphs = standin::TextGlyphs(Text("CUT", "DejaVu Sans", 60), "word", warnings);
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  ASSERT_EQ(glyphs.size(), 3u);
  for (const GlyphOutline& glyph : glyphs) EXPECT_EQ(glyph.size(), 1u) << "no counters in CUT";
  std::string line;
  int checked = 0;
  while (std::getline(golden, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name;
    double x, y, w, h;
    fields >> name >> x >> y >> w >> h;
    Box box;
    for (std::size_t g = 0; g < glyphs.size(); ++g) {
      if (name == "word" || name == std::string(1, "CUT"[g])) {
        const Box part = BoxOf(glyphs[g]);
        box.Add({static_cast<AIReal>(part.left), static_cast<AIReal>(part.top)});
        box.Add({static_cast<AIReal>(part.right), static_cast<AIReal>(part.bottom)});
      }
    }
    // The golden boxes are y down; the page is y up from 100.
    EXPECT_NEAR(box.left, x, 1) << name;
    EXPECT_NEAR(box.right, x + w, 1) << name;
    EXPECT_NEAR(box.bottom, 100 - y, 1) << name;
    EXPECT_NEAR(box.top, 100 - (y + h), 1) << name;
    ++checked;
  }
  EXPECT_EQ(checked, 4);
}

struct FontCase {
  const char* characters;
  const char* family;
  std::size_t glyphs;
  bool warned;
};

class Fonts : public ::testing::TestWithParam<FontCase> {};

TEST_P(Fonts, EveryGlyphWithInkIsOutlinedAndAMissingFontIsReported) {
  std::vector<std::string> warnings;
  const auto glyphs =
      standin::TextGlyphs(Text(GetParam().characters, GetParam().family, 20), "label", warnings);
  EXPECT_EQ(glyphs.size(), GetParam().glyphs);
  ASSERT_EQ(warnings.size(), GetParam().warned ? 1u : 0u);
  if (GetParam().warned) {
    EXPECT_NE(warnings[0].find("text \"label\": font \"No Such Face\" is missing; set in \""),
              std::string::npos)
        << warnings[0];
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, Fonts,
                         ::testing::Values(FontCase{"日本語", "VL Gothic", 3, false},
                                           FontCase{"切り抜き", "sans-serif", 4, false},
                                           FontCase{"A B", "No Such Face, serif", 2, false},
                                           FontCase{"AB", "No Such Face", 2, true}),
                         test_support::NameBy(&FontCase::family));

}  // namespace
