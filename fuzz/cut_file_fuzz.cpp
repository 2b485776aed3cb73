// The receiver's cut-file reader and its report on any bytes: a cut file or a line-numbered
// error, and a report either way.
#include <cstdlib>
#include <string_view>

#include "fuzz/fuzz_target.h"
#include "tools/receiver/cut_file_reader.h"
#include "tools/receiver/report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const receiver::ParseResult result = receiver::ParseCutFile(bytes);
  if (const auto* file = std::get_if<receiver::CutFile>(&result)) {
    // Bounds exist exactly when some path was read.
    if (file->paths.empty() == file->bounds.has_value()) std::abort();
  } else if (std::get<receiver::ParseError>(result).line < 1) {
    std::abort();
  }
  receiver::FormatParseReport("input.cut", {"-i", "input.cut"}, result);
  return 0;
}
