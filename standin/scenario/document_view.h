// Reads the host's current document back for a test: art by the name the test gave it, what the
// plug-in made (found by type or tag), segments, styles, tags and attributes. Asking for what is
// not there (no document, no such name, a disposed handle) throws std::logic_error.
#ifndef KERFWORKS_STANDIN_SCENARIO_DOCUMENT_VIEW_H
#define KERFWORKS_STANDIN_SCENARIO_DOCUMENT_VIEW_H

#include <optional>
#include <string>
#include <vector>

#include "standin/model/document.h"

namespace standin {

class DocumentView {
 public:
  explicit DocumentView(const DocumentModel& model) : model_(model) {}

  const Document& Doc() const;
  bool Exists(const std::string& name) const;
  AIArtHandle Find(const std::string& name) const;
  const ArtObject& Art(AIArtHandle art) const;
  const ArtObject& Art(const std::string& name) const { return Art(Find(name)); }

  // Every art object in paint order (see DocumentModel::PaintOrder).
  std::vector<AIArtHandle> All() const;
  std::vector<AIArtHandle> OfType(std::int16_t type) const;
  // Art carrying tag `name`, in paint order.
  std::vector<AIArtHandle> Tagged(const std::string& name) const;

  std::optional<std::string> TagValue(AIArtHandle art, const std::string& name) const;
  bool Selected(AIArtHandle art) const { return (Art(art).attributes & kArtSelected) != 0; }
  bool Locked(AIArtHandle art) const { return (Art(art).attributes & kArtLocked) != 0; }
  bool Hidden(AIArtHandle art) const { return (Art(art).attributes & kArtHidden) != 0; }
  const std::string& LayerTitle(AIArtHandle art) const;
  AILayerHandle Layer(const std::string& title) const;

 private:
  template <typename Predicate>
  std::vector<AIArtHandle> Where(Predicate predicate) const;

  const DocumentModel& model_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_SCENARIO_DOCUMENT_VIEW_H
