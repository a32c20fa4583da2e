// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace quintara::platform {

class TDrawGrid;

// What screen readers are told about our widgets, through Qt's accessibility interfaces:
// - the drawn grid is a table with one cell per cell, named by its place and by the grid's
//   OnCellText hook ("Row 3, column 5: 7, given"), the current cell its focused child;
// - the link label is a link that can be pressed;
// - a plain top-level widget (not a dialog or a main window of Qt's) is a window, named by its
//   title, where Qt on its own would report an unnamed client area.
// Installs the interface factory for all of them, once; the grid and the link call it.
void InstallAccessibility();

// Tell assistive technology that the grid's current cell took the focus (the focus moved to it,
// or it moved while the grid had the focus), and that the content of a cell changed. Both cost
// nothing while no assistive technology listens.
void NotifyCellFocused(TDrawGrid* grid, int col, int row);
void NotifyCellChanged(TDrawGrid* grid, int col, int row);

}  // namespace quintara::platform
