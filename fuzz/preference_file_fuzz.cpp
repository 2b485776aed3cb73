// The preference file on any bytes: read into a store or refused with PreferenceFileError; what
// was read, written out and read back, writes out the same again.
#include <cstdlib>
#include <sstream>
#include <string>

#include "fuzz/fuzz_target.h"
#include "standin/model/preference_store.h"
#include "tools/kwhost/preference_file.h"

namespace {

std::string Written(const standin::PreferenceStore& store) {
  std::ostringstream out;
  kwhost::WritePreferences(out, store);
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  standin::PreferenceStore store;
  try {
    kwhost::ReadPreferences(in, "input", store);
  } catch (const kwhost::PreferenceFileError&) {
    return 0;
  }
  const std::string first = Written(store);
  std::istringstream again(first);
  standin::PreferenceStore reread;
  kwhost::ReadPreferences(again, "written", reread);
  if (Written(reread) != first) std::abort();
  return 0;
}
