// The rules of reading real drawings, each shown by the small drawing that once went wrong.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "support/param_names.h"
#include "tools/kwhost/svg/svg_colour.h"
#include "tools/kwhost/svg/svg_import.h"
#include "tools/kwhost/svg/svg_omissions.h"

namespace {

using svg::Item;

// 200 x 100 pt, one user unit to the point: page (x, 100 - y).
std::string Svg(const std::string& body, const std::string& root = "") {
  return R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink")"
         R"( xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape")"
         R"( width="200pt" height="100pt" viewBox="0 0 200 100" )" +
         root + ">" + body + "</svg>";
}

const Item* Find(const std::vector<Item>& items, const std::string& id) {
  for (const Item& item : items) {
    if (item.id == id) return &item;
    if (const Item* inside = Find(item.children, id)) return inside;
  }
  return nullptr;
}

const Item& Find(const svg::Drawing& drawing, const std::string& id) {
  for (const svg::Layer& layer : drawing.layers) {
    if (const Item* found = Find(layer.items, id)) return *found;
  }
  throw std::runtime_error("no item " + id);
}

void EachPath(const std::vector<Item>& items, const std::function<void(const Item&)>& visit) {
  for (const Item& item : items) {
    if (item.kind == Item::Kind::kPath) visit(item);
    EachPath(item.children, visit);
  }
}

std::vector<const Item*> Paths(const svg::Drawing& drawing) {
  std::vector<const Item*> paths;
  for (const svg::Layer& layer : drawing.layers)
    EachPath(layer.items, [&](const Item& path) { paths.push_back(&path); });
  return paths;
}

// "none", or a colour as CSS writes it.
void ExpectPaint(const svg::Paint& paint, const std::string& expected, const std::string& what) {
  if (expected == "none") {
    EXPECT_FALSE(paint.on) << what;
    return;
  }
  const auto colour = svg::ParseColour(expected);
  ASSERT_TRUE(colour) << expected;
  EXPECT_TRUE(paint.on) << what;
  EXPECT_NEAR(paint.red, colour->red, 1e-9) << what;
  EXPECT_NEAR(paint.green, colour->green, 1e-9) << what;
  EXPECT_NEAR(paint.blue, colour->blue, 1e-9) << what;
}

void ExpectAt(const svg::Point& p, double x, double y, const std::string& what) {
  EXPECT_NEAR(p.x, x, 1e-9) << what;
  EXPECT_NEAR(p.y, y, 1e-9) << what;
}

struct StyleCase {
  const char* body;  // styles the element with id "t"
  const char* fill;
  const char* stroke;
};

class Styles : public ::testing::TestWithParam<StyleCase> {};

