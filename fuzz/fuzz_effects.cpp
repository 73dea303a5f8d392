// Drives the gradient, shaded-text and marquee engines with arbitrary settings and sizes and
// checks what painting relies on: bands cover their area and are at least a pixel, layers never
// start left of or above the rectangle, and a caption stays within reach of the control.
#include "widgets/gradientfill.h"
#include "widgets/marqueemotion.h"
#include "widgets/shadedtext.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_at >= m_size; }
    std::uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    int number(int limit) { return (byte() << 8 | byte()) % (limit + 1); }
    vz::Rgb color() { return {byte(), byte(), byte()}; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

void check(bool ok) {
    if (!ok)
        std::abort();
}

void gradient(Input& in) {
    vz::GradientFill fill;
    fill.setColorBands(in.number(300));
    fill.setDirection(in.byte() % 2 ? vz::TGradientDirection::dVertical
                                    : vz::TGradientDirection::dHorizontal);
    fill.setFromColor(in.color());
    fill.setToColor(in.color());
    const int w = in.number(3000), h = in.number(3000);
    const auto bands = fill.bands(w, h);
    check(fill.bandColors().front() == fill.fromColor());
    check(fill.bandColors().back() == fill.toColor());
    if (w == 0 || h == 0)
        return check(bands.empty());
    check(static_cast<int>(bands.size()) == fill.colorBands());
    int reach = 0;
    for (const auto& b : bands) {
        check(b.width >= 1 && b.height >= 1);
        const bool horizontal = fill.direction() == vz::TGradientDirection::dHorizontal;
        const int start = horizontal ? b.x : b.y;
        check(start <= reach); // no gap before this band
        reach = std::max(reach, start + (horizontal ? b.width : b.height));
    }
    check(reach >= (fill.direction() == vz::TGradientDirection::dHorizontal ? w : h));
}

void shaded(Input& in) {
    vz::ShadedTextStyle style;
    for (int n = in.byte() % 24; n > 0 && !in.empty(); --n) {
        vz::TEsCustomSettings& s = style.customSettings();
        switch (in.byte() % 10) {
        case 0:
            style.setAppearance(static_cast<vz::TAppearance>(in.byte() % 6));
            break;
        case 1:
            style.setColorScheme(static_cast<vz::TColorScheme>(in.byte() % 6));
            break;
        case 2:
            s.setHighlightDepth(in.byte());
            break;
        case 3:
            s.setShadowDepth(in.byte());
            break;
        case 4:
            s.setHighlightDirection(static_cast<vz::TShadeDirection>(in.byte() % 9));
            break;
        case 5:
            s.setShadowDirection(static_cast<vz::TShadeDirection>(in.byte() % 9));
            break;
        case 6:
            s.setHighlightStyle(static_cast<vz::TShadeStyle>(in.byte() % 3));
            break;
        case 7:
            s.setShadowStyle(static_cast<vz::TShadeStyle>(in.byte() % 3));
            break;
        case 8:
            s.setGraduateStyle(static_cast<vz::TGraduateStyle>(in.byte() % 3));
            break;
        default:
            style.setLoading(in.byte() % 2);
            break;
        }
    }
    const auto alignment = static_cast<vz::HorizontalAlignment>(in.byte() % 3);
    const vz::LayerPlan plan = style.plan(alignment);
    const auto& s = style.customSettings();
    const std::size_t expected =
        (s.shadowStyle() != vz::TShadeStyle::ssPlain && s.shadowDepth() > 1 ? s.shadowDepth() : 1) +
        (s.highlightStyle() != vz::TShadeStyle::ssPlain && s.highlightDepth() > 1
             ? s.highlightDepth()
             : 1);
    check(plan.layers.size() == expected);
    for (const auto& layer : plan.layers) {
        check(layer.dy >= 0 && layer.dy <= plan.hi - plan.lo);
        check(layer.dx + plan.align >= 0 && layer.dx + plan.align <= plan.hi - plan.lo);
    }
    const int w = in.number(2000), h = in.number(2000), tw = in.number(4000);
    const auto stripes = style.faceStripes(plan, alignment, w, h, tw);
    if (!stripes.empty()) {
        check(stripes.size() == vz::FaceStripeCount);
        check(stripes.back().color == style.fontColor());
        for (const auto& st : stripes)
            check(st.width >= 0 && st.height >= 0);
    }
}

void marquee(Input& in) {
    vz::MarqueeMotion motion;
    vz::MarqueeExtent e{in.number(2000), in.number(2000), in.number(8000), in.number(8000)};
    for (int n = in.byte(); n > 0 && !in.empty(); --n) {
        switch (in.byte() % 6) {
        case 0:
            motion.setActive(in.byte() % 2, e);
            break;
        case 1:
            motion.setBehavior(static_cast<vz::TScrollBehavior>(in.byte() % 3), e);
            break;
        case 2:
            motion.setDirection(static_cast<vz::TScrollDirection>(in.byte() % 4), e);
            break;
        case 3:
            e = {in.number(2000), in.number(2000), in.number(8000), in.number(8000)};
            break;
        default:
            for (int k = in.number(5000); k > 0; --k)
                motion.step(e);
            break;
        }
        const int far = 2 * (2000 + 8000) + vz::CycleOvershoot;
        check(std::abs(motion.x()) <= far && std::abs(motion.y()) <= far);
        int covered = 0;
        for (const auto& r : motion.uncovered(e)) {
            check(r.x >= 0 && r.y >= 0 && r.x + r.width <= e.width && r.y + r.height <= e.height);
            covered += r.width * r.height;
        }
        check(covered <= e.width * e.height);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    switch (in.byte() % 3) {
    case 0:
        gradient(in);
        break;
    case 1:
        shaded(in);
        break;
    default:
        marquee(in);
        break;
    }
    return 0;
}
