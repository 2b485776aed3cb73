#include "scenarios/scenario_folder.h"

#include <stdlib.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace kwtest {

namespace fs = std::filesystem;

namespace {

constexpr const char* kVariables[] = {"KW_REGISTRY_USER", "KW_REGISTRY_MACHINE", "TMPDIR",
                                      "KW_RECEIVER_REPORT", "KW_SHELL_LOG"};

}  // namespace

void ScenarioFolder::SetUp() {
  char pattern[] = "/tmp/kw-scenario-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  scratch_ = pattern;
  setenv("KW_REGISTRY_USER", (scratch_ / "user").c_str(), 1);
  setenv("KW_REGISTRY_MACHINE", (scratch_ / "machine").c_str(), 1);
  setenv("TMPDIR", scratch_.c_str(), 1);
  setenv("KW_RECEIVER_REPORT", Report().c_str(), 1);
  // Never a real shell: the paths to open are noted instead.
  setenv("KW_SHELL_LOG", (scratch_ / "shell.log").c_str(), 1);
}

void ScenarioFolder::TearDown() {
  for (const char* name : kVariables) unsetenv(name);
  fs::remove_all(scratch_);
}

void ScenarioFolder::RegisterReceiver() const {
  const fs::path key = scratch_ / "user/Software/Talvex/Kerfworks/Folder.reg";
  fs::create_directories(key.parent_path());
  std::ofstream(key) << "Path=" << KW_RECEIVER_PROGRAM << "\n";
}

bool ScenarioFolder::WaitForReport() const {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!fs::exists(Report()) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return fs::exists(Report());
}

fs::path ScenarioFolder::CutFile() const {
  for (const auto& entry : fs::directory_iterator(scratch_)) {
    if (entry.path().filename().string().rfind("~KW", 0) == 0) return entry.path();
  }
  return {};
}

std::vector<std::string> ScenarioFolder::ShellOpened() const {
  std::vector<std::string> paths;
  std::ifstream log(scratch_ / "shell.log");
  for (std::string line; std::getline(log, line);) paths.push_back(line);
  return paths;
}

std::string ScenarioFolder::ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace kwtest
