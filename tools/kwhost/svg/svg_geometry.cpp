#include "tools/kwhost/svg/svg_geometry.h"

#include <2geom/bezier-curve.h>
#include <2geom/elliptical-arc.h>
#include <2geom/svg-path-parser.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

#include "tools/kwhost/svg/anchor_corner.h"
#include "tools/kwhost/svg/path_data_parser.h"
#include "tools/kwhost/svg/svg_element.h"
#include "tools/kwhost/svg/svg_length.h"

namespace svg {
namespace {

// A cubic piece: start, two controls, end.
struct Cubic {
  Geom::Point p0, c1, c2, p3;
};

// Percentages of x, cx, rx, width, ... are of the viewport's width; of y, ... of its height; of r,
// of its diagonal.
Axis AxisOf(std::string_view name) {
  if (name == "r") return Axis::kOther;
  return name.find_first_of("xw") != std::string_view::npos ? Axis::kWidth : Axis::kHeight;
}

double Attribute(const pugi::xml_node& element, const char* name, const LengthBasis& basis,
                 double fallback = 0) {
  const pugi::xml_attribute attribute = element.attribute(name);
  if (!attribute) return fallback;
  auto value = ResolveLength(attribute.value(), AxisOf(name), basis);
  if (!value) {
    throw GeometryError(std::string("the ") + name + " \"" + attribute.value() +
                        "\" is not a length");
  }
  return *value;
}

std::vector<Geom::Point> PointList(const char* text) {
  const auto numbers = ParseNumberList(text);
  if (!numbers) throw GeometryError("the points \"" + std::string(text) + "\" are not numbers");
  std::vector<Geom::Point> points;
  for (std::size_t i = 0; i + 1 < numbers->size(); i += 2)
    points.emplace_back((*numbers)[i], (*numbers)[i + 1]);
  return points;
}

Geom::PathVector Polyline(const std::vector<Geom::Point>& points, bool closed) {
  Geom::Path path(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) path.appendNew<Geom::LineSegment>(points[i]);
  path.close(closed);
  return Geom::PathVector(path);
}

// The usual four-arc ellipse, as SVG renderers draw it.
Geom::PathVector Ellipse(double cx, double cy, double rx, double ry) {
  constexpr double k = 0.5522847498307936;  // 4/3 (sqrt 2 - 1)
  Geom::Path path(Geom::Point(cx + rx, cy));
  path.appendNew<Geom::CubicBezier>(Geom::Point(cx + rx, cy + k * ry),
                                    Geom::Point(cx + k * rx, cy + ry), Geom::Point(cx, cy + ry));
  path.appendNew<Geom::CubicBezier>(Geom::Point(cx - k * rx, cy + ry),
                                    Geom::Point(cx - rx, cy + k * ry), Geom::Point(cx - rx, cy));
  path.appendNew<Geom::CubicBezier>(Geom::Point(cx - rx, cy - k * ry),
                                    Geom::Point(cx - k * rx, cy - ry), Geom::Point(cx, cy - ry));
  path.appendNew<Geom::CubicBezier>(Geom::Point(cx + k * rx, cy - ry),
                                    Geom::Point(cx + rx, cy - k * ry), Geom::Point(cx + rx, cy));
  path.close(true);
  return Geom::PathVector(path);
}

std::optional<Geom::PathVector> Rect(const pugi::xml_node& element, const LengthBasis& basis) {
  const double x = Attribute(element, "x", basis), y = Attribute(element, "y", basis);
  const double w = Attribute(element, "width", basis), h = Attribute(element, "height", basis);
  if (w <= 0 || h <= 0) return std::nullopt;
  double rx = Attribute(element, "rx", basis, -1), ry = Attribute(element, "ry", basis, -1);
  if (rx < 0) rx = ry;
  if (ry < 0) ry = rx;
  rx = std::min(std::max(rx, 0.0), w / 2);
  ry = std::min(std::max(ry, 0.0), h / 2);
  if (rx == 0 || ry == 0) {
    return Polyline({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}}, true);
  }
  const std::string d =
      "M" + std::to_string(x + rx) + "," + std::to_string(y) + " H" + std::to_string(x + w - rx) +
      " A" + std::to_string(rx) + "," + std::to_string(ry) + " 0 0 1 " + std::to_string(x + w) +
      "," + std::to_string(y + ry) + " V" + std::to_string(y + h - ry) + " A" + std::to_string(rx) +
      "," + std::to_string(ry) + " 0 0 1 " + std::to_string(x + w - rx) + "," +
      std::to_string(y + h) + " H" + std::to_string(x + rx) + " A" + std::to_string(rx) + "," +
      std::to_string(ry) + " 0 0 1 " + std::to_string(x) + "," + std::to_string(y + h - ry) + " V" +
      std::to_string(y + ry) + " A" + std::to_string(rx) + "," + std::to_string(ry) + " 0 0 1 " +
      std::to_string(x + rx) + "," + std::to_string(y) + " Z";
  return Geom::parse_svg_path(d.c_str());
}

// Cubic pieces of an elliptical arc, each spanning at most a quarter turn.
void ArcToCubics(const Geom::EllipticalArc& arc, std::vector<Cubic>& out) {
  const double sweep = arc.sweepAngle();  // signed: positive with the sweep flag
  const int pieces =
      std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (std::numbers::pi / 2) - 1e-9)));
  const double step = sweep / pieces;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  const Geom::Affine unit = arc.unitCircleTransform();
  double a = arc.initialAngle().radians();
  for (int i = 0; i < pieces; ++i, a += step) {
    const double b = a + step;
    const Geom::Point s(std::cos(a), std::sin(a)), e(std::cos(b), std::sin(b));
    Cubic cubic{s * unit, (s + k * Geom::Point(-s[Geom::Y], s[Geom::X])) * unit,
                (e - k * Geom::Point(-e[Geom::Y], e[Geom::X])) * unit, e * unit};
    out.push_back(cubic);
  }
  // Exact ends, so that pieces meet the neighbouring segments without a gap.
  out[out.size() - pieces].p0 = arc.initialPoint();
  out.back().p3 = arc.finalPoint();
}

