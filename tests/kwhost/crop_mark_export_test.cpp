// The plug-in's own crop marks and cut marks, made in a loaded drawing, must survive a save and a
// second opening: a later run finds them by their tags.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "commands/commands.h"
#include "cropmarks/crop_marks.h"
#include "output/settings.h"
#include "same_document.h"
#include "standin/scenario/document_view.h"
#include "support/plugin_host.h"
#include "tools/kwhost/document_export.h"
#include "tools/kwhost/drawing_loader.h"
#include "tools/kwhost/drawing_save.h"
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

// Written by hand: single quotes, white space and references inside tags, a CDATA sheet, comments
// and a processing instruction, none of which a save may rewrite where the document did not change.
constexpr char kHandWritten[] =
    "<?xml version='1.0'?>\n<!-- by hand -->\n"
    R"svg(<svg xmlns='http://www.w3.org/2000/svg'
	xmlns:inkscape='http://www.inkscape.org/namespaces/inkscape' xmlns:x='urn:example:extra'
     width='200pt'   height='100pt' viewBox='0 0 200 100'>
  <style><![CDATA[ rect > .a { stroke: red } ]]></style>
  <g inkscape:label='Cut &amp; crease' x:note="it&#x27;s &quot;here&quot;" inkscape:groupmode='layer'>
    <!-- the sun -->
    <circle id='sun' cx='55' cy='50' r='20' fill='#ffcc33' stroke='#000'/>
    <path
	d='M110,60 h30 v20 h-30 z'   stroke = "#000"
	  style='font-family:&apos;A B&apos;; stroke-dasharray:2 1' x:label='caf&#233;&#160;one' id="ring"  />
    <rect id='box'
	x='10' y='10' width='20' height='10' class="a"/>
    <text id="t" x="10" y="90">A&#x41; &amp; B &lt;c&gt;</text>
    <?kw-hint keep?>
  </g>
</svg>
)svg";

// In ISO-8859-1, which the reader holds as UTF-8: the save writes it back in its own bytes.
constexpr char kLatin1[] =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
    "width=\"200pt\" height=\"100pt\">\n  <title>caf\xe9</title>\n  <circle id=\"c\" "
    "r=\"5\"/>\n</svg>\n";

struct TextCase {
  const char* what;
  const char* drawing;
  std::function<void(standin::DocumentModel&, const standin::DocumentView&)> change;
  bool cropMarks;
  std::vector<std::pair<std::string, std::string>> edits;  // of the file's text
};

const TextCase kTextCases[] = {
    {"nothing changed", kHandWritten, [](auto&, auto&) {}, false, {}},
    {"a path tagged and hidden, crop marks added",
     kHandWritten,
     [](standin::DocumentModel& model, const standin::DocumentView& view) {
       standin::ArtObject& ring = *model.FindArt(view.Find("ring"));
       ring.tags["KerfworksCutMark"] = {"KerfworksCutMark", "0001"};
       ring.attributes |= kArtHidden;
     },
     true,
     {{"viewBox='0 0 200 100'>",
       "viewBox='0 0 200 100' xmlns:kw='urn:kerfworks:tags' "
       "xmlns:sodipodi='http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd'>"},
      {"style='font-family:&apos;A B&apos;; stroke-dasharray:2 1' x:label='caf&#233;&#160;one' "
       "id=\"ring\"  />",
       "style='font-family:&apos;A B&apos;; stroke-dasharray:2 1;visibility:hidden;' "
       "x:label='caf&#233;&#160;one' id=\"ring\" kw:KerfworksCutMark=\"0001\"  />"}}},
    {"a moved shape becomes a path",
     kHandWritten,
     [](standin::DocumentModel& model, const standin::DocumentView& view) {
       for (auto& s : model.FindArt(view.Find("box"))->segments)
         s.p.h += 5, s.in.h += 5, s.out.h += 5;
     },
     false,
     {{"<rect id='box'\n\tx='10' y='10' width='20' height='10' class=\"a\"/>",
       "<path id='box' class=\"a\" d=\"M15,10 L35,10 L35,20 L15,20 Z\"/>"}}},
    {"ISO-8859-1, a circle tagged after a character beyond ASCII",
     kLatin1,
     [](standin::DocumentModel& model, const standin::DocumentView& view) {
       model.FindArt(view.Find("c"))->tags["KerfworksCutMark"] = {"KerfworksCutMark", "0001"};
     },
     false,
     {{"height=\"100pt\">", "height=\"100pt\" xmlns:kw=\"urn:kerfworks:tags\">"},
      {"r=\"5\"/>", "r=\"5\" kw:KerfworksCutMark=\"0001\"/>"}}},
};

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST_F(CropMarkExport, SaveWritesTheFileTextBackButForTheChanges) {
  gCropMarkSettings = {500, 500, 6000, 2500, 3};
  gCropMarkRadius = kCropMarkRadius;
  for (const TextCase& row : kTextCases) {
    SCOPED_TRACE(row.what);
    const auto loaded = kwhost::LoadDrawing(svg::ImportSvgText(row.drawing), host_.Documents());
    row.change(host_.Documents(), standin::DocumentView(host_.Documents()));
    if (row.cropMarks) Run([] { SetCropMarks(true); });
    kwhost::SaveSummary summary;
    const std::string saved =
        kwhost::SaveIntoOriginal(row.drawing, loaded, host_.Documents(), summary);

    std::string expected = row.drawing;
    for (const auto& [from, to] : row.edits) {
      const auto at = expected.find(from);
      ASSERT_NE(at, std::string::npos) << from;
      expected.replace(at, from.size(), to);
    }
    // Matched from both ends, the texts differ by the new art only.
    std::size_t head = 0, tail = 0;
    while (head < expected.size() && head < saved.size() && expected[head] == saved[head]) ++head;
    while (tail < expected.size() - head && tail < saved.size() - head &&
           expected[expected.size() - 1 - tail] == saved[saved.size() - 1 - tail]) {
      ++tail;
    }
    EXPECT_EQ(head + tail, expected.size()) << "differs at byte " << head << ":\n" << saved;
    const std::string added = saved.substr(head, saved.size() - head - tail);
    EXPECT_EQ(Count(added, "<"), row.cropMarks ? 3u : 0u) << added;
    EXPECT_EQ(Count(added, "KerfworksCropMark"), row.cropMarks ? 3u : 0u) << added;
    EXPECT_NO_THROW(svg::ImportSvgText(saved));
  }
}

}  // namespace
