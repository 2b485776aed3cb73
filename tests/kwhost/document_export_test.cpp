#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <set>
#include <string>

#include "same_document.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/document_view.h"
#include "standin/scenario/shapes.h"
#include "tools/kwhost/document_export.h"
#include "tools/kwhost/drawing_loader.h"
#include "tools/kwhost/drawing_save.h"
#include "tools/kwhost/svg/svg_import.h"

namespace {

using standin::CornerPoint;

constexpr char kCutMark[] = "KerfworksCutMark";

AIColor Rgb(AIReal red, AIReal green, AIReal blue) {
  AIColor colour{};
  colour.kind = kThreeColor;
  colour.c.rgb = {red, green, blue};
  return colour;
}

AIPathStyle Filled(AIColor colour) {
  AIPathStyle style = standin::UnpaintedStyle();
  style.fillPaint = 1;
  style.fill.color = colour;
  return style;
}

AIPathStyle Stroked(AIPathStyle style, AIColor colour, AIReal width) {
  style.strokePaint = 1;
  style.stroke.color = colour;
  style.stroke.width = width;
  return style;
}

AIPathSegment Smooth(AIReal x, AIReal y, AIReal dx, AIReal dy) {
  return AIPathSegment{{x, y}, {x - dx, y - dy}, {x + dx, y + dy}, 0};
}

// What the loader would make of the export of `model`.
void ReadBack(const standin::DocumentModel& model, standin::DocumentModel& copy) {
  kwhost::LoadDrawing(svg::ImportSvgText(kwhost::ExportDocumentSvg(model), "export"), copy);
}

// Every kind of art the document holds, with values that a decimal form must carry exactly.
void BuildRichDocument(standin::DocumentModel& model) {
  standin::DocumentBuilder doc(model);
  doc.Page(595.2756f, 841.8898f).Layer("Cut");
  doc.Rectangle("box", 10.1f, 20.2f, 30.3f, 40.4f)
      .Style(Filled(Rgb(0.3f, 0.6f, 1.0f / 3)))
      .Tag(kCutMark, "0003")
      .Selected();
  doc.Circle("dot", 300.5f, 400.25f, 14.173228f)
      .Style(Stroked(standin::UnpaintedStyle(), Rgb(1, 0, 0), 0.35f));
  doc.Path("wave",
           {Smooth(1e-30f, -7.827658f, 3.3f, 1e-7f), Smooth(123456.79f, 3.4e5f, -0.1f, 2.5f),
            CornerPoint(-42.519684f, 56.692913f)},
           false)
      .Style(Stroked(Filled(Rgb(0.1f, 0.2f, 0.7f)), Rgb(0, 0.5f, 0), 2.83465f));
  // A closed path whose last anchor repeats the first, and a closed single curved anchor.
  doc.Path("", {CornerPoint(0, 0), CornerPoint(50, 0), CornerPoint(0, 0)}, true)
      .Style(Filled(Rgb(0, 0, 0)));
  doc.Path("blob", {Smooth(3, 4, 1, 1)}, true).Style(Filled(Rgb(0, 0, 0)));

  doc.BeginGroup("pair").Locked();
  doc.BeginGroup("inner");
  doc.Polyline("", {{1, 2}, {3, 4.5f}}).Style(Filled(Rgb(0.25f, 0.5f, 0.75f)));
  doc.End();
  // Parts alike and plain: one SVG path of two subpaths.
  doc.BeginCompoundPath("ring").Tag(kCutMark, "0002");
  doc.Rectangle("", 0, 0, 100, 100).Style(Filled(Rgb(0.5f, 0.5f, 0.5f)));
  doc.Rectangle("", 10, 10, 80, 80).Style(Filled(Rgb(0.5f, 0.5f, 0.5f)));
  doc.End();
  doc.End();
  // Parts that differ: a named, a marked and a differently painted one.
  doc.BeginCompoundPath("frame");
  doc.Rectangle("frame-outer", 200, 200, 50, 50).Style(Filled(Rgb(1, 1, 0)));
  doc.Rectangle("", 210, 210, 30, 30).Style(Filled(Rgb(1, 1, 0))).Tag(kCutMark, "0001");
  doc.Rectangle("", 215, 215, 5, 5).Style(Filled(Rgb(0, 1, 1))).Locked();
  doc.End();
  doc.BeginCompoundPath("lonely");
  doc.Circle("", 10, 10, 5).Style(Filled(Rgb(0, 0, 1)));
  doc.End();
  // A hidden group's shown contents must stay shown.
  doc.BeginGroup("ghosts").Hidden();
  doc.Rectangle("seen", 1, 1, 2, 2).Style(Filled(Rgb(0, 0, 0)));
  doc.Rectangle("unseen", 1, 1, 2, 2).Style(Filled(Rgb(0, 0, 0))).Hidden().Locked();
  doc.End();

  doc.Layer("Print", /*visible=*/false, /*locked=*/true);
  doc.Text("caption").Tag("Note", "a \"quoted\" <value> & more\nover two lines");
  doc.Art("photo", kPlacedArt).Hidden();
  doc.Layer("Empty");
}

TEST(DocumentExport, RoundTripGivesBackTheSameDocument) {
  standin::DocumentModel original, copy;
  BuildRichDocument(original);
  ReadBack(original, copy);
  kwhost_test::ExpectSameDocument(original, copy);
  const standin::DocumentView view(copy);
  EXPECT_EQ(view.Art("ring").children.size(), 2u);
  EXPECT_EQ(view.Art("frame").children.size(), 3u);
  EXPECT_EQ(view.TagValue(view.Find("caption"), "Note"),
            "a \"quoted\" <value> & more\nover two lines");
}

TEST(DocumentExport, RgbChannelsComeBackBitForBit) {
  standin::DocumentModel original, copy;
  standin::DocumentBuilder doc(original);
  std::mt19937 random(11);
  std::uniform_real_distribution<float> channel(0, 1);
  for (int i = 0; i < 300; ++i) {
    doc.Rectangle("", 0, 0, 1, 1)
        .Style(Stroked(Filled(Rgb(channel(random), channel(random), channel(random))),
                       Rgb(channel(random), 1e-7f, 0.999999f), channel(random) * 10));
  }
  ReadBack(original, copy);
  kwhost_test::ExpectSameDocument(original, copy);
}

TEST(DocumentExport, WritingTheReadBackDocumentGivesTheSameText) {
  standin::DocumentModel original, copy;
  BuildRichDocument(original);
  const std::string first = kwhost::ExportDocumentSvg(original);
  ReadBack(original, copy);
  EXPECT_EQ(kwhost::ExportDocumentSvg(copy), first);
}

TEST(DocumentExport, WritesLayersBottomFirstWithTheirStateAndNoIdForUnnamedArt) {
  standin::DocumentModel model;
  BuildRichDocument(model);
  pugi::xml_document xml;
  ASSERT_TRUE(xml.load_string(kwhost::ExportDocumentSvg(model).c_str()));
  const pugi::xml_node root = xml.child("svg");
  EXPECT_STREQ(root.attribute("width").value(), "595.2756pt");
  EXPECT_STREQ(root.attribute("height").value(), "841.8898pt");
  EXPECT_STREQ(root.attribute("viewBox").value(), "0 0 595.2756 841.8898");
  std::vector<std::string> labels;
  for (const pugi::xml_node& layer : root.children("g")) {
    labels.push_back(layer.attribute("inkscape:label").value());
    EXPECT_STREQ(layer.attribute("inkscape:groupmode").value(), "layer");
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"Cut", "Print", "Empty"}));
  const pugi::xml_node print = root.find_child_by_attribute("g", "inkscape:label", "Print");
  EXPECT_STREQ(print.attribute("style").value(), "display:none");
  EXPECT_STREQ(print.attribute("sodipodi:insensitive").value(), "true");

  std::multiset<std::string> ids;
  for (const pugi::xpath_node& node : xml.select_nodes("//*[@id]")) {
    ids.insert(node.node().attribute("id").value());
  }
  EXPECT_EQ(ids, (std::multiset<std::string>{"box", "dot", "wave", "blob", "pair", "inner", "ring",
                                             "frame", "frame-outer", "lonely", "ghosts", "seen",
                                             "unseen", "caption", "photo"}));
  const pugi::xml_node box = xml.select_node("//*[@id='box']").node();
  EXPECT_STREQ(box.attribute("kw:KerfworksCutMark").value(), "0003");
  EXPECT_STREQ(root.attribute("xmlns:kw").value(), "urn:kerfworks:tags");
}

