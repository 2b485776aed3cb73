#include "commands/cut_command.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/suites.h"
#include "output/cut_file.h"
#include "output/launcher.h"
#include "output/settings.h"
#include "standin/core/host.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/shapes.h"
#include "support/plugin_host.h"
#include "support/scratch_folder.h"
#include "tools/receiver/cut_file_reader.h"
#include "wrappers/host_suites.h"

namespace {

using standin::DocumentBuilder;

using test_support::ReadFile;

// The stand-in host's document suites in the plug-in's variables, the receiver registered as the
// cutting application, and a cut file in a scratch folder.
class CutCommandTest : public test_support::PluginHostTest {
 protected:
  CutCommandTest() : PluginHostTest(WithPluginResources()) {}

  void SetUp() override {
    folder_.emplace("kw-cut");
    SetEnv("KW_PLATFORM_FAIL", std::nullopt);
    PluginHostTest::SetUp();
    Run([] { LoadSettings(); });
    RegisterReceiver(true);
  }

  void TearDown() override {
    PluginHostTest::TearDown();
    folder_.reset();
  }

  // Sets (or, given nothing, removes) a variable for the rest of the test.
  void SetEnv(const std::string& name, const std::optional<std::string>& value) {
    folder_->Set(name, value);
  }
  std::filesystem::path Report() const { return folder_->ReceiverReport(); }

  // The palette's set-up: find the application, name the cut file.
  void RegisterReceiver(bool installed) {
    std::filesystem::remove_all(folder_->Path() / "user");
    if (installed) folder_->ExpectReceiver(KW_RECEIVER_PROGRAM);
    Run([] {
      FindCuttingApplication();
      CreateCutFileName();
    });
  }

  DocumentBuilder& NewDocument() {
    document_.emplace(host_.Documents());
    document_->Page(612, 792);
    return *document_;
  }

  // Runs the command and, when it started the receiver, waits for its report, so that the next
  // run does not rewrite the file under a receiver still reading it.
  void Cut(bool mayStart = true) {
    std::filesystem::remove(Report());
    Run([&] { RunCutCommand(host_.PluginRef()); });
    if (mayStart && CuttingApplicationFound() && CutFileWritten()) {
      ASSERT_FALSE(ReceiverReport().empty()) << "the receiver was not started";
    }
  }

  receiver::CutFile Written() const {
    auto result = receiver::ParseCutFile(ReadFile(gCutFilePath));
    if (auto* error = std::get_if<receiver::ParseError>(&result)) {
      ADD_FAILURE() << error->ToString();
      return {};
    }
    return std::get<receiver::CutFile>(result);
  }

  // The first anchor of every written path, which the tests make unique per path.
  std::vector<receiver::Point> Starts() const {
    std::vector<receiver::Point> starts;
    for (const auto& path : Written().paths) starts.push_back(path.start);
    return starts;
  }

  // What the receiver reported; empty when it was not started within the time allowed.
  std::string ReceiverReport(std::chrono::milliseconds wait = std::chrono::seconds(20)) const {
    return folder_->WaitForReport(wait);
  }

