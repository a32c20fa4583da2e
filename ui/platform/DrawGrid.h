// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "ui/platform/Canvas.h"
#include "ui/platform/VirtualKeys.h"

namespace quintara::platform {

// Grid options of the Windows drawn grid; only what the window code reads or writes.
using TGridOptions = uint32_t;
inline constexpr TGridOptions goFixedVertLine = 0x01;
inline constexpr TGridOptions goFixedHorzLine = 0x02;
inline constexpr TGridOptions goVertLine = 0x04;
inline constexpr TGridOptions goHorzLine = 0x08;
inline constexpr TGridOptions goRangeSelect = 0x10;
inline constexpr TGridOptions goDrawFocusSelected = 0x20;
inline constexpr TGridOptions goEditing = 0x40;

// State of a cell being drawn.
using TGridDrawState = uint8_t;
inline constexpr TGridDrawState gdSelected = 0x01;
inline constexpr TGridDrawState gdFocused = 0x02;
inline constexpr TGridDrawState gdFixed = 0x04;

// A block of cells by column (Left, Right) and row (Top, Bottom), both ends inclusive.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The drawn grid: rows and columns of equal cells separated by thin lines that the grid draws
// itself; every cell's content is painted by the OnDrawCell handler. Holds a one-cell
// selection (the current cell), moved by the arrow keys and by a left click. Its size hint is
// the whole grid, so a scroll area around it scrolls when the grid is bigger than the area.
class TDrawGrid : public QWidget {
    Q_OBJECT

  public:
    using DrawCellHandler =
        std::function<void(QObject* sender, int col, int row, TRect rect, TGridDrawState state)>;
    using KeyDownHandler =
        std::function<void(QObject* sender, TVirtualKey& key, TShiftState shift)>;
    using MouseDownHandler =
        std::function<void(QObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
    // What a screen reader hears of a cell after its place, e.g. "7, given" or "empty".
    using CellTextHandler = std::function<QString(int col, int row)>;

    // Keys are read with the window's `layout`, which must outlive the grid.
    explicit TDrawGrid(TKeyboardLayout& layout, QWidget* parent = nullptr);

    int RowCount() const { return row_count_; }
    void setRowCount(int count);
    int ColCount() const { return col_count_; }
    void setColCount(int count);
    int DefaultColWidth() const { return col_width_; }
    void setDefaultColWidth(int width);
    int DefaultRowHeight() const { return row_height_; }
    void setDefaultRowHeight(int height);
    int GridLineWidth() const { return line_width_; }
    void setGridLineWidth(int width);
    TGridOptions Options() const { return options_; }
    void setOptions(TGridOptions options) { options_ = options; }
    TColor LineColor() const { return line_color_; }

    // The grid font's size in points; the font is handed to the canvas before each cell.
    int FontSize() const { return font_.Size; }
    void setFontSize(int points);
    const TFont& GridFont() const { return font_; }

    // The current cell as a one-cell block; a block outside the grid is pulled into it.
    TGridRect Selection() const { return {col_, row_, col_, row_}; }
    void setSelection(const TGridRect& selection);
    int Col() const { return col_; }
    int Row() const { return row_; }

    // Column and row under a point of the widget; -1, -1 outside every cell.
    void MouseToCell(int x, int y, int& col, int& row) const;
    // The rectangle of a cell in widget coordinates; Right and Bottom exclusive.
    TRect CellRect(int col, int row) const;

    void Repaint() { repaint(); }
    // Repaints one cell at once, with the lines around it that its neighbours draw.
    void RepaintCell(int col, int row);
    void SetFocus() { setFocus(Qt::OtherFocusReason); }

    // What the grid tells a screen reader; all of it costs nothing while none listens. What is
    // spoken waits for the event loop, behind Qt's own notices, and, while the grid lacks the
    // focus (a dialog holds it), for the grid to take it back. Repainting stays the caller's.
    // The content of a cell changed (an entry, an emptied cell); the current cell is spoken.
    void CellChanged(int col, int row);
    // The current cell is spoken as it stands: a key refused on a given, say.
    void AnnounceCurrentCell();
    // A message is spoken without moving the focus (by the window's notification).
    void Announce(const QString& text);

    // Only valid inside OnDrawCell.
    TCanvas& Canvas() { return *canvas_; }

    DrawCellHandler OnDrawCell;
    KeyDownHandler OnKeyDown;
    MouseDownHandler OnMouseDown;
    CellTextHandler OnCellText;

    QSize sizeHint() const override;
    void setVisible(bool visible) override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  signals:
    // The current cell moved; the rectangle is the new cell's, for scrolling it into view.
    void CurrentCellMoved(const QRect& cell);
    // The grid was shown or hidden, for a scroll area around it to follow.
    void VisibilityChanged(bool visible);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int VerticalLineWidth() const { return (options_ & goVertLine) != 0 ? line_width_ : 0; }
    int HorizontalLineWidth() const { return (options_ & goHorzLine) != 0 ? line_width_ : 0; }
    int ColumnPitch() const { return col_width_ + VerticalLineWidth(); }
    int RowPitch() const { return row_height_ + HorizontalLineWidth(); }
    QRect CellArea(int col, int row) const;
    void GeometryChanged();
    void MoveCurrentCell(int col, int row);
    void MoveByKey(TVirtualKey key);
    void DrawSeparators(QPainter& painter, const QRect& area) const;
    TGridDrawState DrawStateOf(int col, int row) const;
    void SpeakLater();
    void SpeakPending();

    int row_count_ = 5;
    int col_count_ = 5;
    int col_width_ = 64;
    int row_height_ = 24;
    int line_width_ = 1;
    TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine;
    TColor line_color_ = clSilver;
    TFont font_;
    int col_ = 0;
    int row_ = 0;
    TKeyboardLayout& layout_;
    TCanvas* canvas_ = nullptr;
    // Fonts and shaped symbols outlive a repaint: every cell draws from the same few.
    TTextCache text_cache_;
    // What waits to be spoken: a message, or an empty text for the current cell, renewed.
    std::optional<QString> announcement_;
};

}  // namespace quintara::platform