TEST(DocumentExport, OtherColourKindsBecomeRgbAndStayPainted) {
  standin::DocumentModel original, copy;
  standin::DocumentBuilder doc(original);
  AIColor gray{};
  gray.kind = kGrayColor;
  gray.c.gray = 0.25f;
  AIColor process{};
  process.kind = kFourColor;
  process.c.f = {0.1f, 0.2f, 0.3f, 0.5f};
  AIColor none{};
  none.kind = kNoneColor;
  doc.Rectangle("gray", 0, 0, 1, 1).Style(Stroked(Filled(gray), process, 1));
  doc.Rectangle("none", 0, 0, 1, 1).Style(Filled(none));
  ReadBack(original, copy);
  const standin::DocumentView view(copy);
  const AIPathStyle& grayStyle = view.Art("gray").style;
  EXPECT_FLOAT_EQ(grayStyle.fill.color.c.rgb.red, 0.75f) << "gray is a tint of black";
  EXPECT_FLOAT_EQ(grayStyle.fill.color.c.rgb.blue, 0.75f);
  EXPECT_FLOAT_EQ(grayStyle.stroke.color.c.rgb.red, 0.45f);
  EXPECT_FLOAT_EQ(grayStyle.stroke.color.c.rgb.green, 0.4f);
  EXPECT_FLOAT_EQ(grayStyle.stroke.color.c.rgb.blue, 0.35f);
  EXPECT_TRUE(view.Art("none").style.fillPaint) << "a painted fill stays painted";
  kwhost_test::ExpectSameDocument(original, copy);
}

