// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStaticText>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

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

// The built fonts and shaped texts of a canvas, kept by whoever repaints often (the drawn grid)
// so that shaping is paid once per font and text rather than at every cell of every repaint.
// Bounded: a full table is emptied and refilled from what is drawn next.
class TTextCache {
  public:
    // One requested font at one resolution: the QFont, its metrics and its texts.
    struct Face {
        Face(const TFont& request, int dpi, uint64_t id);

        int Width(const QString& text);
        // The text laid out once for drawing.
        const QStaticText& Laid(const QString& text);
        bool Serves(const TFont& request, int dpi) const;

        QString name;
        int size;
        TFontStyles style;
        int dots_per_inch;
        // Unique over the cache's life, so a face built where an emptied one lived is told apart.
        uint64_t serial;
        QFont font;
        QFontMetrics metrics;
        int ascent;
        int height;

      private:
        QHash<QString, int> widths_;
        QHash<QString, QStaticText> laid_;
    };

    static constexpr std::size_t kMaxFaces = 8;
    static constexpr qsizetype kMaxTextsPerFace = 256;

    // The face for a request; valid until the next call.
    Face& FaceFor(const TFont& request, int dots_per_inch);

  private:
    std::vector<std::unique_ptr<Face>> faces_;
    std::size_t last_ = 0;
    uint64_t faces_built_ = 0;
};

// The drawing surface handed to a cell-draw handler: the Windows canvas calls over QPainter.
// Pen, brush and font are plain fields, read at each drawing call. Without a cache of its own
// the canvas keeps one for its lifetime.
class TCanvas {
  public:
    explicit TCanvas(QPainter& painter, TTextCache* cache = nullptr);

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
    TTextCache::Face& CurrentFace();
    void ApplyPen();

    QPainter& painter_;
    int dots_per_inch_;
    int pen_x_ = 0;
    int pen_y_ = 0;
    std::unique_ptr<TTextCache> own_cache_;
    TTextCache& cache_;
    // The face whose font the painter holds, so it is not set again for every text.
    uint64_t painter_serial_ = 0;
};

}  // namespace quintara::platform