void CurveToCubics(const Geom::Curve& curve, std::vector<Cubic>& out) {
  if (const auto* cubic = dynamic_cast<const Geom::CubicBezier*>(&curve)) {
    out.push_back({(*cubic)[0], (*cubic)[1], (*cubic)[2], (*cubic)[3]});
  } else if (const auto* quad = dynamic_cast<const Geom::QuadraticBezier*>(&curve)) {
    const Geom::Point p0 = (*quad)[0], q = (*quad)[1], p1 = (*quad)[2];
    out.push_back({p0, p0 + (q - p0) * (2.0 / 3.0), p1 + (q - p1) * (2.0 / 3.0), p1});
  } else if (const auto* arc = dynamic_cast<const Geom::EllipticalArc*>(&curve);
             arc != nullptr && !arc->isChord()) {
    ArcToCubics(*arc, out);
  } else {
    // Lines and anything degenerate: straight, handles on the anchors.
    out.push_back(
        {curve.initialPoint(), curve.initialPoint(), curve.finalPoint(), curve.finalPoint()});
  }
}

svg::Point ToPoint(const Geom::Point& p, const Geom::Affine& transform) {
  const Geom::Point q = p * transform;
  return {q[Geom::X], q[Geom::Y]};
}

// A short stretch of path data around `offset`: a long path's data is not worth printing whole.
std::string Excerpt(std::string_view data, std::size_t offset) {
  constexpr std::size_t kWhole = 60, kBefore = 40, kAfter = 20;
  if (data.size() <= kWhole) return std::string(data);
  const std::size_t from = offset > kBefore ? offset - kBefore : 0;
  const std::size_t to = std::min(data.size(), offset + kAfter);
  return (from > 0 ? "..." : "") + std::string(data.substr(from, to - from)) +
         (to < data.size() ? "..." : "");
}

