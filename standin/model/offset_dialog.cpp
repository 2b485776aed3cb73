#include "standin/model/offset_dialog.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "standin/model/dialog_system.h"

namespace standin {
namespace {

struct Unit {
  const char* name;
  double points;
};

// The drawing application counts a pixel as a point.
constexpr Unit kUnits[] = {{"pt", 1},         {"px", 1},         {"pc", 12},
                           {"mm", 72 / 25.4}, {"cm", 72 / 2.54}, {"in", 72}};

constexpr OffsetJoin kPopupOrder[] = {OffsetJoin::kMiter, OffsetJoin::kRound, OffsetJoin::kBevel};

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

std::string Format(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

// Applies one step; false with `error` set when it cannot be carried out.
bool Apply(const ScriptStep& step, OffsetSettings& settings, std::optional<bool>& confirmed,
           std::string& error) {
  switch (step.kind) {
    case ScriptStep::Kind::kPress:
      if (step.item == kOkItemId || step.item == kCancelItemId) {
        confirmed = step.item == kOkItemId;
        return true;
      }
      break;
    case ScriptStep::Kind::kPick:
      if (step.item == kJoinsPopup && JoinAtEntry(step.entry)) {
        settings.join = *JoinAtEntry(step.entry);
        return true;
      }
      break;
    case ScriptStep::Kind::kSetValue:
    case ScriptStep::Kind::kSetText: {
      const bool isText = step.kind == ScriptStep::Kind::kSetText;
      if (step.item == kOffsetField) {
        const auto length = isText ? ParseOffsetLength(step.text) : step.value;
        if (!length) {
          error = "\"" + step.text + "\" is not a length";
          return false;
        }
        settings.offset = *length;
        return true;
      }
      if (step.item == kMiterLimitField) {
        const auto limit = isText ? ParseOffsetLength(step.text) : step.value;
        if (!limit || *limit < 1 || *limit > 500) {
          error = "the miter limit must be a number from 1 to 500";
          return false;
        }
        settings.miterLimit = *limit;
        return true;
      }
      break;
    }
  }
  error = "the dialog has no such item";
  return false;
}

}  // namespace

const char* JoinName(OffsetJoin join) {
  switch (join) {
    case OffsetJoin::kRound:
      return "Round";
    case OffsetJoin::kBevel:
      return "Bevel";
    case OffsetJoin::kMiter:
      break;
  }
  return "Miter";
}

int JoinEntry(OffsetJoin join) {
  return static_cast<int>(std::find(std::begin(kPopupOrder), std::end(kPopupOrder), join) -
                          std::begin(kPopupOrder));
}

std::optional<OffsetJoin> JoinAtEntry(int entry) {
  if (entry < 0 || entry >= static_cast<int>(std::size(kPopupOrder))) return std::nullopt;
  return kPopupOrder[entry];
}

std::optional<OffsetJoin> JoinNamed(std::string_view name) {
  for (OffsetJoin join : kPopupOrder) {
    const std::string_view candidate = JoinName(join);
    if (std::equal(name.begin(), name.end(), candidate.begin(), candidate.end(),
                   [](char a, char b) { return std::tolower(a) == std::tolower(b); })) {
      return join;
    }
  }
  return std::nullopt;
}

std::optional<double> ParseOffsetLength(std::string_view text) {
  text = Trim(text);
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  const std::string_view unit = Trim(text.substr(static_cast<std::size_t>(end - text.data())));
  if (unit.empty()) return value;
  for (const Unit& known : kUnits) {
    if (unit == known.name) return value * known.points;
  }
  return std::nullopt;
}

std::optional<OffsetSettings> AskOffset(DialogSystem& dialogs, const OffsetSettings& preset) {
  ModalRun run;
  run.name = kOffsetDialogName;
  OffsetSettings settings = preset;
  std::optional<bool> confirmed;
  std::optional<ModalScript> script = dialogs.TakeModalScript();
  if (!script) {
    run.cancelledForLackOfScript = true;
  } else {
    if (script->dialogName && *script->dialogName != run.name) {
      dialogs.RecordScriptError("a script for \"" + *script->dialogName +
                                "\" was given to modal dialog \"" + run.name + "\"");
    }
    for (const ScriptStep& step : script->steps) {
      std::string error;
      if (confirmed) {
        dialogs.RecordScriptError("modal dialog \"" + run.name + "\" closed before \"" +
                                  step.Describe() + "\"");
        break;
      }
      ++run.stepsRun;
      if (!Apply(step, settings, confirmed, error)) {
        dialogs.RecordScriptError(std::string("\"").append(step.Describe()) + "\" in \"" +
                                  run.name + "\": " + error);
      }
    }
    if (!confirmed) {
      dialogs.RecordScriptError("the script left modal dialog \"" + run.name +
                                "\" open; pressed Cancel");
    }
  }
  const bool ok = confirmed.value_or(false);
  run.result = ok ? kOkItemId : kCancelItemId;
  run.closingTexts = {{kOffsetField, Format(settings.offset) + " pt"},
                      {kJoinsPopup, JoinName(settings.join)},
                      {kMiterLimitField, Format(settings.miterLimit)}};
  dialogs.RecordModalRun(std::move(run));
  if (!ok) return std::nullopt;
  return settings;
}

}  // namespace standin
