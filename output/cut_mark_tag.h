// The tag that marks an art object for cutting; only its presence counts.
#ifndef KERFWORKS_OUTPUT_CUT_MARK_TAG_H
#define KERFWORKS_OUTPUT_CUT_MARK_TAG_H

inline constexpr char kCutMarkTag[] = "KerfworksCutMark";

#endif  // KERFWORKS_OUTPUT_CUT_MARK_TAG_H
