// Refresh: every repaint clears the surface and draws face, icon and caption anew. The system
// colours are read here, once per repaint, and handed to the renderers.
#include "cvbutton/cvbutton.h"
#include "cvbutton/render/caption.h"
#include "cvbutton/render/colors.h"
#include "cvbutton/render/face_renderers.h"
#include "cvbutton/render/face_view.h"
#include "cvbutton/render/inline_faces.h"
#include "cvbutton/render/theme_part.h"

namespace cvbutton {
namespace {

constexpr int kPushButtonPart = 1;

} // namespace

// A design environment shows every style but the rounded gradient hot, a checked button looks
// pressed and a disabled one disabled; those states stay until the next change of state. Until
// the control is shown, clearing is all.
void cvButton::Refresh()
{
    host::Surface& surface = host_.surface();
    surface.clear();
    runtime_.ContentMargin = 3;
    if (!runtime_.IsShown)
        return;
    if (Style_ != StyleRoundedGradient && !host_.UserMode())
        runtime_.DrawState = StateHot;
    if (ButtonType_ == KindCheck && Value_)
        runtime_.DrawState = StatePressed;
    const platform::SystemColors colors = platform::SystemColors::current();
    if (!Enabled_) {
        runtime_.DrawState = StateDisabled;
        surface.setBackgroundColor(colors.color(platform::COLOR_BTNFACE));
        surface.clear();
    }
    paintFace(surface, colors);
    paintIcon(surface);
    DrawCaption(colors);
}

void cvButton::DrawCaption(const platform::SystemColors& colors)
{
    const render::CaptionLook look{UseCustomColors_,
                                   runtime_.DrawState,
                                   FontColor_,
                                   FontHighlightColor_,
                                   colors.color(platform::COLOR_BTNTEXT),
                                   colors.color(platform::COLOR_GRAYTEXT)};
    render::DrawCaption(host_.surface(), Caption_, runtime_.CaptionRect, runtime_.CaptionFormat, look);
}

render::FaceView cvButton::faceView(const platform::SystemColors& colors) const
{
    render::FaceView view;
    view.W = runtime_.ButtonRect.right;
    view.H = runtime_.ButtonRect.bottom;
    view.HasFocus = runtime_.HasFocus;
    view.ShowFocus = ShowFocus_;
    view.DisplayAsDefault = host_.DisplayAsDefault();
    view.UseCustomColors = UseCustomColors_;
    view.BackColor = render::TranslateColor(colors, BackColor_);
    view.HighlightColor = render::TranslateColor(colors, HighlightColor_);
    view.ButtonFace = colors.color(platform::COLOR_BTNFACE);
    view.SystemHighlight = colors.color(platform::COLOR_HIGHLIGHT);
    view.ButtonShadow = colors.color(platform::COLOR_BTNSHADOW);
    view.Window = colors.color(platform::COLOR_WINDOW);
    view.System = colors;
    return view;
}

void cvButton::paintFace(host::Surface& surface, const platform::SystemColors& colors)
{
    const render::FaceView view = faceView(colors);
    switch (Style_) {
    case StyleStandard:
        return render::DrawStandardFace(surface, view, runtime_.DrawState);
    case StyleSoft:
        return render::DrawSoftFace(surface, view, runtime_.DrawState);
    case StyleFlat:
        return render::DrawFlatFace(surface, view, runtime_.DrawState);
    case StyleEtched:
        return render::DrawEtchedFace(surface, view, runtime_.DrawState);
    case StyleTinted:
        return render::DrawTintedFace(surface, view, runtime_.DrawState);
    case StyleRoundedGradient:
        if (UseCustomColors_)
            return render::DrawRoundedGradientCustom(surface, view, runtime_.DrawState);
        return render::DrawRoundedGradientFixed(surface, view, runtime_.DrawState);
    case StyleTheme:
        return paintThemeFace(surface, colors);
    case StyleGlow:
        render::DrawGlowFace(surface, view, runtime_.DrawState);
        runtime_.ContentMargin = 4;
        return;
    case StyleShadowed:
        render::DrawShadowedFace(surface, view, runtime_.DrawState);
        runtime_.ContentMargin = 4;
        return;
    case StyleGlass:
        render::DrawGlassFace(surface, view, runtime_.DrawState);
        runtime_.ContentMargin = 6;
        return;
    case StyleSkinned:
        render::DrawSkinnedFace(surface, view, runtime_.DrawState);
        runtime_.ContentMargin = 7;
        return;
    default:
        return;
    }
}

// Without a visual style the control takes its non-theme style for good, silently; this paint
// shows no face, and the window keeps its shape until the next layout.
void cvButton::paintThemeFace(host::Surface& surface, const platform::SystemColors& colors)
{
    surface.setBackgroundColor(colors.color(platform::COLOR_BTNFACE));
    surface.clear();
    // Before its first state change the control has no state yet: it is drawn as normal.
    const int state = runtime_.DrawState == 0 ? StateNormal : runtime_.DrawState;
    const int stateId = runtime_.HasFocus && state == StateNormal ? StateDefaulted : state;
    const render::ThemeTarget target{surface, runtime_.ButtonRect, RoundedBordersByTheme_,
                                     [this](const host::Region& region) { host_.setWindowRegion(region); }};
    if (!render::DrawThemePart(*theme_, target, QStringLiteral("Button"), kPushButtonPart, stateId))
        Style_ = NonThemeStyle_;
}

} // namespace cvbutton
