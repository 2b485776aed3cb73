// The registry calls against a real (Wine) registry, written with Wine's own `reg` program.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "windows/windows_helpers.h"

namespace {

using platform::RegistryRoot;
using wintest::Hive;

// The value under `root`, or nothing when the key or value cannot be read.
std::optional<std::string> ReadPath(RegistryRoot root) {
  platform::RegistryKey key = nullptr;
  if (!platform::OpenRegistryKey(root, wintest::kFolderKey, &key)) {
    EXPECT_EQ(key, nullptr);
    return std::nullopt;
  }
  char buffer[260] = {};
  std::uint32_t size = sizeof buffer;
  const bool read = platform::QueryRegistryValue(key, wintest::kPathValue, buffer, &size);
  EXPECT_TRUE(platform::CloseRegistryKey(key));
  if (!read) return std::nullopt;
  return std::string(buffer, size > 0 && buffer[size - 1] == '\0' ? size - 1 : size);
}

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { Clear(); }
  void TearDown() override { Clear(); }
  static void Clear() {
    ASSERT_TRUE(wintest::RemoveApplicationKey(Hive::kCurrentUser));
    ASSERT_TRUE(wintest::RemoveApplicationKey(Hive::kLocalMachine));
  }
};

TEST_F(RegistryTest, ReadsEachHiveOnItsOwn) {
  struct Case {
    const char* name;
    const char* user;     // null: no value under HKEY_CURRENT_USER
    const char* machine;  // null: none under HKEY_LOCAL_MACHINE
  };
  const Case cases[] = {
      {"current user only", "C:\\User\\Cut.exe", nullptr},
      {"local machine only", nullptr, "C:\\Program Files\\Talvex\\Kerfworks.exe"},
      {"both", "C:\\User\\Cut.exe", "C:\\Machine\\Cut.exe"},
      {"neither", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Clear();
    if (c.user != nullptr) {
      ASSERT_TRUE(wintest::SetApplicationPath(Hive::kCurrentUser, c.user));
    }
    if (c.machine != nullptr) {
      ASSERT_TRUE(wintest::SetApplicationPath(Hive::kLocalMachine, c.machine));
    }
    const auto user = ReadPath(RegistryRoot::kCurrentUser);
    const auto machine = ReadPath(RegistryRoot::kLocalMachine);
    EXPECT_EQ(user, c.user == nullptr ? std::nullopt : std::optional<std::string>(c.user));
    EXPECT_EQ(machine, c.machine == nullptr ? std::nullopt : std::optional<std::string>(c.machine));
  }
}

TEST_F(RegistryTest, ValueLongerThanTheBufferFailsAndSaysWhatItNeeds) {
  const std::string path = "C:\\" + std::string(300, 'x') + ".exe";
  ASSERT_TRUE(wintest::SetApplicationPath(Hive::kCurrentUser, path));
  platform::RegistryKey key = nullptr;
  ASSERT_TRUE(platform::OpenRegistryKey(RegistryRoot::kCurrentUser, wintest::kFolderKey, &key));
  char buffer[260];
  std::uint32_t size = sizeof buffer;
  EXPECT_FALSE(platform::QueryRegistryValue(key, wintest::kPathValue, buffer, &size));
  EXPECT_EQ(size, path.size() + 1);  // a string value is stored with its terminator

  std::uint32_t asked = 0;
  EXPECT_TRUE(platform::QueryRegistryValue(key, wintest::kPathValue, nullptr, &asked));
  EXPECT_EQ(asked, path.size() + 1);
  EXPECT_TRUE(platform::CloseRegistryKey(key));
}

TEST_F(RegistryTest, MissingValueUnderAnExistingKeyFails) {
  ASSERT_EQ(wintest::RunAndWait(std::string("reg add \"HKCU\\") + wintest::kFolderKey +
                                "\" /v Other /d x /f"),
            0);
  platform::RegistryKey key = nullptr;
  ASSERT_TRUE(platform::OpenRegistryKey(RegistryRoot::kCurrentUser, wintest::kFolderKey, &key));
  char buffer[260];
  std::uint32_t size = sizeof buffer;
  EXPECT_FALSE(platform::QueryRegistryValue(key, wintest::kPathValue, buffer, &size));
  EXPECT_TRUE(platform::CloseRegistryKey(key));
}

}  // namespace
