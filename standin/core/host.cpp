#include "standin/core/host.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "standin/core/environment.h"
#include "standin/core/stub.h"
#include "standin/model/dialog_system.h"
#include "standin/model/menus.h"
#include "standin/suites/catalog.h"

struct KwSPPlugin {
  int unused;
};

namespace standin {
namespace {

constexpr const char kClockVariable[] = "KW_PLATFORM_CLOCK";

Host* gCurrent = nullptr;
KwSPPlugin gPluginRecord{0};

// Keeps the host's depth of calls into the plug-in right on every way out.
class CallScope {
 public:
  explicit CallScope(int& depth) : depth_(depth) { ++depth_; }
  ~CallScope() { --depth_; }
  CallScope(const CallScope&) = delete;
  CallScope& operator=(const CallScope&) = delete;

 private:
  int& depth_;
};

bool Is(const char* text, const char* expected) {
  return text != nullptr && std::strcmp(text, expected) == 0;
}

bool Running(PluginState state) {
  return state == PluginState::kStarted || state == PluginState::kApplicationStarted;
}

// Whether the host would send this message in `state`.
bool Expected(PluginState state, const char* caller, const char* selector) {
  if (Is(caller, hostapi::kSPInterfaceCaller) && Is(selector, hostapi::kSPStartupSelector)) {
    return state == PluginState::kNotLoaded;
  }
  if (Is(caller, hostapi::kSPAccessCaller) && Is(selector, hostapi::kSPReloadSelector)) {
    return state == PluginState::kUnloaded;
  }
  return Running(state);
}

}  // namespace

const char* PluginStateName(PluginState state) {
  switch (state) {
    case PluginState::kNotLoaded:
      return "not loaded";
    case PluginState::kStarted:
      return "started";
    case PluginState::kApplicationStarted:
      return "application started";
    case PluginState::kUnloaded:
      return "unloaded";
    case PluginState::kShutDown:
      return "shut down";
  }
  return "unknown";
}

std::string MisbehaviourRecord::ToString() const {
  return "call #" + std::to_string(callNumber) + " " + call + " (" + PluginStateName(state) +
         "): " + what;
}

void ReportUnimplemented(const char* function) {
  Host::Current().RecordMisbehaviour(function, "not implemented by the stand-in host");
}

ASErr KW_API ReservedSlot() {
  Host::Current().RecordMisbehaviour("reserved slot", "a reserved suite slot was called");
  return kUnimplementedErr;
}

Host::Host(HostOptions options)
    : options_(std::move(options)),
      state_(options_.modulePath.empty() ? PluginState::kStarted : PluginState::kNotLoaded) {
  if (gCurrent != nullptr) throw std::logic_error("only one stand-in host at a time");
  RegisterSuites(suites_);
  dialogs_ = std::make_unique<DialogSystem>(*this);
  menus_ = std::make_unique<MenuModel>();
  AddLeftoverSource([this](std::vector<std::string>& out) { documents_.Leftovers(out); });
  AddLeftoverSource([this](std::vector<std::string>& out) { app_.actions.DescribeLeftovers(out); });
  if (!options_.modulePath.empty()) module_ = std::make_unique<PluginModule>(options_.modulePath);
  gCurrent = this;
}

Host::~Host() {
  gCurrent = nullptr;
  if (clockSet_) ClearEnvironment(kClockVariable);
}

Host& Host::Current() {
  if (gCurrent == nullptr) {
    std::fputs("stand-in host: a suite was called with no current host\n", stderr);
    std::abort();
  }
  return *gCurrent;
}

SPPluginRef Host::PluginRef() const {
  return &gPluginRecord;
}

SPBasicSuite* Host::BasicSuite() {
  return const_cast<SPBasicSuite*>(BasicSuiteTable());
}

ASErr Host::Send(const char* caller, const char* selector, SPMessageData* message) {
  message->pluginRef = PluginRef();
  message->globals = globals_;
  message->basicSuite = BasicSuite();
  if (!module_) throw std::logic_error("the stand-in host was made without a plug-in module");
  const std::string name =
      std::string(caller == nullptr ? "" : caller) + "/" + (selector == nullptr ? "" : selector);
  if (!Expected(state_, caller, selector)) {
    RecordMisbehaviour(name, "the host would not send this message now");
  }
  const bool interface = Is(caller, hostapi::kSPInterfaceCaller);
  const bool access = Is(caller, hostapi::kSPAccessCaller);
  if (interface && Is(selector, hostapi::kSPStartupSelector)) state_ = PluginState::kStarted;
  if (access && Is(selector, hostapi::kSPReloadSelector)) state_ = stateBeforeUnload_;
  if (Is(caller, hostapi::kAINotifierCaller) && state_ == PluginState::kStarted &&
      Is(reinterpret_cast<AINotifierMessage*>(message)->notifierType,
         hostapi::kAIApplicationStartedNotifier)) {
    state_ = PluginState::kApplicationStarted;
  }
  ASErr result;
  {
    CallScope scope(callDepth_);
    result = module_->Entry()(caller, selector, message);
  }
  globals_ = message->globals;
  // A plug-in that fails to start is let go of at once.
  if (interface && Is(selector, hostapi::kSPStartupSelector) && result != kNoErr) {
    state_ = PluginState::kNotLoaded;
  }
  // A plug-in that fails to reload stays unloaded: the host may try again.
  if (access && Is(selector, hostapi::kSPReloadSelector) && result != kNoErr) {
    state_ = PluginState::kUnloaded;
  }
  if (interface && Is(selector, hostapi::kSPShutdownSelector)) state_ = PluginState::kShutDown;
  if (access && Is(selector, hostapi::kSPUnloadSelector)) {
    stateBeforeUnload_ = state_;
    state_ = PluginState::kUnloaded;
  }
  return result;
}

ASErr Host::Send(const char* caller, const char* selector) {
  SPMessageData message{};
  return Send(caller, selector, &message);
}

ASErr Host::Startup() {
  return Send(hostapi::kSPInterfaceCaller, hostapi::kSPStartupSelector);
}

ASErr Host::Shutdown() {
  const ASErr result = Send(hostapi::kSPInterfaceCaller, hostapi::kSPShutdownSelector);
  // A plug-in's menu items go with its session: a later start-up adds them afresh.
  *menus_ = MenuModel();
  return result;
}

ASErr Host::Unload() {
  return Send(hostapi::kSPAccessCaller, hostapi::kSPUnloadSelector);
}

ASErr Host::Reload() {
  return Send(hostapi::kSPAccessCaller, hostapi::kSPReloadSelector);
}

ASErr Host::Notify(AINotifierHandle notifier, const char* type, const char* selector) {
  AINotifierMessage message{};
  message.notifier = notifier;
  message.notifierType = type;
  return Send(hostapi::kAINotifierCaller, selector, &message.d);
}

ASErr Host::NotifyType(const char* type) {
  auto notifier = app_.FindNotifier(type);
  if (!notifier) return kBadParameterErr;
  return Notify(*notifier, type);
}

ASErr Host::Menu(AIMenuItemHandle item, const char* selector) {
  AIMenuMessage message{};
  message.menuItem = item;
  return Send(hostapi::kAIMenuCaller, selector, &message.d);
}

void Host::AsHostCall(const std::function<void()>& body) {
  CallScope scope(callDepth_);
  body();
}

ASErr Host::Enter(const SuiteCall& call) {
  const ASErr result = gate_.Enter(call);
  if (callDepth_ == 0) RecordMisbehaviour(call, "called outside any host call");
  if (state_ == PluginState::kNotLoaded) RecordMisbehaviour(call, "called before start-up");
  if (state_ == PluginState::kShutDown) RecordMisbehaviour(call, "called after shut-down");
  if (state_ == PluginState::kUnloaded) RecordMisbehaviour(call, "called while unloaded");
  if (std::strcmp(call.suite, kSPBasicSuiteName) != 0 && !suites_.HoldsAny(call.suite)) {
    RecordMisbehaviour(call, "called through a suite it has not acquired or has released");
  }
  return result;
}

void Host::RecordMisbehaviour(const std::string& call, const std::string& what) {
  misbehaviour_.push_back({gate_.Count(), call, state_, what});
}

std::vector<std::string> Host::Misbehaviour() const {
  std::vector<std::string> lines;
  for (const MisbehaviourRecord& record : misbehaviour_) lines.push_back(record.ToString());
  return lines;
}

void Host::AddLeftoverSource(std::function<void(std::vector<std::string>&)> source) {
  leftoverSources_.push_back(std::move(source));
}

std::vector<std::string> Host::Leftovers() const {
  std::vector<std::string> out;
  for (const std::string& block : blocks_.Describe()) out.push_back("block not freed: " + block);
  for (const std::string& suite : suites_.Held()) out.push_back("suite not released: " + suite);
  if (app_.openContexts != 0) {
    out.push_back("application contexts not popped: " + std::to_string(app_.openContexts));
  }
  if (app_.strings.LiveCount() != 0) {
    out.push_back("host strings not disposed: " + std::to_string(app_.strings.LiveCount()));
  }
  if (app_.accessHolds != 0) {
    out.push_back("plug-in accesses not released: " + std::to_string(app_.accessHolds));
  }
  for (const auto& source : leftoverSources_) source(out);
  for (const MisbehaviourRecord& record : misbehaviour_) {
    out.push_back("misbehaviour: " + record.ToString());
  }
  return out;
}

void Host::SetClock(std::int64_t seconds) {
  SetEnvironment(kClockVariable, std::to_string(seconds));
  clockSet_ = true;
}

}  // namespace standin
