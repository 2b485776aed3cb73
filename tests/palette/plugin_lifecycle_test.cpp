// The plug-in object's own messages: registration, the palette's life, the menu item.
#include <gtest/gtest.h>

#include "fake_host.h"
#include "palette/kerfworks_plugin_dialog.h"
#include "plugin/kerfworks_plugin.h"

namespace {

class PluginLifecycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Install();
    message_ = {0, fake::PluginRef(), nullptr, fake::Basic()};
    plugin_ = new KerfworksPluginDialogPlugin(fake::PluginRef());
    ASSERT_NE(plugin_, nullptr);
    message_.globals = plugin_;
    ASSERT_EQ(plugin_->OnStartup(&message_), kNoErr);
  }
  void TearDown() override {
    if (plugin_ != nullptr) ShutDown();
    EXPECT_EQ(fake::The().liveBlocks, 0);
    EXPECT_EQ(fake::The().liveStrings, 0);
    EXPECT_EQ(fake::The().acquiredSuites, 0);
    EXPECT_TRUE(fake::The().misuse.empty()) << fake::The().misuse.front();
  }
  void ShutDown() {
    EXPECT_EQ(plugin_->OnShutdown(&message_), kNoErr);
    EXPECT_EQ(message_.globals, nullptr);
    delete plugin_;
    plugin_ = nullptr;
  }
  ASErr Notify(const char* type) {
    AINotifierMessage m{message_, fake::The().notifierByType.at(type), type, nullptr};
    return plugin_->OnNotify(&m);
  }
  ASErr Menu(bool go, AIMenuItemHandle item) {
    AIMenuMessage m{message_, item};
    return go ? plugin_->OnMenuGo(&m) : plugin_->OnMenuUpdate(&m);
  }
  fake::Dialog* PaletteDialog() { return fake::The().Find("KerfworksPluginDialog"); }

  SPMessageData message_{};
  KerfworksPluginDialogPlugin* plugin_ = nullptr;
};

TEST_F(PluginLifecycleTest, StartupRegistersTheMenuItemAndNotifiers) {
  auto& w = fake::The();
  EXPECT_EQ(w.menuItems, std::vector<std::string>{
                             "Tool Palettes/Kerfworks Plugin Menu Item/Show Kerfworks Plugin/1"});
  using Pair = std::pair<std::string, std::string>;
  const std::vector<Pair> expected = {
      {"ADMNonModalDialog App Started Notifier", "AI Application Started Notifier"},
      {"ThisPlugin_Shutdown AI Application Shutdown Notifier", "AI Application Shutdown Notifier"},
      {"ThisPlugin_Redraw", "AI Art Selection Changed Notifier"}};
  EXPECT_EQ(w.notifiers, expected);
  EXPECT_EQ(w.setPluginOptionsCalls, 1);
  EXPECT_EQ(plugin_->Palette(), nullptr);
  EXPECT_EQ(PaletteDialog(), nullptr);
}

TEST_F(PluginLifecycleTest, ApplicationStartedBuildsThePaletteOnce) {
  EXPECT_EQ(plugin_->OnApplicationStarted(), kNoErr);
  KerfworksPluginDialog* first = plugin_->Palette();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(plugin_->OnApplicationStarted(), kNoErr);
  EXPECT_EQ(plugin_->Palette(), first);
  EXPECT_EQ(fake::The().dialogs.size(), 1u);
}

TEST_F(PluginLifecycleTest, MenuTogglesThePaletteAndTheCheckMarkFollows) {
  plugin_->OnApplicationStarted();
  fake::Dialog& d = *PaletteDialog();
  const AIMenuItemHandle item = fake::The().lastMenuItem;
  ASSERT_TRUE(d.visible);
  EXPECT_EQ(Menu(true, item), kNoErr);
  EXPECT_FALSE(d.visible);
  Menu(false, item);
  EXPECT_FALSE(fake::The().menuChecked[item]);
  Menu(true, item);
  EXPECT_TRUE(d.visible);
  Menu(false, item);
  EXPECT_TRUE(fake::The().menuChecked[item]);
  d.visible = false;  // closed by other means
  Menu(false, item);
  EXPECT_FALSE(fake::The().menuChecked[item]);
  // Another item does nothing.
  Menu(true, reinterpret_cast<AIMenuItemHandle>(0x99));
  EXPECT_FALSE(d.visible);
}

TEST_F(PluginLifecycleTest, FirstMenuUpdateReplacesTheStartupText) {
  const AIMenuItemHandle item = fake::The().lastMenuItem;
  EXPECT_EQ(fake::The().menuText[item], "Show Kerfworks Plugin");
  EXPECT_EQ(Menu(false, item), kNoErr);
  EXPECT_EQ(fake::The().menuText[item], "Kerfworks Plug-in");
  EXPECT_EQ(fake::The().menuChecked.count(item), 0u);  // no palette, no check mark
}

TEST_F(PluginLifecycleTest, MissingMenuStringKeepsTheText) {
  fake::The().strings.erase({16233, 0});
  const AIMenuItemHandle item = fake::The().lastMenuItem;
  Menu(false, item);
  EXPECT_EQ(fake::The().menuText[item], "Show Kerfworks Plugin");
}

TEST_F(PluginLifecycleTest, ShutdownNotifierDeletesThePaletteAndSavesTheSettings) {
  EXPECT_EQ(Notify("AI Art Selection Changed Notifier"), kNoErr);  // before the palette: nothing
  plugin_->OnApplicationStarted();
  fake::Dialog& d = *PaletteDialog();
  d.bounds = {5, 6, 105, 206};
  Notify("AI Art Selection Changed Notifier");
  EXPECT_EQ(d.At(25).bounds.right, 100);
  EXPECT_EQ(Notify("AI Application Shutdown Notifier"), kNoErr);
  EXPECT_EQ(plugin_->Palette(), nullptr);
  EXPECT_TRUE(d.destroyed);
  EXPECT_EQ(fake::The().Pref("kADM_DPSizeStr"), "100,200");
  EXPECT_EQ(Notify("AI Art Selection Changed Notifier"), kNoErr);  // after: nothing
}

TEST_F(PluginLifecycleTest, PaletteDestroyedByTheHostLeavesNoDanglingPointer) {
  plugin_->OnApplicationStarted();
  fake::DestroyDialog(*PaletteDialog());
  EXPECT_EQ(plugin_->Palette(), nullptr);
  Menu(true, fake::The().lastMenuItem);
  EXPECT_EQ(Notify("AI Application Shutdown Notifier"), kNoErr);
}

TEST_F(PluginLifecycleTest, ShutdownWithoutTheNotificationStillSavesAndFreesThePalette) {
  plugin_->OnApplicationStarted();
  fake::Dialog& d = *PaletteDialog();
  ShutDown();
  EXPECT_TRUE(d.destroyed);
  EXPECT_NE(fake::The().Pref("kADM_DPSizeStr"), "-");
}

TEST_F(PluginLifecycleTest, ReloadKeepsThePaletteMenuItemAndNotifiers) {
  plugin_->OnApplicationStarted();
  KerfworksPluginDialog* palette = plugin_->Palette();
  plugin_ = KerfworksPluginDialogPlugin::Reestablish(plugin_);
  EXPECT_EQ(plugin_->Palette(), palette);
  Menu(true, fake::The().lastMenuItem);
  EXPECT_FALSE(PaletteDialog()->visible);
  Notify("AI Application Shutdown Notifier");
  EXPECT_EQ(plugin_->Palette(), nullptr);
}

}  // namespace
