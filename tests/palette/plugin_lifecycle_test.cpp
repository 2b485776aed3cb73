// The plug-in object's own messages: registration, the palette's life, the menu item.
#include <gtest/gtest.h>

#include "palette/kerfworks_plugin_dialog.h"
#include "palette_fixture.h"
#include "plugin/kerfworks_plugin.h"
#include "standin/model/menus.h"

namespace palette_test {
namespace {

class PluginLifecycleTest : public PaletteHostTest {
 protected:
  // The plug-in object acquires its suites itself as it starts, and releases them as it shuts
  // down; the fixture's end then finds none held.
  void SetUp() override {
    sSPBasic = host_.BasicSuite();
    message_.pluginRef = host_.PluginRef();
    message_.basicSuite = host_.BasicSuite();
    ASErr started = -1;
    Run([&] {
      plugin_ = new KerfworksPluginDialogPlugin(host_.PluginRef());
      if (plugin_ == nullptr) return;
      message_.globals = plugin_;
      started = plugin_->OnStartup(&message_);
    });
    ASSERT_NE(plugin_, nullptr);
    ASSERT_EQ(started, kNoErr);
  }
  void TearDown() override {
    if (plugin_ != nullptr) ShutDown();
    PaletteHostTest::TearDown();
  }
  void ShutDown() {
    ASErr result = -1;
    Run([&] {
      result = plugin_->OnShutdown(&message_);
      delete plugin_;
    });
    EXPECT_EQ(result, kNoErr);
    EXPECT_EQ(message_.globals, nullptr);
    plugin_ = nullptr;
  }
  ASErr Started() {
    ASErr result = -1;
    Run([&] { result = plugin_->OnApplicationStarted(); });
    return result;
  }
  ASErr Notify(const char* type) {
    const auto notifier = host_.App().FindNotifier(type);
    EXPECT_TRUE(notifier.has_value()) << type;
    AINotifierMessage m{message_, notifier.value_or(nullptr), type, nullptr};
    ASErr result = -1;
    Run([&] { result = plugin_->OnNotify(&m); });
    return result;
  }
  ASErr Menu(bool go, AIMenuItemHandle item) {
    AIMenuMessage m{message_, item};
    ASErr result = -1;
    Run([&] { result = go ? plugin_->OnMenuGo(&m) : plugin_->OnMenuUpdate(&m); });
    return result;
  }
  AIMenuItemHandle MenuItem() { return host_.Menus().Find(kMenuItemName); }
  const standin::MenuItemRecord& MenuRecord() { return *host_.Menus().Record(kMenuItemName); }
  ADMDialogRef PaletteDialog() { return user_.FindDialog(kPaletteDialogName); }
  bool Visible(ADMDialogRef dialog) { return Dialog(dialog).visible; }

