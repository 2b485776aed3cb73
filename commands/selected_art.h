// The selected art of the current document for one command, given back to the host when the
// command ends. A failed request reads as an empty selection.
#ifndef KERFWORKS_COMMANDS_SELECTED_ART_H
#define KERFWORKS_COMMANDS_SELECTED_ART_H

#include <cstdint>

#include "hostapi/suites.h"

class SelectedArt {
 public:
  SelectedArt();
  SelectedArt(const SelectedArt&) = delete;
  SelectedArt& operator=(const SelectedArt&) = delete;
  ~SelectedArt();

  std::int32_t Count() const { return count_; }
  const AIArtHandle* begin() const { return list_; }
  const AIArtHandle* end() const { return list_ + count_; }

 private:
  AIArtHandle* list_ = nullptr;
  std::int32_t count_ = 0;
};

#endif  // KERFWORKS_COMMANDS_SELECTED_ART_H
