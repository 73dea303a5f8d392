// The state of a banded gradient and the geometry of its bands: a fixed number of solid bands
// from one colour to another, left to right or top to bottom. Each band is drawn half a band
// wider than its share, so rounding never leaves a gap; the next band paints over the overlap.
//
//     vz::GradientFill fill;                 // 128 bands, red to yellow, left to right
//     fill.setDirection(vz::TGradientDirection::dVertical);
//     for (const vz::GradientBand& band : fill.bands(420, 308)) paint(band);
#pragma once

#include "widgets/effectcolor.h"

#include <vector>

namespace vz {

enum class TGradientDirection { dHorizontal, dVertical };

struct GradientBand {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Rgb color;
    friend bool operator==(const GradientBand&, const GradientBand&) = default;
};

class GradientFill {
public:
    static constexpr int MinColorBands = 2;
    static constexpr int MaxColorBands = 256;

    GradientFill();

    int colorBands() const { return m_colorBands; }
    TGradientDirection direction() const { return m_direction; }
    Rgb fromColor() const { return m_fromColor; }
    Rgb toColor() const { return m_toColor; }

    // Each setter returns true when the value was taken (and the band colours rebuilt); an equal
    // value, or a band count outside 2..256, is ignored.
    bool setColorBands(int count);
    bool setDirection(TGradientDirection direction);
    bool setFromColor(Rgb color);
    bool setToColor(Rgb color);

    // One colour per band, the first exactly FromColor and the last exactly ToColor. This is also
    // the content of the control's logical palette.
    const std::vector<Rgb>& bandColors() const { return m_bandColors; }

    // The rectangles to fill, in painting order, for a client area of the given size.
    std::vector<GradientBand> bands(int clientWidth, int clientHeight) const;

private:
    void rebuild();

    int m_colorBands = 128;
    TGradientDirection m_direction = TGradientDirection::dHorizontal;
    Rgb m_fromColor = EsColor::Red;
    Rgb m_toColor = EsColor::Yellow;
    std::vector<Rgb> m_bandColors;
};

} // namespace vz
