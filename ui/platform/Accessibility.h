// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/platform/VirtualKeys.h"

class QString;
class QWidget;

namespace quintara::platform {

class TDrawGrid;

// What screen readers are told about our widgets, through Qt's accessibility interfaces:
// - the drawn grid is a table with one cell per cell, named by its place and by the grid's
//   OnCellText hook ("Row 3, column 5: 7, given"), the current cell its focused child;
// - the link label is a link that can be pressed;
// - the digital clock is a label named by the time it shows;
// - a plain top-level widget (not a dialog or a main window of Qt's) is a window, named by its
//   title, where Qt on its own would report an unnamed client area.
// Installs the interface factory for all of them, once; the grid and the link call it.
void InstallAccessibility();

// Tell assistive technology that the grid's current cell took the focus (the focus moved to it,
// or it moved while the grid had the focus), and that the content of a cell changed. Both cost
// nothing while no assistive technology listens.
void NotifyCellFocused(TDrawGrid* grid, int col, int row);
void NotifyCellChanged(TDrawGrid* grid, int col, int row);

// Gives the grid's current cell a new interface, so that a screen reader speaks it when it is
// focused next: screen readers pass over a table cell's new name and over a second focus on the
// object they stand on, but speak a newly focused one.
void RenewCurrentCell(TDrawGrid* grid);
// Has a screen reader speak `text` without moving the focus: a notification in the window of
// `near` appears with that text. (Qt before 6.8 has no announcement event.)
void SpeakMessage(QWidget* near, const QString& text);

// While assistive technology is active, the keys its user presses for the screen reader rather
// than for the game: a modifier alone (Shift, Ctrl, Alt, the Windows keys) and the keys screen
// readers take as their own (Insert, Caps Lock). Never while none is active.
bool IsScreenReaderKey(TVirtualKey key);

}  // namespace quintara::platform