TEST_P(Styles, Cascade) {
  const auto drawing = svg::ImportSvgText(Svg(GetParam().body));
  const Item& item = Find(drawing, "t");
  ExpectPaint(item.style.fill, GetParam().fill, std::string(GetParam().body) + " fill");
  ExpectPaint(item.style.stroke, GetParam().stroke, std::string(GetParam().body) + " stroke");
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Styles,
    ::testing::Values(
        // The drawing application's own export: a class says stroke only.
        StyleCase{
            R"(<style>.st0{fill:none;stroke:#000}</style><path id="t" class="st0" d="M0,0 H9"/>)",
            "none", "black"},
        StyleCase{"<style>path{fill:red}</style><path id='t' d='M0,0 H9'/>", "red", "none"},
        StyleCase{"<style>*{stroke:blue}</style><path id='t' d='M0,0 H9'/>", "black", "blue"},
        StyleCase{
            "<style>#t{fill:red} .c.d{fill:blue}</style><path id='t' class='d c' d='M0,0 H9'/>",
            "red", "none"},
        StyleCase{"<style>.c{fill:red} .c{fill:lime}</style><path id='t' class='c' d='M0,0 H9'/>",
                  "lime", "none"},
        StyleCase{"<style>g path{fill:red}</style><g><g><path id='t' d='M0,0 H9'/></g></g>", "red",
                  "none"},
        StyleCase{"<style>svg > path{fill:red}</style><g><path id='t' d='M0,0 H9'/></g>", "black",
                  "none"},
        StyleCase{"<style>g > path{fill:red}</style><g><path id='t' d='M0,0 H9'/></g>", "red",
                  "none"},
        StyleCase{"<style>.a, rect, path{fill:red}</style><path id='t' d='M0,0 H9'/>", "red",
                  "none"},
        StyleCase{"<style>[data-cut]{stroke:red} [data-kind=\"x\"]{fill:none}</style>"
                  "<path id='t' data-cut='' data-kind='x' d='M0,0 H9'/>",
                  "none", "red"},
        StyleCase{"<style>[data-kind=y]{fill:none}</style><path id='t' data-kind='x' d='M0,0 H9'/>",
                  "black", "none"},
        StyleCase{"<style>path:hover{fill:red}</style><path id='t' d='M0,0 H9'/>", "black", "none"},
        // Sheets beat presentation attributes, style="" beats sheets, !important beats all.
        StyleCase{"<style>.c{fill:red}</style><path id='t' class='c' fill='blue' d='M0,0 H9'/>",
                  "red", "none"},
        StyleCase{
            "<style>.c{fill:red}</style><path id='t' class='c' style='fill:blue' d='M0,0 H9'/>",
            "blue", "none"},
        StyleCase{"<style>.c{fill:red !important}</style>"
                  "<path id='t' class='c' style='fill:blue' d='M0,0 H9'/>",
                  "red", "none"},
        StyleCase{"<style>/* .c{fill:red} */ @media print { .c{fill:blue} } .c{stroke:lime}</style>"
                  "<path id='t' class='c' d='M0,0 H9'/>",
                  "black", "lime"},
        StyleCase{"<g fill='red'><path id='t' fill='blue' style='fill:inherit' d='M0,0 H9'/></g>",
                  "red", "none"},
        StyleCase{"<g color='red'><path id='t' fill='currentColor' stroke='currentColor' "
                  "d='M0,0 H9'/></g>",
                  "red", "red"},
        // currentColor is inherited as itself: each element paints with its own colour.
        StyleCase{"<g fill='currentColor' color='red'><path id='t' color='blue' d='M0,0 H9'/></g>",
                  "blue", "none"},
        StyleCase{"<path id='t' fill='Black' stroke='Silver' d='M0,0 H9'/>", "black", "silver"},
        StyleCase{
            "<linearGradient id='g'><stop offset='0' style='stop-color:#123456'/></linearGradient>"
            "<path id='t' stroke='url(#g)' fill='none' d='M0,0 H9'/>",
            "none", "#123456"},
        StyleCase{"<linearGradient id='base'><stop stop-color='lime'/></linearGradient>"
                  "<radialGradient id='g' xlink:href='#base'/>"
                  "<path id='t' fill='url(#g)' d='M0,0 H9'/>",
                  "lime", "none"},
        StyleCase{"<path id='t' fill='url(#missing) red' stroke='url(#missing)' d='M0,0 H9'/>",
                  "red", "none"},
        StyleCase{"<g fill='red'><path id='t' fill='bluish' d='M0,0 H9'/></g>", "red", "none"},
        StyleCase{"<g><path id='t' fill='context-stroke' d='M0,0 H9'/></g>", "black", "none"}),
    test_support::NameBy(&StyleCase::body));

struct StrokeWidthCase {
  const char* body;
  double width;
};

class StrokeWidths : public ::testing::TestWithParam<StrokeWidthCase> {};

