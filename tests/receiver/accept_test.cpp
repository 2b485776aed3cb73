#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "cut_file_fixtures.h"
#include "support/param_names.h"
#include "tools/receiver/cut_file_reader.h"

namespace receiver {
namespace {

struct GoodFile {
  const char* name;
  bool hasCropMarks;
  std::vector<std::pair<bool, int>> closedAndSegments;
  std::optional<BoundingBox> bounds;
  int lineCount;
};

void PrintTo(const GoodFile& file, std::ostream* out) {
  *out << file.name;
}

class AcceptsGoodFile : public testing::TestWithParam<GoodFile> {};

CutFile ParseGood(const std::string& name) {
  ParseResult result = ParseCutFile(receiver_test::ReadCutFileBytes(name));
  if (const auto* error = std::get_if<ParseError>(&result)) {
    ADD_FAILURE() << name << ": " << error->ToString();
    return {};
  }
  return std::get<CutFile>(std::move(result));
}

TEST_P(AcceptsGoodFile, ReportsItsPathsAndBounds) {
  const GoodFile& expected = GetParam();
  const CutFile file = ParseGood(expected.name);
  EXPECT_EQ(file.cropMarks.has_value(), expected.hasCropMarks);
  std::vector<std::pair<bool, int>> closedAndSegments;
  for (const CutPath& path : file.paths)
    closedAndSegments.emplace_back(path.closed, path.SegmentCount());
  EXPECT_EQ(closedAndSegments, expected.closedAndSegments);
  EXPECT_EQ(file.bounds, expected.bounds);
  EXPECT_EQ(file.lineCount, expected.lineCount);
}

INSTANTIATE_TEST_SUITE_P(
    CutFiles, AcceptsGoodFile,
    testing::Values(
        GoodFile{"no_paths.cut", false, {}, std::nullopt, 11},
        GoodFile{"open_one_segment.cut", false, {{false, 1}}, BoundingBox{{10, 20}, {10, 20}}, 15},
        GoodFile{
            "closed_one_segment.cut", false, {{true, 1}}, BoundingBox{{7.5, 20}, {12.5, 20}}, 16},
        GoodFile{"closed_rectangle.cut", false, {{true, 4}}, BoundingBox{{0, 0}, {100, 50}}, 19},
        GoodFile{"crop_marks.cut",
                 true,
                 {{true, 3}, {false, 3}},
                 BoundingBox{{-42.519684, -56.692913}, {600.25, 700.125}},
                 25}),
    test_support::NameBy(&GoodFile::name));

TEST(CutFileReader, KeepsAnchorsAndHandlesOfARectangle) {
  const CutFile file = ParseGood("closed_rectangle.cut");
  ASSERT_EQ(file.paths.size(), 1u);
  const CutPath& path = file.paths[0];
  const std::vector<Point> corners = {{0, 0}, {100, 0}, {100, 50}, {0, 50}};
  EXPECT_EQ(path.Anchors(), corners);
  ASSERT_EQ(path.curves.size(), 4u);
  for (std::size_t i = 0; i < path.curves.size(); ++i) {
    const Curve& curve = path.curves[i];
    EXPECT_EQ(curve.outHandle, corners[i]) << "curve " << i;
    EXPECT_EQ(curve.inHandle, corners[(i + 1) % 4]) << "curve " << i;
    EXPECT_EQ(curve.anchor, corners[(i + 1) % 4]) << "curve " << i;
  }
}

TEST(CutFileReader, ReadsCropMarksAndSignedZero) {
  const CutFile file = ParseGood("crop_marks.cut");
  ASSERT_TRUE(file.cropMarks.has_value());
  const std::array<double, 6> defaults = {14.173228,  14.173228, 481.889771,
                                          595.275574, 42.519684, 56.692913};
  EXPECT_EQ(*file.cropMarks, defaults);
  ASSERT_FALSE(file.paths.empty());
  EXPECT_EQ(file.paths[0].start.y, 0.0);
  EXPECT_TRUE(std::signbit(file.paths[0].start.y)) << "\"-0.000000\" lost its sign";
  EXPECT_EQ(file.paths[0].Anchors().size(), 3u);
}

}  // namespace
}  // namespace receiver
