#include "output/cut_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <variant>

#include "output/settings.h"
#include "output_fixture.h"
#include "tools/receiver/cut_file_reader.h"

namespace output_test {
namespace {

constexpr char kHeader[] =
    "%!PS-Adobe-3.0\r\n%%EndComments\r\n%%BeginProlog\r\n%%EndProlog\r\n%%BeginSetup\r\n"
    "%%EndSetup\r\n%AI5_BeginLayer\r\n";
constexpr char kTrailer[] = "%AI5_EndLayer--\r\n%%PageTrailer\r\n%%Trailer\r\n%%EOF\r\n";

// A path as the document holds it.
struct Shape {
  std::vector<AIPathSegment> segments;
  bool closed = false;
};

class CutFileTest : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    path_ = Scratch() / "~KW1A.TMP";
    std::snprintf(gCutFilePath, sizeof gCutFilePath, "%s", path_.c_str());
    Run([] { LoadSettings(); });
  }
  void TearDown() override {
    gCutFilePath[0] = '\0';
    OutputTest::TearDown();
  }

  void Add(const Shape& shape) {
    paths_.push_back(Document().Path("", shape.segments, shape.closed).Handle());
  }
  void SetPaths(const std::vector<Shape>& shapes) {
    paths_.clear();
    for (const Shape& shape : shapes) Add(shape);
  }

  // Writes one file with the paths given, in order, at the given offset.
  std::string Write(bool hasCropMarks, AIReal dx = 0, AIReal dy = 0) {
    Run([&] {
      BeginCutFile(hasCropMarks);
      for (AIArtHandle path : paths_) WriteCutPath(path, dx, dy);
      EndCutFile();
    });
    return ReadFile(path_);
  }

  static std::string Golden(const char* name) {
    return ReadFile(std::string(KW_TEST_DATA_DIR) + "/cutfiles/" + name);
  }

  static receiver::CutFile Parsed(const std::string& bytes) {
    auto result = receiver::ParseCutFile(bytes);
    if (auto* error = std::get_if<receiver::ParseError>(&result)) {
      ADD_FAILURE() << error->ToString();
      return {};
    }
    return std::get<receiver::CutFile>(result);
  }

  std::filesystem::path path_;
  std::vector<AIArtHandle> paths_;
};

TEST_F(CutFileTest, MatchesTheGoldenFilesByteForByte) {
  struct Case {
    const char* golden;
    std::vector<Shape> paths;
  };
  const Shape closedOne{{{{10, 20}, {7.5f, 20}, {12.5f, 20}, 0}}, true};
  const Shape openOne{{CornerPoint(10, 20)}, false};
  const Shape rectangle{
      {CornerPoint(0, 0), CornerPoint(100, 0), CornerPoint(100, 50), CornerPoint(0, 50)}, true};
  const Case cases[] = {{"no_paths.cut", {}},
                        {"open_one_segment.cut", {openOne}},
                        {"closed_one_segment.cut", {closedOne}},
                        {"closed_rectangle.cut", {rectangle}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.golden);
    SetPaths(c.paths);
    EXPECT_EQ(Write(false), Golden(c.golden));
    EXPECT_TRUE(CutFileWritten());
  }
}

TEST_F(CutFileTest, CropMarkCommentCarriesTheSettingsInPoints) {
  EXPECT_EQ(Write(true), std::string("%!PS-Adobe-3.0\r\n%%TalvexCropMark: 14.173228 14.173228 "
                                     "481.889771 595.275574 42.519684 56.692913\r\n") +
                             (kHeader + std::strlen("%!PS-Adobe-3.0\r\n")) + kTrailer);
  // The two sizes are fixed; the rest follows the current settings.
  gCropMarkSettings = {2500, 600, 15000, 25000, 0};
  char expected[200];
  std::snprintf(expected, sizeof expected, "%%%%TalvexCropMark: %lf %lf %lf %lf %lf %lf\r\n",
                HundredthsToPoints(500), HundredthsToPoints(500), HundredthsToPoints(15000),
                HundredthsToPoints(25000), HundredthsToPoints(2500), HundredthsToPoints(600));
  const std::string file = Write(true);
  EXPECT_EQ(file.substr(std::strlen("%!PS-Adobe-3.0\r\n"), std::strlen(expected)), expected);
  EXPECT_EQ(Write(false), std::string(kHeader) + kTrailer);
}

TEST_F(CutFileTest, OffsetIsAddedInDoubleAndPrintedWithoutRoundingBack) {
  // 2^20 + 1/16 is no float: a float sum would print 1048576.000000.
  Add({{CornerPoint(1048576.0f, -0.0f)}, false});
  EXPECT_EQ(Write(false, 0.0625f, 0.0f),
            std::string(kHeader) + "u\r\n1048576.062500 0.000000 m\r\nS\r\nU\r\n" + kTrailer);
  // Negative zero and a tiny negative value keep their sign, as "%lf" prints them.
  SetPaths({{{CornerPoint(-0.0f, -1e-9f)}, false}});
  EXPECT_EQ(Write(false, -0.0f, 0.0f),
            std::string(kHeader) + "u\r\n-0.000000 -0.000000 m\r\nS\r\nU\r\n" + kTrailer);
}

TEST_F(CutFileTest, CurveLinesTakeOutHandleInHandleAndAnchor) {
  Add({{{{1, 2}, {3, 4}, {5, 6}, 0}, {{7, 8}, {9, 10}, {11, 12}, 0}}, true});
  EXPECT_EQ(Write(false, 100, -100),
            std::string(kHeader) +
                "u\r\n101.000000 -98.000000 m\r\n"
                "105.000000 -94.000000 109.000000 -90.000000 107.000000 -92.000000 c\r\n"
                "111.000000 -88.000000 103.000000 -96.000000 101.000000 -98.000000 c\r\n"
                "s\r\nU\r\n" +
                kTrailer);
}

