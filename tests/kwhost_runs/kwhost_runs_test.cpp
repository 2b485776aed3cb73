#include <string>
#include <vector>

#include "kwhost_fixture.h"
#include "support/param_names.h"

namespace kwtest {
namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

struct ModeCase {
  std::vector<std::string> steps;
  std::string paths;  // the receiver's "paths:" line
};

class CutModes : public KwhostRun, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(CutModes, ReceiverGetsThePathsOfTheMode) {
  RegisterReceiver();
  std::vector<std::string> arguments{Drawing(kTwoLayerDrawing)};
  arguments.insert(arguments.end(), GetParam().steps.begin(), GetParam().steps.end());
  arguments.insert(arguments.end(), {"--press", "cut"});
  const RunResult run = Run(arguments);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const std::string cutFile = CutFilePath(run.out);
  ASSERT_FALSE(cutFile.empty()) << run.out;
  EXPECT_TRUE(Contains(run.out, "process started: " + std::string(KW_BINARY_DIR) +
                                    "/tools/receiver/kwreceiver -i " + cutFile))
      << run.out;
  const std::string report = ReceiverReport();
  EXPECT_TRUE(Contains(report, "status: ok")) << report;
  EXPECT_TRUE(Contains(report, "paths: " + GetParam().paths + "\n")) << report;
  EXPECT_TRUE(run.err.empty()) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CutModes,
    ::testing::Values(ModeCase{{}, "5"}, ModeCase{{"--mode", "all"}, "5"},
                      ModeCase{{"--mode", "selected", "--select", "pair"}, "2"},
                      ModeCase{{"--select", "box,dot", "--mode", "selected"}, "2"},
                      ModeCase{{"--mode", "layer", "--layer", "Print"}, "1"},
                      ModeCase{{"--mode", "layer"}, "4"}, ModeCase{{"--mode", "marked"}, "0"},
                      ModeCase{{"--select", "dot", "--press", "mark", "--mode", "marked"}, "1"}),
    test_support::NameBy([](const ModeCase& c) {
      return c.steps.empty() ? "no_steps" : test_support::Joined(c.steps);
    }));

TEST_F(KwhostRun, OutputModeSurvivesBetweenRuns) {
  RegisterReceiver();
  const std::string drawing = Drawing(kTwoLayerDrawing);
  ASSERT_EQ(Run({drawing, "--mode", "layer"}).status, 0);
  const RunResult second = Run({drawing, "--press", "cut"});
  EXPECT_EQ(second.status, 0) << second.out << second.err;
  EXPECT_TRUE(Contains(ReceiverReport(), "paths: 4\n")) << "the current layer only, as last chosen";
  EXPECT_TRUE(Contains(ReadFile((Folder() / "preferences.txt").string()), "kADM_bCurrentLayer"));
}

struct MissingCase {
  const char* language;
  const char* message;
};

class MissingApplication : public KwhostRun, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingApplication, CutWritesTheFileAndShowsTheMessageInTheUsersLanguage) {
  const RunResult run =
      Run({Drawing(kTwoLayerDrawing), "--lang", GetParam().language, "--press", "cut"});
  EXPECT_FALSE(CutFilePath(run.out).empty()) << run.out;
  EXPECT_FALSE(Contains(run.out, "process started")) << run.out;
  EXPECT_TRUE(Contains(run.out, GetParam().message)) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Languages, MissingApplication,
    ::testing::Values(MissingCase{"en", "Kerfworks is not found.If Kerfworks is not installed"},
                      MissingCase{"ja", "Kerfworksが見つかりません。"}),
    test_support::NameBy(&MissingCase::language));

