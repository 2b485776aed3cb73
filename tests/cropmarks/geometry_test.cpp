// Where the rectangle of registration-circle centres lies, for every machine type.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "crop_mark_host.h"
#include "cropmarks/crop_mark_rect.h"

namespace cropmarks_test {
namespace {

std::string Printed(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
  return text;
}

struct RectCase {
  const char* name;
  CropMarkSettings settings;
  CropMarkRect expected;  // nine significant digits: exactly one float each
};

// Each machine type with its own defaults, on an A4 page; figures worked out independently in
// double precision, rounded to float after every step.
const RectCase kMachineDefaults[] = {
    {"MA-1", {2500, 600, 15000, 25000, 0}, {85.0393677f, 810.708679f, 510.236206f, 102.047241f}},
    {"MA-2", {2300, 600, 24000, 16300, 1}, {79.370079f, 810.708679f, 759.684998f, 348.661438f}},
    {"MA-3", {2300, 600, 24000, 16300, 2}, {79.370079f, 810.708679f, 759.684998f, 348.661438f}},
    {"MB-1", {1500, 2000, 17000, 21000, 3}, {56.6929131f, 666.141724f, 538.582703f, 70.8661423f}},
    {"MB-2", {1000, 2500, 17000, 21500, 4}, {56.6929131f, 708.661377f, 538.582642f, 99.2125931f}},
    {"MB-3", {1000, 2500, 17000, 21500, 5}, {56.6929131f, 708.661377f, 538.582642f, 99.2125931f}},
    {"MB-4", {1000, 2500, 17000, 21500, 6}, {56.6929131f, 708.661377f, 538.582642f, 99.2125931f}},
    {"MB-5", {1000, 2500, 17000, 21500, 7}, {56.6929131f, 708.661377f, 538.582642f, 99.2125931f}},
    // Outside 0..7: laid out as MB-1.
    {"type -1",
     {1500, 2000, 17000, 21000, -1},
     {56.6929131f, 666.141724f, 538.582703f, 70.8661423f}},
    {"type 8", {1500, 2000, 17000, 21000, 8}, {56.6929131f, 666.141724f, 538.582703f, 70.8661423f}},
    {"type 1000",
     {1500, 2000, 17000, 21000, 1000},
     {56.6929131f, 666.141724f, 538.582703f, 70.8661423f}},
};

using GeometryTest = CropMarkHost;

TEST_F(GeometryTest, EveryMachineTypeWithItsDefaults) {
  for (const RectCase& c : kMachineDefaults) {
    SCOPED_TRACE(c.name);
    UseSettings(c.settings);
    CropMarkRect rect{};
    Run([&] { rect = ComputeCropMarkRect(); });
    EXPECT_EQ(rect.left, c.expected.left);
    EXPECT_EQ(rect.top, c.expected.top);
    EXPECT_EQ(rect.right, c.expected.right);
    EXPECT_EQ(rect.bottom, c.expected.bottom);
    EXPECT_GT(rect.top, rect.bottom);
  }
}

// The reference figures, to six decimals, for the default settings (X 1500, Y 2000, W 17000,
// L 21000).
TEST_F(GeometryTest, PrintedFiguresOfTheDefaultSettings) {
  struct Printout {
    std::int32_t type;
    const char* left;
    const char* top;
    const char* right;
    const char* bottom;
  };
  const Printout printouts[] = {
      {3, "56.692913", "666.141724", "538.582703", "70.866142"},
      {4, "70.866142", "680.314941", "552.755920", "85.039368"},
      {7, "70.866142", "680.314941", "552.755920", "85.039368"},
      {-5, "56.692913", "666.141724", "538.582703", "70.866142"},
  };
  for (const Printout& p : printouts) {
    SCOPED_TRACE(p.type);
    UseSettings({1500, 2000, 17000, 21000, p.type});
    CropMarkRect rect{};
    Run([&] { rect = ComputeCropMarkRect(); });
    EXPECT_EQ(Printed(rect.left), p.left);
    EXPECT_EQ(Printed(rect.top), p.top);
    EXPECT_EQ(Printed(rect.right), p.right);
    EXPECT_EQ(Printed(rect.bottom), p.bottom);
  }
}

// Types 0 to 2 measure from the page's top edge. The reference figures for an A4 page, top
// 771.023682 and bottom 175.748108, are one float off: the rounding rules (H - pt(Y + S), then
// top - pt(L), each rounded to float) give a top one float lower, 771.023621, and the bottom
// follows the top. The rules hold.
TEST_F(GeometryTest, TopMeasuredTypesFollowThePageHeight) {
  for (std::int32_t type : {0, 1, 2}) {
    SCOPED_TRACE(type);
    UseSettings({1500, 2000, 17000, 21000, type});
    CropMarkRect rect{};
    Run([&] { rect = ComputeCropMarkRect(); });
    EXPECT_EQ(Printed(rect.left), "56.692913");
    EXPECT_EQ(Printed(rect.right), "538.582703");
    EXPECT_EQ(rect.top, 771.023621f);
    EXPECT_EQ(rect.bottom, 175.748047f);
    EXPECT_EQ(std::nextafter(rect.top, 1000.0f), 771.023682f);
    EXPECT_EQ(rect.top - rect.bottom, 595.275574f);  // pt(L)
  }
  UseSettings({1500, 2000, 17000, 21000, 0});
  SetPage(1000.0f, {0.0f, 0.0f});
  CropMarkRect rect{};
  Run([&] { rect = ComputeCropMarkRect(); });
  EXPECT_EQ(rect.top, 1000.0f - 70.8661423f);
}

// Types 3 to 7 do not depend on the page and do not ask for it.
TEST_F(GeometryTest, BottomMeasuredTypesIgnoreThePage) {
  for (std::int32_t type : {3, 4, 7, 9}) {
    SCOPED_TRACE(type);
    UseSettings({1500, 2000, 17000, 21000, type});
    SetPage(kA4Height, {0.0f, 0.0f});
    CropMarkRect onA4{};
    Run([&] { onA4 = ComputeCropMarkRect(); });
    SetPage(300.0f, {0.0f, 0.0f});
    host_.Gate().ClearLog();
    CropMarkRect onSmall{};
    Run([&] { onSmall = ComputeCropMarkRect(); });
    EXPECT_EQ(host_.Gate().Calls(kAIDocumentSuite, "GetDocumentSetup"), 0);
    EXPECT_EQ(onA4.left, onSmall.left);
    EXPECT_EQ(onA4.top, onSmall.top);
    EXPECT_EQ(onA4.right, onSmall.right);
    EXPECT_EQ(onA4.bottom, onSmall.bottom);
  }
}

// Margins and radius are added in hundredths before the conversion; a margin near the int32 limit
// from a damaged preference store converts without overflowing.
TEST_F(GeometryTest, SumsAreFormedInHundredths) {
  UseSettings({1, 1, 0, 0, 3});
  CropMarkRect rect{};
  Run([&] { rect = ComputeCropMarkRect(); });
  EXPECT_EQ(rect.left, HundredthsToPoints(501));
  EXPECT_EQ(rect.bottom, HundredthsToPoints(501));

  UseSettings({std::numeric_limits<std::int32_t>::max(), -2000, 17000, 21000, 3});
  Run([&] { rect = ComputeCropMarkRect(); });
  EXPECT_EQ(rect.left, HundredthsToPoints(std::numeric_limits<std::int32_t>::max()));
  EXPECT_EQ(rect.bottom, HundredthsToPoints(-1500));
}

}  // namespace
}  // namespace cropmarks_test
