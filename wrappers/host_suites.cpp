#include "wrappers/host_suites.h"

const SPBasicSuite* sSPBasic = nullptr;

const SPAccessSuite* sSPAccess = nullptr;
const SPPluginsSuite* sSPPlugins = nullptr;
const AINotifierSuite* sAINotifier = nullptr;
const AIContextSuite* sAIContext = nullptr;
const ADMBasicSuite* sADMBasic = nullptr;

const AIMenuSuite* sAIMenu = nullptr;
const AIUnicodeStringSuite* sAIUnicodeString = nullptr;
const SPBlocksSuite* sSPBlocks = nullptr;
const ADMIconSuite* sADMIcon = nullptr;
const ADMDialogGroupSuite* sADMDialogGroup = nullptr;
const AIPreferenceSuite* sAIPreference = nullptr;
const ADMEntrySuite* sADMEntry = nullptr;
const ADMListSuite* sADMList = nullptr;
const ADMItemSuite* sADMItem = nullptr;
const ADMDialogSuite* sADMDialog = nullptr;
const ADMTrackerSuite* sADMTracker = nullptr;
const ADMNotifierSuite* sADMNotifier = nullptr;
const AIPathSuite* sAIPath = nullptr;
const AIPathStyleSuite* sAIPathStyle = nullptr;
const AIPathConstructionSuite* sAIPathConstruction = nullptr;
const AIUncalledSuite* sAIExpand = nullptr;
const AIUncalledSuite* sAIRaster = nullptr;
const AILayerSuite* sAILayer = nullptr;
const AIPluginSuite* sAIPlugin = nullptr;
const AIActionManagerSuite* sAIActionManager = nullptr;
const AIUncalledSuite* sAIPathfinder = nullptr;
const AITagSuite* sAITag = nullptr;
const ADMDrawerSuite* sADMDrawer = nullptr;
const AIRuntimeSuite* sAIRuntime = nullptr;
const AIDocumentSuite* sAIDocument = nullptr;
const AIArtSuite* sAIArt = nullptr;
const AIMatchingArtSuite* sAIMatchingArt = nullptr;

bool HostSuitesHeld() {
  return sADMDialog != nullptr;
}
