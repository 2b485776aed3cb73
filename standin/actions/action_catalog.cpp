// The action manager's dispatch: each event the stand-in carries out has one action behind it.
#include <string_view>

#include "standin/actions/merge_paths.h"
#include "standin/actions/offset_path.h"
#include "standin/actions/outline_stroke.h"
#include "standin/actions/outline_text.h"
#include "standin/model/host_actions.h"

namespace standin {
namespace {

struct CatalogEntry {
  std::string_view event;
  const HostAction& action;
};

const HostAction* FindAction(std::string_view event) {
  static const OutlineTextAction outlineText;
  static const OutlineStrokeAction outlineStroke;
  static const MergePathsAction merge;
  static const OffsetPathAction offset;
  static const CatalogEntry catalog[] = {{"adobe_createOutline", outlineText},
                                         {"ai_plugin_outline", outlineStroke},
                                         {"ai_plugin_pathfinder", merge},
                                         {"ai_plugin_offset", offset}};
  for (const CatalogEntry& entry : catalog) {
    if (entry.event == event) return &entry.action;
  }
  return nullptr;
}

}  // namespace

AIErr CarryOutAction(ActionPlay& play, Host& host) {
  const HostAction* action = FindAction(play.eventName);
  return action == nullptr ? kNoErr : action->Play(play, host);
}

}  // namespace standin
