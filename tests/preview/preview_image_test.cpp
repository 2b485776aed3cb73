// The painted preview shows what the recorded drawing calls say, and the PNG written holds it.
#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "preview_fixture.h"
#include "standin/render/drawer_image.h"

namespace preview_test {
namespace {

using standin::DrawerImage;
using standin::DrawOp;
using standin::DrawOpKind;

constexpr std::uint32_t kBackground = 0xD4D0C8;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0xF0F0F0;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kRed = 0xFF0000;

class PreviewImageTest : public PreviewTest {
 protected:
  void SetUp() override {
    PreviewTest::SetUp();
    SetCropMarks(true);
    doc_->Rectangle("marked", 200, 300, 100, 100).Tag("KerfworksCutMark", "0001");
    doc_->Circle("plain", 400, 500, 30);
    drawing_ = Draw();
  }
  standin::DrawerRecord drawing_;
};

TEST_F(PreviewImageTest, PixelsAreWhereTheCallsPutThem) {
  const DrawerImage image(drawing_);
  ASSERT_EQ(image.Width(), 184);
  ASSERT_EQ(image.Height(), 200);
  EXPECT_EQ(image.Pixel(5, 100), kBackground);  // left of the page
  EXPECT_EQ(image.Pixel(161, 1), kWhite);       // the page's upper-right corner, no circle there

  const auto fills = Ops(drawing_, DrawOpKind::kFillRect);
  ASSERT_EQ(fills.size(), 3u);
  EXPECT_EQ(image.Pixel(fills[2].rect.left, fills[2].rect.top), kGrey);
  EXPECT_EQ(image.Pixel(fills[2].rect.right - 1, fills[2].rect.bottom - 1), kGrey);
  EXPECT_EQ(image.Pixel(fills[2].rect.right, fills[2].rect.top), kWhite);  // right edge excluded

  const auto circles = Ops(drawing_, DrawOpKind::kFillOval);
  ASSERT_EQ(circles.size(), 3u);
  for (const DrawOp& circle : circles) {
    const ASRect& r = circle.rect;
    EXPECT_EQ(image.Pixel((r.left + r.right) / 2, (r.top + r.bottom) / 2), kBlack);
    EXPECT_NE(image.Pixel(r.left, r.top), kBlack);  // the oval leaves the square's corners
  }

  const auto lines = Ops(drawing_, DrawOpKind::kFramePolygon);
  ASSERT_EQ(lines.size(), 2u);
  const std::uint32_t colours[] = {kRed, kBlack};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(standin::ScreenColor(lines[i].color), colours[i]);
    for (const ASPoint& p : lines[i].points) EXPECT_EQ(image.Pixel(p.h, p.v), colours[i]);
  }
  // Between the vertices too: the middle of the square's bottom edge.
  const ASPoint a = lines[0].points[0];
  const ASPoint b = lines[0].points[1];
  ASSERT_EQ(a.v, b.v);
  EXPECT_EQ(image.Pixel((a.h + b.h) / 2, a.v), kRed);
  EXPECT_EQ(image.Pixel((a.h + b.h) / 2, a.v - 2), kGrey);
}

TEST_F(PreviewImageTest, TheWrittenPngHoldsTheImage) {
  const DrawerImage image(drawing_);
  const std::string path = std::string(KW_BINARY_DIR) + "/preview_scene.png";
  std::filesystem::remove(path);
  image.WritePng(path);
  cairo_surface_t* read = cairo_image_surface_create_from_png(path.c_str());
  ASSERT_EQ(cairo_surface_status(read), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(read), 184);
  EXPECT_EQ(cairo_image_surface_get_height(read), 200);
  const unsigned char* data = cairo_image_surface_get_data(read);
  const int stride = cairo_image_surface_get_stride(read);
  const auto circle = Ops(drawing_, DrawOpKind::kFillOval)[0].rect;
  for (const auto& [x, y] :
       {std::pair{5, 100}, std::pair{161, 1},
        std::pair{(circle.left + circle.right) / 2, (circle.top + circle.bottom) / 2}}) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    EXPECT_EQ(row[x] & 0xFFFFFF, image.Pixel(x, y)) << x << "," << y;
  }
  cairo_surface_destroy(read);
  EXPECT_THROW(image.WritePng("/nonexistent-folder/preview.png"), std::runtime_error);
}

}  // namespace
}  // namespace preview_test
