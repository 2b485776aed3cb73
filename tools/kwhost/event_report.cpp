#include "tools/kwhost/event_report.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace kwhost {
namespace {

std::string Real(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
  return text;
}

std::string Describe(const standin::ActionParam& param) {
  std::string text = FourCharText(param.key) + "=";
  switch (param.kind) {
    case standin::ActionParam::Kind::kReal:
      return text + Real(param.real);
    case standin::ActionParam::Kind::kUnitReal:
      return text + Real(param.real) + " " + FourCharText(param.unit);
    case standin::ActionParam::Kind::kEnumerated:
      return text + "\"" + param.name + "\" " + std::to_string(param.number);
  }
  return text;
}

}  // namespace

std::string FourCharText(std::uint32_t code) {
  std::string text = "'";
  for (int shift = 24; shift >= 0; shift -= 8) text += static_cast<char>((code >> shift) & 0xFF);
  return text + "'";
}

EventReport::EventReport(standin::Host& host, std::string activityLog, std::ostream& out)
    : host_(host), activityLog_(std::move(activityLog)), out_(out) {}

void EventReport::PrintNew() {
  files_.clear();
  starts_.clear();
  errorAlerts_.clear();
  PrintAlerts();
  PrintActions();
  PrintActivity();
  out_.flush();
}

void EventReport::PrintAlerts() {
  const auto& alerts = host_.App().alerts;
  for (; alertsSeen_ < alerts.size(); ++alertsSeen_) {
    const standin::Alert& alert = alerts[alertsSeen_];
    switch (alert.kind) {
      case standin::Alert::Kind::kError:
        errorAlertShown_ = true;
        errorAlerts_.push_back(alert.text);
        out_ << "  error alert: " << alert.text << "\n";
        break;
      case standin::Alert::Kind::kMessage:
        out_ << "  message: " << alert.text << "\n";
        break;
      case standin::Alert::Kind::kAbout:
        out_ << "  about box: " << alert.title << ": " << alert.text << "\n";
        break;
    }
  }
}

void EventReport::PrintActions() {
  const auto& plays = host_.App().actions.plays;
  for (; playsSeen_ < plays.size(); ++playsSeen_) {
    const standin::ActionPlay& play = plays[playsSeen_];
    out_ << "  action played: " << play.eventName << ", dialog status " << play.dialogStatus;
    if (play.parameters) {
      for (const auto& param : play.parameters->params) out_ << ", " << Describe(param);
    }
    out_ << "\n";
    PrintOutcome(play.outcome);
  }
}

void EventReport::PrintOutcome(const standin::ActionOutcome& outcome) {
  for (const std::string& warning : outcome.warnings) out_ << "  host warning: " << warning << "\n";
  if (outcome.cancelled) {
    out_ << "  action cancelled in its dialog: nothing changed\n";
  } else if (outcome.replaced != 0 || outcome.added != 0) {
    out_ << "  action changed the document: " << outcome.replaced << " replaced, " << outcome.added
         << " added\n";
  }
}

void EventReport::PrintActivity() {
  std::ifstream in(activityLog_, std::ios::binary);
  if (!in) return;
  in.seekg(static_cast<std::streamoff>(activityBytesSeen_));
  std::string line;
  while (std::getline(in, line)) {
    activityBytesSeen_ += line.size() + 1;
    const auto space = line.find(' ');
    const std::string kind = line.substr(0, space);
    const std::string what = space == std::string::npos ? "" : line.substr(space + 1);
    if (kind == "file") {
      files_.push_back(what);
      out_ << "  cut file written: " << what << "\n";
    } else if (kind == "start") {
      starts_.push_back(what);
      out_ << "  process started: " << what << "\n";
    } else if (kind == "shell") {
      out_ << "  document opened: " << what << "\n";
    } else {
      out_ << "  " << line << "\n";
    }
  }
}

}  // namespace kwhost
