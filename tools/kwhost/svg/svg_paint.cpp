#include "tools/kwhost/svg/svg_paint.h"

#include "tools/kwhost/svg/svg_colour.h"
#include "tools/kwhost/svg/svg_element.h"
#include "tools/kwhost/text_parsing.h"

namespace svg {
namespace {

std::optional<PaintSpec> Plain(std::string_view text) {
  PaintSpec spec;
  if (text == "none") return spec;
  if (text == "currentColor" || text == "currentcolor") {
    spec.kind = PaintSpec::Kind::kCurrentColor;
  } else if (text == "context-fill") {
    spec.kind = PaintSpec::Kind::kContextFill;
  } else if (text == "context-stroke") {
    spec.kind = PaintSpec::Kind::kContextStroke;
  } else if (auto colour = ParseColour(text)) {
    spec.kind = PaintSpec::Kind::kColour;
    spec.colour = *colour;
  } else {
    return std::nullopt;
  }
  return spec;
}

}  // namespace

std::optional<PaintSpec> ParsePaint(std::string_view text) {
  text = kwhost::Trim(text);
  if (!text.starts_with("url(")) return Plain(text);
  const auto close = text.find(')');
  if (close == std::string_view::npos) return std::nullopt;
  const auto id = LocalReference(text.substr(0, close + 1));
  if (!id) return std::nullopt;
  const std::string_view fallback = kwhost::Trim(text.substr(close + 1));
  std::optional<PaintSpec> spec = fallback.empty() ? PaintSpec{} : Plain(fallback);
  if (!spec) return std::nullopt;
  spec->server = *id;
  spec->fallbackGiven = !fallback.empty();
  return spec;
}

}  // namespace svg
