#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tools/kwhost/preference_file.h"

// Found by argument-dependent lookup from the comparison of stored values.
bool operator==(const ASPoint& a, const ASPoint& b) {
  return a.h == b.h && a.v == b.v;
}

namespace {

namespace fs = std::filesystem;

fs::path Scratch(const char* name) {
  const fs::path path = fs::temp_directory_path() / ("kw-prefs-" + std::to_string(getpid())) / name;
  fs::remove_all(path.parent_path());
  return path;
}

TEST(PreferenceFile, EveryTypeSurvivesARoundTrip) {
  const fs::path path = Scratch("deep/prefs.txt");
  standin::PreferenceStore store;
  store.Set("KerfworksPluginDialog", "kADM_bSelectObj", true);
  store.Set("KerfworksPluginDialog", "kADM_machineType", std::int32_t{-3});
  store.Set("KerfworksPluginDialog", "ratio", AIReal{14.1732f});
  store.Set("KerfworksPluginDialog", "kADM_DPDockGroupStr", std::string("tab\there\nline\\"));
  store.Set("Other\tsection", "kADM_DPLocationStr", ASPoint{-20, 400});
  kwhost::SavePreferences(path.string(), store);
  standin::PreferenceStore read;
  kwhost::LoadPreferences(path.string(), read);
  EXPECT_EQ(read.All(), store.All());
  fs::remove_all(path.parent_path().parent_path());
}

TEST(PreferenceFile, MissingFileIsAnEmptyStore) {
  standin::PreferenceStore store;
  kwhost::LoadPreferences(Scratch("none.txt").string(), store);
  EXPECT_EQ(store.Size(), 0u);
}

TEST(PreferenceFile, DamagedLinesAreReportedByLine) {
  const fs::path path = Scratch("bad.txt");
  fs::create_directories(path.parent_path());
  for (const char* bad : {"S\tk\tb\t2\n", "S\tk\ti\t1.5\n", "S\tk\tp\t1\n", "S\tk\ts\tx\\q\n",
                          "S\tk\tz\t1\n", "S\tk\n"}) {
    std::ofstream(path, std::ios::binary) << "S\tok\ti\t1\n" << bad;
    standin::PreferenceStore store;
    try {
      kwhost::LoadPreferences(path.string(), store);
      ADD_FAILURE() << "accepted " << bad;
    } catch (const kwhost::PreferenceFileError& error) {
      EXPECT_EQ(std::string(error.what()), path.string() + ": line 2 is not a preference");
    }
  }
  fs::remove_all(path.parent_path());
}

}  // namespace
