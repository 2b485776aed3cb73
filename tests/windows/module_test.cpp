// The real DLL loaded with LoadLibraryA, its resources read from the module itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "standin/core/host.h"
#include "standin/resources/resources.h"
#include "windows/windows_helpers.h"

namespace {

using standin::Host;
using standin::Language;

std::string ResFilePath() {
  std::string path = wintest::WindowsPath(KW_PLUGIN_MODULE_PATH);
  return path.substr(0, path.rfind('.')) + ".res";
}

TEST(ModuleResources, AreTheCompiledResourcesByteForByte) {
  Host host;
  const standin::Resources& fromModule = host.PluginResources();
  const standin::Resources fromFile = standin::Resources::FromResFile(ResFilePath());
  ASSERT_FALSE(fromFile.All().empty());
  EXPECT_EQ(fromModule.All(), fromFile.All());
  EXPECT_EQ(fromModule.String(16232, Language::kJapanese), "KWAIPin_j.chm");
  const auto* pipl = fromModule.RawNamed("PIPL", 16000, Language::kEnglish);
  ASSERT_NE(pipl, nullptr);
  EXPECT_EQ(pipl->size(), 118u);
}

TEST(ModuleResources, PicturesDecodeWithTheSystemsCodecs) {
  Host host;
  const auto png = host.PluginResources().Png(5041, Language::kEnglish);
  ASSERT_TRUE(png);
  EXPECT_GT(png->width, 0);
  EXPECT_EQ(png->argb.size(), static_cast<std::size_t>(png->width) * png->height);
  const auto icon = host.PluginResources().Icon(1001, Language::kEnglish);
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->width, 32);
}

TEST(ModuleResources, AModuleWithoutResourcesIsRefused) {
  EXPECT_THROW(standin::Resources::FromModule(GetModuleHandleA(nullptr), "the test program"),
               std::runtime_error);
}

TEST(ModuleSession, StartsAndShutsDownLeavingNothingBehind) {
  Host host;
  EXPECT_NE(host.Module().Handle(), nullptr);
  ASSERT_EQ(host.Startup(), kNoErr) << testing::PrintToString(host.Misbehaviour());
  EXPECT_EQ(host.Suites().Held().size(), 32u);
  EXPECT_EQ(host.App().pluginName, "ADMNonModalDialog");
  EXPECT_EQ(host.Shutdown(), kNoErr);
  EXPECT_EQ(host.Globals(), nullptr);
  EXPECT_EQ(host.Leftovers(), std::vector<std::string>{});
}

}  // namespace
