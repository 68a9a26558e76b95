// The drawing surface a button paints on: a 32-bit image with the classic desktop's pixel rules for lines,
// rectangles, edges and text, and the flags those calls take.
#pragma once

#include "platform/system_colors.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace cvbutton::host {

// Colours are the desktop's colour values, as platform/ reads them from the palette.
using platform::Colorref;
using platform::SystemColors;

// A rectangle as the drawing calls take it: right and bottom lie just outside the area.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const Rect&) const = default;
};

// The pen lines are drawn with: always solid and one pixel wide.
struct Pen {
    Colorref color = 0;
};

// Edge kinds and side flags of drawEdge, valued as the control stores them.
inline constexpr unsigned BDR_RAISEDOUTER = 0x1;
inline constexpr unsigned BDR_SUNKENOUTER = 0x2;
inline constexpr unsigned BDR_RAISEDINNER = 0x4;
inline constexpr unsigned BDR_SUNKENINNER = 0x8;
inline constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr unsigned BF_LEFT = 0x1;
inline constexpr unsigned BF_TOP = 0x2;
inline constexpr unsigned BF_RIGHT = 0x4;
inline constexpr unsigned BF_BOTTOM = 0x8;
inline constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;

// Text format flags of drawText, valued as the control stores them.
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_RTLREADING = 0x20000;

// Pixels of an area as three bytes each (blue, green, red), rows padded to 4 bytes and stored
// bottom row first: the layout the icon painters read and write whole.
struct Dib24 {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    static int stride(int width) { return (width * 3 + 3) / 4 * 4; }
};

// The control's drawing surface: a software raster over a 32-bit image with the pixel rules the
// control's drawing was designed for. Everything outside the image is clipped away silently.
class Surface {
public:
    Surface(int width, int height);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }
    // A new size, cleared to the background colour.
    void resize(int width, int height);

    Colorref backgroundColor() const { return background_; }
    void setBackgroundColor(Colorref color) { background_ = color; }
    void clear();

    // The colour text is drawn in.
    Colorref foregroundColor() const { return foreground_; }
    void setForegroundColor(Colorref color) { foreground_ = color; }
    const QFont& font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; }

    // kInvalidColor outside the surface.
    Colorref pixel(int x, int y) const;
    void setPixel(int x, int y, Colorref color);

    // Selects a pen and returns the one selected before, so a caller can put it back.
    Pen selectPen(Pen pen);
    void moveTo(int x, int y);
    // From the current position to (x, y) in the selected pen, the end pixel left out; the end
    // becomes the current position.
    void lineTo(int x, int y);

    // The pixels from (left, top) to (right - 1, bottom - 1).
    void fillRect(const Rect& rect, Colorref color);
    // Three-dimensional borders drawn along the chosen sides of rect in the system colours of the
    // moment: the outer border on the outermost ring, the inner border one pixel inside it (or on
    // the outermost ring when there is no outer border).
    void drawEdge(const Rect& rect, unsigned edge, unsigned sides, const SystemColors& colors);

    // Paints an image scaled into target, its transparent parts letting the surface show through.
    void drawImage(const QImage& image, const Rect& target);

    // Copies a width x height area of source at (sourceX, sourceY) to (x, y).
    void copyFrom(int x, int y, int width, int height, const Surface& source, int sourceX, int sourceY);

    // The area's pixels; parts outside the surface read as black.
    Dib24 readDib(int x, int y, int width, int height) const;
    void writeDib(int x, int y, const Dib24& dib);

    // Draws text in the foreground colour and font without filling behind it, clipped to rect unless
    // DT_NOCLIP is given; with DT_CALCRECT it only measures, widening or narrowing rect to the text. Unless DT_NOPREFIX is given, a single
    // '&' is not drawn and underlines the character after it, and "&&" draws one '&'. Returns the
    // text's height.
    int drawText(const QString& text, Rect& rect, unsigned format);

private:
    void plot(int x, int y, Colorref color);

    QImage image_;
    Colorref background_ = 0xFFFFFF;
    Colorref foreground_ = 0;
    QFont font_;
    Pen pen_;
    int penX_ = 0;
    int penY_ = 0;
};

} // namespace cvbutton::host
