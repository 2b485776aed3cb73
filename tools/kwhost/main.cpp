// kwhost: runs the plug-in in the stand-in host on an SVG drawing.
#include <iostream>
#include <string>
#include <vector>

#include "tools/kwhost/heap_tuning.h"
#include "tools/kwhost/options.h"
#include "tools/kwhost/session.h"

int main(int argc, char** argv) {
  kwhost::TuneHeapForLargeDrawings();
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  kwhost::Options options;
  try {
    options = kwhost::ParseOptions(arguments);
  } catch (const kwhost::UsageError& error) {
    std::cerr << "kwhost: " << error.what() << "\n(kwhost --help tells how to use it)\n";
    return kwhost::kExitInputError;
  }
  if (options.help) {
    std::cout << kwhost::UsageText();
    return kwhost::kExitDone;
  }
  if (options.version) {
    std::cout << "kwhost " << KW_VERSION << "\n";
    return kwhost::kExitDone;
  }
  return kwhost::RunSession(options, std::cout, std::cerr);
}
