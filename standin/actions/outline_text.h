// Outline text: every selected text becomes a group of compound paths, one per glyph with ink,
// painted as the text was, in the text's place.
#ifndef KERFWORKS_STANDIN_ACTIONS_OUTLINE_TEXT_H
#define KERFWORKS_STANDIN_ACTIONS_OUTLINE_TEXT_H

#include <string>
#include <vector>

#include "standin/actions/host_action.h"
#include "standin/model/document.h"

namespace standin {

// One glyph's outline on the page: closed subpaths of Bézier segments.
using GlyphOutline = std::vector<std::vector<AIPathSegment>>;

// The glyphs of a text laid out from its runs with the system's fonts. A run whose fonts are all
// missing is set in the fallback font, and `warnings` says so.
std::vector<GlyphOutline> TextGlyphs(const ArtObject& text, const std::string& textName,
                                     std::vector<std::string>& warnings);

class OutlineTextAction : public HostAction {
 public:
  AIErr Play(ActionPlay& play, Host& host) const override;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_ACTIONS_OUTLINE_TEXT_H
