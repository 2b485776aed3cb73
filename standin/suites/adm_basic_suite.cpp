#include <algorithm>
#include <cstring>
#include <string>

#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/resources/resources.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMBasicSuite;

void CopyCut(const std::string& text, char* buffer, int32_t capacity) {
  const auto n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(capacity - 1));
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

// Entry `index` of list `listId` is the string resource listId + index, in the user's language.
ASErr KW_API GetIndexedString(SPPluginRef plugin, int32_t listId, int32_t index, char* buffer,
                              int32_t capacity) {
  KW_SUITE_CALL();
  Host& host = Host::Current();
  if (buffer == nullptr || capacity <= 0) {
    host.RecordMisbehaviour("ADM Basic Suite::GetIndexedString", "no buffer");
    return kBadParameterErr;
  }
  buffer[0] = '\0';
  if (plugin != host.PluginRef()) {
    host.RecordMisbehaviour("ADM Basic Suite::GetIndexedString", "unknown plug-in reference");
    return kBadParameterErr;
  }
  const std::optional<std::string> text =
      host.PluginResources().String(listId + index, host.UserLanguage());
  if (!text) return kTagNotFoundErr;
  CopyCut(*text, buffer, capacity);
  return kNoErr;
}

void KW_API Beep() {
  KW_SUITE_CALL_OR();
}

void RecordAlert(const char* function, Alert::Kind kind, const char* title, const char* text) {
  Host& host = Host::Current();
  if (text == nullptr) {
    host.RecordMisbehaviour(std::string("ADM Basic Suite::") + function, "no text");
    return;
  }
  host.App().alerts.push_back(Alert{kind, title == nullptr ? "" : title, text});
}

void KW_API MessageAlert(const char* text) {
  KW_SUITE_CALL_OR();
  RecordAlert("MessageAlert", Alert::Kind::kMessage, nullptr, text);
}

void KW_API ErrorAlert(const char* text) {
  KW_SUITE_CALL_OR();
  RecordAlert("ErrorAlert", Alert::Kind::kError, nullptr, text);
}

void KW_API GetPaletteLayoutBounds(ASRect* bounds) {
  KW_SUITE_CALL_OR();
  if (bounds == nullptr) {
    Host::Current().RecordMisbehaviour("ADM Basic Suite::GetPaletteLayoutBounds", "no rectangle");
    return;
  }
  *bounds = Host::Current().App().paletteLayoutBounds;
}

void KW_API AboutBox(SPPluginRef plugin, const char* title, const char* text) {
  KW_SUITE_CALL_OR();
  if (plugin != Host::Current().PluginRef()) {
    Host::Current().RecordMisbehaviour("ADM Basic Suite::AboutBox", "unknown plug-in reference");
    return;
  }
  RecordAlert("AboutBox", Alert::Kind::kAbout, title, text);
}

}  // namespace

const ADMBasicSuite* ADMBasicSuiteTable() {
  static const ADMBasicSuite table = {
      &GetIndexedString,
      &Beep,
      &MessageAlert,
      &ErrorAlert,
      &GetPaletteLayoutBounds,
      {&ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot},
      &AboutBox,
  };
  return &table;
}

}  // namespace standin
