// The look of shaded text: the settings object with its change notifications, the colour schemes
// and appearances that fill it, and the plan of layers (shadow copies, highlight copies, face)
// that a painter draws one after the other, all as plain values.
//
//     vz::ShadedTextStyle style;                         // apRaised, csWindows
//     style.setColorScheme(vz::TColorScheme::csGold);   // olive face, yellow highlight
//     vz::LayerPlan plan = style.plan(vz::HorizontalAlignment::Center);
//     for (const vz::TextLayer& l : plan.layers) drawText(l.dx, l.dy, l.color);
//     drawText(plan.face.dx, plan.face.dy, plan.face.color);
#pragma once

#include "widgets/effectcolor.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace vz {

enum class TShadeDirection {
    sdNone,
    sdUp,
    sdUpRight,
    sdRight,
    sdDownRight,
    sdDown,
    sdDownLeft,
    sdLeft,
    sdUpLeft
};
enum class TShadeStyle { ssPlain, ssExtrude, ssGraduated };
enum class TGraduateStyle { gsNone, gsHorizontal, gsVertical };
enum class TColorScheme { csCustom, csText, csWindows, csEmbossed, csGold, csSteel };
enum class TAppearance { apNone, apCustom, apFlying, apRaised, apSunken, apShadow };
enum class HorizontalAlignment { Left, Right, Center };

struct ShadeOffset {
    int dx = 0; // to the right
    int dy = 0; // downwards
    friend bool operator==(const ShadeOffset&, const ShadeOffset&) = default;
};
ShadeOffset unitOffset(TShadeDirection direction);

// The ten free settings of shaded text. Every setter ignores an unchanged value and otherwise
// tells its owner, as a colour change or a style change; between beginUpdate and endUpdate
// those notices are held back and endUpdate sends one of each.
class TEsCustomSettings {
public:
    struct Owner {
        virtual ~Owner() = default;
        virtual void settingsColorChanged() = 0;
        virtual void settingsStyleChanged() = 0;
    };

    explicit TEsCustomSettings(Owner* owner = nullptr) : m_owner(owner) {}
    TEsCustomSettings(const TEsCustomSettings&) = delete;
    TEsCustomSettings& operator=(const TEsCustomSettings&) = delete;

    // Copies all ten values (the owner is told as for any other change).
    void assign(const TEsCustomSettings& source);

    void beginUpdate() { ++m_updateDepth; }
    void endUpdate();

    Rgb graduateFromColor() const { return m_graduateFromColor; }
    TGraduateStyle graduateStyle() const { return m_graduateStyle; }
    Rgb highlightColor() const { return m_highlightColor; }
    int highlightDepth() const { return m_highlightDepth; }
    TShadeDirection highlightDirection() const { return m_highlightDirection; }
    TShadeStyle highlightStyle() const { return m_highlightStyle; }
    Rgb shadowColor() const { return m_shadowColor; }
    int shadowDepth() const { return m_shadowDepth; }
    TShadeDirection shadowDirection() const { return m_shadowDirection; }
    TShadeStyle shadowStyle() const { return m_shadowStyle; }

    void setGraduateFromColor(Rgb value);
    void setGraduateStyle(TGraduateStyle value);
    void setHighlightColor(Rgb value);
    void setHighlightDepth(std::uint8_t value);
    void setHighlightDirection(TShadeDirection value);
    void setHighlightStyle(TShadeStyle value);
    void setShadowColor(Rgb value);
    void setShadowDepth(std::uint8_t value);
    void setShadowDirection(TShadeDirection value);
    void setShadowStyle(TShadeStyle value);

private:
    template <class T> void change(T& field, T value, void (Owner::*notice)());

