// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn grid: geometry, the thin separators, the current cell and the events it reports.
#include "ui/platform/DrawGrid.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "ui/platform/Accessibility.h"

namespace quintara::platform {

namespace {

TMouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return TMouseButton::mbRight;
        case Qt::MiddleButton:
            return TMouseButton::mbMiddle;
        default:
            return TMouseButton::mbLeft;
    }
}

}  // namespace

TDrawGrid::TDrawGrid(TKeyboardLayout& layout, QWidget* parent) : QWidget(parent), layout_(layout) {
    InstallAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDrawGrid::setRowCount(int count) {
    row_count_ = std::max(count, 1);
    GeometryChanged();
}

void TDrawGrid::setColCount(int count) {
    col_count_ = std::max(count, 1);
    GeometryChanged();
}

void TDrawGrid::setDefaultColWidth(int width) {
    col_width_ = std::max(width, 0);
    GeometryChanged();
}

void TDrawGrid::setDefaultRowHeight(int height) {
    row_height_ = std::max(height, 0);
    GeometryChanged();
}

void TDrawGrid::setGridLineWidth(int width) {
    line_width_ = std::max(width, 0);
    GeometryChanged();
}

void TDrawGrid::setFontSize(int points) {
    font_.Size = points;
    update();
}

void TDrawGrid::GeometryChanged() {
    // A shrunken grid keeps its current cell inside.
    col_ = std::clamp(col_, 0, col_count_ - 1);
    row_ = std::clamp(row_, 0, row_count_ - 1);
    updateGeometry();
    update();
}

void TDrawGrid::setSelection(const TGridRect& selection) {
    MoveCurrentCell(selection.Left, selection.Top);
}

void TDrawGrid::MoveCurrentCell(int col, int row) {
    const int new_col = std::clamp(col, 0, col_count_ - 1);
    const int new_row = std::clamp(row, 0, row_count_ - 1);
    if (new_col == col_ && new_row == row_) {
        return;
    }
    update(CellArea(col_, row_));
    col_ = new_col;
    row_ = new_row;
    update(CellArea(col_, row_));
    const TRect rect = CellRect(col_, row_);
    emit CurrentCellMoved(QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right, rect.Bottom)));
    if (hasFocus()) {
        NotifyCellFocused(this, col_, row_);
    }
}

// The area takes the pens that reach past the cell; the neighbours they belong to repaint
// clipped to it.
void TDrawGrid::RepaintCell(int col, int row) {
    if (col >= 0 && row >= 0 && col < col_count_ && row < row_count_) {
        repaint(CellArea(col, row));
    }
}

void TDrawGrid::CellChanged(int col, int row) {
    if (col >= 0 && row >= 0 && col < col_count_ && row < row_count_) {
        // Renewed first, so that the name change comes from the interface that stays.
        if (col == col_ && row == row_) {
            AnnounceCurrentCell();
        }
        NotifyCellChanged(this, col, row);
    }
}

void TDrawGrid::AnnounceCurrentCell() {
    RenewCurrentCell(this);
    Announce(QString());
}

void TDrawGrid::Announce(const QString& text) {
    if (!QAccessible::isActive()) {
        return;
    }
    announcement_ = text;
    if (hasFocus()) {
        SpeakLater();
    }
}

void TDrawGrid::SpeakLater() {
    QMetaObject::invokeMethod(
        this, [this] { SpeakPending(); }, Qt::QueuedConnection);
}

void TDrawGrid::SpeakPending() {
    if (!announcement_ || !hasFocus()) {
        return;
    }
    if (announcement_->isEmpty()) {
        NotifyCellFocused(this, col_, row_);
    } else {
        SpeakMessage(this, *announcement_);
    }
    announcement_.reset();
}

void TDrawGrid::MouseToCell(int x, int y, int& col, int& row) const {
    const QPoint origin = contentsRect().topLeft();
    const int dx = x - origin.x();
    const int dy = y - origin.y();
    col = -1;
    row = -1;
    if (dx < 0 || dy < 0 || ColumnPitch() <= 0 || RowPitch() <= 0) {
        return;
    }
    const int c = dx / ColumnPitch();
    const int r = dy / RowPitch();
    // A point on a separator belongs to the cell before it, as on Windows.
    if (c < col_count_ && r < row_count_) {
        col = c;
        row = r;
    }
}

TRect TDrawGrid::CellRect(int col, int row) const {
    const QPoint origin = contentsRect().topLeft();
    const int left = origin.x() + col * ColumnPitch();
    const int top = origin.y() + row * RowPitch();
    return {left, top, left + col_width_, top + row_height_};
}

QSize TDrawGrid::sizeHint() const {
    const QMargins margins = contentsMargins();
    return {col_count_ * ColumnPitch() + margins.left() + margins.right(),
            row_count_ * RowPitch() + margins.top() + margins.bottom()};
}

void TDrawGrid::setVisible(bool visible) {
    QWidget::setVisible(visible);
    emit VisibilityChanged(visible);
}

