#include "tools/receiver/cut_file_reader.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "tools/receiver/line_reader.h"
#include "tools/receiver/printed_number.h"
#include "tools/receiver/reader_fault.h"

namespace receiver {
namespace {

constexpr std::string_view kFirstLine = "%!PS-Adobe-3.0";
constexpr std::string_view kCropMarkPrefix = "%%TalvexCropMark: ";
constexpr std::string_view kEndComments = "%%EndComments";
constexpr std::array<std::string_view, 5> kHeaderAfterComments = {
    "%%BeginProlog", "%%EndProlog", "%%BeginSetup", "%%EndSetup", "%AI5_BeginLayer"};
constexpr std::string_view kLayerEnd = "%AI5_EndLayer--";
constexpr std::array<std::string_view, 3> kTrailerAfterLayer = {"%%PageTrailer", "%%Trailer",
                                                                "%%EOF"};
constexpr std::string_view kGroupBegin = "u";
constexpr std::string_view kGroupEnd = "U";
constexpr std::string_view kMoveTo = "m";
constexpr std::string_view kCurveTo = "c";
constexpr std::string_view kCloseAndStroke = "s";
constexpr std::string_view kStroke = "S";
constexpr std::array<std::string_view, 6> kOperators = {kGroupBegin, kGroupEnd,       kMoveTo,
                                                        kCurveTo,    kCloseAndStroke, kStroke};
constexpr std::size_t kCropMarkValues = 6;

// "x1 y1 ... op": numbers are checked only once the operator is known to be the one wanted.
struct OperatorLine {
  int line = 0;
  std::string_view text;
  std::vector<std::string_view> fields;

  std::string_view Operator() const { return fields.back(); }

  std::vector<double> Numbers(std::size_t wanted) const {
    const std::size_t count = fields.size() - 1;
    if (count != wanted) {
      throw ReaderFault{line, QuoteForMessage(Operator()) + " takes " + std::to_string(wanted) +
                                  " numbers, found " + std::to_string(count)};
    }
    std::vector<double> numbers;
    for (std::size_t i = 0; i < count; ++i) numbers.push_back(ParsePrintedNumber(fields[i], line));
    return numbers;
  }
};

class Parser {
 public:
  explicit Parser(std::string_view bytes) : lines_(bytes) {}

  CutFile Parse() {
    CutFile file;
    ExpectExactly(kFirstLine);
    // A misspelt crop-mark comment is reported as such, not as a wrong "%%EndComments".
    const std::string_view second = lines_.Next(QuoteForMessage(kEndComments));
    if (second.starts_with(kCropMarkPrefix.substr(0, kCropMarkPrefix.find(':')))) {
      file.cropMarks = ParseCropMarks(second);
      ExpectExactly(kEndComments);
    } else {
      CheckExactly(second, kEndComments);
    }
    for (const std::string_view line : kHeaderAfterComments) ExpectExactly(line);
    const std::string layerContent =
        QuoteForMessage(kGroupBegin) + " or " + QuoteForMessage(kLayerEnd);
    for (;;) {
      const std::string_view text = lines_.Next(layerContent);
      if (text == kLayerEnd) break;
      if (text != kGroupBegin) Unexpected(layerContent, text);
      file.paths.push_back(ParsePath());
    }
    for (const std::string_view line : kTrailerAfterLayer) ExpectExactly(line);
    if (!lines_.AtEnd()) {
      throw ReaderFault{lines_.LineNumber() + 1,
                        "unexpected text after " + QuoteForMessage(kTrailerAfterLayer.back())};
    }
    file.lineCount = lines_.LineNumber();
    return file;
  }

 private:
  [[noreturn]] void Unexpected(std::string_view expected, std::string_view found) const {
    throw ReaderFault{lines_.LineNumber(),
                      "expected " + std::string(expected) + ", found " + QuoteForMessage(found)};
  }

  void CheckExactly(std::string_view text, std::string_view expected) const {
    if (text != expected) Unexpected(QuoteForMessage(expected), text);
  }

  void ExpectExactly(std::string_view expected) {
    CheckExactly(lines_.Next(QuoteForMessage(expected)), expected);
  }

