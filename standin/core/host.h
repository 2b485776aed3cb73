// The stand-in host: loads the plug-in module, offers it every suite over in-memory models, sends
// it the host's messages, and keeps the books of what the plug-in holds and did.
//
// One host is current at a time (suite functions are plain C functions and find it through
// Host::Current()). Everything runs on the calling thread, as in the drawing application.
#ifndef KERFWORKS_STANDIN_CORE_HOST_H
#define KERFWORKS_STANDIN_CORE_HOST_H

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "hostapi/messages.h"
#include "standin/core/block_heap.h"
#include "standin/core/call_gate.h"
#include "standin/core/plugin_module.h"
#include "standin/core/suite_registry.h"
#include "standin/model/app_state.h"
#include "standin/model/document.h"
#include "standin/model/preference_store.h"

namespace standin {

class Resources;
enum class Language : std::uint16_t;
class DialogSystem;
struct MenuModel;

// Where the plug-in is in its life, as the host sees it.
enum class PluginState { kNotLoaded, kStarted, kApplicationStarted, kUnloaded, kShutDown };
const char* PluginStateName(PluginState state);

// One thing the plug-in (or a message sent against the rules) did wrong.
struct MisbehaviourRecord {
  std::uint64_t callNumber;  // the host call being made, or the last one before (0: none yet)
  std::string call;          // "Suite::Function", or the message "caller/selector"
  PluginState state;
  std::string what;
  // "call #N Suite::Function (state): what"
  std::string ToString() const;
};

struct HostOptions {
  // Empty: no module is loaded, for tests that link plug-in code directly and call it themselves.
  std::string modulePath = KW_PLUGIN_MODULE_PATH;
  // Empty: the module path with its extension replaced by ".res".
  std::string resourcePath;
  bool japanese = false;
};

class Host {
 public:
  explicit Host(HostOptions options = {});
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;
  ~Host();

  // The current host; aborts when there is none (a suite called without a host is a bug).
  static Host& Current();

  // --- Messages to the plug-in -------------------------------------------------------------
  // Sends one message; the record's leading fields are filled in here. Returns the plug-in's code.
  // A message the host would not send in the plug-in's state is sent, and recorded as
  // misbehaviour. Start-up, shut-down, unload, reload and application started move the state on.
  ASErr Send(const char* caller, const char* selector, SPMessageData* message);
  ASErr Send(const char* caller, const char* selector);
  ASErr Startup();
  ASErr Shutdown();
  ASErr Unload();
  ASErr Reload();
  ASErr Notify(AINotifierHandle notifier, const char* type,
               const char* selector = hostapi::kAINotifySelector);
  // Fires the first notifier registered for `type`; kBadParameterErr when there is none.
  ASErr NotifyType(const char* type);
  ASErr Menu(AIMenuItemHandle item, const char* selector);

  void* Globals() const { return globals_; }
  SPPluginRef PluginRef() const;
  // Only for a host made with a module.
  const PluginModule& Module() const { return *module_; }
  bool HasModule() const { return module_ != nullptr; }
  SPBasicSuite* BasicSuite();

  // Runs `body` as the host calling into the plug-in (a callback of a dialog, say): suite calls
  // made from inside count as made within a host call.
  void AsHostCall(const std::function<void()>& body);
  bool InHostCall() const { return callDepth_ > 0; }
  // A host without a module stands for a started plug-in: the test plays it.
  PluginState State() const { return state_; }

  // --- Bookkeeping ----------------------------------------------------------------------------
  // The counting point of every suite function (see KW_SUITE_CALL): records a call made outside
  // any host call, before start-up or after shut-down, or through a suite the plug-in does not
  // hold. Returns the injected failure, if any.
  ASErr Enter(const SuiteCall& call);
  CallGate& Gate() { return gate_; }
  BlockHeap& Blocks() { return blocks_; }
  SuiteRegistry& Suites() { return suites_; }
  // Recorded against the current call number and state.
  void RecordMisbehaviour(const std::string& call, const std::string& what);
  void RecordMisbehaviour(const SuiteCall& call, const std::string& what) {
    RecordMisbehaviour(call.Name(), what);
  }
  const std::vector<MisbehaviourRecord>& MisbehaviourRecords() const { return misbehaviour_; }
  // The records, one readable line each.
  std::vector<std::string> Misbehaviour() const;
  // Registers a model's contribution to Leftovers.
  void AddLeftoverSource(std::function<void(std::vector<std::string>&)> source);
  // Everything the plug-in left behind (blocks, suites, contexts, strings, lists, ...) and every
  // misbehaviour recorded. Empty after a clean session.
  std::vector<std::string> Leftovers() const;

  // --- Settings of the host ---------------------------------------------------------------------
  // The wall clock the plug-in sees, in seconds since 1970.
  void SetClock(std::int64_t seconds);
  bool Japanese() const { return options_.japanese; }
  void SetJapanese(bool japanese) { options_.japanese = japanese; }
  Language UserLanguage() const;
  // The plug-in's compiled resources, read on first use; throws when they cannot be read.
  const Resources& PluginResources();
  // Where they are read from: the resource path option, else the module path with its extension
  // replaced by ".res".
  static std::string ResourcePath(const HostOptions& options);

  AppState& App() { return app_; }
  DialogSystem& Dialogs() { return *dialogs_; }
  MenuModel& Menus() { return *menus_; }
  DocumentModel& Documents() { return documents_; }
  PreferenceStore& Preferences() { return preferences_; }

 private:
  HostOptions options_;
  std::unique_ptr<PluginModule> module_;
  std::shared_ptr<Resources> resources_;  // shared: its type is complete only where it is read
  CallGate gate_;
  BlockHeap blocks_;
  SuiteRegistry suites_;
  AppState app_;
  DocumentModel documents_;
  PreferenceStore preferences_;
  std::vector<MisbehaviourRecord> misbehaviour_;
  std::vector<std::function<void(std::vector<std::string>&)>> leftoverSources_;
  std::unique_ptr<DialogSystem> dialogs_;
  std::unique_ptr<MenuModel> menus_;
  void* globals_ = nullptr;
  int callDepth_ = 0;
  PluginState state_;
  PluginState stateBeforeUnload_ = PluginState::kStarted;
  bool clockSet_ = false;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_CORE_HOST_H
