// The SVG reader on any text, and what it reads put into the stand-in's document as kwhost does:
// either that works or the reader throws ImportError, the one failure kwhost reports.
#include <string>
#include <utility>

#include "fuzz/fuzz_target.h"
#include "standin/model/document.h"
#include "tools/kwhost/drawing_loader.h"
#include "tools/kwhost/svg/svg_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  svg::Drawing drawing;
  try {
    drawing = svg::ImportSvgText(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const svg::ImportError&) {
    return 0;
  }
  standin::DocumentModel model;
  kwhost::LoadDrawing(std::move(drawing), model);
  return 0;
}
