// Presence, removal, the palette's toggle and the dialog's rebuild, and how they meet failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "crop_mark_host.h"
#include "cropmarks/crop_marks.h"
#include "wrappers/host_suites.h"

namespace cropmarks_test {
namespace {

class CropMarksTest : public CropMarkHost {
 protected:
  bool HasMarks() {
    bool has = false;
    Run([&] { has = DocumentHasCropMarks(); });
    return has;
  }
  size_t Tagged() { return MarksByNumber().size(); }
  std::vector<std::string> Numbers() {
    std::vector<std::string> numbers;
    for (const Mark& mark : MarksByNumber()) numbers.push_back(mark.number);
    return numbers;
  }
  bool Exists(AIArtHandle art) {
    for (const Mark& mark : Art()) {
      if (mark.art == art) return true;
    }
    return false;
  }
};

TEST_F(CropMarksTest, ToggleAddsThenRemovesTheWholeSet) {
  struct Case {
    std::int32_t type;
    size_t marks;
  };
  for (const Case c : {Case{0, 3}, Case{2, 3}, Case{3, 3}, Case{4, 9}, Case{7, 9}, Case{12, 3}}) {
    SCOPED_TRACE(c.type);
    UseSettings({1500, 2000, 17000, 21000, c.type});
    const AIArtHandle user = AddUserPath(false);
    EXPECT_FALSE(HasMarks());
    Run([] { ToggleCropMarks(); });
    EXPECT_TRUE(HasMarks());
    EXPECT_EQ(Tagged(), c.marks);
    Run([] { ToggleCropMarks(); });
    EXPECT_FALSE(HasMarks());
    EXPECT_EQ(Tagged(), 0u);
    EXPECT_TRUE(Exists(user));
    Run([&] { sAIArt->DisposeArt(user); });
  }
}

// Whatever carries the tag is a crop mark: a user's copy is found and removed with the set, and
// removing it alone is what the toggle does when it is the only one.
TEST_F(CropMarksTest, AnyTaggedArtCountsAsACropMark) {
  const AIArtHandle copy = AddUserPath(true);
  const AIArtHandle plain = AddUserPath(false);
  EXPECT_TRUE(HasMarks());
  Run([] { ToggleCropMarks(); });
  EXPECT_FALSE(Exists(copy));
  EXPECT_TRUE(Exists(plain));
  EXPECT_FALSE(HasMarks());
  Run([] { ToggleCropMarks(); });
  EXPECT_EQ(Tagged(), 3u);
}

TEST_F(CropMarksTest, PresenceLooksAtTheWholeList) {
  for (int i = 0; i < 3; ++i) AddUserPath(false);
  AddUserPath(true);
  host_.Gate().ClearLog();
  EXPECT_TRUE(HasMarks());
  EXPECT_EQ(host_.Gate().Calls(kAITagSuite, "GetTag"), 4);
  EXPECT_EQ(host_.Gate().Calls(kAIMatchingArtSuite, "ReleaseArtList"), 1);
}

TEST_F(CropMarksTest, AddingASetIgnoresMarksAlreadyThere) {
  Run([] { SetCropMarks(true); });
  Run([] { SetCropMarks(true); });
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"0001", "0001", "0002", "0002", "0003", "0003"}));
  Run([] { SetCropMarks(false); });
  EXPECT_EQ(Tagged(), 0u);
}

// Disposing of a tagged group takes its tagged children with it; they are not disposed of twice.
TEST_F(CropMarksTest, TaggedArtInsideTaggedArtGoesWithIt) {
  const AIArtHandle group = AddUserGroup(true);
  AddUserPath(true, group);
  const AIArtHandle untaggedGroup = AddUserGroup(false);
  const AIArtHandle inner = AddUserPath(true, untaggedGroup);
  Run([] { RemoveCropMarks(); });
  EXPECT_FALSE(Exists(group));
  EXPECT_FALSE(Exists(inner));
  EXPECT_TRUE(Exists(untaggedGroup));
  EXPECT_EQ(Tagged(), 0u);
}