TEST_P(StrokeWidths, InUserUnitsScaledToThePage) {
  const auto drawing = svg::ImportSvgText(Svg(GetParam().body));
  EXPECT_NEAR(Find(drawing, "t").style.strokeWidth, GetParam().width, 1e-9) << GetParam().body;
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, StrokeWidths,
    ::testing::Values(
        StrokeWidthCase{"<path id='t' stroke-width='3px' d='M0,0 H9'/>", 3},
        StrokeWidthCase{"<path id='t' style='stroke-width:1mm' d='M0,0 H9'/>", 96 / 25.4},
        StrokeWidthCase{"<g font-size='20'><path id='t' stroke-width='0.5em' d='M0,0 H9'/></g>",
                        10},
        // Of the viewport's diagonal over the square root of two.
        StrokeWidthCase{"<path id='t' stroke-width='10%' d='M0,0 H9'/>",
                        0.1 * std::hypot(200, 100) / std::sqrt(2.0)},
        StrokeWidthCase{"<g stroke-width='4'><path id='t' stroke-width='x' d='M0,0 H9'/></g>", 4}),
    test_support::NameBy(&StrokeWidthCase::body));

struct StrokeShapeCase {
  const char* body;
  int cap, join;
  double miterLimit;
  std::vector<double> dashes;
  double dashOffset;
};

class StrokeShapes : public ::testing::TestWithParam<StrokeShapeCase> {};

TEST_P(StrokeShapes, CapsJoinsAndDashesAreReadAndInherited) {
  const svg::Style style = Find(svg::ImportSvgText(Svg(GetParam().body)), "t").style;
  EXPECT_EQ(style.lineCap, GetParam().cap);
  EXPECT_EQ(style.lineJoin, GetParam().join);
  EXPECT_EQ(style.miterLimit, GetParam().miterLimit);
  EXPECT_EQ(style.dashes, GetParam().dashes);
  EXPECT_EQ(style.dashOffset, GetParam().dashOffset);
}

INSTANTIATE_TEST_SUITE_P(
    Strokes, StrokeShapes,
    ::testing::Values(StrokeShapeCase{"<path id='t' stroke-linecap='round' stroke-linejoin='bevel' "
                                      "stroke-miterlimit='10' d='M0,0 H9'/>",
                                      1,
                                      2,
                                      10,
                                      {},
                                      0},
                      // An odd dash list is repeated; lengths are inherited.
                      StrokeShapeCase{"<g style='stroke-linejoin:round;stroke-dasharray:4,2 1'>"
                                      "<path id='t' d='M0,0 H9'/></g>",
                                      0,
                                      1,
                                      4,
                                      {4, 2, 1, 4, 2, 1},
                                      0},
                      // Zeros draw solid; SVG 2's miter variants are miters.
                      StrokeShapeCase{"<path id='t' stroke-dasharray='0 0' stroke-dashoffset='3' "
                                      "stroke-linejoin='arcs' d='M0,0 H9'/>",
                                      0,
                                      0,
                                      4,
                                      {},
                                      3},
                      // Unreadable values leave the inherited ones.
                      StrokeShapeCase{
                          "<g stroke-linecap='square' stroke-dasharray='5'><path id='t' "
                          "stroke-linecap='wobbly' stroke-dasharray='-1 2' stroke-miterlimit='0.5' "
                          "d='M0,0 H9'/></g>",
                          2,
                          0,
                          4,
                          {5, 5},
                          0}),
    test_support::NameBy(&StrokeShapeCase::body));

struct PlacementCase {
  const char* body;       // draws the path "t" from (0, 0) to (10, 10) in its user units
  double x0, y0, x1, y1;  // on the page
};

class Placements : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placements, OfThePathsEnds) {
  const auto drawing = svg::ImportSvgText(Svg(GetParam().body));
  const auto& anchors = Find(drawing, "t").outline.anchors;
  ASSERT_EQ(anchors.size(), 2u);
  ExpectAt(anchors[0].p, GetParam().x0, GetParam().y0, std::string(GetParam().body) + " start");
  ExpectAt(anchors[1].p, GetParam().x1, GetParam().y1, std::string(GetParam().body) + " end");
}

