// The save into the original text: each kind of change lands in its element only, and reading the
// result back gives the changed document.
#include "tools/kwhost/drawing_save.h"
#include "tools/kwhost/latin1_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "standin/core/host.h"
#include "standin/scenario/document_view.h"
#include "support/param_names.h"
#include "tools/kwhost/svg/svg_import.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

constexpr char kSheet[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg"
    xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape" width="100pt" height="50pt" viewBox="0 0 200 100">
  <style>rect { fill: blue }</style>
  <g inkscape:groupmode="layer" inkscape:label="Cut" transform="translate(10,0)">
    <rect id="box" x="10" y="10" width="20" height="10" style="stroke-dasharray:2 1"/>
    <circle id="dot" cx="50" cy="25" r="5"/>
    <path id="ring" d="M0,0 h4 v4 h-4 z M1,1 h2 v2 h-2 z"/>
  </g>
</svg>)svg";

struct ChangeCase {
  const char* what;
  std::function<void(standin::ArtObject& box, standin::DocumentModel& model, AIArtHandle dot)>
      change;
  std::vector<std::string> expected;  // in the saved text
  std::vector<std::string> gone;      // no longer in it
};

class DrawingSave : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(DrawingSave, ChangesOnlyTheElementConcerned) {
  standin::HostOptions options;
  options.modulePath = "";
  standin::Host host(options);
  const auto loaded = kwhost::LoadDrawing(svg::ImportSvgText(kSheet), host.Documents());
  const standin::DocumentView view(host.Documents());
  GetParam().change(*host.Documents().FindArt(view.Find("box")), host.Documents(),
                    view.Find("dot"));
  kwhost::SaveSummary summary;
  const std::string saved = kwhost::SaveIntoOriginal(kSheet, loaded, host.Documents(), summary);
  EXPECT_TRUE(Contains(saved, R"(<path id="ring" d="M0,0 h4 v4 h-4 z M1,1 h2 v2 h-2 z"/>)"))
      << saved;
  EXPECT_TRUE(Contains(saved, "<style>rect { fill: blue }</style>")) << saved;
  for (const std::string& part : GetParam().expected)
    EXPECT_TRUE(Contains(saved, part)) << part << "\n" << saved;
  for (const std::string& part : GetParam().gone)
    EXPECT_FALSE(Contains(saved, part)) << part << "\n" << saved;

  // Read back, the saved drawing is the changed document.
  const standin::ArtObject box = view.Art("box");
  kwhost::LoadDrawing(svg::ImportSvgText(saved), host.Documents());
  const standin::ArtObject& boxBack = standin::DocumentView(host.Documents()).Art("box");
  EXPECT_EQ(boxBack.attributes & (kArtHidden | kArtLocked),
            box.attributes & (kArtHidden | kArtLocked));
  ASSERT_EQ(boxBack.segments.size(), box.segments.size());
  for (std::size_t i = 0; i < box.segments.size(); ++i) {
    EXPECT_NEAR(boxBack.segments[i].p.h, box.segments[i].p.h, 1e-3);
    EXPECT_NEAR(boxBack.segments[i].p.v, box.segments[i].p.v, 1e-3);
  }
  EXPECT_EQ(boxBack.style.strokePaint, box.style.strokePaint);
  EXPECT_NEAR(boxBack.style.stroke.width, box.style.stroke.width, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, DrawingSave,
    ::testing::Values(
        ChangeCase{
            "nothing",
            [](auto&, auto&, auto) {},
            {R"(<rect id="box" x="10" y="10" width="20" height="10" style="stroke-dasharray:2 1"/>)"},
            {}},
        ChangeCase{
            "hidden and locked",
            [](standin::ArtObject& box, auto&, auto) { box.attributes |= kArtHidden | kArtLocked; },
            {R"(style="stroke-dasharray:2 1;visibility:hidden;")",
             R"(sodipodi:insensitive="true")"},
            {}},
        ChangeCase{
            "moved: the shape becomes path data in its own user units",
            [](standin::ArtObject& box, auto&, auto) {
              for (auto& s : box.segments) s.p.h += 5, s.in.h += 5, s.out.h += 5;
            },
            {R"(<path id="box" style="stroke-dasharray:2 1" d="M20,10 L40,10 L40,20 L20,20 Z"/>)"},
            {"<rect"}},
        ChangeCase{"stroked: in the style attribute, which beats the style sheet",
                   [](standin::ArtObject& box, auto&, auto) {
                     box.style.strokePaint = 1;
                     box.style.stroke.width = 1;
                   },
                   {"fill:rgb(0%, 0%, 100%);stroke:rgb(0%, 0%, 0%);stroke-width:2;"},
                   {}},
        ChangeCase{
            "removed",
            [](auto&, standin::DocumentModel& model, AIArtHandle dot) { model.DisposeArt(dot); },
            {},
            {"<circle"}}),
    test_support::NameBy(&ChangeCase::what));

}  // namespace

