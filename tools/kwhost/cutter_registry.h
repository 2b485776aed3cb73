// The cutting application's registration as the plug-in reads it on this system: the value
// "Path" of the key Software\Talvex\Kerfworks\Folder, kept in a key file under the user's or the
// machine's registry folder (see platform/README.md).
#ifndef KERFWORKS_TOOLS_KWHOST_CUTTER_REGISTRY_H
#define KERFWORKS_TOOLS_KWHOST_CUTTER_REGISTRY_H

#include <optional>
#include <stdexcept>
#include <string>

namespace kwhost {

class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The key file under a registry folder.
std::string CutterKeyFile(const std::string& registryFolder);

// The user's registry folder ($KW_REGISTRY_USER, else below $XDG_CONFIG_HOME or $HOME); empty when
// none of them is set.
std::string UserRegistryFolder();
// The machine's ($KW_REGISTRY_MACHINE, else /etc/xdg/kerfworks/registry).
std::string MachineRegistryFolder();

// Writes `program` as the registered application under `registryFolder`, as the application's
// installer would, keeping the key file's other values. Returns the key file written. Throws
// RegistryError naming the file and the reason.
std::string RegisterCutter(const std::string& registryFolder, const std::string& program);

struct RegisteredCutter {
  std::string program;
  std::string keyFile;  // where it was found
};

// The registration the plug-in will use: the user's, else the machine's.
std::optional<RegisteredCutter> FindRegisteredCutter();

// Why `program` cannot be started: empty when it is an executable file.
std::string WhyNotExecutable(const std::string& program);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_CUTTER_REGISTRY_H
