// Mark the Paths: one press marks every selected path unless all are marked, which unmarks them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/document_view.h"
#include "support/param_names.h"
#include "support/plugin_host.h"

namespace {

constexpr char kTag[] = "KerfworksCutMark";
using Marks = std::vector<std::optional<std::string>>;

class MarkPathsTest : public test_support::PluginHostTest {
 protected:
  // Three selected paths, those named in `marked` carrying a mark "old".
  void ThreePaths(const std::vector<bool>& marked) {
    standin::DocumentBuilder doc(host_.Documents());
    for (int i = 0; i < 3; ++i) {
      auto path = doc.Rectangle(Name(i), 10.0f * i, 0, 5, 5).Selected();
      if (marked[i]) path.Tag(kTag, "old");
    }
  }
  static std::string Name(int i) { return "path" + std::to_string(i); }
  Marks MarksOf(const std::vector<std::string>& names) {
    const standin::DocumentView view(host_.Documents());
    Marks marks;
    for (const std::string& name : names) marks.push_back(view.TagValue(view.Find(name), kTag));
    return marks;
  }
  Marks PathMarks() { return MarksOf({Name(0), Name(1), Name(2)}); }
};

struct ToggleCase {
  const char* what;
  std::vector<bool> marked;
  Marks after;
};

class MarkToggleTest : public MarkPathsTest, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(MarkToggleTest, TogglesTheSelection) {
  ThreePaths(GetParam().marked);
  Run(MarkPathsCommand);
  EXPECT_EQ(PathMarks(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, MarkToggleTest,
    ::testing::Values(ToggleCase{"NoneMarked", {false, false, false}, {"0003", "0003", "0003"}},
                      ToggleCase{"AllMarked", {true, true, true}, {{}, {}, {}}},
                      ToggleCase{"OneMarked", {false, true, false}, {"0003", "old", "0003"}}),
    test_support::NameBy(&ToggleCase::what));

TEST_F(MarkPathsTest, ASecondPressUnmarksWhatTheFirstMarked) {
  ThreePaths({false, true, false});
  Run(MarkPathsCommand);
  Run(MarkPathsCommand);
  EXPECT_EQ(PathMarks(), (Marks{{}, {}, {}}));
}

TEST_F(MarkPathsTest, AGroupCountsInTheValueButIsNotTagged) {
  standin::DocumentBuilder doc(host_.Documents());
  doc.Rectangle("a", 0, 0, 5, 5).Selected();
  doc.BeginGroup("group").Selected();
  doc.End();
  doc.Rectangle("b", 10, 0, 5, 5).Selected();
  doc.Rectangle("unselected", 20, 0, 5, 5);
  Run(MarkPathsCommand);
  EXPECT_EQ(MarksOf({"a", "group", "b", "unselected"}), (Marks{"0003", {}, "0003", {}}));
}

TEST_F(MarkPathsTest, NothingToMarkChangesNothing) {
  standin::DocumentBuilder doc(host_.Documents());
  doc.Rectangle("path", 0, 0, 5, 5);
  doc.Text("caption").Selected();
  Run(MarkPathsCommand);
  EXPECT_EQ(MarksOf({"path", "caption"}), (Marks{{}, {}}));
  doc.Text("other");
  Run(MarkPathsCommand);  // nothing selected but text
  EXPECT_EQ(MarksOf({"path", "caption"}), (Marks{{}, {}}));
}

}  // namespace
