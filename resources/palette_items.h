// Item ids of the palette's dialog resource and the resources its items show.
// Kept with the resource script they number: the palette, its button commands and the preview
// all use them, so they sit below all three.
#ifndef KERFWORKS_RESOURCES_PALETTE_ITEMS_H
#define KERFWORKS_RESOURCES_PALETTE_ITEMS_H

#include <cstdint>

enum PaletteItem : std::int32_t {
  kOutputButton = 16,
  kOutlineTextButton = 17,
  kOutlineStrokeButton = 18,
  kMergePathsButton = 19,
  kOffsetPathButton = 20,
  kCropMarksButton = 21,
  kMarkPathsButton = 22,
  kOutputModePopup = 23,
  kRedrawButton = 24,
  kPreviewItem = 25,
};

inline constexpr std::int32_t kFirstPictureButton = kOutputButton;
inline constexpr std::int32_t kLastPictureButton = kMarkPathsButton;
// Button i shows icon kFirstButtonIcon + (i - 16) and the tooltip string kFirstButtonTip + (i -
// 16).
inline constexpr std::int32_t kFirstButtonIcon = 1001;
inline constexpr std::int32_t kFirstButtonTip = 16216;

inline constexpr std::int32_t kPaletteDialogId = 16200;
// The name the palette dialog is created under.
inline constexpr char kPaletteDialogName[] = "KerfworksPluginDialog";
inline constexpr std::int32_t kFlyoutMenuId = 700;
inline constexpr std::int32_t kOutputModeMenuId = 701;
inline constexpr std::int32_t kPaletteIconPicture = 5041;
// The style that makes an item show a picture, and the name the buttons' pictures are set under.
inline constexpr std::int32_t kPictureItemStyle = 1;
inline constexpr char kButtonPictureName[] = "hoge";

// Flyout menu entries, by position.
enum FlyoutEntry : std::int32_t { kFlyoutCropMarks = 0, kFlyoutHelp = 2, kFlyoutAbout = 3 };

#endif  // KERFWORKS_RESOURCES_PALETTE_ITEMS_H
