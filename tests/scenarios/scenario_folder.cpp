#include "scenarios/scenario_folder.h"

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace kwtest {

namespace fs = std::filesystem;

void ScenarioFolder::SetUp() {
  folder_.emplace("kw-scenario");
  scratch_ = folder_->Path();
  folder_->Set("KW_RECEIVER_REPORT", Report().string());
  // Never a real shell: the paths to open are noted instead.
  folder_->Set("KW_SHELL_LOG", (scratch_ / "shell.log").string());
}

void ScenarioFolder::TearDown() {
  folder_.reset();
}

void ScenarioFolder::RegisterReceiver() const {
  folder_->RegisterCuttingApplication(KW_RECEIVER_PROGRAM);
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
