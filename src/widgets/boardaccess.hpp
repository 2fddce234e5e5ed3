// The playing board as a screen reader sees it: a 9 x 9 table whose cells
// are named and described from the drawing table the board shows.
#pragma once

class QAccessibleEvent;

namespace tessel {

// Installed once by the first board: makes every TPICSD33 a table of cells.
void InstallBoardAccessibility();

// What the game tells a screen reader (focus, a changed cell, a sentence)
// goes through here. Tests listen in: without a screen reader running Qt
// drops such events before any handler sees them.
void NotifyAccessible(QAccessibleEvent* event);
using AccessibleListener = void (*)(QAccessibleEvent* event);
void SetAccessibleListenerForTesting(AccessibleListener listener);

}  // namespace tessel
