#include "platform/fonts.h"
#include "platform/hirestimer.h"
#include "widgets/effectpaint.h"
#include "widgets/gradient.h"
#include "widgets/marquee.h"
#include "widgets/shadedlabel.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <set>
#include <thread>

namespace vz {
namespace {

QImage grab(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

std::set<QRgb> colours(const QImage& image) {
    std::set<QRgb> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            found.insert(image.pixel(x, y));
    return found;
}

// Sharp-edged text, so every pixel is one of the layers' colours.
QFont sharpFont(int pixels) {
    QFont font = designFont(QStringLiteral("Times New Roman"), -pixels, true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

class Effects : public ::testing::Test {
protected:
    static void SetUpTestSuite() { installFontSubstitutions(); }
};

TEST_F(Effects, GradientPaintsBandsEdgeToEdge) {
    TEsGradient gradient;
    EXPECT_EQ(gradient.size(), QSize(100, 100));
    EXPECT_EQ(TEsGradient::version(), QStringLiteral("1.05"));
    gradient.setFromColor(Qt::black);
    gradient.setToColor(Qt::white);
    gradient.setColorBands(2);
    QImage shot = grab(gradient);
    EXPECT_EQ(shot.pixel(49, 50), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(50, 50), qRgb(255, 255, 255));

    // A change after a paint shows at the next paint.
    gradient.resize(420, 308);
    gradient.setDirection(TGradientDirection::dVertical);
    gradient.setColorBands(128);
    gradient.setFromColor(QColor(0, 255, 255));
    gradient.setToColor(Qt::black);
    shot = grab(gradient);
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 255, 255));
    EXPECT_EQ(shot.pixel(419, 0), qRgb(0, 255, 255));
    EXPECT_EQ(shot.pixel(210, 307), qRgb(0, 0, 0));
    EXPECT_EQ(gradient.paletteColors().size(), 128u);
}

TEST_F(Effects, RaisedLabelDrawsHighlightUpLeftAndShadowDownRight) {
    TEsCustomLabel label;
    EXPECT_EQ(label.size(), QSize(150, 35));
    EXPECT_EQ(label.fontColor(), QColor(128, 128, 128));
    label.setTransparent(false);
    label.setColor(QColor(0, 0, 255));
    label.setFont(sharpFont(28));
    label.setCaption(QStringLiteral("I"));
    const QImage shot = grab(label);
    const QRgb face = qRgb(128, 128, 128), white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    EXPECT_EQ(colours(shot), (std::set<QRgb>{qRgb(0, 0, 255), face, white, black}));
    // The top-left-most face pixel has the highlight just up-left of it, and the bottom-right-most
    // has the shadow just down-right.
    QPoint first(-1, -1), last;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == face) {
                if (first.x() < 0)
                    first = {x, y};
                last = {x, y};
            }
    ASSERT_GE(first.x(), 1);
    EXPECT_EQ(shot.pixel(first - QPoint(1, 1)), white);
    EXPECT_EQ(shot.pixel(last + QPoint(1, 1)), black);
}

TEST_F(Effects, GraduatedFaceColoursOnlyTheLetters) {
    TEsCustomLabel label;
    label.setTransparent(false);
    label.setColor(Qt::white);
    label.resize(60, 40);
    label.setFont(sharpFont(36));
    label.setAppearance(TAppearance::apNone);
    label.setFontColor(QColor(0, 0, 255));
    label.customSettings().setGraduateFromColor({255, 0, 0});
    label.customSettings().setGraduateStyle(TGraduateStyle::gsVertical);
    label.setCaption(QStringLiteral("I"));
    const QImage shot = grab(label);
    // The top of the letter is near red, the bottom near blue; the background stays white.
    QRgb top = 0, bottom = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != qRgb(255, 255, 255)) {
                if (!top)
                    top = shot.pixel(x, y);
                bottom = shot.pixel(x, y);
            }
    EXPECT_GT(qRed(top), 200);
    EXPECT_LT(qRed(bottom), 100);
    EXPECT_GT(qBlue(bottom), 150);
    EXPECT_EQ(shot.pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(Effects, HighResTimerStepsOnTheOwnersThreadAndStops) {
    int steps = 0;
    bool onOwnerThread = true;
    const auto owner = std::this_thread::get_id();
    HiResTimer timer([&](unsigned) {
        ++steps;
        onOwnerThread = onOwnerThread && std::this_thread::get_id() == owner;
    });
    timer.start(2, 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return steps >= 20; }, 2000));
    EXPECT_TRUE(onOwnerThread);
    timer.stop();
    EXPECT_FALSE(timer.running());
    const int stopped = steps;
    QTest::qWait(30);
    EXPECT_EQ(steps, stopped);
}

TEST_F(Effects, HighResTimerCatchesUpAfterABusySpellWithOnePost) {
    int steps = 0;
    HiResTimer timer([&](unsigned) { ++steps; });
    timer.start(5, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(52)); // the interface thread is busy
    QCoreApplication::processEvents();
    // About ten periods passed; a loaded machine may wake the timer's thread for fewer of
    // them, but every step it counted arrives through the one post.
    EXPECT_GE(steps, 2);
    EXPECT_LE(steps, 11);
}

TEST_F(Effects, HighResTimerDropsStepsOfAStoppedRun) {
    int steps = 0;
    HiResTimer timer([&](unsigned) { ++steps; });
    timer.start(1, 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(20)); // a step is now queued
    timer.stop();
    QCoreApplication::processEvents();
    EXPECT_EQ(steps, 0);
}

class Marquee : public Effects {
protected:
    void SetUp() override {
        marquee.resize(100, 32);
        marquee.setFont(sharpFont(20));
        marquee.setColor(Qt::black);
        marquee.setCaption(QStringLiteral("Hi"));
        marquee.OnCycle = [this](TEsCustomScrollingMarquee* sender) {
            EXPECT_EQ(sender, &marquee);
            ++cycles;
        };
    }
    TEsScrollingMarquee marquee;
    int cycles = 0;
};

TEST_F(Marquee, StartsTheTimerAtItsSpeedAndStopsItAtZero) {
    EXPECT_EQ(marquee.scrollSpeed(), 5);
    EXPECT_TRUE(marquee.timer().running());
    EXPECT_EQ(marquee.timer().periodMs(), 10);
    marquee.setScrollSpeed(4);
    EXPECT_EQ(marquee.timer().periodMs(), 12);
    EXPECT_EQ(marquee.timer().resolutionMs(), 12);
    marquee.setScrollSpeed(11);
    EXPECT_EQ(marquee.scrollSpeed(), 4);
    marquee.setScrollSpeed(0);
    EXPECT_FALSE(marquee.timer().running());
    marquee.setActive(true);
    const QPoint start = marquee.offset();
    QTest::qWait(40);
    EXPECT_EQ(marquee.offset(), start);
}

TEST_F(Marquee, ScrollsAndCyclesWhileActive) {
    marquee.setScrollSpeed(10);
    QTest::qWait(30);
    EXPECT_EQ(marquee.offset(), QPoint(0, 0)); // inactive: steps do nothing
    marquee.setActive(true);
    EXPECT_EQ(marquee.offset(), QPoint(100, 0));
    const int textWidth = marquee.textSize().width();
    ASSERT_GT(textWidth, 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return cycles >= 1; }, 5000));
    EXPECT_TRUE(marquee.active());
}

