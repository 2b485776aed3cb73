#include "tools/receiver/report.h"

#include <charconv>

namespace receiver {
namespace {

std::string Preamble(std::string_view filePath, const std::vector<std::string>& arguments) {
  std::string text = "file: " + std::string(filePath) + "\narguments:";
  for (const std::string& argument : arguments) text += " " + argument;
  return text + "\n";
}

std::string FormatNumbers(std::initializer_list<double> values) {
  std::string text;
  for (const double value : values) {
    if (!text.empty()) text += ' ';
    text += FormatNumber(value);
  }
  return text;
}

std::string DescribeFile(const CutFile& file) {
  std::string text = "status: ok\ncrop-marks: ";
  if (file.cropMarks) {
    const auto& marks = *file.cropMarks;
    text += FormatNumbers({marks[0], marks[1], marks[2], marks[3], marks[4], marks[5]});
  } else {
    text += "none";
  }
  text += "\npaths: " + std::to_string(file.paths.size()) + "\n";
  for (std::size_t i = 0; i < file.paths.size(); ++i) {
    const CutPath& path = file.paths[i];
    text += "path " + std::to_string(i + 1) + ": " + (path.closed ? "closed" : "open") +
            " segments " + std::to_string(path.SegmentCount()) + "\n";
  }
  text += "bbox: ";
  if (file.bounds) {
    const BoundingBox& box = *file.bounds;
    text += FormatNumbers({box.min.x, box.min.y, box.max.x, box.max.y});
  } else {
    text += "none";
  }
  return text + "\n";
}

}  // namespace

std::string FormatNumber(double value) {
  // Room for the largest double in fixed notation.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}

std::string FormatParseReport(std::string_view filePath, const std::vector<std::string>& arguments,
                              const ParseResult& result) {
  const std::string preamble = Preamble(filePath, arguments);
  if (const auto* file = std::get_if<CutFile>(&result)) return preamble + DescribeFile(*file);
  return preamble + "status: error\nerror: " + std::get<ParseError>(result).ToString() + "\n";
}

std::string FormatUsageReport(std::optional<std::string_view> filePath,
                              const std::vector<std::string>& arguments, std::string_view problem) {
  return Preamble(filePath.value_or("none"), arguments) +
         "status: usage-error\nerror: " + std::string(problem) + "\n";
}

}  // namespace receiver
