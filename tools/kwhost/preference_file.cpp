#include "tools/kwhost/preference_file.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "tools/kwhost/text_parsing.h"

namespace kwhost {
namespace {

constexpr const char kFileBelowConfig[] = "/kerfworks/kwhost-preferences.txt";

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

bool Unescape(const std::string& text, std::string& out) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return false;
    switch (text[i]) {
      case '\\':
        out += '\\';
        break;
      case 't':
        out += '\t';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        return false;
    }
  }
  return true;
}

bool ParseValue(const std::string& type, const std::string& text, standin::PreferenceValue& value) {
  if (type == "b" && (text == "0" || text == "1")) {
    value = text == "1";
    return true;
  }
  if (type == "i") {
    const auto number = ParseWhole<std::int32_t>(text);
    if (!number) return false;
    value = *number;
    return true;
  }
  if (type == "r") {
    const auto number = ParseWhole<AIReal>(text);
    if (!number) return false;
    value = *number;
    return true;
  }
  if (type == "s") {
    std::string unescaped;
    if (!Unescape(text, unescaped)) return false;
    value = unescaped;
    return true;
  }
  if (type == "p") {
    const auto comma = text.find(',');
    if (comma == std::string::npos) return false;
    const auto h = ParseWhole<std::int32_t>(std::string_view(text).substr(0, comma));
    const auto v = ParseWhole<std::int32_t>(std::string_view(text).substr(comma + 1));
    if (!h || !v) return false;
    value = ASPoint{*h, *v};
    return true;
  }
  return false;
}

std::string FormatValue(const standin::PreferenceValue& value) {
  struct Formatter {
    std::string operator()(bool b) const { return std::string("b\t") + (b ? "1" : "0"); }
    std::string operator()(std::int32_t i) const { return "i\t" + std::to_string(i); }
    std::string operator()(AIReal r) const {
      char digits[64];
      const auto result = std::to_chars(digits, digits + sizeof digits, r);
      return "r\t" + std::string(digits, result.ptr);
    }
    std::string operator()(const std::string& s) const { return "s\t" + Escape(s); }
    std::string operator()(const ASPoint& p) const {
      return "p\t" + std::to_string(p.h) + "," + std::to_string(p.v);
    }
  };
  return std::visit(Formatter{}, value);
}

}  // namespace

std::string DefaultPreferencePath() {
  if (const char* path = std::getenv("KWHOST_PREFERENCES"); path != nullptr && *path != '\0') {
    return path;
  }
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0') {
    return std::string(config) + kFileBelowConfig;
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    return std::string(home) + "/.config" + kFileBelowConfig;
  }
  return {};
}

void LoadPreferences(const std::string& path, standin::PreferenceStore& store) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (!std::filesystem::exists(path)) return;
    throw PreferenceFileError(path + ": cannot be read");
  }
  ReadPreferences(in, path, store);
}

void ReadPreferences(std::istream& in, const std::string& name, standin::PreferenceStore& store) {
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty()) continue;
    const auto fields = Split(line, '\t');
    standin::PreferenceValue value;
    std::string section, key;
    if (fields.size() != 4 || !Unescape(fields[0], section) || !Unescape(fields[1], key) ||
        !ParseValue(fields[2], fields[3], value)) {
      throw PreferenceFileError(name + ": line " + std::to_string(number) + " is not a preference");
    }
    store.Set(section, key, value);
  }
}

void SavePreferences(const std::string& path, const standin::PreferenceStore& store) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path target(path);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);
  const fs::path partial = target.string() + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    WritePreferences(out, store);
    out.flush();
    if (!out) {
      fs::remove(partial, error);
      throw PreferenceFileError(path + ": cannot be written");
    }
  }
  fs::rename(partial, target, error);
  if (error) {
    fs::remove(partial, error);
    throw PreferenceFileError(path + ": cannot be written");
  }
}

void WritePreferences(std::ostream& out, const standin::PreferenceStore& store) {
  for (const auto& [key, value] : store.All()) {
    out << Escape(key.first) << '\t' << Escape(key.second) << '\t' << FormatValue(value) << '\n';
  }
}

}  // namespace kwhost
