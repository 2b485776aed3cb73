// kwhost says what happened, fails with one message and the right status, and saves the drawing
// it read with only the document's changes.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "kwhost_fixture.h"
#include "support/param_names.h"

namespace kwtest {
namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

int Lines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Everything the document does not model: a doctype, comments, a processing instruction, defs
// with a gradient and a style sheet, an unknown element, dashes and caps, text and an image.
const char kRichDrawing[] = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE svg PUBLIC "-//W3C//DTD SVG 1.1//EN" "http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd">
<!-- drawn by hand -->
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape" xmlns:my="urn:example:mine" width="200mm" height="100mm" viewBox="0 0 200 100">
  <?my-tool keep="this"?>
  <defs>
    <linearGradient id="grad"><stop offset="0" stop-color="#f00"/><stop offset="1" stop-color="#00f"/></linearGradient>
    <style>.cut { stroke: #000; stroke-width: 0.3 }</style>
  </defs>
  <my:note colour="green">unknown &amp; kept</my:note>
  <g inkscape:groupmode="layer" inkscape:label="Cut" transform="translate(5,5)">
    <rect id="box" class="cut" x="10" y="10" width="40" height="20" fill="url(#grad)" my:extra="1"/>
    <path id="wave" d="M 60,20 C 70,0 80,40 90,20" fill="none" stroke="#000" stroke-dasharray="4 2" stroke-linecap="round"/>
    <!-- inside the layer -->
    <circle id="dot" cx="120" cy="30" r="10" fill="none" stroke="#000"/>
  </g>
  <g inkscape:groupmode="layer" inkscape:label="Print">
    <text id="title" x="10" y="90" font-family="DejaVu Sans" font-size="8">Hello <tspan font-weight="bold">world</tspan></text>
    <image id="logo" x="150" y="60" width="30" height="30" xlink:href="data:image/png;base64,iVBORw0KGgo="/>
  </g>
</svg>
)svg";

TEST_F(KwhostRun, SaveKeepsEverythingTheDocumentDidNotChange) {
  RegisterReceiver();
  const std::string drawing = Drawing(kRichDrawing);
  const std::string saved = (Folder() / "saved.svg").string();
  const RunResult run =
      Run({drawing, "--crop-marks", "3", "--select", "dot", "--press", "mark", "--save", saved});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(Contains(run.out, "(1 changed, 3 added, 0 removed")) << run.out;
  const std::string text = ReadFile(saved);
  // Every line but the root's start tag (new namespaces) and the marked circle comes back as it
  // was; the crop marks are new lines of the layer.
  std::istringstream lines(kRichDrawing);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("<svg ") || Contains(line, "id=\"dot\"")) continue;
    EXPECT_TRUE(Contains(text, line + "\n")) << line << "\n---\n" << text;
  }
  EXPECT_TRUE(Contains(
      text,
      R"(<circle id="dot" cx="120" cy="30" r="10" fill="none" stroke="#000" kw:KerfworksCutMark=)"))
      << text;
  EXPECT_EQ(Lines(text), Lines(kRichDrawing) + 3);

  // Read back, the saved drawing cuts the marked circle only, beside its crop marks.
  const RunResult again = Run({saved, "--mode", "marked", "--press", "cut"});
  EXPECT_EQ(again.status, 0) << again.out << again.err;
  EXPECT_TRUE(Contains(ReceiverReport(), "paths: 1\n"));
}

TEST_F(KwhostRun, SaveRemovesGoneArtAndPatchesOnlyWhatChanged) {
  // Merging the two triangles replaces them by new art; the rest stays put.
  const std::string saved = (Folder() / "merged.svg").string();
  const RunResult run =
      Run({Drawing(kTwoLayerDrawing), "--select", "t1,t2", "--press", "merge", "--save", saved});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::string text = ReadFile(saved);
  EXPECT_TRUE(Contains(text, R"(<rect id="box" x="10" y="10" width="40" height="20"/>)")) << text;
  EXPECT_TRUE(Contains(text, R"(<text id="label" x="10" y="90">Hello</text>)")) << text;
  EXPECT_TRUE(Contains(run.out, "document saved: " + saved)) << run.out;
}

TEST_F(KwhostRun, ForceIsNeededToSaveOverTheDrawingRead) {
  const std::string drawing = Drawing(kTwoLayerDrawing);
  const RunResult refused = Run({drawing, "--crop-marks", "3", "--save", drawing});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(Lines(refused.err), 1) << refused.err;
  EXPECT_TRUE(Contains(refused.err, "--force")) << refused.err;
  EXPECT_EQ(ReadFile(drawing), kTwoLayerDrawing);
  const RunResult forced = Run({drawing, "--crop-marks", "3", "--save", drawing, "--force"});
  EXPECT_EQ(forced.status, 0) << forced.err;
  EXPECT_TRUE(Contains(ReadFile(drawing), "KerfworksCropMark"));
}

struct FailureCase {
  std::vector<std::string> arguments;  // DRAWING and FOLDER stand for the test's own
  int status;
  const char* message;
};

class Failure : public KwhostRun, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failure, IsOneLineWithItsStatusAndLeavesNothingBehind) {
  RegisterReceiver();
  fs::create_directory(Folder() / "a-folder");
  std::vector<std::string> arguments;
  for (std::string argument : GetParam().arguments) {
    if (argument == "DRAWING") argument = Drawing(kTwoLayerDrawing);
    if (argument.starts_with("FOLDER")) argument = Folder().string() + argument.substr(6);
    arguments.push_back(argument);
  }
  const RunResult run = Run(arguments);
  EXPECT_EQ(run.status, GetParam().status) << run.out << run.err;
  EXPECT_EQ(Lines(run.err), 1) << run.err;
  EXPECT_TRUE(Contains(run.err, GetParam().message)) << run.err;
  for (const auto& entry : fs::recursive_directory_iterator(Folder())) {
    const std::string name = entry.path().filename().string();
    EXPECT_FALSE(name.starts_with("kwhost-") || Contains(name, ".kwhost-")) << entry.path();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Failure,
    ::testing::Values(
        FailureCase{{"DRAWING", "--save", "/nonexistent/dir/out.svg"},
                    2,
                    "\"/nonexistent/dir\" does not exist"},
        FailureCase{{"DRAWING", "--preview", "/nonexistent/dir/p.png"}, 2, "does not exist"},
        FailureCase{{"DRAWING", "--preview", "FOLDER/p.png", "--preview-size", "100000x100000"},
                    2,
                    "the preview can be 162 to 4096 pixels wide"},
        FailureCase{{"DRAWING", "--preview", "FOLDER/p.png", "--preview-size", "10x10"},
                    2,
                    "the preview can be 162 to 4096"},
        FailureCase{{"DRAWING", "--cutter", "/nonexistent/cutter"}, 2, "no such file"},
        FailureCase{{"DRAWING", "--cutter", "FOLDER/a-folder"}, 2, "it is a folder"},
        FailureCase{{"DRAWING", "--save", "FOLDER/a-folder"}, 1, "cannot write"},
        FailureCase{{"DRAWING", "--preview", "FOLDER/a-folder"}, 1, "cannot write"},
        FailureCase{
            {"DRAWING", "--press", "cut", "--cut-file", "FOLDER/a-folder"}, 1, "--cut-file"}),
    test_support::NameBy([](const FailureCase& c) {
      return test_support::Joined(c.arguments, "DRAWING");
    }));

TEST_F(KwhostRun, AMissingTemporaryFolderIsAnInputError) {
  const std::string drawing = Drawing(kTwoLayerDrawing);
  SetEnv("TMPDIR", "/nonexistent/tmp");
  const RunResult run = Run({drawing, "--press", "cut"});
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(Contains(run.err, "cannot make a temporary folder in \"/nonexistent/tmp\""))
      << run.err;
}

TEST_F(KwhostRun, CutWithABlankInTheTemporaryFolderReachesTheApplicationWhole) {
  RegisterReceiver();
  const fs::path spaced = Folder() / "my tmp";
  fs::create_directory(spaced);
  SetEnv("TMPDIR", spaced.string());
  const std::string copy = (Folder() / "copy.cut").string();
  const RunResult run = Run({Drawing(kTwoLayerDrawing), "--press", "cut", "--cut-file", copy});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const std::string cutFile = CutFilePath(run.out);
  EXPECT_TRUE(Contains(run.out, "-i \"" + cutFile + "\"")) << run.out;
  EXPECT_TRUE(Contains(run.out, "output mode: all (from the stored preferences)")) << run.out;
  EXPECT_TRUE(Contains(run.out, "paths written: 5; skipped: 1 not a path, 1 paint class"))
      << run.out;
  EXPECT_TRUE(Contains(ReceiverReport(), "status: ok")) << ReceiverReport();
  EXPECT_EQ(ReadFile(copy), ReadFile(cutFile));
}

TEST_F(KwhostRun, ACuttingApplicationThatCannotStartIsReported) {
  const fs::path notExecutable = Folder() / "cutter";
  std::ofstream(notExecutable) << "#!/bin/sh\n";
  const fs::path key = Folder() / "user/Software/Talvex/Kerfworks/Folder.reg";
  fs::create_directories(key.parent_path());
  std::ofstream(key) << "Path = " << notExecutable.string() << "\n";
  const RunResult run = Run({Drawing(kTwoLayerDrawing), "--press", "cut"});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Contains(run.out, "Kerfworks is not found.")) << run.out;
  EXPECT_TRUE(Contains(run.err, notExecutable.string() + ": it is not executable")) << run.err;

