// A stand-in host without a module, with in-memory templates, and the dialog suites acquired
// through the host's basic suite as the plug-in acquires them.
#ifndef KERFWORKS_TESTS_STANDIN_DIALOGS_DIALOG_FIXTURE_H
#define KERFWORKS_TESTS_STANDIN_DIALOGS_DIALOG_FIXTURE_H

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "hostapi/suites.h"
#include "standin/core/host.h"
#include "standin/model/dialog_system.h"
#include "standin/model/dialog_user.h"
#include "support/held_suites.h"

namespace kwtest {

inline constexpr int kPaletteId = 100;
inline constexpr int kModalId = 200;
inline constexpr int kFlyoutMenuId = 700;
inline constexpr int kMachineMenuId = 702;
inline constexpr int kButtonIcon = 1001;
inline constexpr int kPaletteIcon = 5041;

// A palette shaped like the plug-in's: a picture button, a popup, a push button, a static.
standin::DialogTemplate PaletteTemplate();
// A modal dialog: popup 37, numeric field 34, OK 1 and Cancel 2.
standin::DialogTemplate ModalTemplate();

// Callbacks are plain functions; they reach the running test through this.
struct CallbackLog {
  std::function<ASErr(ADMDialogRef)> init;
  std::function<void(ADMItemRef, ADMNotifierRef)> itemNotify;
  std::function<void(ADMDialogRef, ADMNotifierRef)> dialogNotify;
  std::function<void(ADMItemRef, ADMDrawerRef)> itemDraw;
  std::function<ASBoolean(ADMItemRef, ADMTrackerRef)> itemTrack;
  std::function<void(ADMDialogRef)> destroy;
};
CallbackLog& Log();

ASErr KW_API InitProc(ADMDialogRef dialog);
void KW_API ItemNotifyProc(ADMItemRef item, ADMNotifierRef notifier);
void KW_API DialogNotifyProc(ADMDialogRef dialog, ADMNotifierRef notifier);
void KW_API ItemDrawProc(ADMItemRef item, ADMDrawerRef drawer);
ASBoolean KW_API ItemTrackProc(ADMItemRef item, ADMTrackerRef tracker);
void KW_API DestroyProc(ADMDialogRef dialog);

class DialogTest : public ::testing::Test {
 protected:
  DialogTest();
  ~DialogTest() override;

  // Runs `body` as the host calling the plug-in, so that its suite calls are legitimate.
  void AsPlugin(const std::function<void()>& body) { host.AsHostCall(body); }
  // A palette made through the dialog suite with InitProc, as the plug-in makes it.
  ADMDialogRef CreatePalette(ADMUserData userData = nullptr);
  ADMItemRef ItemOf(ADMDialogRef dialog, int id);
  // The host's leftovers but for the suites this fixture holds until it ends; misbehaviour as
  // "misbehaviour: Suite::Function: what".
  std::vector<std::string> Leftovers();

  standin::Host host{standin::HostOptions{.modulePath = "", .resourcePath = "", .japanese = false}};
  std::shared_ptr<standin::MemoryDialogResources> resources;
  standin::DialogUser user{host};
  const ADMDialogSuite* dialogs = nullptr;
  const ADMItemSuite* items = nullptr;
  const ADMListSuite* lists = nullptr;
  const ADMEntrySuite* entries = nullptr;
  const ADMNotifierSuite* notifiers = nullptr;
  const ADMTrackerSuite* trackers = nullptr;
  const ADMIconSuite* icons = nullptr;
  const ADMDialogGroupSuite* groups = nullptr;
  const ADMDrawerSuite* drawers = nullptr;
  const AIMenuSuite* menus = nullptr;
  const AIUnicodeStringSuite* strings = nullptr;

 private:
  test_support::HeldSuites suites_{host};
};

}  // namespace kwtest

#endif  // KERFWORKS_TESTS_STANDIN_DIALOGS_DIALOG_FIXTURE_H
