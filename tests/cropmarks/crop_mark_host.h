// A stand-in host with one open document, the plug-in's suites acquired into its suite variables,
// and readers that look at the result through the same suites.
#ifndef KERFWORKS_TESTS_CROPMARKS_CROP_MARK_HOST_H
#define KERFWORKS_TESTS_CROPMARKS_CROP_MARK_HOST_H

#include <string>
#include <vector>

#include "hostapi/suites.h"
#include "output/settings.h"
#include "support/plugin_host.h"

namespace cropmarks_test {

// The page height of an A4 page as the host's setup holds it.
inline constexpr float kA4Height = 841.889771f;

// One art object of the document as the suites report it.
struct Mark {
  AIArtHandle art = nullptr;
  short type = 0;
  bool tagged = false;
  std::string number;  // the tag's value
  bool locked = false;
  bool closed = false;
  std::vector<AIPathSegment> segments;
  AIPathStyle style{};
};

class CropMarkHost : public test_support::PluginHostTest {
 protected:
  void SetUp() override;

  // The current crop settings and the fixed radius, as LoadSettings leaves them.
  static void UseSettings(CropMarkSettings settings);

  // The document's page height and ruler origin (page coordinates).
  void SetPage(float height, AIRealPoint rulerOrigin);
  // Closes the document: no current document afterwards.
  void CloseDocument();
  int Redraws();

  // Every art object of the document, in the host's order.
  std::vector<Mark> Art();
  // The tagged art, by mark number.
  std::vector<Mark> MarksByNumber();

  // A user's path, optionally carrying the crop-mark tag, inside `parent` when given.
  AIArtHandle AddUserPath(bool tagged, AIArtHandle parent = nullptr);
  AIArtHandle AddUserGroup(bool tagged);
};

}  // namespace cropmarks_test

#endif  // KERFWORKS_TESTS_CROPMARKS_CROP_MARK_HOST_H
