// A sticker's cut contour made from a drawing with lettering, in one kwhost run: the lettering
// and the stroke outlined, overlapping shapes merged, all offset 3 mm with round joins, cut.
#include <regex>
#include <string>
#include <utility>

#include "kwhost_fixture.h"

namespace kwtest {
namespace {

// Lettering "CUT" (three glyphs without counters), a stroked line below it, two overlapping
// discs beside it: five shapes once prepared, each with its contour behind it.
constexpr char kStickerSheet[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg"
    xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
    width="300pt" height="150pt" viewBox="0 0 300 150">
  <g inkscape:groupmode="layer" inkscape:label="Cut">
    <g id="sticker">
      <text id="word" x="20" y="70" font-family="DejaVu Sans" font-size="40">CUT</text>
      <path id="swoosh" d="M 20 110 L 150 110" fill="none" stroke="#c00" stroke-width="6"/>
      <circle id="a" cx="210" cy="60" r="25" fill="#fc0"/>
      <circle id="b" cx="240" cy="60" r="25" fill="#0cf"/>
    </g>
  </g>
</svg>)svg";

int Count(const std::string& text, const std::string& pattern) {
  const std::regex re(pattern);
  return static_cast<int>(
      std::distance(std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()));
}

TEST_F(KwhostRun, StickerContourFromADrawingWithText) {
  RegisterReceiver();
  const std::string saved = (Folder() / "saved.svg").string();
  const RunResult run = Run({Drawing(kStickerSheet),
                             "--select",
                             "sticker",
                             "--press",
                             "outline-text",
                             "--select",
                             "sticker",
                             "--press",
                             "outline-stroke",
                             "--select",
                             "sticker",
                             "--press",
                             "merge",
                             "--select",
                             "sticker",
                             "--offset-dialog",
                             "3mm,round",
                             "--press",
                             "offset",
                             "--crop-marks",
                             "3",
                             "--press",
                             "cut",
                             "--save",
                             saved});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(Count(run.out, "action changed the document: 1 replaced, 1 added\n"), 2)
      << "the text and the line: " << run.out;
  EXPECT_EQ(Count(run.out, "action changed the document: 2 replaced, 1 added\n"), 1)
      << "the discs: " << run.out;
  EXPECT_EQ(Count(run.out, "action changed the document: 0 replaced, 5 added\n"), 1)
      << "five contours: " << run.out;
  // Five shapes and five contours; the C's opening, narrower than twice the offset, closes in
  // its contour and leaves a hole there.
  const std::string report = ReceiverReport();
  EXPECT_TRUE(report.find("paths: 11\n") != std::string::npos) << report;
  EXPECT_EQ(Count(report, "path \\d+: closed"), 11) << report;
  EXPECT_EQ(report.find("crop-marks: none"), std::string::npos) << report;
  const std::string svg = ReadFile(saved);
  // The C's contour is one `path` of two subpaths.
  EXPECT_EQ(Count(svg, "<path ") - Count(svg, "<path [^>]*KerfworksCropMark"), 10) << svg;
}

TEST_F(KwhostRun, SavedTextOutlinesAsTheOriginalDoes) {
  const std::string saved = (Folder() / "saved.svg").string();
  const std::string drawing = Drawing(kStickerSheet);
  ASSERT_EQ(Run({drawing, "--save", saved}).status, 0);
  const std::string fromOriginal = (Folder() / "original.svg").string();
  const std::string fromSaved = (Folder() / "resaved.svg").string();
  for (const auto& [from, to] : {std::pair{drawing, fromOriginal}, std::pair{saved, fromSaved}}) {
    const RunResult run = Run({from, "--select", "word", "--press", "outline-text", "--save", to});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
  }
  EXPECT_EQ(ReadFile(fromSaved), ReadFile(fromOriginal));
}

TEST_F(KwhostRun, CancelledOffsetDialogChangesNothing) {
  const RunResult run = Run({Drawing(kStickerSheet), "--select", "a", "--offset-dialog",
                             "3mm,cancel", "--press", "offset"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("action cancelled in its dialog: nothing changed"), std::string::npos)
      << run.out;
}

}  // namespace
}  // namespace kwtest