  std::optional<DocumentBuilder> document_;
  std::optional<test_support::ScratchFolder> folder_;
};

TEST_F(CutCommandTest, AllLinesLeavesOutPathsWithNeitherFillNorStroke) {
  auto& doc = NewDocument();
  doc.Rectangle("a", 1, 1, 10, 10).Filled(true).Stroked(false);
  doc.Rectangle("b", 2, 2, 10, 10).Filled(false).Stroked(false);
  doc.Rectangle("c", 3, 3, 10, 10).Filled(false).Stroked(true);
  Cut();
  EXPECT_EQ(Starts(), (std::vector<receiver::Point>{{1, 1}, {3, 3}}));
  const std::string report = ReceiverReport();
  EXPECT_NE(report.find(std::string("arguments: -i ") + gCutFilePath + "\n"), std::string::npos)
      << report;
  EXPECT_NE(report.find("status: ok\n"), std::string::npos) << report;
  EXPECT_NE(report.find("paths: 2\n"), std::string::npos) << report;
}

TEST_F(CutCommandTest, PaintClassMaskChoosesThePaths) {
  struct Case {
    std::int32_t mask;
    std::vector<receiver::Point> starts;
  };
  // Paths start at (class, class): class = 2 * stroked + filled.
  const Case cases[] = {{14, {{1, 1}, {2, 2}, {3, 3}}},
                        {4, {{2, 2}}},
                        {0, {}},
                        {15, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
                        {1, {{0, 0}}}};
  auto& doc = NewDocument();
  for (int paintClass = 0; paintClass < 4; ++paintClass) {
    const auto at = static_cast<AIReal>(paintClass);
    doc.Rectangle("p" + std::to_string(paintClass), at, at, 5, 5)
        .Filled((paintClass & 1) != 0)
        .Stroked((paintClass & 2) != 0);
  }
  for (const Case& c : cases) {
    kADM_selectionCode = c.mask;
    Cut();
    EXPECT_EQ(Starts(), c.starts) << "mask " << c.mask;
  }
}

TEST_F(CutCommandTest, OutputModesFilterByLayerSelectionAndMark) {
  auto& doc = NewDocument();
  doc.Layer("Lower");
  doc.Rectangle("lowerSelected", 1, 1, 5, 5).Selected();
  doc.Rectangle("lowerMarked", 2, 2, 5, 5).Tag("KerfworksCutMark", "");
  doc.Layer("Upper");
  doc.Rectangle("upperSelected", 3, 3, 5, 5).Selected();
  doc.Rectangle("upperMarked", 4, 4, 5, 5).Tag("KerfworksCutMark", "1");
  doc.Rectangle("upperPlain", 5, 5, 5, 5);
  doc.CurrentLayer("Lower");
  struct Case {
    int mode;
    std::vector<receiver::Point> starts;
  };
  const Case cases[] = {{kOutputAll, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}},
                        {kOutputSelected, {{1, 1}, {3, 3}}},
                        {kOutputCurrentLayer, {{1, 1}, {2, 2}}},
                        {kOutputMarked, {{2, 2}, {4, 4}}}};
  for (const Case& c : cases) {
    SetOutputMode(c.mode);
    Cut();
    EXPECT_EQ(Starts(), c.starts) << "mode " << c.mode;
  }
  // The filters compose when the store holds more than one flag.
  kADM_bCurrentLayer = kADM_bMarkedObj = 1;
  Cut();
  EXPECT_EQ(Starts(), (std::vector<receiver::Point>{{2, 2}}));
}

TEST_F(CutCommandTest, MarkedModeWithoutMarksStillStartsTheApplication) {
  NewDocument().Rectangle("plain", 0, 0, 5, 5);
  SetOutputMode(kOutputMarked);
  Cut();
  EXPECT_TRUE(Written().paths.empty());
  const std::string report = ReceiverReport();
  EXPECT_NE(report.find("status: ok\n"), std::string::npos) << report;
  EXPECT_NE(report.find("paths: 0\n"), std::string::npos) << report;
}

TEST_F(CutCommandTest, GroupsAreNotDescendedInto) {
  auto& doc = NewDocument();
  doc.BeginGroup("group").Selected();
  doc.Rectangle("inner", 1, 1, 5, 5);
  doc.Rectangle("innerSelected", 2, 2, 5, 5).Selected();
  doc.End();
  doc.BeginCompoundPath("compound");
  doc.Rectangle("hole", 3, 3, 1, 1);
  doc.End();
  doc.Text("caption");
  SetOutputMode(kOutputSelected);
  Cut();
  EXPECT_EQ(Starts(), (std::vector<receiver::Point>{{2, 2}}));
  // All art: the host lists the members as entries of their own, so they are written.
  SetOutputMode(kOutputAll);
  Cut();
  EXPECT_EQ(Starts(), (std::vector<receiver::Point>{{1, 1}, {2, 2}, {3, 3}}));
}

TEST_F(CutCommandTest, CropMarksAreNeverCutAndShiftTheOutput) {
  auto& doc = NewDocument();
  doc.RulerOrigin(10, 20);
  doc.Rectangle("path", 0, 0, 5, 5).Selected().Tag("KerfworksCutMark", "");
  doc.Circle("mark", 100, 100, 14).Selected().Tag("KerfworksCropMark", "1");
  for (int mode = kOutputAll; mode <= kOutputMarked; ++mode) {
    SetOutputMode(mode);
    Cut();
    const auto file = Written();
    ASSERT_EQ(file.paths.size(), 1u) << "mode " << mode;
    ASSERT_TRUE(file.cropMarks.has_value());
    // Machine type 3 with the defaults: 42.519684 and 56.692913 lower, after the ruler origin.
    const std::string bytes = ReadFile(gCutFilePath);
    EXPECT_NE(bytes.find("\r\nu\r\n-32.519684 -36.692913 m\r\n"), std::string::npos) << bytes;
  }
}

TEST_F(CutCommandTest, WithoutCropMarksTheRulerOriginAloneShifts) {
  NewDocument().RulerOrigin(-7.5f, 2.25f).Rectangle("path", 1, 1, 5, 5);
  gCropMarkSettings = {9999, 9999, 9999, 9999, 0};
  Cut();
  const std::string bytes = ReadFile(gCutFilePath);
  EXPECT_EQ(bytes.find("%%TalvexCropMark"), std::string::npos);
  EXPECT_NE(bytes.find("\r\nu\r\n-6.500000 3.250000 m\r\n"), std::string::npos) << bytes;
}

TEST_F(CutCommandTest, FailedArtRequestEndsSilently) {
  NewDocument().Rectangle("path", 1, 1, 5, 5);
  const std::string before = ReadFile(gCutFilePath);
  for (int mode : {kOutputAll, kOutputSelected}) {
    SetOutputMode(mode);
    // The current layer is asked first, then the art.
    host_.Gate().FailCall(2);
    Cut(false);
    host_.Gate().ClearFailure();
    EXPECT_EQ(ReadFile(gCutFilePath), before);
    EXPECT_TRUE(Alerts().empty());
    EXPECT_EQ(ReceiverReport(std::chrono::milliseconds(300)), "");
  }
}

TEST_F(CutCommandTest, MissingApplicationShowsTheMessageAfterWritingTheFile) {
  RegisterReceiver(false);
  NewDocument().Rectangle("path", 1, 1, 5, 5);
  Cut();
  Cut();
  EXPECT_EQ(Written().paths.size(), 1u);
  EXPECT_EQ(Alerts(), (std::vector<std::string>{Message(16234), Message(16234)}));
}

TEST_F(CutCommandTest, AFileThatCannotBeWrittenIsNotCutAndTheUserIsTold) {
  NewDocument().Rectangle("path", 1, 1, 5, 5);
  for (const char* failing : {"create", "write", "close"}) {
    host_.App().alerts.clear();
    SetEnv("KW_PLATFORM_FAIL", failing);
    Cut();
    SetEnv("KW_PLATFORM_FAIL", std::nullopt);
    EXPECT_EQ(ReceiverReport(std::chrono::milliseconds(300)), "") << failing;
    EXPECT_EQ(Alerts(), std::vector<std::string>{Message(16235)}) << failing;
  }
  // No cut file name at all (the temporary-file calls failed) is the same case.
  host_.App().alerts.clear();
  gCutFilePath[0] = '\0';
  Cut();
  EXPECT_EQ(ReceiverReport(std::chrono::milliseconds(300)), "");
  EXPECT_EQ(Alerts(), std::vector<std::string>{Message(16235)});
  // With the application missing as well, the file's failure is what the user hears of.
  RegisterReceiver(false);
  host_.App().alerts.clear();
  SetEnv("KW_PLATFORM_FAIL", "create");
  Cut();
  SetEnv("KW_PLATFORM_FAIL", std::nullopt);
  EXPECT_EQ(Alerts(), std::vector<std::string>{Message(16235)});
}

}  // namespace
