#include "scenarios/scenario_folder.h"

#include <chrono>
#include <fstream>

namespace kwtest {

namespace fs = std::filesystem;

void ScenarioFolder::SetUp() {
  folder_.emplace("kw-scenario");
  // Never a real shell: the paths to open are noted instead.
  folder_->Set("KW_SHELL_LOG", (Scratch() / "shell.log").string());
}

void ScenarioFolder::TearDown() {
  folder_.reset();
}

void ScenarioFolder::RegisterReceiver() {
  folder_->ExpectReceiver(KW_RECEIVER_PROGRAM);
}

bool ScenarioFolder::WaitForReport() const {
  folder_->WaitForReport(std::chrono::seconds(20));
  return fs::exists(Report());
}

fs::path ScenarioFolder::CutFile() const {
  for (const auto& entry : fs::directory_iterator(Scratch())) {
    if (entry.path().filename().string().rfind("~KW", 0) == 0) return entry.path();
  }
  return {};
}

std::vector<std::string> ScenarioFolder::ShellOpened() const {
  std::vector<std::string> paths;
  std::ifstream log(Scratch() / "shell.log");
  for (std::string line; std::getline(log, line);) paths.push_back(line);
  return paths;
}

}  // namespace kwtest
