#include "support/recorded_messages.h"
#include "timeentry/controller.h"
#include "timeentry/shot.h"
#include "timeentry/spin_fourway.h"
#include "timeentry/spinner.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vz {
namespace {

// A form with a controller, spin buttons and a clock the test moves by hand.
class SpinForm : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<QWidget>();
        form->resize(300, 200);
        new TVzController(form.get());
        two = new TVzSpinner(form.get());
        two->setGeometry(10, 10, 15, 25);
        four = new TVzFourWaySpinner(form.get());
        four->move(50, 10);
        for (TVzBaseSpinner* s :
             {static_cast<TVzBaseSpinner*>(two), static_cast<TVzBaseSpinner*>(four)}) {
            s->setClock([this] { return now; });
            QObject::connect(s, &TVzBaseSpinner::OnClick,
                             [this](TVzBaseSpinner*, TSpinState state, double delta, bool wrap) {
                                 steps.push_back(state);
                                 lastDelta = delta;
                                 lastWrap = wrap;
                             });
        }
        form->show();
        test::RecordedMessages::current().entries.clear();
    }

    // Lets the repeat loop make a few passes at the current clock.
    void passes() { QTest::qWait(40); }

    void moveWithButton(QWidget* w, QPoint pos) {
        QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(w, &move);
    }

    std::unique_ptr<QWidget> form;
    TVzSpinner* two = nullptr;
    TVzFourWaySpinner* four = nullptr;
    qint64 now = 1000;
    std::vector<TSpinState> steps;
    double lastDelta = 0;
    bool lastWrap = false;
};

TEST_F(SpinForm, AShortClickStepsOnceInTheHalfClicked) {
    QTest::mouseClick(two, Qt::LeftButton, {}, QPoint(7, 3));
    QTest::mouseClick(two, Qt::LeftButton, {}, QPoint(7, 20));
    passes();
    EXPECT_EQ(steps, (std::vector<TSpinState>{TSpinState::Up, TSpinState::Down}));
    EXPECT_EQ(lastDelta, 1.0);
    EXPECT_TRUE(lastWrap);
    EXPECT_FALSE(two->isPressing());
    EXPECT_EQ(two->state(), TSpinState::Normal);
}

TEST_F(SpinForm, HoldingRepeatsSlidingChangesDirectionAndOffTheControlStops) {
    QTest::mousePress(two, Qt::LeftButton, {}, QPoint(7, 3));
    EXPECT_EQ(steps.size(), 1u);
    passes();
    EXPECT_EQ(steps.size(), 1u); // the first pause is half a second
    now += 501;
    passes();
    EXPECT_EQ(steps.size(), 2u);
    moveWithButton(two, QPoint(7, 20));
    EXPECT_EQ(two->state(), TSpinState::Down);
    now += 451;
    passes();
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps.back(), TSpinState::Down);
    moveWithButton(two, QPoint(40, 20));
    EXPECT_EQ(two->state(), TSpinState::Outside);
    now += 5000;
    passes();
    EXPECT_EQ(steps.size(), 3u);
    moveWithButton(two, QPoint(7, 20));
    passes();
    EXPECT_EQ(steps.size(), 4u);
    QTest::mouseRelease(two, Qt::LeftButton, {}, QPoint(7, 20));
    now += 5000;
    passes();
    EXPECT_EQ(steps.size(), 4u);
    EXPECT_EQ(two->state(), TSpinState::Normal);
}

TEST_F(SpinForm, WithoutAutoRepeatAHoldStepsOnce) {
    two->setAutoRepeat(false);
    QTest::mousePress(two, Qt::LeftButton, {}, QPoint(7, 3));
    now += 3000;
    passes();
    QTest::mouseRelease(two, Qt::LeftButton, {}, QPoint(7, 3));
    EXPECT_EQ(steps.size(), 1u);
}

TEST_F(SpinForm, HorizontalHalvesAreLeftAndRight) {
    two->setOrientation(TSpinOrientation::soHorizontal);
    two->resize(25, 15);
    QTest::mouseClick(two, Qt::LeftButton, {}, QPoint(3, 7));
    QTest::mouseClick(two, Qt::LeftButton, {}, QPoint(20, 7));
    EXPECT_EQ(steps, (std::vector<TSpinState>{TSpinState::Left, TSpinState::Right}));
}

