// What the palette's buttons and flyout menu do, through the real module: every button reaches its
// command, the crop-marks dialog confirms or cancels, help and about open.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "hostapi/adm_item.h"
#include "hostapi/messages.h"
#include "scenarios/palette_scenario.h"
#include "standin/model/dialog_system.h"
#include "standin/model/modal_script.h"
#include "standin/scenario/document_view.h"
#include "tools/receiver/cut_file_reader.h"

namespace kwtest {
namespace {

using standin::Host;
using standin::HostOptions;
using standin::ModalScript;

constexpr char kEditDialogName[] = "kerfworks-Edit";
constexpr int kEditDialogId = 16201;
constexpr int kFieldW = 32;
constexpr int kFieldL = 33;
constexpr int kPictureArea = 36;

HostOptions InLanguage(bool japanese) {
  HostOptions options;
  options.japanese = japanese;
  return options;
}

// The pictures drawn into item `id` while the modal dialog was open, in order.
std::vector<std::int32_t> PicturesOf(const standin::ModalRun& run, int id) {
  std::vector<std::int32_t> pictures;
  for (const auto& [item, drawing] : run.paints) {
    if (item != id) continue;
    for (const standin::DrawOp& op : drawing.ops) {
      if (op.kind == standin::DrawOpKind::kPicture) pictures.push_back(op.pictureId);
    }
  }
  return pictures;
}

std::vector<std::string> PlayedEvents(Host& host) {
  std::vector<std::string> names;
  for (const standin::ActionPlay& play : host.App().actions.plays) names.push_back(play.eventName);
  return names;
}

using PaletteButtonsTest = PaletteSession;

TEST_F(PaletteButtonsTest, PictureButtonsShowTheirIconsAndTips) {
  const struct {
    bool japanese;
    std::vector<std::string> tips;
  } kLanguages[] = {
      {false,
       {"Output the Paths to Kerfworks", "Outline Text", "Outline Stroke",
        "Merge Overlapping Paths", "Offset Path", "Crop-marks", "Mark the Paths"}},
      {true,
       {"Kerfworks\xE3\x81\xB8\xE5\x87\xBA\xE5\x8A\x9B",
        "\xE6\x96\x87\xE5\xAD\x97\xE3\x81\xAE\xE3\x82\xA2\xE3\x82\xA6\xE3\x83\x88\xE3\x83\xA9\xE3"
        "\x82\xA4\xE3\x83\xB3",
        "\xE3\x83\x91\xE3\x82\xB9\xE3\x81\xAE\xE3\x82\xA2\xE3\x82\xA6\xE3\x83\x88\xE3\x83\xA9\xE3"
        "\x82\xA4\xE3\x83\xB3",
        "\xE3\x83\x91\xE3\x82\xB9\xE3\x81\xAE\xE5\x90\x88\xE6\x88\x90",
        "\xE3\x83\x91\xE3\x82\xB9\xE3\x81\xAE\xE3\x82\xAA\xE3\x83\x95\xE3\x82\xBB\xE3\x83\x83\xE3"
        "\x83\x88",
        "\xE3\x82\xAF\xE3\x83\xAD\xE3\x83\x83\xE3\x83\x97\xE3\x83\x9E\xE3\x83\xBC\xE3\x82\xAF",
        "\xE3\x83\x9E\xE3\x83\xBC\xE3\x82\xAF"}},
  };
  for (const auto& language : kLanguages) {
    SCOPED_TRACE(language.japanese ? "Japanese" : "English");
    if (language.japanese) {
      ASSERT_NO_FATAL_FAILURE(Restart(InLanguage(true)));
    }
    for (int id = 16; id <= 22; ++id) {
      const standin::ItemRecord& button = Item(id);
      EXPECT_EQ(button.pictureId, 1001 + (id - 16)) << "item " << id;
      EXPECT_EQ(button.tip, language.tips[static_cast<std::size_t>(id - 16)]) << "item " << id;
    }
  }
}

TEST_F(PaletteButtonsTest, OutputButtonWritesTheCutFileAndStartsTheCuttingApplication) {
  RegisterReceiver();
  OpenDocument();
  ASSERT_TRUE(user().Press(palette(), kOutputButton)) << user().LastError();
  ASSERT_TRUE(WaitForReport()) << "the receiver was not started";
  EXPECT_NE(ReadFile(Report()).find("status: ok"), std::string::npos) << ReadFile(Report());
  auto parsed = receiver::ParseCutFile(ReadFile(CutFile()));
  ASSERT_TRUE(std::holds_alternative<receiver::CutFile>(parsed))
      << std::get<receiver::ParseError>(parsed).ToString();
  EXPECT_EQ(std::get<receiver::CutFile>(parsed).paths.size(), 1u);
  EXPECT_TRUE(host().App().alerts.empty());
}

TEST_F(PaletteButtonsTest, OutputButtonWithoutTheCuttingApplicationShowsItsMessage) {
  OpenDocument();
  ASSERT_TRUE(user().Press(palette(), kOutputButton)) << user().LastError();
  ASSERT_EQ(host().App().alerts.size(), 1u);
  EXPECT_EQ(host().App().alerts[0].text,
            "Kerfworks is not found.If Kerfworks is not installed, please install it.\nIf "
            "Kerfworks has never run, please run it. Then restart the Adobe Illustrator.");
  EXPECT_FALSE(std::filesystem::exists(Report()));
}

TEST_F(PaletteButtonsTest, PreparationButtonsPlayTheirActions) {
  const struct {
    int button;
    std::vector<std::string> events;
  } kButtons[] = {
      {17, {"adobe_createOutline"}},
      {18, {"ai_plugin_outline"}},
      {19, {"ai_plugin_pathfinder", "ai_plugin_pathfinder"}},  // the second one expands
      {20, {"ai_plugin_offset"}},
  };
  OpenDocument();
  for (const auto& row : kButtons) {
    host().App().actions.plays.clear();
    const int pushes = host().App().contextPushes;
    ASSERT_TRUE(user().Press(palette(), row.button)) << user().LastError();
    EXPECT_EQ(PlayedEvents(host()), row.events) << "button " << row.button;
    EXPECT_EQ(host().App().contextPushes, pushes + 1) << "button " << row.button;
    EXPECT_EQ(host().App().openContexts, 0) << "button " << row.button;
  }
}

TEST_F(PaletteButtonsTest, CropMarksButtonAddsAndRemovesTheMarks) {
  OpenDocument();
  ASSERT_TRUE(user().Press(palette(), kCropMarksButton)) << user().LastError();
  EXPECT_EQ(CropMarkCount(), 3u) << "three circles for the default model";
  ASSERT_TRUE(user().Press(palette(), kCropMarksButton)) << user().LastError();
  EXPECT_EQ(CropMarkCount(), 0u);
  EXPECT_TRUE(standin::DocumentView(host().Documents()).Exists("box"));
}

TEST_F(PaletteButtonsTest, MarkButtonMarksTheSelectedPathsAndUnmarksThemAgain) {
  OpenDocument();
  const standin::DocumentView view(host().Documents());
  ASSERT_TRUE(user().Press(palette(), kMarkButton)) << user().LastError();
  EXPECT_TRUE(view.TagValue(view.Find("box"), kCutMarkTag).has_value());
  ASSERT_TRUE(user().Press(palette(), kMarkButton)) << user().LastError();
  EXPECT_FALSE(view.TagValue(view.Find("box"), kCutMarkTag).has_value());
}

TEST_F(PaletteButtonsTest, RedrawButtonRedrawsThePreviewAndRunsNoCommand) {
  OpenDocument();
  user().RedrawPending(palette());
  // Every press relays the palette out, which repaints the preview too; the Redraw button's own
  // request is the one explicit invalidation.
  const int before = host().Gate().Calls(kADMItemSuite, "Invalidate");
  ASSERT_TRUE(user().Press(palette(), kRedrawButton)) << user().LastError();
  EXPECT_EQ(host().Gate().Calls(kADMItemSuite, "Invalidate"), before + 1);
  EXPECT_TRUE(Item(kPreviewItem).needsRedraw);
  EXPECT_TRUE(host().App().actions.plays.empty());
  EXPECT_EQ(CropMarkCount(), 0u);
}

TEST_F(PaletteButtonsTest, OtherNotificationsRunNoCommandButStillBracketTheContext) {
  RegisterReceiver();
  OpenDocument();
  const standin::DocumentView view(host().Documents());
  for (int id : {16, 17, 18, 19, 20, 21, 22}) {
    const int pushes = host().App().contextPushes;
    host().Dialogs().NotifyItem(host().Dialogs().ItemById(palette(), id),
                                standin::kBoundsChangedNotifier);
    EXPECT_EQ(host().App().contextPushes, pushes + 1) << "item " << id;
    EXPECT_EQ(host().App().openContexts, 0) << "item " << id;
  }
  EXPECT_TRUE(host().App().actions.plays.empty());
  EXPECT_EQ(CropMarkCount(), 0u);
  EXPECT_FALSE(view.TagValue(view.Find("box"), kCutMarkTag).has_value());
  EXPECT_EQ(std::filesystem::file_size(CutFile()), 0u) << "the cut file stays unwritten";
}

TEST_F(PaletteButtonsTest, CropMarksDialogOkRebuildsTheMarksWithTheNewSettings) {
  OpenDocument();
  const standin::DocumentView view(host().Documents());

  // Without any change: the marks are new ones, the document is redrawn, so is the preview.
  ASSERT_TRUE(user().Press(palette(), kCropMarksButton)) << user().LastError();
  const std::vector<AIArtHandle> first = view.Tagged(kCropMarkTag);
  ASSERT_EQ(first.size(), 3u);
  const int redraws = view.Doc().redraws;
  const int invalidations = PreviewInvalidations();
  host().Dialogs().QueueModalScript(ModalScript().Press(1));
  ASSERT_TRUE(user().PickFlyout(palette(), kFlyoutCropMarks)) << user().LastError();
  ASSERT_EQ(host().Dialogs().ModalRuns().size(), 1u);
  EXPECT_EQ(host().Dialogs().ModalRuns()[0].name, kEditDialogName);
  EXPECT_EQ(host().Dialogs().ModalRuns()[0].resourceId, kEditDialogId);
  EXPECT_EQ(host().Dialogs().ModalRuns()[0].result, 1);
  const std::vector<AIArtHandle> second = view.Tagged(kCropMarkTag);
  ASSERT_EQ(second.size(), 3u);
  for (AIArtHandle mark : second) {
    EXPECT_EQ(std::count(first.begin(), first.end(), mark), 0) << "an old mark was kept";
  }
  EXPECT_EQ(view.Doc().redraws, redraws + 1);
  EXPECT_EQ(PreviewInvalidations(), invalidations + 1);

  // Another model gives its own layout.
  host().Dialogs().QueueModalScript(ModalScript().Pick(kMachineTypePopup, kMb2).Press(1));
  ASSERT_TRUE(user().PickFlyout(palette(), kFlyoutCropMarks)) << user().LastError();
  EXPECT_EQ(CropMarkCount(), 9u) << "four circles and five corner strokes";

  // Back to MB-1: its defaults replace the MB-2 ones and the edit made before the change.
  host().Dialogs().QueueModalScript(ModalScript()
                                        .Set(kFieldX, 40.0f)
                                        .Pick(kMachineTypePopup, kMb2)
                                        .Pick(kMachineTypePopup, kMb1)
                                        .Press(1));
  ASSERT_TRUE(user().PickFlyout(palette(), kFlyoutCropMarks)) << user().LastError();
  EXPECT_EQ(CropMarkCount(), 3u);
  End();
  const struct {
    const char* key;
    int value;
  } kStored[] = {{"kADM_cropLeftMargin", 1500},
                 {"kADM_cropBottomMargin", 2000},
                 {"kADM_cropHorzDistance", 17000},
                 {"kADM_cropVertDistance", 21000},
                 {"kADM_cropMachineType", kMb1}};
  for (const auto& expected : kStored) {
    EXPECT_EQ(StoredInteger(expected.key), expected.value) << expected.key;
  }
}

TEST_F(PaletteButtonsTest, CropMarksDialogCancelChangesNothingButRedrawsThePreview) {
  OpenDocument();
  const standin::DocumentView view(host().Documents());
  ASSERT_TRUE(user().Press(palette(), kCropMarksButton)) << user().LastError();
  const std::vector<AIArtHandle> marks = view.Tagged(kCropMarkTag);
  const int redraws = view.Doc().redraws;
  const int invalidations = PreviewInvalidations();

  host().Dialogs().QueueModalScript(
      ModalScript().Pick(kMachineTypePopup, kMb2).Set(kFieldX, 30.0f).Press(2));
  ASSERT_TRUE(user().PickFlyout(palette(), kFlyoutCropMarks)) << user().LastError();
  ASSERT_EQ(host().Dialogs().ModalRuns().size(), 1u);
  EXPECT_EQ(host().Dialogs().ModalRuns()[0].result, 2);
  EXPECT_EQ(view.Tagged(kCropMarkTag), marks);
  EXPECT_EQ(view.Doc().redraws, redraws);
  EXPECT_EQ(PreviewInvalidations(), invalidations + 1);
  End();
  EXPECT_EQ(StoredInteger("kADM_cropLeftMargin"), 1500);
  EXPECT_EQ(StoredInteger("kADM_cropMachineType"), kMb1);
}

TEST_F(PaletteButtonsTest, CropMarksDialogWithoutADocumentStoresTheSettingsOnly) {
  host().Dialogs().QueueModalScript(
      ModalScript().Set(kFieldX, 12.345f).Set(kFieldY, 0.0f).Press(1));
  ASSERT_TRUE(user().PickFlyout(palette(), kFlyoutCropMarks)) << user().LastError();
  EXPECT_EQ(host().Documents().Current(), nullptr);
  End();
  EXPECT_EQ(StoredInteger("kADM_cropLeftMargin"), 1235);
  EXPECT_EQ(StoredInteger("kADM_cropBottomMargin"), 0);
}

TEST_F(PaletteButtonsTest, CropMarksDialogShowsThePictureOfEachModel) {
  ModalScript script;
  for (int type = 0; type < 8; ++type) script.Pick(kMachineTypePopup, type);
  host().Dialogs().QueueModalScript(script.Press(2));
  ASSERT_TRUE(user().PickFlyout(palette(), kFlyoutCropMarks)) << user().LastError();
  ASSERT_EQ(host().Dialogs().ModalRuns().size(), 1u);
  // The default model's picture as the dialog opens, then one per pick, MA-1 to MB-5.
  EXPECT_EQ(PicturesOf(host().Dialogs().ModalRuns()[0], kPictureArea),
            (std::vector<std::int32_t>{1016, 1017, 1017, 1017, 1016, 132, 132, 132, 132}));
}

TEST_F(PaletteButtonsTest, CropMarksDialogShowsTheModelsDefaultsAfterEachPick) {
  host().Dialogs().QueueModalScript(ModalScript()
                                        .Set(kFieldX, 40.0f)
                                        .Pick(kMachineTypePopup, kMb2)
                                        .Pick(kMachineTypePopup, kMb1)
                                        .Press(2));
  ASSERT_TRUE(user().PickFlyout(palette(), kFlyoutCropMarks)) << user().LastError();
  ASSERT_EQ(host().Dialogs().ModalRuns().size(), 1u);
  const auto& shown = host().Dialogs().ModalRuns()[0].closingTexts;
  EXPECT_EQ(shown.at(kFieldX), "15.000");
  EXPECT_EQ(shown.at(kFieldY), "20.000");
  EXPECT_EQ(shown.at(kFieldW), "170.000");
  EXPECT_EQ(shown.at(kFieldL), "210.000");
}

// No such model: no popup entry is chosen, the picture and the marks are MB-1's, and OK keeps the
// stored number rather than inventing one.
TEST_F(PaletteButtonsTest, StoredModelOutsideTheTableFallsBackToMb1) {
  ASSERT_NO_FATAL_FAILURE(Restart({}, [](Host& host) {
    host.Preferences().Set(kPreferenceSection, "kADM_cropMachineType", std::int32_t{9});
  }));
  OpenDocument();
  ASSERT_TRUE(user().Press(palette(), kCropMarksButton)) << user().LastError();
  EXPECT_EQ(CropMarkCount(), 3u);
  host().Dialogs().QueueModalScript(ModalScript().Press(1));
  ASSERT_TRUE(user().PickFlyout(palette(), kFlyoutCropMarks)) << user().LastError();
  ASSERT_EQ(host().Dialogs().ModalRuns().size(), 1u);
  EXPECT_EQ(PicturesOf(host().Dialogs().ModalRuns()[0], kPictureArea),
            std::vector<std::int32_t>{1016});
  EXPECT_EQ(CropMarkCount(), 3u);
  End();
  EXPECT_EQ(StoredInteger("kADM_cropMachineType"), 9);
}

TEST_F(PaletteButtonsTest, HelpOpensTheHelpFileBesideTheModule) {
  const std::filesystem::path folder =
      std::filesystem::canonical(KW_PLUGIN_MODULE_PATH).parent_path();
  for (const auto& [japanese, file] :
       {std::pair{false, "KWAIPin_e.chm"}, {true, "KWAIPin_j.chm"}}) {
    SCOPED_TRACE(file);
    std::filesystem::remove(Scratch() / "shell.log");
    if (japanese) {
      ASSERT_NO_FATAL_FAILURE(Restart(InLanguage(true)));
    }
    ASSERT_TRUE(user().PickFlyout(palette(), kFlyoutHelp)) << user().LastError();
    EXPECT_EQ(ShellOpened(), std::vector<std::string>{(folder / file).string()});
    EXPECT_TRUE(host().Dialogs().ModalRuns().empty());
  }
}

// A module path longer than the plug-in's path buffer cannot name the help file beside it.
TEST_F(PaletteButtonsTest, HelpBesideAModuleWithAnOverlongPathOpensNothing) {
  namespace fs = std::filesystem;
  fs::path folder = Scratch();
  while (folder.string().size() < 600) folder /= std::string(100, 'f');
  fs::create_directories(folder);
  const fs::path module = fs::path(KW_PLUGIN_MODULE_PATH);
  fs::copy_file(module, folder / module.filename());
  fs::copy_file(fs::path(module).replace_extension(".res"),
                folder / module.filename().replace_extension(".res"));
  HostOptions options;
  options.modulePath = (folder / module.filename()).string();
  ASSERT_NO_FATAL_FAILURE(Restart(options));
  ASSERT_TRUE(user().PickFlyout(palette(), kFlyoutHelp)) << user().LastError();
  EXPECT_TRUE(ShellOpened().empty());
}

TEST_F(PaletteButtonsTest, AboutRunsItsDialogAndTheSeparatorDoesNothing) {
  const int invalidations = PreviewInvalidations();
  ASSERT_TRUE(user().PickFlyout(palette(), kFlyoutSeparator)) << user().LastError();
  EXPECT_TRUE(host().Dialogs().ModalRuns().empty());
  EXPECT_TRUE(ShellOpened().empty());
  EXPECT_EQ(PreviewInvalidations(), invalidations);

  host().Dialogs().QueueModalScript(ModalScript().Press(1));
  ASSERT_TRUE(user().PickFlyout(palette(), kFlyoutAbout)) << user().LastError();
  ASSERT_EQ(host().Dialogs().ModalRuns().size(), 1u);
  const standin::ModalRun& run = host().Dialogs().ModalRuns()[0];
  EXPECT_EQ(run.name, "kerfworks-About");
  EXPECT_EQ(run.resourceId, 16080);
  EXPECT_EQ(run.result, 1);
  EXPECT_EQ(host().Dialogs().LiveDialogs(), std::vector<ADMDialogRef>{palette()});
}

}  // namespace
}  // namespace kwtest
