#include "standin/core/plugin_module.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace standin {

PluginModule::PluginModule(const std::string& path) : path_(path) {
#ifdef _WIN32
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) throw std::runtime_error("cannot load plug-in module " + path);
  handle_ = module;
  entry_ = reinterpret_cast<PluginMainProc>(
      reinterpret_cast<void*>(GetProcAddress(module, KW_PLUGIN_MAIN_NAME)));
  if (entry_ == nullptr) {
    FreeLibrary(module);
    throw std::runtime_error("plug-in module " + path + " exports no " KW_PLUGIN_MAIN_NAME);
  }
#else
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    throw std::runtime_error("cannot load plug-in module " + path + ": " + dlerror());
  }
  entry_ = reinterpret_cast<PluginMainProc>(dlsym(handle_, KW_PLUGIN_MAIN_NAME));
  if (entry_ == nullptr) {
    dlclose(handle_);
    throw std::runtime_error("plug-in module " + path + " exports no " KW_PLUGIN_MAIN_NAME);
  }
#endif
}

PluginModule::~PluginModule() {
#ifdef _WIN32
  FreeLibrary(static_cast<HMODULE>(handle_));
#else
  dlclose(handle_);
#endif
}

}  // namespace standin
