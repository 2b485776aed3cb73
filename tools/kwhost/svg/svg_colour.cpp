#include "tools/kwhost/svg/svg_colour.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "tools/kwhost/svg/svg_length.h"
#include "tools/kwhost/text_parsing.h"

namespace svg {
namespace {

struct NamedColour {
  std::string_view name;
  unsigned rgb;
};

// Sorted by name.
constexpr NamedColour kNamedColours[] = {
    {"aliceblue", 0xF0F8FF},
    {"antiquewhite", 0xFAEBD7},
    {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4},
    {"azure", 0xF0FFFF},
    {"beige", 0xF5F5DC},
    {"bisque", 0xFFE4C4},
    {"black", 0x000000},
    {"blanchedalmond", 0xFFEBCD},
    {"blue", 0x0000FF},
    {"blueviolet", 0x8A2BE2},
    {"brown", 0xA52A2A},
    {"burlywood", 0xDEB887},
    {"cadetblue", 0x5F9EA0},
    {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E},
    {"coral", 0xFF7F50},
    {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC},
    {"crimson", 0xDC143C},
    {"cyan", 0x00FFFF},
    {"darkblue", 0x00008B},
    {"darkcyan", 0x008B8B},
    {"darkgoldenrod", 0xB8860B},
    {"darkgray", 0xA9A9A9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xA9A9A9},
    {"darkkhaki", 0xBDB76B},
    {"darkmagenta", 0x8B008B},
    {"darkolivegreen", 0x556B2F},
    {"darkorange", 0xFF8C00},
    {"darkorchid", 0x9932CC},
    {"darkred", 0x8B0000},
    {"darksalmon", 0xE9967A},
    {"darkseagreen", 0x8FBC8F},
    {"darkslateblue", 0x483D8B},
    {"darkslategray", 0x2F4F4F},
    {"darkslategrey", 0x2F4F4F},
    {"darkturquoise", 0x00CED1},
    {"darkviolet", 0x9400D3},
    {"deeppink", 0xFF1493},
    {"deepskyblue", 0x00BFFF},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1E90FF},
    {"firebrick", 0xB22222},
    {"floralwhite", 0xFFFAF0},
    {"forestgreen", 0x228B22},
    {"fuchsia", 0xFF00FF},
    {"gainsboro", 0xDCDCDC},
    {"ghostwhite", 0xF8F8FF},
    {"gold", 0xFFD700},
    {"goldenrod", 0xDAA520},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xADFF2F},
    {"grey", 0x808080},
    {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4},
    {"indianred", 0xCD5C5C},
    {"indigo", 0x4B0082},
    {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C},
    {"lavender", 0xE6E6FA},
    {"lavenderblush", 0xFFF0F5},
    {"lawngreen", 0x7CFC00},
    {"lemonchiffon", 0xFFFACD},
    {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080},
    {"lightcyan", 0xE0FFFF},
    {"lightgoldenrodyellow", 0xFAFAD2},
    {"lightgray", 0xD3D3D3},
    {"lightgreen", 0x90EE90},
    {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xFFB6C1},
    {"lightsalmon", 0xFFA07A},
    {"lightseagreen", 0x20B2AA},
    {"lightskyblue", 0x87CEFA},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xB0C4DE},
    {"lightyellow", 0xFFFFE0},
    {"lime", 0x00FF00},
    {"limegreen", 0x32CD32},
    {"linen", 0xFAF0E6},
    {"magenta", 0xFF00FF},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66CDAA},
    {"mediumblue", 0x0000CD},
    {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB},
    {"mediumseagreen", 0x3CB371},
    {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A},
    {"mediumturquoise", 0x48D1CC},
    {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xF5FFFA},
    {"mistyrose", 0xFFE4E1},
    {"moccasin", 0xFFE4B5},
    {"navajowhite", 0xFFDEAD},
    {"navy", 0x000080},
    {"oldlace", 0xFDF5E6},
    {"olive", 0x808000},
    {"olivedrab", 0x6B8E23},
    {"orange", 0xFFA500},
    {"orangered", 0xFF4500},
    {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA},
    {"palegreen", 0x98FB98},
    {"paleturquoise", 0xAFEEEE},
    {"palevioletred", 0xDB7093},
    {"papayawhip", 0xFFEFD5},
    {"peachpuff", 0xFFDAB9},
    {"peru", 0xCD853F},
    {"pink", 0xFFC0CB},
    {"plum", 0xDDA0DD},
    {"powderblue", 0xB0E0E6},
    {"purple", 0x800080},
    {"rebeccapurple", 0x663399},
    {"red", 0xFF0000},
    {"rosybrown", 0xBC8F8F},
    {"royalblue", 0x4169E1},
    {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072},
    {"sandybrown", 0xF4A460},
    {"seagreen", 0x2E8B57},
    {"seashell", 0xFFF5EE},
    {"sienna", 0xA0522D},
    {"silver", 0xC0C0C0},
    {"skyblue", 0x87CEEB},
    {"slateblue", 0x6A5ACD},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xFFFAFA},
    {"springgreen", 0x00FF7F},
    {"steelblue", 0x4682B4},
    {"tan", 0xD2B48C},
    {"teal", 0x008080},
    {"thistle", 0xD8BFD8},
    {"tomato", 0xFF6347},
    {"turquoise", 0x40E0D0},
    {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3},
    {"white", 0xFFFFFF},
    {"whitesmoke", 0xF5F5F5},
    {"yellow", 0xFFFF00},
    {"yellowgreen", 0x9ACD32},
};

