#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "support/param_names.h"
#include "tools/kwhost/svg/svg_import.h"

namespace {

using svg::Item;

std::string Svg(
    const std::string& body,
    const std::string& size = R"svg(width="200pt" height="100pt" viewBox="0 0 200 100")svg") {
  return R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape" )svg" +
         size + ">" + body + "</svg>";
}

const Item& OnlyItem(const svg::Drawing& drawing) {
  EXPECT_EQ(drawing.layers.size(), 1u);
  EXPECT_EQ(drawing.layers.at(0).items.size(), 1u);
  return drawing.layers.at(0).items.at(0);
}

void ExpectPoint(const svg::Point& p, double x, double y, const char* what) {
  EXPECT_NEAR(p.x, x, 1e-9) << what;
  EXPECT_NEAR(p.y, y, 1e-9) << what;
}

TEST(SvgImport, RectangleLandsOnThePageWithYUpFromTheBottom) {
  const auto drawing =
      svg::ImportSvgText(Svg(R"svg(<rect id="r" x="10" y="10" width="20" height="30"/>)svg"));
  EXPECT_DOUBLE_EQ(drawing.widthPoints, 200);
  EXPECT_DOUBLE_EQ(drawing.heightPoints, 100);
  EXPECT_EQ(drawing.layers.at(0).name, "Layer 1");
  const Item& rect = OnlyItem(drawing);
  EXPECT_EQ(rect.kind, Item::Kind::kPath);
  EXPECT_EQ(rect.id, "r");
  ASSERT_EQ(rect.outline.anchors.size(), 4u);
  EXPECT_TRUE(rect.outline.closed);
  const double expected[4][2] = {{10, 90}, {30, 90}, {30, 60}, {10, 60}};
  for (int i = 0; i < 4; ++i) {
    const auto& a = rect.outline.anchors[static_cast<std::size_t>(i)];
    ExpectPoint(a.p, expected[i][0], expected[i][1], "anchor");
    ExpectPoint(a.in, expected[i][0], expected[i][1], "straight: in handle on the anchor");
    ExpectPoint(a.out, expected[i][0], expected[i][1], "straight: out handle on the anchor");
    EXPECT_TRUE(a.corner);
  }
}

struct PageCase {
  const char* size;
  double width, height;
  double x, y;  // where user point (0, 0) lands
};

class PageSizes : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageSizes, FromWidthHeightAndViewBox) {
  const auto drawing = svg::ImportSvgText(Svg(R"svg(<path d="M0,0 L1,0"/>)svg", GetParam().size));
  EXPECT_NEAR(drawing.widthPoints, GetParam().width, 1e-9);
  EXPECT_NEAR(drawing.heightPoints, GetParam().height, 1e-9);
  ExpectPoint(OnlyItem(drawing).outline.anchors.at(0).p, GetParam().x, GetParam().y,
              GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Units, PageSizes,
    ::testing::Values(
        PageCase{R"svg(width="96" height="48")svg", 72, 36, 0, 36},
        PageCase{R"svg(width="96px" height="48px")svg", 72, 36, 0, 36},
        PageCase{R"svg(width="210mm" height="297mm")svg", 595.2755905511812, 841.8897637795276, 0,
                 841.8897637795276},
        PageCase{R"svg(viewBox="0 0 40 20")svg", 30, 15, 0, 15},
        // Uniform scale 0.5, centred vertically: 25 pt of margin above and below.
        PageCase{R"svg(width="100pt" height="100pt" viewBox="0 0 200 100")svg", 100, 100, 0, 75},
        PageCase{R"svg(width="100pt" height="50pt" viewBox="-10 -10 200 100")svg", 100, 50, 5, 45}),
    test_support::NameBy(&PageCase::size));

TEST(SvgImport, ArcsBecomeCubicsThroughTheArcsOwnPoints) {
  const auto drawing = svg::ImportSvgText(Svg(R"svg(<path d="M10,50 a10,10 0 0 1 20,0"/>)svg"));
  const auto& anchors = OnlyItem(drawing).outline.anchors;
  ASSERT_EQ(anchors.size(), 3u) << "a half turn is two quarter-turn pieces";
  EXPECT_FALSE(OnlyItem(drawing).outline.closed);
  ExpectPoint(anchors[0].p, 10, 50, "start");
  ExpectPoint(anchors[1].p, 20, 60, "top of the arc (SVG y 40 is page y 60)");
  ExpectPoint(anchors[2].p, 30, 50, "end");
  EXPECT_FALSE(anchors[1].corner) << "the arc is smooth through its middle";
  const double k = 4.0 / 3.0 * std::tan(M_PI / 8) * 10;
  ExpectPoint(anchors[0].out, 10, 50 + k, "first handle goes straight up");
  ExpectPoint(anchors[1].in, 20 - k, 60, "handles of the middle are horizontal");
  ExpectPoint(anchors[1].out, 20 + k, 60, "handles of the middle are horizontal");
}

TEST(SvgImport, RelativeAndShorthandCommandsAndQuadratics) {
  const auto drawing =
      svg::ImportSvgText(Svg(R"svg(<path d="m10,10 h10 v10 q5,5 10,0 t10,0 z"/>)svg"));
  const auto& path = OnlyItem(drawing).outline;
  EXPECT_TRUE(path.closed);
  ASSERT_EQ(path.anchors.size(), 5u);
  ExpectPoint(path.anchors[1].p, 20, 90, "h10");
  ExpectPoint(path.anchors[2].p, 20, 80, "v10");
  ExpectPoint(path.anchors[3].p, 30, 80, "q end");
  ExpectPoint(path.anchors[4].p, 40, 80, "t end");
  ExpectPoint(path.anchors[2].out, 20 + 10.0 / 3, 80 - 10.0 / 3, "quadratic raised to cubic");
}

struct ClosingCase {
  const char* d;
  std::size_t anchors;
};

class Closing : public ::testing::TestWithParam<ClosingCase> {};

TEST_P(Closing, ClosedSubpathsHaveNoDuplicatedLastAnchor) {
  const auto drawing =
      svg::ImportSvgText(Svg(std::string(R"svg(<path d=")svg") + GetParam().d + R"svg("/>)svg"));
  EXPECT_EQ(OnlyItem(drawing).outline.anchors.size(), GetParam().anchors) << GetParam().d;
}

INSTANTIATE_TEST_SUITE_P(Paths, Closing,
                         ::testing::Values(ClosingCase{"M0,0 L10,0 L10,10 Z", 3},
                                           ClosingCase{"M0,0 L10,0 L10,10 L0,0 Z", 3},
                                           ClosingCase{"M0,0 L10,0 L10,10", 3},
                                           ClosingCase{"M0,0 C5,5 5,5 10,0 Z", 2}),
                         test_support::NameBy(&ClosingCase::d));

TEST(SvgImport, SeveralSubpathsMakeACompoundPathOfOnePathEach) {
  const auto drawing = svg::ImportSvgText(
      Svg(R"svg(<path id="ring" d="M0,0 h10 v10 h-10 z M2,2 h6 v6 h-6 z" fill="red"/>)svg"));
  const Item& compound = OnlyItem(drawing);
  EXPECT_EQ(compound.kind, Item::Kind::kCompoundPath);
  ASSERT_EQ(compound.children.size(), 2u);
  for (const Item& part : compound.children) {
    EXPECT_EQ(part.kind, Item::Kind::kPath);
    EXPECT_EQ(part.outline.anchors.size(), 4u);
    EXPECT_TRUE(part.style.fill.on);
    EXPECT_DOUBLE_EQ(part.style.fill.red, 1);
  }
}

struct ShapeCase {
  const char* element;
  std::size_t anchors;
  bool closed;
};

class Shapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(Shapes, BecomePaths) {
  const auto drawing = svg::ImportSvgText(Svg(GetParam().element));
  const Item& item = OnlyItem(drawing);
  EXPECT_EQ(item.kind, Item::Kind::kPath);
  EXPECT_EQ(item.outline.anchors.size(), GetParam().anchors) << GetParam().element;
  EXPECT_EQ(item.outline.closed, GetParam().closed) << GetParam().element;
}

INSTANTIATE_TEST_SUITE_P(
    Elements, Shapes,
    ::testing::Values(ShapeCase{R"svg(<circle cx="50" cy="50" r="10"/>)svg", 4, true},
                      ShapeCase{R"svg(<ellipse cx="50" cy="50" rx="10" ry="5"/>)svg", 4, true},
                      ShapeCase{R"svg(<rect x="1" y="1" width="20" height="10" rx="2"/>)svg", 8,
                                true},
                      ShapeCase{R"svg(<line x1="0" y1="0" x2="10" y2="10"/>)svg", 2, false},
                      ShapeCase{R"svg(<polyline points="0,0 10,0 10,10"/>)svg", 3, false},
                      ShapeCase{R"svg(<polygon points="0,0 10,0 10,10"/>)svg", 3, true}),
    test_support::NameBy(&ShapeCase::element));

TEST(SvgImport, CircleIsSmoothAndReachesItsRadius) {
  const auto drawing = svg::ImportSvgText(Svg(R"svg(<circle cx="50" cy="50" r="10"/>)svg"));
  const auto& anchors = OnlyItem(drawing).outline.anchors;
  ExpectPoint(anchors[0].p, 60, 50, "rightmost point");
  for (const auto& a : anchors) EXPECT_FALSE(a.corner);
}

TEST(SvgImport, UnusableShapesAreSkipped) {
  const auto drawing = svg::ImportSvgText(Svg(
      R"svg(<rect width="0" height="5"/><circle r="-1"/><path d=""/><polyline points="1"/>)svg"));
  EXPECT_TRUE(drawing.layers.at(0).items.empty());
}

TEST(SvgImport, LayersGroupsAndLooseArt) {
  const auto drawing = svg::ImportSvgText(Svg(
      R"svg(<rect id="loose" width="1" height="1"/>
         <g inkscape:groupmode="layer" inkscape:label="Cut"><g id="grp"><circle r="1"/><circle r="2"/></g></g>
         <g inkscape:groupmode="layer" inkscape:label="Print" style="display:none"><circle r="3"/></g>)svg"));
  ASSERT_EQ(drawing.layers.size(), 3u);
  EXPECT_EQ(drawing.layers[0].name, "Layer 1");
  EXPECT_EQ(drawing.layers[0].items.at(0).id, "loose");
  EXPECT_EQ(drawing.layers[1].name, "Cut");
  const Item& group = drawing.layers[1].items.at(0);
  EXPECT_EQ(group.kind, Item::Kind::kGroup);
  EXPECT_EQ(group.id, "grp");
  EXPECT_EQ(group.children.size(), 2u);
  EXPECT_EQ(drawing.layers[2].name, "Print");
  EXPECT_TRUE(drawing.layers[2].hidden);
  EXPECT_FALSE(drawing.layers[2].items.at(0).hidden) << "the layer hides it, as in the host";
}

TEST(SvgImport, LooseArtAfterLayersJoinsTheFirstLooseArt) {
  const auto drawing = svg::ImportSvgText(Svg(
      R"svg(<rect id="first" width="1" height="1"/>
         <g inkscape:groupmode="layer" inkscape:label="A"><circle r="1"/></g>
         <g inkscape:groupmode="layer" inkscape:label="B"><circle r="1"/></g>
         <rect id="last" width="1" height="1"/>)svg"));
  ASSERT_EQ(drawing.layers.size(), 3u);
  EXPECT_EQ(drawing.layers[0].name, "Layer 1");
  ASSERT_EQ(drawing.layers[0].items.size(), 2u);
  EXPECT_EQ(drawing.layers[0].items[1].id, "last");
  EXPECT_EQ(drawing.layers[2].items.size(), 1u);
}

TEST(SvgImport, MarkedGroupIsACompoundPathOfItsOwnParts) {
  const auto drawing = svg::ImportSvgText(Svg(
      R"svg(<g xmlns:kwsvg="urn:kerfworks:svg" xmlns:kw="urn:kerfworks:tags" kwsvg:art="compound-path" id="c">
           <path id="outer" d="M0,0 H10 V10 Z" fill="red" kw:KerfworksCutMark="0002"/>
           <path d="M0,0 H10" fill="none" stroke="blue" visibility="hidden"/>
         </g>
         <g xmlns:other="urn:elsewhere" other:art="compound-path"><path d="M0,0 H1"/></g>)svg"));
  const auto& items = drawing.layers.at(0).items;
  ASSERT_EQ(items.size(), 2u);
  const Item& compound = items[0];
  EXPECT_EQ(compound.kind, Item::Kind::kCompoundPath);
  EXPECT_TRUE(compound.tags.empty()) << "the marker is no tag";
  ASSERT_EQ(compound.children.size(), 2u);
  EXPECT_EQ(compound.children[0].id, "outer");
  EXPECT_EQ(compound.children[0].tags.at("KerfworksCutMark"), "0002");
  EXPECT_TRUE(compound.children[0].outline.closed);
  EXPECT_FALSE(compound.children[1].style.fill.on);
  EXPECT_TRUE(compound.children[1].hidden);
  EXPECT_EQ(items[1].kind, Item::Kind::kGroup) << "only our namespace marks compound paths";
}

TEST(SvgImport, MarkedCompoundPathOfAnythingButSinglePathsIsRefusedWithItsLine) {
  for (const char* part : {"<g/>", "<text>a</text>", R"(<path d="M0,0 H1 M2,2 H3"/>)"}) {
    SCOPED_TRACE(part);
    const std::string text =
        Svg(std::string("\n<g xmlns:kwsvg=\"urn:kerfworks:svg\" kwsvg:art=\"compound-path\">") +
            R"(<path d="M0,0 H1"/>)" + part + "</g>");
    try {
      svg::ImportSvgText(text, "parts.svg");
      ADD_FAILURE() << "no error";
    } catch (const svg::ImportError& error) {
      EXPECT_STREQ(error.what(),
                   "parts.svg:2: a compound path holds only paths of one subpath each");
    }
  }
}

TEST(SvgImport, TransformsComposeFromTheOutside) {
  const auto drawing = svg::ImportSvgText(Svg(
      R"svg(<g transform="translate(100,0)"><path transform="scale(2)" d="M5,10 L6,10"/></g>)svg"));
  const Item& group = OnlyItem(drawing);
  ExpectPoint(group.children.at(0).outline.anchors.at(0).p, 110, 80, "scaled, then moved");
}

TEST(SvgImport, StylesInheritAndStyleAttributeWins) {
  const auto drawing = svg::ImportSvgText(Svg(
      R"svg(<g fill="none" stroke="#00f" stroke-width="2" transform="scale(3)">
           <path d="M0,0 L1,1"/>
           <path d="M0,0 L1,1" stroke="red" style="stroke:lime;fill:#fff"/>
         </g>)svg"));
  const Item& group = OnlyItem(drawing);
  const svg::Style& inherited = group.children.at(0).style;
  EXPECT_FALSE(inherited.fill.on);
  EXPECT_TRUE(inherited.stroke.on);
  EXPECT_DOUBLE_EQ(inherited.stroke.blue, 1);
  EXPECT_NEAR(inherited.strokeWidth, 6, 1e-9) << "stroke widths scale with the transform";
  const svg::Style& own = group.children.at(1).style;
  EXPECT_TRUE(own.fill.on);
  EXPECT_DOUBLE_EQ(own.stroke.green, 1);
  EXPECT_DOUBLE_EQ(own.stroke.red, 0);
}

TEST(SvgImport, HiddenElementsAreHidden) {
  const auto drawing = svg::ImportSvgText(Svg(
      R"svg(<g visibility="hidden"><path d="M0,0 L1,1"/><path visibility="visible" d="M0,0 L1,1"/></g>
         <path style="display:none" d="M0,0 L1,1"/>)svg"));
  const auto& items = drawing.layers.at(0).items;
  ASSERT_EQ(items.size(), 2u);
  EXPECT_TRUE(items[0].children.at(0).hidden);
  EXPECT_FALSE(items[0].children.at(1).hidden);
  EXPECT_TRUE(items[1].hidden);
}

TEST(SvgImport, TextAndImagesAreNotPaths) {
  const auto drawing =
      svg::ImportSvgText(Svg(R"svg(<text id="t" x="10" y="20">Cut <tspan>here</tspan></text>
             <image id="i" x="10" y="10" width="50" height="20" href="a.png"/>)svg"));
  const auto& items = drawing.layers.at(0).items;
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].kind, Item::Kind::kText);
  EXPECT_EQ(items[0].text, "Cut here");
  ExpectPoint(items[0].origin, 10, 80, "baseline start");
  EXPECT_EQ(items[1].kind, Item::Kind::kPlaced);
  ExpectPoint(items[1].lowerLeft, 10, 70, "image lower left");
  ExpectPoint(items[1].upperRight, 60, 90, "image upper right");
}

struct BadCase {
  const char* text;
  const char* message;
};

class BadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadInput, IsReportedWithFileAndLine) {
  try {
    svg::ImportSvgText(GetParam().text, "in.svg");
    FAIL() << "no error for " << GetParam().text;
  } catch (const svg::ImportError& error) {
    EXPECT_EQ(std::string(error.what()), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadInput,
    ::testing::Values(
        BadCase{"<svg", "in.svg:1: not well-formed XML: Error parsing start element tag"},
        BadCase{"", "in.svg:1: not well-formed XML: No document element found"},
        BadCase{"<html/>", "in.svg:1: the root element is not <svg>"},
        BadCase{"<svg\n/>",
                "in.svg:1: the drawing gives no page size: no width and height in absolute units "
                "and no viewBox"},
        BadCase{R"svg(<svg width="wide" height="2"/>)svg",
                "in.svg:1: the root's width \"wide\" is not a length"},
        BadCase{"<svg width=\"9\" height=\"9\">\n\n<rect width=\"3furlongs\" height=\"1\"/></svg>",
                "in.svg:3: the width \"3furlongs\" is not a length"},
        BadCase{"<svg width=\"9\" height=\"9\"><polygon points=\"0,0 1,x\"/></svg>",
                "in.svg:1: the points \"0,0 1,x\" are not numbers"}),
    test_support::NameBy(&BadCase::text));

TEST(SvgImport, UnreadableFileIsReportedByName) {
  try {
    svg::ImportSvgFile("/nonexistent/drawing.svg");
    FAIL();
  } catch (const svg::ImportError& error) {
    EXPECT_EQ(std::string(error.what()), "/nonexistent/drawing.svg: cannot be read");
  }
}

TEST(SvgImport, LengthsInShapesMayCarryUnits) {
  const auto drawing =
      svg::ImportSvgText(Svg(R"svg(<rect x="0.75pt" y="1px" width="3pt" height="1in"/>)svg"));
  ExpectPoint(OnlyItem(drawing).outline.anchors.at(0).p, 1, 99, "x 0.75 pt is one user unit");
}

TEST(SvgImport, TagsAndLockingComeBackFromOurNamespace) {
  const auto drawing = svg::ImportSvgText(Svg(
      R"svg(<path xmlns:k="urn:kerfworks:tags" k:KerfworksCutMark="0003" sodipodi:insensitive="true" d="M0,0 L1,1"/>)svg"));
  const Item& item = OnlyItem(drawing);
  EXPECT_EQ(item.tags, (std::map<std::string, std::string>{{"KerfworksCutMark", "0003"}}));
  EXPECT_TRUE(item.locked);
}

// A file's text is given back as its art is read, which must take nothing that is still to be
// read: the file reads as the same text does, across many huge pages, a layer and a <defs>.
TEST(SvgImport, LargeFileReadsAsItsTextDoes) {
  std::string body;
  auto paths = [&body](int count) {
    for (int i = 0; i < count; ++i) {
      body += "<path id=\"p" + std::to_string(i) + "\" d=\"M" + std::to_string(i % 190) + ",5";
      for (int k = 0; k < 150; ++k) body += " l1.125," + std::to_string(k % 7) + ".25";
      body += "\" fill=\"#0a0\"/>\n";
    }
  };
  paths(1200);
  body += "<defs><linearGradient id=\"g\"/></defs><g inkscape:groupmode=\"layer\">";
  paths(900);
  body += "</g>";
  paths(900);
  const std::string text = Svg(body);
  const std::string path = ::testing::TempDir() + "large_drawing.svg";
  std::ofstream(path, std::ios::binary) << text;
  const svg::Drawing fromFile = svg::ImportSvgFile(path), fromText = svg::ImportSvgText(text);
  std::remove(path.c_str());
  ASSERT_EQ(fromFile.layers.size(), 2u);
  EXPECT_TRUE(fromFile.omissions.empty());
  for (std::size_t layer = 0; layer < fromFile.layers.size(); ++layer) {
    const auto &got = fromFile.layers[layer].items, &want = fromText.layers[layer].items;
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      ASSERT_EQ(got[i].id, want[i].id);
      ASSERT_EQ(got[i].outline.anchors.size(), 151u) << got[i].id;
      EXPECT_EQ(got[i].outline.anchors.back().p, want[i].outline.anchors.back().p) << got[i].id;
      EXPECT_TRUE(got[i].style.fill.on) << got[i].id;
    }
  }
}

}  // namespace
