#include "events/about.h"

#include "platform/fonts.h"
#include "platform/webpage.h"
#include "support/recorded_messages.h"
#include "widgets/marquee.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
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

TEST_F(About, AddressLinesReadAsOneBlockCentredOnThePanel) {
    openBox([](TfrmAbout& box) {
        const int axis = box.Panel1->width() / 2;
        // Where each line's text is centred, in panel coordinates.
        const auto textCentre = [](QLabel* label) {
            const int width = label->fontMetrics().horizontalAdvance(label->text());
            const int left = label->x() + (label->width() - width) / 2;
            return left + width / 2;
        };
        for (QLabel* label : {box.ProductName, box.lblMaker, box.Comments, box.Label1, box.Label2,
                              box.Label3, box.Label5}) {
            EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << label->text().toStdString();
            EXPECT_LE(std::abs(textCentre(label) - axis), 1) << label->text().toStdString();
        }
        box.accept();
    });
}

// A stand-in for the desktop's opener, first on the PATH, that ends with a given status or
// keeps running as an opener does that waits for its browser.
class AboutWithOpener : public About {
protected:
    void SetUp() override {
        About::SetUp();
        setWebPageOpener({});
        ASSERT_TRUE(folder.isValid());
        savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(folder.path()) + ":" + savedPath);
    }
    void TearDown() override {
        qputenv("PATH", savedPath);
        About::TearDown();
    }
    void writeOpener(const QByteArray& body) {
        QFile script(folder.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$1\" >> \"" + QFile::encodeName(folder.path()) +
                     "/asked\"\n" + body + "\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    QString asked() {
        QFile file(folder.filePath(QStringLiteral("asked")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed()
                                              : QString();
    }

    QTemporaryDir folder;
    QByteArray savedPath;
};

TEST_F(AboutWithOpener, TheOpenersExitStatusDecidesTheReport) {
    struct Case {
        const char* opener;
        bool reported;
    } cases[] = {
        {"exit 0", false},
        {"exit 4", true},
        {"kill -9 $$", true},
        {"sleep 3", false}, // still busy after the grace period: taken as started
    };
    for (const Case& c : cases) {
        writeOpener(c.opener);
        QFile::remove(folder.filePath(QStringLiteral("asked")));
        test::RecordedMessages::current().entries.clear();
        QElapsedTimer clock;
        clock.start();
        const int result =
            openBox([](TfrmAbout& box) { QTest::mouseClick(box.btWeb, Qt::LeftButton); });
        EXPECT_EQ(result, QDialog::Accepted) << c.opener;
        EXPECT_LT(clock.elapsed(), WebOpenerGraceMs + 1500) << c.opener;
        EXPECT_EQ(asked(), QStringLiteral("http://www.velmora.example/")) << c.opener;
        const QStringList expected =
            c.reported
                ? QStringList{QStringLiteral("error: Couldn't open web browser for home page")}
                : QStringList{};
        EXPECT_EQ(test::RecordedMessages::current().entries, expected) << c.opener;
    }
    // The busy opener ends in its own time; it was never the box's to stop.
    QTest::qWait(2000);
    EXPECT_TRUE(test::RecordedMessages::current().entries.isEmpty());
}

TEST_F(AboutWithOpener, ClosingTheBoxWhileTheOpenerRunsIsSafe) {
    writeOpener("sleep 0.5; exit 1");
    openBox([](TfrmAbout& box) {
        QTest::mouseClick(box.btWeb, Qt::LeftButton);
        EXPECT_FALSE(box.btWeb->isEnabled()); // one browser per press
        box.reject();
    });
    QTest::qWait(1000); // the opener's failure arrives after the box is gone
    EXPECT_TRUE(test::RecordedMessages::current().entries.isEmpty());
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
