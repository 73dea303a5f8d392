#include "widgets/splitter.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <vector>

namespace vz {
namespace {

const QRgb Face = qRgb(192, 192, 192);
const QRgb Light = qRgb(255, 255, 255);
const QRgb Shadow = qRgb(128, 128, 128);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Behind = qRgb(255, 0, 255); // shows wherever nothing was painted

// The splitter painted into an image of the given device pixel ratio.
QImage render(TVzSplitter& splitter, qreal ratio) {
    const QSize device = (QSizeF(splitter.size()) * ratio).toSize();
    QImage image(device, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Behind);
    splitter.render(&image);
    return image;
}

// The colours met along a line of device pixels, each run of equal pixels counted once.
struct Runs {
    std::vector<QRgb> colours;
    std::vector<int> lengths;
};
Runs runsAlong(const QImage& image, bool down, int at) {
    Runs runs;
    const int count = down ? image.height() : image.width();
    for (int i = 0; i < count; ++i) {
        const QRgb pixel = down ? image.pixel(at, i) : image.pixel(i, at);
        if (runs.colours.empty() || runs.colours.back() != pixel) {
            runs.colours.push_back(pixel);
            runs.lengths.push_back(0);
        }
        ++runs.lengths.back();
    }
    return runs;
}

class SplitterScale : public ::testing::TestWithParam<qreal> {};

// Every line of the sunken frames keeps its colour at every scale: none is lost between device
// pixels, none leaves a gap of what lies behind, and at a whole ratio each is exactly that wide.
TEST_P(SplitterScale, TheFrameLinesStayWholeAndInPlace) {
    const qreal ratio = GetParam();
    TVzSplitter splitter;
    QPalette palette = splitter.palette();
    palette.setColor(QPalette::Button, Face);
    palette.setColor(QPalette::Light, Light);
    palette.setColor(QPalette::Dark, Shadow);
    splitter.setPalette(palette);
    splitter.setOrientation(TSplitterOrientation::soHorizontal);
    splitter.resize(120, 90);
    splitter.setPosition(40);

    const QImage image = render(splitter, ratio);
    const int middle = image.width() / 2;
    const Runs down = runsAlong(image, true, middle);
    const std::vector<QRgb> expectedDown = {Shadow, Black, Face, Light, Face,
                                            Shadow, Black, Face, Light};
    EXPECT_EQ(down.colours, expectedDown);
    const Runs across = runsAlong(image, false, qRound(20 * ratio));
    const std::vector<QRgb> expectedAcross = {Shadow, Black, Face, Light};
    EXPECT_EQ(across.colours, expectedAcross);

    if (ratio == qRound(ratio)) {
        const int pixel = qRound(ratio);
        for (std::size_t i : {0u, 1u, 3u, 5u, 6u, 8u})
            EXPECT_EQ(down.lengths.at(i), pixel) << "run " << i;
        EXPECT_EQ(down.lengths.at(4), 3 * pixel); // the bar
        for (std::size_t i : {0u, 1u, 3u})
            EXPECT_EQ(across.lengths.at(i), pixel) << "run " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, SplitterScale, ::testing::Values(1.0, 1.5, 2.0));

} // namespace
} // namespace vz