#define NESTED(ratio)                                                                        \
  "<svg x='0' y='0' width='100' height='50' viewBox='0 0 10 10' preserveAspectRatio='" ratio \
  "'><path id='t' d='M0,0 L10,10'/></svg>"

INSTANTIATE_TEST_SUITE_P(
    Viewports, Placements,
    ::testing::Values(
        PlacementCase{NESTED(""), 25, 100, 75, 50},
        PlacementCase{NESTED("xMinYMin meet"), 0, 100, 50, 50},
        PlacementCase{NESTED("xMaxYMax"), 50, 100, 100, 50},
        PlacementCase{NESTED("none"), 0, 100, 100, 50},
        PlacementCase{NESTED("xMidYMid slice"), 0, 125, 100, 25},
        PlacementCase{NESTED("xMinYMax slice"), 0, 150, 100, 50},
        PlacementCase{"<svg x='10%' y='20' width='30' height='30'><path id='t' d='M0,0 L10,10'/>"
                      "</svg>",
                      20, 80, 30, 70}),
    test_support::NameBy(&PlacementCase::body));

TEST(Viewports, TheRootsAspectRatioFitsTheViewBoxToThePage) {
  const auto drawing = svg::ImportSvgText(
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="200pt" height="100pt" viewBox="0 0 10 10" preserveAspectRatio="none"><path id="t" d="M0,0 L10,10"/></svg>)");
  const auto& anchors = Find(drawing, "t").outline.anchors;
  ExpectAt(anchors[1].p, 200, 0, "stretched corner");
}

struct UseCase {
  const char* body;
  std::vector<double> startsX;  // of every path, in paint order
  std::vector<bool> copied;
};

class Uses : public ::testing::TestWithParam<UseCase> {};

TEST_P(Uses, CopiesAreOrdinaryArt) {
  const auto drawing = svg::ImportSvgText(Svg(GetParam().body));
  const auto paths = Paths(drawing);
  ASSERT_EQ(paths.size(), GetParam().startsX.size()) << GetParam().body;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    EXPECT_NEAR(paths[i]->outline.anchors.at(0).p.x, GetParam().startsX[i], 1e-9)
        << GetParam().body << " path " << i;
    EXPECT_EQ(paths[i]->copied, GetParam().copied[i]) << GetParam().body << " path " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Copies, Uses,
    ::testing::Values(UseCase{"<defs><path id='p' d='M1,0 H9'/></defs><use href='#p' x='10'/>"
                              "<use xlink:href='#p' transform='translate(20)' x='1'/>",
                              {11, 22},
                              {true, true}},
                      UseCase{"<path id='p' d='M1,0 H9'/><g id='pair'><use href='#p' x='10'/></g>"
                              "<use href='#pair' x='100'/>",
                              {1, 11, 111},
                              {false, true, true}},
                      // A symbol's viewBox fits into the use's width and height: 2 units to 1.
                      UseCase{"<symbol id='s' viewBox='0 0 20 20'><path d='M10,0 H20'/></symbol>"
                              "<use href='#s' x='50' width='10' height='10'/>",
                              {55},
                              {true}},
                      // A use of itself, of its own group, of another file, or of nothing: no copy.
                      UseCase{"<g id='loop'><path d='M1,0 H2'/><use href='#loop'/></g>"
                              "<use id='a' href='#b'/><use id='b' href='#a'/>"
                              "<use href='other.svg#p'/><use href='#nothing'/><use/>",
                              {1},
                              {false}}),
    test_support::NameBy(&UseCase::body));

