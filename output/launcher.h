// Finding and starting the cutting application, and naming the cut file. Both paths are settled
// once when the palette is created and stay fixed until the host quits.
#ifndef KERFWORKS_OUTPUT_LAUNCHER_H
#define KERFWORKS_OUTPUT_LAUNCHER_H

#include "hostapi/host_types.h"
#include "output/cut_file.h"

// Stands for a missing application as well: a path equal to it is never started.
inline constexpr char kFallbackApplicationPath[] = "c:\\Kerfworks.exe";
// The string resources shown when the application is missing, and when the cut file could not be
// written (the application is then not started on it).
inline constexpr int kApplicationNotFoundMessage = 16234;
inline constexpr int kCutFileNotWrittenMessage = 16235;

// The cutting application's program file, or kFallbackApplicationPath.
extern char gApplicationPath[kPathCapacity];

// Reads the program path the application's installer registered, the current user's first, then
// the machine's; the fallback path when neither can be read whole.
void FindCuttingApplication();

// Creates an empty, uniquely named file in the system's temporary folder and keeps its path in
// gCutFilePath (empty when that fails).
void CreateCutFileName();

// Whether FindCuttingApplication found a program path other than the fallback.
bool CuttingApplicationFound();

// Starts the application on the cut file without waiting for it, or, when it is missing or cannot
// be started, shows message 16234 of `plugin`'s resources (needs sADMBasic).
void LaunchCuttingApplication(SPPluginRef plugin);

// Shows string resource `message` of `plugin`'s resources in the host's alert, as message 16234 is
// shown (needs sADMBasic).
void ShowLauncherMessage(SPPluginRef plugin, int message);

#endif  // KERFWORKS_OUTPUT_LAUNCHER_H
