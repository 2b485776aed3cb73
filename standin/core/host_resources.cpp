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
    resources_ = std::make_shared<Resources>(Resources::FromResFile(ResourcePath(options_)));
  }
  return *resources_;
}

}  // namespace standin
