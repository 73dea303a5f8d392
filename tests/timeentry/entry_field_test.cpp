#include "support/recorded_messages.h"
#include "timeentry/controller.h"
#include "timeentry/picture_field.h"
#include "timeentry/shot.h"
#include "timeentry/simple_field.h"
#include "timeentry/spin_fourway.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '[' << l.join("; ").toStdString() << ']';
}

namespace vz {
namespace {

// A small dialog built like the program's edit dialog: a description, a time with its
// four-way spin button, OK (default) and Cancel.
class EntryForm : public ::testing::Test {
protected:
    void SetUp() override {
        dialog = std::make_unique<QDialog>();
        dialog->resize(340, 180);
        controller = new TVzController(dialog.get());
        name = new TVzSimpleField(dialog.get());
        name->setGeometry(104, 16, 217, 24);
        time = new TVzPictureField(dialog.get());
        time->setGeometry(104, 96, 130, 25);
        spin = new TVzFourWaySpinner(dialog.get());
        spin->setAttachedControl(time);
        ok = new QPushButton("OK", dialog.get());
        ok->setGeometry(104, 140, 75, 25);
        ok->setDefault(true);
        cancel = new QPushButton("Cancel", dialog.get());
        cancel->setGeometry(190, 140, 75, 25);
        controller->setBtnCancel(cancel);
        QObject::connect(ok, &QPushButton::clicked, dialog.get(), &QDialog::accept);
        QObject::connect(cancel, &QPushButton::clicked, dialog.get(), &QDialog::reject);
        QWidget::setTabOrder(name, time);
        QWidget::setTabOrder(time, ok);
        name->setText("Birthday");
        time->setText("09:00 AM");
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        messages().entries.clear();
    }

    static test::RecordedMessages& messages() { return test::RecordedMessages::current(); }

