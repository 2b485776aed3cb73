// The cut button pressed on the real DLL under Wine: which registered program is started, the cut
// file it is given, and what the user sees when there is nothing to start or nowhere to write.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string>

#include "standin/resources/resources.h"
#include "windows/cut_session.h"
#include "windows/windows_helpers.h"

namespace {

using wintest::Hive;

constexpr char kFallbackPath[] = "c:\\Kerfworks.exe";

std::string Golden(const char* name) {
  return wintest::ReadWholeFile(std::string(KW_TEST_DATA_DIR) + "/cutfiles/" + name).value_or("");
}

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool Started(const std::vector<std::string>& activity) {
  return std::any_of(activity.begin(), activity.end(),
                     [](const std::string& line) { return line.rfind("start ", 0) == 0; });
}

class CutScenarioTest : public wintest::CutSessionTest {
 protected:
  // The one cut file of the session, named as the system names temporary files.
  std::string CutFile() {
    const auto files = NewCutFiles();
    EXPECT_EQ(files.size(), 1u) << testing::PrintToString(files);
    if (files.size() != 1) return {};
    const std::string& path = files[0];
    EXPECT_EQ(UpperCase(path.substr(path.size() - 4)), ".TMP") << path;
    return path;
  }
  std::string MessageText(int id) {
    return Host()
        .PluginResources()
        .String(id, Host().UserLanguage())
        .value_or("no message " + std::to_string(id));
  }
  std::string MissingApplicationText() { return MessageText(wintest::kMissingApplicationMessage); }
};

TEST_F(CutScenarioTest, TheRegisteredProgramIsStartedOnTheCutFile) {
  struct Case {
    const char* name;
    bool user;     // a receiver registered under HKEY_CURRENT_USER
    bool machine;  // another one under HKEY_LOCAL_MACHINE
    const char* startedCopy;
  };
  const Case cases[] = {
      {"current user only", true, false, "kwreceiver_user.exe"},
      {"local machine only", false, true, "kwreceiver_machine.exe"},
      {"both: the current user wins", true, true, "kwreceiver_user.exe"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    if (c.user) {
      ASSERT_TRUE(
          wintest::SetApplicationPath(Hive::kCurrentUser, ReceiverCopy("kwreceiver_user.exe")));
    }
    if (c.machine) {
      ASSERT_TRUE(
          wintest::SetApplicationPath(Hive::kLocalMachine, ReceiverCopy("kwreceiver_machine.exe")));
    }
    OpenPalette();
    const std::string cutFile = CutFile();
    ASSERT_FALSE(cutFile.empty());
    EXPECT_EQ(wintest::ReadWholeFile(cutFile), "") << "created empty with the palette";

    ASSERT_TRUE(PressCut());
    const auto report = WaitForReport();
    ASSERT_TRUE(report) << "the receiver was not started";
    const std::string program = wintest::TemporaryPath(c.startedCopy);
    EXPECT_EQ(Activity(),
              (std::vector<std::string>{"file " + cutFile, "start " + program + " -i " + cutFile}));
    EXPECT_NE(report->find("arguments: -i " + cutFile + "\n"), std::string::npos) << *report;
    EXPECT_NE(report->find("status: ok\n"), std::string::npos) << *report;
    EXPECT_NE(report->find("path 1: closed segments 4\n"), std::string::npos) << *report;
    EXPECT_EQ(wintest::ReadWholeFile(cutFile), Golden("closed_rectangle.cut"));
    EXPECT_TRUE(Host().App().alerts.empty());
  }
}

TEST_F(CutScenarioTest, EachCutRewritesTheSameFileAndStartsTheProgramAgain) {
  ASSERT_TRUE(wintest::SetApplicationPath(Hive::kCurrentUser, ReceiverCopy("kwreceiver_user.exe")));
  OpenPalette();
  const std::string cutFile = CutFile();
  for (int press = 1; press <= 2; ++press) {
    SCOPED_TRACE(press);
    DeleteFileA(report_.c_str());
    ASSERT_TRUE(PressCut());
    const auto report = WaitForReport();
    ASSERT_TRUE(report) << "the receiver was not started";
    EXPECT_NE(report->find("status: ok\n"), std::string::npos) << *report;
    EXPECT_EQ(wintest::ReadWholeFile(cutFile), Golden("closed_rectangle.cut"));
  }
  EXPECT_EQ(NewCutFiles(), std::vector<std::string>{cutFile});
  EXPECT_EQ(Activity().size(), 4u);
}

TEST_F(CutScenarioTest, NothingUsableRegisteredShowsTheMessageAndStillWritesTheFile) {
  struct Case {
    const char* name;
    const char* user;     // null: no value under HKEY_CURRENT_USER
    const char* machine;  // null: none under HKEY_LOCAL_MACHINE
  };
  const Case cases[] = {
      {"neither", nullptr, nullptr},
      {"the fallback path itself", kFallbackPath, nullptr},
      {"the fallback path under the machine", nullptr, kFallbackPath},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    if (c.user != nullptr) {
      ASSERT_TRUE(wintest::SetApplicationPath(Hive::kCurrentUser, c.user));
    }
    if (c.machine != nullptr) {
      ASSERT_TRUE(wintest::SetApplicationPath(Hive::kLocalMachine, c.machine));
    }
    OpenPalette();
    const std::string cutFile = CutFile();
    ASSERT_TRUE(PressCut());
    ASSERT_TRUE(PressCut());
    ASSERT_EQ(Host().App().alerts.size(), 2u);
    for (const standin::Alert& alert : Host().App().alerts) {
      EXPECT_EQ(alert.text, MissingApplicationText());
    }
    EXPECT_EQ(Host().App().alerts[0].text.rfind("Kerfworks is not found.If", 0), 0u);
    EXPECT_FALSE(Started(Activity()));
    EXPECT_EQ(wintest::ReadWholeFile(cutFile), Golden("closed_rectangle.cut"));
  }
}

TEST_F(CutScenarioTest, TheMessageIsInTheUsersLanguage) {
  OpenPalette(/*japanese=*/true);
  ASSERT_TRUE(PressCut());
  ASSERT_EQ(Host().App().alerts.size(), 1u);
  EXPECT_EQ(Host().App().alerts[0].text, MissingApplicationText());
  EXPECT_EQ(Host().App().alerts[0].text.rfind("Kerfworks\xE3\x81\x8C", 0), 0u);  // "Kerfworksが"
}

TEST_F(CutScenarioTest, AProgramThatCannotBeStartedShowsTheMessage) {
  const std::string notAProgram = wintest::TemporaryPath("kw not a program.exe");
  std::ofstream(notAProgram) << "not a program\n";
  for (const std::string& program :
       {std::string("C:\\no such folder\\Cut.exe"), std::string("C:\\windows"), notAProgram}) {
    SCOPED_TRACE(program);
    TearDown();
    SetUp();
    ASSERT_TRUE(wintest::SetApplicationPath(Hive::kCurrentUser, program));
    OpenPalette();
    const std::string cutFile = CutFile();
    ASSERT_TRUE(PressCut());
    ASSERT_EQ(Host().App().alerts.size(), 1u);
    EXPECT_EQ(Host().App().alerts[0].text, MissingApplicationText());
    EXPECT_EQ(Activity(), std::vector<std::string>{"file " + cutFile});
    EXPECT_EQ(wintest::ReadWholeFile(cutFile), Golden("closed_rectangle.cut"));
  }
  DeleteFileA(notAProgram.c_str());
}

// A temporary folder with a blank, common under user names with blanks: the application still
// gets the cut file as one argument, by its short name or, where the system has none, quoted.
TEST_F(CutScenarioTest, ACutFileInAFolderWithABlankReachesTheProgramWhole) {
  const std::string folder = wintest::TemporaryPath("kw my temp");
  std::vector<std::string> cutFiles;
  for (const char* failing : {"", "shortpath"}) {
    SCOPED_TRACE(failing);
    TearDown();
    SetUp();
    // The program stays in a folder without blanks: only the cut file's folder has one.
    const std::string program = ReceiverCopy("kwreceiver_user.exe");
    CreateDirectoryA(folder.c_str(), nullptr);
    const standin::ScopedEnvironment tmp("TMP", folder);
    const standin::ScopedEnvironment temp("TEMP", folder);
    const standin::ScopedEnvironment fail("KW_PLATFORM_FAIL", std::string(failing));
    ASSERT_TRUE(wintest::SetApplicationPath(Hive::kCurrentUser, program));
    OpenPalette();
    ASSERT_TRUE(PressCut());
    const auto report = WaitForReport();
    ASSERT_TRUE(report) << "the receiver was not started";
    EXPECT_NE(report->find("status: ok\n"), std::string::npos) << *report;
    const auto activity = Activity();
    ASSERT_EQ(activity.size(), 2u);
    const std::string cutFile = activity[0].substr(5);
    cutFiles.push_back(cutFile);
    EXPECT_NE(cutFile.find("kw my temp"), std::string::npos) << cutFile;
    char shortForm[MAX_PATH] = "";
    const bool hasShortForm = *failing == '\0' &&
                              GetShortPathNameA(cutFile.c_str(), shortForm, MAX_PATH) != 0 &&
                              std::string(shortForm).find(' ') == std::string::npos;
    const std::string onLine = hasShortForm ? shortForm : "\"" + cutFile + "\"";
    EXPECT_EQ(activity[1], "start " + program + " -i " + onLine);
    TearDown();
  }
  for (const std::string& cutFile : cutFiles) DeleteFileA(cutFile.c_str());
  RemoveDirectoryA(folder.c_str());
  SetUp();
}

TEST_F(CutScenarioTest, ACutFileThatCannotBeWrittenStartsNothing) {
  ASSERT_TRUE(wintest::SetApplicationPath(Hive::kCurrentUser, ReceiverCopy("kwreceiver_user.exe")));
  OpenPalette();
  const std::string cutFile = CutFile();
  ASSERT_FALSE(cutFile.empty());

  // Another program holds the file without sharing it, as an editor or a virus scanner might.
  const std::string previous = "the previous cut\r\n";
  const HANDLE holder = CreateFileA(cutFile.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ASSERT_TRUE(
      WriteFile(holder, previous.data(), static_cast<DWORD>(previous.size()), &written, nullptr));
  ASSERT_TRUE(PressCut());
  CloseHandle(holder);
  ASSERT_EQ(Host().App().alerts.size(), 1u);
  EXPECT_EQ(Host().App().alerts[0].text, MessageText(wintest::kCutFileNotWrittenMessage));
  EXPECT_EQ(Host().App().alerts[0].text, "The cut file could not be written.");
  EXPECT_EQ(Activity(), std::vector<std::string>{}) << "the file was written or a program started";
  EXPECT_EQ(wintest::ReadWholeFile(cutFile), previous);
  EXPECT_EQ(wintest::ReadWholeFile(report_), std::nullopt);

  // Once the file is free again the next cut goes through.
  ASSERT_TRUE(PressCut());
  EXPECT_EQ(Host().App().alerts.size(), 1u) << "a second message";
  const auto report = WaitForReport();
  ASSERT_TRUE(report) << "the receiver was not started";
  EXPECT_NE(report->find("status: ok\n"), std::string::npos) << *report;
  EXPECT_EQ(wintest::ReadWholeFile(cutFile), Golden("closed_rectangle.cut"));
}

TEST_F(CutScenarioTest, HelpOpensTheHelpFileBesideTheModuleThroughTheShell) {
  struct Case {
    bool japanese;
    const char* helpFile;
  };
  for (const Case& c : {Case{false, "KWAIPin_e.chm"}, Case{true, "KWAIPin_j.chm"}}) {
    SCOPED_TRACE(c.helpFile);
    TearDown();
    SetUp();
    OpenPalette(c.japanese);
    char module[MAX_PATH] = {};
    const DWORD length =
        GetModuleFileNameA(static_cast<HMODULE>(Host().Module().Handle()), module, MAX_PATH);
    ASSERT_GT(length, 0u);
    std::string expected(module, length);
    expected = expected.substr(0, expected.rfind('\\') + 1) + c.helpFile;

    ASSERT_TRUE(PickFlyout(wintest::kHelpFlyoutEntry));
    EXPECT_EQ(wintest::ReadWholeFile(shellLog_), expected + "\n");
    EXPECT_EQ(Activity(), std::vector<std::string>{"shell " + expected});
    EXPECT_TRUE(Host().App().alerts.empty());
  }
}

}  // namespace
