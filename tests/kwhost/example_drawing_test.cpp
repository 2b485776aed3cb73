// The drawing the demo runs on: it must open, hold what it is meant to show, and save unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "same_document.h"
#include "standin/scenario/document_view.h"
#include "tools/kwhost/document_export.h"
#include "tools/kwhost/drawing_loader.h"
#include "tools/kwhost/svg/svg_import.h"

namespace {

const std::string kStickerSheet = KW_SOURCE_DIR "/examples/sticker_sheet.svg";

TEST(StickerSheet, OpensWithShapesToCutAndALayerOnlyPrinted) {
  standin::DocumentModel model;
  const auto loaded = kwhost::LoadDrawing(svg::ImportSvgFile(kStickerSheet), model);
  const standin::DocumentView view(model);
  EXPECT_NEAR(view.Doc().setup.width, 595.2756, 1e-3) << "A4";
  EXPECT_NEAR(view.Doc().setup.height, 841.8898, 1e-3);
  EXPECT_EQ(model.FindLayer(view.Doc().currentLayer)->title, "Cut");

  struct Shape {
    const char* id;
    std::int16_t type;
    std::size_t paths;
  };
  for (const Shape& shape :
       {Shape{"sun", kPathArt, 1}, Shape{"badge", kPathArt, 1}, Shape{"star", kPathArt, 1},
        Shape{"ring", kCompoundPathArt, 2}, Shape{"letter-c", kPathArt, 1},
        Shape{"letter-u", kPathArt, 1}, Shape{"letter-t", kPathArt, 1}}) {
    SCOPED_TRACE(shape.id);
    const standin::ArtObject& art = view.Art(shape.id);
    EXPECT_EQ(art.type, shape.type);
    EXPECT_EQ(view.LayerTitle(view.Find(shape.id)), "Cut");
    EXPECT_EQ(std::max<std::size_t>(art.children.size(), 1), shape.paths);
    const standin::ArtObject& outline =
        art.children.empty() ? art : *model.FindArt(art.children.front());
    EXPECT_TRUE(outline.closed);
    EXPECT_TRUE(outline.style.fillPaint && outline.style.strokePaint) << "painted, so it is cut";
  }
  EXPECT_EQ(view.Art("lettering").type, kGroupArt);
  EXPECT_EQ(view.Art("star").segments.size(), 10u);
  EXPECT_EQ(loaded.paths, 8);

  EXPECT_EQ(view.Art("title").type, kTextArt);
  EXPECT_EQ(view.Art("logo").type, kPlacedArt);
  for (AIArtHandle art : view.All()) {
    if (view.LayerTitle(art) == "Print") {
      EXPECT_NE(view.Art(art).type, kPathArt);
    }
  }
}

TEST(StickerSheet, SavesAndOpensAgainUnchanged) {
  standin::DocumentModel original, copy;
  kwhost::LoadDrawing(svg::ImportSvgFile(kStickerSheet), original);
  kwhost::LoadDrawing(svg::ImportSvgText(kwhost::ExportDocumentSvg(original)), copy);
  kwhost_test::ExpectSameDocument(original, copy);
}

}  // namespace