TEST(Uses, CopiesKeepTheirSourceAndAreSelectedByTheUsesId) {
  const std::string text =
      Svg("<defs><g id='art'><path id='p' d='M1,0 H9'/></g></defs><use id='u' href='#art'/>");
  const auto drawing = svg::ImportSvgText(text);
  const Item& use = Find(drawing, "u");
  EXPECT_EQ(use.source, static_cast<std::ptrdiff_t>(text.find("<use")) + 1);
  EXPECT_FALSE(use.copied);
  const Item& group = use.children.at(0);
  EXPECT_EQ(group.source, static_cast<std::ptrdiff_t>(text.find("<g id='art'")) + 1);
  EXPECT_TRUE(group.copied);
  EXPECT_EQ(group.children.at(0).source, static_cast<std::ptrdiff_t>(text.find("<path")) + 1);
  EXPECT_TRUE(group.id.empty()) << "the original's id stays with the original";
}

TEST(Uses, ContextPaintsTakeTheUsesPaint) {
  const auto drawing = svg::ImportSvgText(
      Svg("<defs><path id='p' fill='context-stroke' stroke='context-fill' d='M1,0 H9'/></defs>"
          "<use href='#p' fill='red' stroke='blue'/>"));
  const auto paths = Paths(drawing);
  ASSERT_EQ(paths.size(), 1u);
  ExpectPaint(paths[0]->style.fill, "blue", "fill");
  ExpectPaint(paths[0]->style.stroke, "red", "stroke");
}

struct SwitchCase {
  const char* language;
  const char* chosen;
};

class Switches : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(Switches, DrawTheFirstChildThatPasses) {
  const auto drawing = svg::ImportSvgText(
      Svg("<switch><path id='x' requiredExtensions='http://example.org/x' d='M0,0 H1'/>"
          "<path id='fr' systemLanguage='fr' d='M0,0 H1'/>"
          "<path id='en' systemLanguage='de, en-GB' d='M0,0 H1'/>"
          "<path id='any' d='M0,0 H1'/></switch>"),
      "s.svg", svg::ImportOptions{GetParam().language});
  const auto paths = Paths(drawing);
  ASSERT_EQ(paths.size(), 1u) << GetParam().language;
  EXPECT_EQ(paths[0]->id, GetParam().chosen) << GetParam().language;
}

INSTANTIATE_TEST_SUITE_P(Languages, Switches,
                         ::testing::Values(SwitchCase{"en", "en"}, SwitchCase{"fr", "fr"},
                                           SwitchCase{"ja", "any"}),
                         test_support::NameBy(&SwitchCase::language));

struct NamespaceCase {
  const char* text;
  std::size_t paths;
};

class Namespaces : public ::testing::TestWithParam<NamespaceCase> {};

TEST_P(Namespaces, SvgElementsUnderAnyPrefix) {
  EXPECT_EQ(Paths(svg::ImportSvgText(GetParam().text)).size(), GetParam().paths) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, Namespaces,
    ::testing::Values(
        NamespaceCase{"<svg:svg xmlns:svg='http://www.w3.org/2000/svg' width='9' height='9'>"
                      "<svg:g><svg:path d='M0,0 H1'/><svg:rect width='1' height='1'/></svg:g>"
                      "</svg:svg>",
                      2},
        NamespaceCase{"<svg width='9' height='9'><path d='M0,0 H1'/></svg>", 1},
        NamespaceCase{"<svg xmlns='http://www.w3.org/2000/svg' xmlns:o='urn:other' width='9' "
                      "height='9'><o:path d='M0,0 H1'/><path d='M0,0 H1'/></svg>",
                      1}),
    test_support::NameBy(&NamespaceCase::text));

struct PageCase {
  const char* root;
  double width, height;
};

class Pages : public ::testing::TestWithParam<PageCase> {};

TEST_P(Pages, SizeFromWhatTheRootGives) {
  const auto drawing = svg::ImportSvgText(std::string("<svg ") + GetParam().root + "/>");
  EXPECT_NEAR(drawing.widthPoints, GetParam().width, 1e-9) << GetParam().root;
  EXPECT_NEAR(drawing.heightPoints, GetParam().height, 1e-9) << GetParam().root;
}