TEST_F(CropMarksTest, RebuildReplacesTheSetAndRedraws) {
  Run([] { ToggleCropMarks(); });
  UseSettings({1000, 2500, 17000, 21500, 5});
  const int redraws = Redraws();
  Run([] { RebuildCropMarks(); });
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"0001", "0002", "0003", "0004", "0005", "0006",
                                                 "0007", "0008", "0009"}));
  EXPECT_EQ(Redraws(), redraws + 1);
}

TEST_F(CropMarksTest, RebuildCreatesASetWhereThereWasNone) {
  const AIArtHandle user = AddUserPath(false);
  Run([] { RebuildCropMarks(); });
  EXPECT_EQ(Tagged(), 3u);
  EXPECT_TRUE(Exists(user));
}

TEST_F(CropMarksTest, WithoutADocumentNothingHappens) {
  CloseDocument();
  const int redraws = Redraws();
  Run([&] {
    EXPECT_FALSE(DocumentHasCropMarks());
    SetCropMarks(true);
    ToggleCropMarks();
    RemoveCropMarks();
    RebuildCropMarks();
  });
  EXPECT_EQ(Redraws(), redraws);
  EXPECT_EQ(host_.Gate().Calls(kAIArtSuite, "NewArt"), 0);
}

// A refused path skips that shape only.
TEST_F(CropMarksTest, ARefusedPathSkipsOnlyThatShape) {
  UseSettings({1500, 2000, 17000, 21000, 4});
  host_.Gate().ClearLog();
  const std::uint64_t before = host_.Gate().Count();
  Run([] { SetCropMarks(true); });
  // Find the call number of the sixth NewArt (the diagonal tick) in a clean run.
  std::uint64_t tickCall = 0;
  int newArts = 0;
  const std::vector<std::string>& log = host_.Gate().Log();
  for (size_t i = 0; i < log.size() && tickCall == 0; ++i) {
    if (log[i] == std::string(kAIArtSuite) + "::NewArt" && ++newArts == 6) tickCall = i + 1;
  }
  ASSERT_NE(tickCall, 0u);
  ASSERT_EQ(host_.Gate().Count() - before, log.size());
  Run([] { RemoveCropMarks(); });

  host_.Gate().FailCall(tickCall);
  Run([] { SetCropMarks(true); });
  host_.Gate().ClearFailure();
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"0001", "0002", "0003", "0004", "0005", "0007",
                                                 "0008", "0009"}));
}

// Whichever host call fails, the host is used correctly: lists are given back and no handle is
// used after it was disposed of.
TEST_F(CropMarksTest, EveryFailingCallLeavesTheHostClean) {
  UseSettings({1500, 2000, 17000, 21000, 6});
  host_.Gate().ClearLog();
  Run([] {
    ToggleCropMarks();
    ToggleCropMarks();
  });
  const std::vector<std::string> calls = host_.Gate().Log();
  ASSERT_GT(calls.size(), 40u);
  for (std::uint64_t k = 1; k <= calls.size(); ++k) {
    // A refused release leaves the list with the host; there is nothing to do about it.
    if (calls[k - 1] == std::string(kAIMatchingArtSuite) + "::ReleaseArtList") continue;
    SCOPED_TRACE(calls[k - 1]);
    host_.Gate().FailCall(k);
    Run([] {
      ToggleCropMarks();
      ToggleCropMarks();
    });
    host_.Gate().ClearFailure();
    std::vector<std::string> leftovers = host_.Leftovers();
    std::erase_if(leftovers, [](const std::string& line) {
      return line.starts_with("suite not released");  // the test's own suites
    });
    EXPECT_EQ(leftovers, std::vector<std::string>{});
    // Shapes left untagged by the failure are beyond the toggle; clear them for the next round.
    for (const Mark& mark : Art()) Run([&] { sAIArt->DisposeArt(mark.art); });
  }
}

}  // namespace
}  // namespace cropmarks_test
