#include "windows/cut_session.h"

#include <windows.h>

#include <sstream>
#include <utility>

#include "hostapi/messages.h"
#include "standin/scenario/document_builder.h"
#include "windows/windows_helpers.h"

namespace wintest {
namespace {

constexpr char kPaletteName[] = "KerfworksPluginDialog";
constexpr char kReportVariable[] = "KW_RECEIVER_REPORT";
constexpr char kActivityVariable[] = "KW_ACTIVITY_LOG";
constexpr char kShellLogVariable[] = "KW_SHELL_LOG";
constexpr int kReceiverSeconds = 30;

std::set<std::string> CutFilesNow() {
  std::set<std::string> names;
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA(TemporaryPath("~KW*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.insert(TemporaryPath(found.cFileName));
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// A receiver that has just written its report may still be running from the file for a moment.
void DeleteWhenFree(const std::string& path) {
  for (int tick = 0; tick < 100; ++tick) {
    if (DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) return;
    Sleep(50);
  }
  ADD_FAILURE() << "cannot delete " << path;
}

void ClearRegistry() {
  ASSERT_TRUE(RemoveApplicationKey(Hive::kCurrentUser));
  ASSERT_TRUE(RemoveApplicationKey(Hive::kLocalMachine));
}

}  // namespace

void CutSessionTest::SetUp() {
  ClearRegistry();
  report_ = TemporaryPath("kw session report.txt");
  activityLog_ = TemporaryPath("kw session activity.log");
  shellLog_ = TemporaryPath("kw session shell.log");
  for (const std::string* path : {&report_, &activityLog_, &shellLog_}) DeleteFileA(path->c_str());
  for (const auto& [name, value] :
       {std::pair{kReportVariable, &report_}, std::pair{kActivityVariable, &activityLog_},
        std::pair{kShellLogVariable, &shellLog_}}) {
    variables_.push_back(std::make_unique<standin::ScopedEnvironment>(name, *value));
    ASSERT_EQ(standin::ReadEnvironment(name), *value);
  }
  cutFilesBefore_ = CutFilesNow();
}

void CutSessionTest::TearDown() {
  if (host_) {
    user_.reset();
    EXPECT_EQ(host_->NotifyType(hostapi::kAIApplicationShutdownNotifier), kNoErr);
    EXPECT_EQ(host_->Shutdown(), kNoErr);
    EXPECT_EQ(host_->Leftovers(), std::vector<std::string>{});
    host_.reset();
  }
  while (!variables_.empty()) variables_.pop_back();
  for (const std::string& path : NewCutFiles()) DeleteWhenFree(path);
  for (const std::string& path : copies_) DeleteWhenFree(path);
  copies_.clear();
  for (const std::string* path : {&report_, &activityLog_, &shellLog_}) DeleteFileA(path->c_str());
  ClearRegistry();
}

void CutSessionTest::OpenPalette(bool japanese) {
  standin::HostOptions options;
  options.japanese = japanese;
  host_ = std::make_unique<standin::Host>(options);
  ASSERT_EQ(host_->Startup(), kNoErr) << testing::PrintToString(host_->Misbehaviour());
  ASSERT_EQ(host_->NotifyType(hostapi::kAIApplicationStartedNotifier), kNoErr);
  user_ = std::make_unique<standin::DialogUser>(*host_);
  palette_ = user_->FindDialog(kPaletteName);
  ASSERT_NE(palette_, nullptr);

  standin::DocumentBuilder doc(host_->Documents());
  doc.Page(595.2756f, 841.8898f);
  doc.Rectangle("frame", 0, 0, 100, 50).Filled().Stroked();
}

bool CutSessionTest::PressCut() {
  const bool pressed = user_->Press(palette_, kCutButton);
  EXPECT_TRUE(pressed) << user_->LastError();
  return pressed;
}

bool CutSessionTest::PickFlyout(int entry) {
  const bool picked = user_->PickFlyout(palette_, entry);
  EXPECT_TRUE(picked) << user_->LastError();
  return picked;
}

std::vector<std::string> CutSessionTest::NewCutFiles() const {
  std::vector<std::string> created;
  for (const std::string& name : CutFilesNow()) {
    if (cutFilesBefore_.count(name) == 0) created.push_back(name);
  }
  return created;
}

std::vector<std::string> CutSessionTest::Activity() const {
  std::vector<std::string> lines;
  std::istringstream text(ReadWholeFile(activityLog_).value_or(""));
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

std::optional<std::string> CutSessionTest::WaitForReport() const {
  return WaitForFile(report_, kReceiverSeconds);
}

std::string CutSessionTest::ReceiverCopy(const std::string& name) {
  const std::string copy = TemporaryPath(name);
  EXPECT_TRUE(CopyFileA(WindowsPath(KW_RECEIVER_PROGRAM).c_str(), copy.c_str(), FALSE)) << copy;
  copies_.push_back(copy);
  return copy;
}

}  // namespace wintest
