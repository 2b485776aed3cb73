#include "palette/kerfworks_plugin_dialog.h"

#include <algorithm>
#include <iterator>

#include "commands/commands.h"
#include "commands/palette_button.h"
#include "cropmarks/preview.h"
#include "output/launcher.h"

#include "output/settings.h"
#include "palette/palette_handlers.h"
#include "palette/save_settings.h"
#include "resources/palette_items.h"
#include "wrappers/app_context.h"
#include "wrappers/dialog_helpers.h"
#include "wrappers/host_suites.h"
#include "wrappers/indexed_string.h"

namespace {

constexpr int32_t kTipCapacity = 256;
constexpr int32_t kMinWidthMargin = 4;
constexpr int32_t kMinHeightMargin = 7;
constexpr int32_t kVerticalIncrement = 10;
constexpr int32_t kPreviewGapBelowRedraw = 4;
constexpr int32_t kPreviewBottomMargin = 6;

int32_t Width(const ASRect& r) {
  return r.right - r.left;
}
int32_t Height(const ASRect& r) {
  return r.bottom - r.top;
}

}  // namespace

KerfworksPluginDialog::KerfworksPluginDialog(SPPluginRef pluginRef) : pluginRef_(pluginRef) {
  Create(pluginRef, kPaletteDialogName, kPaletteDialogId, kADMTabbedResizingFloatingDialogStyle, 0);
}

KerfworksPluginDialog::~KerfworksPluginDialog() {
  SaveSettings(GetDialogRef());
  if (ownerSlot_ != nullptr && *ownerSlot_ == this) *ownerSlot_ = nullptr;
}

ASErr KerfworksPluginDialog::Init() {
  const ASErr result = BaseADMDialog::Init();
  const SPPluginRef pluginRef = pluginRef_;
  {
    const ai::AppContext context(pluginRef);
    LoadSettings();
    WireItems(pluginRef);
    SetSizeLimits();
    Place();
    SetPaletteIcons(pluginRef);
  }
  FindCuttingApplication();
  CreateCutFileName();
  return result;
}

void KerfworksPluginDialog::WireItems(SPPluginRef pluginRef) {
  if (ADMItemRef flyout = GetItem(kADMMenuItemID); flyout != nullptr) {
    sADMItem->SetNotifyProc(flyout, &FlyoutNotifyProc);
    if (ADMListRef list = sADMItem->GetList(flyout); list != nullptr) {
      sADMList->SetMenuID(list, kFlyoutMenuId);
    }
    sADMItem->SetTrackProc(flyout, &DefaultItemTrackProc);
  }
  if (ADMItemRef redraw = GetItem(kRedrawButton); redraw != nullptr) {
    sADMItem->SetNotifyProc(redraw, &PaletteButtonNotifyProc);
  }
  for (int32_t id = kFirstPictureButton; id <= kLastPictureButton; ++id) {
    const ADMItemRef button = GetItem(id);
    if (button == nullptr) continue;
    sADMItem->SetItemStyle(button, kPictureItemStyle);
    sADMItem->SetPictureID(button, kFirstButtonIcon + (id - kFirstPictureButton),
                           kButtonPictureName);
    sADMItem->SetNotifyProc(button, &PaletteButtonNotifyProc);
    char tip[kTipCapacity];
    ai::ReadIndexedString(pluginRef, kFirstButtonTip + (id - kFirstPictureButton), 0, tip,
                          kTipCapacity);
    sADMItem->SetTipString(button, tip);
  }
  if (ADMItemRef preview = GetItem(kPreviewItem); preview != nullptr) {
    sADMItem->SetItemStyle(preview, kPictureItemStyle);
    sADMItem->SetDrawProc(preview, &DrawPreview);
  }
  if (ADMItemRef popup = GetItem(kOutputModePopup); popup != nullptr) {
    sADMItem->SetNotifyProc(popup, &OutputModeNotifyProc);
    if (const ADMListRef list = sADMItem->GetList(popup); list != nullptr) {
      sADMList->SetMenuID(list, kOutputModeMenuId);
      if (ADMEntryRef entry = sADMList->IndexEntry(list, OutputModeFromFlags()); entry != nullptr) {
        sADMEntry->Select(entry, 1);
      }
    }
  }
}

