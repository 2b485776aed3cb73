// A user's session with the palette, from start-up to shut-down: outline the strokes, mark paths,
// add crop marks, look at the preview, cut the marked paths. The module is the built plug-in; the
// test sees only what a user and the host see.
#include <gtest/gtest.h>

#include "hostapi/messages.h"
#include "scenarios/scenario_folder.h"
#include "standin/core/host.h"
#include "standin/model/dialog_user.h"
#include "standin/render/drawer_image.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/document_view.h"
#include "tools/receiver/cut_file_reader.h"

namespace {

using standin::DrawOp;
using standin::DrawOpKind;
using test_support::ReadFile;

constexpr char kPaletteName[] = "KerfworksPluginDialog";
constexpr char kCutMark[] = "KerfworksCutMark";
constexpr int kOutputButton = 16;
constexpr int kOutlineStrokeButton = 18;
constexpr int kCropMarksButton = 21;
constexpr int kMarkButton = 22;
constexpr int kOutputModePopup = 23;
constexpr int kPreviewItem = 25;
constexpr int kMarkedLinesEntry = 3;

class WorkingSessionTest : public kwtest::ScenarioFolder {
 protected:
  void SetUp() override {
    ScenarioFolder::SetUp();
    RegisterReceiver();
  }
  static std::vector<DrawOp> Ops(const standin::DrawerRecord& drawing, DrawOpKind kind) {
    std::vector<DrawOp> ops;
    for (const DrawOp& op : drawing.ops) {
      if (op.kind == kind) ops.push_back(op);
    }
    return ops;
  }
  static std::vector<std::uint32_t> LineColours(const standin::DrawerRecord& drawing) {
    std::vector<std::uint32_t> colours;
    for (const DrawOp& line : Ops(drawing, DrawOpKind::kFramePolygon)) {
      colours.push_back(standin::ScreenColor(line.color));
    }
    return colours;
  }
};

TEST_F(WorkingSessionTest, OutlineMarkPreviewAndCutTheMarkedPaths) {
  standin::Host host;
  ASSERT_EQ(host.Startup(), kNoErr);
  ASSERT_EQ(host.NotifyType(hostapi::kAIApplicationStartedNotifier), kNoErr);
  standin::DialogUser user(host);
  const ADMDialogRef palette = user.FindDialog(kPaletteName);
  ASSERT_NE(palette, nullptr);

  standin::DocumentBuilder doc(host.Documents());
  doc.Page(595.2756f, 841.8898f);
  doc.Rectangle("frame", 200, 300, 100, 100).Filled().Stroked().Selected();
  doc.Circle("dot", 400, 500, 30).Filled().Stroked(false).Selected();
  doc.Rectangle("other", 150, 600, 60, 40).Filled().Stroked();
  const standin::DocumentView view(host.Documents());

  // Outline Stroke: the stroked frame becomes the filled outline of its stroke, a compound path
  // of two squares; the unstroked circle is deselected and stays.
  ASSERT_TRUE(user.Press(palette, kOutlineStrokeButton)) << user.LastError();
  ASSERT_EQ(host.App().actions.plays.size(), 1u);
  EXPECT_EQ(host.App().actions.plays[0].eventName, "ai_plugin_outline");
  EXPECT_FALSE(view.Exists("frame"));
  ASSERT_EQ(view.OfType(kCompoundPathArt).size(), 1u);
  const std::vector<AIArtHandle> outline = view.Art(view.OfType(kCompoundPathArt)[0]).children;
  ASSERT_EQ(outline.size(), 2u);
  EXPECT_FALSE(view.Selected(view.Find("dot")));

  // Mark: the outline's two paths are marked (the selection counts the compound path too).
  ASSERT_TRUE(user.Press(palette, kMarkButton)) << user.LastError();
  for (AIArtHandle part : outline) EXPECT_EQ(view.TagValue(part, kCutMark), "0003");
  EXPECT_FALSE(view.TagValue(view.Find("other"), kCutMark).has_value());

  // Crop marks, then the preview: the marked paths red, the others black, three circles.
  ASSERT_TRUE(user.Press(palette, kCropMarksButton)) << user.LastError();
  auto drawing = user.Redraw(palette, kPreviewItem);
  ASSERT_TRUE(drawing.has_value()) << user.LastError();
  EXPECT_EQ(LineColours(*drawing),
            (std::vector<std::uint32_t>{0xFF0000, 0xFF0000, 0x000000, 0x000000}));
  EXPECT_EQ(Ops(*drawing, DrawOpKind::kFillOval).size(), 3u);
  EXPECT_EQ(user.Item(palette, kCropMarksButton)->pictureId, 1008);

  // "Output Marked Lines": the preview keeps only the red outline, and the cut only its paths.
  ASSERT_TRUE(user.Pick(palette, kOutputModePopup, kMarkedLinesEntry)) << user.LastError();
  drawing = user.Redraw(palette, kPreviewItem);
  ASSERT_TRUE(drawing.has_value()) << user.LastError();
  EXPECT_EQ(LineColours(*drawing), (std::vector<std::uint32_t>{0xFF0000, 0xFF0000}));
  const standin::DrawerImage image(*drawing);
  image.WritePng(std::string(KW_BINARY_DIR) + "/working_session_preview.png");
  const ASPoint corner = Ops(*drawing, DrawOpKind::kFramePolygon)[0].points[0];
  EXPECT_EQ(image.Pixel(corner.h, corner.v), 0xFF0000u);

  ASSERT_TRUE(user.Press(palette, kOutputButton)) << user.LastError();
  ASSERT_TRUE(WaitForReport()) << "the receiver was not started";
  auto parsed = receiver::ParseCutFile(ReadFile(CutFile()));
  ASSERT_TRUE(std::holds_alternative<receiver::CutFile>(parsed))
      << std::get<receiver::ParseError>(parsed).ToString();
  const auto& cut = std::get<receiver::CutFile>(parsed);
  ASSERT_EQ(cut.paths.size(), 2u);
  for (const auto& path : cut.paths) EXPECT_EQ(path.Anchors().size(), 4u);  // squares' corners

  ASSERT_EQ(host.NotifyType(hostapi::kAIApplicationShutdownNotifier), kNoErr);
  ASSERT_EQ(host.Shutdown(), kNoErr);
  EXPECT_EQ(host.Leftovers(), std::vector<std::string>{});
}

}  // namespace
