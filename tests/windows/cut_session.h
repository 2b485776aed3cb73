// A user's session with the real DLL under Wine: the palette opened, a document to cut, and what
// the cut left on the system (the cut file, the receiver's report, the plug-in's activity log).
#ifndef KERFWORKS_TESTS_WINDOWS_CUT_SESSION_H
#define KERFWORKS_TESTS_WINDOWS_CUT_SESSION_H

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "standin/core/environment.h"
#include "standin/core/host.h"
#include "standin/model/dialog_user.h"

namespace wintest {

inline constexpr int kCutButton = 16;
inline constexpr int kHelpFlyoutEntry = 2;
inline constexpr int kMissingApplicationMessage = 16234;
inline constexpr int kCutFileNotWrittenMessage = 16235;

class CutSessionTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the host, sends application-started (the palette is created, the registry read and the
  // cut file named) and puts a closed 100 x 50 rectangle at the origin into a new document.
  void OpenPalette(bool japanese = false);
  bool PressCut();
  bool PickFlyout(int entry);

  // The "~KW" files this session created in the system's temporary folder.
  std::vector<std::string> NewCutFiles() const;
  // Lines the plug-in logged at the platform seam ("file <path>", "start <command line>").
  std::vector<std::string> Activity() const;
  std::optional<std::string> WaitForReport() const;
  // A copy of the receiver in the temporary folder under `name`, deleted after the test.
  std::string ReceiverCopy(const std::string& name);

  standin::Host& Host() { return *host_; }
  standin::DialogUser& User() { return *user_; }

  std::string report_;
  std::string activityLog_;
  std::string shellLog_;

 private:
  std::set<std::string> cutFilesBefore_;
  std::vector<std::string> copies_;
  std::vector<std::unique_ptr<standin::ScopedEnvironment>> variables_;
  std::unique_ptr<standin::Host> host_;
  std::unique_ptr<standin::DialogUser> user_;
  ADMDialogRef palette_ = nullptr;
};

}  // namespace wintest

#endif  // KERFWORKS_TESTS_WINDOWS_CUT_SESSION_H
