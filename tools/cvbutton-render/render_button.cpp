// Painting one control on a surface and cutting it to the window's shape.
#include "render_button.h"

#include "cvbutton/cvbutton.h"
#include "cvbutton/plain_host.h"

using cvbutton::cvButton;
using platform::SystemColors;

namespace {

void applyIcon(cvButton& button, const RenderOptions& options)
{
    if (!options.icon.isEmpty()) {
        const bool bitmap = options.icon.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
        button.setIcon(cvbutton::IconPicture::load(options.icon, bitmap ? cvbutton::IconPicture::TypeBitmap
                                                                        : cvbutton::IconPicture::TypeIcon));
    }
    button.setIconAlign(options.iconAlign);
    button.setIconSize(static_cast<std::int16_t>(options.iconSize));
    if (options.maskColor)
        button.setMaskColor(*options.maskColor);
    button.setUseMaskColor(options.useMaskColor);
}

// Property changes made before the control is shown only clear the surface, so the one paint is
// the layout at the end.
void applyProperties(cvButton& button, const RenderOptions& options)
{
    button.setStyle(options.style);
    if (options.caption)
        button.setCaption(*options.caption);
    button.setShowFocus(options.showFocus);
    if (options.customColors) {
        button.setUseCustomColors(true);
        button.setBackColor((*options.customColors)[0]);
        button.setHighlightColor((*options.customColors)[1]);
        button.setFontColor((*options.customColors)[2]);
        button.setFontHighlightColor((*options.customColors)[3]);
    }
    if (options.state == cvbutton::StateDisabled)
        button.setEnabled(false);
    applyIcon(button, options);
    button.setCaptionAlign(options.captionAlign);
    button.setRightToLeft(options.rightToLeft);
    button.setButtonType(options.check ? cvbutton::KindCheck : cvbutton::KindPush);
    button.setValue(options.value);
    if (options.noThemes)
        button.setTheme(std::make_shared<cvbutton::host::NoVisualStyle>());
}

// Outside the window's shape the parent would show: there the picture is left see-through.
QImage cutToShape(const QImage& face, const cvbutton::host::Region& shape)
{
    QImage shaped = face.convertToFormat(QImage::Format_ARGB32);
    if (shape.isEmpty())
        return shaped;
    for (int y = 0; y < shaped.height(); ++y)
        for (int x = 0; x < shaped.width(); ++x)
            if (!shape.contains(x, y))
                shaped.setPixel(x, y, qRgba(0, 0, 0, 0));
    return shaped;
}

} // namespace

QImage renderButton(const RenderOptions& options)
{
    const platform::PinnedSystemColors pinned(SystemColors::windows10());
    cvbutton::PlainHost host(options.size.width(), options.size.height());
    host.setUserMode(true);
    host.setDisplayAsDefault(options.displayAsDefault);
    host.surface().setBackgroundColor(SystemColors::windows10().color(platform::COLOR_BTNFACE));
    host.surface().clear();

    cvButton button(host);
    button.InitProperties();
    applyProperties(button, options);
    button.setHasFocus(options.focus);
    button.setDrawState(options.state == cvbutton::StateDisabled ? cvbutton::StateNormal : options.state);
    button.setIsShown(true);
    button.UserControl_Resize();
    if (options.shape)
        return cutToShape(host.surface().image(), host.windowRegion());
    return host.surface().image().copy();
}
