// Painting a button's picture: compositing it masked, gray or as a silhouette, and graying an icon.
#include "cvbutton/render/icon_painting.h"

#include "cvbutton/render/grayscale.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace cvbutton::render {
namespace {

// The part of the area that lands on the surface, in surface coordinates; empty when none does.
host::Rect onSurface(const Surface& surface, int x, int y, int width, int height)
{
    const auto clamp = [](long long value, int limit) { return static_cast<int>(std::clamp(value, 0LL, 0LL + limit)); };
    const host::Rect part{clamp(x, surface.width()), clamp(y, surface.height()),
                          clamp(0LL + x + width, surface.width()), clamp(0LL + y + height, surface.height())};
    return part.right > part.left && part.bottom > part.top ? part : host::Rect{};
}

// The picture as it lies in a memory surface of `part`'s size, `part` counted from the area's corner.
Surface pictureSurface(const PictureView& picture, const host::Rect& part, Colorref maskColor)
{
    Surface source(part.right - part.left, part.bottom - part.top);
    if (picture.IsBitmap) {
        source.setBackgroundColor(0x000000);
        source.clear();
        const QImage& bitmap = picture.Image;
        for (int y = part.top; y < std::min(part.bottom, bitmap.height()); ++y)
            for (int x = part.left; x < std::min(part.right, bitmap.width()); ++x)
                source.setPixel(x - part.left, y - part.top, platform::fromQRgb(bitmap.pixel(x, y)));
        return source;
    }
    source.setBackgroundColor(maskColor);
    source.clear();
    const QImage& icon = picture.Image;
    source.drawImage(icon, {-part.left, -part.top, icon.width() - part.left, icon.height() - part.top});
    return source;
}

std::uint8_t grayOf(const std::uint8_t* pixel)
{
    const double red = std::nearbyint(0.30 * pixel[2]);
    return static_cast<std::uint8_t>(std::min(255.0, std::nearbyint(red + 0.59 * pixel[1] + 0.11 * pixel[0])));
}

void composite(std::uint8_t* background, const std::uint8_t* picture, Colorref transColor, std::int32_t solidColor,
               bool grayscale)
{
    // On a true-colour surface the nearest colour of a pixel is the pixel itself.
    const Colorref color = platform::rgb(picture[2], picture[1], picture[0]);
    if (color == transColor)
        return;
    if (solidColor >= 0) {
        const auto solid = static_cast<Colorref>(solidColor);
        background[0] = static_cast<std::uint8_t>(platform::blueOf(solid));
        background[1] = static_cast<std::uint8_t>(platform::greenOf(solid));
        background[2] = static_cast<std::uint8_t>(platform::redOf(solid));
    } else if (grayscale) {
        background[0] = background[1] = background[2] = grayOf(picture);
    } else {
        background[0] = picture[0];
        background[1] = picture[1];
        background[2] = picture[2];
    }
}

} // namespace

void DrawPictureMasked(Surface& hDC, int X, int Y, int Width, int Height, const PictureView& Picture,
                       Colorref TransColor, std::int32_t SolidColor, bool Grayscale, const MaskUse& mask)
{
    if (Width == 0 || Height == 0 || Picture.Image.isNull())
        return;
    if (Width < 0)
        Width = Picture.Image.width();
    if (Height < 0)
        Height = Picture.Image.height();
    // Only the part that lands on the surface is worked on, however large the area.
    const host::Rect target = onSurface(hDC, X, Y, Width, Height);
    const int width = target.right - target.left, height = target.bottom - target.top;
    if (width == 0)
        return;
    const Surface source =
        pictureSurface(Picture, {target.left - X, target.top - Y, target.right - X, target.bottom - Y}, mask.MaskColor);
    host::Dib24 background = hDC.readDib(target.left, target.top, width, height);
    const host::Dib24 picture = source.readDib(0, 0, width, height);
    const Colorref transparent = mask.UseMaskColor ? TransColor : platform::kInvalidColor;
    const int stride = host::Dib24::stride(width);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const std::size_t at = static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(column) * 3;
            composite(&background.bits[at], &picture.bits[at], transparent, SolidColor, Grayscale);
        }
    }
    hDC.writeDib(target.left, target.top, background);
}

bool PaintIconGrayscale(Surface* Dest_hDC, const QImage& hIcon, int Dest_X, int Dest_Y, int Dest_Height, int Dest_Width)
{
    if (Dest_hDC == nullptr || hIcon.isNull())
        return false;
    QImage mask;
    QImage colors;
    if (!GetIconBitmaps(hIcon, mask, colors))
        return false;
    Surface scratch(colors.width(), colors.height());
    if (!GrayscaleBitmap(&scratch, &colors, 0, 0, 0, 0))
        return false;
    const QImage gray = CreateIconFromBitmaps(mask, colors);
    if (gray.isNull() || Dest_Width <= 0 || Dest_Height <= 0)
        return false;
    Dest_hDC->drawImage(gray, {Dest_X, Dest_Y, Dest_X + Dest_Width, Dest_Y + Dest_Height});
    return true;
}

bool GetIconBitmaps(const QImage& hIcon, QImage& MaskBitmap, QImage& ColorBitmap)
{
    if (hIcon.isNull())
        return false;
    const QImage argb = hIcon.convertToFormat(QImage::Format_ARGB32);
    MaskBitmap = argb.convertToFormat(QImage::Format_Alpha8);
    ColorBitmap = argb.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            ColorBitmap.setPixel(x, y, argb.pixel(x, y) | 0xFF000000);
    return true;
}

QImage CreateIconFromBitmaps(const QImage& MaskBitmap, const QImage& ColorBitmap)
{
    if (MaskBitmap.isNull() || ColorBitmap.isNull() || MaskBitmap.size() != ColorBitmap.size())
        return {};
    QImage icon = ColorBitmap.convertToFormat(QImage::Format_ARGB32);
    const QImage alpha = MaskBitmap.convertToFormat(QImage::Format_Alpha8);
    for (int y = 0; y < icon.height(); ++y) {
        const uchar* alphaLine = alpha.constScanLine(y);
        for (int x = 0; x < icon.width(); ++x)
            icon.setPixel(x, y, (icon.pixel(x, y) & 0x00FFFFFF) | (static_cast<QRgb>(alphaLine[x]) << 24));
    }
    return icon;
}

// Column by column, as the pixels are read and written one at a time.
bool GrayscaleBitmap(Surface* hDestDC, QImage* hBitmap, int DestX, int DestY, int SrcX, int SrcY)
{
    if (hDestDC == nullptr || hBitmap == nullptr || hBitmap->isNull())
        return false;
    const int w = hBitmap->width();
    const int h = hBitmap->height();
    if (hBitmap->format() != QImage::Format_RGB32 && hBitmap->format() != QImage::Format_ARGB32)
        *hBitmap = hBitmap->convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            const QRgb pixel = hBitmap->pixel(x, y);
            const Colorref gray = grayscaleOf(platform::fromQRgb(pixel));
            hBitmap->setPixel(x, y, (platform::toQRgb(gray) & 0x00FFFFFF) | (pixel & 0xFF000000));
        }
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (hBitmap->valid(SrcX + x, SrcY + y))
                hDestDC->setPixel(DestX + x, DestY + y, platform::fromQRgb(hBitmap->pixel(SrcX + x, SrcY + y)));
    return true;
}

} // namespace cvbutton::render