TEST_F(CutFileTest, LinesLongerThanAHundredBytesAreWrittenWhole) {
  const float far = 3.0e38f;
  Add({{CornerPoint(0, 0), CornerPoint(far, -far)}, false});
  const auto file = Parsed(Write(false));
  ASSERT_EQ(file.paths.size(), 1u);
  ASSERT_EQ(file.paths[0].curves.size(), 1u);
  EXPECT_EQ(file.paths[0].curves[0].anchor.x, static_cast<double>(far));
  EXPECT_EQ(file.paths[0].curves[0].anchor.y, -static_cast<double>(far));
}

TEST_F(CutFileTest, PathsTheHostCannotDescribeAreLeftOut) {
  struct Case {
    const char* what;
    std::vector<AIPathSegment> segments;
    const char* failing = nullptr;  // the middle path's call the host fails
    ASErr code = standin::kInjectedFailureErr;
  };
  const std::vector<AIPathSegment> square = {CornerPoint(0, 0), CornerPoint(1, 0),
                                             CornerPoint(1, 1)};
  const Case cases[] = {
      {"count fails", square, kAIPathSuite "::GetPathSegmentCount"},
      {"segments fail", square, kAIPathSuite "::GetPathSegments"},
      {"closed flag fails", square, kAIPathSuite "::GetPathClosed"},
      {"no segments", {}},
      {"no segment array", square, kSPBlocksSuite "::AllocateBlock", kOutOfMemoryErr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetPaths({{{CornerPoint(5, 5)}, false}, {c.segments, true}, {{CornerPoint(6, 6)}, false}});
    if (c.failing != nullptr) {
      host_.Gate().FailCall(CallNumber(c.failing, 2, [&] { Write(false); }), c.code);
    }
    const auto file = Parsed(Write(false));
    host_.Gate().ClearFailure();
    ASSERT_EQ(file.paths.size(), 2u);
    EXPECT_EQ(file.paths[0].start, (receiver::Point{5, 5}));
    EXPECT_EQ(file.paths[1].start, (receiver::Point{6, 6}));
    EXPECT_EQ(host_.Blocks().LiveCount(), 0u);
  }
}

TEST_F(CutFileTest, LargeFilesComeOutTheSameWhenWrittenInPieces) {
  std::string expected = kHeader;
  for (int i = 0; i < 3000; ++i) {
    const auto x = static_cast<AIReal>(i);
    Add({{CornerPoint(x, 0), CornerPoint(x, 1)}, false});
    char block[200];
    std::snprintf(block, sizeof block, "u\r\n%lf %lf m\r\n%lf %lf %lf %lf %lf %lf c\r\nS\r\nU\r\n",
                  static_cast<double>(x), 0.0, static_cast<double>(x), 0.0, static_cast<double>(x),
                  1.0, static_cast<double>(x), 1.0);
    expected += block;
  }
  expected += kTrailer;
  const std::string file = Write(false);
  EXPECT_GT(file.size(), 3u * 64 * 1024) << "several pieces";
  EXPECT_EQ(file, expected);
  EXPECT_TRUE(CutFileWritten());
}

// The host's answer to a segment request, with what it held at that moment.
const AIPathSuite* gHostPaths = nullptr;
std::vector<std::string> gBlocksDuringSegments;

AIErr KW_API WatchedSegments(AIArtHandle art, std::int16_t start, std::int16_t count,
                             AIPathSegment* segments) {
  gBlocksDuringSegments = standin::Host::Current().Blocks().Describe();
  return gHostPaths->GetPathSegments(art, start, count, segments);
}

TEST_F(CutFileTest, SegmentArrayHasRoomForTheClosingCopy) {
  Add({{CornerPoint(0, 0), CornerPoint(1, 0), CornerPoint(1, 1), CornerPoint(0, 1)}, true});
  gHostPaths = sAIPath;
  AIPathSuite watched = *sAIPath;
  watched.GetPathSegments = &WatchedSegments;
  sAIPath = &watched;
  Write(false);
  sAIPath = gHostPaths;
  EXPECT_EQ(gBlocksDuringSegments,
            std::vector<std::string>{"SP Blocks \"test\" (" +
                                     std::to_string(5 * sizeof(AIPathSegment)) + " bytes)"});
}

TEST_F(CutFileTest, SecondRunReplacesTheFirstUnderTheSameName) {
  Add({{CornerPoint(0, 0), CornerPoint(1, 0), CornerPoint(1, 1), CornerPoint(0, 1)}, true});
  Write(true);
  SetPaths({});
  EXPECT_EQ(Write(false), std::string(kHeader) + kTrailer);
}

TEST_F(CutFileTest, FailuresOnTheWayLeaveTheFileMarkedUnwritten) {
  for (const char* operation : {"create", "write", "close"}) {
    SCOPED_TRACE(operation);
    SetEnv("KW_PLATFORM_FAIL", operation);
    Write(false);
    EXPECT_FALSE(CutFileWritten());
    SetEnv("KW_PLATFORM_FAIL", std::nullopt);
    Write(false);
    EXPECT_TRUE(CutFileWritten());
  }
  gCutFilePath[0] = '\0';
  Write(false);
  EXPECT_FALSE(CutFileWritten());
}

}  // namespace
}  // namespace output_test
