#include "widgets/gradientfill.h"

#include <algorithm>

namespace vz {

GradientFill::GradientFill() {
    rebuild();
}

bool GradientFill::setColorBands(int count) {
    if (count == m_colorBands || count < MinColorBands || count > MaxColorBands)
        return false;
    m_colorBands = count;
    rebuild();
    return true;
}

bool GradientFill::setDirection(TGradientDirection direction) {
    if (direction == m_direction)
        return false;
    m_direction = direction;
    rebuild();
    return true;
}

bool GradientFill::setFromColor(Rgb color) {
    if (color == m_fromColor)
        return false;
    m_fromColor = color;
    rebuild();
    return true;
}

bool GradientFill::setToColor(Rgb color) {
    if (color == m_toColor)
        return false;
    m_toColor = color;
    rebuild();
    return true;
}

void GradientFill::rebuild() {
    m_bandColors.resize(static_cast<std::size_t>(m_colorBands));
    for (int i = 0; i < m_colorBands; ++i)
        m_bandColors[static_cast<std::size_t>(i)] =
            stepColor(m_fromColor, m_toColor, i, m_colorBands - 1);
}

std::vector<GradientBand> GradientFill::bands(int clientWidth, int clientHeight) const {
    std::vector<GradientBand> result;
    if (clientWidth <= 0 || clientHeight <= 0)
        return result;
    const bool horizontal = m_direction == TGradientDirection::dHorizontal;
    const double share =
        static_cast<double>(horizontal ? clientWidth : clientHeight) / m_colorBands;
    const int drawn = static_cast<int>(std::max(1LL, roundHalfEven(1.5 * share)));
    result.reserve(m_bandColors.size());
    for (int i = 0; i < m_colorBands; ++i) {
        const int start = static_cast<int>(roundHalfEven(i * share));
        const Rgb color = m_bandColors[static_cast<std::size_t>(i)];
        if (horizontal)
            result.push_back({start, 0, drawn, clientHeight, color});
        else
            result.push_back({0, start, clientWidth, drawn, color});
    }
    return result;
}

} // namespace vz
