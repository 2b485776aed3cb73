// What the user does in a modal dialog, handed to the host before the run. The C++ form:
//   ModalScript().Pick(37, 4).Set(34, 12.345f).Press(1)
// The textual form, one run per line or separated by ';', steps separated by ',':
//   [dialog "NAME":] pick entry 4 of item 37, set item 34 to 12.345, set item 5 to "text",
//   press item 1
// A run that names its dialog expects that dialog; entries are counted from 0.
#ifndef KERFWORKS_STANDIN_MODEL_MODAL_SCRIPT_H
#define KERFWORKS_STANDIN_MODEL_MODAL_SCRIPT_H

#include <optional>
#include <string>
#include <vector>

namespace standin {

struct ScriptStep {
  enum class Kind { kPress, kPick, kSetValue, kSetText };
  Kind kind = Kind::kPress;
  int item = 0;
  int entry = 0;
  float value = 0.0f;
  std::string text;
  // The step in the textual form.
  std::string Describe() const;
};

struct ModalScript {
  std::optional<std::string> dialogName;
  std::vector<ScriptStep> steps;

  ModalScript& For(std::string name);
  ModalScript& Press(int item);
  ModalScript& Pick(int item, int entry);
  ModalScript& Set(int item, float value);
  ModalScript& SetText(int item, std::string text);
  std::string Describe() const;
};

// Throws std::invalid_argument naming the position and what was expected.
std::vector<ModalScript> ParseModalScripts(const std::string& text);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_MODAL_SCRIPT_H