  std::array<double, kCropMarkValues> ParseCropMarks(std::string_view text) const {
    const int line = lines_.LineNumber();
    if (!text.starts_with(kCropMarkPrefix)) {
      throw ReaderFault{line,
                        "crop-mark comment must begin with " + QuoteForMessage(kCropMarkPrefix)};
    }
    const auto fields = SplitFields(text.substr(kCropMarkPrefix.size()), line);
    if (fields.size() != kCropMarkValues) {
      throw ReaderFault{line, "crop-mark comment takes " + std::to_string(kCropMarkValues) +
                                  " numbers, found " + std::to_string(fields.size())};
    }
    std::array<double, kCropMarkValues> values{};
    for (std::size_t i = 0; i < kCropMarkValues; ++i)
      values[i] = ParsePrintedNumber(fields[i], line);
    return values;
  }

  OperatorLine NextOperatorLine(std::string_view expected) {
    OperatorLine parsed;
    parsed.text = lines_.Next(expected);
    parsed.line = lines_.LineNumber();
    parsed.fields = SplitFields(parsed.text, parsed.line);
    const std::string_view op = parsed.Operator();
    if (LooksLikeNumber(op)) throw ReaderFault{parsed.line, "missing operator at end of line"};
    const bool known = std::find(kOperators.begin(), kOperators.end(), op) != kOperators.end();
    if (!known && parsed.fields.size() > 1) {
      throw ReaderFault{parsed.line, "unknown operator " + QuoteForMessage(op)};
    }
    return parsed;
  }

  CutPath ParsePath() {
    CutPath path;
    const std::string moveLine = "a move line \"x y m\"";
    const OperatorLine move = NextOperatorLine(moveLine);
    if (move.Operator() != kMoveTo) Unexpected(moveLine, move.text);
    const auto start = move.Numbers(2);
    path.start = {start[0], start[1]};

    const std::string curveOrEnd = "a curve line \"x1 y1 x2 y2 x3 y3 c\", \"s\" or \"S\"";
    int lastCurveLine = 0;
    for (;;) {
      const OperatorLine next = NextOperatorLine(curveOrEnd);
      if (next.Operator() == kCurveTo) {
        const auto n = next.Numbers(6);
        path.curves.push_back({{n[0], n[1]}, {n[2], n[3]}, {n[4], n[5]}});
        lastCurveLine = next.line;
      } else if (next.Operator() == kCloseAndStroke || next.Operator() == kStroke) {
        next.Numbers(0);
        path.closed = next.Operator() == kCloseAndStroke;
        break;
      } else {
        Unexpected(curveOrEnd, next.text);
      }
    }
    if (path.closed) CheckClosure(path, lastCurveLine);
    ExpectExactly(kGroupEnd);
    return path;
  }

  // The writer closes a path with a copy of its first segment; without it the last edge is lost.
  void CheckClosure(const CutPath& path, int lastCurveLine) const {
    if (path.curves.empty()) {
      throw ReaderFault{lines_.LineNumber(), "closed path has no curve back to its first anchor"};
    }
    if (path.curves.back().anchor != path.start) {
      throw ReaderFault{lastCurveLine, "closed path's last curve does not end at its first anchor"};
    }
  }

  LineReader lines_;
};

void Extend(std::optional<BoundingBox>& box, Point point) {
  if (!box) {
    box = BoundingBox{point, point};
    return;
  }
  box->min = {std::min(box->min.x, point.x), std::min(box->min.y, point.y)};
  box->max = {std::max(box->max.x, point.x), std::max(box->max.y, point.y)};
}

std::optional<BoundingBox> BoundsOf(const std::vector<CutPath>& paths) {
  std::optional<BoundingBox> box;
  for (const CutPath& path : paths) {
    Extend(box, path.start);
    for (const Curve& curve : path.curves) {
      Extend(box, curve.outHandle);
      Extend(box, curve.inHandle);
      Extend(box, curve.anchor);
    }
  }
  return box;
}

}  // namespace

int CutPath::SegmentCount() const {
  const int printedAnchors = static_cast<int>(curves.size()) + 1;
  return closed ? printedAnchors - 1 : printedAnchors;
}

std::vector<Point> CutPath::Anchors() const {
  std::vector<Point> anchors{start};
  for (const Curve& curve : curves) anchors.push_back(curve.anchor);
  if (closed) anchors.pop_back();
  return anchors;
}

std::string ParseError::ToString() const {
  return "line " + std::to_string(line) + ": " + message;
}

ParseResult ParseCutFile(std::string_view bytes) {
  try {
    CutFile file = Parser(bytes).Parse();
    file.bounds = BoundsOf(file.paths);
    return file;
  } catch (const ReaderFault& fault) {
    return ParseError{fault.line, fault.message};
  }
}

}  // namespace receiver