  SPMessageData message_{};
  KerfworksPluginDialogPlugin* plugin_ = nullptr;
};

TEST_F(PluginLifecycleTest, StartupRegistersTheMenuItemAndNotifiers) {
  const auto& menus = host_.Menus();
  ASSERT_EQ(menus.order.size(), 1u);
  const standin::MenuItemRecord& item = MenuRecord();
  EXPECT_EQ(item.groupName, "Tool Palettes");
  EXPECT_EQ(item.text, "Show Kerfworks Plugin");
  EXPECT_EQ(item.options, 1);
  using Pair = std::pair<std::string, std::string>;
  const std::vector<Pair> expected = {
      {"ADMNonModalDialog App Started Notifier", "AI Application Started Notifier"},
      {"ThisPlugin_Shutdown AI Application Shutdown Notifier", "AI Application Shutdown Notifier"},
      {"ThisPlugin_Redraw", "AI Art Selection Changed Notifier"}};
  std::vector<Pair> registered;
  for (AINotifierHandle handle : host_.App().notifierOrder) {
    const standin::NotifierRecord* record = host_.App().notifiers.Find(handle);
    ASSERT_NE(record, nullptr);
    registered.emplace_back(record->name, record->type);
  }
  EXPECT_EQ(registered, expected);
  EXPECT_EQ(host_.App().setPluginOptionsCalls, 1);
  EXPECT_EQ(plugin_->Palette(), nullptr);
  EXPECT_EQ(PaletteDialog(), nullptr);
}

TEST_F(PluginLifecycleTest, ApplicationStartedBuildsThePaletteOnce) {
  EXPECT_EQ(Started(), kNoErr);
  KerfworksPluginDialog* first = plugin_->Palette();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Started(), kNoErr);
  EXPECT_EQ(plugin_->Palette(), first);
  EXPECT_EQ(host_.Dialogs().LiveDialogs().size(), 1u);
}

TEST_F(PluginLifecycleTest, MenuTogglesThePaletteAndTheCheckMarkFollows) {
  Started();
  const ADMDialogRef d = PaletteDialog();
  const AIMenuItemHandle item = MenuItem();
  ASSERT_TRUE(Visible(d));
  EXPECT_EQ(Menu(true, item), kNoErr);
  EXPECT_FALSE(Visible(d));
  Menu(false, item);
  EXPECT_FALSE(MenuRecord().checked);
  Menu(true, item);
  EXPECT_TRUE(Visible(d));
  Menu(false, item);
  EXPECT_TRUE(MenuRecord().checked);
  ASSERT_TRUE(user_.SetVisible(d, false));  // closed by other means
  Menu(false, item);
  EXPECT_FALSE(MenuRecord().checked);
  // Another item does nothing.
  Menu(true, reinterpret_cast<AIMenuItemHandle>(0x99));
  EXPECT_FALSE(Visible(d));
}

TEST_F(PluginLifecycleTest, FirstMenuUpdateReplacesTheStartupText) {
  EXPECT_EQ(MenuRecord().text, "Show Kerfworks Plugin");
  const int checks = Calls(kAIMenuSuite, "CheckItem");
  EXPECT_EQ(Menu(false, MenuItem()), kNoErr);
  EXPECT_EQ(MenuRecord().text, "Kerfworks Plug-in");
  EXPECT_EQ(Calls(kAIMenuSuite, "CheckItem"), checks);  // no palette, no check mark
}

TEST_F(PluginLifecycleTest, MissingMenuStringKeepsTheText) {
  const AIMenuItemHandle item = MenuItem();
  const std::size_t start = host_.Gate().Log().size();
  host_.Gate().FailCall(1);  // the menu text is the first thing it asks for
  Menu(false, item);
  host_.Gate().ClearFailure();
  ASSERT_GT(host_.Gate().Log().size(), start);
  EXPECT_EQ(host_.Gate().Log()[start], "ADM Basic Suite::GetIndexedString");
  EXPECT_EQ(MenuRecord().text, "Show Kerfworks Plugin");
}

TEST_F(PluginLifecycleTest, ShutdownNotifierDeletesThePaletteAndSavesTheSettings) {
  EXPECT_EQ(Notify("AI Art Selection Changed Notifier"), kNoErr);  // before the palette: nothing
  Started();
  const ADMDialogRef d = PaletteDialog();
  Dialog(d).bounds = {5, 6, 105, 206};
  Notify("AI Art Selection Changed Notifier");
  EXPECT_EQ(Item(d, 25).bounds.right, 100);
  EXPECT_EQ(Notify("AI Application Shutdown Notifier"), kNoErr);
  EXPECT_EQ(plugin_->Palette(), nullptr);
  EXPECT_EQ(PaletteDialog(), nullptr);
  EXPECT_EQ(Pref("kADM_DPSizeStr"), "100,200");
  EXPECT_EQ(Notify("AI Art Selection Changed Notifier"), kNoErr);  // after: nothing
}

TEST_F(PluginLifecycleTest, PaletteDestroyedByTheHostLeavesNoDanglingPointer) {
  Started();
  ASSERT_TRUE(user_.Close(PaletteDialog()));
  EXPECT_EQ(plugin_->Palette(), nullptr);
  Menu(true, MenuItem());
  EXPECT_EQ(Notify("AI Application Shutdown Notifier"), kNoErr);
}

TEST_F(PluginLifecycleTest, ShutdownWithoutTheNotificationStillSavesAndFreesThePalette) {
  Started();
  ShutDown();
  EXPECT_EQ(PaletteDialog(), nullptr);
  EXPECT_NE(Pref("kADM_DPSizeStr"), "-");
}

TEST_F(PluginLifecycleTest, ReloadKeepsThePaletteMenuItemAndNotifiers) {
  Started();
  KerfworksPluginDialog* palette = plugin_->Palette();
  Run([&] { plugin_ = KerfworksPluginDialogPlugin::Reestablish(plugin_); });
  EXPECT_EQ(plugin_->Palette(), palette);
  Menu(true, MenuItem());
  EXPECT_FALSE(Visible(PaletteDialog()));
  Notify("AI Application Shutdown Notifier");
  EXPECT_EQ(plugin_->Palette(), nullptr);
}

}  // namespace
}  // namespace palette_test