// "the data" (what is wrong at character N); the data quoted near the error when long.
std::string DescribeError(std::string_view data, const PathDataError& error) {
  // Appended piece by piece: GCC 12 at -O3 misreads a literal put before a std::string.
  std::string text(1, '"');
  text.append(Excerpt(data, error.offset)).append("\" (").append(error.message);
  if (error.offset < data.size()) {
    text.append(" at character ").append(std::to_string(error.offset + 1));
  } else {
    text.append(" at the end");
  }
  return text.append(")");
}

// The outline of a shape other than `path` in its user units; nullopt when it draws nothing.
std::optional<Geom::PathVector> ShapeOutline(const pugi::xml_node& element, std::string_view name,
                                             const LengthBasis& basis) {
  if (name == "rect") return Rect(element, basis);
  if (name == "circle") {
    const double r = Attribute(element, "r", basis);
    if (r <= 0) return std::nullopt;
    return Ellipse(Attribute(element, "cx", basis), Attribute(element, "cy", basis), r, r);
  }
  if (name == "ellipse") {
    const double rx = Attribute(element, "rx", basis), ry = Attribute(element, "ry", basis);
    if (rx <= 0 || ry <= 0) return std::nullopt;
    return Ellipse(Attribute(element, "cx", basis), Attribute(element, "cy", basis), rx, ry);
  }
  if (name == "line") {
    return Polyline({{Attribute(element, "x1", basis), Attribute(element, "y1", basis)},
                     {Attribute(element, "x2", basis), Attribute(element, "y2", basis)}},
                    false);
  }
  if (name == "polyline" || name == "polygon") {
    const auto points = PointList(element.attribute("points").value());
    if (points.size() < 2) return std::nullopt;
    return Polyline(points, name == "polygon");
  }
  return std::nullopt;
}

}  // namespace

std::vector<Subpath> ShapeSubpaths(const pugi::xml_node& element, const LengthBasis& basis,
                                   const Geom::Affine& transform, std::string& brokenPathData) {
  brokenPathData.clear();
  const std::string_view name = LocalName(element);
  if (name == "path") {
    const std::string_view data = element.attribute("d").value();
    PathOutline outline = ParsePathData(data, transform);
    if (outline.error) brokenPathData = DescribeError(data, *outline.error);
    return std::move(outline.subpaths);
  }
  const std::optional<Geom::PathVector> outline = ShapeOutline(element, name, basis);
  if (!outline) return {};
  return ToSubpaths(*outline, transform);
}

std::vector<Subpath> ToSubpaths(const Geom::PathVector& paths, const Geom::Affine& transform) {
  std::vector<Subpath> out;
  for (const Geom::Path& path : paths) {
    std::vector<Cubic> cubics;
    const bool closed = path.closed();
    // A closed path's closing line counts only when it has length: an explicit return to the
    // start must not duplicate the first anchor.
    const std::size_t curves = closed ? path.size_closed() : path.size_open();
    for (std::size_t i = 0; i < curves; ++i) CurveToCubics(path[i], cubics);
    Subpath subpath;
    subpath.closed = closed;
    if (cubics.empty()) {
      const svg::Point p = ToPoint(path.initialPoint(), transform);
      subpath.anchors.push_back({p, p, p, true});
      out.push_back(subpath);
      continue;
    }
    // Anchor k starts piece k; an open path adds the end of the last piece.
    for (std::size_t k = 0; k < cubics.size(); ++k) {
      Anchor anchor;
      anchor.p = ToPoint(cubics[k].p0, transform);
      anchor.out = ToPoint(cubics[k].c1, transform);
      anchor.in = k > 0 ? ToPoint(cubics[k - 1].c2, transform)
                        : (closed ? ToPoint(cubics.back().c2, transform) : anchor.p);
      subpath.anchors.push_back(anchor);
    }
    if (!closed) {
      Anchor last;
      last.p = last.out = ToPoint(cubics.back().p3, transform);
      last.in = ToPoint(cubics.back().c2, transform);
      subpath.anchors.push_back(last);
    }
    for (Anchor& anchor : subpath.anchors) anchor.corner = IsCorner(anchor);
    out.push_back(subpath);
  }
  return out;
}

}  // namespace svg