void TDrawGrid::DrawSeparators(QPainter& painter, const QRect& area) const {
    const QColor color = ToQColor(line_color_);
    const TRect last = CellRect(col_count_ - 1, row_count_ - 1);
    const TRect first = CellRect(0, 0);
    const int right = last.Right + VerticalLineWidth();
    const int bottom = last.Bottom + HorizontalLineWidth();
    if (VerticalLineWidth() > 0) {
        for (int c = 0; c < col_count_; ++c) {
            const QRect line(CellRect(c, 0).Right, first.Top, VerticalLineWidth(),
                             bottom - first.Top);
            if (line.intersects(area)) {
                painter.fillRect(line, color);
            }
        }
    }
    if (HorizontalLineWidth() > 0) {
        for (int r = 0; r < row_count_; ++r) {
            const QRect line(first.Left, CellRect(0, r).Bottom, right - first.Left,
                             HorizontalLineWidth());
            if (line.intersects(area)) {
                painter.fillRect(line, color);
            }
        }
    }
}

TGridDrawState TDrawGrid::DrawStateOf(int col, int row) const {
    if (col != col_ || row != row_) {
        return 0;
    }
    return hasFocus() ? TGridDrawState(gdSelected | gdFocused) : gdSelected;
}

void TDrawGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, Qt::white);
    DrawSeparators(painter, area);

    const QPoint origin = contentsRect().topLeft();
    const int first_col = std::max(0, (area.left() - origin.x()) / std::max(ColumnPitch(), 1));
    const int first_row = std::max(0, (area.top() - origin.y()) / std::max(RowPitch(), 1));
    TCanvas canvas(painter, &text_cache_);
    canvas_ = &canvas;
    for (int r = first_row; r < row_count_; ++r) {
        const TRect row_rect = CellRect(0, r);
        if (row_rect.Top > area.bottom()) {
            break;
        }
        for (int c = first_col; c < col_count_; ++c) {
            const TRect rect = CellRect(c, r);
            if (rect.Left > area.right()) {
                break;
            }
            canvas.Font = font_;
            canvas.Brush.Color = clWhite;
            if (OnDrawCell) {
                OnDrawCell(this, c, r, rect, DrawStateOf(c, r));
            } else {
                canvas.FillRect(rect);
            }
        }
    }
    canvas_ = nullptr;
}

void TDrawGrid::MoveByKey(TVirtualKey key) {
    switch (key) {
        case VK_LEFT:
            MoveCurrentCell(col_ - 1, row_);
            break;
        case VK_RIGHT:
            MoveCurrentCell(col_ + 1, row_);
            break;
        case VK_UP:
            MoveCurrentCell(col_, row_ - 1);
            break;
        case VK_DOWN:
            MoveCurrentCell(col_, row_ + 1);
            break;
        case VK_HOME:
            MoveCurrentCell(0, row_);
            break;
        case VK_END:
            MoveCurrentCell(col_count_ - 1, row_);
            break;
        default:
            break;
    }
}

void TDrawGrid::keyPressEvent(QKeyEvent* event) {
    TVirtualKey key = layout_.VirtualKeyOf(*event);
    if (key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A screen reader's user presses these for the reader: the game takes no notice of them.
    if (OnKeyDown && !IsScreenReaderKey(key)) {
        OnKeyDown(this, key, ShiftStateOf(event->modifiers()));
    }
    MoveByKey(key);
    event->accept();
}

void TDrawGrid::mousePressEvent(QMouseEvent* event) {
    SetFocus();
    const QPoint pos = event->pos();
    if (event->button() == Qt::LeftButton) {
        int col = -1;
        int row = -1;
        MouseToCell(pos.x(), pos.y(), col, row);
        if (col >= 0) {
            MoveCurrentCell(col, row);
        }
    }
    if (OnMouseDown) {
        OnMouseDown(this, ButtonOf(event->button()), ShiftStateOf(event->modifiers()), pos.x(),
                    pos.y());
    }
    event->accept();
}

QRect TDrawGrid::CellArea(int col, int row) const {
    // Wide pens drawn on a cell's edges reach a few pixels past it.
    constexpr int kPenReach = 3;
    const TRect rect = CellRect(col, row);
    return QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right, rect.Bottom))
        .adjusted(-kPenReach, -kPenReach, kPenReach, kPenReach);
}

void TDrawGrid::focusInEvent(QFocusEvent* event) {
    update(CellArea(col_, row_));
    QWidget::focusInEvent(event);
    // Qt tells of the grid's focus only after this event, which would leave a screen reader on
    // the table; the current cell is focused after that, and then what waited is spoken. So
    // after a new game, a dialog or the context menu the player hears where they are.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus()) {
                NotifyCellFocused(this, col_, row_);
                SpeakPending();
            }
        },
        Qt::QueuedConnection);
}

void TDrawGrid::focusOutEvent(QFocusEvent* event) {
    update(CellArea(col_, row_));
    QWidget::focusOutEvent(event);
}

}  // namespace quintara::platform