TEST_F(SpinForm, FourWayStepsTheTriangleUnderTheMouse) {
    QTest::mouseClick(four, Qt::LeftButton, {}, QPoint(12, 3));
    QTest::mouseClick(four, Qt::LeftButton, {}, QPoint(12, 22));
    QTest::mouseClick(four, Qt::LeftButton, {}, QPoint(2, 12));
    QTest::mouseClick(four, Qt::LeftButton, {}, QPoint(22, 12));
    EXPECT_EQ(steps, (std::vector<TSpinState>{TSpinState::Up, TSpinState::Down, TSpinState::Left,
                                              TSpinState::Right}));
}

TEST_F(SpinForm, AttachedControlPlacementAndTwoWayAttachment) {
    auto* edit = new QLineEdit(form.get());
    edit->setGeometry(104, 96, 130, 25);
    edit->show();
    four->setAttachedControl(edit);
    EXPECT_EQ(four->geometry(), QRect(235, 96, 25, 25));
    EXPECT_EQ(four->FocusedControl(), edit);
    four->setPosition(TPosition::scBottom);
    EXPECT_EQ(four->geometry(), QRect(104, 122, 130, 25));
    four->setPosition(TPosition::scRight);
    four->setAttachTwoWay(true);
    four->move(240, 50);
    EXPECT_EQ(edit->geometry(), QRect(109, 50, 130, 25));
}

TEST_F(SpinForm, PressingMovesTheFocusToTheFocusedControl) {
    auto* edit = new QLineEdit(form.get());
    auto* other = new QLineEdit(form.get());
    edit->show();
    other->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    other->setFocus();
    two->setFocusedControl(edit);
    QTest::mouseClick(two, Qt::LeftButton, {}, QPoint(7, 3));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(steps.size(), 1u);
}

TEST_F(SpinForm, ForcedSizes) {
    two->setForceOddSize(true);
    two->resize(16, 24);
    EXPECT_EQ(two->size(), QSize(15, 23));
    four->setForceSquare(true);
    four->resize(30, 25);
    EXPECT_EQ(four->size(), QSize(25, 25));
}

TEST(SpinWithoutController, ShowingReportsTheMissingController) {
    QWidget form;
    auto* spin = new TVzSpinner(&form);
    test::RecordedMessages::current().entries.clear();
    form.show();
    EXPECT_EQ(test::RecordedMessages::current().entries,
              QStringList{"general: No Controller assigned"});
    EXPECT_THROW(spin->Controller(), std::exception);
}

} // namespace
} // namespace vz

namespace vz {
namespace {

TEST_F(SpinForm, OnlyThePressedPartChangesItsLook) {
    two->resize(15, 25);
    const QImage twoAtRest = two->grab().toImage();
    const QImage fourAtRest = four->grab().toImage();
    QTest::mousePress(two, Qt::LeftButton, {}, QPoint(7, 3));
    QTest::mousePress(four, Qt::LeftButton, {}, QPoint(22, 12));
    const QImage twoPressed = two->grab().toImage();
    const QImage fourPressed = four->grab().toImage();
    QTest::mouseRelease(two, Qt::LeftButton, {}, QPoint(7, 3));
    QTest::mouseRelease(four, Qt::LeftButton, {}, QPoint(22, 12));
    test::keepShot(twoAtRest, "spinner-rest");
    test::keepShot(twoPressed, "spinner-up-pressed");
    test::keepShot(fourAtRest, "fourway-rest");
    test::keepShot(fourPressed, "fourway-right-pressed");

    auto changedRows = [](const QImage& a, const QImage& b, int x0, int x1, int y0, int y1) {
        int changed = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                changed += a.pixel(x, y) != b.pixel(x, y);
        return changed;
    };
    EXPECT_GT(changedRows(twoAtRest, twoPressed, 0, 15, 0, 13), 0);
    EXPECT_EQ(changedRows(twoAtRest, twoPressed, 0, 15, 13, 25), 0);
    // Right triangle pressed: the left third of the square is untouched.
    EXPECT_GT(changedRows(fourAtRest, fourPressed, 14, 25, 6, 19), 0);
    EXPECT_EQ(changedRows(fourAtRest, fourPressed, 0, 8, 0, 25), 0);
    EXPECT_EQ(two->grab().toImage(), twoAtRest);
}

} // namespace
} // namespace vz
