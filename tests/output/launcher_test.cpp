#include "output/launcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>

#include "output/command_line.h"
#include "output_fixture.h"

namespace output_test {
namespace {

constexpr char kKeyFile[] = "Software/Talvex/Kerfworks/Folder.reg";

std::vector<std::string> ArgumentsOf(const CommandLine& line) {
  std::vector<std::string> out;
  for (auto next = line.Arguments(); *next != nullptr; ++next) out.emplace_back(*next);
  return out;
}

TEST(CommandLineTest, TheCutFileIsOneArgumentWhateverItHolds) {
  struct Case {
    const char* program;
    const char* file;
    const char* text;
  };
  // No short names here: a path with blanks is quoted on the line, never split.
  const Case cases[] = {
      {"D:\\Tools\\Cut.exe", "D:\\Temp\\~KW1A.TMP", "D:\\Tools\\Cut.exe -i D:\\Temp\\~KW1A.TMP"},
      {"C:\\Program Files\\Cut.exe", "C:\\My Temp\\~KW1.TMP",
       "\"C:\\Program Files\\Cut.exe\" -i \"C:\\My Temp\\~KW1.TMP\""},
      {"C:\\Program Files\\Cut.exe", "C:\\Temp\\~KW3.TMP",
       "\"C:\\Program Files\\Cut.exe\" -i C:\\Temp\\~KW3.TMP"},
      {"/opt/cut", "/tmp/a\tb/~KW2.TMP", "/opt/cut -i \"/tmp/a\tb/~KW2.TMP\""},
  };
  for (const Case& c : cases) {
    const CommandLine line(c.program, c.file);
    EXPECT_STREQ(line.Text(), c.text);
    EXPECT_EQ(ArgumentsOf(line), (std::vector<std::string>{"-i", c.file}));
  }
}

TEST(CommandLineTest, HoldsTwoPathsOfFullLength) {
  const std::string program(259, 'p');
  const std::string file(258, 'f');
  const CommandLine plain(program.c_str(), ("/" + file).c_str());
  EXPECT_EQ(std::string(plain.Text()), program + " -i /" + file);
  const CommandLine quoted(program.c_str(), (" " + file).c_str());
  EXPECT_EQ(std::string(quoted.Text()), program + " -i \" " + file + "\"");
  EXPECT_EQ(ArgumentsOf(quoted), (std::vector<std::string>{"-i", " " + file}));
}

class LauncherTest : public OutputTest {
 protected:
  void TearDown() override {
    gApplicationPath[0] = '\0';
    gCutFilePath[0] = '\0';
    OutputTest::TearDown();
  }
  void Register(const char* root, const std::string& value) {
    WriteFile(Scratch() / root / kKeyFile, "Path=" + value + "\r\n");
  }
  std::string Found() {
    std::strcpy(gApplicationPath, "stale");
    Run([] { FindCuttingApplication(); });
    return gApplicationPath;
  }
};

TEST_F(LauncherTest, CurrentUserWinsThenMachineThenFallback) {
  EXPECT_EQ(Found(), kFallbackApplicationPath);
  Register("machine", "/opt/machine/cut");
  EXPECT_EQ(Found(), "/opt/machine/cut");
  Register("user", "/home/user/cut");
  EXPECT_EQ(Found(), "/home/user/cut");
  std::filesystem::remove_all(Scratch() / "machine");
  EXPECT_EQ(Found(), "/home/user/cut");
}

TEST_F(LauncherTest, UnreadableValuesFallThrough) {
  Register("machine", "/opt/machine/cut");
  struct Case {
    const char* what;
    std::string userValue;
    const char* failing;
    const char* expected;
  };
  const Case cases[] = {
      {"read fails in both", "/home/user/cut", "regquery", kFallbackApplicationPath},
      {"close fails in both", "/home/user/cut", "regclose", kFallbackApplicationPath},
      {"open fails in both", "/home/user/cut", "regopen", kFallbackApplicationPath},
      {"value longer than the buffer", std::string(260, 'x'), "", "/opt/machine/cut"},
      {"empty value", "", "", "/opt/machine/cut"},
      {"longest value that fits", "/" + std::string(258, 'y'), "", nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Register("user", c.userValue);
    SetEnv("KW_PLATFORM_FAIL", c.failing);
    EXPECT_EQ(Found(), c.expected != nullptr ? c.expected : c.userValue);
    SetEnv("KW_PLATFORM_FAIL", std::nullopt);
  }
}

TEST_F(LauncherTest, CutFileNameIsANewEmptyFileInTheTemporaryFolder) {
  Run([] { CreateCutFileName(); });
  const std::filesystem::path path = gCutFilePath;
  EXPECT_EQ(path.parent_path(), Scratch() / "temp");
  EXPECT_EQ(path.filename().string().rfind("~KW", 0), 0u) << path;
  EXPECT_EQ(path.extension(), ".TMP");
  EXPECT_TRUE(std::filesystem::is_regular_file(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);

  for (const char* failing : {"temppath", "tempfile"}) {
    SetEnv("KW_PLATFORM_FAIL", failing);
    Run([] { CreateCutFileName(); });
    EXPECT_STREQ(gCutFilePath, "") << failing;
  }
}

TEST_F(LauncherTest, MissingApplicationShowsMessage16234AndStartsNothing) {
  // No key anywhere, or a value that is the fallback itself.
  for (const bool registered : {false, true}) {
    if (registered) Register("user", kFallbackApplicationPath);
    host_.App().alerts.clear();
    Found();
    Run([&] { LaunchCuttingApplication(host_.PluginRef()); });
    EXPECT_EQ(Alerts(), std::vector<std::string>{Message(16234)});
  }
}

// The message as hosts may hand it over: filling the buffer without a terminator, or failing
// after writing part of it, which the stand-in never does.
struct StringAnswer {
  const ADMBasicSuite* host = nullptr;
  std::vector<std::string> requests;
  std::optional<char> fill;
  bool fail = false;
};
StringAnswer gStrings;

ASErr KW_API AnswerString(SPPluginRef plugin, std::int32_t listId, std::int32_t index, char* buffer,
                          std::int32_t capacity) {
  gStrings.requests.push_back(std::to_string(listId) + "/" + std::to_string(index) + "/" +
                              std::to_string(capacity));
  if (gStrings.fill) {
    std::fill_n(buffer, capacity, *gStrings.fill);
    return kNoErr;
  }
  const ASErr code = gStrings.host->GetIndexedString(plugin, listId, index, buffer, capacity);
  if (!gStrings.fail) return code;
  std::snprintf(buffer, static_cast<std::size_t>(capacity), "%s", "partial");
  return kBadParameterErr;
}

TEST_F(LauncherTest, TheMessageIsAlwaysTerminatedAndEmptyWhenItCannotBeRead) {
  struct Case {
    const char* what;
    std::optional<char> fill;
    bool fail;
    std::string shown;
  };
  const Case cases[] = {
      {"the host fills the whole buffer", 'x', false, std::string(1023, 'x')},
      {"the host fails after writing part", std::nullopt, true, ""},
  };
  ADMBasicSuite answering = *sADMBasic;
  answering.GetIndexedString = &AnswerString;
  gStrings = StringAnswer{};
  gStrings.host = sADMBasic;
  sADMBasic = &answering;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    gStrings.fill = c.fill;
    gStrings.fail = c.fail;
    gStrings.requests.clear();
    host_.App().alerts.clear();
    Found();
    Run([&] { LaunchCuttingApplication(host_.PluginRef()); });
    EXPECT_EQ(gStrings.requests, std::vector<std::string>{"16234/0/1024"});
    EXPECT_EQ(Alerts(), std::vector<std::string>{c.shown});
  }
  sADMBasic = gStrings.host;
}

TEST_F(LauncherTest, StartsTheRegisteredReceiverOnTheCutFile) {
  Folder().ExpectReceiver(KW_RECEIVER_PROGRAM);
  Found();
  Run([] { CreateCutFileName(); });
  WriteFile(gCutFilePath, ReadFile(std::string(KW_TEST_DATA_DIR) + "/cutfiles/crop_marks.cut"));
  Run([&] { LaunchCuttingApplication(host_.PluginRef()); });
  EXPECT_TRUE(Alerts().empty());

  // The plug-in does not wait; the receiver writes its report when it is done.
  const std::string text = Folder().WaitForReport(std::chrono::seconds(20));
  EXPECT_NE(text.find(std::string("arguments: -i ") + gCutFilePath + "\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("status: ok\n"), std::string::npos) << text;
  EXPECT_NE(text.find("paths: 2\n"), std::string::npos) << text;
}

TEST_F(LauncherTest, AProgramThatCannotStartShowsMessage16234) {
  const std::filesystem::path notExecutable = Scratch() / "not-executable";
  WriteFile(notExecutable, "#!/bin/sh\n");
  for (const std::filesystem::path& program :
       {Scratch() / "no-such-program", notExecutable, Scratch()}) {
    SCOPED_TRACE(program);
    Register("user", program.string());
    host_.App().alerts.clear();
    Found();
    Run([&] { LaunchCuttingApplication(host_.PluginRef()); });
    EXPECT_EQ(Alerts(), std::vector<std::string>{Message(16234)});
  }
}

}  // namespace
}  // namespace output_test
