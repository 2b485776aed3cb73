// The binding of a program object to a host dialog. The object is the dialog's user data; five
// plain callbacks find it there and forward the host's events to its virtual operations.
#ifndef KERFWORKS_PALETTE_ADM_DIALOG_H
#define KERFWORKS_PALETTE_ADM_DIALOG_H

#include "hostapi/suites.h"
#include "wrappers/host_allocated.h"

// A thin, non-virtual handle on one host dialog; null when no dialog is bound.
class IADMDialog {
 public:
  IADMDialog() = default;
  explicit IADMDialog(ADMDialogRef dialog) : dialogRef_(dialog) {}

  ADMDialogRef GetDialogRef() const { return dialogRef_; }
  void SetDialogRef(ADMDialogRef dialog) { dialogRef_ = dialog; }
  bool IsBound() const { return dialogRef_ != nullptr; }

  SPPluginRef GetPluginRef() const;
  ADMItemRef GetItem(int32_t itemId) const;
  bool IsVisible() const;
  void Show(bool show) const;

 private:
  ADMDialogRef dialogRef_ = nullptr;
};

class BaseADMDialog : public ai::HostAllocated, public IADMDialog {
 public:
  BaseADMDialog() = default;
  BaseADMDialog(const BaseADMDialog&) = delete;
  BaseADMDialog& operator=(const BaseADMDialog&) = delete;

  // Installs the draw, track, notify and destroy callbacks on the bound dialog.
  virtual ASErr Init();
  virtual void Draw(ADMDrawerRef drawer);
  virtual bool Track(ADMTrackerRef tracker);
  virtual void Notify(ADMNotifierRef notifier);
  // The host is destroying the dialog.
  virtual void Destroy();
  // A non-modal object clears its callbacks and destroys its host dialog.
  virtual ~BaseADMDialog();
  // Non-modal dialog; the host calls Init before this returns. Null when it could not be built.
  virtual ADMDialogRef Create(SPPluginRef plugin, const char* name, int32_t dialogId, int32_t style,
                              int32_t options);
  // Modal runs: the object stays the caller's; returns the id of the item that closed it.
  virtual int32_t RunModal(SPPluginRef plugin, const char* name, int32_t dialogId, int32_t style,
                           int32_t options);
  virtual int32_t RunPopupModal(SPPluginRef plugin, const char* name, int32_t dialogId,
                                int32_t options);

  bool IsModal() const { return modal_ != 0; }

  // The host's callbacks (exposed for the host only).
  static ASErr KW_API InitProc(ADMDialogRef dialog);
  static void KW_API DrawProc(ADMDialogRef dialog, ADMDrawerRef drawer);
  static ASBoolean KW_API TrackProc(ADMDialogRef dialog, ADMTrackerRef tracker);
  static void KW_API NotifyProc(ADMDialogRef dialog, ADMNotifierRef notifier);
  static void KW_API DestroyProc(ADMDialogRef dialog);

 private:
  ASBoolean modal_ = 0;
};

#endif  // KERFWORKS_PALETTE_ADM_DIALOG_H
