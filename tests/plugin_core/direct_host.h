// A stand-in host without a module, for tests that call plug-in code themselves: it plays the
// message record and fills the plug-in's suite variables the way start-up would.
#ifndef KERFWORKS_TESTS_PLUGIN_CORE_DIRECT_HOST_H
#define KERFWORKS_TESTS_PLUGIN_CORE_DIRECT_HOST_H

#include <memory>

#include "plugin/suite_set.h"
#include "standin/core/host.h"
#include "wrappers/host_suites.h"

namespace kwtest {

class DirectHost {
 public:
  explicit DirectHost(bool japanese = false)
      : host_(standin::HostOptions{
            .modulePath = "", .resourcePath = ResourcePath(), .japanese = japanese}) {
    sSPBasic = host_.BasicSuite();
  }
  ~DirectHost() { sSPBasic = nullptr; }

  standin::Host& Host() { return host_; }

  // A message record as the host would pass it.
  SPMessageData Message() {
    SPMessageData message{};
    message.pluginRef = host_.PluginRef();
    message.basicSuite = host_.BasicSuite();
    return message;
  }

  static std::string ResourcePath() {
    return std::string(KW_BINARY_DIR) + "/plugin-module/KerfworksPlugin.res";
  }

 private:
  standin::Host host_;
};

}  // namespace kwtest

#endif  // KERFWORKS_TESTS_PLUGIN_CORE_DIRECT_HOST_H
