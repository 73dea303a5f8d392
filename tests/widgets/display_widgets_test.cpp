#include "widgets/plain_cell_delegate.h"
#include "widgets/raised_label.h"
#include "widgets/splitter.h"
#include "widgets/stone_texture.h"
#include "widgets/tile.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QImage>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace vz {
namespace {

QImage grab(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(TEsTile, TilesFromTheTopLeftAndFallsBackToItsColour) {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    TEsTile tile;
    tile.resize(5, 4);
    tile.setBitmap(QPixmap::fromImage(picture));
    const QImage shot = grab(tile);
    EXPECT_EQ(shot.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(4, 0), qRgb(255, 0, 0)); // the second column's first pixel
    EXPECT_EQ(shot.pixel(3, 0), qRgb(0, 0, 0));

    tile.setBitmap(QPixmap());
    QPalette palette = tile.palette();
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    tile.setPalette(palette);
    EXPECT_EQ(grab(tile).pixel(2, 2), qRgb(1, 2, 3));
    // The picture built into the program is the generator's, pixel for pixel.
    const QImage stone = stonePixmap().toImage();
    ASSERT_EQ(stone.size(), QSize(StoneTextureSize, StoneTextureSize));
    const std::vector<std::uint8_t> grey = stoneTexture();
    int wrong = 0;
    for (int y = 0; y < StoneTextureSize; ++y)
        for (int x = 0; x < StoneTextureSize; ++x) {
            const int g = grey[static_cast<std::size_t>(y * StoneTextureSize + x)];
            wrong += stone.pixel(x, y) != qRgb(g, g, g);
        }
    EXPECT_EQ(wrong, 0);
}

TEST(TRaisedLabel, SizesToItsCaptionAndShadesRaisedText) {
    TRaisedLabel label;
    label.setFont(QFont(QStringLiteral("Liberation Serif"), 16, QFont::Bold));
    const QSize blank = label.size();
    EXPECT_GT(blank.width(), 0);
    label.setCaption(QStringLiteral("12 days"));
    EXPECT_GT(label.width(), blank.width());
    EXPECT_EQ(label.size(), QFontMetrics(label.font()).size(Qt::TextExpandTabs, label.caption()));

    label.setTextStyle(TRaisedLabel::tsRaised);
    label.setTextColor(Qt::black);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    label.setPalette(palette);
    const QImage raised = grab(label);
    bool sawShadow = false, sawFace = false;
    for (int y = 0; y < raised.height(); ++y)
        for (int x = 0; x < raised.width(); ++x) {
            sawShadow |= raised.pixel(x, y) == qRgb(128, 128, 128);
            sawFace |= qGray(raised.pixel(x, y)) < 40;
        }
    EXPECT_TRUE(sawShadow);
    EXPECT_TRUE(sawFace);

    label.setTextStyle(TRaisedLabel::tsNone);
    const QImage plain = grab(label);
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            ASSERT_NE(plain.pixel(x, y), qRgb(128, 128, 128));
}

TEST(TVzSplitter, DragsTheBarWithinItsLimits) {
    TVzSplitter split;
    split.setOrientation(TSplitterOrientation::soHorizontal);
    split.resize(568, 380);
    split.setPosition(200);
    EXPECT_EQ(split.section1()->geometry(), QRect(2, 2, 565, 197));
    EXPECT_EQ(split.section2()->geometry(), QRect(2, 205, 565, 174));
    split.setPosition(900);
    EXPECT_EQ(split.Position(), 375);
    split.setPosition(200);

    QSignalSpy moved(&split, &TVzSplitter::resized);
    // Without AutoUpdate the panes keep their size until the button is released.
    split.splitterMouseMove({100, 201}, Qt::NoButton);
    split.splitterMousePress({100, 201}, Qt::LeftButton, 0);
    split.splitterMouseMove({100, 20}, Qt::LeftButton);
    EXPECT_EQ(split.section1()->height(), 197);
    split.splitterMouseMove({100, 0}, Qt::LeftButton);
    EXPECT_EQ(split.Position(), 2);
    split.splitterMouseRelease({100, 0}, 0);
    EXPECT_EQ(split.Position(), 2);
    EXPECT_EQ(split.section1()->height(), 0);
    EXPECT_GE(moved.count(), 1);

    // With AutoUpdate the panes follow the mouse.
    split.setAutoUpdate(true);
    split.splitterMouseMove({100, 3}, Qt::NoButton);
    split.splitterMousePress({100, 3}, Qt::LeftButton, 0);
    split.splitterMouseMove({100, 150}, Qt::LeftButton);
    EXPECT_EQ(split.section1()->height(), 147);
    split.splitterMouseRelease({100, 150}, 0);

    // Without AllowResize the bar does not move.
    split.setAllowResize(false);
    split.splitterMouseMove({100, 150}, Qt::NoButton);
    split.splitterMousePress({100, 150}, Qt::LeftButton, 0);
    split.splitterMouseMove({100, 250}, Qt::LeftButton);
    split.splitterMouseRelease({100, 250}, 0);
    EXPECT_EQ(split.Position(), 150);
}

TEST(TVzSplitter, AClickOnAPaneSurfaceIsReported) {
    TVzSplitter split;
    split.setOrientation(TSplitterOrientation::soHorizontal);
    split.resize(568, 380);
    split.setPosition(200);
    split.show();
    QSignalSpy clicked(&split, &TVzSplitter::sectionClicked);
    QTest::mouseClick(split.section1(), Qt::LeftButton, {}, QPoint(50, 50));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 1);
    // A press in the bar zone is a drag, not a click.
    QTest::mouseClick(split.section1(), Qt::LeftButton, {}, QPoint(50, 196));
    EXPECT_EQ(clicked.count(), 1);
}

// One column of texts that change without telling the view, so that only the parts the
// delegate names are repainted, as the main window's ticks do.
class Lines : public QAbstractTableModel {
public:
    QStringList texts;
    int rowCount(const QModelIndex& = {}) const override { return int(texts.size()); }
    int columnCount(const QModelIndex& = {}) const override { return 1; }
    QVariant data(const QModelIndex& at, int role) const override {
        return role == Qt::DisplayRole ? QVariant(texts[at.row()]) : QVariant();
    }
};

// A cell repaints only what a change or an exposure touches; whatever it leaves out of the
// drawing, the screen must show what a whole repaint draws.
TEST(PlainCellDelegate, WhatPartialRepaintsLeaveIsAWholeRepaint) {
    struct Step {
        const char* text;
        enum { Changed, Replaced, Exposed } how;
        int exposedFrom = 0; // pixels into the cell
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"seconds and minutes of a countdown",
         {{"2 yrs 3 mos 4 dys 5 hrs 6 mins 58 secs", Step::Changed},
          {"2 yrs 3 mos 4 dys 5 hrs 6 mins 59 secs", Step::Changed},
          {"2 yrs 3 mos 4 dys 5 hrs 7 mins 0 secs", Step::Changed},
          {"2 yrs 3 mos 4 dys 5 hrs 7 mins 1 secs", Step::Changed}}},
        {"a new text, then part of the cell uncovered",
         {{"2 yrs 3 mos 4 dys 5 hrs 6 mins 58 secs", Step::Changed},
          {"2 yrs 3 mos 4 dys 5 hrs 6 mins 59 secs", Step::Changed},
          {"11 mos 9 dys 9 hrs 9 mins 9 secs", Step::Replaced},
          {"11 mos 9 dys 9 hrs 9 mins 9 secs", Step::Exposed, 200}}},
        {"a text the column cuts off, uncovered past the column's edge",
         {{"1 yr 2 mos 3 dys 4 hrs 5 mins 58 secs, and words that run on past the column",
           Step::Changed},
          {"1 yr 2 mos 3 dys 4 hrs 5 mins 59 secs, and words that run on past the column",
           Step::Changed},
          {"1 yr 2 mos 3 dys 4 hrs 5 mins 59 secs, and words that run on past the column",
           Step::Exposed, 200}}},
        {"part of the cell uncovered across its kept words",
         {{"2 yrs 3 mos 4 dys 5 hrs 6 mins 58 secs", Step::Changed},
          {"2 yrs 3 mos 4 dys 5 hrs 6 mins 59 secs", Step::Changed},
          {"2 yrs 3 mos 4 dys 5 hrs 6 mins 59 secs", Step::Exposed, 100}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Lines lines;
        lines.texts = {QStringLiteral("-"), QStringLiteral("-")};
        QTableView view;
        view.setModel(&lines);
        auto* delegate = new PlainCellDelegate(&view);
        view.setItemDelegate(delegate);
        view.setWordWrap(false);
        view.setTextElideMode(Qt::ElideNone);
        view.horizontalHeader()->resizeSection(0, 300);
        view.resize(340, 120);
        view.show();
        auto settle = [] {
            for (int i = 0; i < 5; ++i)
                QCoreApplication::processEvents();
        };
        auto onScreen = [&view] {
            return view.screen()->grabWindow(view.winId()).toImage();
        };
        settle();
        const QModelIndex cell = lines.index(1, 0);
        const QRect whole = view.visualRect(cell);
        for (const Step& step : c.steps) {
            const std::string before = lines.texts[1].toStdString();
            lines.texts[1] = QString::fromUtf8(step.text);
            std::optional<QRect> part;
            if (step.how == Step::Changed)
                part = delegate->changedPart(cell, before, step.text);
            else if (step.how == Step::Exposed)
                part = whole.adjusted(step.exposedFrom, 0, 100, 0); // and past its edge
            view.viewport()->update(part.value_or(whole));
            settle();
        }
        const QImage left = onScreen();
        view.viewport()->update();
        settle();
        EXPECT_TRUE(onScreen() == left);
    }
}

} // namespace
} // namespace vz
