// The plug-in's own crop marks and cut marks, made in a loaded drawing, must survive a save and a
// second opening: a later run finds them by their tags.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/commands.h"
#include "cropmarks/crop_marks.h"
#include "output/settings.h"
#include "same_document.h"
#include "standin/scenario/document_view.h"
#include "support/plugin_host.h"
#include "tools/kwhost/document_export.h"
#include "tools/kwhost/drawing_loader.h"
#include "tools/kwhost/svg/svg_import.h"

namespace {

constexpr char kSheet[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg"
    xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
    width="210mm" height="297mm" viewBox="0 0 210 297">
  <g inkscape:groupmode="layer" inkscape:label="Cut" fill="#ffcc33" stroke="#000" stroke-width="0.3">
    <circle id="sun" cx="55" cy="115" r="25"/>
    <path id="ring" d="M110,185 A25,25 0 1,1 160,185 A25,25 0 1,1 110,185 Z M127,177 V193 H143 V177 Z"/>
    <rect id="badge" x="100" y="90" width="70" height="50" rx="10"/>
  </g>
</svg>)svg";

class CropMarkExport : public test_support::PluginHostTest {
 protected:
  void SetUp() override {
    PluginHostTest::SetUp();
    savedSettings_ = gCropMarkSettings;
    savedRadius_ = gCropMarkRadius;
  }
  void TearDown() override {
    gCropMarkSettings = savedSettings_;
    gCropMarkRadius = savedRadius_;
    PluginHostTest::TearDown();
  }

 private:
  CropMarkSettings savedSettings_{};
  std::int32_t savedRadius_ = 0;
};

TEST_F(CropMarkExport, CropMarksAndCutMarksComeBackTaggedAndLocked) {
  for (const std::int32_t machineType : {3, 4}) {
    SCOPED_TRACE(machineType);
    gCropMarkSettings = {1500, 2000, 17000, 21000, machineType};
    gCropMarkRadius = kCropMarkRadius;
    const auto loaded = kwhost::LoadDrawing(svg::ImportSvgText(kSheet), host_.Documents());
    kwhost::SelectById(loaded, {"sun", "ring"}, host_.Documents());
    Run([] {
      SetCropMarks(true);
      MarkPathsCommand();
    });
    const std::string saved = kwhost::ExportDocumentSvg(host_.Documents());

    standin::DocumentModel reopened;
    kwhost::LoadDrawing(svg::ImportSvgText(saved, "saved"), reopened);
    kwhost_test::ExpectSameDocument(host_.Documents(), reopened);
    const standin::DocumentView view(reopened);
    const auto marks = view.Tagged("KerfworksCropMark");
    ASSERT_EQ(marks.size(), machineType == 4 ? 9u : 3u);
    std::vector<std::string> numbers;
    for (AIArtHandle mark : marks) {
      EXPECT_TRUE(view.Locked(mark));
      EXPECT_EQ(view.Art(mark).type, kPathArt);
      numbers.push_back(*view.TagValue(mark, "KerfworksCropMark"));
    }
    EXPECT_EQ(numbers.front(), machineType == 4 ? "0009" : "0003") << "the last made lies lowest";
    // The ring's two parts and the sun are marked; the badge is not.
    EXPECT_EQ(view.Tagged("KerfworksCutMark").size(), 3u);
    EXPECT_FALSE(view.TagValue(view.Find("badge"), "KerfworksCutMark"));
    EXPECT_EQ(kwhost::ExportDocumentSvg(reopened), saved) << "saving again changes nothing";
  }
}

}  // namespace
