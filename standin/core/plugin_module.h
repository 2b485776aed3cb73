// The built plug-in module, loaded the way the drawing application loads it: by path, with its
// one export resolved by name.
#ifndef KERFWORKS_STANDIN_CORE_PLUGIN_MODULE_H
#define KERFWORKS_STANDIN_CORE_PLUGIN_MODULE_H

#include <string>

#include "hostapi/messages.h"

namespace standin {

class PluginModule {
 public:
  // Throws std::runtime_error naming the path when the module or its export cannot be had.
  explicit PluginModule(const std::string& path);
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;
  ~PluginModule();

  PluginMainProc Entry() const { return entry_; }
  // The OS's handle of the loaded module (what the host reports as the instance handle).
  void* Handle() const { return handle_; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  void* handle_ = nullptr;
  PluginMainProc entry_ = nullptr;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_CORE_PLUGIN_MODULE_H
