#include "plugin/plugin.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "plugin/error_alert.h"
#include "wrappers/host_suites.h"
#include "wrappers/indexed_string.h"

namespace {

constexpr const char kDefaultName[] = "Plugin";
constexpr const char kAppStartedNotifierFormat[] = "%s App Started Notifier";
constexpr int32_t kAboutStringList = 16600;
constexpr int32_t kAboutTextLength = 256;

}  // namespace

Plugin::Plugin(SPPluginRef ref) : pluginRef(ref) {
  std::memset(name, 0, sizeof name);
  std::strcpy(name, kDefaultName);
}

Plugin::Plugin(ReloadTag, const Plugin& previous)
    : pluginRef(previous.pluginRef),
      suites(previous.suites),
      accessHolds(previous.accessHolds),
      accessRef(previous.accessRef),
      lastErrorCode(previous.lastErrorCode),
      repeatWindowSeconds(previous.repeatWindowSeconds),
      suppressRepeats(previous.suppressRepeats),
      lastErrorTime(previous.lastErrorTime) {
  std::memcpy(name, previous.name, sizeof name);
}

Plugin::~Plugin() = default;

ASErr Plugin::ReportError(ASErr code, const char*, const char*, void*) {
  if (IsSilentErrorCode(code)) return kNoErr;
  const int64_t now = platform::WallClockSeconds();
  if (code == lastErrorCode && suppressRepeats != 0 &&
      now < lastErrorTime + static_cast<int64_t>(repeatWindowSeconds)) {
    return kNoErr;
  }
  lastErrorCode = code;
  lastErrorTime = now;
  ShowErrorAlert(pluginRef, code);
  return kNoErr;
}

ASErr Plugin::HoldAccess(bool hold) {
  if (hold) {
    if (++accessHolds == 1 && sSPAccess != nullptr) {
      sSPAccess->AcquirePluginAccess(pluginRef, &accessRef);
    }
    return kNoErr;
  }
  if (--accessHolds == 0) {
    if (accessRef != nullptr && sSPAccess != nullptr) sSPAccess->ReleasePluginAccess(accessRef);
    accessRef = nullptr;
  }
  if (accessHolds < 0) accessHolds = 0;
  return kNoErr;
}

ASErr Plugin::CreateSuiteSet() {
  auto* set = new SuiteSet();
  if (set == nullptr) return kOutOfMemoryErr;
  suites = set;
  const ASErr code = set->Error();
  SuiteSet::SetUseCount(1);
  if (code != kNoErr) DeleteSuiteSet();
  return code;
}

void Plugin::DeleteSuiteSet() {
  delete suites;
  suites = nullptr;
}

ASErr Plugin::OnStartup(SPMessageData*) {
  SetCurrentPlugin(this);
  ASErr code = CreateSuiteSet();
  if (code == kNoErr) code = sSPPlugins->SetPluginName(pluginRef, name);
  if (code == kNoErr) {
    char notifierName[sizeof name + sizeof kAppStartedNotifierFormat];
    std::snprintf(notifierName, sizeof notifierName, kAppStartedNotifierFormat, name);
    code = sAINotifier->AddNotifier(pluginRef, notifierName, hostapi::kAIApplicationStartedNotifier,
                                    nullptr);
  }
  if (code == kNoErr) code = AfterStartupRegistration();
  if (code == kNoErr) AfterSuitesAcquired();
  return code;
}

ASErr Plugin::OnApplicationStarted() {
  return kNoErr;
}

ASErr Plugin::OnShutdown(SPMessageData*) {
  DeleteSuiteSet();
  SetCurrentPlugin(nullptr);
  return kNoErr;
}

ASErr Plugin::OnUnload(SPMessageData*) {
  BeforeSuitesReleased();
  SetCurrentPlugin(nullptr);
  DeleteSuiteSet();
  return kNoErr;
}

ASErr Plugin::OnReload(SPMessageData*) {
  SetCurrentPlugin(this);
  ASErr code = kNoErr;
  if (suites == nullptr) code = CreateSuiteSet();
  if (code == kNoErr) AfterSuitesAcquired();
  return code;
}

ASErr Plugin::OnPropertyAcquire(SPMessageData*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::OnPropertyRelease(SPMessageData*) {
  return kUnhandledMsgErr;
}

int32_t Plugin::GetName(char* buffer, int32_t length) {
  const auto full = static_cast<int32_t>(std::strlen(name));
  if (buffer != nullptr && length > 0) {
    const int32_t copied = full < length - 1 ? full : length - 1;
    std::memcpy(buffer, name, static_cast<std::size_t>(copied));
    buffer[copied] = '\0';
  }
  return full;
}

ASErr Plugin::OnAbout(SPMessageData*) {
  // Missing entries show an empty box rather than stale buffer contents.
  char title[kAboutTextLength];
  char text[kAboutTextLength];
  ai::ReadIndexedString(pluginRef, kAboutStringList, 1, title, kAboutTextLength);
  ai::ReadIndexedString(pluginRef, kAboutStringList, 2, text, kAboutTextLength);
  sADMBasic->AboutBox(pluginRef, title, text);
  return kNoErr;
}

ASErr Plugin::OnPurge() {
  return kNoErr;
}
ASErr Plugin::SetCurrentPlugin(Plugin*) {
  return kNoErr;
}
ASErr Plugin::AfterStartupRegistration() {
  return kNoErr;
}
ASErr Plugin::AfterSuitesAcquired() {
  return kNoErr;
}
ASErr Plugin::BeforeSuitesReleased() {
  return kNoErr;
}

ASErr Plugin::AcquireOptionalSuites() {
  if (suites != nullptr) suites->AcquireOptionalSuites();
  return kNoErr;
}

ASErr Plugin::OnNotify(AINotifierMessage*) {
  return kNoErr;
}
ASErr Plugin::OnDoAction(SPMessageData*) {
  return kNoErr;
}
ASErr Plugin::OnMenuGo(AIMenuMessage*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::OnMenuUpdate(AIMenuMessage*) {
  return kUnhandledMsgErr;
}
