// The host's action manager: parameter blocks the plug-in fills, and a record of every action it
// plays, with the parameters as they stood at the moment of the play.
#ifndef KERFWORKS_STANDIN_MODEL_ACTIONS_H
#define KERFWORKS_STANDIN_MODEL_ACTIONS_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/host_types.h"
#include "standin/core/handle_table.h"

namespace standin {

struct ActionParam {
  enum class Kind { kReal, kUnitReal, kEnumerated };
  Kind kind = Kind::kReal;
  std::uint32_t key = 0;
  std::uint32_t unit = 0;   // kUnitReal only
  float real = 0.0f;        // kReal and kUnitReal
  std::string name;         // kEnumerated only
  std::int32_t number = 0;  // kEnumerated only
};

// Setting a key again replaces its value, as the host does; the order of first setting is kept.
struct ActionParamBlock {
  std::vector<ActionParam> params;
  void Set(ActionParam param);
};

// What carrying out a play changed in the document, for reports.
struct ActionOutcome {
  int replaced = 0;                   // art taken out
  int added = 0;                      // art put in; a container counts once with what it holds
  bool cancelled = false;             // the user cancelled the action's dialog
  std::vector<std::string> warnings;  // what the host told the user (a font it had to replace)
};

struct ActionPlay {
  std::string eventName;
  std::int32_t dialogStatus = 0;
  // Empty when the play had no parameter block.
  std::optional<ActionParamBlock> parameters;
  ActionOutcome outcome;

  // The parameter of `key`, if the play had one.
  const ActionParam* Find(std::uint32_t key) const;
};

struct ActionManager {
  HandleTable<AIActionParamValueRef, ActionParamBlock> blocks;
  std::vector<ActionPlay> plays;
  // The answer of every play (a test can make the host's action fail or be cancelled).
  AIErr playResult = kNoErr;

  // "parameter blocks not deleted: n" when the plug-in left any.
  void DescribeLeftovers(std::vector<std::string>& out) const;
};

// The first four characters of `code` packed as a key or unit: "abcd" gives 'abcd'.
std::uint32_t FourCharCode(const char* code);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_ACTIONS_H
