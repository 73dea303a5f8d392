#include "widgets/gradientfill.h"
#include "widgets/marqueemotion.h"
#include "widgets/shadedtext.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace vz {
namespace {

using D = TShadeDirection;

TEST(EffectColor, RoundsHalvesToEven) {
    for (auto [x, expected] : {std::pair{0.5, 0LL},
                               {1.5, 2LL},
                               {2.5, 2LL},
                               {-0.5, 0LL},
                               {-1.5, -2LL},
                               {2.4999, 2LL},
                               {2.5001, 3LL},
                               {-2.6, -3LL}})
        EXPECT_EQ(roundHalfEven(x), expected) << x;
}

// Paints the bands in order into a grid, as a painter would, so the tests read pixels.
std::vector<std::vector<std::optional<Rgb>>> rasterise(const GradientFill& fill, int w, int h) {
    std::vector<std::vector<std::optional<Rgb>>> pixels(
        static_cast<std::size_t>(h), std::vector<std::optional<Rgb>>(static_cast<std::size_t>(w)));
    for (const GradientBand& b : fill.bands(w, h))
        for (int y = std::max(0, b.y); y < std::min(h, b.y + b.height); ++y)
            for (int x = std::max(0, b.x); x < std::min(w, b.x + b.width); ++x)
                pixels[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = b.color;
    return pixels;
}

TEST(GradientFill, TwoBandsGiveTwoHalves) {
    GradientFill fill;
    fill.setFromColor(EsColor::Black);
    fill.setToColor(EsColor::White);
    ASSERT_TRUE(fill.setColorBands(2));
    EXPECT_EQ(fill.bandColors(), (std::vector<Rgb>{EsColor::Black, EsColor::White}));
    const auto pixels = rasterise(fill, 100, 3);
    for (int x = 0; x < 100; ++x)
        EXPECT_EQ(pixels[1][static_cast<std::size_t>(x)], x < 50 ? EsColor::Black : EsColor::White)
            << x;
}

TEST(GradientFill, BandCountLimitsAndEqualValues) {
    GradientFill fill;
    EXPECT_EQ(fill.colorBands(), 128);
    EXPECT_EQ(fill.bandColors().front(), EsColor::Red);
    EXPECT_EQ(fill.bandColors().back(), EsColor::Yellow);
    EXPECT_FALSE(fill.setColorBands(1));
    EXPECT_FALSE(fill.setColorBands(257));
    EXPECT_FALSE(fill.setColorBands(128));
    EXPECT_FALSE(fill.setFromColor(EsColor::Red));
    EXPECT_EQ(fill.colorBands(), 128);
    EXPECT_TRUE(fill.setColorBands(256));
    EXPECT_EQ(fill.bandColors().size(), 256u);

    fill.setToColor(EsColor::Red);
    for (const Rgb& c : fill.bandColors())
        EXPECT_EQ(c, EsColor::Red);
}

TEST(GradientFill, BandColoursRoundHalvesToEven) {
    GradientFill fill;
    fill.setFromColor(EsColor::Black);
    fill.setToColor({255, 3, 0});
    fill.setColorBands(3); // steps of 127.5 and 1.5
    EXPECT_EQ(fill.bandColors()[1], (Rgb{128, 2, 0}));
    EXPECT_EQ(fill.bandColors()[2], (Rgb{255, 3, 0}));
}

TEST(GradientFill, AquaToBlackVerticalCoversTopToBottom) {
    GradientFill fill;
    fill.setDirection(TGradientDirection::dVertical);
    fill.setFromColor(EsColor::Aqua);
    fill.setToColor(EsColor::Black);
    const auto pixels = rasterise(fill, 420, 308);
    EXPECT_EQ(pixels.front()[0], EsColor::Aqua);
    EXPECT_EQ(pixels.front()[419], EsColor::Aqua);
    EXPECT_EQ(pixels.back()[0], EsColor::Black);
    EXPECT_EQ(pixels.back()[419], EsColor::Black);
}

class GradientCoverage : public ::testing::TestWithParam<std::tuple<int, int, TGradientDirection>> {
};

TEST_P(GradientCoverage, EveryPixelIsPaintedAndBandsAreAtLeastOnePixel) {
    const auto [size, bands, direction] = GetParam();
    GradientFill fill;
    fill.setColorBands(bands);
    fill.setDirection(direction);
    for (const GradientBand& b : fill.bands(size, size)) {
        EXPECT_GE(b.width, 1);
        EXPECT_GE(b.height, 1);
    }
    const auto pixels = rasterise(fill, size, size);
    for (const auto& row : pixels)
        for (const auto& p : row)
            ASSERT_TRUE(p.has_value());
    // With room for every band the far edge shows the last colour; with less, the bands that
    // start beyond the edge are cut off.
    if (size >= bands) {
        EXPECT_EQ(pixels.back().back(), fill.bandColors().back());
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, GradientCoverage,
                         ::testing::Combine(::testing::Values(1, 7, 100, 127, 420),
                                            ::testing::Values(2, 128, 256),
                                            ::testing::Values(TGradientDirection::dHorizontal,
                                                              TGradientDirection::dVertical)));

// ---- shaded text ------------------------------------------------------------------------------

struct Counting final : TEsCustomSettings::Owner {
    int colors = 0;
    int styles = 0;
    void settingsColorChanged() override { ++colors; }
    void settingsStyleChanged() override { ++styles; }
};

TEST(TEsCustomSettings, NotifiesChangesAndHoldsThemDuringAnUpdate) {
    Counting owner;
    TEsCustomSettings settings(&owner);
    settings.setShadowColor(EsColor::Black); // unchanged
    settings.setShadowDepth(1);
    EXPECT_EQ(owner.colors + owner.styles, 0);
    settings.setShadowColor(EsColor::Navy);
    settings.setGraduateFromColor(EsColor::Red);
    settings.setHighlightDepth(3);
    EXPECT_EQ(owner.colors, 2);
    EXPECT_EQ(owner.styles, 1);

    settings.beginUpdate();
    settings.beginUpdate();
    settings.setHighlightColor(EsColor::Red);
    settings.setShadowStyle(TShadeStyle::ssExtrude);
    settings.setGraduateStyle(TGraduateStyle::gsVertical);
    settings.endUpdate();
    EXPECT_EQ(owner.colors, 2);
    settings.endUpdate();
    EXPECT_EQ(owner.colors, 3);
    EXPECT_EQ(owner.styles, 2);

    TEsCustomSettings copy;
    copy.assign(settings);
    EXPECT_EQ(copy.shadowColor(), EsColor::Navy);
    EXPECT_EQ(copy.highlightColor(), EsColor::Red);
    EXPECT_EQ(copy.highlightDepth(), 3);
    EXPECT_EQ(copy.shadowStyle(), TShadeStyle::ssExtrude);
    EXPECT_EQ(copy.graduateStyle(), TGraduateStyle::gsVertical);
    EXPECT_EQ(copy.graduateFromColor(), EsColor::Red);
}

TEST(ShadedTextStyle, RaisedWindowsTextHasWhiteUpLeftAndBlackDownRight) {
    ShadedTextStyle style;
    const LayerPlan p = style.plan(HorizontalAlignment::Left);
    EXPECT_EQ(p.lo, -1);
    EXPECT_EQ(p.hi, 1);
    // Everything moves one pixel right and down so nothing leaves the rectangle.
    EXPECT_EQ(p.layers, (std::vector<TextLayer>{{2, 2, EsColor::Black}, {0, 0, EsColor::White}}));
    EXPECT_EQ(p.face, (TextLayer{1, 1, EsColor::Grey}));
}

struct PlanCase {
    TAppearance appearance;
    HorizontalAlignment alignment;
    int lo, hi, align;
    std::vector<TextLayer> layers;
    TextLayer face;
};

class AppearancePlans : public ::testing::TestWithParam<PlanCase> {};

TEST_P(AppearancePlans, OffsetsAndAlignmentCorrection) {
    const PlanCase& c = GetParam();
    ShadedTextStyle style;
    style.setAppearance(c.appearance);
    const LayerPlan p = style.plan(c.alignment);
    EXPECT_EQ(p.lo, c.lo);
    EXPECT_EQ(p.hi, c.hi);
    EXPECT_EQ(p.align, c.align);
    EXPECT_EQ(p.layers, c.layers);
    EXPECT_EQ(p.face, c.face);
}

constexpr Rgb K = EsColor::Black, W = EsColor::White, G = EsColor::Grey;
INSTANTIATE_TEST_SUITE_P(
    Appearances, AppearancePlans,
    ::testing::Values(
        // A 2-pixel shadow, centred: the block moves left by 1 to stay centred.
        PlanCase{TAppearance::apShadow,
                 HorizontalAlignment::Center,
                 0,
                 2,
                 1,
                 {{1, 2, K}, {-1, 0, W}},
                 {-1, 0, G}},
        PlanCase{TAppearance::apShadow,
                 HorizontalAlignment::Right,
                 0,
                 2,
                 2,
                 {{0, 2, K}, {-2, 0, W}},
                 {-2, 0, G}},
        PlanCase{TAppearance::apSunken,
                 HorizontalAlignment::Left,
                 -1,
                 1,
                 0,
                 {{0, 0, K}, {2, 2, W}},
                 {1, 1, G}},
        PlanCase{TAppearance::apSunken,
                 HorizontalAlignment::Center,
                 -1,
                 1,
                 1,
                 {{-1, 0, K}, {1, 2, W}},
                 {0, 1, G}},
        // Flying: the highlight takes the shadow's colour.
        PlanCase{TAppearance::apFlying,
                 HorizontalAlignment::Left,
                 0,
                 5,
                 0,
                 {{5, 5, K}, {1, 1, K}},
                 {0, 0, G}},
        PlanCase{TAppearance::apNone,
                 HorizontalAlignment::Center,
                 0,
                 0,
                 0,
                 {{0, 0, K}, {0, 0, W}},
                 {0, 0, G}}));

TEST(ShadedTextStyle, ExtrudedAndGraduatedShadowLayers) {
    ShadedTextStyle style;
    TEsCustomSettings& s = style.customSettings();
    s.setHighlightDepth(0);
    s.setHighlightDirection(D::sdNone);
    s.setShadowDepth(4);
    s.setShadowStyle(TShadeStyle::ssExtrude);
    LayerPlan p = style.plan(HorizontalAlignment::Left);
    ASSERT_EQ(p.layers.size(), 5u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(p.layers[static_cast<std::size_t>(i)], (TextLayer{4 - i, 4 - i, K})) << i;

    // Graduated: the deepest copy in the shadow colour, approaching the face colour (grey).
    s.setShadowDepth(3);
    s.setShadowStyle(TShadeStyle::ssGraduated);
    p = style.plan(HorizontalAlignment::Left);
    ASSERT_EQ(p.layers.size(), 4u);
    EXPECT_EQ(p.layers[0], (TextLayer{3, 3, K}));
    EXPECT_EQ(p.layers[1], (TextLayer{2, 2, Rgb{64, 64, 64}}));
    EXPECT_EQ(p.layers[2], (TextLayer{1, 1, G}));

    // Extrusion needs a depth above 1; depth 1 is a single plain copy.
    s.setShadowDepth(1);
    EXPECT_EQ(style.plan(HorizontalAlignment::Left).layers.size(), 2u);
}

TEST(ShadedTextStyle, SchemesFillTheSettingsAndTheCustomRow) {
    int texts = 0;
    ShadedTextStyle style({{}, [&] { ++texts; }, {}});
    style.setColorScheme(TColorScheme::csGold);
    EXPECT_EQ(style.fontColor(), EsColor::Olive);
    EXPECT_EQ(style.customSettings().highlightColor(), EsColor::Yellow);
    EXPECT_EQ(style.customSettings().shadowColor(), K);
    EXPECT_EQ(style.schemeColors(TColorScheme::csCustom),
              (SchemeColors{EsColor::Yellow, K, EsColor::Olive}));
    EXPECT_EQ(texts, 1);
    // Neither setter undoes the other.
    EXPECT_EQ(style.appearance(), TAppearance::apRaised);
    style.setAppearance(TAppearance::apFlying);
    EXPECT_EQ(style.colorScheme(), TColorScheme::csGold);
    EXPECT_EQ(style.customSettings().highlightColor(), K);
    style.setAppearance(TAppearance::apRaised);
    EXPECT_EQ(style.customSettings().highlightColor(), EsColor::Yellow);

    // Choosing csCustom afterwards applies the copied row.
    style.setColorScheme(TColorScheme::csSteel);
    style.setColorScheme(TColorScheme::csCustom);
    EXPECT_EQ(style.fontColor(), EsColor::Teal);
    EXPECT_EQ(style.customSettings().shadowColor(), EsColor::Navy);
}

TEST(ShadedTextStyle, HandMadeChangesSwitchToCustomExceptWhileLoading) {
    int repaints = 0;
    ShadedTextStyle style({[&] { ++repaints; }, {}, {}});
    style.setLoading(true);
    style.customSettings().setHighlightColor(EsColor::Red);
    style.customSettings().setShadowDirection(D::sdDown);
    EXPECT_EQ(style.colorScheme(), TColorScheme::csWindows);
    EXPECT_EQ(style.appearance(), TAppearance::apRaised);
    EXPECT_EQ(repaints, 0);

    style.setLoading(false);
    style.customSettings().setHighlightColor(EsColor::Aqua);
    EXPECT_EQ(style.colorScheme(), TColorScheme::csCustom);
    EXPECT_EQ(style.appearance(), TAppearance::apRaised);
    // The user's colour stays; switching to csCustom does not re-apply the row.
    EXPECT_EQ(style.customSettings().highlightColor(), EsColor::Aqua);
    style.customSettings().setShadowDirection(D::sdLeft);
    EXPECT_EQ(style.appearance(), TAppearance::apCustom);
    EXPECT_EQ(repaints, 2);
}

TEST(ShadedTextStyle, GraduatedFaceStripes) {
    ShadedTextStyle style;
    EXPECT_TRUE(style
                    .faceStripes(style.plan(HorizontalAlignment::Left), HorizontalAlignment::Left,
                                 100, 31, 50)
                    .empty());
    style.customSettings().setGraduateFromColor(K);
    style.customSettings().setGraduateStyle(TGraduateStyle::gsVertical);
    style.setFontColor({150, 0, 30});
    const LayerPlan plan = style.plan(HorizontalAlignment::Left);
    auto stripes = style.faceStripes(plan, HorizontalAlignment::Left, 100, 31, 50);
    ASSERT_EQ(stripes.size(), 16u);
    EXPECT_EQ(stripes[0], (FaceStripe{0, 0, 100, 2, K})); // rows 0..1, step 2
    EXPECT_EQ(stripes[1], (FaceStripe{0, 2, 100, 2, Rgb{10, 0, 2}}));
    EXPECT_EQ(stripes[15].color, (Rgb{150, 0, 30}));
    EXPECT_EQ(stripes[15].y + stripes[15].height, 32);

    // Horizontal, centred: the stripes start at the text's left edge, the outer ones run out to
    // the rectangle's edges.
    style.customSettings().setGraduateStyle(TGraduateStyle::gsHorizontal);
    const LayerPlan centred = style.plan(HorizontalAlignment::Center);
    stripes = style.faceStripes(centred, HorizontalAlignment::Center, 100, 31, 31);
    EXPECT_EQ(centred.shiftX, 0); // lo -1, correction 1
    EXPECT_EQ(stripes[0].x, 0);
    EXPECT_EQ(stripes[0].x + stripes[0].width, 34 + 2);
    EXPECT_EQ(stripes[1].x, 36);
    EXPECT_EQ(stripes[15].x + stripes[15].width, 100);
}

// ---- marquee ----------------------------------------------------------------------------------

TEST(MarqueeMotion, StepDelayAndSpeedLimits) {
    for (auto [speed, delay] : {std::pair{0, 20}, {1, 18}, {4, 12}, {5, 10}, {9, 2}, {10, 2}})
        EXPECT_EQ(stepDelayMs(speed), delay) << speed;
    EXPECT_EQ(timerResolutionFloor(1, 1'000'000), 2);
    EXPECT_EQ(timerResolutionFloor(5, 1'000'000), 5);
    EXPECT_EQ(timerResolutionFloor(1, 1), 1);

    MarqueeMotion m;
    EXPECT_EQ(m.speed(), 5);
    EXPECT_FALSE(m.setSpeed(11));
    EXPECT_FALSE(m.setSpeed(-1));
    EXPECT_FALSE(m.setSpeed(5));
    EXPECT_TRUE(m.setSpeed(0));
    EXPECT_TRUE(m.setSpeed(10));
}

struct StartCase {
    TScrollDirection direction;
    TScrollBehavior behavior;
    int x, y;
};
class MarqueeStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(MarqueeStart, StartsWhereTheTableSays) {
    const StartCase& c = GetParam();
    const MarqueeExtent e{100, 40, 30, 10};
    MarqueeMotion m;
    m.setBehavior(c.behavior, e);
    m.setDirection(c.direction, e);
    EXPECT_EQ(m.x(), 0);
    ASSERT_TRUE(m.setActive(true, e));
    EXPECT_EQ(m.x(), c.x);
    EXPECT_EQ(m.y(), c.y);
    m.step(e);
    ASSERT_TRUE(m.setActive(false, e));
    EXPECT_EQ(m.x(), 0);
    EXPECT_EQ(m.y(), 0);
}

using B = TScrollBehavior;
using S = TScrollDirection;
INSTANTIATE_TEST_SUITE_P(Table, MarqueeStart,
                         ::testing::Values(StartCase{S::sdRightToLeft, B::bhCycle, 100, 0},
                                           StartCase{S::sdRightToLeft, B::bhBounce, 70, 0},
                                           StartCase{S::sdLeftToRight, B::bhOnce, -30, 0},
                                           StartCase{S::sdLeftToRight, B::bhBounce, 0, 0},
                                           StartCase{S::sdTopToBottom, B::bhCycle, 0, -10},
                                           StartCase{S::sdTopToBottom, B::bhBounce, 0, 0},
                                           StartCase{S::sdBottomToTop, B::bhCycle, 0, 40},
                                           StartCase{S::sdBottomToTop, B::bhBounce, 0, 30}));

// Steps until the next cycle; returns the number of steps taken.
int stepsToCycle(MarqueeMotion& m, const MarqueeExtent& e) {
    for (int n = 1; n < 100'000; ++n)
        if (m.step(e))
            return n;
    return -1;
}

TEST(MarqueeMotion, CyclingCaptionWiderThanTheControlComesBackAtTheRight) {
    const MarqueeExtent e{100, 32, 300, 31};
    MarqueeMotion m;
    m.setActive(true, e);
    // From x = 100 to the first x below -315.
    EXPECT_EQ(stepsToCycle(m, e), 416);
    EXPECT_EQ(m.x(), 100);
    EXPECT_EQ(stepsToCycle(m, e), 416);
}

TEST(MarqueeMotion, CyclingInTheOtherDirections) {
    const MarqueeExtent e{100, 32, 300, 20};
    MarqueeMotion m;
    m.setActive(true, e);
    m.setDirection(S::sdLeftToRight, e); // restarts at -300
    EXPECT_EQ(m.x(), -300);
    EXPECT_EQ(stepsToCycle(m, e), 416);
    EXPECT_EQ(m.x(), -300);
    m.setDirection(S::sdTopToBottom, e);
    EXPECT_EQ(m.y(), -20);
    EXPECT_EQ(stepsToCycle(m, e), 20 + 32 + 16);
    EXPECT_EQ(m.y(), -20);
    m.setDirection(S::sdBottomToTop, e);
    EXPECT_EQ(stepsToCycle(m, e), 32 + 20 + 16);
    EXPECT_EQ(m.y(), 32);
}

TEST(MarqueeMotion, BouncesBetweenTheEdgesWhenTheCaptionFits) {
    const MarqueeExtent e{100, 32, 40, 20};
    MarqueeMotion m;
    m.setBehavior(B::bhBounce, e);
    m.setActive(true, e);
    EXPECT_EQ(m.x(), 60); // flush right
    EXPECT_EQ(stepsToCycle(m, e), 61);
    EXPECT_EQ(m.x(), -1);
    EXPECT_EQ(m.direction(), S::sdLeftToRight);
    EXPECT_EQ(stepsToCycle(m, e), 62);
    EXPECT_EQ(m.x(), 61);
    EXPECT_EQ(m.direction(), S::sdRightToLeft);

    m.setDirection(S::sdTopToBottom, e);
    EXPECT_EQ(m.y(), 0);
    EXPECT_EQ(stepsToCycle(m, e), 13);
    EXPECT_EQ(m.direction(), S::sdBottomToTop);
}

TEST(MarqueeMotion, BouncingCaptionWiderThanTheControlCycles) {
    const MarqueeExtent e{100, 32, 300, 20};
    MarqueeMotion m;
    m.setBehavior(B::bhBounce, e);
    m.setActive(true, e);
    EXPECT_EQ(m.x(), -200);
    EXPECT_EQ(stepsToCycle(m, e), 116);
    EXPECT_EQ(m.x(), 100);
    EXPECT_EQ(m.direction(), S::sdRightToLeft);
}

TEST(MarqueeMotion, InactiveMarqueeDoesNotMove) {
    const MarqueeExtent e{100, 32, 40, 20};
    MarqueeMotion m;
    EXPECT_FALSE(m.step(e));
    EXPECT_EQ(m.x(), 0);
    EXPECT_FALSE(m.setActive(false, e));
}

TEST(MarqueeMotion, BitmapAndUncoveredStrips) {
    const MarqueeExtent e{100, 32, 300, 31};
    MarqueeMotion m;
    EXPECT_EQ(m.bitmapRect(e), (MarqueeRect{0, 0, 400, 63}));
    EXPECT_TRUE(m.uncovered(e).empty());

    m.setDirection(S::sdLeftToRight, e);
    m.setActive(true, e);
    for (int i = 0; i < 310; ++i)
        m.step(e);
    EXPECT_EQ(m.x(), 10);
    EXPECT_EQ(m.uncovered(e), (std::vector<MarqueeRect>{{0, 0, 10, 32}}));

    // Right to left near the end of a pass the bitmap no longer reaches the right edge.
    m.setDirection(S::sdRightToLeft, e);
    while (m.x() > -315)
        m.step(e);
    EXPECT_EQ(m.uncovered(e), (std::vector<MarqueeRect>{{85, 0, 15, 32}}));

    m.setDirection(S::sdTopToBottom, e);
    EXPECT_EQ(m.bitmapRect(e), (MarqueeRect{0, -31, 100, 63}));
    for (int i = 0; i < 36; ++i)
        m.step(e);
    EXPECT_EQ(m.uncovered(e), (std::vector<MarqueeRect>{{0, 0, 100, 5}}));
}

} // namespace
} // namespace vz
