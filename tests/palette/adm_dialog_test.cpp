// The binding of objects to host dialogs: the five callbacks and the destructor's rules.
#include "palette/adm_dialog.h"

#include <gtest/gtest.h>

#include "fake_host.h"
#include "plugin/host_suites.h"

namespace {

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
  void Destroy() override { ++destroyCalls; }

  int inits = 0, draws = 0, destroyCalls = 0;
  ASErr initResult = kNoErr;

 private:
  int* destroyed_;
};

ADMDialogRef Ref(fake::Dialog* d) {
  return reinterpret_cast<ADMDialogRef>(d);
}

class AdmDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { fake::Install(); }
};

TEST_F(AdmDialogTest, InitCallbackRefusesADialogWithoutObject) {
  fake::The().templates[1] = {};
  EXPECT_EQ(
      sADMDialog->Create(fake::PluginRef(), "bare", 1, 0, &BaseADMDialog::InitProc, nullptr, 0),
      nullptr);
  EXPECT_EQ(BaseADMDialog::InitProc(Ref(fake::The().dialogs.back().get())), kBadParameterErr);
}

TEST_F(AdmDialogTest, CreateBindsAndInstallsTheCallbacks) {
  auto* probe = new Probe();
  ASSERT_NE(probe->Create(fake::PluginRef(), "probe", 1, 5, 0), nullptr);
  fake::Dialog& d = *fake::The().dialogs.back();
  EXPECT_EQ(probe->GetDialogRef(), Ref(&d));
  EXPECT_EQ(probe->inits, 1);
  EXPECT_EQ(d.userData, probe);
  EXPECT_NE(d.draw, nullptr);
  EXPECT_NE(d.track, nullptr);
  EXPECT_NE(d.notify, nullptr);
  EXPECT_NE(d.destroy, nullptr);
  EXPECT_FALSE(probe->IsModal());
  delete probe;
}

TEST_F(AdmDialogTest, FailedInitLeavesTheObjectUnbound) {
  int destroyed = 0;
  auto* probe = new Probe(&destroyed);
  probe->initResult = KW_FOUR_CHAR('F', 'A', 'I', 'L');
  EXPECT_EQ(probe->Create(fake::PluginRef(), "probe", 1, 5, 0), nullptr);
  EXPECT_FALSE(probe->IsBound());
  delete probe;
  EXPECT_EQ(destroyed, 1);
  EXPECT_TRUE(fake::The().misuse.empty());
}

TEST_F(AdmDialogTest, DrawAndTrackIgnoreADialogBoundToAnotherObject) {
  auto* probe = new Probe();
  probe->Create(fake::PluginRef(), "probe", 1, 5, 0);
  fake::Dialog& d = *fake::The().dialogs.back();
  d.draw(Ref(&d), nullptr);
  EXPECT_EQ(probe->draws, 1);
  EXPECT_TRUE(d.track(Ref(&d), nullptr));

  fake::The().templates[2] = {};
  auto* other = sADMDialog->Create(fake::PluginRef(), "other", 2, 0, nullptr, probe, 0);
  fake::Dialog& od = *fake::The().dialogs.back();
  BaseADMDialog::DrawProc(other, nullptr);
  EXPECT_EQ(probe->draws, 1);
  EXPECT_FALSE(BaseADMDialog::TrackProc(other, nullptr));
  od.userData = nullptr;
  BaseADMDialog::DrawProc(other, nullptr);
  EXPECT_EQ(probe->draws, 1);
  delete probe;
}

TEST_F(AdmDialogTest, DestructorClearsTheCallbacksThenDestroysTheDialog) {
  auto* probe = new Probe();
  probe->Create(fake::PluginRef(), "probe", 1, 5, 0);
  fake::Dialog& d = *fake::The().dialogs.back();
  delete probe;
  EXPECT_TRUE(d.destroyed);
  EXPECT_EQ(d.userData, nullptr);
  EXPECT_EQ(d.draw, nullptr);
  EXPECT_EQ(d.notify, nullptr);
  EXPECT_EQ(d.destroy, nullptr);  // so the host's destroy did not reach the deleted object
  EXPECT_TRUE(fake::The().misuse.empty());
}

TEST_F(AdmDialogTest, HostDestroyingANonModalDialogDeletesItsObjectOnce) {
  int destroyed = 0;
  auto* probe = new Probe(&destroyed);
  probe->Create(fake::PluginRef(), "probe", 1, 5, 0);
  fake::DestroyDialog(*fake::The().dialogs.back());
  EXPECT_EQ(destroyed, 1);
  // The object must not destroy the dialog the host was already destroying.
  EXPECT_TRUE(fake::The().misuse.empty());
}

TEST_F(AdmDialogTest, ModalObjectSurvivesItsDialog) {
  int destroyed = 0;
  Probe probe(&destroyed);
  fake::The().modalScript = [&](fake::Dialog& d) {
    EXPECT_EQ(probe.GetDialogRef(), Ref(&d));
    return 1;
  };
  EXPECT_EQ(probe.RunModal(fake::PluginRef(), "modal", 1, 0, 0), 1);
  EXPECT_TRUE(probe.IsModal());
  EXPECT_EQ(probe.destroyCalls, 1);
  EXPECT_EQ(destroyed, 0);
  EXPECT_FALSE(probe.IsBound());
  EXPECT_EQ(fake::The().modalRuns, std::vector<std::string>{"modal"});
}

}  // namespace