INSTANTIATE_TEST_SUITE_P(
    Roots, Pages,
    ::testing::Values(PageCase{"width='100%' height='100%' viewBox='0 0 40 20'", 30, 15},
                      PageCase{"width='80pt' viewBox='0 0 40 20'", 80, 40},
                      PageCase{"height='10pt' viewBox='0 0 40 20'", 20, 10},
                      PageCase{"width='1in' height='2.54cm'", 72, 72},
                      PageCase{"width='4Q' height='1pc'", 72 / 25.4, 12},
                      PageCase{"width='2em' height='1ex'", 24, 6}),
    test_support::NameBy(&PageCase::root));

TEST(Pages, WithoutAnythingToGiveASizeAreRefusedSayingSo) {
  for (const char* root : {"<svg/>", "<svg width='100%' height='100%'/>", "<svg width='10'/>"}) {
    try {
      svg::ImportSvgText(root, "in.svg");
      ADD_FAILURE() << root;
    } catch (const svg::ImportError& error) {
      EXPECT_STREQ(error.what(),
                   "in.svg:1: the drawing gives no page size: no width and height in absolute "
                   "units and no viewBox");
    }
  }
}

TEST(Lengths, PercentagesOfTheNearestViewportAndFontRelativeUnits) {
  const auto drawing = svg::ImportSvgText(
      Svg("<rect id='r' x='10%' y='50%' width='5%' height='2em' font-size='5'/>"
          "<svg x='100' width='50' height='50'><circle id='c' cx='50%' cy='50%' r='10%'/></svg>"));
  const auto& rect = Find(drawing, "r").outline.anchors;
  ExpectAt(rect.at(0).p, 20, 50, "rect corner");
  ExpectAt(rect.at(2).p, 30, 40, "opposite corner");
  ExpectAt(Find(drawing, "c").outline.anchors.at(0).p, 130, 75, "rightmost point of the circle");
}

TEST(Layers, LooseArtAroundALayerAllGoesOnTheLooseLayer) {
  const auto drawing = svg::ImportSvgText(
      Svg("<rect id='a' width='1' height='1'/><g inkscape:groupmode='layer' inkscape:label='L'/>"
          "<rect id='b' width='1' height='1'/>"));
  ASSERT_EQ(drawing.layers.size(), 2u);
  EXPECT_EQ(drawing.layers[0].name, "Layer 1");
  ASSERT_EQ(drawing.layers[0].items.size(), 2u);
  EXPECT_EQ(drawing.layers[0].items[0].id, "a");
  EXPECT_EQ(drawing.layers[0].items[1].id, "b");
  EXPECT_TRUE(drawing.layers[1].items.empty());
}

TEST(Omissions, AreCountedAndToldInOneLine) {
  const std::string text = Svg(R"svg(
<clipPath id="c"><rect width="5" height="5"/></clipPath>
<path clip-path="url(#c)" d="M0,0 H1"/><path clip-path="url(#c)" d="M0,0 H1"/>
<g clip-path="url(#c)"><path d="M0,0 H1"/></g>
<path mask="url(#m)" d="M0,0 H1"/>
<image href="a.png" width="1" height="1"/><image href="b.png" width="1" height="1"/>
<text>words</text>
<foreignObject/><video/>
<path style="marker-end:url(#arrow)" d="M0,0 H1"/>
<path transform="spin(3)" d="M0,0 H1"/>
<use href="#nothing"/>
<style>a + b{fill:red}</style>
<path fill="bluish" d="M0,0 H1"/>
<path d="M0,0 H1 L"/>)svg");
  const auto drawing = svg::ImportSvgText(text);
  EXPECT_EQ(Paths(drawing).size(), 8u) << "the broken path drawn up to its error";
  EXPECT_EQ(svg::LeftOutLine(drawing.omissions),
            "left out: 3 clip paths (clipped art is cut whole), 1 mask (masked art is cut whole), "
            "1 shape's markers, 2 images, 1 text not outlined, 1 foreign object, "
            "1 unknown element <video> (line 8), 1 unreadable colour \"bluish\" (line 13), "
            "1 unreadable value transform \"spin(3)\" (line 10), "
            "1 broken reference \"#nothing\" (line 11), "
            "1 unsupported selector \"a + b\" (line 12), "
            "1 path drawn up to its broken data \"M0,0 H1 L\" (a number was expected at the end) "
            "(line 14)");
}

