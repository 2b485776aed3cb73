// Compares a document read back from its SVG export with the original, as far as the export
// promises to carry it.
#ifndef KERFWORKS_TESTS_KWHOST_SAME_DOCUMENT_H
#define KERFWORKS_TESTS_KWHOST_SAME_DOCUMENT_H

#include "standin/model/document.h"

namespace kwhost_test {

// Same page size, layers (order, titles, shown, locked) and art: types, order, names (unnamed art
// may come back with a made-up name), hidden and locked, tags, segments bit for bit (but the
// handles beyond an open path's ends), closed flags, paint and stroke width; RGB colours bit for
// bit. Nothing comes back selected.
void ExpectSameDocument(const standin::DocumentModel& original, const standin::DocumentModel& copy);

}  // namespace kwhost_test

#endif  // KERFWORKS_TESTS_KWHOST_SAME_DOCUMENT_H
