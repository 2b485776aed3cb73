// The process-wide suite variables. Each is null until the suite set acquires it and null again
// after release; while the plug-in runs, all are held and callers use them without testing.
#ifndef KERFWORKS_WRAPPERS_HOST_SUITES_H
#define KERFWORKS_WRAPPERS_HOST_SUITES_H

#include "hostapi/suites.h"

// The basic suite of the message being handled, stored before anything else on every call.
extern const SPBasicSuite* sSPBasic;

extern const SPAccessSuite* sSPAccess;
extern const SPPluginsSuite* sSPPlugins;
extern const AINotifierSuite* sAINotifier;
extern const AIContextSuite* sAIContext;
extern const ADMBasicSuite* sADMBasic;

extern const AIMenuSuite* sAIMenu;
extern const AIUnicodeStringSuite* sAIUnicodeString;
extern const SPBlocksSuite* sSPBlocks;
extern const ADMIconSuite* sADMIcon;
extern const ADMDialogGroupSuite* sADMDialogGroup;
extern const AIPreferenceSuite* sAIPreference;
extern const ADMEntrySuite* sADMEntry;
extern const ADMListSuite* sADMList;
extern const ADMItemSuite* sADMItem;
extern const ADMDialogSuite* sADMDialog;
extern const ADMTrackerSuite* sADMTracker;
extern const ADMNotifierSuite* sADMNotifier;
extern const AIPathSuite* sAIPath;
extern const AIPathStyleSuite* sAIPathStyle;
extern const AIPathConstructionSuite* sAIPathConstruction;
extern const AIUncalledSuite* sAIExpand;
extern const AIUncalledSuite* sAIRaster;
extern const AILayerSuite* sAILayer;
extern const AIPluginSuite* sAIPlugin;
extern const AIActionManagerSuite* sAIActionManager;
extern const AIUncalledSuite* sAIPathfinder;
extern const AITagSuite* sAITag;
extern const ADMDrawerSuite* sADMDrawer;
extern const AIRuntimeSuite* sAIRuntime;
extern const AIDocumentSuite* sAIDocument;
extern const AIArtSuite* sAIArt;
extern const AIMatchingArtSuite* sAIMatchingArt;

// The suite set holds all its suites or none: none while the plug-in is unloaded, or after a
// reload that could not get them back. A host callback arriving then must not touch the host.
bool HostSuitesHeld();

#endif  // KERFWORKS_WRAPPERS_HOST_SUITES_H
