// The plain-text report of kwreceiver, described in tools/receiver/README.md. Tests parse it, so
// its lines stay as they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/receiver/cut_file_reader.h"

namespace receiver {

// "%.6f" whatever the locale.
std::string FormatNumber(double value);

std::string FormatParseReport(std::string_view filePath, const std::vector<std::string>& arguments,
                              const ParseResult& result);

// For a command line that names no readable file; `filePath` is absent when it names none at all.
std::string FormatUsageReport(std::optional<std::string_view> filePath,
                              const std::vector<std::string>& arguments, std::string_view problem);

}  // namespace receiver
