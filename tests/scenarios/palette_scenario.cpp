#include "scenarios/palette_scenario.h"

#include <stdexcept>

#include "hostapi/messages.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/document_view.h"

namespace kwtest {

ADMDialogRef PaletteScenario::Start(standin::Host& host) {
  EXPECT_EQ(host.Startup(), kNoErr);
  EXPECT_EQ(host.NotifyType(hostapi::kAIApplicationStartedNotifier), kNoErr);
  return standin::DialogUser(host).FindDialog(kPaletteName);
}

void PaletteScenario::Stop(standin::Host& host) {
  EXPECT_EQ(host.NotifyType(hostapi::kAIApplicationShutdownNotifier), kNoErr);
  EXPECT_EQ(host.Shutdown(), kNoErr);
  EXPECT_EQ(host.Leftovers(), std::vector<std::string>{});
  EXPECT_EQ(host.Dialogs().ScriptErrors(), std::vector<std::string>{});
}

const standin::ItemRecord& PaletteScenario::Item(standin::Host& host, ADMDialogRef palette,
                                                 int id) {
  const standin::ItemRecord* item = standin::DialogUser(host).Item(palette, id);
  if (item == nullptr) throw std::logic_error("the palette has no item " + std::to_string(id));
  return *item;
}

int PaletteScenario::PreviewInvalidations(standin::Host& host, ADMDialogRef palette) {
  return Item(host, palette, kPreviewItem).invalidations;
}

void PaletteScenario::OpenDocument(standin::Host& host) {
  standin::DocumentBuilder doc(host.Documents());
  doc.Page(595.2756f, 841.8898f);
  doc.Rectangle("box", 200, 300, 100, 100).Filled().Stroked().Selected();
}

std::size_t PaletteScenario::CropMarkCount(standin::Host& host) {
  return standin::DocumentView(host.Documents()).Tagged(kCropMarkTag).size();
}

int PaletteScenario::StoredInteger(standin::Host& host, const std::string& key) {
  return host.Preferences().Get<std::int32_t>(kPreferenceSection, key).value_or(-1);
}

void PaletteSession::TearDown() {
  End();
  user_.reset();
  host_.reset();
  PaletteScenario::TearDown();
}

void PaletteSession::Restart(standin::HostOptions options,
                             const std::function<void(standin::Host&)>& prepare) {
  End();
  user_.reset();
  host_.emplace(std::move(options));
  if (prepare) prepare(*host_);
  running_ = true;
  palette_ = Start(*host_);
  user_.emplace(*host_);
  ASSERT_NE(palette_, nullptr);
}

void PaletteSession::End() {
  if (!running_) return;
  running_ = false;
  Stop(*host_);
}

}  // namespace kwtest
