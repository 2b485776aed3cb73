// The palette's button commands. Each runs inside the button handler, which brackets it with the
// host's application context; none reports to the user.
#ifndef KERFWORKS_COMMANDS_COMMANDS_H
#define KERFWORKS_COMMANDS_COMMANDS_H

// Item 17: the host's outline-text action on the selection.
void OutlineTextCommand();
// Item 18: stroked selected paths lose their fill, unstroked paths and text are deselected, then
// the host's outline-stroke action runs.
void OutlineStrokeCommand();
// Item 19: the host's pathfinder action, played again with 'xpnd' 0 on versions other than 8 and 9.
void MergePathsCommand();
// Item 20: the host's offset action with its dialog, preset to 5 mm with mitred joins.
void OffsetPathCommand();
// Item 22: marks every selected path, or unmarks them all when all are marked already.
void MarkPathsCommand();

#endif  // KERFWORKS_COMMANDS_COMMANDS_H
