#include "app/main_window.h"
#include "dateentry/dp_month_calendar.h"
#include "engine/clock.h"
#include "engine/datetext.h"
#include "events/about.h"
#include "events/edit_dialog.h"
#include "timeentry/time_popup.h"
#include "widgets/raised_label.h"
#include "widgets/system_colors.h"

#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>

namespace vz {
namespace {

// The colours of a common dark desktop theme.
QPalette darkPalette() {
    QPalette p;
    const auto set = [&p](QPalette::ColorRole role, unsigned rgb) {
        p.setColor(role, QColor::fromRgb(rgb));
    };
    set(QPalette::Window, 0x323232);
    set(QPalette::WindowText, 0xf0f0f0);
    set(QPalette::Button, 0x323232);
    set(QPalette::ButtonText, 0xf0f0f0);
    set(QPalette::Base, 0x242424);
    set(QPalette::AlternateBase, 0x2a2a2a);
    set(QPalette::Text, 0xf0f0f0);
    set(QPalette::BrightText, 0x4b4b4b);
    set(QPalette::Light, 0x4b4b4b);
    set(QPalette::Midlight, 0x2a2a2a);
    set(QPalette::Mid, 0x262626);
    set(QPalette::Dark, 0x212121);
    set(QPalette::Shadow, 0x191919);
    set(QPalette::Highlight, 0x15539e);
    set(QPalette::HighlightedText, 0xffffff);
    set(QPalette::ToolTipBase, 0x262626);
    set(QPalette::ToolTipText, 0xf0f0f0);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor::fromRgb(0x919191));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor::fromRgb(0x919191));
    return p;
}

struct Theme {
    const char* name;
    std::function<QPalette()> palette;
};

void PrintTo(const Theme& theme, std::ostream* os) {
    *os << theme.name;
}

const Theme Themes[] = {
    {"light",
     [] {
         return QApplication::style()->standardPalette();
     }},
    {"dark", darkPalette},
};

// The contrast between a label's text colour and what is behind it: the window is grabbed with
// the label hidden and shown; the background is averaged under the pixels drawn in the text
// colour. 0 when the text colour is drawn nowhere (the label paints in some other colour).
double measuredContrast(QWidget* window, QWidget* label, const QColor& text) {
    const QRect area(label->mapTo(window, QPoint(0, 0)), label->size());
    label->hide();
    const QImage behind = window->grab(area).toImage();
    label->show();
    const QImage drawn = window->grab(area).toImage();
    double r = 0, g = 0, b = 0;
    int count = 0;
    for (int y = 0; y < drawn.height() && y < behind.height(); ++y)
        for (int x = 0; x < drawn.width() && x < behind.width(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            if (std::abs(pixel.red() - text.red()) + std::abs(pixel.green() - text.green()) +
                    std::abs(pixel.blue() - text.blue()) >
                12)
                continue;
            const QColor under = behind.pixelColor(x, y);
            r += under.red();
            g += under.green();
            b += under.blue();
            ++count;
        }
    if (count == 0)
        return 0;
    const auto mean = [count](double v) {
        return static_cast<std::uint8_t>(v / count + 0.5);
    };
    return contrastRatio(toRgb(text), Rgb{mean(r), mean(g), mean(b)});
}

// Every shown label of a window reads on what is behind it.
void expectReadable(QWidget* window, const char* theme) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    int checked = 0;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().trimmed().isEmpty())
            continue;
        ++checked;
        EXPECT_GE(measuredContrast(window, label, label->palette().color(label->foregroundRole())),
                  ReadableContrast)
            << theme << ": \"" << label->text().toStdString() << "\"";
    }
    // A flat tool button's text stands on the window like a label's.
    for (QToolButton* button : window->findChildren<QToolButton*>()) {
        if (!button->isVisible() || !button->autoRaise() || button->text().trimmed().isEmpty())
            continue;
        ++checked;
        EXPECT_GE(measuredContrast(window, button, button->palette().color(QPalette::ButtonText)),
                  ReadableContrast)
            << theme << ": \"" << button->text().toStdString() << "\"";
    }
    for (TRaisedLabel* label : window->findChildren<TRaisedLabel*>()) {
        if (!label->isVisible() || label->caption().trimmed().isEmpty())
            continue;
        ++checked;
        EXPECT_GE(measuredContrast(window, label, label->textColor()), ReadableContrast)
            << theme << ": \"" << label->caption().toStdString() << "\"";
    }
    EXPECT_GT(checked, 0) << theme << ": " << window->metaObject()->className();
}

class ThemeContrast : public ::testing::TestWithParam<Theme> {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        saved = QApplication::palette();
        QApplication::setPalette(GetParam().palette());
    }
    void TearDown() override { QApplication::setPalette(saved); }

    QPalette saved;
    FixedClock clock{encodeDateTime(1997, 4, 16, 12, 0, 0, 0)};
    ScopedClock useClock{clock};
};

TEST_P(ThemeContrast, MainWindowOverTheStone) {
    QTemporaryDir dir;
    std::ofstream(dir.filePath("zadud2.ini").toStdString(), std::ios::binary)
        << "[Entry1]\r\nDesc=Birthday\r\nDate=35582\r\nTime=09:00 AM\r\n"
           "[Lastone]\r\nTop=1\r\nLast=1\r\n";
    TfrmMain w(dir.path());
    expectReadable(&w, GetParam().name);
}

TEST_P(ThemeContrast, Dialogs) {
    const std::unique_ptr<QWidget> windows[] = {
        std::make_unique<TfrmEdit>(nullptr),
        std::make_unique<TfrmAbout>(nullptr),
        std::make_unique<TfrmTimePopup>(nullptr),
    };
    for (const auto& w : windows)
        expectReadable(w.get(), GetParam().name);
}

TEST_P(ThemeContrast, CalendarDaysOnTheirWhite) {
    const TdpDateTimeColors colors = TdpDateTimeColors::defaults(QApplication::palette());
    EXPECT_TRUE(reads(toRgb(colors.TextColor), toRgb(colors.MonthBackColor)));
}

INSTANTIATE_TEST_SUITE_P(Themes, ThemeContrast, ::testing::ValuesIn(Themes),
                         [](const auto& info) { return std::string(info.param.name); });

// Under a light theme the designed colours stay as they were.
TEST(ThemeColours, TheLightThemeKeepsTheDesignedColours) {
    const QPalette light = QApplication::style()->standardPalette();
    EXPECT_EQ(designedText(light, Qt::black), QColor(Qt::black));
    EXPECT_EQ(designedText(light, QColor(0, 0, 128), QPalette::Button), QColor(0, 0, 128));
    EXPECT_EQ(TdpDateTimeColors::defaults(light).TextColor, light.color(QPalette::WindowText));
    EXPECT_EQ(stonePalette(light).color(QPalette::Dark).rgb(), light.color(QPalette::Dark).rgb());
    EXPECT_EQ(stonePalette(light).color(QPalette::Light).rgb(), light.color(QPalette::Light).rgb());
    const QPalette dark = darkPalette();
    EXPECT_EQ(designedText(dark, QColor(0, 0, 128), QPalette::Button),
              dark.color(QPalette::ButtonText));
}

} // namespace
} // namespace vz