Paint FromRgb(unsigned rgb) {
  return Paint{true, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
               (rgb & 0xFF) / 255.0};
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::optional<Paint> Keyword(std::string_view text) {
  const std::string name = Lower(text);
  if (name == "transparent") return Paint{true, 0, 0, 0};
  const auto found = std::lower_bound(
      std::begin(kNamedColours), std::end(kNamedColours), name,
      [](const NamedColour& colour, const std::string& key) { return colour.name < key; });
  if (found == std::end(kNamedColours) || found->name != name) return std::nullopt;
  return FromRgb(found->rgb);
}

std::optional<Paint> Hex(std::string_view digits) {
  if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8) {
    return std::nullopt;
  }
  unsigned value = 0;
  for (char c : digits) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
  }
  const bool shortForm = digits.size() <= 4;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string_view channel = shortForm ? digits.substr(i, 1) : digits.substr(2 * i, 2);
    unsigned byte = std::stoul(std::string(channel), nullptr, 16);
    if (shortForm) byte *= 17;
    value = (value << 8) | byte;
  }
  return FromRgb(value);
}

// The arguments of a colour function: parted by commas, or by blanks with "/" before the alpha.
std::optional<std::vector<std::string_view>> Arguments(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  const bool commas = text.find(',') != std::string_view::npos;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const bool end = i == text.size();
    const char c = end ? ',' : text[i];
    const bool separator = commas ? c == ',' : (c == ' ' || c == '\t' || c == '/' || end);
    if (!separator) continue;
    const std::string_view piece = kwhost::Trim(text.substr(start, i - start));
    if (!piece.empty()) {
      out.push_back(piece);
    } else if (commas) {
      return std::nullopt;
    }
    start = i + 1;
  }
  if (out.size() != 3 && out.size() != 4) return std::nullopt;
  return out;
}

// A number, or a percentage given as a fraction of `whole`.
std::optional<double> Component(std::string_view text, double whole, bool allowPlain = true) {
  if (text.ends_with('%')) {
    const auto value = ParseNumber(text.substr(0, text.size() - 1));
    if (!value) return std::nullopt;
    return *value / 100 * whole;
  }
  if (!allowPlain) return std::nullopt;
  return ParseNumber(text);
}

std::optional<double> Hue(std::string_view text) {
  struct Unit {
    std::string_view name;
    double degrees;
  };
  constexpr Unit kUnits[] = {
      {"deg", 1}, {"grad", 0.9}, {"rad", 180 / 3.141592653589793}, {"turn", 360}};
  for (const Unit& unit : kUnits) {
    if (text.ends_with(unit.name)) {
      const auto value = ParseNumber(text.substr(0, text.size() - unit.name.size()));
      if (value) return *value * unit.degrees;
    }
  }
  return ParseNumber(text);
}

double HueChannel(double p, double q, double t) {
  t -= std::floor(t);
  if (t < 1.0 / 6) return p + (q - p) * 6 * t;
  if (t < 1.0 / 2) return q;
  if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}

std::optional<Paint> Function(std::string_view name, std::string_view body) {
  const auto arguments = Arguments(body);
  if (!arguments) return std::nullopt;
  const auto& a = *arguments;
  if (a.size() == 4 && !Component(a[3], 1)) return std::nullopt;
  if (name == "rgb" || name == "rgba") {
    std::array<double, 3> channels{};
    for (std::size_t i = 0; i < 3; ++i) {
      const auto value = Component(a[i], 255);
      if (!value) return std::nullopt;
      channels[i] = std::clamp(*value / 255, 0.0, 1.0);
    }
    return Paint{true, channels[0], channels[1], channels[2]};
  }
  const auto hue = Hue(a[0]);
  const auto saturation = Component(a[1], 1, false);
  const auto lightness = Component(a[2], 1, false);
  if (!hue || !saturation || !lightness) return std::nullopt;
  const double s = std::clamp(*saturation, 0.0, 1.0), l = std::clamp(*lightness, 0.0, 1.0);
  const double q = l <= 0.5 ? l * (1 + s) : l + s - l * s;
  const double p = 2 * l - q;
  const double h = *hue / 360;
  return Paint{true, HueChannel(p, q, h + 1.0 / 3), HueChannel(p, q, h),
               HueChannel(p, q, h - 1.0 / 3)};
}

}  // namespace

std::optional<Paint> ParseColour(std::string_view text) {
  text = kwhost::Trim(text);
  if (text.starts_with('#')) return Hex(text.substr(1));
  const auto open = text.find('(');
  if (open != std::string_view::npos && text.ends_with(')')) {
    const std::string name = Lower(kwhost::Trim(text.substr(0, open)));
    if (name != "rgb" && name != "rgba" && name != "hsl" && name != "hsla") return std::nullopt;
    return Function(name, text.substr(open + 1, text.size() - open - 2));
  }
  return Keyword(text);
}

}  // namespace svg
