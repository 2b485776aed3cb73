#include "suite_fixture.h"

namespace kwtest {
namespace {

using standin::DocumentBuilder;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class MatchingArtTest : public DocumentSuitesTest {
 protected:
  // Two layers; a group holding a path and a compound path of two paths.
  void BuildNested() {
    DocumentBuilder doc(host.Documents());
    doc.Layer("Back");
    doc.Rectangle("a", 0, 0, 10, 10).Selected();
    doc.BeginGroup("g");
    doc.Circle("g1", 5, 5, 2).Selected().Locked();
    doc.BeginCompoundPath("cp");
    doc.Rectangle("cp1", 0, 0, 4, 4);
    doc.Rectangle("cp2", 1, 1, 2, 2).Selected();
    doc.End().End();
    doc.Text("t").Selected();
    doc.Layer("Front");
    doc.Polyline("b", {{0, 0}, {5, 5}});
  }

  std::vector<std::string> Names(AIArtHandle* list, int32_t count) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < count; ++i) names.push_back(View().Art(list[i]).name);
    return names;
  }

  std::vector<std::string> Matching(const std::vector<AIMatchingArtSpec>& specs) {
    std::vector<std::string> names;
    InHost([&] {
      AIArtHandle* list = nullptr;
      int32_t count = -1;
      ASSERT_EQ(kNoErr, matching->GetMatchingArt(specs.data(), static_cast<int16_t>(specs.size()),
                                                 &list, &count));
      names = Names(list, count);
      EXPECT_EQ(kNoErr, matching->ReleaseArtList(list));
    });
    return names;
  }
};

TEST_F(MatchingArtTest, ListsEveryArtAtAnyDepthBottomLayerFirstParentsBeforeChildren) {
  BuildNested();
  EXPECT_THAT(Matching({{kAnyArt, 0, 0}}),
              ElementsAre("a", "g", "g1", "cp", "cp1", "cp2", "t", "b"));
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(MatchingArtTest, SpecificationsSelectByTypeAndMaskedAttributes) {
  BuildNested();
  struct Case {
    std::vector<AIMatchingArtSpec> specs;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {{{kPathArt, 0, 0}}, {"a", "g1", "cp1", "cp2", "b"}},
      {{{kGroupArt, 0, 0}, {kTextArt, 0, 0}}, {"g", "t"}},
      {{{kAnyArt, kArtSelected, kArtSelected}}, {"a", "g1", "cp2", "t"}},
      {{{kAnyArt, kArtSelected, 0}}, {"g", "cp", "cp1", "b"}},
      {{{kPathArt, kArtSelected | kArtLocked, kArtSelected}}, {"a", "cp2"}},
      // An object matching two specifications is listed once.
      {{{kPathArt, 0, 0}, {kAnyArt, kArtSelected, kArtSelected}},
       {"a", "g1", "cp1", "cp2", "t", "b"}},
      {{{kRasterArt, 0, 0}}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_THAT(Matching(c.specs), ElementsAreArray(c.expected)) << c.specs.size() << " specs";
  }
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(MatchingArtTest, SelectedArtIsWhatCarriesTheSelectedAttribute) {
  BuildNested();
  InHost([&] {
    AIArtHandle* list = nullptr;
    int32_t count = 0;
    ASSERT_EQ(kNoErr, matching->GetSelectedArt(&list, &count));
    EXPECT_THAT(Names(list, count), ElementsAre("a", "g1", "cp2", "t"));
    EXPECT_EQ(kNoErr, matching->ReleaseArtList(list));
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(MatchingArtTest, AnEmptyAnswerIsANullListThatNeedsNoRelease) {
  DocumentBuilder doc(host.Documents());
  doc.Rectangle("unselected", 0, 0, 1, 1);
  InHost([&] {
    AIArtHandle* list = reinterpret_cast<AIArtHandle*>(&doc);
    int32_t count = 7;
    ASSERT_EQ(kNoErr, matching->GetSelectedArt(&list, &count));
    EXPECT_EQ(nullptr, list);
    EXPECT_EQ(0, count);
    EXPECT_EQ(kNoErr, matching->ReleaseArtList(nullptr));
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(MatchingArtTest, AListNotGivenBackIsALeftover) {
  BuildNested();
  InHost([&] {
    AIArtHandle* list = nullptr;
    int32_t count = 0;
    ASSERT_EQ(kNoErr, matching->GetSelectedArt(&list, &count));
  });
  EXPECT_THAT(Leftovers(), ElementsAre("art list not released: 4 entries"));
}

TEST_F(MatchingArtTest, ReleasingAListTwiceOrOneNeverHandedOutIsMisbehaviour) {
  BuildNested();
  InHost([&] {
    AIArtHandle* list = nullptr;
    int32_t count = 0;
    ASSERT_EQ(kNoErr, matching->GetSelectedArt(&list, &count));
    EXPECT_EQ(kNoErr, matching->ReleaseArtList(list));
    EXPECT_NE(kNoErr, matching->ReleaseArtList(list));
    AIArtHandle own[1] = {nullptr};
    EXPECT_NE(kNoErr, matching->ReleaseArtList(own));
  });
  ASSERT_EQ(2u, Misbehaviour().size());
  EXPECT_THAT(Misbehaviour()[0], HasSubstr("ReleaseArtList"));
}

TEST_F(MatchingArtTest, WithoutADocumentEveryRequestFails) {
  InHost([&] {
    AIArtHandle* list = nullptr;
    int32_t count = 3;
    const AIMatchingArtSpec spec{kAnyArt, 0, 0};
    EXPECT_EQ(kNoDocumentErr, matching->GetMatchingArt(&spec, 1, &list, &count));
    EXPECT_EQ(nullptr, list);
    EXPECT_EQ(0, count);
    EXPECT_EQ(kNoDocumentErr, matching->GetSelectedArt(&list, &count));
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(MatchingArtTest, MalformedRequestsAreRecordedAndRefused) {
  BuildNested();
  InHost([&] {
    AIArtHandle* list = nullptr;
    int32_t count = 0;
    const AIMatchingArtSpec spec{kAnyArt, 0, 0};
    EXPECT_EQ(kBadParameterErr, matching->GetMatchingArt(nullptr, 1, &list, &count));
    EXPECT_EQ(kBadParameterErr, matching->GetMatchingArt(&spec, 0, &list, &count));
    EXPECT_EQ(kBadParameterErr, matching->GetMatchingArt(&spec, 1, nullptr, &count));
    EXPECT_EQ(kBadParameterErr, matching->GetSelectedArt(&list, nullptr));
  });
  EXPECT_EQ(4u, Misbehaviour().size());
  EXPECT_EQ(0u, host.Documents().OpenArtLists());
}

TEST_F(MatchingArtTest, AnInjectedFailureHandsOutNoList) {
  BuildNested();
  InHost([&] {
    host.Gate().FailCall(1);
    AIArtHandle* list = nullptr;
    int32_t count = 5;
    EXPECT_EQ(standin::kInjectedFailureErr, matching->GetSelectedArt(&list, &count));
    EXPECT_EQ(nullptr, list);
    EXPECT_EQ(0, count);
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

}  // namespace
}  // namespace kwtest
