// The tag that marks an art object for cutting; only its presence counts.
#ifndef KERFWORKS_COMMANDS_CUT_MARK_TAG_H
#define KERFWORKS_COMMANDS_CUT_MARK_TAG_H

inline constexpr char kCutMarkTag[] = "KerfworksCutMark";

#endif  // KERFWORKS_COMMANDS_CUT_MARK_TAG_H
