// kwreceiver -i FILE: stands in for the cutting application. Reads the cut file strictly and
// reports what it received; exit status 0 for a good file, 1 for a malformed one, 2 for a usage
// error.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "tools/receiver/cut_file_reader.h"
#include "tools/receiver/file_io.h"
#include "tools/receiver/report.h"

namespace {

constexpr int kGoodFile = 0;
constexpr int kMalformedFile = 1;
constexpr int kUsageError = 2;
constexpr const char* kReportVariable = "KW_RECEIVER_REPORT";

// Prints the report and leaves it where the test asked for it; a report that cannot be left
// there turns the run into a usage error, since the test would otherwise wait for it in vain.
int Deliver(const std::string& report, int status) {
  std::cout << report << std::flush;
  const char* reportPath = std::getenv(kReportVariable);
  if (reportPath != nullptr && *reportPath != '\0' &&
      !receiver::WriteFileAtomically(reportPath, report)) {
    std::cerr << "kwreceiver: cannot write the report to " << reportPath << "\n";
    return kUsageError;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.size() != 2 || arguments[0] != "-i") {
    std::cerr << "usage: kwreceiver -i FILE\n";
    return Deliver(receiver::FormatUsageReport(std::nullopt, arguments, "expected \"-i FILE\""),
                   kUsageError);
  }
  const std::string& path = arguments[1];
  const auto bytes = receiver::ReadWholeFile(path);
  if (!bytes) {
    std::cerr << "kwreceiver: cannot read " << path << "\n";
    return Deliver(receiver::FormatUsageReport(path, arguments, "cannot read the file"),
                   kUsageError);
  }
  const receiver::ParseResult result = receiver::ParseCutFile(*bytes);
  const int status = std::holds_alternative<receiver::CutFile>(result) ? kGoodFile : kMalformedFile;
  return Deliver(receiver::FormatParseReport(path, arguments, result), status);
}