TEST(Omissions, NothingLeftOutSaysNothing) {
  EXPECT_EQ(svg::LeftOutLine(svg::ImportSvgText(Svg("<path d='M0,0 H1'/>")).omissions), "");
}

TEST(Omissions, HiddenPathsStayAndAreCounted) {
  const auto drawing = svg::ImportSvgText(
      Svg("<path visibility='hidden' d='M0,0 H1'/><g display='none'><path d='M0,0 H1'/></g>"
          "<g inkscape:groupmode='layer' style='display:none'><path d='M0,0 H1'/></g>"
          "<path d='M0,0 H1'/>"));
  EXPECT_EQ(Paths(drawing).size(), 4u);
  EXPECT_EQ(svg::HiddenPaths(drawing), 3);
}

}  // namespace

namespace {

struct SpanCase {
  const char* characters;
  std::optional<svg::Point> start;
  svg::Point shift;
  const char* family;
  double size;
  int weight;
  bool italic;
  int anchor;
};

TEST(Text, RunsCarryTheirFontStartAndCollapsedSpace) {
  const auto drawing = svg::ImportSvgText(Svg(R"svg(
<style>.b{font-weight:bold}</style>
<text id="t" x="10 20" y="30" font-family="DejaVu Sans, sans-serif" font-size="12"
      text-anchor="middle" transform="translate(0,10)">
   Cut   <tspan class="b" dx="2" font-style="italic" font-size="2em">here</tspan>
  <tspan x="5" y="60" text-anchor="end" font-weight="300">now </tspan>  </text>
<text id="p" xml:space="preserve" font-size="larger"> a	b </text>)svg"));
  const Item& text = Find(drawing, "t");
  EXPECT_EQ(text.kind, Item::Kind::kText);
  const SpanCase expected[] = {
      {"Cut ", svg::Point{10, 30}, {}, "DejaVu Sans, sans-serif", 12, 400, false, 1},
      {"here", std::nullopt, {2, 0}, "DejaVu Sans, sans-serif", 24, 700, true, 1},
      {" ", std::nullopt, {}, "DejaVu Sans, sans-serif", 12, 400, false, 1},
      {"now", svg::Point{5, 60}, {}, "DejaVu Sans, sans-serif", 12, 300, false, 2},
  };
  ASSERT_EQ(text.spans.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const svg::TextSpan& span = text.spans[i];
    const SpanCase& want = expected[i];
    SCOPED_TRACE(want.characters);
    EXPECT_EQ(span.characters, want.characters);
    EXPECT_EQ(span.start, want.start);
    EXPECT_EQ(span.shift, want.shift);
    EXPECT_EQ(span.fontFamily, want.family);
    EXPECT_DOUBLE_EQ(span.fontSize, want.size);
    EXPECT_EQ(span.fontWeight, want.weight);
    EXPECT_EQ(span.italic, want.italic);
    EXPECT_EQ(span.anchor, want.anchor);
  }
  // User (x, y) lands on the page at (x, 100 - (y + 10)).
  const double* m = text.textMatrix;
  EXPECT_DOUBLE_EQ(m[0] * 10 + m[2] * 30 + m[4], 10);
  EXPECT_DOUBLE_EQ(m[1] * 10 + m[3] * 30 + m[5], 60);
  ExpectAt(text.origin, 10, 60, "origin");

  const Item& kept = Find(drawing, "p");
  ASSERT_EQ(kept.spans.size(), 1u);
  EXPECT_EQ(kept.spans[0].characters, " a b ");
  EXPECT_DOUBLE_EQ(kept.spans[0].fontSize, 16 * 1.2);
}

}  // namespace
