// The suite tables of the stand-in host, one source file each.
#ifndef KERFWORKS_STANDIN_SUITES_TABLES_H
#define KERFWORKS_STANDIN_SUITES_TABLES_H

#include "hostapi/suites.h"

namespace standin {

const ADMBasicSuite* ADMBasicSuiteTable();
const ADMDialogSuite* ADMDialogSuiteTable();
const ADMDialogGroupSuite* ADMDialogGroupSuiteTable();
const ADMIconSuite* ADMIconSuiteTable();
const ADMDrawerSuite* ADMDrawerSuiteTable();
const ADMItemSuite* ADMItemSuiteTable();
const ADMListSuite* ADMListSuiteTable();
const ADMEntrySuite* ADMEntrySuiteTable();
const ADMNotifierSuite* ADMNotifierSuiteTable();
const ADMTrackerSuite* ADMTrackerSuiteTable();
const AINotifierSuite* AINotifierSuiteTable();
const AIContextSuite* AIContextSuiteTable();
const AIUnicodeStringSuite* AIUnicodeStringSuiteTable();
const AIMenuSuite* AIMenuSuiteTable();
const AIPreferenceSuite* AIPreferenceSuiteTable();
const AIPluginSuite* AIPluginSuiteTable();
const AIRuntimeSuite* AIRuntimeSuiteTable();
const AIDocumentSuite* AIDocumentSuiteTable();
const AILayerSuite* AILayerSuiteTable();
const AIArtSuite* AIArtSuiteTable();
const AIPathSuite* AIPathSuiteTable();
const AIPathStyleSuite* AIPathStyleSuiteTable();
const AIPathConstructionSuite* AIPathConstructionSuiteTable();
const AIMatchingArtSuite* AIMatchingArtSuiteTable();
const AITagSuite* AITagSuiteTable();
const AIActionManagerSuite* AIActionManagerSuiteTable();
const AIUncalledSuite* AIExpandSuiteTable();
const AIUncalledSuite* AIRasterSuiteTable();
const AIUncalledSuite* AIPathfinderSuiteTable();
const SPAccessSuite* SPAccessSuiteTable();
const SPPluginsSuite* SPPluginsSuiteTable();
const SPBlocksSuite* SPBlocksSuiteTable();

}  // namespace standin

#endif  // KERFWORKS_STANDIN_SUITES_TABLES_H
