#include <gtest/gtest.h>

#include "same_document.h"
#include "standin/core/host.h"
#include "standin/scenario/document_view.h"
#include "tools/kwhost/drawing_loader.h"
#include "tools/kwhost/svg/svg_import.h"

namespace {

standin::HostOptions NoModule() {
  standin::HostOptions options;
  options.modulePath = "";
  return options;
}

constexpr char kSheet[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg"
    xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
    xmlns:kw="urn:kerfworks:tags" width="100pt" height="50pt" viewBox="0 0 100 50">
  <g inkscape:groupmode="layer" inkscape:label="Cut">
    <rect id="box" x="10" y="10" width="20" height="10" fill="#ff0000" kw:KerfworksCutMark="0001"/>
    <g id="pair"><circle id="a" cx="50" cy="25" r="5" stroke="#000" stroke-linecap="round" stroke-linejoin="bevel" stroke-miterlimit="8" stroke-dasharray="3 1" stroke-dashoffset="2"/><path id="ring" d="M0,0 h4 v4 h-4 z M1,1 h2 v2 h-2 z"/></g>
  </g>
  <g inkscape:groupmode="layer" inkscape:label="Print" style="display:none">
    <text id="words" x="1" y="40">hello</text>
  </g>
</svg>)svg";

TEST(DrawingLoader, PutsLayersArtSegmentsAndStylesIntoTheDocument) {
  standin::Host host(NoModule());
  const auto loaded = kwhost::LoadDrawing(svg::ImportSvgText(kSheet), host.Documents());
  const standin::DocumentView view(host.Documents());
  EXPECT_FLOAT_EQ(view.Doc().setup.width, 100);
  EXPECT_FLOAT_EQ(view.Doc().setup.height, 50);
  EXPECT_EQ(view.LayerTitle(view.Find("box")), "Cut");
  EXPECT_EQ(view.LayerTitle(view.Find("words")), "Print");
  EXPECT_EQ(host.Documents().FindLayer(view.Doc().currentLayer)->title, "Cut");
  EXPECT_FALSE(host.Documents().FindLayer(view.Layer("Print"))->visible);

  const standin::ArtObject& box = view.Art("box");
  EXPECT_EQ(box.type, kPathArt);
  ASSERT_EQ(box.segments.size(), 4u);
  EXPECT_TRUE(box.closed);
  EXPECT_FLOAT_EQ(box.segments[0].p.h, 10);
  EXPECT_FLOAT_EQ(box.segments[0].p.v, 40);
  EXPECT_TRUE(box.style.fillPaint);
  EXPECT_FLOAT_EQ(box.style.fill.color.c.rgb.red, 1);
  EXPECT_FALSE(box.style.strokePaint);
  EXPECT_EQ(view.TagValue(view.Find("box"), "KerfworksCutMark"), "0001");

  // The stroke's shape goes with it, for the host's outline stroke.
  const AIStrokeStyle& stroke = view.Art("a").style.stroke;
  EXPECT_EQ(stroke.cap, 1);
  EXPECT_EQ(stroke.join, 2);
  EXPECT_FLOAT_EQ(stroke.miterLimit, 8);
  ASSERT_EQ(stroke.dash.length, 2);
  EXPECT_FLOAT_EQ(stroke.dash.array[0], 3);
  EXPECT_FLOAT_EQ(stroke.dash.array[1], 1);
  EXPECT_FLOAT_EQ(stroke.dash.offset, 2);

  EXPECT_EQ(view.Art("pair").type, kGroupArt);
  EXPECT_EQ(view.Art("ring").type, kCompoundPathArt);
  EXPECT_EQ(view.Art("ring").children.size(), 2u);
  EXPECT_EQ(view.Art("words").type, kTextArt);
  EXPECT_EQ(loaded.paths, 4);
  EXPECT_TRUE(host.Leftovers().empty());
}

TEST(DrawingLoader, SelectingAGroupSelectsEverythingInside) {
  standin::Host host(NoModule());
  const auto loaded = kwhost::LoadDrawing(svg::ImportSvgText(kSheet), host.Documents());
  kwhost::SelectById(loaded, {"pair"}, host.Documents());
  const standin::DocumentView view(host.Documents());
  EXPECT_TRUE(view.Selected(view.Find("pair")));
  EXPECT_TRUE(view.Selected(view.Find("a")));
  EXPECT_TRUE(view.Selected(view.Find("ring")));
  for (AIArtHandle part : view.Art("ring").children) EXPECT_TRUE(view.Selected(part));
  EXPECT_FALSE(view.Selected(view.Find("box")));
  EXPECT_THROW(kwhost::SelectById(loaded, {"nothing"}, host.Documents()), kwhost::SelectionError);
}

// Art read straight into the document lands as when the drawing is read whole: loose art after a
// layer goes back to the loose art's layer, below that layer.
TEST(DrawingLoader, ArtHandedOverWhileReadingMakesTheSameDocument) {
  const std::string drawing = R"svg(<svg xmlns="http://www.w3.org/2000/svg"
      xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape" width="100" height="50">
    <rect id="first" width="5" height="5"/>
    <g inkscape:groupmode="layer" inkscape:label="Cut"><path id="p" d="M0,0 H9" stroke="#000"/></g>
    <g id="late"><rect width="9" height="9" style="display:none"/></g>
  </svg>)svg";
  standin::DocumentModel whole, streamed;
  const auto wholeLoaded = kwhost::LoadDrawing(svg::ImportSvgText(drawing), whole);
  kwhost::DocumentLoader loader(streamed, kwhost::Snapshot::kTake);
  const auto loaded = loader.Finish(svg::ImportSvgText(drawing, "in.svg", {}, loader));
  kwhost_test::ExpectSameDocument(whole, streamed);
  EXPECT_EQ(standin::DocumentView(streamed).LayerTitle(loaded.byId.at("late")),
            svg::kDefaultLayerName);
  EXPECT_EQ(loaded.paths, 3);
  EXPECT_EQ(loaded.hiddenPaths, 1);
  EXPECT_EQ(loaded.asLoaded.size(), wholeLoaded.asLoaded.size());
}

}  // namespace
