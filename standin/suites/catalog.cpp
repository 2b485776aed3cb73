#include "standin/suites/catalog.h"

#include "standin/suites/tables.h"

namespace standin {

void RegisterSuites(SuiteRegistry& registry) {
  registry.Add(kADMBasicSuite, kADMBasicSuiteVersion, ADMBasicSuiteTable());
  registry.Add(kADMDialogSuite, kADMDialogSuiteVersion, ADMDialogSuiteTable());
  registry.Add(kADMDialogGroupSuite, kADMDialogGroupSuiteVersion, ADMDialogGroupSuiteTable());
  registry.Add(kADMIconSuite, kADMIconSuiteVersion, ADMIconSuiteTable());
  registry.Add(kADMDrawerSuite, kADMDrawerSuiteVersion, ADMDrawerSuiteTable());
  registry.Add(kADMItemSuite, kADMItemSuiteVersion, ADMItemSuiteTable());
  registry.Add(kADMListSuite, kADMListSuiteVersion, ADMListSuiteTable());
  registry.Add(kADMEntrySuite, kADMEntrySuiteVersion, ADMEntrySuiteTable());
  registry.Add(kADMNotifierSuite, kADMNotifierSuiteVersion, ADMNotifierSuiteTable());
  registry.Add(kADMTrackerSuite, kADMTrackerSuiteVersion, ADMTrackerSuiteTable());
  registry.Add(kAINotifierSuite, kAINotifierSuiteVersion, AINotifierSuiteTable());
  registry.Add(kAIContextSuite, kAIContextSuiteVersion, AIContextSuiteTable());
  registry.Add(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, AIUnicodeStringSuiteTable());
  registry.Add(kAIMenuSuite, kAIMenuSuiteVersion, AIMenuSuiteTable());
  registry.Add(kAIPreferenceSuite, kAIPreferenceSuiteVersion, AIPreferenceSuiteTable());
  registry.Add(kAIPluginSuite, kAIPluginSuiteVersion, AIPluginSuiteTable());
  registry.Add(kAIRuntimeSuite, kAIRuntimeSuiteVersion, AIRuntimeSuiteTable());
  registry.Add(kAIDocumentSuite, kAIDocumentSuiteVersion, AIDocumentSuiteTable());
  registry.Add(kAILayerSuite, kAILayerSuiteVersion, AILayerSuiteTable());
  registry.Add(kAIArtSuite, kAIArtSuiteVersion, AIArtSuiteTable());
  registry.Add(kAIPathSuite, kAIPathSuiteVersion, AIPathSuiteTable());
  registry.Add(kAIPathStyleSuite, kAIPathStyleSuiteVersion, AIPathStyleSuiteTable());
  registry.Add(kAIPathConstructionSuite, kAIPathConstructionSuiteVersion,
               AIPathConstructionSuiteTable());
  registry.Add(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, AIMatchingArtSuiteTable());
  registry.Add(kAITagSuite, kAITagSuiteVersion, AITagSuiteTable());
  registry.Add(kAIActionManagerSuite, kAIActionManagerSuiteVersion, AIActionManagerSuiteTable());
  registry.Add(kAIExpandSuite, kAIExpandSuiteVersion, AIExpandSuiteTable());
  registry.Add(kAIRasterSuite, kAIRasterSuiteVersion, AIRasterSuiteTable());
  registry.Add(kAIPathfinderSuite, kAIPathfinderSuiteVersion, AIPathfinderSuiteTable());
  registry.Add(kSPAccessSuite, kSPAccessSuiteVersion, SPAccessSuiteTable());
  registry.Add(kSPPluginsSuite, kSPPluginsSuiteVersion, SPPluginsSuiteTable());
  registry.Add(kSPBlocksSuite, kSPBlocksSuiteVersion, SPBlocksSuiteTable());
  // The error alert falls back to the old version of the basic dialog suite.
  registry.Add(kADMBasicSuite, kADMBasicSuiteFallbackVersion, ADMBasicSuiteTable());
}

}  // namespace standin
