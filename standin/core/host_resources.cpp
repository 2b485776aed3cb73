#include <filesystem>

#include "standin/core/host.h"
#include "standin/resources/resources.h"

namespace standin {

Language Host::UserLanguage() const {
  return options_.japanese ? Language::kJapanese : Language::kEnglish;
}

const Resources& Host::PluginResources() {
  if (!resources_) {
    std::string path = options_.resourcePath;
    if (path.empty()) {
      path = std::filesystem::path(options_.modulePath).replace_extension(".res").string();
    }
    resources_ = std::make_shared<Resources>(Resources::FromResFile(path));
  }
  return *resources_;
}

}  // namespace standin
