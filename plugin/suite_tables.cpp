#include "plugin/suite_tables.h"

#include "wrappers/host_suites.h"

namespace {

template <typename Suite>
const void** Slot(const Suite*& variable) {
  return reinterpret_cast<const void**>(&variable);
}

SuiteEntry gCoreSuites[] = {
    {kSPAccessSuite, kSPAccessSuiteVersion, Slot(sSPAccess)},
    {kSPPluginsSuite, kSPPluginsSuiteVersion, Slot(sSPPlugins)},
    {kAINotifierSuite, kAINotifierSuiteVersion, Slot(sAINotifier)},
    {kAIContextSuite, kAIContextSuiteVersion, Slot(sAIContext)},
    {kADMBasicSuite, kADMBasicSuiteVersion, Slot(sADMBasic)},
};

SuiteEntry gMainSuites[] = {
    {kAIMenuSuite, kAIMenuSuiteVersion, Slot(sAIMenu)},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, Slot(sAIUnicodeString)},
    {kSPBlocksSuite, kSPBlocksSuiteVersion, Slot(sSPBlocks)},
    {kADMIconSuite, kADMIconSuiteVersion, Slot(sADMIcon)},
    {kADMDialogGroupSuite, kADMDialogGroupSuiteVersion, Slot(sADMDialogGroup)},
    {kAIPreferenceSuite, kAIPreferenceSuiteVersion, Slot(sAIPreference)},
    {kADMEntrySuite, kADMEntrySuiteVersion, Slot(sADMEntry)},
    {kADMListSuite, kADMListSuiteVersion, Slot(sADMList)},
    {kADMItemSuite, kADMItemSuiteVersion, Slot(sADMItem)},
    {kADMDialogSuite, kADMDialogSuiteVersion, Slot(sADMDialog)},
    {kADMTrackerSuite, kADMTrackerSuiteVersion, Slot(sADMTracker)},
    {kADMNotifierSuite, kADMNotifierSuiteVersion, Slot(sADMNotifier)},
    {kAIPathSuite, kAIPathSuiteVersion, Slot(sAIPath)},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion, Slot(sAIPathStyle)},
    {kAIPathConstructionSuite, kAIPathConstructionSuiteVersion, Slot(sAIPathConstruction)},
    {kAIExpandSuite, kAIExpandSuiteVersion, Slot(sAIExpand)},
    {kAIRasterSuite, kAIRasterSuiteVersion, Slot(sAIRaster)},
    {kAILayerSuite, kAILayerSuiteVersion, Slot(sAILayer)},
    {kAIPluginSuite, kAIPluginSuiteVersion, Slot(sAIPlugin)},
    {kAIActionManagerSuite, kAIActionManagerSuiteVersion, Slot(sAIActionManager)},
    {kAIPathfinderSuite, kAIPathfinderSuiteVersion, Slot(sAIPathfinder)},
    {kAITagSuite, kAITagSuiteVersion, Slot(sAITag)},
    {kADMDrawerSuite, kADMDrawerSuiteVersion, Slot(sADMDrawer)},
    {kAIRuntimeSuite, kAIRuntimeSuiteVersion, Slot(sAIRuntime)},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, Slot(sAIDocument)},
    {kAIArtSuite, kAIArtSuiteVersion, Slot(sAIArt)},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, Slot(sAIMatchingArt)},
    {nullptr, 0, nullptr},
};

}  // namespace

std::span<SuiteEntry> CoreSuiteTable() {
  return gCoreSuites;
}

std::span<SuiteEntry> MainSuiteTable() {
  return gMainSuites;
}