TEST_F(Marquee, OnceStopsAtTheLeftEdgeAfterOnePass) {
    marquee.setBehavior(TScrollBehavior::bhOnce);
    marquee.setScrollSpeed(10);
    marquee.setActive(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !marquee.active(); }, 5000));
    EXPECT_EQ(cycles, 1);
    EXPECT_EQ(marquee.offset(), QPoint(0, 0));
}

TEST_F(Marquee, PaintsTheCaptionWhereItStandsAndFillsTheRest) {
    marquee.setScrollSpeed(0);
    marquee.setAppearance(TAppearance::apNone);
    marquee.setFontColor(QColor(0, 255, 0));
    marquee.setScrollDirection(TScrollDirection::sdLeftToRight);
    const QImage atRest = grab(marquee);
    auto greenColumns = [](const QImage& shot) {
        int leftmost = shot.width();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) == qRgb(0, 255, 0))
                    leftmost = std::min(leftmost, x);
        return leftmost;
    };
    const int restLeft = greenColumns(atRest);
    ASSERT_LT(restLeft, 10);
    EXPECT_EQ(colours(atRest), (std::set<QRgb>{qRgb(0, 0, 0), qRgb(0, 255, 0)}));

    // Moved right by switching direction while active and stepping: the strip it leaves is
    // filled with the background, and the caption appears shifted.
    marquee.setBehavior(TScrollBehavior::bhBounce);
    marquee.setActive(true); // bouncing left to right starts at the left edge
    marquee.setScrollSpeed(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return marquee.offset().x() >= 20; }, 5000));
    marquee.setScrollSpeed(0);
    const QImage moved = grab(marquee);
    EXPECT_EQ(greenColumns(moved), restLeft + marquee.offset().x());
    EXPECT_EQ(colours(moved), (std::set<QRgb>{qRgb(0, 0, 0), qRgb(0, 255, 0)}));

    // A change of look while scrolling renders the caption again.
    marquee.setFontColor(QColor(255, 0, 0));
    EXPECT_EQ(colours(grab(marquee)), (std::set<QRgb>{qRgb(0, 0, 0), qRgb(255, 0, 0)}));
}

} // namespace
} // namespace vz
