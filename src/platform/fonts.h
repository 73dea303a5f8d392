// Font and dpi mapping: the designed fonts resolve to metric-compatible stand-ins, and designed
// pixel measures scale with the screen's dots per inch.
//
//     vz::installFontSubstitutions();
//     int w = vz::scaled(180, dpi); // 180 at 96 dpi
#pragma once

class QString;
class QWidget;

namespace vz {

constexpr int DesignDpi = 96;

void installFontSubstitutions();

// The family a designed face is drawn in: the face itself where it is installed, else the first
// of its installed substitutes, as Qt would pick; else the face, left for Qt to find a stand-in.
// Asking for the installed family spares Qt the font configuration's search for the designed
// name, most of the cost of a font's first use.
QString installedFamily(const QString& family);

// The dots per inch a window lays itself out for.
int windowDpi(const QWidget* widget);

// A designed pixel measure at the given dpi, with the integer division the layout rules use.
constexpr int scaled(int designPixels, int dpi) {
    return dpi * designPixels / DesignDpi;
}

} // namespace vz
