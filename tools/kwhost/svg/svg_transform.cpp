#include "tools/kwhost/svg/svg_transform.h"

#include <2geom/transforms.h>

#include <cctype>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "tools/kwhost/svg/svg_length.h"

namespace svg {
namespace {

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

// One function of the list, from its name and arguments.
std::optional<Geom::Affine> Function(const std::string& name, const std::vector<double>& a) {
  const std::size_t n = a.size();
  if (name == "matrix" && n == 6) return Geom::Affine(a[0], a[1], a[2], a[3], a[4], a[5]);
  if (name == "translate" && (n == 1 || n == 2)) {
    return Geom::Affine(Geom::Translate(a[0], n == 2 ? a[1] : 0));
  }
  if (name == "scale" && (n == 1 || n == 2)) {
    return Geom::Affine(Geom::Scale(a[0], n == 2 ? a[1] : a[0]));
  }
  if (name == "rotate" && (n == 1 || n == 3)) {
    const Geom::Affine rotation(Geom::Rotate(Radians(a[0])));
    if (n == 1) return rotation;
    return Geom::Affine(Geom::Translate(-a[1], -a[2])) * rotation *
           Geom::Affine(Geom::Translate(a[1], a[2]));
  }
  if (name == "skewX" && n == 1) return Geom::Affine(1, 0, std::tan(Radians(a[0])), 1, 0, 0);
  if (name == "skewY" && n == 1) return Geom::Affine(1, std::tan(Radians(a[0])), 0, 1, 0, 0);
  return std::nullopt;
}

bool IsSeparator(char c) {
  return std::isspace(static_cast<unsigned char>(c)) || c == ',';
}

}  // namespace

std::optional<Geom::Affine> ParseTransform(std::string_view text) {
  // lib2geom multiplies row vectors: p * A * B applies A first, so the leftmost function of the
  // list is the outermost and comes last.
  Geom::Affine result = Geom::identity();
  std::size_t i = 0;
  auto skip = [&] {
    while (i < text.size() && IsSeparator(text[i])) ++i;
  };
  std::vector<Geom::Affine> functions;
  skip();
  while (i < text.size()) {
    std::size_t start = i;
    while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) ++i;
    const std::string name(text.substr(start, i - start));
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (name.empty() || i >= text.size() || text[i] != '(') return std::nullopt;
    const std::size_t close = text.find(')', i);
    if (close == std::string_view::npos) return std::nullopt;
    const auto arguments = ParseNumberList(text.substr(i + 1, close - i - 1));
    if (!arguments) return std::nullopt;
    auto function = Function(name, *arguments);
    if (!function) return std::nullopt;
    functions.push_back(*function);
    i = close + 1;
    skip();
  }
  for (auto it = functions.rbegin(); it != functions.rend(); ++it) result = result * *it;
  return result;
}

}  // namespace svg
