// The recording drawer, item values and pictures, and misuse that the host records.
#include "standin_dialogs/dialog_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace kwtest {
namespace {

using standin::DrawOpKind;

TEST_F(DialogTest, RecordingDrawerKeepsEveryCallWithItsColour) {
  const ADMDialogRef palette = CreatePalette();
  ADMDrawerRef kept = nullptr;
  Log().itemDraw = [&](ADMItemRef, ADMDrawerRef drawer) {
    kept = drawer;
    ASRect bounds{};
    drawers->GetBoundsRect(drawer, &bounds);
    drawers->SetADMColor(drawer, kADMBackgroundColor);
    drawers->FillRect(drawer, &bounds);
    const ADMRGBColor grey{0xF000, 0xF000, 0xF000};
    drawers->SetRGBColor(drawer, &grey);
    const ASRect oval{21, 193, 28, 200};
    drawers->FillOval(drawer, &oval);
    drawers->SetADMColor(drawer, kADMRedColor);
    const ASPoint points[] = {{1, 2}, {3, 4}, {1, 2}};
    drawers->FramePolygon(drawer, points, 3);
    drawers->DrawResPictureCentered(drawer, host.PluginRef(), kButtonIcon, &bounds);
  };
  AsPlugin([&] { items->SetDrawProc(dialogs->GetItem(palette, 25), &ItemDrawProc); });
  const std::optional<standin::DrawerRecord> drawn = user.Redraw(palette, 25);
  ASSERT_TRUE(drawn.has_value());
  EXPECT_EQ(drawn->bounds.right, 138);
  EXPECT_EQ(drawn->bounds.bottom, 163);
  std::vector<standin::DrawOp> shapes;
  for (const standin::DrawOp& op : drawn->ops) {
    if (op.kind != DrawOpKind::kSetColor) shapes.push_back(op);
  }
  ASSERT_EQ(shapes.size(), 4u);
  EXPECT_EQ(shapes[0].kind, DrawOpKind::kFillRect);
  EXPECT_EQ(shapes[0].color, standin::AdmColor(kADMBackgroundColor));
  EXPECT_EQ(shapes[0].rect.right, 138);
  EXPECT_EQ(shapes[1].kind, DrawOpKind::kFillOval);
  EXPECT_EQ(shapes[1].color, standin::RgbColor(0xF000, 0xF000, 0xF000));
  EXPECT_EQ(shapes[1].rect.top, 193);
  EXPECT_EQ(shapes[2].kind, DrawOpKind::kFramePolygon);
  EXPECT_EQ(shapes[2].color, standin::AdmColor(kADMRedColor));
  ASSERT_EQ(shapes[2].points.size(), 3u);
  EXPECT_EQ(shapes[2].points[1].v, 4);
  EXPECT_EQ(shapes[3].kind, DrawOpKind::kPicture);
  EXPECT_EQ(shapes[3].pictureId, kButtonIcon);
  EXPECT_EQ(drawn->ops.size(), 7u);

  // An item without a draw callback gets the host's own drawing.
  const std::optional<standin::DrawerRecord> plain = user.Redraw(palette, 24);
  ASSERT_TRUE(plain.has_value());
  ASSERT_EQ(plain->ops.size(), 1u);
  EXPECT_EQ(plain->ops[0].kind, DrawOpKind::kDefault);

  // A drawer lives only for its draw callback.
  AsPlugin([&] {
    drawers->SetADMColor(kept, kADMBlackColor);
    dialogs->Destroy(palette);
  });
  EXPECT_THAT(Leftovers(), ElementsAre("misbehaviour: ADM Drawer Suite::SetADMColor: used a drawer "
                                       "after it was destroyed"));
}

TEST_F(DialogTest, InvalidatedAndMovedItemsWaitForRepaint) {
  const ADMDialogRef palette = CreatePalette();
  for (auto& [id, drawer] : user.RedrawPending(palette)) (void)drawer;  // the first paint
  EXPECT_THAT(user.RedrawPending(palette), IsEmpty());
  AsPlugin([&] {
    items->Invalidate(dialogs->GetItem(palette, 25));
    const ASRect moved{0, 115, 167, 283};
    items->SetBoundsRect(dialogs->GetItem(palette, 24), &moved);
  });
  std::vector<int> repainted;
  for (auto& [id, drawer] : user.RedrawPending(palette)) repainted.push_back(id);
  EXPECT_THAT(repainted, ElementsAre(24, 25));
  EXPECT_EQ(user.Item(palette, 25)->invalidations, 1);
  AsPlugin([&] { dialogs->Destroy(palette); });
}

TEST_F(DialogTest, ItemsKeepStylesPicturesTipsAndTexts) {
  const ADMDialogRef palette = CreatePalette();
  AsPlugin([&] {
    ADMItemRef button = dialogs->GetItem(palette, 16);
    items->SetItemStyle(button, 1);
    EXPECT_EQ(items->GetItemStyle(button), 1);
    int32_t picture = -1;
    const char* name = "unset";
    items->GetPictureID(button, &picture, &name);
    EXPECT_EQ(picture, 0);
    EXPECT_EQ(name, nullptr);
    items->SetPictureID(button, kButtonIcon, "hoge");
    items->GetPictureID(button, &picture, &name);
    EXPECT_EQ(picture, kButtonIcon);
    EXPECT_STREQ(name, "hoge");
    std::string tip = "Output the Paths to Kerfworks";
    items->SetTipString(button, tip.c_str());
    tip.clear();
    ADMItemRef redraw = dialogs->GetItem(palette, 24);
    char text[5];
    items->GetText(redraw, text, sizeof text);
    EXPECT_STREQ(text, "Redr");
    items->SetText(redraw, "Again");
  });
  EXPECT_EQ(user.Item(palette, 16)->tip, "Output the Paths to Kerfworks");
  EXPECT_EQ(user.Item(palette, 24)->text, "Again");
  AsPlugin([&] { dialogs->Destroy(palette); });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(DialogTest, MisuseIsRecordedAndNeverCrashes) {
  const ADMDialogRef palette = CreatePalette();
  ADMItemRef button = ItemOf(palette, 16);
  ADMIconRef icon = nullptr;
  AsPlugin([&] {
    dialogs->GetLocalRect(palette, nullptr);
    items->SetPictureID(button, 4242, "hoge");
    icon = icons->GetFromResource(host.PluginRef(), nullptr, kPaletteIcon, 0);
    dialogs->SetIcon(palette, 0, icon);
    icons->Destroy(icon);
    dialogs->EndModal(palette, 1, false);
    dialogs->Destroy(palette);
    dialogs->Destroy(palette);
    EXPECT_EQ(items->GetID(button), 0);
    EXPECT_EQ(dialogs->GetItem(nullptr, 16), nullptr);
    EXPECT_EQ(dialogs->Create(nullptr, "X", kPaletteId, 0, nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(dialogs->Create(host.PluginRef(), "X", 4242, 0, nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(dialogs->Modal(host.PluginRef(), "X", 4242, 0, nullptr, nullptr, 0), -1);
  });
  EXPECT_THAT(
      Leftovers(),
      ElementsAre("misbehaviour: ADM Dialog Suite::GetLocalRect: passed a null rectangle",
                  "misbehaviour: ADM Item Suite::SetPictureID: no picture resource 4242",
                  "misbehaviour: ADM Icon Suite::Destroy: destroyed an icon that a dialog owns",
                  "misbehaviour: ADM Dialog Suite::EndModal: ended a modal run of non-modal dialog "
                  "\"Palette\"",
                  "misbehaviour: ADM Dialog Suite::Destroy: used a dialog after it was destroyed",
                  "misbehaviour: ADM Item Suite::GetID: used a item after it was destroyed",
                  "misbehaviour: ADM Dialog Suite::GetItem: passed a null dialog",
                  "misbehaviour: ADM Dialog Suite::Create: passed an unknown plug-in reference",
                  "misbehaviour: ADM Dialog Suite::Create: no dialog resource 4242",
                  "misbehaviour: ADM Dialog Suite::Modal: no dialog resource 4242"));
}

TEST_F(DialogTest, SuiteCallsOutsideAHostCallAreRecorded) {
  const ADMDialogRef palette = CreatePalette();
  EXPECT_TRUE(dialogs->IsVisible(palette));
  AsPlugin([&] { dialogs->Destroy(palette); });
  EXPECT_THAT(Leftovers(), ElementsAre("misbehaviour: ADM Dialog Suite::IsVisible: called outside "
                                       "any host call"));
}

TEST_F(DialogTest, InjectedFailuresAnswerTheFallback) {
  host.Gate().FailCall(1);
  EXPECT_EQ(CreatePalette(), nullptr);
  EXPECT_THAT(Leftovers(), IsEmpty());
}

}  // namespace
}  // namespace kwtest
