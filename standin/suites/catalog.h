// Every suite the stand-in host offers.
#ifndef KERFWORKS_STANDIN_SUITES_CATALOG_H
#define KERFWORKS_STANDIN_SUITES_CATALOG_H

#include "hostapi/sp_basic.h"
#include "standin/core/suite_registry.h"

namespace standin {

// Registers every suite table by name and version.
void RegisterSuites(SuiteRegistry& registry);

// The basic suite handed to the plug-in in every message.
const SPBasicSuite* BasicSuiteTable();

}  // namespace standin

#endif  // KERFWORKS_STANDIN_SUITES_CATALOG_H
