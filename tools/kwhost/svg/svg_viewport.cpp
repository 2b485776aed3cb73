#include "tools/kwhost/svg/svg_viewport.h"

#include <algorithm>
#include <vector>

#include "tools/kwhost/svg/svg_length.h"
#include "tools/kwhost/text_parsing.h"

namespace svg {

std::optional<ViewBox> ParseViewBox(std::string_view text) {
  const auto numbers = ParseNumberList(text);
  if (!numbers || numbers->size() != 4 || (*numbers)[2] <= 0 || (*numbers)[3] <= 0) {
    return std::nullopt;
  }
  return ViewBox{(*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]};
}

std::optional<AspectRatio> ParseAspectRatio(std::string_view text) {
  std::vector<std::string> words;
  for (const std::string& word : kwhost::Split(kwhost::Trim(text), ' ')) {
    if (!word.empty()) words.push_back(word);
  }
  if (!words.empty() && words.front() == "defer") words.erase(words.begin());
  AspectRatio ratio;
  if (words.empty()) return ratio;
  if (words.size() > 2) return std::nullopt;
  if (words.size() == 2) {
    if (words[1] != "meet" && words[1] != "slice") return std::nullopt;
    ratio.slice = words[1] == "slice";
  }
  const std::string& align = words[0];
  if (align == "none") {
    ratio.none = true;
    return ratio;
  }
  auto position = [](std::string_view word) -> std::optional<double> {
    if (word == "Min") return 0.0;
    if (word == "Mid") return 0.5;
    if (word == "Max") return 1.0;
    return std::nullopt;
  };
  if (align.size() != 8 || align[0] != 'x' || align[4] != 'Y') return std::nullopt;
  const auto x = position(std::string_view(align).substr(1, 3));
  const auto y = position(std::string_view(align).substr(5, 3));
  if (!x || !y) return std::nullopt;
  ratio.alignX = *x;
  ratio.alignY = *y;
  return ratio;
}

Geom::Affine FitViewBox(const ViewBox& box, const AspectRatio& ratio, double x, double y,
                        double width, double height) {
  double sx = width / box.width, sy = height / box.height;
  if (!ratio.none) sx = sy = ratio.slice ? std::max(sx, sy) : std::min(sx, sy);
  const double dx = ratio.none ? 0 : (width - box.width * sx) * ratio.alignX;
  const double dy = ratio.none ? 0 : (height - box.height * sy) * ratio.alignY;
  return Geom::Affine(sx, 0, 0, sy, x + dx - box.x * sx, y + dy - box.y * sy);
}

}  // namespace svg
