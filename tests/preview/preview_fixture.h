// A palette-like dialog with the Crop-marks button (21) and the preview item (25, 184 x 200
// pixels) whose draw procedure is the plug-in's, over an A4 document, with the default settings.
#ifndef KERFWORKS_TESTS_PREVIEW_PREVIEW_FIXTURE_H
#define KERFWORKS_TESTS_PREVIEW_PREVIEW_FIXTURE_H

#include <memory>
#include <vector>

#include "standin/model/dialog_system.h"
#include "standin/scenario/document_builder.h"
#include "support/plugin_host.h"

namespace preview_test {

inline constexpr float kA4Width = 595.2756f;
inline constexpr float kA4Height = 841.8898f;
inline constexpr int kButtonItem = 21;
inline constexpr int kPreviewItem = 25;

class PreviewTest : public test_support::PluginHostTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Paints the preview item as the host does.
  standin::DrawerRecord Draw();
  // The recorded calls of one kind, in order.
  static std::vector<standin::DrawOp> Ops(const standin::DrawerRecord& drawing,
                                          standin::DrawOpKind kind);
  int ButtonPicture();
  void SetButtonPicture(int id);
  // Adds (or with false removes) the document's crop marks as the Crop-marks button does.
  void SetCropMarks(bool on);

  std::unique_ptr<standin::DocumentBuilder> doc_;
  ADMDialogRef dialog_ = nullptr;
  ADMItemRef preview_ = nullptr;
};

}  // namespace preview_test

#endif  // KERFWORKS_TESTS_PREVIEW_PREVIEW_FIXTURE_H