    Owner* m_owner;
    int m_updateDepth = 0;
    Rgb m_graduateFromColor = EsColor::Grey;
    TGraduateStyle m_graduateStyle = TGraduateStyle::gsNone;
    Rgb m_highlightColor = EsColor::White;
    std::uint8_t m_highlightDepth = 1;
    TShadeDirection m_highlightDirection = TShadeDirection::sdUpLeft;
    TShadeStyle m_highlightStyle = TShadeStyle::ssPlain;
    Rgb m_shadowColor = EsColor::Black;
    std::uint8_t m_shadowDepth = 1;
    TShadeDirection m_shadowDirection = TShadeDirection::sdDownRight;
    TShadeStyle m_shadowStyle = TShadeStyle::ssPlain;
};

struct SchemeColors {
    Rgb highlight;
    Rgb shadow;
    Rgb text;
    friend bool operator==(const SchemeColors&, const SchemeColors&) = default;
};

// One copy of the text: its offset from the drawing rectangle and its colour.
struct TextLayer {
    int dx = 0;
    int dy = 0;
    Rgb color;
    friend bool operator==(const TextLayer&, const TextLayer&) = default;
};

struct LayerPlan {
    int lo = 0;                    // smallest of 0 and the shade offsets' components
    int hi = 0;                    // largest of the same
    int align = 0;                 // alignment correction: how far everything moves left
    int shiftX = 0;                // -lo - align
    int shiftY = 0;                // -lo
    std::vector<TextLayer> layers; // shadow copies, then highlight copies, in drawing order
    TextLayer face;
};

// A stripe of a graduated face: only the letters inside it take its colour.
struct FaceStripe {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Rgb color;
    friend bool operator==(const FaceStripe&, const FaceStripe&) = default;
};

constexpr int FaceStripeCount = 16;

// The appearance, colour scheme, settings and face colour of one label, with the rules that tie
// them together: choosing a scheme or an appearance fills the settings; changing the settings by
// hand makes the scheme csCustom (colours) or the appearance apCustom (styles), except while the
// label is loading.
class ShadedTextStyle final : private TEsCustomSettings::Owner {
public:
    // What the owning widget must do after a change.
    struct Notices {
        std::function<void()> repaint;
        std::function<void()> textChanged;  // re-measure, then repaint
        std::function<void()> colorChanged; // re-measure, then repaint
    };

    explicit ShadedTextStyle(Notices notices = {});

    TAppearance appearance() const { return m_appearance; }
    TColorScheme colorScheme() const { return m_colorScheme; }
    void setAppearance(TAppearance appearance);
    void setColorScheme(TColorScheme scheme);

    // The per-label table; the csCustom row follows the last scheme chosen.
    const SchemeColors& schemeColors(TColorScheme scheme) const;

    TEsCustomSettings& customSettings() { return m_settings; }
    const TEsCustomSettings& customSettings() const { return m_settings; }

    Rgb fontColor() const { return m_fontColor; }
    // True when the colour changed (the caller announces it like any font change).
    bool setFontColor(Rgb color);

    // While loading, hand-made changes to the settings neither repaint nor switch anything.
    bool loading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }

    LayerPlan plan(HorizontalAlignment alignment) const;

    // The 16 stripes of a graduated face over a rectangle of the given size; empty for gsNone.
    // textWidth is the caption's one-line width in the label's font.
    std::vector<FaceStripe> faceStripes(const LayerPlan& plan, HorizontalAlignment alignment,
                                        int rectWidth, int rectHeight, int textWidth) const;

private:
    void settingsColorChanged() override;
    void settingsStyleChanged() override;
    static void call(const std::function<void()>& f) {
        if (f)
            f();
    }

    Notices m_notices;
    TEsCustomSettings m_settings{this};
    TAppearance m_appearance = TAppearance::apRaised;
    TColorScheme m_colorScheme = TColorScheme::csWindows;
    std::array<SchemeColors, 6> m_schemes;
    Rgb m_fontColor = EsColor::Grey;
    bool m_loading = false;
    int m_applying = 0; // > 0 while a scheme or appearance fills the settings itself
};

} // namespace vz
