// The binding of objects to host dialogs: the five callbacks and the destructor's rules.
#include "palette/adm_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "palette_fixture.h"

namespace palette_test {
namespace {

constexpr int32_t kProbeDialog = 1;  // an OK button
constexpr int32_t kOtherDialog = 2;  // no items

class Probe : public BaseADMDialog {
 public:
  explicit Probe(int* destroyed = nullptr) : destroyed_(destroyed) {}
  ~Probe() override {
    if (destroyed_ != nullptr) ++*destroyed_;
  }
  ASErr Init() override {
    ++inits;
    return initResult != kNoErr ? initResult : BaseADMDialog::Init();
  }
  void Draw(ADMDrawerRef) override { ++draws; }
  bool Track(ADMTrackerRef) override { return true; }
  void Notify(ADMNotifierRef notifier) override {
    if (onNotify) onNotify();
    BaseADMDialog::Notify(notifier);
  }
  void Destroy() override { ++destroyCalls; }

  int inits = 0, draws = 0, destroyCalls = 0;
  ASErr initResult = kNoErr;
  std::function<void()> onNotify;

 private:
  int* destroyed_;
};

class AdmDialogTest : public PaletteHostTest {
 protected:
  void SetUp() override {
    PaletteHostTest::SetUp();
    auto resources = std::make_shared<standin::MemoryDialogResources>();
    standin::DialogTemplate probe;
    probe.id = kProbeDialog;
    probe.caption = "Probe";
    probe.width = 100;
    probe.height = 60;
    probe.items = {{1, "Button", "OK", 0x50010001, 0, 20, 30, 50, 14}};
    standin::DialogTemplate other = probe;
    other.id = kOtherDialog;
    other.items.clear();
    resources->Add(probe).Add(other);
    host_.Dialogs().SetResources(resources);
  }

