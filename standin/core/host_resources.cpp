#include <filesystem>

#include "standin/core/host.h"
#include "standin/resources/resources.h"

namespace standin {

Language Host::UserLanguage() const {
  return options_.japanese ? Language::kJapanese : Language::kEnglish;
}

std::string Host::ResourcePath(const HostOptions& options) {
  if (!options.resourcePath.empty()) return options.resourcePath;
  return std::filesystem::path(options.modulePath).replace_extension(".res").string();
}

const Resources& Host::PluginResources() {
  if (!resources_) {
#ifdef _WIN32
    // As the drawing application does: from the loaded module itself.
    if (options_.resourcePath.empty() && module_) {
      resources_ = std::make_shared<Resources>(
          Resources::FromModule(module_->Handle(), options_.modulePath));
      return *resources_;
    }
#endif
    resources_ = std::make_shared<Resources>(Resources::FromResFile(ResourcePath(options_)));
  }
  return *resources_;
}

}  // namespace standin