    void focus(QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    void type(QWidget* w, const char* keys) { QTest::keyClicks(w, keys); }

    // A click as a person makes it: the events queued by the press run before the release.
    void click(QWidget* w) {
        QTest::mousePress(w, Qt::LeftButton, {}, w->rect().center());
        QCoreApplication::processEvents();
        QTest::mouseRelease(w, Qt::LeftButton, {}, w->rect().center());
        QCoreApplication::processEvents();
    }

    std::unique_ptr<QDialog> dialog;
    TVzController* controller = nullptr;
    TVzSimpleField* name = nullptr;
    TVzPictureField* time = nullptr;
    TVzFourWaySpinner* spin = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

TEST_F(EntryForm, TypingATimeOverTheSelectedText) {
    focus(time);
    EXPECT_EQ(time->selStart(), 0);
    EXPECT_EQ(time->selEnd(), 8);
    QSignalSpy changes(time, &TVzBaseEntryField::OnChange);
    type(time, "0745pm");
    EXPECT_EQ(time->text(), "07:45 pm");
    EXPECT_EQ(changes.count(), 6);
    EXPECT_EQ(time->timeValue(), 7 * 3600 + 45 * 60 + 12 * 3600);
    type(time, "x"); // past the last position: refused
    EXPECT_EQ(changes.count(), 6);
    QTest::keyClick(time, Qt::Key_Tab); // leaving normalises the designator
    EXPECT_EQ(time->text(), "07:45 PM");
    EXPECT_TRUE(ok->hasFocus());
    EXPECT_TRUE(messages().entries.isEmpty());
}

TEST_F(EntryForm, ProgrammaticWritesRaiseNoChange) {
    QSignalSpy changes(time, &TVzBaseEntryField::OnChange);
    time->setDateTimeValue(36526.0 + 52642.0 / 86400);
    EXPECT_EQ(time->text(), "02:37 PM");
    EXPECT_DOUBLE_EQ(time->DateTimeValue(), 52620.0 / 86400);
    time->setTimeValue(-1);
    EXPECT_EQ(time->text(), "  :   AM");
    EXPECT_EQ(time->DateTimeValue(), 0.0);
    EXPECT_EQ(time->lastErrorCode(), 260);
    name->setText(QString(50, 'n'));
    EXPECT_EQ(name->text().size(), 40);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_THROW(name->DateTimeValue(), std::exception);
}

TEST_F(EntryForm, InsToggleCarriesToTheNextField) {
    focus(name);
    EXPECT_TRUE(name->insertMode());
    QTest::keyClick(name, Qt::Key_Insert);
    EXPECT_FALSE(name->insertMode());
    QTest::keyClick(name, Qt::Key_Tab);
    ASSERT_TRUE(time->hasFocus());
    EXPECT_FALSE(time->insertMode());
    QTest::keyClick(time, Qt::Key_Home);
    type(time, "1");
    EXPECT_EQ(time->text(), "19:00 AM"); // overwritten, not pushed
}

TEST_F(EntryForm, UndoAndAltBackspaceRestoreTheTextOnEntry) {
    focus(name);
    type(name, "Party");
    EXPECT_EQ(name->text(), "Party");
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "Birthday");
    type(name, "Wedding");
    QTest::keyClick(name, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(name->text(), "Birthday");
    EXPECT_EQ(name->selEnd() - name->selStart(), 8);
}

TEST_F(EntryForm, LeavingAnInvalidTimeForAButton) {
    focus(time);
    type(time, "3"); // "3 :     "
    QSignalSpy clicked(ok, &QPushButton::clicked);
    click(ok);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages().entries, QStringList{"error: Value is not a valid time"});
    EXPECT_TRUE(time->hasFocus());
    EXPECT_EQ(time->text(), "3 :     "); // kept as typed, to be corrected
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_FALSE(ok->isDown());
    EXPECT_EQ(controller->lastErrorText(), "Value is not a valid time");
    // Once corrected the field lets the focus go.
    QTest::keyClick(time, Qt::Key_Home);
    type(time, "03");
    type(time, "15am");
    click(ok);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(messages().entries.size(), 1);
}

TEST_F(EntryForm, TwoInvalidFieldsReportOnce) {
    auto* second = new TVzPictureField(dialog.get());
    second->setGeometry(10, 60, 80, 25);
    second->show();
    focus(time);
    type(time, "3");
    // The user leaves for the second field, which holds no valid time either, and on before
    // the report shows.
    second->setFocus(Qt::TabFocusReason);
    ok->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(messages().entries, QStringList{"error: Value is not a valid time"});
    EXPECT_TRUE(time->hasFocus());
}

TEST_F(EntryForm, LeavingForCancelDoesNotValidate) {
    focus(time);
    type(time, "3");
    QSignalSpy rejected(dialog.get(), &QDialog::rejected);
    click(cancel);
    EXPECT_EQ(rejected.count(), 1);
    EXPECT_TRUE(messages().entries.isEmpty());
}

TEST_F(EntryForm, EnterAndEscReachTheDialogsButtons) {
    focus(time);
    type(time, "3");
    QSignalSpy accepted(dialog.get(), &QDialog::accepted);
    QTest::keyClick(time, Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    focus(time);
    QSignalSpy rejected(dialog.get(), &QDialog::rejected);
    QTest::keyClick(time, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
    EXPECT_TRUE(messages().entries.isEmpty());
}

TEST_F(EntryForm, SpinButtonStepsThePartUnderTheCaret) {
    focus(time);
    QTest::keyClick(time, Qt::Key_Home);
    auto clickAt = [&](QPoint p) {
        QTest::mouseClick(spin, Qt::LeftButton, {}, p);
    };
    const QPoint up(12, 3), down(12, 22), left(2, 12), right(22, 12);
    QSignalSpy changes(time, &TVzBaseEntryField::OnChange);
    clickAt(up);
    EXPECT_EQ(time->text(), "10:00 AM");
    clickAt(right);
    clickAt(right);
    EXPECT_EQ(time->caretPosition(), 3);
    clickAt(down);
    EXPECT_EQ(time->text(), "09:59 AM");
    clickAt(left);
    clickAt(down);
    EXPECT_EQ(time->text(), "08:59 AM");
    EXPECT_EQ(changes.count(), 3);
    EXPECT_TRUE(time->hasFocus());

    // From another field the press first brings the focus to the time, caret at its end: the
    // designator toggles.
    focus(name);
    clickAt(up);
    EXPECT_TRUE(time->hasFocus());
    EXPECT_EQ(time->text(), "08:59 PM");
}

TEST_F(EntryForm, SpinButtonDoesNotStepPastARefusingField) {
    auto* other = new TVzPictureField(dialog.get());
    other->setGeometry(10, 60, 80, 25);
    other->show();
    focus(other);
    type(other, "3");
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(12, 3));
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(time->text(), "09:00 AM");
    EXPECT_EQ(messages().entries, QStringList{"error: Value is not a valid time"});
}

TEST_F(EntryForm, CtrlQIsRefusedAndTheNextKeyTyped) {
    focus(name);
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClick(name, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "Birthday");
    type(name, "S");
    EXPECT_EQ(name->text(), "BirthdayS");
    controller->EntryCommands().setActive("WordStar", true);
    QTest::keyClick(name, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_S);
    EXPECT_EQ(name->caretPosition(), 0); // Ctrl+Q S: Home
    QTest::keyClick(name, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_X);
    EXPECT_EQ(name->text(), "BirthdayS");
}

TEST_F(EntryForm, ClipboardAndTrimming) {
    focus(name);
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "Birthday");
    QApplication::clipboard()->setText("  Trip to\r\nthe sea ");
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "  Trip tothe sea "); // blanks kept while the field has the focus
    QTest::keyClick(name, Qt::Key_Tab);
    EXPECT_EQ(name->text(), "Trip tothe sea");
    focus(time);
    QTest::keyClick(time, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(time->text(), "  :     ");
    EXPECT_EQ(QApplication::clipboard()->text(), "09:00 AM");
    QTest::keyClick(time, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(time->text(), "09:00 AM");
}

TEST_F(EntryForm, MousePlacesTheCaret) {
    focus(time);
    type(time, "3");
    QTest::mouseClick(time, Qt::LeftButton, {}, QPoint(120, 12));
    EXPECT_EQ(time->caretPosition(), 3); // not past the last character that is not blank
    QTest::mouseDClick(name, Qt::LeftButton, {}, QPoint(10, 12));
    QCoreApplication::processEvents();
    EXPECT_TRUE(time->hasFocus()); // the time refused to be left
    QTest::keyClick(time, Qt::Key_Home);
    type(time, "03");
    type(time, "15am");
    QTest::mouseDClick(name, Qt::LeftButton, {}, QPoint(10, 12));
    EXPECT_TRUE(name->hasFocus());
    EXPECT_EQ(name->selStart(), 0);
    EXPECT_EQ(name->selEnd(), 8); // the word under the mouse
}

TEST_F(EntryForm, CaretShapesAndSelectionShow) {
    focus(time);
    const QImage selected = time->grab().toImage();
    QTest::keyClick(time, Qt::Key_Home);
    QTest::keyClick(time, Qt::Key_Right);
    const QImage insertCaret = time->grab().toImage();
    QTest::keyClick(time, Qt::Key_Insert);
    const QImage blockCaret = time->grab().toImage();
    focus(name);
    QTest::keyClick(name, Qt::Key_End);
    type(name, " party");
    QTest::keyClick(name, Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);
    const QImage nameSelected = name->grab().toImage();
    const QImage timeResting = time->grab().toImage();
    test::keepShot(selected, "time-selected");
    test::keepShot(insertCaret, "time-insert-caret");
    test::keepShot(blockCaret, "time-block-caret");
    test::keepShot(nameSelected, "name-word-selected");
    test::keepShot(dialog->grab().toImage(), "entry-form");

    // Highlight fills the selection; the carets differ; a field without the focus shows
    // neither caret nor selection.
    const QColor highlight = time->palette().color(QPalette::Active, QPalette::Highlight);
    auto count = [](const QImage& image, const QColor& colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == colour;
        return n;
    };
    EXPECT_GT(count(selected, highlight), 200);
    EXPECT_EQ(count(timeResting, highlight), 0);
    EXPECT_NE(insertCaret, blockCaret);
    EXPECT_GT(count(nameSelected, highlight), 100);
}

TEST(EntryFieldWithoutController, ShowingReportsTheMissingController) {
    QWidget form;
    auto* field = new TVzSimpleField(&form);
    test::RecordedMessages::current().entries.clear();
    form.show();
    EXPECT_EQ(test::RecordedMessages::current().entries,
              QStringList{"general: No Controller assigned"});
    EXPECT_THROW(field->Controller(), std::exception);
    auto* controller = new TVzController(&form);
    EXPECT_EQ(field->Controller(), controller);
}

} // namespace
} // namespace vz
