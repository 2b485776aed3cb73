// The plug-in's resources as the build compiled them, read once for all tests.
#ifndef KERFWORKS_TESTS_RESOURCES_BUILT_RESOURCES_H
#define KERFWORKS_TESTS_RESOURCES_BUILT_RESOURCES_H

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "standin/resources/resources.h"

namespace kwtest {

inline const std::string kResPath = KW_BINARY_DIR "/plugin-module/KerfworksPlugin.res";

inline const standin::Resources& Built() {
  static const standin::Resources resources = standin::Resources::FromResFile(kResPath);
  return resources;
}

inline std::vector<std::uint8_t> BuiltBytes() {
  std::ifstream in(kResPath, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace kwtest

#endif  // KERFWORKS_TESTS_RESOURCES_BUILT_RESOURCES_H
