// Temporary files and the cut file's write calls against the real file system.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <string>

#include "platform/platform.h"
#include "windows/windows_helpers.h"

namespace {

constexpr char kPrefix[] = "~KW";

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string SystemTemporaryFolder() {
  char folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof folder, folder);
  return std::string(folder, length);
}

TEST(TemporaryFolder, IsTheSystemsFolderWithItsSeparator) {
  char buffer[260];
  const std::uint32_t length = platform::GetTemporaryFolder(buffer, sizeof buffer);
  ASSERT_GT(length, 0u);
  EXPECT_EQ(std::string(buffer, length), SystemTemporaryFolder());
  EXPECT_EQ(buffer[length - 1], '\\');
  EXPECT_EQ(buffer[length], '\0');
}

TEST(TemporaryFolder, TooSmallABufferGivesNothing) {
  char buffer[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(platform::GetTemporaryFolder(buffer, sizeof buffer), 0u);
  EXPECT_EQ(buffer[0], '\0');
}

TEST(TemporaryFile, IsCreatedEmptyWithTheKwNameAndUnique) {
  const std::string folder = SystemTemporaryFolder();
  char first[MAX_PATH];
  char second[MAX_PATH];
  ASSERT_TRUE(platform::CreateTemporaryFile(folder.c_str(), kPrefix, first));
  ASSERT_TRUE(platform::CreateTemporaryFile(folder.c_str(), kPrefix, second));
  EXPECT_STRNE(first, second);
  for (const std::string& name : {std::string(first), std::string(second)}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(name.rfind(folder + kPrefix, 0), 0u);
    ASSERT_GT(name.size(), folder.size() + 3 + 4);
    // Windows writes ".TMP", Wine ".tmp"; the file system does not tell them apart.
    EXPECT_EQ(UpperCase(name.substr(name.size() - 4)), ".TMP");
    const std::string number = name.substr(folder.size() + 3, name.size() - folder.size() - 7);
    EXPECT_FALSE(number.empty());
    for (char digit : number) EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(digit)));
    EXPECT_EQ(wintest::ReadWholeFile(name), std::string());
    DeleteFileA(name.c_str());
  }
}

TEST(TemporaryFile, AMissingFolderLeavesAnEmptyName) {
  char buffer[MAX_PATH] = "stale";
  EXPECT_FALSE(platform::CreateTemporaryFile("C:\\no such folder\\", kPrefix, buffer));
  EXPECT_STREQ(buffer, "");
}

class OutputFileTest : public ::testing::Test {
 protected:
  void TearDown() override { DeleteFileA(path_.c_str()); }
  std::string path_ = wintest::TemporaryPath("kw output test.TMP");
};

TEST_F(OutputFileTest, WritesExactlyTheBytesGivenAndReplacesAnOldFile) {
  {
    const platform::File old = platform::CreateOutputFile(path_.c_str());
    ASSERT_NE(old, nullptr);
    const std::string longer(4096, 'o');
    ASSERT_TRUE(platform::WriteToFile(old, longer.data(), longer.size()));
    ASSERT_TRUE(platform::CloseFile(old));
  }
  const std::string bytes = std::string("%!PS-Adobe-3.0\r\nu\r\n\0\xff\n", 24) + "%%EOF\r\n";
  const platform::File file = platform::CreateOutputFile(path_.c_str());
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(platform::WriteToFile(file, bytes.data(), 10));
  ASSERT_TRUE(platform::WriteToFile(file, bytes.data() + 10, bytes.size() - 10));
  ASSERT_TRUE(platform::WriteToFile(file, nullptr, 0));
  ASSERT_TRUE(platform::CloseFile(file));
  EXPECT_EQ(wintest::ReadWholeFile(path_), bytes);
}

TEST_F(OutputFileTest, IsSharedWithNoOtherOpener) {
  const platform::File file = platform::CreateOutputFile(path_.c_str());
  ASSERT_NE(file, nullptr);
  const HANDLE reader = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_EQ(reader, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
  EXPECT_TRUE(platform::CloseFile(file));
  EXPECT_EQ(GetFileAttributesA(path_.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(OutputFileTest, FailuresAreReportedNotHidden) {
  EXPECT_EQ(platform::CreateOutputFile("C:\\no such folder\\cut.TMP"), nullptr);
  EXPECT_FALSE(platform::WriteToFile(nullptr, "x", 1));
  EXPECT_FALSE(platform::CloseFile(nullptr));

  // A file another program holds without sharing cannot be created over.
  const HANDLE holder = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_EQ(platform::CreateOutputFile(path_.c_str()), nullptr);
  CloseHandle(holder);
}

}  // namespace
