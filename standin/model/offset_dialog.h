// The host's own dialog of the offset action, as a modal script sees it:
//   item 3 "Offset" (text, a length: "5 mm", "14.1732 pt", "0.2in"; a bare number is points, as
//          is a value set with Set), item 4 "Joins" (popup: 0 "Miter", 1 "Round", 2 "Bevel"),
//   item 5 "Miter limit" (a number, times the offset), OK (1) and Cancel (2).
// It opens preset with the play's parameters and takes the next queued modal script; with none
// left it is cancelled, as every modal run is.
#ifndef KERFWORKS_STANDIN_MODEL_OFFSET_DIALOG_H
#define KERFWORKS_STANDIN_MODEL_OFFSET_DIALOG_H

#include <optional>
#include <string>
#include <string_view>

namespace standin {

class DialogSystem;

inline constexpr char kOffsetDialogName[] = "Offset Path";
inline constexpr int kOffsetField = 3, kJoinsPopup = 4, kMiterLimitField = 5;

// The join codes of the action's 'jntp' parameter.
enum class OffsetJoin { kRound = 0, kBevel = 1, kMiter = 2 };

struct OffsetSettings {
  double offset = 0;  // points; negative shrinks
  OffsetJoin join = OffsetJoin::kMiter;
  double miterLimit = 4;
};

// "Miter", "Round" or "Bevel"; the popup's entry of a join and back.
const char* JoinName(OffsetJoin join);
int JoinEntry(OffsetJoin join);
std::optional<OffsetJoin> JoinAtEntry(int entry);
std::optional<OffsetJoin> JoinNamed(std::string_view name);  // any letter case

// A length as the offset field reads it, in points; none when it is not one.
std::optional<double> ParseOffsetLength(std::string_view text);

// Runs the dialog; the settings confirmed, or none when cancelled. The run is kept with the
// dialog system's modal runs, and a script it cannot carry out with its script errors.
std::optional<OffsetSettings> AskOffset(DialogSystem& dialogs, const OffsetSettings& preset);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_OFFSET_DIALOG_H
