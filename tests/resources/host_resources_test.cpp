#include <gtest/gtest.h>

#include <stdexcept>

#include "built_resources.h"
#include "standin/core/host.h"

namespace {

using standin::Host;
using standin::HostOptions;
using standin::Language;

TEST(HostResources, DefaultPathIsTheResFileBesideTheModule) {
  HostOptions options;
  EXPECT_EQ(Host::ResourcePath(options), kwtest::kResPath);
  options.modulePath = "/plug-ins/Cut.tool.aip";
  EXPECT_EQ(Host::ResourcePath(options), "/plug-ins/Cut.tool.res");
  options.resourcePath = "/elsewhere/other.res";
  EXPECT_EQ(Host::ResourcePath(options), "/elsewhere/other.res");
}

TEST(HostResources, FollowsTheLanguageOption) {
  HostOptions options;
  options.modulePath.clear();
  options.resourcePath = kwtest::kResPath;
  options.japanese = true;
  Host host(options);
  EXPECT_EQ(host.UserLanguage(), Language::kJapanese);
  const standin::Resources& res = host.PluginResources();
  EXPECT_EQ(res.String(16233, host.UserLanguage()), "Kerfworks プラグイン");
  EXPECT_EQ(&host.PluginResources(), &res) << "read once";
  host.SetJapanese(false);
  EXPECT_EQ(host.PluginResources().String(16233, host.UserLanguage()), "Kerfworks Plug-in");
}

TEST(HostResources, MissingFileIsAnErrorEachTime) {
  HostOptions options;
  options.modulePath.clear();
  options.resourcePath = "/nonexistent/plugin.res";
  Host host(options);
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      host.PluginResources();
      ADD_FAILURE() << "read a missing file";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find("/nonexistent/plugin.res"), std::string::npos);
    }
  }
}

}  // namespace