  const RunResult list = Run({Drawing(kTwoLayerDrawing), "--list"});
  EXPECT_EQ(list.status, 0);
  EXPECT_TRUE(Contains(list.out, "layers (bottom first):\n  Cut\n  Print\n")) << list.out;
  EXPECT_TRUE(Contains(list.out, "ids: backdrop box dot label pair t1 t2\npaths: 5\n")) << list.out;
  EXPECT_TRUE(Contains(list.out, "cutting application: " + notExecutable.string())) << list.out;
  EXPECT_TRUE(Contains(list.err, "warning: the registered cutting application")) << list.err;
  EXPECT_FALSE(Contains(list.out, "cut file written")) << "--list runs nothing";
}

TEST_F(KwhostRun, CropMarksAreDescribedAndMisplacedOnesWarnedOf) {
  const RunResult fits = Run({Drawing(kRichDrawing), "--crop-marks", "3"});
  EXPECT_EQ(fits.status, 0) << fits.err;
  EXPECT_TRUE(Contains(fits.out,
                       "crop marks: machine type 3 (MB-1), W 170 mm, L 210 mm, X 15 mm, "
                       "Y 20 mm (from the bottom edge)"))
      << fits.out;
  // A4 marks on a page 100 mm high lie off it; on a small page one lies over a cut rectangle.
  EXPECT_TRUE(Contains(fits.err, "warning: crop marks lie off the page")) << fits.err;
  const RunResult over = Run({Drawing(kTwoLayerDrawing), "--crop-marks", "3"});
  EXPECT_TRUE(Contains(over.err, "warning: a crop mark lies over \"box\", which is cut"))
      << over.err;
}

TEST_F(KwhostRun, RegisterCutterWritesWhereThePluginLooksAndCutterOverridesIt) {
  RegisterReceiver();
  const RunResult registered = Run({"--register-cutter", KW_RECEIVER_PROGRAM});
  EXPECT_EQ(registered.status, 0) << registered.err;
  const fs::path key = Folder() / "user/Software/Talvex/Kerfworks/Folder.reg";
  EXPECT_TRUE(Contains(registered.out, key.string())) << registered.out;
  EXPECT_EQ(ReadFile(key.string()), std::string("Path=") + KW_RECEIVER_PROGRAM + "\n");

  fs::remove(key);
  const RunResult run =
      Run({Drawing(kTwoLayerDrawing), "--cutter", KW_RECEIVER_PROGRAM, "--press", "cut", "-q"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.empty()) << run.out;
  EXPECT_FALSE(fs::exists(key)) << "the user's registry is left alone";
  EXPECT_TRUE(Contains(ReceiverReport(), "status: ok")) << ReceiverReport();
}

}  // namespace
}  // namespace kwtest
