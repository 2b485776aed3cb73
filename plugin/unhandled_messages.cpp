// The answers of Plugin to the messages this plug-in never handles.
#include "plugin/plugin.h"

#define KW_UNHANDLED(Operation, answer)     \
  ASErr Plugin::Operation(SPMessageData*) { \
    return answer;                          \
  }

KW_UNHANDLED(OnFilterGetParameters, kUnhandledMsgErr)
KW_UNHANDLED(OnFilterGo, kUnhandledMsgErr)
KW_UNHANDLED(OnPluginGroupNotifyEdits, kUnhandledMsgErr)
KW_UNHANDLED(OnPluginGroupUpdate, kUnhandledMsgErr)
KW_UNHANDLED(OnFileFormatGetParameters, kUnhandledMsgErr)
KW_UNHANDLED(OnFileFormatGo, kUnhandledMsgErr)
KW_UNHANDLED(OnFileFormatCheck, kUnhandledMsgErr)
KW_UNHANDLED(OnFileFormatUpdate, kUnhandledMsgErr)
KW_UNHANDLED(OnFileFormatDoAction, kUnhandledMsgErr)
KW_UNHANDLED(OnToolEditOptions, kUnhandledMsgErr)
KW_UNHANDLED(OnToolTrackCursor, kUnhandledMsgErr)
KW_UNHANDLED(OnToolMouseDown, kUnhandledMsgErr)
KW_UNHANDLED(OnToolMouseDrag, kUnhandledMsgErr)
KW_UNHANDLED(OnToolMouseUp, kUnhandledMsgErr)
KW_UNHANDLED(OnToolSelect, kUnhandledMsgErr)
KW_UNHANDLED(OnToolDeselect, kUnhandledMsgErr)
KW_UNHANDLED(OnToolReselect, kNoErr)
KW_UNHANDLED(OnToolDecreaseDiameter, kNoErr)
KW_UNHANDLED(OnToolIncreaseDiameter, kNoErr)
KW_UNHANDLED(OnLiveEffectEditParameters, kUnhandledMsgErr)
KW_UNHANDLED(OnLiveEffectGoLive, kUnhandledMsgErr)
KW_UNHANDLED(OnLiveEffectInterpolate, kUnhandledMsgErr)
KW_UNHANDLED(OnLiveEffectInputType, kUnhandledMsgErr)
KW_UNHANDLED(OnLiveEffectConvertColorSpace, kUnhandledMsgErr)
KW_UNHANDLED(OnLiveEffectScaleParameters, kUnhandledMsgErr)
KW_UNHANDLED(OnLiveEffectAdjustColors, kUnhandledMsgErr)
KW_UNHANDLED(OnLiveEffectHandleMerge, kUnhandledMsgErr)
KW_UNHANDLED(OnTimer, kUnhandledMsgErr)
KW_UNHANDLED(OnClipboardGo, kUnhandledMsgErr)
KW_UNHANDLED(OnClipboardCanCopy, kUnhandledMsgErr)
KW_UNHANDLED(OnClipboardClone, kUnhandledMsgErr)
KW_UNHANDLED(OnClipboardDispose, kUnhandledMsgErr)
KW_UNHANDLED(OnWorkspaceWrite, kUnhandledMsgErr)
KW_UNHANDLED(OnWorkspaceRestore, kUnhandledMsgErr)
KW_UNHANDLED(OnWorkspaceDefault, kUnhandledMsgErr)
