// SPDX-License-Identifier: GPL-3.0-or-later
// The board's painting, cell by cell, and the layout of window and grid for a box size.
#include <QCheckBox>

#include "ui/window/Usudk0201.h"

namespace quintara {

using platform::TCanvas;
using platform::TColor;
using platform::TPenMode;
using platform::TRect;

namespace {

// The window's size and the grid's cells and lines, per box size. The grid panel and the grid
// fill their parents, so the layout, not this table, gives them their sizes.
struct SizeLayout {
    int window_width;
    int window_height;
    int cell_extra;  // cell width = font points + this; height 10 less
    int grid_line_width;
};

constexpr SizeLayout kLayouts[] = {
    {598, 688, 36, 3},  // 3: 9 x 9
    {752, 688, 26, 2},  // 4: 16 x 16
    {752, 688, 26, 2},  // 5: 25 x 25
};

const SizeLayout* LayoutFor(int32_t size) {
    return size >= kSmallestBoxSize && size <= kLargestBoxSize ? &kLayouts[SizeItemOf(size)]
                                                               : nullptr;
}

constexpr int kCellHeightLess = 10;
constexpr int kSmallestFont = 8;
constexpr int kLargestFont = 16;
constexpr int kRingInset = 2;
constexpr int kClashInset = 5;

}  // namespace

void TfrmSudoku::sg1DrawCell(QObject* /*Sender*/, int ACol, int ARow, TRect Rect,
                             platform::TGridDrawState State) {
    TCanvas& canvas = sg1->Canvas();
    const TPenMode saved_pen_mode = canvas.Pen.Mode;
    const TColor saved_font_color = canvas.Font.Color;
    const TColor saved_pen_color = canvas.Pen.Color;
    const int saved_pen_width = canvas.Pen.Width;

    canvas.Brush.Color = platform::clWhite;
    canvas.FillRect(Rect);

    if (!game_.IsGiven(ARow, ACol)) {
        canvas.Font.Style = 0;
        canvas.Font.Color = platform::clBlack;
    } else {
        canvas.Font.Color = platform::clBlue;
        canvas.Font.Style = platform::fsBold;
    }
    const QString eight = QStringLiteral("8");
    const int dx = (Rect.Right - Rect.Left) / 2 - canvas.TextWidth(eight);
    const int dy = (Rect.Bottom - Rect.Top) / 2 - canvas.TextHeight(eight) / 2;

    if ((State & platform::gdFocused) != 0 && game_.State() == GameState::gsPlaying) {
        canvas.Pen.Color = platform::clRed;
        canvas.Pen.Width = 1;
        canvas.Arc(Rect.Left + kRingInset, Rect.Top + kRingInset, Rect.Right - kRingInset,
                   Rect.Bottom - kRingInset, Rect.Right, Rect.Top, Rect.Right, Rect.Top);
    }

    const char symbol = game_.ShownSymbol(ARow, ACol);
    // A grid not yet filled by any game holds zero bytes; they show as nothing.
    if (symbol != '\0') {
        canvas.TextOut(Rect.Left + dx, Rect.Top + dy, QString(QChar::fromLatin1(symbol)));
    }

    if (game_.ShowsClash(ARow, ACol)) {
        canvas.Pen.Color = platform::clRed;
        canvas.Pen.Width = 1;
        canvas.MoveTo(Rect.Right - kClashInset, Rect.Top + kClashInset);
        canvas.LineTo(Rect.Left + kClashInset, Rect.Bottom - kClashInset);
    }

    const int32_t box_size = game_.ActiveBoxSize();
    if ((ACol + 1) % box_size == 0) {
        canvas.Pen.Color = platform::clBlack;
        canvas.Pen.Width = BoxLineWidth;
        canvas.MoveTo(Rect.Right, Rect.Top);
        canvas.LineTo(Rect.Right, Rect.Bottom);
    }
    if ((ARow + 1) % box_size == 0) {
        canvas.Pen.Color = platform::clBlack;
        canvas.Pen.Width = BoxLineWidth;
        canvas.MoveTo(Rect.Left, Rect.Bottom);
        canvas.LineTo(Rect.Right, Rect.Bottom);
    }

    canvas.Pen.Width = saved_pen_width;
    canvas.Pen.Color = saved_pen_color;
    canvas.Pen.Mode = saved_pen_mode;
    canvas.Font.Color = saved_font_color;
}

// What a screen reader hears of a cell after its place: what sg1DrawCell paints there, told
// apart as a given, the solution's symbol or an entry, and whether it is marked as a clash.
QString TfrmSudoku::CellDescription(int col, int row) const {
    const char symbol = game_.ShownSymbol(row, col);
    if (symbol == ' ' || symbol == '\0') {
        return QStringLiteral("empty");
    }
    QString text(QChar::fromLatin1(symbol));
    const char given = game_.GivenGrid()[row][col];
    const GameState state = game_.State();
    if (given != ' ' && given != '\0') {
        text += QStringLiteral(", given");
    } else if (state == GameState::gsSolution || state == GameState::gsPlayingSolution) {
        text += QStringLiteral(", solution");
    }
    if (game_.ShowsClash(row, col)) {
        text += QStringLiteral(", clashes");
    }
    return text;
}

// Only a window in its normal state takes the size; a maximized or full-screen one keeps its
// own. Either way the layout gives the grid panel what the bands and the right column leave, and
// the minimum size keeps every control of those whole.
void TfrmSudoku::SetWindowSizeFor(int32_t size) {
    const SizeLayout* layout = LayoutFor(size);
    if (layout == nullptr) {
        return;
    }
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        resize(layout->window_width, layout->window_height);
    }
}

void TfrmSudoku::SetupGrid(int32_t size) {
    // The game has filled its play grid with '.' for the new layout.
    if (sg1->isHidden()) {
        sg1->show();
    }
    sg1->setSelection({0, 0, 0, 0});
    sg1->setOptions(sg1->Options() & ~platform::goDrawFocusSelected);
    if (const SizeLayout* layout = LayoutFor(size)) {
        const int cells = size * size;
        sg1->setRowCount(cells);
        sg1->setColCount(cells);
        sg1->setDefaultColWidth(sg1->FontSize() + layout->cell_extra);
        sg1->setDefaultRowHeight(sg1->FontSize() + layout->cell_extra - kCellHeightLess);
        sg1->setGridLineWidth(layout->grid_line_width);
        BoxLineWidth = kBoxLineWidth;
    }
    repaint();
    sg1->setSelection({0, 0, 0, 0});
    sg1->Repaint();
}

void TfrmSudoku::btnFontPiuClick() {
    if (sg1->FontSize() >= kLargestFont) {
        return;
    }
    sg1->setFontSize(sg1->FontSize() + 1);
    sg1->setDefaultColWidth(sg1->DefaultColWidth() + 1);
    sg1->setDefaultRowHeight(sg1->DefaultRowHeight() + 1);
    repaint();
}

void TfrmSudoku::btnFontMenoClick() {
    if (sg1->FontSize() <= kSmallestFont) {
        return;
    }
    sg1->setFontSize(sg1->FontSize() - 1);
    sg1->setDefaultColWidth(sg1->DefaultColWidth() - 1);
    sg1->setDefaultRowHeight(sg1->DefaultRowHeight() - 1);
    repaint();
}

}  // namespace quintara
