#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <cstdint>

class QPainter;

namespace quintara::platform {

// Colours as 0x00BBGGRR values, the layout the window code is written in.
using TColor = uint32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clWhite = 0xFFFFFF;

QColor ToQColor(TColor color);

// A rectangle by its edges; Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

enum class TPenMode { pmCopy, pmNot, pmXor, pmNotXor };

using TFontStyles = uint8_t;
inline constexpr TFontStyles fsBold = 0x01;
inline constexpr TFontStyles fsItalic = 0x02;

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenMode Mode = TPenMode::pmCopy;
};

struct TBrush {
    TColor Color = clWhite;
};

// A font requested by family name and size in points; the pixel height follows the device's
// resolution the way the Windows framework rounds it (8 points at 96 dpi are 11 pixels).
struct TFont {
    QString Name = QStringLiteral("MS Sans Serif");
    int Size = 8;
    TFontStyles Style = 0;
    TColor Color = clBlack;
};

int FontPixelHeight(int points, int dots_per_inch);

// The drawing surface handed to a cell-draw handler: the Windows canvas calls over QPainter.
// Pen, brush and font are plain fields, read at each drawing call.
class TCanvas {
  public:
    explicit TCanvas(QPainter& painter);

    void FillRect(const TRect& rect);
    // Text with its top-left corner at (x, y), on the brush colour.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text);
    int TextHeight(const QString& text);
    // The arc of the ellipse in (x1, y1, x2, y2) running counter-clockwise from the ray through
    // (x3, y3) to the ray through (x4, y4); equal points draw the whole ellipse.
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);

    TPen Pen;
    TBrush Brush;
    TFont Font;

  private:
    // Rebuilds the QFont and its metrics when the requested font changed.
    void UpdateFont();
    void ApplyPen();

    QPainter& painter_;
    int dots_per_inch_;
    int pen_x_ = 0;
    int pen_y_ = 0;
    // The QFont built for the last TFont seen, rebuilt only when the request changes.
    QFont qt_font_;
    QFontMetrics metrics_{qt_font_};
    QString built_name_;
    int built_size_ = -1;
    TFontStyles built_style_ = 0;
};

}  // namespace quintara::platform
