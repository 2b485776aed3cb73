// A folder of its own for one test: the plug-in's registry roots and temporary folder point into
// it, every variable set through it is put back afterwards, and the folder is removed.
#ifndef KERFWORKS_TESTS_SUPPORT_SCRATCH_FOLDER_H
#define KERFWORKS_TESTS_SUPPORT_SCRATCH_FOLDER_H

#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "standin/core/environment.h"

namespace test_support {

// The whole file, or empty when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ScratchFolder {
 public:
  // A new folder <prefix>-XXXXXX in the system's temporary folder for the registry roots "user"
  // and "machine", and the temporary folder (TMPDIR, and TMP for Windows) set to the folder itself
  // or to its subfolder `temporary`.
  explicit ScratchFolder(const std::string& prefix, const std::string& temporary = "")
      : path_(MakeFolder(prefix)) {
    const std::filesystem::path temporaryFolder = temporary.empty() ? path_ : path_ / temporary;
    std::filesystem::create_directories(temporaryFolder);
    Set("KW_REGISTRY_USER", (path_ / "user").string());
    Set("KW_REGISTRY_MACHINE", (path_ / "machine").string());
    Set("TMPDIR", temporaryFolder.string());
    Set("TMP", temporaryFolder.string());
  }
  ~ScratchFolder() {
    while (!variables_.empty()) variables_.pop_back();  // the last set is put back first
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Sets (or, given nothing, removes) a variable until the folder goes.
  void Set(const std::string& name, const std::optional<std::string>& value) {
    variables_.push_back(std::make_unique<standin::ScopedEnvironment>(name, value));
  }

  // Names `program` as the cutting application under the user's registry root.
  void RegisterCuttingApplication(const std::string& program) const {
    const std::filesystem::path key = path_ / "user/Software/Talvex/Kerfworks/Folder.reg";
    std::filesystem::create_directories(key.parent_path());
    std::ofstream(key, std::ios::binary) << "Path=" << program << "\n";
  }

  // Where the receiver, started as the cutting application, writes its report.
  std::filesystem::path ReceiverReport() const { return path_ / "report.txt"; }
  // Registers the receiver `program` and has it report into the folder.
  void ExpectReceiver(const std::string& program) {
    Set("KW_RECEIVER_REPORT", ReceiverReport().string());
    RegisterCuttingApplication(program);
  }
  // The receiver's report once it is there (the receiver writes it whole), or empty after `wait`.
  std::string WaitForReport(std::chrono::milliseconds wait) const {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (!std::filesystem::exists(ReceiverReport()) &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return ReadFile(ReceiverReport());
  }

 private:
  static std::filesystem::path MakeFolder(const std::string& prefix) {
#ifdef _WIN32
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::filesystem::path folder =
          std::filesystem::temp_directory_path() / (prefix + "-" + std::to_string(random()));
      if (std::filesystem::create_directory(folder)) return folder;
    }
    throw std::runtime_error("no scratch folder");
#else
    std::string pattern = "/tmp/" + prefix + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no scratch folder");
    return pattern;
#endif
  }

  std::filesystem::path path_;
  std::vector<std::unique_ptr<standin::ScopedEnvironment>> variables_;
};

}  // namespace test_support

#endif  // KERFWORKS_TESTS_SUPPORT_SCRATCH_FOLDER_H
