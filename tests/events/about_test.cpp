#include "events/about.h"

#include "platform/fonts.h"
#include "platform/webpage.h"
#include "support/recorded_messages.h"
#include "widgets/marquee.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace vz {
namespace {

class About : public ::testing::Test {
protected:
    static void SetUpTestSuite() { installFontSubstitutions(); }
    void SetUp() override {
        test::RecordedMessages::current().entries.clear();
        setWebPageOpener([this](const QUrl& url) {
            opened << url.toString();
            return browserStarts;
        });
    }
    void TearDown() override { setWebPageOpener({}); }

    // Opens the box the way the main window does, runs `whileOpen` inside its modal loop, and
    // returns the box's result.
    int openBox(const std::function<void(TfrmAbout&)>& whileOpen) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<TfrmAbout*>(QApplication::activeModalWidget());
            if (!box) {
                ADD_FAILURE() << "the about box is not the active modal window";
                return;
            }
            boxSeen = box;
            refreshRanWhileOpen = refresh.isActive();
            whileOpen(*box);
        });
        const int result = TfrmAbout::execute(&owner, &refresh);
        EXPECT_TRUE(boxSeen.isNull()) << "the box outlives its opening";
        return result;
    }

    QWidget owner;
    QTimer refresh;
    QPointer<TfrmAbout> boxSeen;
    bool refreshRanWhileOpen = true;
    bool browserStarts = true;
    QStringList opened;
};

TEST_F(About, OpensWithTheMarqueeHiddenAndShowsItAfterHalfASecond) {
    refresh.start(1000);
    openBox([](TfrmAbout& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("How to contact us"));
        EXPECT_EQ(box.size(), QSize(420, 340));
        EXPECT_EQ(box.focusWidget(), box.OKButton);
        EXPECT_TRUE(box.OKButton->isDefault());
        EXPECT_FALSE(box.lblFree->isVisible());
        EXPECT_FALSE(box.Label4->isVisible());
        EXPECT_TRUE(box.ProductName->isVisible());
        EXPECT_FALSE(box.marq->isVisible());
        EXPECT_FALSE(box.marq->active());
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return box.marq->isVisible(); }, 3000));
        EXPECT_GE(clock.elapsed(), 400);
        EXPECT_LE(clock.elapsed(), 1500);
        EXPECT_TRUE(box.marq->active());
        EXPECT_FALSE(box.Timer1.isActive());
        // It scrolls right to left from the right edge.
        EXPECT_TRUE(QTest::qWaitFor([&] { return box.marq->offset().x() < 400; }, 1000));
        box.accept();
    });
    EXPECT_FALSE(refreshRanWhileOpen);
    EXPECT_TRUE(refresh.isActive());
    EXPECT_EQ(refresh.interval(), 1000);
}

TEST_F(About, EveryWayOutResumesTheRefresh) {
    const std::vector<std::pair<const char*, std::function<void(TfrmAbout&)>>> ways{
        {"OK",
         [](TfrmAbout& box) {
             QTest::mouseClick(box.OKButton, Qt::LeftButton);
         }},
        {"Enter",
         [](TfrmAbout& box) {
             QTest::keyClick(&box, Qt::Key_Return);
         }},
        {"Esc",
         [](TfrmAbout& box) {
             QTest::keyClick(&box, Qt::Key_Escape);
         }},
        {"close box",
         [](TfrmAbout& box) {
             box.close();
         }},
    };
    for (const auto& [name, way] : ways) {
        refresh.stop(); // also after a conversion failure stopped it, the box restarts it
        refreshRanWhileOpen = true;
        openBox(way);
        EXPECT_FALSE(refreshRanWhileOpen) << name;
        EXPECT_TRUE(refresh.isActive()) << name;
    }
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(About, WebButtonOpensTheHomePageAndClosesEitherWay) {
    for (const bool starts : {true, false}) {
        browserStarts = starts;
        opened.clear();
        test::RecordedMessages::current().entries.clear();
        const int result =
            openBox([](TfrmAbout& box) { QTest::mouseClick(box.btWeb, Qt::LeftButton); });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(opened, QStringList{QStringLiteral("http://www.velmora.example/")});
        const QStringList expected =
            starts ? QStringList{}
                   : QStringList{QStringLiteral("error: Couldn't open web browser for home page")};
        EXPECT_EQ(test::RecordedMessages::current().entries, expected);
        EXPECT_TRUE(refresh.isActive());
    }
}

TEST_F(About, ShowsTheContactDetailsAndTheHomePageInTheMarquee) {
    openBox([](TfrmAbout& box) {
        EXPECT_EQ(box.ProductName->text(), QStringLiteral("Vizevavoz 98 Version 1.6"));
        EXPECT_EQ(box.lblMaker->text(), QStringLiteral("Dozazar Irudizidudo"));
        EXPECT_EQ(box.btWeb->text(), QStringLiteral("Go to Velmora Home Page"));
        EXPECT_EQ(box.btWeb->toolTip(), QStringLiteral("Launch your browser to Velmora Home Page"));
        EXPECT_EQ(box.marq->caption(),
                  QStringLiteral("Come check out our home page for more excellent utility and "
                                 "business software by Dozazar Irudizidudo at "
                                 "www.velmora.example"));
        EXPECT_EQ(box.marq->colorScheme(), TColorScheme::csGold);
        EXPECT_EQ(box.marq->appearance(), TAppearance::apCustom);
        EXPECT_EQ(box.marq->scrollSpeed(), 4);
        // Every contact line fits its label on one line.
        for (QLabel* label : {box.ProductName, box.lblFree, box.Label4, box.lblMaker, box.Comments,
                              box.Label1, box.Label2, box.Label3, box.Label5})
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << label->text().toStdString();
        box.accept();
    });
}

// With VZ_ABOUT_SHOTS set to a folder, saves the box as it looks 0.3 s and 2 s after opening.
TEST_F(About, Screenshots) {
    const QString folder = qEnvironmentVariable("VZ_ABOUT_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "VZ_ABOUT_SHOTS not set";
    openBox([&](TfrmAbout& box) {
        QTest::qWait(300);
        box.grab().save(QDir(folder).filePath(QStringLiteral("about-0.3s.png")));
        QTest::qWait(1700);
        box.grab().save(QDir(folder).filePath(QStringLiteral("about-2s.png")));
        box.accept();
    });
}

} // namespace
} // namespace vz
