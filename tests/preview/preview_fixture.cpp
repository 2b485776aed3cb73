#include "preview_fixture.h"

#include "cropmarks/crop_marks.h"
#include "cropmarks/preview.h"
#include "output/settings.h"

namespace preview_test {
namespace {

constexpr int kDialogId = 16200;

std::shared_ptr<standin::MemoryDialogResources> Resources() {
  auto resources = std::make_shared<standin::MemoryDialogResources>();
  standin::DialogTemplate dialog;
  dialog.id = kDialogId;
  dialog.caption = "Preview";
  dialog.width = 200;
  dialog.height = 200;
  standin::DialogItemTemplate button;
  button.id = kButtonItem;
  button.windowClass = "ADM Picture Push Button Type";
  button.width = 20;
  button.height = 20;
  standin::DialogItemTemplate preview;
  preview.id = kPreviewItem;
  preview.windowClass = "ADM User Type";
  preview.width = 120;
  preview.height = 120;
  dialog.items = {button, preview};
  resources->Add(dialog);
  const standin::Picture picture{1, 1, {0xFF000000u}};
  for (int id : {1006, 1007, 1008}) resources->AddImage(id, picture);
  return resources;
}

}  // namespace

void PreviewTest::SetUp() {
  PluginHostTest::SetUp();
  kADM_bSelectObj = kADM_bCurrentLayer = kADM_bSelectColor = kADM_bMarkedObj = 0;
  kADM_selectionCode = kDefaultSelectionCode;
  gCropMarkSettings = CropMarkSettings{1500, 2000, 17000, 21000, 3};
  gCropMarkRadius = kCropMarkRadius;
  doc_ = std::make_unique<standin::DocumentBuilder>(host_.Documents());
  doc_->Page(kA4Width, kA4Height);
  host_.Dialogs().SetResources(Resources());
  Run([&] {
    dialog_ = sADMDialog->Create(host_.PluginRef(), "Preview", kDialogId, 0, nullptr, nullptr, 0);
    ASSERT_NE(dialog_, nullptr);
    preview_ = sADMDialog->GetItem(dialog_, kPreviewItem);
    ASSERT_NE(preview_, nullptr);
    const ASRect bounds{10, 40, 194, 240};
    sADMItem->SetBoundsRect(preview_, &bounds);
    sADMItem->SetDrawProc(preview_, &DrawPreview);
    sADMItem->SetPictureID(sADMDialog->GetItem(dialog_, kButtonItem), 1006, "hoge");
  });
}

void PreviewTest::TearDown() {
  host_.Gate().ClearFailure();
  host_.Blocks().RefuseAllocations(false);
  Run([&] { sADMDialog->Destroy(dialog_); });
  PluginHostTest::TearDown();
}

standin::DrawerRecord PreviewTest::Draw() {
  return host_.Dialogs().DrawItem(preview_);
}

std::vector<standin::DrawOp> PreviewTest::Ops(const standin::DrawerRecord& drawing,
                                              standin::DrawOpKind kind) {
  std::vector<standin::DrawOp> ops;
  for (const standin::DrawOp& op : drawing.ops) {
    if (op.kind == kind) ops.push_back(op);
  }
  return ops;
}

int PreviewTest::ButtonPicture() {
  int32_t id = 0;
  Run([&] { sADMItem->GetPictureID(sADMDialog->GetItem(dialog_, kButtonItem), &id, nullptr); });
  return id;
}

void PreviewTest::SetButtonPicture(int id) {
  Run([&] { sADMItem->SetPictureID(sADMDialog->GetItem(dialog_, kButtonItem), id, "test"); });
}

void PreviewTest::SetCropMarks(bool on) {
  Run([&] { ::SetCropMarks(on); });
}

}  // namespace preview_test
