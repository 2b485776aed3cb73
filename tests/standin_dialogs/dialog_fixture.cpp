#include "standin_dialogs/dialog_fixture.h"

namespace kwtest {
namespace {

standin::Picture Square(int size) {
  return {size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size * size))};
}

}  // namespace

standin::DialogTemplate PaletteTemplate() {
  standin::DialogTemplate t;
  t.id = kPaletteId;
  t.caption = "Palette";
  t.fontName = "MS Sans Serif";
  t.fontSize = 8;
  t.width = 111;
  t.height = 178;
  t.items = {
      {16, "ADM Picture Push Button Type", "", 0x50010000, 0, 5, 2, 45, 28},
      {-1, "Static", "", 0x50000010, 0, 5, 33, 102, 1},
      {23, "ADM Popup List Type", "", 0x50010000, 0, 5, 38, 100, 10},
      {24, "Button", "Redraw", 0x50010000, 0, 72, 54, 33, 14},
      {25, "Static", "", 0x50000000, 0, 8, 72, 92, 100},
  };
  return t;
}

standin::DialogTemplate ModalTemplate() {
  standin::DialogTemplate t;
  t.id = kModalId;
  t.caption = "Modal";
  t.fontName = "MS Sans Serif";
  t.fontSize = 8;
  t.width = 244;
  t.height = 258;
  t.items = {
      {37, "ADM Popup List Type", "", 0, 0, 48, 12, 126, 11},
      {34, "ADM Text Edit Type", "", 0, 0, 23, 106, 40, 14},
      {36, "Static", "", 0, 0, 80, 44, 156, 180},
      {1, "Button", "OK", 0x1, 0, 128, 236, 52, 16},
      {2, "Button", "Cancel", 0x0, 0, 184, 236, 52, 16},
  };
  return t;
}

CallbackLog& Log() {
  static CallbackLog log;
  return log;
}

ASErr KW_API InitProc(ADMDialogRef dialog) {
  return Log().init ? Log().init(dialog) : kNoErr;
}
void KW_API ItemNotifyProc(ADMItemRef item, ADMNotifierRef notifier) {
  if (Log().itemNotify) Log().itemNotify(item, notifier);
}
void KW_API DialogNotifyProc(ADMDialogRef dialog, ADMNotifierRef notifier) {
  if (Log().dialogNotify) Log().dialogNotify(dialog, notifier);
}
void KW_API ItemDrawProc(ADMItemRef item, ADMDrawerRef drawer) {
  if (Log().itemDraw) Log().itemDraw(item, drawer);
}
ASBoolean KW_API ItemTrackProc(ADMItemRef item, ADMTrackerRef tracker) {
  return Log().itemTrack ? Log().itemTrack(item, tracker) : true;
}
void KW_API DestroyProc(ADMDialogRef dialog) {
  if (Log().destroy) Log().destroy(dialog);
}

DialogTest::DialogTest() {
  Log() = {};
  resources = std::make_shared<standin::MemoryDialogResources>();
  standin::MenuTemplate flyout{kFlyoutMenuId,
                               {{1, "Crop-marks...", false, {}},
                                {0, "", true, {}},
                                {3, "Help...", false, {}},
                                {4, "About...", false, {}}}};
  standin::MenuTemplate machines{kMachineMenuId, {}};
  for (const char* name : {"MA-1", "MA-2", "MA-3", "MB-1", "MB-2", "MB-3", "MB-4", "MB-5"}) {
    machines.entries.push_back({static_cast<int>(machines.entries.size()), name, false, {}});
  }
  resources->Add(PaletteTemplate()).Add(ModalTemplate()).Add(flyout).Add(machines);
  resources->AddImage(kButtonIcon, Square(32)).AddImage(kPaletteIcon, Square(24));
  host.Dialogs().SetResources(resources);
  suites_.Acquire(kADMDialogSuite, kADMDialogSuiteVersion, dialogs);
  suites_.Acquire(kADMItemSuite, kADMItemSuiteVersion, items);
  suites_.Acquire(kADMListSuite, kADMListSuiteVersion, lists);
  suites_.Acquire(kADMEntrySuite, kADMEntrySuiteVersion, entries);
  suites_.Acquire(kADMNotifierSuite, kADMNotifierSuiteVersion, notifiers);
  suites_.Acquire(kADMTrackerSuite, kADMTrackerSuiteVersion, trackers);
  suites_.Acquire(kADMIconSuite, kADMIconSuiteVersion, icons);
  suites_.Acquire(kADMDialogGroupSuite, kADMDialogGroupSuiteVersion, groups);
  suites_.Acquire(kADMDrawerSuite, kADMDrawerSuiteVersion, drawers);
  suites_.Acquire(kAIMenuSuite, kAIMenuSuiteVersion, menus);
  suites_.Acquire(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, strings);
}

DialogTest::~DialogTest() {
  suites_.ReleaseAll();
  Log() = {};
}

ADMDialogRef DialogTest::CreatePalette(ADMUserData userData) {
  ADMDialogRef dialog = nullptr;
  AsPlugin([&] {
    dialog = dialogs->Create(host.PluginRef(), "Palette", kPaletteId,
                             kADMTabbedResizingFloatingDialogStyle, &InitProc, userData, 0);
  });
  return dialog;
}

ADMItemRef DialogTest::ItemOf(ADMDialogRef dialog, int id) {
  ADMItemRef item = nullptr;
  AsPlugin([&] { item = dialogs->GetItem(dialog, id); });
  return item;
}

std::vector<std::string> DialogTest::Leftovers() {
  std::vector<std::string> out;
  for (const std::string& entry : host.Leftovers()) {
    if (entry.rfind("suite not released: ", 0) != 0 && entry.rfind("misbehaviour: ", 0) != 0) {
      out.push_back(entry);
    }
  }
  // Without the call number and state, which these tests do not pin down.
  for (const standin::MisbehaviourRecord& record : host.MisbehaviourRecords()) {
    out.push_back("misbehaviour: " + record.call + ": " + record.what);
  }
  return out;
}

}  // namespace kwtest
