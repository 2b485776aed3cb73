#include "suite_fixture.h"

namespace kwtest {
namespace {

using standin::DocumentBuilder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StrEq;

constexpr char kCutMark[] = "KerfworksCutMark";

class TagTest : public DocumentSuitesTest {};

TEST_F(TagTest, SetLookUpReplaceAndRemove) {
  DocumentBuilder doc(host.Documents());
  const AIArtHandle path = doc.Rectangle("r", 0, 0, 1, 1).Handle();
  InHost([&] {
    const char* value = "unchanged";
    EXPECT_EQ(kTagNotFoundErr, tags->GetTag(path, kCutMark, kAITagKindString, &value));
    EXPECT_EQ(nullptr, value);
    ASSERT_EQ(kNoErr, tags->SetTag(path, kCutMark, kAITagKindString, "0003"));
    ASSERT_EQ(kNoErr, tags->GetTag(path, kCutMark, kAITagKindString, &value));
    EXPECT_THAT(value, StrEq("0003"));
    EXPECT_EQ(kNoErr, tags->GetTag(path, kCutMark, kAITagKindString, nullptr));
    ASSERT_EQ(kNoErr, tags->SetTag(path, kCutMark, kAITagKindString, "0012"));
    EXPECT_EQ(kNoErr, tags->GetTag(path, kCutMark, kAITagKindString, &value));
    EXPECT_THAT(value, StrEq("0012"));
    EXPECT_EQ(kNoErr, tags->RemoveTag(path, kCutMark));
    EXPECT_EQ(kTagNotFoundErr, tags->GetTag(path, kCutMark, kAITagKindString, nullptr));
    EXPECT_EQ(kTagNotFoundErr, tags->RemoveTag(path, kCutMark));
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(TagTest, TagsAreKeptPerArtAndFoundByTheView) {
  DocumentBuilder doc(host.Documents());
  doc.Rectangle("a", 0, 0, 1, 1);
  doc.Rectangle("b", 0, 0, 1, 1).Tag("KerfworksCropMark", "0001");
  doc.Rectangle("c", 0, 0, 1, 1);
  InHost([&] {
    EXPECT_EQ(kNoErr, tags->SetTag(View().Find("c"), kCutMark, kAITagKindString, "0002"));
    EXPECT_EQ(kTagNotFoundErr, tags->GetTag(View().Find("a"), kCutMark, kAITagKindString, nullptr));
    EXPECT_EQ(kNoErr,
              tags->GetTag(View().Find("b"), "KerfworksCropMark", kAITagKindString, nullptr));
  });
  EXPECT_THAT(View().Tagged(kCutMark), ElementsAre(View().Find("c")));
  EXPECT_EQ("0002", View().TagValue(View().Find("c"), kCutMark));
  EXPECT_EQ(std::nullopt, View().TagValue(View().Find("a"), kCutMark));
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(TagTest, MalformedTagCallsAreRecorded) {
  DocumentBuilder doc(host.Documents());
  const AIArtHandle path = doc.Rectangle("r", 0, 0, 1, 1).Handle();
  InHost([&] {
    EXPECT_EQ(kBadParameterErr, tags->SetTag(path, nullptr, kAITagKindString, "x"));
    EXPECT_EQ(kBadParameterErr, tags->SetTag(path, "", kAITagKindString, "x"));
    EXPECT_EQ(kBadParameterErr, tags->SetTag(path, kCutMark, "real", "x"));
    EXPECT_EQ(kBadParameterErr, tags->SetTag(path, kCutMark, kAITagKindString, nullptr));
    EXPECT_EQ(kBadParameterErr, tags->GetTag(path, kCutMark, nullptr, nullptr));
    EXPECT_EQ(kBadParameterErr, tags->RemoveTag(nullptr, kCutMark));
  });
  EXPECT_EQ(6u, Misbehaviour().size());
  EXPECT_THAT(View().Art(path).tags, IsEmpty());
}

}  // namespace
}  // namespace kwtest
