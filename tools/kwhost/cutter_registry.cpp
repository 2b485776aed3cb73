#include "tools/kwhost/cutter_registry.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

#include "tools/kwhost/document_export.h"
#include "tools/kwhost/drawing_save.h"

namespace kwhost {
namespace {

namespace fs = std::filesystem;

constexpr char kKeyFile[] = "Software/Talvex/Kerfworks/Folder.reg";
constexpr char kValueName[] = "path";  // names are compared without regard to case

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

bool IsPathLine(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  std::string name(TrimBlanks(line.substr(0, equals)));
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name == kValueName;
}

std::vector<std::string> Lines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

std::string CutterKeyFile(const std::string& registryFolder) {
  return (fs::path(registryFolder) / kKeyFile).string();
}

std::string UserRegistryFolder() {
  if (std::string folder = Environment("KW_REGISTRY_USER"); !folder.empty()) return folder;
  if (std::string config = Environment("XDG_CONFIG_HOME"); !config.empty()) {
    return config + "/kerfworks/registry";
  }
  if (std::string home = Environment("HOME"); !home.empty()) {
    return home + "/.config/kerfworks/registry";
  }
  return {};
}

std::string MachineRegistryFolder() {
  const std::string folder = Environment("KW_REGISTRY_MACHINE");
  return folder.empty() ? "/etc/xdg/kerfworks/registry" : folder;
}

std::string RegisterCutter(const std::string& registryFolder, const std::string& program) {
  if (registryFolder.empty()) {
    throw RegistryError("no registry folder: set KW_REGISTRY_USER, XDG_CONFIG_HOME or HOME");
  }
  const std::string keyFile = CutterKeyFile(registryFolder);
  std::error_code error;
  fs::create_directories(fs::path(keyFile).parent_path(), error);
  if (error)
    throw RegistryError("cannot make the folder of \"" + keyFile + "\": " + error.message());
  // The new value comes first: the plug-in reads the first line that names it.
  std::string content = "Path=" + program + "\n";
  for (const std::string& line : Lines(keyFile)) {
    if (!IsPathLine(line)) content += line + "\n";
  }
  try {
    WriteFileWhole(keyFile, content);
  } catch (const ExportError& failure) {
    throw RegistryError(failure.what());
  }
  return keyFile;
}

std::optional<RegisteredCutter> FindRegisteredCutter() {
  for (const std::string& folder : {UserRegistryFolder(), MachineRegistryFolder()}) {
    if (folder.empty()) continue;
    const std::string keyFile = CutterKeyFile(folder);
    for (const std::string& line : Lines(keyFile)) {
      if (!IsPathLine(line)) continue;
      const std::string program(TrimBlanks(std::string_view(line).substr(line.find('=') + 1)));
      if (!program.empty()) return RegisteredCutter{program, keyFile};
      break;
    }
  }
  return std::nullopt;
}

std::string WhyNotExecutable(const std::string& program) {
  std::error_code error;
  const fs::file_status status = fs::status(program, error);
  if (!fs::exists(status)) return "no such file";
  if (fs::is_directory(status)) return "it is a folder";
  if (!fs::is_regular_file(status)) return "it is not a file";
  if (access(program.c_str(), X_OK) != 0) return "it is not executable";
  return {};
}

}  // namespace kwhost
