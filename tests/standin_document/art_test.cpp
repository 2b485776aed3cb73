#include "suite_fixture.h"

namespace kwtest {
namespace {

using standin::DocumentBuilder;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class ArtTest : public DocumentSuitesTest {
 protected:
  // "x" and "y" at the top of the layer, then group "g" holding "g1".
  void BuildFlatAndGroup() {
    DocumentBuilder doc(host.Documents());
    doc.Rectangle("x", 0, 0, 1, 1);
    doc.Rectangle("y", 0, 0, 2, 2);
    doc.BeginGroup("g");
    doc.Rectangle("g1", 0, 0, 3, 3);
    doc.End();
  }

  // Names in paint order; art the plug-in made shows as "new".
  std::vector<std::string> Order() {
    std::vector<std::string> names;
    for (AIArtHandle handle : View().All()) {
      const std::string& name = View().Art(handle).name;
      names.push_back(name.empty() ? "new" : name);
    }
    return names;
  }
};

TEST_F(ArtTest, NewArtGoesWhereItsPaintOrderSays) {
  struct Case {
    int16_t paintOrder;
    const char* prep;
    std::vector<std::string> order;
    const char* parent;
  };
  const Case cases[] = {
      {kPlaceAboveAll, nullptr, {"x", "y", "g", "g1", "new"}, nullptr},
      {kPlaceBelowAll, nullptr, {"new", "x", "y", "g", "g1"}, nullptr},
      {kPlaceAbove, "x", {"x", "new", "y", "g", "g1"}, nullptr},
      {kPlaceBelow, "x", {"new", "x", "y", "g", "g1"}, nullptr},
      {kPlaceAbove, "g1", {"x", "y", "g", "g1", "new"}, "g"},
      {kPlaceInsideOnTop, "g", {"x", "y", "g", "g1", "new"}, "g"},
      {kPlaceInsideOnBottom, "g", {"x", "y", "g", "new", "g1"}, "g"},
  };
  for (const Case& c : cases) {
    BuildFlatAndGroup();
    InHost([&] {
      AIArtHandle prep = c.prep != nullptr ? View().Find(c.prep) : nullptr;
      AIArtHandle created = nullptr;
      ASSERT_EQ(kNoErr, art->NewArt(kPathArt, c.paintOrder, prep, &created)) << c.paintOrder;
      AIArtHandle parent = reinterpret_cast<AIArtHandle>(1);
      EXPECT_EQ(kNoErr, art->GetArtParent(created, &parent));
      EXPECT_EQ(c.parent != nullptr ? View().Find(c.parent) : nullptr, parent);
      AILayerHandle layer = nullptr;
      EXPECT_EQ(kNoErr, art->GetArtLayer(created, &layer));
      EXPECT_EQ(View().Doc().currentLayer, layer);
    });
    EXPECT_THAT(Order(), ElementsAreArray(c.order))
        << c.paintOrder << " " << (c.prep != nullptr ? c.prep : "");
  }
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(ArtTest, ANewPathIsEmptyOpenAndPaintedWithTheDocumentDefault) {
  DocumentBuilder doc(host.Documents());
  AIPathStyle style = standin::DefaultPathStyle();
  style.stroke.width = 3;
  doc.DefaultStyle(style);
  InHost([&] {
    AIArtHandle path = nullptr;
    ASSERT_EQ(kNoErr, art->NewArt(kPathArt, kPlaceBelowAll, nullptr, &path));
    int16_t count = -1;
    AIBoolean closed = true;
    EXPECT_EQ(kNoErr, paths->GetPathSegmentCount(path, &count));
    EXPECT_EQ(kNoErr, paths->GetPathClosed(path, &closed));
    EXPECT_EQ(0, count);
    EXPECT_FALSE(closed);
    AIPathStyle got{};
    EXPECT_EQ(kNoErr, styles->GetPathStyle(path, &got));
    EXPECT_EQ(3.0f, got.stroke.width);
    EXPECT_TRUE(art->ArtHasFill(path));
    EXPECT_TRUE(art->ArtHasStroke(path));
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(ArtTest, ALockedOrHiddenLayerRefusesNewArtWithoutMisbehaviour) {
  for (const bool locked : {true, false}) {
    DocumentBuilder doc(host.Documents());
    doc.Layer("only", /*visible=*/locked, /*locked=*/locked);
    InHost([&] {
      AIArtHandle created = reinterpret_cast<AIArtHandle>(1);
      EXPECT_EQ(kSegmentErr, art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &created));
      EXPECT_EQ(nullptr, created);
    });
    EXPECT_THAT(View().All(), IsEmpty());
  }
  host.Documents().Close();
  InHost([&] {
    AIArtHandle created = nullptr;
    EXPECT_EQ(kNoDocumentErr, art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &created));
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(ArtTest, ImpossiblePlacementsAreMisuse) {
  DocumentBuilder doc(host.Documents());
  doc.Rectangle("p", 0, 0, 1, 1);
  doc.BeginCompoundPath("cp");
  doc.End();
  InHost([&] {
    AIArtHandle created = nullptr;
    AIArtHandle path = View().Find("p");
    EXPECT_EQ(kBadParameterErr, art->NewArt(kTextArt, kPlaceAboveAll, nullptr, &created));
    EXPECT_EQ(kBadParameterErr, art->NewArt(kPathArt, kPlaceAbove, nullptr, &created));
    EXPECT_EQ(kBadParameterErr, art->NewArt(kPathArt, kPlaceInsideOnTop, path, &created));
    EXPECT_EQ(kBadParameterErr,
              art->NewArt(kGroupArt, kPlaceInsideOnTop, View().Find("cp"), &created));
    EXPECT_EQ(kBadParameterErr, art->NewArt(kPathArt, 42, path, &created));
    EXPECT_EQ(kBadParameterErr, art->NewArt(kPathArt, kPlaceAboveAll, nullptr, nullptr));
    EXPECT_EQ(nullptr, created);
  });
  EXPECT_EQ(6u, Misbehaviour().size());
  EXPECT_EQ(2u, View().All().size());
}

TEST_F(ArtTest, DisposalTakesTheContentsAlongAndLeavesEveryHandleInvalid) {
  BuildFlatAndGroup();
  const AIArtHandle group = View().Find("g");
  const AIArtHandle child = View().Find("g1");
  InHost([&] {
    ASSERT_EQ(kNoErr, art->DisposeArt(group));
    int16_t type = kPathArt;
    EXPECT_EQ(kBadParameterErr, art->GetArtType(group, &type));
    EXPECT_EQ(kUnknownArt, type);
    EXPECT_EQ(kBadParameterErr, art->DisposeArt(child));
    EXPECT_FALSE(art->ArtHasFill(child));
    EXPECT_EQ(kNoErr, art->GetArtType(View().Find("x"), &type));
    EXPECT_EQ(kPathArt, type);
  });
  EXPECT_THAT(Order(), ElementsAre("x", "y"));
  ASSERT_EQ(3u, Misbehaviour().size());
  for (const std::string& entry : Misbehaviour()) {
    EXPECT_THAT(entry, HasSubstr("used a disposed art handle"));
  }
  EXPECT_THAT(Misbehaviour()[0], HasSubstr("AI Art Suite::GetArtType"));
}

TEST_F(ArtTest, HandlesOfAClosedDocumentAreDisposedAndStrangersUnknown) {
  BuildFlatAndGroup();
  const AIArtHandle old = View().Find("x");
  DocumentBuilder next(host.Documents());
  next.Rectangle("x", 0, 0, 1, 1);
  InHost([&] {
    int16_t type = 0;
    EXPECT_EQ(kBadParameterErr, art->GetArtType(old, &type));
    EXPECT_NE(old, View().Find("x"));
    EXPECT_EQ(kBadParameterErr, art->GetArtType(reinterpret_cast<AIArtHandle>(0x7770), &type));
    EXPECT_EQ(kBadParameterErr, art->GetArtType(nullptr, &type));
  });
  ASSERT_EQ(3u, Misbehaviour().size());
  EXPECT_THAT(Misbehaviour()[0], HasSubstr("disposed"));
  EXPECT_THAT(Misbehaviour()[1], HasSubstr("unknown"));
  EXPECT_THAT(Misbehaviour()[2], HasSubstr("null"));
}

TEST_F(ArtTest, UserAttributesChangeOnlyUnderTheMask) {
  struct Case {
    int32_t before, which, attr, after;
  };
  const Case cases[] = {
      {0, kArtSelected, kArtSelected, kArtSelected},
      {kArtSelected | kArtLocked, kArtSelected, 0, kArtLocked},
      {kArtLocked, kArtLocked, kArtLocked | kArtSelected, kArtLocked},
      {kArtHidden, kArtSelected | kArtLocked, kArtLocked, kArtHidden | kArtLocked},
      {kArtSelected, 0, kArtLocked, kArtSelected},
  };
  DocumentBuilder doc(host.Documents());
  const AIArtHandle target = doc.Rectangle("r", 0, 0, 1, 1).Handle();
  for (const Case& c : cases) {
    host.Documents().FindArt(target)->attributes = c.before;
    InHost([&] {
      EXPECT_EQ(kNoErr, art->SetArtUserAttr(target, c.which, c.attr));
      int32_t all = -1, selected = -1;
      EXPECT_EQ(kNoErr, art->GetArtUserAttr(target, kArtSelected | kArtLocked | kArtHidden, &all));
      EXPECT_EQ(kNoErr, art->GetArtUserAttr(target, kArtSelected, &selected));
      EXPECT_EQ(c.after, all) << c.before << " " << c.which << " " << c.attr;
      EXPECT_EQ(c.after & kArtSelected, selected);
    });
  }
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(ArtTest, FillAndStrokeAnswersFollowTheStyle) {
  DocumentBuilder doc(host.Documents());
  doc.Rectangle("both", 0, 0, 1, 1);
  doc.Rectangle("fill", 0, 0, 1, 1).Stroked(false);
  doc.Rectangle("stroke", 0, 0, 1, 1).Filled(false);
  doc.Rectangle("none", 0, 0, 1, 1).Filled(false).Stroked(false);
  doc.BeginGroup("group");
  doc.End();
  doc.Text("text");
  const std::pair<const char*, int> expected[] = {{"both", 3}, {"fill", 1},  {"stroke", 2},
                                                  {"none", 0}, {"group", 0}, {"text", 1}};
  InHost([&] {
    for (const auto& [name, paintClass] : expected) {
      AIArtHandle handle = View().Find(name);
      EXPECT_EQ(paintClass, 2 * art->ArtHasStroke(handle) + art->ArtHasFill(handle)) << name;
    }
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(ArtTest, ArtKnowsItsLayerAndParent) {
  DocumentBuilder doc(host.Documents());
  doc.Layer("A");
  doc.BeginGroup("g");
  doc.Polyline("inner", {{0, 0}, {1, 1}});
  doc.End();
  doc.Layer("B");
  doc.Text("top");
  InHost([&] {
    AILayerHandle layer = nullptr;
    AIArtHandle parent = nullptr;
    EXPECT_EQ(kNoErr, art->GetArtLayer(View().Find("inner"), &layer));
    EXPECT_EQ(View().Layer("A"), layer);
    EXPECT_EQ(kNoErr, art->GetArtParent(View().Find("inner"), &parent));
    EXPECT_EQ(View().Find("g"), parent);
    EXPECT_EQ(kNoErr, art->GetArtLayer(View().Find("top"), &layer));
    EXPECT_EQ(View().Layer("B"), layer);
    EXPECT_EQ(kNoErr, art->GetArtParent(View().Find("top"), &parent));
    EXPECT_EQ(nullptr, parent);
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

}  // namespace
}  // namespace kwtest
