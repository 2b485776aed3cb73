#include "tools/kwhost/crop_mark_report.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace kwhost {
namespace {

constexpr char kCropMarkTag[] = "KerfworksCropMark";
constexpr double kMillimetresPerPoint = 25.4 / 72;
// Machine types whose marks are placed from the page's top edge.
constexpr int kLastTopPlacedType = 2;

struct Box {
  double left = std::numeric_limits<double>::max(), bottom = left;
  double right = std::numeric_limits<double>::lowest(), top = right;
  void Add(double x, double y) {
    left = std::min(left, x), right = std::max(right, x);
    bottom = std::min(bottom, y), top = std::max(top, y);
  }
  bool Overlaps(const Box& other) const {
    return left <= other.right && other.left <= right && bottom <= other.top && other.bottom <= top;
  }
};

Box BoundsOf(const standin::ArtObject& art) {
  Box box;
  for (const AIPathSegment& segment : art.segments) {
    for (const AIRealPoint& p : {segment.p, segment.in, segment.out}) box.Add(p.h, p.v);
  }
  return box;
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string out = text;
  while (out.back() == '0') out.pop_back();
  if (out.back() == '.') out.pop_back();
  return out;
}

std::string Name(const standin::ArtObject& art) {
  return art.name.empty() || art.name.front() == '#' ? "an unnamed path" : "\"" + art.name + "\"";
}

}  // namespace

void ReportCropMarks(const standin::DocumentModel& model, int machineType, std::ostream& out,
                     std::ostream& err) {
  const standin::Document* document = model.Current();
  if (document == nullptr) return;
  std::vector<Box> marks, circles;
  std::vector<const standin::ArtObject*> cut;
  for (AIArtHandle handle : model.PaintOrder()) {
    const standin::ArtObject& art = *model.FindArt(handle);
    if (art.tags.contains(kCropMarkTag)) {
      marks.push_back(BoundsOf(art));
      // The lengths are measured at the registration circles, not at the corner strokes.
      if (art.closed) circles.push_back(marks.back());
    } else if (art.type == kPathArt && (art.attributes & kArtHidden) == 0) {
      cut.push_back(&art);
    }
  }
  if (circles.empty()) return;
  Box centres, all;
  for (const Box& mark : marks) all.Add(mark.left, mark.bottom), all.Add(mark.right, mark.top);
  for (const Box& mark : circles) {
    centres.Add((mark.left + mark.right) / 2, (mark.bottom + mark.top) / 2);
  }
  const double pageHeight = document->setup.height, pageWidth = document->setup.width;
  const bool fromTop = machineType <= kLastTopPlacedType;
  const double y = fromTop ? pageHeight - all.top : all.bottom;
  out << "  crop marks: machine type " << machineType << " (" << kMachineNames[machineType & 7]
      << "), W " << Number((centres.right - centres.left) * kMillimetresPerPoint) << " mm, L "
      << Number((centres.top - centres.bottom) * kMillimetresPerPoint) << " mm, X "
      << Number(all.left * kMillimetresPerPoint) << " mm, Y " << Number(y * kMillimetresPerPoint)
      << " mm (from the " << (fromTop ? "top" : "bottom") << " edge); " << circles.size()
      << " circles, centres from (" << Number(centres.left) << ", " << Number(centres.bottom)
      << ") to (" << Number(centres.right) << ", " << Number(centres.top) << ") pt\n";
  if (all.left < 0 || all.bottom < 0 || all.right > pageWidth || all.top > pageHeight) {
    err << "kwhost: warning: crop marks lie off the page (" << Number(pageWidth) << " x "
        << Number(pageHeight) << " pt)\n";
  }
  for (const standin::ArtObject* art : cut) {
    const Box box = BoundsOf(*art);
    if (std::any_of(marks.begin(), marks.end(),
                    [&box](const Box& mark) { return mark.Overlaps(box); })) {
      err << "kwhost: warning: a crop mark lies over " << Name(*art) << ", which is cut\n";
    }
  }
}

}  // namespace kwhost
