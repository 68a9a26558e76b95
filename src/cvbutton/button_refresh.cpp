// Refresh: every repaint clears the surface and draws face, icon and caption anew. The system
// colours are read here, once per repaint, and handed to the renderers.
#include "cvbutton/cvbutton.h"
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
    platform::Surface& surface = host_.surface();
    surface.clear();
    ContentMargin_ = 3;
    if (!IsShown_)
        return;
    if (Style_ != StyleRoundedGradient && !host_.UserMode())
        DrawState_ = StateHot;
    if (ButtonType_ == KindCheck && Value_)
        DrawState_ = StatePressed;
    const platform::SystemColors colors = platform::SystemColors::current();
    if (!Enabled_) {
        DrawState_ = StateDisabled;
        surface.setBackgroundColor(colors.color(platform::COLOR_BTNFACE));
        surface.clear();
    }
    paintFace(surface, colors);
    paintIcon(surface);
    DrawCaption(colors);
}

render::FaceView cvButton::faceView(const platform::SystemColors& colors) const
{
    render::FaceView view;
    view.W = ButtonRect_.right;
    view.H = ButtonRect_.bottom;
    view.HasFocus = HasFocus_;
    view.ShowFocus = ShowFocus_;
    view.DisplayAsDefault = host_.DisplayAsDefault();
    view.UseCustomColors = UseCustomColors_;
    view.BackColor = render::TranslateColor(colors, BackColor_);
    view.HighlightColor = render::TranslateColor(colors, HighlightColor_);
    view.ButtonFace = colors.color(platform::COLOR_BTNFACE);
    view.SystemHighlight = colors.color(platform::COLOR_HIGHLIGHT);
    view.ButtonShadow = colors.color(platform::COLOR_BTNSHADOW);
    view.Window = colors.color(platform::COLOR_WINDOW);
    return view;
}

void cvButton::paintFace(platform::Surface& surface, const platform::SystemColors& colors)
{
    const render::FaceView view = faceView(colors);
    switch (Style_) {
    case StyleStandard:
        return render::DrawStandardFace(surface, view, DrawState_);
    case StyleSoft:
        return render::DrawSoftFace(surface, view, DrawState_);
    case StyleFlat:
        return render::DrawFlatFace(surface, view, DrawState_);
    case StyleEtched:
        return render::DrawEtchedFace(surface, view, DrawState_);
    case StyleTinted:
        return render::DrawTintedFace(surface, view, DrawState_);
    case StyleRoundedGradient:
        if (UseCustomColors_)
            return render::DrawRoundedGradientCustom(surface, view, DrawState_);
        return render::DrawRoundedGradientFixed(surface, view, DrawState_);
    case StyleTheme:
        return paintThemeFace(surface, colors);
    case StyleGlow:
        render::DrawGlowFace(surface, view, DrawState_);
        ContentMargin_ = 4;
        return;
    case StyleShadowed:
        render::DrawShadowedFace(surface, view, DrawState_);
        ContentMargin_ = 4;
        return;
    case StyleGlass:
        render::DrawGlassFace(surface, view, DrawState_);
        ContentMargin_ = 6;
        return;
    case StyleSkinned:
        render::DrawSkinnedFace(surface, view, DrawState_);
        ContentMargin_ = 7;
        return;
    default:
        return;
    }
}

// Without a visual style the control takes its non-theme style for good, silently; this paint
// shows no face, and the window keeps its shape until the next layout.
void cvButton::paintThemeFace(platform::Surface& surface, const platform::SystemColors& colors)
{
    surface.setBackgroundColor(colors.color(platform::COLOR_BTNFACE));
    surface.clear();
    // Before its first state change the control has no state yet: it is drawn as normal.
    const int state = DrawState_ == 0 ? StateNormal : DrawState_;
    const int stateId = HasFocus_ && state == StateNormal ? StateDefaulted : state;
    const render::ThemeTarget target{surface, ButtonRect_, RoundedBordersByTheme_,
                                     [this](const platform::Region& region) { host_.setWindowRegion(region); }};
    if (!render::DrawThemePart(*theme_, target, QStringLiteral("Button"), kPushButtonPart, stateId))
        Style_ = NonThemeStyle_;
}

} // namespace cvbutton
