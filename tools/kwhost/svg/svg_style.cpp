#include "tools/kwhost/svg/svg_style.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "tools/kwhost/svg/svg_length.h"
#include "tools/kwhost/text_parsing.h"

namespace svg {
namespace {

struct NamedColour {
  std::string_view name;
  unsigned rgb;
};

constexpr NamedColour kNamedColours[] = {
    {"black", 0x000000}, {"white", 0xFFFFFF},   {"red", 0xFF0000},     {"lime", 0x00FF00},
    {"green", 0x008000}, {"blue", 0x0000FF},    {"yellow", 0xFFFF00},  {"cyan", 0x00FFFF},
    {"aqua", 0x00FFFF},  {"magenta", 0xFF00FF}, {"fuchsia", 0xFF00FF}, {"gray", 0x808080},
    {"grey", 0x808080},  {"silver", 0xC0C0C0},  {"maroon", 0x800000},  {"navy", 0x000080},
    {"olive", 0x808000}, {"purple", 0x800080},  {"teal", 0x008080},    {"orange", 0xFFA500},
};

Paint FromRgb(unsigned rgb) {
  return Paint{true, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
               (rgb & 0xFF) / 255.0};
}

// "rgb(r, g, b)" with numbers 0..255 or percentages, fractions allowed: percentages with enough
// digits carry a colour exactly.
std::optional<Paint> RgbFunction(std::string_view text) {
  text = text.substr(4, text.size() - 5);
  double channels[3] = {};
  for (double& channel : channels) {
    const auto comma = text.find(',');
    std::string_view component = kwhost::Trim(text.substr(0, comma));
    const bool percent = component.ends_with('%');
    if (percent) component.remove_suffix(1);
    const std::optional<double> value = ParseNumber(component);
    if (!value) return std::nullopt;
    channel = std::clamp(percent ? *value / 100 : *value / 255, 0.0, 1.0);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    if (comma == std::string_view::npos && &channel != &channels[2]) return std::nullopt;
  }
  if (!kwhost::Trim(text).empty()) return std::nullopt;
  return Paint{true, channels[0], channels[1], channels[2]};
}

// The element's declarations: presentation attributes first, then `style` wins.
std::map<std::string, std::string> Declarations(const pugi::xml_node& element) {
  std::map<std::string, std::string> out;
  for (const char* property : {"fill", "stroke", "stroke-width", "visibility", "display"}) {
    if (auto attribute = element.attribute(property))
      out[property] = kwhost::Trim(attribute.value());
  }
  std::string_view style = element.attribute("style").value();
  while (!style.empty()) {
    const auto end = style.find(';');
    const std::string_view declaration = style.substr(0, end);
    const auto colon = declaration.find(':');
    if (colon != std::string_view::npos) {
      out[std::string(kwhost::Trim(declaration.substr(0, colon)))] =
          std::string(kwhost::Trim(declaration.substr(colon + 1)));
    }
    if (end == std::string_view::npos) break;
    style.remove_prefix(end + 1);
  }
  return out;
}

}  // namespace

std::optional<Paint> ParsePaint(std::string_view text) {
  text = kwhost::Trim(text);
  if (text == "none") return Paint{};
  if (text.size() == 4 && text[0] == '#') {
    unsigned rgb = 0;
    for (int i = 1; i < 4; ++i) {
      unsigned digit = 0;
      if (std::sscanf(std::string(1, text[i]).c_str(), "%1x", &digit) != 1) return std::nullopt;
      rgb = (rgb << 8) | (digit * 17);
    }
    return FromRgb(rgb);
  }
  if (text.size() == 7 && text[0] == '#') {
    unsigned rgb = 0;
    if (std::sscanf(std::string(text.substr(1)).c_str(), "%6x", &rgb) != 1) return std::nullopt;
    return FromRgb(rgb);
  }
  if (text.starts_with("rgb(") && text.ends_with(")")) return RgbFunction(text);
  for (const NamedColour& colour : kNamedColours) {
    if (text == colour.name) return FromRgb(colour.rgb);
  }
  return std::nullopt;
}

ComputedStyle ResolveStyle(const pugi::xml_node& element, const ComputedStyle& parent) {
  ComputedStyle style = parent;
  style.displayNone = false;
  for (const auto& [property, value] : Declarations(element)) {
    if (value == "inherit") continue;
    if (property == "fill") {
      if (auto paint = ParsePaint(value)) style.fill = *paint;
    } else if (property == "stroke") {
      if (auto paint = ParsePaint(value)) style.stroke = *paint;
    } else if (property == "stroke-width") {
      if (auto width =
              ParseNumber(value.ends_with("px") ? value.substr(0, value.size() - 2) : value)) {
        style.strokeWidth = *width;
      }
    } else if (property == "visibility") {
      style.visibilityHidden = value == "hidden" || value == "collapse";
    } else if (property == "display") {
      style.displayNone = value == "none";
    }
  }
  return style;
}

}  // namespace svg
