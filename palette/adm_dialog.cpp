#include "palette/adm_dialog.h"

#include "wrappers/exception_guard.h"
#include "wrappers/host_suites.h"

namespace {

// None while the plug-in lacks its suites: the callbacks then leave the dialog to the host.
BaseADMDialog* ObjectOf(ADMDialogRef dialog) {
  if (!HostSuitesHeld()) return nullptr;
  return static_cast<BaseADMDialog*>(sADMDialog->GetUserData(dialog));
}

// Host callbacks return into C: nothing may leave them.
template <typename Body>
void Shielded(Body&& body) noexcept {
  GuardExceptions([&] {
    body();
    return kNoErr;
  });
}

}  // namespace

SPPluginRef IADMDialog::GetPluginRef() const {
  return dialogRef_ == nullptr ? nullptr : sADMDialog->GetPluginRef(dialogRef_);
}

ADMItemRef IADMDialog::GetItem(int32_t itemId) const {
  return dialogRef_ == nullptr ? nullptr : sADMDialog->GetItem(dialogRef_, itemId);
}

bool IADMDialog::IsVisible() const {
  return dialogRef_ != nullptr && sADMDialog->IsVisible(dialogRef_) != 0;
}

void IADMDialog::Show(bool show) const {
  if (dialogRef_ != nullptr) sADMDialog->Show(dialogRef_, show ? 1 : 0);
}

ASErr BaseADMDialog::Init() {
  const ADMDialogRef dialog = GetDialogRef();
  sADMDialog->SetDrawProc(dialog, &DrawProc);
  sADMDialog->SetTrackProc(dialog, &TrackProc);
  sADMDialog->SetNotifyProc(dialog, &NotifyProc);
  sADMDialog->SetDestroyProc(dialog, &DestroyProc);
  return kNoErr;
}

void BaseADMDialog::Draw(ADMDrawerRef drawer) {
  sADMDialog->DefaultDraw(GetDialogRef(), drawer);
}

bool BaseADMDialog::Track(ADMTrackerRef tracker) {
  return sADMDialog->DefaultTrack(GetDialogRef(), tracker) != 0;
}

void BaseADMDialog::Notify(ADMNotifierRef notifier) {
  sADMDialog->DefaultNotify(GetDialogRef(), notifier);
}

void BaseADMDialog::Destroy() {}

BaseADMDialog::~BaseADMDialog() {
  const ADMDialogRef dialog = GetDialogRef();
  if (dialog == nullptr || IsModal()) return;
  sADMDialog->SetUserData(dialog, nullptr);
  sADMDialog->SetDrawProc(dialog, nullptr);
  sADMDialog->SetNotifyProc(dialog, nullptr);
  sADMDialog->SetDestroyProc(dialog, nullptr);
  sADMDialog->Destroy(dialog);
  SetDialogRef(nullptr);
}

ADMDialogRef BaseADMDialog::Create(SPPluginRef plugin, const char* name, int32_t dialogId,
                                   int32_t style, int32_t options) {
  // A dialog whose Init failed is gone again: only the host's answer counts.
  SetDialogRef(sADMDialog->Create(plugin, name, dialogId, style, &InitProc, this, options));
  return GetDialogRef();
}

int32_t BaseADMDialog::RunModal(SPPluginRef plugin, const char* name, int32_t dialogId,
                                int32_t style, int32_t options) {
  modal_ = 1;
  return sADMDialog->Modal(plugin, name, dialogId, style, &InitProc, this, options);
}

int32_t BaseADMDialog::RunPopupModal(SPPluginRef plugin, const char* name, int32_t dialogId,
                                     int32_t options) {
  modal_ = 1;
  return sADMDialog->PopupModal(plugin, name, dialogId, &InitProc, this, options);
}

ASErr KW_API BaseADMDialog::InitProc(ADMDialogRef dialog) {
  return GuardExceptions([&] {
    BaseADMDialog* object = ObjectOf(dialog);
    if (object == nullptr) return static_cast<ASErr>(kBadParameterErr);
    object->SetDialogRef(dialog);
    return object->Init();
  });
}

void KW_API BaseADMDialog::DrawProc(ADMDialogRef dialog, ADMDrawerRef drawer) {
  Shielded([&] {
    BaseADMDialog* object = ObjectOf(dialog);
    if (object != nullptr && object->GetDialogRef() == dialog) object->Draw(drawer);
  });
}

ASBoolean KW_API BaseADMDialog::TrackProc(ADMDialogRef dialog, ADMTrackerRef tracker) {
  ASBoolean handled = 0;
  Shielded([&] {
    BaseADMDialog* object = ObjectOf(dialog);
    if (object != nullptr && object->GetDialogRef() == dialog) handled = object->Track(tracker);
  });
  return handled;
}

void KW_API BaseADMDialog::NotifyProc(ADMDialogRef dialog, ADMNotifierRef notifier) {
  Shielded([&] {
    BaseADMDialog* object = ObjectOf(dialog);
    if (object != nullptr) object->Notify(notifier);
  });
}

void KW_API BaseADMDialog::DestroyProc(ADMDialogRef dialog) {
  Shielded([&] {
    BaseADMDialog* object = ObjectOf(dialog);
    if (object == nullptr) return;
    object->Destroy();
    // The host is already destroying this dialog: the object must not destroy it a second time.
    object->SetDialogRef(nullptr);
    if (!object->IsModal()) delete object;
  });
}
