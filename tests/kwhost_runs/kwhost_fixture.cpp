#include "kwhost_fixture.h"

#include <chrono>
#include <fstream>
#include <sstream>

#include "tools/kwhost/options.h"
#include "tools/kwhost/session.h"

namespace kwtest {

namespace fs = std::filesystem;

const char kTwoLayerDrawing[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg"
    xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
    width="200pt" height="100pt" viewBox="0 0 200 100">
  <g inkscape:groupmode="layer" inkscape:label="Cut">
    <rect id="box" x="10" y="10" width="40" height="20"/>
    <circle id="dot" cx="100" cy="50" r="10" fill="none" stroke="#000"/>
    <g id="pair">
      <polygon id="t1" points="150,10 160,30 140,30"/>
      <polygon id="t2" points="170,10 180,30 160,30"/>
    </g>
  </g>
  <g inkscape:groupmode="layer" inkscape:label="Print">
    <rect id="backdrop" x="0" y="60" width="200" height="40"/>
    <text id="label" x="10" y="90">Hello</text>
  </g>
</svg>)svg";

void KwhostRun::SetUp() {
  scratch_.emplace("kw-kwhost", "tmp");
  scratch_->Set("KWHOST_PREFERENCES", (Folder() / "preferences.txt").string());
}

void KwhostRun::TearDown() {
  scratch_.reset();
}

std::string KwhostRun::Drawing(const std::string& svg, const std::string& name) {
  const fs::path path = Folder() / name;
  std::ofstream(path, std::ios::binary) << svg;
  return path.string();
}

void KwhostRun::RegisterReceiver() {
  scratch_->ExpectReceiver(KW_RECEIVER_PROGRAM);
}

void KwhostRun::SetEnv(const std::string& name, const std::optional<std::string>& value) {
  scratch_->Set(name, value);
}

RunResult KwhostRun::Run(std::vector<std::string> arguments) {
  fs::remove(scratch_->ReceiverReport());
  std::ostringstream out, err;
  RunResult result;
  try {
    result.status = kwhost::RunSession(kwhost::ParseOptions(arguments), out, err);
  } catch (const kwhost::UsageError& error) {
    err << "kwhost: " << error.what() << "\n";
    result.status = kwhost::kExitInputError;
  }
  result.out = out.str();
  result.err = err.str();
  return result;
}

std::string KwhostRun::ReceiverReport() {
  return scratch_->WaitForReport(std::chrono::seconds(10));
}

std::string KwhostRun::CutFilePath(const std::string& out) {
  const std::string marker = "cut file written: ";
  const auto at = out.find(marker);
  if (at == std::string::npos) return {};
  const auto end = out.find('\n', at);
  return out.substr(at + marker.size(), end - at - marker.size());
}

}  // namespace kwtest
