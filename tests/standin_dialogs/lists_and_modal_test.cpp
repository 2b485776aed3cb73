// Popup and flyout lists filled from menus, and modal runs driven by scripts.
#include "standin_dialogs/dialog_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace kwtest {
namespace {

TEST_F(DialogTest, PopupListsFillFromMenusAndSelectOneActiveEntry) {
  const ADMDialogRef palette = CreatePalette();
  ADMListRef list = nullptr;
  AsPlugin([&] {
    list = items->GetList(dialogs->GetItem(palette, 23));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(items->GetList(dialogs->GetItem(palette, 24)), nullptr);
    lists->SetMenuID(list, kMachineMenuId);
    EXPECT_EQ(lists->NumberOfEntries(list), 8);
    EXPECT_EQ(lists->GetActiveEntry(list), nullptr);
    ADMEntryRef third = lists->IndexEntry(list, 3);
    entries->Select(third, true);
    EXPECT_EQ(lists->GetActiveEntry(list), third);
    entries->Select(lists->IndexEntry(list, 5), true);
    EXPECT_FALSE(entries->IsSelected(third));
    char text[3];
    entries->GetText(lists->IndexEntry(list, 5), text, sizeof text);
    EXPECT_STREQ(text, "MB");  // cut to fit
    EXPECT_EQ(entries->GetID(lists->IndexEntry(list, 7)), 7);
    EXPECT_EQ(lists->IndexEntry(list, 8), nullptr);
    EXPECT_EQ(lists->IndexEntry(list, -1), nullptr);
  });
  std::optional<int> chosen;
  Log().itemNotify = [&](ADMItemRef item, ADMNotifierRef) {
    chosen = entries->GetIndex(lists->GetActiveEntry(items->GetList(item)));
  };
  AsPlugin([&] { items->SetNotifyProc(dialogs->GetItem(palette, 23), &ItemNotifyProc); });
  EXPECT_TRUE(user.Pick(palette, 23, 1));
  EXPECT_EQ(chosen, 1);
  EXPECT_FALSE(user.Pick(palette, 23, 8));
  EXPECT_FALSE(user.Pick(palette, 24, 0));
  EXPECT_EQ(user.ActiveIndex(*user.Item(palette, 23)), 1);
  EXPECT_EQ(user.EntryTexts(*user.Item(palette, 23)).front(), "MA-1");

  AsPlugin([&] {
    lists->SetMenuID(list, 999);
    dialogs->Destroy(palette);
  });
  EXPECT_THAT(Leftovers(),
              ElementsAre("misbehaviour: ADM List Suite::SetMenuID: no menu resource 999"));
}

TEST_F(DialogTest, FlyoutPicksTrackFirstAndThenNotifyTheChosenIndex) {
  const ADMDialogRef palette = CreatePalette();
  std::vector<int> chosen;
  int tracked = 0;
  bool abort = false;
  Log().itemTrack = [&](ADMItemRef item, ADMTrackerRef tracker) {
    ++tracked;
    if (abort) trackers->Abort(tracker);
    return items->DefaultTrack(item, tracker);
  };
  Log().itemNotify = [&](ADMItemRef item, ADMNotifierRef notifier) {
    if (notifiers->IsNotifierType(notifier, standin::kUserChangedNotifier)) {
      chosen.push_back(entries->GetIndex(lists->GetActiveEntry(items->GetList(item))));
    }
  };
  AsPlugin([&] {
    ADMItemRef flyout = dialogs->GetItem(palette, kADMMenuItemID);
    ASSERT_NE(flyout, nullptr);
    items->SetNotifyProc(flyout, &ItemNotifyProc);
    lists->SetMenuID(items->GetList(flyout), kFlyoutMenuId);
    items->SetTrackProc(flyout, &ItemTrackProc);
  });
  EXPECT_THAT(user.EntryTexts(*user.Item(palette, kADMMenuItemID)),
              ElementsAre("Crop-marks...", "", "Help...", "About..."));
  EXPECT_TRUE(user.PickFlyout(palette, 3));
  EXPECT_TRUE(user.PickFlyout(palette, 1));
  abort = true;
  EXPECT_FALSE(user.PickFlyout(palette, 0));
  EXPECT_EQ(tracked, 3);
  EXPECT_THAT(chosen, ElementsAre(3, 1));
  AsPlugin([&] { dialogs->Destroy(palette); });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

// The crop-marks dialog's shape: fields with bounds, a popup, and an OK handler that reads them
// and passes the press on to the host, which ends the run.
class ModalTest : public DialogTest {
 protected:
  ModalTest() {
    Log().init = [this](ADMDialogRef dialog) {
      ADMItemRef popup = dialogs->GetItem(dialog, 37);
      lists->SetMenuID(items->GetList(popup), kMachineMenuId);
      entries->Select(lists->IndexEntry(items->GetList(popup), 3), true);
      ADMItemRef field = dialogs->GetItem(dialog, 34);
      items->SetUnits(field, 0);
      items->SetFloatValue(field, 15.0f);
      items->SetMinFloatValue(field, 0.0f);
      items->SetMaxFloatValue(field, 50.0f);
      items->SetNotifyProc(dialogs->GetItem(dialog, 1), &ItemNotifyProc);
      return kNoErr;
    };
    Log().itemNotify = [this](ADMItemRef item, ADMNotifierRef notifier) {
      items->DefaultNotify(item, notifier);
      ADMDialogRef dialog = items->GetDialog(item);
      okValue = items->GetFloatValue(dialogs->GetItem(dialog, 34));
      okEntry =
          entries->GetIndex(lists->GetActiveEntry(items->GetList(dialogs->GetItem(dialog, 37))));
    };
  }

  int32_t Run() {
    int32_t result = 0;
    AsPlugin([&] {
      result = dialogs->Modal(host.PluginRef(), "Edit", kModalId, kADMModalDialogStyle, &InitProc,
                              nullptr, 0);
    });
    return result;
  }

  float okValue = -1.0f;
  int okEntry = -1;
};

TEST_F(ModalTest, TextualScriptPicksSetsAndPressesOk) {
  for (const standin::ModalScript& script : standin::ParseModalScripts(
           "dialog \"Edit\": pick entry 4 of item 37, set item 34 to 12.345, press item 1")) {
    host.Dialogs().QueueModalScript(script);
  }
  EXPECT_EQ(Run(), 1);
  EXPECT_FLOAT_EQ(okValue, 12.345f);
  EXPECT_EQ(okEntry, 4);
  ASSERT_EQ(host.Dialogs().ModalRuns().size(), 1u);
  EXPECT_EQ(host.Dialogs().ModalRuns()[0].stepsRun, 3);
  EXPECT_EQ(user.FindDialog("Edit"), nullptr);  // destroyed when the run ended
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(ModalTest, FieldsHoldTheirValuesWithinTheirBounds) {
  host.Dialogs().QueueModalScript(standin::ModalScript().Set(34, 60.0f).Press(1));
  host.Dialogs().QueueModalScript(standin::ModalScript().Set(34, -3.0f).Press(1));
  EXPECT_EQ(Run(), 1);
  EXPECT_FLOAT_EQ(okValue, 50.0f);
  EXPECT_EQ(Run(), 1);
  EXPECT_FLOAT_EQ(okValue, 0.0f);
  EXPECT_EQ(okEntry, 3);
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(ModalTest, WithNoScriptLeftTheHostPressesCancel) {
  EXPECT_EQ(Run(), 2);
  ASSERT_EQ(host.Dialogs().ModalRuns().size(), 1u);
  EXPECT_TRUE(host.Dialogs().ModalRuns()[0].cancelledForLackOfScript);
  EXPECT_FLOAT_EQ(okValue, -1.0f);  // OK's handler never ran
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(ModalTest, ScriptsThatCannotBeCarriedOutAreRecorded) {
  host.Dialogs().QueueModalScript(standin::ModalScript().For("Other").Press(1));
  host.Dialogs().QueueModalScript(standin::ModalScript().Press(77).Set(34, 1.0f));
  host.Dialogs().QueueModalScript(standin::ModalScript().Press(2).Press(1));
  host.Dialogs().QueueModalScript(standin::ModalScript().Press(1));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(Run(), 2);  // left open: the host pressed Cancel
  EXPECT_EQ(Run(), 2);
  EXPECT_THAT(
      Leftovers(),
      ElementsAre("modal script not used: press item 1",
                  "modal script: a script for \"Other\" was given to modal dialog \"Edit\"",
                  "modal script: \"press item 77\" in \"Edit\": dialog \"Edit\" has no item 77",
                  "modal script: the script left modal dialog \"Edit\" open; pressed Cancel",
                  "modal script: modal dialog \"Edit\" closed before \"press item 1\""));
}

TEST_F(ModalTest, PaintsAsItOpensAndAgainWhatAStepInvalidatedAndKeepsTheClosingTexts) {
  int pictureDraws = 0;
  Log().itemDraw = [&](ADMItemRef, ADMDrawerRef) { ++pictureDraws; };
  const auto init = Log().init;
  Log().init = [this, init](ADMDialogRef dialog) {
    items->SetDrawProc(dialogs->GetItem(dialog, 36), &ItemDrawProc);
    items->SetNotifyProc(dialogs->GetItem(dialog, 37), &ItemNotifyProc);
    return init(dialog);
  };
  const auto okNotify = Log().itemNotify;
  Log().itemNotify = [this, okNotify](ADMItemRef item, ADMNotifierRef notifier) {
    if (items->GetID(item) != 37) return okNotify(item, notifier);
    items->Invalidate(dialogs->GetItem(items->GetDialog(item), 36));
  };
  host.Dialogs().QueueModalScript(standin::ModalScript().Pick(37, 5).Set(34, 12.5f).Press(1));
  EXPECT_EQ(Run(), 1);
  ASSERT_EQ(host.Dialogs().ModalRuns().size(), 1u);
  const standin::ModalRun& run = host.Dialogs().ModalRuns()[0];
  std::vector<int> painted;
  for (const auto& [id, drawing] : run.paints) painted.push_back(id);
  // Everything as it opens; then only the picture the pick invalidated; nothing once closed.
  EXPECT_THAT(painted, ElementsAre(37, 34, 36, 1, 2, 36));
  EXPECT_EQ(pictureDraws, 2);
  EXPECT_EQ(run.closingTexts.at(34), "12.500");
  EXPECT_EQ(run.closingTexts.at(2), "Cancel");
  // The items and lists whole as the run ended; the plug-in asked for one repaint of the picture.
  EXPECT_EQ(run.style, kADMModalDialogStyle);
  EXPECT_FLOAT_EQ(run.closingItems.at(34).value, 12.5f);
  EXPECT_EQ(run.closingItems.at(34).maxValue, 50.0f);
  EXPECT_EQ(run.closingItems.at(36).invalidateCalls, 1);
  EXPECT_EQ(run.closingItems.at(34).invalidateCalls, 0);
  EXPECT_EQ(run.closingLists.at(37).menuId, kMachineMenuId);
  EXPECT_EQ(run.closingLists.at(37).activeIndex, 5);
  EXPECT_EQ(run.closingLists.count(34), 0u);
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST(ModalScriptTest, ParsesRunsAndDescribesThemBack) {
  const auto runs = standin::ParseModalScripts(
      "pick entry 0 of item 37 , set item 5 to \"a b\"\n\npress item 2; set item 34 to -1.5");
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].Describe(), "pick entry 0 of item 37, set item 5 to \"a b\"");
  EXPECT_EQ(runs[1].Describe(), "press item 2");
  EXPECT_EQ(runs[2].Describe(), "set item 34 to -1.5");
  EXPECT_FALSE(runs[0].dialogName.has_value());
}

TEST(ModalScriptTest, RejectsMalformedScripts) {
  for (const char* bad : {"press 4", "pick entry x of item 3", "set item 3 to", "push item 1",
                          "press item 1 press item 2", "dialog Edit: press item 1",
                          "set item 1 to \"open", "press item 1.5", "press item 1 #"}) {
    EXPECT_THROW(standin::ParseModalScripts(bad), std::invalid_argument) << bad;
  }
}

}  // namespace
}  // namespace kwtest
