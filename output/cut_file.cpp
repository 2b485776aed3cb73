#include "output/cut_file.h"

#include <cstring>
#include <initializer_list>
#include <string_view>

#include "output/cut_line.h"
#include "output/settings.h"
#include "platform/platform.h"
#include "wrappers/ai_error.h"
#include "wrappers/host_block.h"
#include "wrappers/host_suites.h"

char gCutFilePath[kPathCapacity] = "";

namespace {

constexpr const char* kHeaderLines[] = {"%%EndComments", "%%BeginProlog", "%%EndProlog",
                                        "%%BeginSetup",  "%%EndSetup",    "%AI5_BeginLayer"};
constexpr const char* kTrailerLines[] = {"%AI5_EndLayer--", "%%PageTrailer", "%%Trailer", "%%EOF"};
constexpr char kFirstLine[] = "%!PS-Adobe-3.0";
constexpr char kCropMarkComment[] = "%%TalvexCropMark: ";
constexpr char kGroupBegin[] = "u";
constexpr char kMoveTo[] = "m";
constexpr char kCurveTo[] = "c";
constexpr char kClosedEnding[] = "s\r\nU\r\n";
constexpr char kOpenEnding[] = "S\r\nU\r\n";
constexpr char kSegmentBlockName[] = "test";

platform::File gCutFile = nullptr;
bool gCutFileFailed = false;
bool gCutFileComplete = false;

// Lines are collected and written in large pieces: one system write per line would cost many
// times what formatting the line does. The bytes on disk are the same.
constexpr std::size_t kPieceSize = 64 * 1024;
char gPending[kPieceSize + 1];
std::size_t gPendingSize = 0;

void Flush() {
  if (gPendingSize == 0) return;
  gPending[gPendingSize] = '\0';
  gPendingSize = 0;
  WriteCutText(gPending);
}

static_assert(CutLine::kCapacity < kPieceSize, "a line always fits a piece");

void Append(std::string_view text) {
  if (gPendingSize + text.size() > kPieceSize) Flush();
  std::memcpy(gPending + gPendingSize, text.data(), text.size());
  gPendingSize += text.size();
}

void WriteLine(const char* text) {
  Append(CutLine().Text(text).End().View());
}

void WriteCropMarkComment() {
  const CropMarkSettings& crop = gCropMarkSettings;
  CutLine line;
  line.Text(kCropMarkComment);
  for (const std::int32_t hundredths : {kCropMarkRadius, kCropMarkRadius, crop.horzDistance,
                                        crop.vertDistance, crop.leftMargin, crop.bottomMargin}) {
    line.Number(HundredthsToPoints(hundredths));
  }
  Append(line.End().View());
}

// A printed coordinate is the host's float plus the offset's float, added in double.
double Shifted(AIReal coordinate, AIReal offset) {
  return static_cast<double>(coordinate) + static_cast<double>(offset);
}

void WritePathBlock(const AIPathSegment* segments, int count, bool closed, AIReal dx, AIReal dy) {
  WriteLine(kGroupBegin);
  Append(CutLine()
             .Number(Shifted(segments[0].p.h, dx))
             .Number(Shifted(segments[0].p.v, dy))
             .Operator(kMoveTo)
             .End()
             .View());
  for (int i = 1; i < count; ++i) {
    const AIPathSegment& from = segments[i - 1];
    const AIPathSegment& to = segments[i];
    Append(CutLine()
               .Number(Shifted(from.out.h, dx))
               .Number(Shifted(from.out.v, dy))
               .Number(Shifted(to.in.h, dx))
               .Number(Shifted(to.in.v, dy))
               .Number(Shifted(to.p.h, dx))
               .Number(Shifted(to.p.v, dy))
               .Operator(kCurveTo)
               .End()
               .View());
  }
  Append(closed ? kClosedEnding : kOpenEnding);
}

}  // namespace

void BeginCutFile(bool hasCropMarks) {
  // A file left open by an interrupted command would stay locked for good.
  if (gCutFile != nullptr) platform::CloseFile(gCutFile);
  gCutFile = platform::CreateOutputFile(gCutFilePath);
  gCutFileFailed = gCutFile == nullptr;
  gPendingSize = 0;
  gCutFileComplete = false;
  WriteLine(kFirstLine);
  if (hasCropMarks) WriteCropMarkComment();
  for (const char* text : kHeaderLines) WriteLine(text);
}

void WriteCutPath(AIArtHandle art, AIReal dx, AIReal dy) {
  std::int16_t count = 0;
  if (sAIPath->GetPathSegmentCount(art, &count) != kNoErr || count <= 0) return;
  try {
    // One record more, for the closing copy of the first segment.
    const auto records = static_cast<std::size_t>(count) + 1;
    ai::HostBlock block(records * sizeof(AIPathSegment), kSegmentBlockName);
    auto* segments = block.As<AIPathSegment>();
    AIBoolean closed = 0;
    if (sAIPath->GetPathSegments(art, 0, count, segments) != kNoErr ||
        sAIPath->GetPathClosed(art, &closed) != kNoErr) {
      return;
    }
    int written = count;
    if (closed) segments[written++] = segments[0];
    WritePathBlock(segments, written, closed != 0, dx, dy);
  } catch (const ai::Error&) {
    // No segment array: the path is left out.
  }
}

void EndCutFile() {
  for (const char* text : kTrailerLines) WriteLine(text);
  Flush();
  if (gCutFile != nullptr && !platform::CloseFile(gCutFile)) gCutFileFailed = true;
  gCutFile = nullptr;
  gCutFileComplete = !gCutFileFailed;
}

void WriteCutText(const char* text) {
  if (gCutFile == nullptr || !platform::WriteToFile(gCutFile, text, std::strlen(text))) {
    gCutFileFailed = true;
  }
}

bool CutFileWritten() {
  return gCutFileComplete;
}