void KerfworksPluginDialog::SetSizeLimits() {
  const ADMItemRef popup = GetItem(kOutputModePopup);
  if (popup == nullptr) return;
  ASRect bounds{};
  sADMItem->GetBoundsRect(popup, &bounds);
  sADMDialog->SetMinWidth(GetDialogRef(), bounds.right + kMinWidthMargin);
  sADMDialog->SetMinHeight(GetDialogRef(), bounds.bottom + kMinHeightMargin);
  sADMDialog->SetVerticalIncrement(GetDialogRef(), kVerticalIncrement);
}

void KerfworksPluginDialog::Place() {
  char group[kDockGroupCapacity] = {};
  std::copy(std::begin(kDefaultDockGroup), std::end(kDefaultDockGroup), group);
  sAIPreference->GetStringPreference(kPreferenceSection, kKeyDockGroup, group, kDockGroupCapacity);
  group[kDockGroupCapacity - 1] = '\0';  // a stored name that fills the buffer comes unterminated
  int32_t dockCode = kDefaultDockCode;
  sAIPreference->GetIntegerPreference(kPreferenceSection, kKeyDockCode, &dockCode);

  ASRect current{};
  sADMDialog->GetBoundsRect(GetDialogRef(), &current);
  ASRect layout{};
  sADMBasic->GetPaletteLayoutBounds(&layout);
  ASPoint location{layout.right - Width(current), layout.bottom - Height(current)};
  sAIPreference->GetPointPreference(kPreferenceSection, kKeyLocation, &location);
  ASPoint size{kDefaultPaletteWidth, kDefaultPaletteHeight};
  sAIPreference->GetPointPreference(kPreferenceSection, kKeySize, &size);

  const ASRect bounds{location.h, location.v, location.h + size.h, location.v + size.v};
  sADMDialog->SetBoundsRect(GetDialogRef(), &bounds);
  sADMDialogGroup->SetDialogGroupInfo(GetDialogRef(), group, dockCode);
}

void KerfworksPluginDialog::SetPaletteIcons(SPPluginRef pluginRef) {
  for (int32_t state = 0; state <= 1; ++state) {
    const ADMIconRef icon = sADMIcon->GetFromResource(pluginRef, nullptr, kPaletteIconPicture, 0);
    if (icon != nullptr) sADMDialog->SetIcon(GetDialogRef(), state, icon);
  }
}

void KerfworksPluginDialog::Notify(ADMNotifierRef notifier) {
  if (IsUserChange(notifier) ||
      sADMNotifier->IsNotifierType(notifier, hostapi::kADMBoundsChangedNotifier)) {
    Relayout();
  }
  BaseADMDialog::Notify(notifier);
}

void KerfworksPluginDialog::Relayout() {
  if (!IsBound()) return;
  ASRect local{};
  sADMDialog->GetLocalRect(GetDialogRef(), &local);
  const int32_t width = Width(local);
  const int32_t height = Height(local);
  if (width == 0 && height == 0) return;
  const ADMItemRef redraw = GetItem(kRedrawButton);
  const ADMItemRef preview = GetItem(kPreviewItem);
  if (redraw == nullptr || preview == nullptr) return;
  ASRect redrawBounds{};
  sADMItem->GetBoundsRect(redraw, &redrawBounds);
  const ASRect bounds{0, redrawBounds.bottom + kPreviewGapBelowRedraw, width,
                      height - kPreviewBottomMargin};
  sADMItem->SetBoundsRect(preview, &bounds);
}

ASErr KerfworksPluginDialog::OnArtSelectionChanged(AINotifierMessage*) {
  Relayout();
  return kNoErr;
}

void KerfworksPluginDialog::Destroy() {
  SaveSettings(GetDialogRef());
}