TEST(DocumentExport, RefusesWhatSvgCannotCarryNamingTheArt) {
  struct Case {
    const char* what;
    void (*build)(standin::DocumentBuilder&);
    const char* message;
  };
  const Case cases[] = {
      {"tag name", [](standin::DocumentBuilder& doc) { doc.Text("t").Tag("two words", "x"); },
       "the art \"t\" carries the tag \"two words\""},
      {"tag name with a colon",
       [](standin::DocumentBuilder& doc) { doc.Text("t").Tag("a:b", "x"); }, "\"a:b\""},
      {"art type", [](standin::DocumentBuilder& doc) { doc.Art("r", kRasterArt); },
       "the art \"r\" is of art type 9"},
      {"coordinate",
       [](standin::DocumentBuilder& doc) {
         doc.Polyline("", {{0, 0}, {std::numeric_limits<AIReal>::quiet_NaN(), 1}});
       },
       "an unnamed art object has a coordinate that is not a number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    standin::DocumentModel model;
    standin::DocumentBuilder doc(model);
    c.build(doc);
    try {
      kwhost::ExportDocumentSvg(model);
      ADD_FAILURE() << "no error";
    } catch (const kwhost::ExportError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
  standin::DocumentModel empty;
  EXPECT_THROW(kwhost::ExportDocumentSvg(empty), kwhost::ExportError);
}

class DocumentFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("kw_export_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(DocumentFile, WritesTheFileThatReadsBack) {
  standin::DocumentModel original, copy;
  BuildRichDocument(original);
  const std::string path = (folder_ / "saved.svg").string();
  { std::ofstream(path) << "old contents that are longer than nothing"; }
  kwhost::WriteFileWhole(path, kwhost::ExportDocumentSvg(original));
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
            kwhost::ExportDocumentSvg(original));
  kwhost::LoadDrawing(svg::ImportSvgFile(path), copy);
  kwhost_test::ExpectSameDocument(original, copy);
}

TEST_F(DocumentFile, UnwritablePathIsAnErrorNamingTheFile) {
  standin::DocumentModel model;
  BuildRichDocument(model);
  for (const std::filesystem::path& path :
       {folder_ / "missing" / "saved.svg", folder_ /* a folder */}) {
    SCOPED_TRACE(path.string());
    try {
      kwhost::WriteFileWhole(path.string(), kwhost::ExportDocumentSvg(model));
      ADD_FAILURE() << "no error";
    } catch (const kwhost::ExportError& error) {
      EXPECT_NE(std::string(error.what()).find("cannot write \"" + path.string() + "\""),
                std::string::npos)
          << error.what();
    }
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ / "missing"));
  // Nothing is left under a temporary name either.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 0);
}

}  // namespace
