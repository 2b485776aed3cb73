// What the host knows of the plug-in outside documents and dialogs: its registered name and
// options, file accesses, notifiers, application contexts, host strings and the alerts it showed.
#ifndef KERFWORKS_STANDIN_MODEL_APP_STATE_H
#define KERFWORKS_STANDIN_MODEL_APP_STATE_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/host_types.h"
#include "standin/core/handle_table.h"
#include "standin/model/actions.h"

namespace standin {

struct Alert {
  enum class Kind { kError, kMessage, kAbout };
  Kind kind;
  std::string title;  // about boxes only
  std::string text;
};

struct NotifierRecord {
  std::string name;
  std::string type;
  bool active = true;
};

struct UnicodeString {
  std::string utf8;
};

struct AppState {
  std::string pluginName;
  std::int32_t pluginOptions = 0;
  int setPluginOptionsCalls = 0;
  int accessHolds = 0;
  int openContexts = 0;
  int contextPushes = 0;
  // What the AI Runtime Suite reports as the host's major version.
  std::int32_t appMajorVersion = 16;
  ASRect paletteLayoutBounds{0, 0, 1600, 1000};

  HandleTable<AINotifierHandle, NotifierRecord> notifiers;
  // Registration order of the notifier handles.
  std::vector<AINotifierHandle> notifierOrder;
  HandleTable<AIUnicodeStringHandle, UnicodeString> strings;
  std::vector<Alert> alerts;
  ActionManager actions;

  // The first notifier registered with `type`, if any.
  std::optional<AINotifierHandle> FindNotifier(const std::string& type) const;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_APP_STATE_H
