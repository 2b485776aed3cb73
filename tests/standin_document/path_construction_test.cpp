#include <cmath>
#include <cstdlib>

#include "standin/model/flatten.h"
#include "standin/scenario/shapes.h"
#include "suite_fixture.h"

namespace kwtest {
namespace {

using ::testing::IsEmpty;

int gLiveBlocks = 0;

void* KW_API TestAllocate(size_t size) {
  ++gLiveBlocks;
  return std::malloc(size);
}

void KW_API TestDispose(void* block) {
  --gLiveBlocks;
  std::free(block);
}

void* KW_API RefuseAllocate(size_t) {
  return nullptr;
}

constexpr AIPathConstructionMemoryObject kMemory{&TestAllocate, &TestDispose};

double DistanceToSegment(double px, double py, const AIRealPoint& a, const AIRealPoint& b) {
  const double dx = b.h - a.h, dy = b.v - a.v;
  const double length2 = dx * dx + dy * dy;
  double t = length2 == 0 ? 0 : ((px - a.h) * dx + (py - a.v) * dy) / length2;
  t = std::fmax(0, std::fmin(1, t));
  return std::hypot(px - (a.h + t * dx), py - (a.v + t * dy));
}

// The farthest that a point of the cubic lies from the polyline, sampled finely.
double FarthestFromPolyline(const AIPathSegment& from, const AIPathSegment& to,
                            const std::vector<AIPathConstructionPoint>& polyline) {
  double farthest = 0;
  for (int i = 0; i <= 400; ++i) {
    const double t = i / 400.0, u = 1 - t;
    const double x = u * u * u * from.p.h + 3 * u * u * t * from.out.h + 3 * u * t * t * to.in.h +
                     t * t * t * to.p.h;
    const double y = u * u * u * from.p.v + 3 * u * u * t * from.out.v + 3 * u * t * t * to.in.v +
                     t * t * t * to.p.v;
    double nearest = INFINITY;
    for (std::size_t k = 1; k < polyline.size(); ++k) {
      nearest =
          std::fmin(nearest, DistanceToSegment(x, y, polyline[k - 1].point, polyline[k].point));
    }
    farthest = std::fmax(farthest, nearest);
  }
  return farthest;
}

class PathConstructionTest : public DocumentSuitesTest {
 protected:
  std::vector<AIPathConstructionPoint> Flatten(const std::vector<AIPathSegment>& segments,
                                               AIReal resolution, AIReal flatness) {
    std::vector<AIPathConstructionPoint> out;
    InHost([&] {
      int32_t count = -1;
      AIPathConstructionPoint* points = nullptr;
      ASSERT_EQ(kNoErr, construction->SegmentsToPoints(static_cast<int32_t>(segments.size()),
                                                       segments.data(), resolution, flatness,
                                                       &kMemory, &count, &points));
      out.assign(points, points + count);
      if (points != nullptr) kMemory.dispose(points);
    });
    return out;
  }
};

TEST_F(PathConstructionTest, StraightEdgesGiveJustTheirAnchors) {
  const auto square = standin::RectangleSegments(0, 0, 10, 10);
  const auto points = Flatten(square, 2000, 1);
  ASSERT_EQ(4u, points.size());
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(square[i].p.h, points[i].point.h);
    EXPECT_EQ(square[i].p.v, points[i].point.v);
    EXPECT_TRUE(points[i].corner);
  }
  EXPECT_EQ(0, gLiveBlocks);
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(PathConstructionTest, CurvesStayWithinTheFlatnessAndFinerMeansMorePoints) {
  auto circle = standin::CircleSegments(100, -50, 80);
  circle.push_back(circle.front());  // closed, as the preview passes it
  std::size_t previous = 0;
  for (const AIReal flatness : {4.0f, 1.0f, 0.25f, 0.01f}) {
    const auto points = Flatten(circle, 2000, flatness);
    EXPECT_GT(points.size(), previous) << flatness;
    previous = points.size();
    EXPECT_EQ(circle.front().p.h, points.front().point.h);
    EXPECT_EQ(circle.back().p.v, points.back().point.v);
    for (std::size_t i = 1; i < circle.size(); ++i) {
      EXPECT_LE(FarthestFromPolyline(circle[i - 1], circle[i], points), flatness * 1.0001)
          << "curve " << i << " at flatness " << flatness;
    }
  }
}

TEST_F(PathConstructionTest, TheResolutionCapsThePointsPerCurve) {
  const auto circle = standin::CircleSegments(0, 0, 1000);
  const auto capped = Flatten(circle, 3, 0.001f);
  EXPECT_EQ(1u + 3 * 3, capped.size());
  const auto single = Flatten({circle[0]}, 2000, 1);
  ASSERT_EQ(1u, single.size());
  EXPECT_EQ(1000, single[0].point.h);
}

TEST_F(PathConstructionTest, NothingToFlattenAllocatesNothing) {
  EXPECT_THAT(Flatten({}, 2000, 1), IsEmpty());
  EXPECT_EQ(0, gLiveBlocks);
}

TEST_F(PathConstructionTest, ARefusedAllocationIsAnErrorWithNoList) {
  const auto circle = standin::CircleSegments(0, 0, 10);
  const AIPathConstructionMemoryObject refusing{&RefuseAllocate, &TestDispose};
  InHost([&] {
    int32_t count = 9;
    AIPathConstructionPoint* points = nullptr;
    EXPECT_EQ(kOutOfMemoryErr, construction->SegmentsToPoints(4, circle.data(), 2000, 1, &refusing,
                                                              &count, &points));
    EXPECT_EQ(nullptr, points);
    EXPECT_EQ(0, count);
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(PathConstructionTest, MalformedRequestsAreRecorded) {
  const auto circle = standin::CircleSegments(0, 0, 10);
  const AIPathConstructionMemoryObject half{&TestAllocate, nullptr};
  InHost([&] {
    int32_t count = 0;
    AIPathConstructionPoint* points = nullptr;
    const AIPathSegment* s = circle.data();
    EXPECT_EQ(kBadParameterErr,
              construction->SegmentsToPoints(4, s, 2000, 0, &kMemory, &count, &points));
    EXPECT_EQ(kBadParameterErr,
              construction->SegmentsToPoints(4, s, NAN, 1, &kMemory, &count, &points));
    EXPECT_EQ(kBadParameterErr,
              construction->SegmentsToPoints(-1, s, 2000, 1, &kMemory, &count, &points));
    EXPECT_EQ(kBadParameterErr,
              construction->SegmentsToPoints(4, nullptr, 2000, 1, &kMemory, &count, &points));
    EXPECT_EQ(kBadParameterErr,
              construction->SegmentsToPoints(4, s, 2000, 1, nullptr, &count, &points));
    EXPECT_EQ(kBadParameterErr,
              construction->SegmentsToPoints(4, s, 2000, 1, &half, &count, &points));
    EXPECT_EQ(kBadParameterErr,
              construction->SegmentsToPoints(4, s, 2000, 1, &kMemory, nullptr, &points));
  });
  EXPECT_EQ(7u, Misbehaviour().size());
  EXPECT_EQ(0, gLiveBlocks);
}

TEST(FlattenSegments, NonFiniteCoordinatesUseTheCapInsteadOfRunningAway) {
  AIPathSegment wild[2] = {standin::CornerPoint(0, 0), standin::CornerPoint(0, 0)};
  wild[0].out.h = INFINITY;
  EXPECT_EQ(1u + 5, standin::FlattenSegments(wild, 2, 1, 5).size());
}

}  // namespace
}  // namespace kwtest
