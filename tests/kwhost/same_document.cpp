#include "same_document.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "tools/kwhost/drawing_loader.h"

namespace kwhost_test {
namespace {

bool Unnamed(const standin::ArtObject& art) {
  return art.name.empty() || art.name.starts_with(kwhost::kUnnamedPrefix);
}

::testing::AssertionResult SameBits(AIReal a, AIReal b) {
  if (std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << ::testing::PrintToString(a) << " came back as " << ::testing::PrintToString(b);
}

void ExpectSamePoint(const AIRealPoint& a, const AIRealPoint& b, const std::string& what) {
  EXPECT_TRUE(SameBits(a.h, b.h)) << what << " h";
  EXPECT_TRUE(SameBits(a.v, b.v)) << what << " v";
}

void ExpectSamePaint(const AIColor& a, const AIColor& b) {
  EXPECT_EQ(b.kind, kThreeColor);
  if (a.kind != kThreeColor) return;  // converted; checked where such colours are made
  EXPECT_TRUE(SameBits(a.c.rgb.red, b.c.rgb.red)) << "red";
  EXPECT_TRUE(SameBits(a.c.rgb.green, b.c.rgb.green)) << "green";
  EXPECT_TRUE(SameBits(a.c.rgb.blue, b.c.rgb.blue)) << "blue";
}

class Comparer {
 public:
  Comparer(const standin::DocumentModel& original, const standin::DocumentModel& copy)
      : original_(original), copy_(copy) {}

  void Art(AIArtHandle a, AIArtHandle b) {
    const standin::ArtObject& x = *original_.FindArt(a);
    const standin::ArtObject& y = *copy_.FindArt(b);
    SCOPED_TRACE("art \"" + x.name + "\"");
    EXPECT_EQ(x.type, y.type);
    if (Unnamed(x)) {
      EXPECT_TRUE(Unnamed(y)) << y.name;
    } else {
      EXPECT_EQ(x.name, y.name);
    }
    EXPECT_EQ(x.attributes & (kArtHidden | kArtLocked), y.attributes & (kArtHidden | kArtLocked));
    EXPECT_EQ(y.attributes & kArtSelected, 0);
    ASSERT_EQ(x.tags.size(), y.tags.size());
    for (const auto& [name, tag] : x.tags) {
      ASSERT_TRUE(y.tags.contains(name)) << name;
      EXPECT_EQ(y.tags.at(name).value, tag.value) << name;
    }
    if (x.type == kPathArt) Path(x, y);
    ASSERT_EQ(x.children.size(), y.children.size());
    for (std::size_t i = 0; i < x.children.size(); ++i) Art(x.children[i], y.children[i]);
  }

 private:
  static void Path(const standin::ArtObject& x, const standin::ArtObject& y) {
    EXPECT_EQ(x.closed, y.closed);
    ASSERT_EQ(x.segments.size(), y.segments.size());
    for (std::size_t i = 0; i < x.segments.size(); ++i) {
      const std::string at = "segment " + std::to_string(i);
      ExpectSamePoint(x.segments[i].p, y.segments[i].p, at + " anchor");
      if (x.closed || i > 0) ExpectSamePoint(x.segments[i].in, y.segments[i].in, at + " in");
      if (x.closed || i + 1 < x.segments.size()) {
        ExpectSamePoint(x.segments[i].out, y.segments[i].out, at + " out");
      }
    }
    EXPECT_EQ(x.style.fillPaint != 0, y.style.fillPaint != 0);
    EXPECT_EQ(x.style.strokePaint != 0, y.style.strokePaint != 0);
    if (x.style.fillPaint && y.style.fillPaint)
      ExpectSamePaint(x.style.fill.color, y.style.fill.color);
    if (x.style.strokePaint && y.style.strokePaint) {
      ExpectSamePaint(x.style.stroke.color, y.style.stroke.color);
      EXPECT_TRUE(SameBits(x.style.stroke.width, y.style.stroke.width)) << "stroke width";
    }
  }

  const standin::DocumentModel& original_;
  const standin::DocumentModel& copy_;
};

}  // namespace

void ExpectSameDocument(const standin::DocumentModel& original,
                        const standin::DocumentModel& copy) {
  ASSERT_NE(original.Current(), nullptr);
  ASSERT_NE(copy.Current(), nullptr);
  const standin::Document& a = *original.Current();
  const standin::Document& b = *copy.Current();
  EXPECT_TRUE(SameBits(a.setup.width, b.setup.width)) << "page width";
  EXPECT_TRUE(SameBits(a.setup.height, b.setup.height)) << "page height";
  ASSERT_EQ(a.layers.size(), b.layers.size());
  Comparer comparer(original, copy);
  for (std::size_t i = 0; i < a.layers.size(); ++i) {
    const standin::LayerObject& x = *original.FindLayer(a.layers[i]);
    const standin::LayerObject& y = *copy.FindLayer(b.layers[i]);
    SCOPED_TRACE("layer \"" + x.title + "\"");
    EXPECT_EQ(x.title, y.title);
    EXPECT_EQ(x.visible, y.visible);
    EXPECT_EQ(x.locked, y.locked);
    ASSERT_EQ(x.art.size(), y.art.size());
    for (std::size_t k = 0; k < x.art.size(); ++k) comparer.Art(x.art[k], y.art[k]);
  }
}

}  // namespace kwhost_test
