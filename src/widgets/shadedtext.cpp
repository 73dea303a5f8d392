#include "widgets/shadedtext.h"

#include <algorithm>

namespace vz {

ShadeOffset unitOffset(TShadeDirection direction) {
    switch (direction) {
    case TShadeDirection::sdNone:
        return {0, 0};
    case TShadeDirection::sdUp:
        return {0, -1};
    case TShadeDirection::sdUpRight:
        return {1, -1};
    case TShadeDirection::sdRight:
        return {1, 0};
    case TShadeDirection::sdDownRight:
        return {1, 1};
    case TShadeDirection::sdDown:
        return {0, 1};
    case TShadeDirection::sdDownLeft:
        return {-1, 1};
    case TShadeDirection::sdLeft:
        return {-1, 0};
    case TShadeDirection::sdUpLeft:
        return {-1, -1};
    }
    return {0, 0};
}

// ---- TEsCustomSettings ------------------------------------------------------------------------

template <class T> void TEsCustomSettings::change(T& field, T value, void (Owner::*notice)()) {
    if (field == value)
        return;
    field = value;
    if (m_owner && m_updateDepth == 0)
        (m_owner->*notice)();
}

void TEsCustomSettings::endUpdate() {
    if (m_updateDepth == 0 || --m_updateDepth > 0 || !m_owner)
        return;
    m_owner->settingsColorChanged();
    m_owner->settingsStyleChanged();
}

void TEsCustomSettings::assign(const TEsCustomSettings& source) {
    if (&source == this)
        return;
    beginUpdate();
    m_graduateFromColor = source.m_graduateFromColor;
    m_graduateStyle = source.m_graduateStyle;
    m_highlightColor = source.m_highlightColor;
    m_highlightDepth = source.m_highlightDepth;
    m_highlightDirection = source.m_highlightDirection;
    m_highlightStyle = source.m_highlightStyle;
    m_shadowColor = source.m_shadowColor;
    m_shadowDepth = source.m_shadowDepth;
    m_shadowDirection = source.m_shadowDirection;
    m_shadowStyle = source.m_shadowStyle;
    endUpdate();
}

void TEsCustomSettings::setGraduateFromColor(Rgb value) {
    change(m_graduateFromColor, value, &Owner::settingsColorChanged);
}
void TEsCustomSettings::setGraduateStyle(TGraduateStyle value) {
    change(m_graduateStyle, value, &Owner::settingsStyleChanged);
}
void TEsCustomSettings::setHighlightColor(Rgb value) {
    change(m_highlightColor, value, &Owner::settingsColorChanged);
}
void TEsCustomSettings::setHighlightDepth(std::uint8_t value) {
    change(m_highlightDepth, value, &Owner::settingsStyleChanged);
}
void TEsCustomSettings::setHighlightDirection(TShadeDirection value) {
    change(m_highlightDirection, value, &Owner::settingsStyleChanged);
}
void TEsCustomSettings::setHighlightStyle(TShadeStyle value) {
    change(m_highlightStyle, value, &Owner::settingsStyleChanged);
}
void TEsCustomSettings::setShadowColor(Rgb value) {
    change(m_shadowColor, value, &Owner::settingsColorChanged);
}
void TEsCustomSettings::setShadowDepth(std::uint8_t value) {
    change(m_shadowDepth, value, &Owner::settingsStyleChanged);
}
void TEsCustomSettings::setShadowDirection(TShadeDirection value) {
    change(m_shadowDirection, value, &Owner::settingsStyleChanged);
}
void TEsCustomSettings::setShadowStyle(TShadeStyle value) {
    change(m_shadowStyle, value, &Owner::settingsStyleChanged);
}

// ---- ShadedTextStyle --------------------------------------------------------------------------

namespace {

constexpr std::size_t index(TColorScheme scheme) {
    return static_cast<std::size_t>(scheme);
}

constexpr std::array<SchemeColors, 6> InitialSchemes{{
    {EsColor::White, EsColor::Black, EsColor::Grey},   // csCustom until a scheme is chosen
    {EsColor::White, EsColor::Grey, EsColor::Black},   // csText
    {EsColor::White, EsColor::Black, EsColor::Grey},   // csWindows
    {EsColor::White, EsColor::Black, EsColor::Silver}, // csEmbossed
    {EsColor::Yellow, EsColor::Black, EsColor::Olive}, // csGold
    {EsColor::Aqua, EsColor::Navy, EsColor::Teal},     // csSteel
}};

struct AppearanceRow {
    TShadeDirection highlightDirection;
    TShadeDirection shadowDirection;
    std::uint8_t highlightDepth;
    std::uint8_t shadowDepth;
};

// The deepest copy first, so the copies nearer the text lie on top of it.
void addShade(std::vector<TextLayer>& layers, Rgb base, Rgb faceColor, int depth,
              TShadeDirection direction, TShadeStyle style, int shiftX, int shiftY) {
    const ShadeOffset unit = unitOffset(direction);
    const bool stepped = style != TShadeStyle::ssPlain && depth > 1;
    const int last = stepped ? 1 : depth;
    for (int m = depth; m >= last; --m) {
        const Rgb color = style == TShadeStyle::ssGraduated && stepped
                              ? stepColor(base, faceColor, depth - m, depth - 1)
                              : base;
        layers.push_back({unit.dx * m + shiftX, unit.dy * m + shiftY, color});
    }
}

} // namespace

ShadedTextStyle::ShadedTextStyle(Notices notices)
    : m_notices(std::move(notices)), m_schemes(InitialSchemes) {}

const SchemeColors& ShadedTextStyle::schemeColors(TColorScheme scheme) const {
    return m_schemes[index(scheme)];
}

void ShadedTextStyle::setAppearance(TAppearance appearance) {
    if (appearance == m_appearance)
        return;
    m_appearance = appearance;
    const SchemeColors& scheme = m_schemes[index(m_colorScheme)];
    ++m_applying;
    m_settings.beginUpdate();
    m_settings.setHighlightColor(scheme.highlight);
    auto apply = [this](AppearanceRow row) {
        m_settings.setHighlightDirection(row.highlightDirection);
        m_settings.setShadowDirection(row.shadowDirection);
        m_settings.setHighlightDepth(row.highlightDepth);
        m_settings.setShadowDepth(row.shadowDepth);
    };
    using D = TShadeDirection;
    switch (appearance) {
    case TAppearance::apNone:
        apply({D::sdNone, D::sdNone, 0, 0});
        break;
    case TAppearance::apCustom:
        break;
    case TAppearance::apFlying:
        apply({D::sdDownRight, D::sdDownRight, 1, 5});
        m_settings.setHighlightColor(scheme.shadow);
        break;
    case TAppearance::apRaised:
        apply({D::sdUpLeft, D::sdDownRight, 1, 1});
        break;
    case TAppearance::apSunken:
        apply({D::sdDownRight, D::sdUpLeft, 1, 1});
        break;
    case TAppearance::apShadow:
        apply({D::sdNone, D::sdDownRight, 0, 2});
        break;
    }
    m_settings.endUpdate();
    --m_applying;
    call(m_notices.textChanged);
}

void ShadedTextStyle::setColorScheme(TColorScheme scheme) {
    if (scheme == m_colorScheme)
        return;
    m_colorScheme = scheme;
    const SchemeColors row = m_schemes[index(scheme)];
    ++m_applying;
    m_settings.beginUpdate();
    m_settings.setHighlightColor(row.highlight);
    m_fontColor = row.text;
    m_settings.setShadowColor(row.shadow);
    if (scheme != TColorScheme::csCustom)
        m_schemes[index(TColorScheme::csCustom)] = row;
    m_settings.endUpdate();
    --m_applying;
    call(m_notices.textChanged);
}

bool ShadedTextStyle::setFontColor(Rgb color) {
    if (color == m_fontColor)
        return false;
    m_fontColor = color;
    return true;
}

// The scheme and appearance setters send their own notices through the settings; those must not
// switch the label to csCustom or apCustom, or choosing a scheme would undo the appearance and
// choosing an appearance would undo the scheme.
void ShadedTextStyle::settingsColorChanged() {
    if (m_loading)
        return;
    call(m_notices.repaint);
    if (m_applying > 0)
        return;
    m_colorScheme = TColorScheme::csCustom;
    call(m_notices.colorChanged);
}

void ShadedTextStyle::settingsStyleChanged() {
    if (m_loading)
        return;
    call(m_notices.repaint);
    if (m_applying > 0)
        return;
    m_appearance = TAppearance::apCustom;
    call(m_notices.textChanged);
}

LayerPlan ShadedTextStyle::plan(HorizontalAlignment alignment) const {
    const ShadeOffset hu = unitOffset(m_settings.highlightDirection());
    const ShadeOffset su = unitOffset(m_settings.shadowDirection());
    const int hd = m_settings.highlightDepth();
    const int sd = m_settings.shadowDepth();
    const int hx = hu.dx * hd, hy = hu.dy * hd, sx = su.dx * sd, sy = su.dy * sd;

    LayerPlan p;
    p.lo = std::min({0, hx, sx, hy, sy});
    p.hi = std::max({0, hx, sx, hy, sy});
    if (alignment == HorizontalAlignment::Center)
        p.align = (p.hi - p.lo) / 2;
    else if (alignment == HorizontalAlignment::Right)
        p.align = p.hi - p.lo;
    p.shiftX = -p.lo - p.align;
    p.shiftY = -p.lo;
    addShade(p.layers, m_settings.shadowColor(), m_fontColor, sd, m_settings.shadowDirection(),
             m_settings.shadowStyle(), p.shiftX, p.shiftY);
    addShade(p.layers, m_settings.highlightColor(), m_fontColor, hd,
             m_settings.highlightDirection(), m_settings.highlightStyle(), p.shiftX, p.shiftY);
    p.face = {p.shiftX, p.shiftY, m_fontColor};
    return p;
}

std::vector<FaceStripe> ShadedTextStyle::faceStripes(const LayerPlan& plan,
                                                     HorizontalAlignment alignment, int rectWidth,
                                                     int rectHeight, int textWidth) const {
    std::vector<FaceStripe> stripes;
    const TGraduateStyle style = m_settings.graduateStyle();
    if (style == TGraduateStyle::gsNone || rectWidth <= 0 || rectHeight <= 0)
        return stripes;
    const bool vertical = style == TGraduateStyle::gsVertical;
    int origin = 0;
    if (!vertical) {
        if (alignment == HorizontalAlignment::Center)
            origin = (rectWidth - textWidth) / 2;
        else if (alignment == HorizontalAlignment::Right)
            origin = rectWidth - textWidth;
        origin += plan.shiftX;
    }
    const double step = ((vertical ? rectHeight : textWidth) - 1) / 15.0;
    const int extent = vertical ? rectHeight : rectWidth;
    stripes.reserve(FaceStripeCount);
    for (int i = 0; i < FaceStripeCount; ++i) {
        int from = origin + static_cast<int>(roundHalfEven(i * step));
        int to = origin + static_cast<int>(roundHalfEven((i + 1) * step));
        // The outer stripes run to the rectangle's edges, so no part of a letter that lies
        // outside the measured text (an overhang, a longer wrapped line) loses its face.
        if (i == 0)
            from = std::min(from, 0);
        if (i == FaceStripeCount - 1)
            to = std::max(to, extent);
        const Rgb color = stepColor(m_settings.graduateFromColor(), m_fontColor, i, 15);
        if (vertical)
            stripes.push_back({0, from, rectWidth, std::max(0, to - from), color});
        else
            stripes.push_back({from, 0, std::max(0, to - from), rectHeight, color});
    }
    return stripes;
}

} // namespace vz
