#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

// A scratch folder and the environment of one test, restored afterwards.
class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kw-platform-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    Set("KW_ACTIVITY_LOG", (folder_ / "activity.log").string());
    Set("KW_REGISTRY_USER", (folder_ / "user").string());
    Set("KW_REGISTRY_MACHINE", (folder_ / "machine").string());
    Set("TMPDIR", folder_.string());
  }
  void TearDown() override {
    for (const char* name : {"KW_ACTIVITY_LOG", "KW_REGISTRY_USER", "KW_REGISTRY_MACHINE", "TMPDIR",
                             "KW_PLATFORM_FAIL", "KW_SHELL_LOG"}) {
      unsetenv(name);
    }
    fs::remove_all(folder_);
  }
  static void Set(const char* name, const std::string& value) { setenv(name, value.c_str(), 1); }

  std::string Activity() const {
    std::ifstream in(folder_ / "activity.log");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  void WriteKey(const std::string& root, const std::string& key, const std::string& content) {
    const fs::path path = folder_ / root / (key + ".reg");
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
  }

  std::optional<std::string> ReadValue(platform::RegistryRoot root) {
    platform::RegistryKey key = nullptr;
    if (!platform::OpenRegistryKey(root, "Software\\Talvex\\Kerfworks\\Folder", &key)) {
      return std::nullopt;
    }
    char buffer[260];
    std::uint32_t size = sizeof buffer;
    const bool read = platform::QueryRegistryValue(key, "Path", buffer, &size);
    EXPECT_TRUE(platform::CloseRegistryKey(key));
    if (!read) return std::nullopt;
    return std::string(buffer, size);
  }

  fs::path folder_;
};

TEST_F(PlatformTest, RegistryValuesComeFromTheKeyFilesOfEachRoot) {
  WriteKey("user", "Software/Talvex/Kerfworks/Folder", "Other=x\r\npath=/opt/user app\r\n");
  WriteKey("machine", "Software/Talvex/Kerfworks/Folder", "Pathway=/x\n Path\t =  /opt/machine \n");
  EXPECT_EQ(ReadValue(platform::RegistryRoot::kCurrentUser), "/opt/user app");
  EXPECT_EQ(ReadValue(platform::RegistryRoot::kLocalMachine), "/opt/machine");
  Set("KW_PLATFORM_FAIL", "regquery");
  EXPECT_EQ(ReadValue(platform::RegistryRoot::kCurrentUser), std::nullopt);
}

TEST_F(PlatformTest, MissingKeysAndEscapingKeyNamesAreNotFound) {
  EXPECT_EQ(ReadValue(platform::RegistryRoot::kCurrentUser), std::nullopt);
  platform::RegistryKey key = nullptr;
  EXPECT_FALSE(platform::OpenRegistryKey(platform::RegistryRoot::kCurrentUser, "..\\etc", &key));
  EXPECT_EQ(key, nullptr);
}

TEST_F(PlatformTest, TemporaryFilesAreNewAndNamedLikeWindowsNamesThem) {
  char folder[260];
  ASSERT_GT(platform::GetTemporaryFolder(folder, sizeof folder), 0u);
  EXPECT_EQ(std::string(folder), folder_.string() + "/");
  char first[260], second[260];
  ASSERT_TRUE(platform::CreateTemporaryFile(folder, "~KW", first));
  ASSERT_TRUE(platform::CreateTemporaryFile(folder, "~KW", second));
  EXPECT_NE(std::string(first), std::string(second));
  EXPECT_TRUE(std::regex_match(first, std::regex(".*/~KW[0-9A-F]{1,4}\\.TMP")));
  EXPECT_TRUE(fs::exists(first));
}

TEST_F(PlatformTest, ActivityIsNotedOnlyWhenItHappened) {
  const std::string path = (folder_ / "out.txt").string();
  platform::File file = platform::CreateOutputFile(path.c_str());
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(platform::WriteToFile(file, "abc", 3));
  EXPECT_TRUE(platform::CloseFile(file));

  const char* arguments[] = {"-i", path.c_str(), nullptr};
  EXPECT_TRUE(platform::StartProcess("/bin/true", ("/bin/true -i " + path).c_str(), arguments));
  Set("KW_SHELL_LOG", (folder_ / "shell.log").string());
  EXPECT_TRUE(platform::ShellOpen("/help/file.chm"));

  Set("KW_PLATFORM_FAIL", "create,start,shell");
  EXPECT_EQ(platform::CreateOutputFile(path.c_str()), nullptr);
  EXPECT_FALSE(platform::StartProcess("/bin/true", "/bin/true", arguments));
  EXPECT_FALSE(platform::ShellOpen("/help/file.chm"));
  unsetenv("KW_PLATFORM_FAIL");
  EXPECT_FALSE(platform::StartProcess("/nonexistent/program", "nothing", arguments));

  EXPECT_EQ(Activity(),
            "file " + path + "\nstart /bin/true -i " + path + "\nshell /help/file.chm\n");
}

TEST_F(PlatformTest, ClockFollowsTheSeam) {
  Set("KW_PLATFORM_CLOCK", "123456789");
  EXPECT_EQ(platform::WallClockSeconds(), 123456789);
  unsetenv("KW_PLATFORM_CLOCK");
  EXPECT_GT(platform::WallClockSeconds(), 1700000000);
}

}  // namespace
