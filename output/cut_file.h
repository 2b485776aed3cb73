// The cut file handed to the cutting application: a fixed header, the optional crop-mark comment,
// one stroked group per path, a fixed trailer, every line ending in CR LF.
//
// One file at a time, written only between BeginCutFile and EndCutFile on the host's
// user-interface thread. Needs sAIPath and sSPBlocks.
#ifndef KERFWORKS_OUTPUT_CUT_FILE_H
#define KERFWORKS_OUTPUT_CUT_FILE_H

#include "hostapi/host_types.h"

inline constexpr int kPathCapacity = 260;  // bytes, terminator included

// The cut file's full path, chosen once when the palette is created (CreateCutFileName).
extern char gCutFilePath[kPathCapacity];

// Creates (or empties) the cut file at gCutFilePath, unshared, and writes the header: with the
// crop-mark comment when `hasCropMarks`. A file that cannot be created is noticed only by
// CutFileWritten.
void BeginCutFile(bool hasCropMarks);

// Writes the group of one path object, every coordinate shifted by (dx, dy). A path the host
// cannot describe (no segments, or a failing segment or closed-flag query) or whose segment array
// cannot be allocated is left out; the file stays well formed.
void WriteCutPath(AIArtHandle art, AIReal dx, AIReal dy);

// Writes the trailer and closes the file.
void EndCutFile();

// Writes `text` (without its terminator) to the open cut file in one write. The writer hands it
// the collected lines in pieces of up to 64 KiB.
void WriteCutText(const char* text);

// Whether the last file from BeginCutFile to EndCutFile was created, written and closed without a
// failure: a file that was not is stale or partial and must not be cut.
bool CutFileWritten();

#endif  // KERFWORKS_OUTPUT_CUT_FILE_H