  // The plug-in's objects live in host memory, had inside host calls.
  Probe* NewProbe(int* destroyed = nullptr) {
    Probe* probe = nullptr;
    Run([&] { probe = new Probe(destroyed); });
    return probe;
  }
  ADMDialogRef CreateProbe(Probe* probe, const char* name = "probe") {
    ADMDialogRef dialog = nullptr;
    Run([&] { dialog = probe->Create(host_.PluginRef(), name, kProbeDialog, 5, 0); });
    return dialog;
  }
  void Delete(Probe* probe) {
    Run([&] { delete probe; });
  }
};

TEST_F(AdmDialogTest, InitCallbackRefusesADialogWithoutObject) {
  Run([&] {
    EXPECT_EQ(sADMDialog->Create(host_.PluginRef(), "bare", kProbeDialog, 0,
                                 &BaseADMDialog::InitProc, nullptr, 0),
              nullptr);
    const ADMDialogRef bare =
        sADMDialog->Create(host_.PluginRef(), "bare", kProbeDialog, 0, nullptr, nullptr, 0);
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(BaseADMDialog::InitProc(bare), kBadParameterErr);
    sADMDialog->Destroy(bare);
  });
}

TEST_F(AdmDialogTest, CreateBindsAndInstallsTheCallbacks) {
  auto* probe = NewProbe();
  const ADMDialogRef dialog = CreateProbe(probe);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user_.FindDialog("probe"), dialog);
  EXPECT_EQ(probe->GetDialogRef(), dialog);
  EXPECT_EQ(probe->inits, 1);
  const standin::DialogRecord& d = Dialog(dialog);
  EXPECT_EQ(d.userData, probe);
  EXPECT_NE(d.drawProc, nullptr);
  EXPECT_NE(d.trackProc, nullptr);
  EXPECT_NE(d.notifyProc, nullptr);
  EXPECT_NE(d.destroyProc, nullptr);
  EXPECT_FALSE(probe->IsModal());
  Delete(probe);
}

TEST_F(AdmDialogTest, FailedInitLeavesTheObjectUnbound) {
  int destroyed = 0;
  auto* probe = NewProbe(&destroyed);
  probe->initResult = KW_FOUR_CHAR('F', 'A', 'I', 'L');
  EXPECT_EQ(CreateProbe(probe), nullptr);
  EXPECT_FALSE(probe->IsBound());
  EXPECT_TRUE(host_.Dialogs().LiveDialogs().empty());
  Delete(probe);
  EXPECT_EQ(destroyed, 1);
}

TEST_F(AdmDialogTest, DrawAndTrackIgnoreADialogBoundToAnotherObject) {
  auto* probe = NewProbe();
  const ADMDialogRef dialog = CreateProbe(probe);
  host_.Dialogs().DrawDialog(dialog);
  EXPECT_EQ(probe->draws, 1);
  EXPECT_TRUE(host_.Dialogs().TrackDialog(dialog, 0, {0, 0}));

  Run([&] {
    const ADMDialogRef other =
        sADMDialog->Create(host_.PluginRef(), "other", kOtherDialog, 0, nullptr, probe, 0);
    ASSERT_NE(other, nullptr);
    BaseADMDialog::DrawProc(other, nullptr);
    EXPECT_EQ(probe->draws, 1);
    EXPECT_FALSE(BaseADMDialog::TrackProc(other, nullptr));
    sADMDialog->SetUserData(other, nullptr);
    BaseADMDialog::DrawProc(other, nullptr);
    EXPECT_EQ(probe->draws, 1);
    sADMDialog->Destroy(other);
  });
  Delete(probe);
}

TEST_F(AdmDialogTest, DestructorClearsTheCallbacksThenDestroysTheDialog) {
  auto* probe = NewProbe();
  const ADMDialogRef dialog = CreateProbe(probe);
  ASSERT_NE(dialog, nullptr);
  Delete(probe);
  EXPECT_TRUE(host_.Dialogs().LiveDialogs().empty());
  ASSERT_EQ(host_.Dialogs().DestroyedDialogs().size(), 1u);
  const standin::DialogRecord& d = host_.Dialogs().DestroyedDialogs().back();
  EXPECT_EQ(d.name, "probe");
  EXPECT_EQ(d.userData, nullptr);
  EXPECT_EQ(d.drawProc, nullptr);
  EXPECT_EQ(d.notifyProc, nullptr);
  EXPECT_EQ(d.destroyProc, nullptr);  // so the host's destroy did not reach the deleted object
}

TEST_F(AdmDialogTest, HostDestroyingANonModalDialogDeletesItsObjectOnce) {
  int destroyed = 0;
  auto* probe = NewProbe(&destroyed);
  const ADMDialogRef dialog = CreateProbe(probe);
  ASSERT_TRUE(user_.Close(dialog));
  EXPECT_EQ(destroyed, 1);
  // The object must not destroy the dialog the host was already destroying: the fixture's end
  // finds no misbehaviour.
}

TEST_F(AdmDialogTest, ModalObjectSurvivesItsDialog) {
  int destroyed = 0;
  Probe probe(&destroyed);
  int notified = 0;
  probe.onNotify = [&] {
    ++notified;
    EXPECT_NE(probe.GetDialogRef(), nullptr);
    EXPECT_EQ(probe.GetDialogRef(), user_.FindDialog("modal"));
  };
  host_.Dialogs().QueueModalScript(standin::ModalScript().Press(1));
  int32_t closing = -1;
  Run([&] { closing = probe.RunModal(host_.PluginRef(), "modal", kProbeDialog, 0, 0); });
  EXPECT_EQ(closing, 1);
  EXPECT_EQ(notified, 1);
  EXPECT_TRUE(probe.IsModal());
  EXPECT_EQ(probe.destroyCalls, 1);
  EXPECT_EQ(destroyed, 0);
  EXPECT_FALSE(probe.IsBound());
  ASSERT_EQ(host_.Dialogs().ModalRuns().size(), 1u);
  EXPECT_EQ(host_.Dialogs().ModalRuns()[0].name, "modal");
}

}  // namespace
}  // namespace palette_test
