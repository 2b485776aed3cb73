// Runs the kwreceiver program itself, as the plug-in's launcher would.
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "cut_file_fixtures.h"

namespace {

namespace fs = std::filesystem;

struct ReceiverRun {
  int exitStatus = -1;
  std::string output;
};

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char character : text)
    quoted += character == '\'' ? std::string("'\\''") : std::string(1, character);
  return quoted + "'";
}

ReceiverRun RunReceiver(const std::vector<std::string>& arguments,
                        const std::optional<fs::path>& report = {}) {
  std::string command = report ? "env KW_RECEIVER_REPORT=" + ShellQuoted(report->string())
                               : std::string("env -u KW_RECEIVER_REPORT");
  command += " " + ShellQuoted(KW_RECEIVER_PROGRAM);
  for (const std::string& argument : arguments) command += " " + ShellQuoted(argument);
  command += " 2>/dev/null";
  ReceiverRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char chunk[512];
  for (std::size_t got; (got = fread(chunk, 1, sizeof chunk, pipe)) > 0;)
    run.output.append(chunk, got);
  const int status = pclose(pipe);
  run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class ReceiverProgram : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kwreceiver-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
  }
  void TearDown() override { fs::remove_all(directory_); }

  fs::path directory_;
};

TEST_F(ReceiverProgram, WritesTheWholeReportForAGoodFile) {
  const std::string input = receiver_test::CutFilePath("closed_rectangle.cut");
  const fs::path report = directory_ / "report.txt";
  const ReceiverRun run = RunReceiver({"-i", input}, report);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.output.rfind("file: " + input + "\narguments: -i " + input + "\nstatus: ok\n", 0),
            0u)
      << run.output;
  std::ifstream written(report, std::ios::binary);
  const std::string reportText{std::istreambuf_iterator<char>(written), {}};
  EXPECT_EQ(reportText, run.output);
  EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 1)
      << "temporary report left behind";
}

TEST_F(ReceiverProgram, ExitStatusTellsGoodBadAndUsage) {
  const fs::path lfOnly = directory_ / "lf.cut";
  std::ofstream(lfOnly, std::ios::binary) << "%!PS-Adobe-3.0\n";
  const std::string good = receiver_test::CutFilePath("no_paths.cut");
  const std::string missing = (directory_ / "missing.cut").string();
  struct Case {
    std::vector<std::string> arguments;
    int exitStatus;
    std::string tail;
  };
  const std::vector<Case> cases = {
      {{"-i", good}, 0, "bbox: none\n"},
      {{"-i", lfOnly.string()}, 1, "status: error\nerror: line 1: line ends with LF without CR\n"},
      {{}, 2, "arguments:\nstatus: usage-error\nerror: expected \"-i FILE\"\n"},
      {{"-o", good}, 2, "status: usage-error\nerror: expected \"-i FILE\"\n"},
      {{"-i", good, "extra"}, 2, "status: usage-error\nerror: expected \"-i FILE\"\n"},
      {{"-i", missing}, 2, "status: usage-error\nerror: cannot read the file\n"},
      {{"-i", directory_.string()}, 2, "status: usage-error\nerror: cannot read the file\n"},
  };
  for (const Case& c : cases) {
    const ReceiverRun run = RunReceiver(c.arguments);
    EXPECT_EQ(run.exitStatus, c.exitStatus) << run.output;
    EXPECT_TRUE(run.output.ends_with(c.tail)) << run.output;
  }
}

TEST_F(ReceiverProgram, FailsWhenTheReportCannotBeWritten) {
  const ReceiverRun run = RunReceiver({"-i", receiver_test::CutFilePath("no_paths.cut")},
                                      directory_ / "no-such-folder" / "report.txt");
  EXPECT_EQ(run.exitStatus, 2);
}

}  // namespace
