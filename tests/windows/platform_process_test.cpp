// Process start, shell open, the module's own path and the failure seam, with the real calls.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "windows/windows_helpers.h"

namespace {

constexpr char kReportVariable[] = "KW_RECEIVER_REPORT";
constexpr char kCutFile[] =
    "%!PS-Adobe-3.0\r\n%%EndComments\r\n%%BeginProlog\r\n%%EndProlog\r\n%%BeginSetup\r\n"
    "%%EndSetup\r\n%AI5_BeginLayer\r\n%AI5_EndLayer--\r\n%%PageTrailer\r\n%%Trailer\r\n%%EOF\r\n";

class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(report_.c_str());
    const platform::File file = platform::CreateOutputFile(cutFile_.c_str());
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(platform::WriteToFile(file, kCutFile, sizeof kCutFile - 1));
    ASSERT_TRUE(platform::CloseFile(file));
    ASSERT_TRUE(SetEnvironmentVariableA(kReportVariable, report_.c_str()));
  }
  void TearDown() override {
    SetEnvironmentVariableA(kReportVariable, nullptr);
    DeleteFileA(report_.c_str());
    DeleteFileA(cutFile_.c_str());
  }

  // Starts `program` on the cut file as the launcher does and returns the receiver's report.
  std::optional<std::string> Launch(const std::string& program) {
    const std::string commandLine = program + " -i " + cutFile_;
    if (!platform::StartProcess(program.c_str(), commandLine.c_str(), nullptr)) return {};
    return wintest::WaitForFile(report_, 30);
  }

  std::string report_ = wintest::TemporaryPath("kw receiver report.txt");
  std::string cutFile_ = wintest::TemporaryPath("~KWF00.TMP");
};

TEST_F(ProcessTest, StartsTheProgramWithTheCommandLineAsGiven) {
  const auto report = Launch(wintest::WindowsPath(KW_RECEIVER_PROGRAM));
  ASSERT_TRUE(report);
  EXPECT_NE(report->find("arguments: -i " + cutFile_ + "\n"), std::string::npos) << *report;
  EXPECT_NE(report->find("status: ok\n"), std::string::npos) << *report;
}

TEST_F(ProcessTest, APathWithSpacesIsPassedUnquoted) {
  const std::string folder = wintest::TemporaryPath("kw cut tool");
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string program = folder + "\\Cut Tool.exe";
  ASSERT_TRUE(CopyFileA(wintest::WindowsPath(KW_RECEIVER_PROGRAM).c_str(), program.c_str(), FALSE));
  const auto report = Launch(program);
  DeleteFileA(program.c_str());
  RemoveDirectoryA(folder.c_str());
  ASSERT_TRUE(report);
  // The program itself runs; its unquoted path then splits into arguments of its own.
  EXPECT_NE(report->find("arguments: cut tool\\Cut Tool.exe -i " + cutFile_ + "\n"),
            std::string::npos)
      << *report;
  EXPECT_NE(report->find("status: usage-error\n"), std::string::npos) << *report;
}

TEST_F(ProcessTest, AMissingProgramIsNotStarted) {
  EXPECT_FALSE(platform::StartProcess("C:\\no such folder\\Kerfworks.exe",
                                      "C:\\no such folder\\Kerfworks.exe -i x", nullptr));
  EXPECT_FALSE(platform::StartProcess(nullptr, "x", nullptr));
}

class SeamTest : public ::testing::Test {
 protected:
  void TearDown() override {
    SetEnvironmentVariableA("KW_PLATFORM_FAIL", nullptr);
    SetEnvironmentVariableA("KW_SHELL_LOG", nullptr);
    DeleteFileA(log_.c_str());
  }
  std::string log_ = wintest::TemporaryPath("kw shell log.txt");
};

TEST_F(SeamTest, ShellOpenIsRecordedWhenALogIsNamed) {
  DeleteFileA(log_.c_str());
  ASSERT_TRUE(SetEnvironmentVariableA("KW_SHELL_LOG", log_.c_str()));
  EXPECT_TRUE(platform::ShellOpen("C:\\Plug-ins\\KWAIPin_e.chm"));
  EXPECT_TRUE(platform::ShellOpen("C:\\Plug-ins\\KWAIPin_j.chm"));
  EXPECT_EQ(wintest::ReadWholeFile(log_),
            "C:\\Plug-ins\\KWAIPin_e.chm\nC:\\Plug-ins\\KWAIPin_j.chm\n");
}

TEST_F(SeamTest, TheRealShellFailsOnAMissingDocument) {
  EXPECT_FALSE(platform::ShellOpen("C:\\no such folder\\KWAIPin_e.chm"));
}

TEST_F(SeamTest, NamedOperationsFailAsTheSystemWould) {
  const std::string path = wintest::TemporaryPath("kw seam test.TMP");
  ASSERT_TRUE(SetEnvironmentVariableA("KW_PLATFORM_FAIL", " start , create"));
  EXPECT_EQ(platform::CreateOutputFile(path.c_str()), nullptr);
  EXPECT_FALSE(platform::StartProcess("C:\\windows\\system32\\reg.exe", "reg /?", nullptr));
  char folder[260];
  EXPECT_GT(platform::GetTemporaryFolder(folder, sizeof folder), 0u);

  ASSERT_TRUE(SetEnvironmentVariableA("KW_PLATFORM_FAIL", nullptr));
  const platform::File file = platform::CreateOutputFile(path.c_str());
  EXPECT_NE(file, nullptr);
  EXPECT_TRUE(platform::CloseFile(file));
  DeleteFileA(path.c_str());
}

TEST(ModulePath, IsTheFullPathAndIsCutToFit) {
  char expected[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, expected, sizeof expected);
  ASSERT_GT(length, 4u);
  char buffer[MAX_PATH];
  EXPECT_EQ(platform::GetModulePath(nullptr, buffer, sizeof buffer), length);
  EXPECT_STREQ(buffer, expected);
  EXPECT_NE(std::string(buffer).find('\\'), std::string::npos);

  char small[5];
  EXPECT_EQ(platform::GetModulePath(nullptr, small, sizeof small), sizeof small);
  EXPECT_EQ(std::string(small), std::string(expected, 4));
}

}  // namespace
