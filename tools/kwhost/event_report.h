// What kwhost tells its user as it happens: every alert the plug-in shows, every action it
// plays, every file it writes, process it starts and document it opens.
#ifndef KERFWORKS_TOOLS_KWHOST_EVENT_REPORT_H
#define KERFWORKS_TOOLS_KWHOST_EVENT_REPORT_H

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "standin/core/host.h"

namespace kwhost {

class EventReport {
 public:
  // `activityLog` is the file the plug-in's OS layer notes its activity in (KW_ACTIVITY_LOG).
  EventReport(standin::Host& host, std::string activityLog, std::ostream& out);

  // Prints everything that happened since the last call.
  void PrintNew();
  bool ErrorAlertShown() const { return errorAlertShown_; }
  // What the last PrintNew saw the plug-in do to the system.
  const std::vector<std::string>& FilesWritten() const { return files_; }
  const std::vector<std::string>& ProcessesStarted() const { return starts_; }
  const std::vector<std::string>& ErrorAlerts() const { return errorAlerts_; }

 private:
  void PrintAlerts();
  void PrintActions();
  // What the host's own work behind a play changed, and what it warned of.
  void PrintOutcome(const standin::ActionOutcome& outcome);
  void PrintActivity();

  standin::Host& host_;
  std::string activityLog_;
  std::ostream& out_;
  std::size_t alertsSeen_ = 0;
  std::size_t playsSeen_ = 0;
  std::size_t activityBytesSeen_ = 0;
  bool errorAlertShown_ = false;
  std::vector<std::string> files_, starts_, errorAlerts_;
};

// "'xpnd'" for a four-character key.
std::string FourCharText(std::uint32_t code);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_EVENT_REPORT_H
