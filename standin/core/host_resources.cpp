#include <filesystem>

#include "standin/core/host.h"
#include "standin/resources/resources.h"

namespace standin {

Language Host::UserLanguage() const {
  return options_.japanese ? Language::kJapanese : Language::kEnglish;
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
    std::string path = options_.resourcePath;
    if (path.empty()) {
      path = std::filesystem::path(options_.modulePath).replace_extension(".res").string();
    }
    resources_ = std::make_shared<Resources>(Resources::FromResFile(path));
  }
  return *resources_;
}

}  // namespace standin
