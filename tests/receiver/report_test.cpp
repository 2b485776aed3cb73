#include "tools/receiver/report.h"

#include <gtest/gtest.h>

#include "cut_file_fixtures.h"

namespace receiver {
namespace {

const std::vector<std::string> kArguments = {"-i", "in.cut"};

TEST(Report, DescribesAGoodFile) {
  const ParseResult result = ParseCutFile(receiver_test::ReadCutFileBytes("crop_marks.cut"));
  EXPECT_EQ(FormatParseReport("in.cut", kArguments, result),
            "file: in.cut\n"
            "arguments: -i in.cut\n"
            "status: ok\n"
            "crop-marks: 14.173228 14.173228 481.889771 595.275574 42.519684 56.692913\n"
            "paths: 2\n"
            "path 1: closed segments 3\n"
            "path 2: open segments 3\n"
            "bbox: -42.519684 -56.692913 600.250000 700.125000\n");
}

TEST(Report, SaysNoneWithoutCropMarksOrPaths) {
  const ParseResult result = ParseCutFile(receiver_test::ReadCutFileBytes("no_paths.cut"));
  EXPECT_EQ(
      FormatParseReport("in.cut", kArguments, result),
      "file: in.cut\narguments: -i in.cut\nstatus: ok\ncrop-marks: none\npaths: 0\nbbox: none\n");
}

TEST(Report, NamesTheErrorOfABadFile) {
  const ParseResult result = ParseError{7, "expected \"%%EndSetup\", found \"%%EndSetupX\""};
  EXPECT_EQ(FormatParseReport("in.cut", kArguments, result),
            "file: in.cut\narguments: -i in.cut\nstatus: error\n"
            "error: line 7: expected \"%%EndSetup\", found \"%%EndSetupX\"\n");
}

TEST(Report, PrintsNumbersAsPrintfWould) {
  for (const double value : {0.0, -0.0, -1e-9, 0.5e-6, 1234567.8912345, -42.519684, 1e20}) {
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.6f", value);
    EXPECT_EQ(FormatNumber(value), expected) << value;
  }
}

}  // namespace
}  // namespace receiver
