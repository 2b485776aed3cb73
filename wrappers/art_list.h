// A list of art the host made for one operation, given back to the host when the operation ends.
// A failed request reads as an empty list.
#ifndef KERFWORKS_WRAPPERS_ART_LIST_H
#define KERFWORKS_WRAPPERS_ART_LIST_H

#include <cstdint>

#include "hostapi/suites.h"

class ArtList {
 public:
  enum class Which {
    kSelected,  // the selected art of the current document
    kEvery,     // every art object of the current document, a parent before its children
  };

  explicit ArtList(Which which);
  ArtList(const ArtList&) = delete;
  ArtList& operator=(const ArtList&) = delete;
  ~ArtList();

  std::int32_t Count() const { return count_; }
  const AIArtHandle* begin() const { return list_; }
  const AIArtHandle* end() const { return list_ + count_; }

 private:
  AIArtHandle* list_ = nullptr;
  std::int32_t count_ = 0;
};

#endif  // KERFWORKS_WRAPPERS_ART_LIST_H
