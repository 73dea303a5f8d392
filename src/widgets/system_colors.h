// System colours the drawn controls name, taken from the palette, and the rule that keeps text
// readable under light and dark themes alike: text over a fixed picture or colour (the stone,
// the gradient, the time bar's bands) has a fixed colour that reads on it; text over the
// palette's background takes the palette's text colour where the designed one does not read.
#pragma once

#include "widgets/contrast.h"
#include "widgets/effectpaint.h"

#include <QColor>
#include <QPalette>

namespace vz {

// The grey of text that is not available (disabled text, neighbouring months' days). Some
// platform themes give disabled text the normal text colour; the classic mid grey is used then.
inline QColor grayTextColor(const QPalette& palette) {
    const QColor disabled = palette.color(QPalette::Disabled, QPalette::WindowText);
    if (disabled == palette.color(QPalette::Active, QPalette::WindowText))
        return {128, 128, 128};
    return disabled;
}

// The designed colour where it reads on the background, else the fallback.
inline QColor readableOn(const QColor& designed, const QColor& background, const QColor& fallback) {
    return reads(toRgb(designed), toRgb(background)) ? designed : fallback;
}

// A designed text colour over the palette's background role: kept under a light theme, the
// palette's matching text colour under a dark one.
inline QColor designedText(const QPalette& palette, const QColor& designed,
                           QPalette::ColorRole background = QPalette::Window) {
    const QPalette::ColorRole text = background == QPalette::Button ? QPalette::ButtonText
                                     : background == QPalette::Base ? QPalette::Text
                                                                    : QPalette::WindowText;
    return readableOn(designed, palette.color(background), palette.color(text));
}

// Text and bevels over the stone, a fixed light picture: the colours a light theme gives them,
// whatever theme is in use.
inline QPalette stonePalette(QPalette palette) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, Qt::black);
        palette.setColor(group, QPalette::Light, Qt::white);
        palette.setColor(group, QPalette::Dark, QColor(0x9f, 0x9f, 0x9f));
    }
    return palette;
}

} // namespace vz
