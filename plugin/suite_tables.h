// The tables of suites the plug-in acquires: the core table first, then the main table.
#ifndef KERFWORKS_PLUGIN_SUITE_TABLES_H
#define KERFWORKS_PLUGIN_SUITE_TABLES_H

#include <cstdint>
#include <span>

#include "hostapi/host_types.h"

struct SuiteEntry {
  const char* name;    // null ends a table
  int32_t version;     // 'OPTS' after the main table opens the optional ones
  const void** suite;  // null: the entry is skipped
};

// Marks, as the version of the entry that ends the main table, the start of the optional list.
inline constexpr int32_t kOptionalSuitesMarker = KW_FOUR_CHAR('O', 'P', 'T', 'S');

std::span<SuiteEntry> CoreSuiteTable();
// Ends with an entry without name; a version of kOptionalSuitesMarker there would continue with
// the optional suites (this plug-in has none).
std::span<SuiteEntry> MainSuiteTable();

#endif  // KERFWORKS_PLUGIN_SUITE_TABLES_H