TEST_F(KwhostRun, CropMarksAreAddedAndCutWithTheirPositions) {
  RegisterReceiver();
  const RunResult run = Run({Drawing(kTwoLayerDrawing), "--crop-marks", "3", "--press", "cut"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const std::string report = ReceiverReport();
  EXPECT_TRUE(Contains(report, "status: ok")) << report;
  EXPECT_FALSE(Contains(report, "crop-marks: none")) << report;
}

TEST_F(KwhostRun, PreviewIsWrittenAsPng) {
  const std::string png = (Folder() / "preview.png").string();
  const RunResult run =
      Run({Drawing(kTwoLayerDrawing), "--preview", png, "--preview-size", "184x200"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  // The palette's height goes in steps of 10, so the preview's height is the nearest below.
  EXPECT_TRUE(Contains(run.out, "preview written: " + png + " (184 x 19")) << run.out;
  EXPECT_EQ(ReadFile(png).substr(1, 3), "PNG");
}

TEST_F(KwhostRun, HelpFileAndAboutBox) {
  const RunResult run = Run({Drawing(kTwoLayerDrawing), "--help-file", "--about"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(Contains(run.out, "document opened: ")) << run.out;
  EXPECT_TRUE(Contains(run.out, "KWAIPin_e.chm")) << run.out;
  EXPECT_TRUE(Contains(run.out, "about box: ")) << run.out;
}

struct BadCase {
  std::vector<std::string> arguments;  // "DRAWING" stands for a good drawing
  const char* svg;                     // replaces the good drawing when set
  const char* message;
};

class BadInput : public KwhostRun, public ::testing::WithParamInterface<BadCase> {};

TEST_P(BadInput, IsReportedAndNothingRuns) {
  std::vector<std::string> arguments;
  for (const std::string& argument : GetParam().arguments) {
    arguments.push_back(argument == "DRAWING"
                            ? Drawing(GetParam().svg ? GetParam().svg : kTwoLayerDrawing)
                            : argument);
  }
  const RunResult run = Run(arguments);
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(Contains(run.err, GetParam().message)) << run.err;
  EXPECT_FALSE(Contains(run.out, "cut file written")) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadInput,
    ::testing::Values(
        BadCase{{}, nullptr, "no drawing given"},
        BadCase{{"DRAWING", "--frobnicate"}, nullptr, "unknown option --frobnicate"},
        BadCase{{"DRAWING", "--mode", "some"}, nullptr, "--mode must be all, selected"},
        BadCase{{"DRAWING", "--press"}, nullptr, "--press needs a value"},
        BadCase{{"DRAWING", "--press", "jump"}, nullptr, "no button \"jump\""},
        BadCase{{"DRAWING", "--crop-marks", "9"}, nullptr, "machine type must be 0 to 7"},
        BadCase{{"DRAWING", "--crop-marks", "3,Q=4"}, nullptr, "\"Q=4\" is not W=mm"},
        BadCase{{"DRAWING", "--preview-size", "10x10"}, nullptr, "must follow a --preview"},
        BadCase{{"DRAWING", "--lang", "fr"}, nullptr, "--lang must be en or ja"},
        BadCase{
            {"DRAWING", "--offset-dialog", "3mm"}, nullptr, "must come before a --press offset"},
        BadCase{{"DRAWING", "--offset-dialog", "3furlong", "--press", "offset"},
                nullptr,
                "the offset must be a length"},
        BadCase{{"DRAWING", "--offset-dialog", "3mm,wavy", "--press", "offset"},
                nullptr,
                "\"wavy\" is no join"},
        BadCase{{"DRAWING", "--select", "nothing"}, nullptr, "no element has the id \"nothing\""},
        BadCase{{"DRAWING", "--layer", "Nope"}, nullptr, "the drawing has no layer \"Nope\""},
        BadCase{{"/nonexistent/x.svg"}, nullptr, "/nonexistent/x.svg: cannot be read"},
        BadCase{{"DRAWING"}, "<svg width='1' height='1'><g></svg>", ":1: not well-formed XML"},
        BadCase{{"DRAWING"}, "<svg width='1parsec' height='1'/>", "is not a length"},
        BadCase{{"DRAWING"}, "<svg width='100%' height='100%'/>", "gives no page size"}),
    test_support::NameBy([](const BadCase& c) {
      return test_support::Joined(c.arguments, "DRAWING") + " " + (c.svg == nullptr ? "" : c.svg);
    }));

// A drawing as other programs write them: styled by class, copies made by <use>, a clip path.
constexpr char kCopiesDrawing[] = R"svg(<svg:svg xmlns:svg="http://www.w3.org/2000/svg"
    xmlns:xlink="http://www.w3.org/1999/xlink" width="100%" height="100%" viewBox="0 0 100 50">
  <svg:style>.st0{fill:none;stroke:Black}</svg:style>
  <svg:defs><svg:g id="pair"><svg:path class="st0" d="M0,0 H10"/><svg:circle r="3"/></svg:g></svg:defs>
  <svg:use id="copies" xlink:href="#pair" x="20"/>
  <svg:path d="M0,0 H5" clip-path="url(#nowhere)" visibility="hidden"/>
</svg:svg>)svg";

TEST_F(KwhostRun, CopiesAreCutBySelectingTheirUseAndWhatIsLeftOutIsSaid) {
  RegisterReceiver();
  const RunResult run =
      Run({Drawing(kCopiesDrawing), "--select", "copies", "--mode", "selected", "--press", "cut"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(Contains(run.out, "opened ")) << run.out;
  EXPECT_TRUE(Contains(run.out,
                       ": 75 x 37.5 pt, 1 layer(s), 3 path(s)\n"
                       "left out: 1 clip path (clipped art is cut whole)\n"
                       "hidden: 1 path(s), kept in the document and cut with the rest\n"))
      << run.out;
  const std::string report = ReceiverReport();
  EXPECT_TRUE(Contains(report, "paths: 2\n")) << report;
}

}  // namespace
}  // namespace kwtest

namespace kwtest {
namespace {

TEST_F(KwhostRun, CropMarksSavedAreFoundAgainInTheNextRun) {
  RegisterReceiver();
  const std::string saved = (Folder() / "saved.svg").string();
  const RunResult first = Run({Drawing(kTwoLayerDrawing), "--crop-marks", "4", "--select", "dot",
                               "--press", "mark", "--save", saved});
  EXPECT_EQ(first.status, 0) << first.out << first.err;
  EXPECT_TRUE(Contains(first.out, "document saved: " + saved)) << first.out;
  const std::string text = ReadFile(saved);
  EXPECT_TRUE(Contains(text, "KerfworksCropMark")) << text;
  EXPECT_TRUE(Contains(text, "KerfworksCutMark")) << text;

  // The saved drawing carries both kinds of mark: its cut file has the crop-mark comment, and in
  // marked mode only the marked path.
  const RunResult second = Run({saved, "--mode", "marked", "--press", "cut"});
  EXPECT_EQ(second.status, 0) << second.out << second.err;
  const std::string report = ReceiverReport();
  EXPECT_TRUE(Contains(report, "paths: 1\n")) << report;
  EXPECT_FALSE(Contains(report, "crop-marks: none")) << "the saved marks are seen as marks";
}

}  // namespace
}  // namespace kwtest