namespace {

constexpr char kCopies[] =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
    width="200pt" height="100pt" viewBox="0 0 200 100">
  <defs><rect id="r" width="20" height="10"/></defs>
  <use id="u1" xlink:href="#r" x="10" y="10"/>
  <use id="u2" xlink:href="#r" x="50" y="10"/>
</svg>)svg";

// A copy that changed can no longer be drawn by its <use>; an unchanged one still is.
TEST(DrawingSaveOfCopies, AChangedCopyReplacesItsUseAndKeepsItsPlaceAndTags) {
  standin::HostOptions options;
  options.modulePath = "";
  standin::Host host(options);
  const auto loaded = kwhost::LoadDrawing(svg::ImportSvgText(kCopies), host.Documents());
  const standin::DocumentView view(host.Documents());
  const AIArtHandle copy = view.Art("u1").children.front();
  host.Documents().FindArt(copy)->tags["KerfworksCutMark"] = {"KerfworksCutMark", "0001"};
  const std::vector<AIPathSegment> before = host.Documents().FindArt(copy)->segments;

  kwhost::SaveSummary summary;
  const std::string saved = kwhost::SaveIntoOriginal(kCopies, loaded, host.Documents(), summary);
  EXPECT_TRUE(Contains(saved, R"(<use id="u2" xlink:href="#r" x="50" y="10"/>)")) << saved;
  EXPECT_FALSE(Contains(saved, R"(<use id="u1")")) << saved;

  kwhost::LoadDrawing(svg::ImportSvgText(saved), host.Documents());
  const standin::DocumentView back(host.Documents());
  ASSERT_EQ(back.Art("u1").children.size(), 1u);
  const standin::ArtObject& copyBack = *host.Documents().FindArt(back.Art("u1").children.front());
  EXPECT_EQ(copyBack.tags.at("KerfworksCutMark").value, "0001");
  ASSERT_EQ(copyBack.segments.size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_NEAR(copyBack.segments[i].p.h, before[i].p.h, 1e-3);
    EXPECT_NEAR(copyBack.segments[i].p.v, before[i].p.v, 1e-3);
  }
  EXPECT_EQ(back.Art("u2").children.size(), 1u);
}

}  // namespace

namespace {

TEST(Latin1Text, RoundTripsAndRefersToWhatItCannotHold) {
  EXPECT_EQ(kwhost::Latin1ToUtf8("caf\xe9 \xff!"), "caf\xc3\xa9 \xc3\xbf!");
  EXPECT_EQ(kwhost::Utf8ToLatin1("caf\xc3\xa9 \xc3\xbf!"), "caf\xe9 \xff!");
  EXPECT_EQ(kwhost::Utf8ToLatin1("\xe2\x82\xac \xf0\x9f\x98\x80"), "&#8364; &#128512;");
}

}  // namespace
