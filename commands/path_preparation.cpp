// The four path preparation commands replay host actions; the geometry is the host's work.
#include "commands/commands.h"
#include "wrappers/art_list.h"
#include "wrappers/host_suites.h"

namespace {

constexpr char kOutlineTextAction[] = "adobe_createOutline";
constexpr char kOutlineStrokeAction[] = "ai_plugin_outline";
constexpr char kPathfinderAction[] = "ai_plugin_pathfinder";
constexpr char kOffsetAction[] = "ai_plugin_offset";
constexpr char kMiterJoinName[] = "Miter";
constexpr std::int32_t kMiterJoin = 2;

constexpr ActionParamKeyID kExpandKey = KW_FOUR_CHAR('x', 'p', 'n', 'd');
constexpr ActionParamKeyID kOffsetKey = KW_FOUR_CHAR('o', 'f', 's', 't');
constexpr ActionParamKeyID kMiterLimitKey = KW_FOUR_CHAR('m', 'i', 't', 'r');
constexpr ActionParamKeyID kJoinTypeKey = KW_FOUR_CHAR('j', 'n', 't', 'p');
constexpr ActionParamUnitID kPixelUnit = KW_FOUR_CHAR('#', 'P', 'x', 'l');
// 5 mm in points, as the float the offset dialog is preset with.
constexpr AIReal kOffsetPoints = 14.1732f;

// On versions 8 and 9 one pathfinder play already leaves the result expanded.
bool PathfinderExpandsByItself(std::int32_t majorVersion) {
  return majorVersion == 8 || majorVersion == 9;
}

// A parameter block for one play, deleted after it.
class ActionParams {
 public:
  ActionParams() {
    if (sAIActionManager->AINewActionParamValue(&value_) != kNoErr) value_ = nullptr;
  }
  ActionParams(const ActionParams&) = delete;
  ActionParams& operator=(const ActionParams&) = delete;
  ~ActionParams() {
    if (value_ != nullptr) sAIActionManager->AIDeleteActionParamValue(value_);
  }
  // False when the host gave no block; the play it was meant for is then left out, since the
  // action would run with parameters other than the command's.
  explicit operator bool() const { return value_ != nullptr; }
  AIActionParamValueRef Get() const { return value_; }

 private:
  AIActionParamValueRef value_ = nullptr;
};

void Deselect(AIArtHandle art) {
  sAIArt->SetArtUserAttr(art, kArtSelected, 0);
}

// Stroked paths keep only their stroke; what the outline action must not touch is deselected.
void PrepareForOutlineStroke(AIArtHandle art) {
  std::int16_t type = kUnknownArt;
  sAIArt->GetArtType(art, &type);
  if (type == kPathArt) {
    // Zeroed, so that a failed read takes the unstroked branch and never writes a style back.
    AIPathStyle style{};
    sAIPathStyle->GetPathStyle(art, &style);
    if (style.strokePaint == 1) {
      style.fillPaint = 0;
      sAIPathStyle->SetPathStyle(art, &style);
    } else {
      Deselect(art);
    }
  } else if (type == kTextArt) {
    Deselect(art);
  }
}

}  // namespace

void OutlineTextCommand() {
  sAIActionManager->PlayActionEvent(kOutlineTextAction, kActionDialogOff, nullptr);
}

void OutlineStrokeCommand() {
  {
    const ArtList selection(ArtList::Which::kSelected);
    for (AIArtHandle art : selection) PrepareForOutlineStroke(art);
  }
  sAIActionManager->PlayActionEvent(kOutlineStrokeAction, kActionDialogOff, nullptr);
}

void MergePathsCommand() {
  sAIActionManager->PlayActionEvent(kPathfinderAction, kActionDialogOff, nullptr);
  std::int32_t majorVersion = 0;
  sAIRuntime->GetAppMajorVersion(&majorVersion);
  if (PathfinderExpandsByItself(majorVersion)) return;
  ActionParams params;
  if (!params) return;
  sAIActionManager->AIActionSetReal(params.Get(), kExpandKey, 0.0f);
  sAIActionManager->PlayActionEvent(kPathfinderAction, kActionDialogOff, params.Get());
}

void OffsetPathCommand() {
  ActionParams params;
  if (!params) return;
  sAIActionManager->AIActionSetUnitReal(params.Get(), kOffsetKey, kPixelUnit, kOffsetPoints);
  sAIActionManager->AIActionSetUnitReal(params.Get(), kMiterLimitKey, kPixelUnit, kOffsetPoints);
  sAIActionManager->AIActionSetEnumerated(params.Get(), kJoinTypeKey, kMiterJoinName, kMiterJoin);
  sAIActionManager->PlayActionEvent(kOffsetAction, kActionDialogOn, params.Get());
}
