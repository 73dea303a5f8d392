#include "events/edit_dialog.h"

#include "dateentry/dp_datetime_picker.h"
#include "engine/clock.h"
#include "platform/messages.h"
#include "platform/screen_centre.h"
#include "timeentry/controller.h"
#include "timeentry/picture_field.h"
#include "timeentry/simple_field.h"
#include "timeentry/spin_fourway.h"
#include "timeentry/time_popup.h"
#include "widgets/effectpaint.h"
#include "widgets/system_colors.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <cmath>
#include <functional>
#include <utility>

namespace vz {

namespace {

const QString Caption = QStringLiteral("Add/Edit description, date and time");
const QString BlankDescription = QStringLiteral("The description cannot be blank.");
const QString BlankDate = QStringLiteral("The date cannot be blank.");
const QString PopupHint = QStringLiteral("Popup time");
const char* const HelpLines[] = {
    "Enter a date that is in the past or future.  Past dates will ",
    "count up while dates in the future will count down.",
    "",
    "The clock will run forward when counting up and will",
    "run backward when counting down.",
    "",
    "If you don't know the time use 12:00 AM.",
    "",
    "The description field is mandatory and the fields will be ",
    "sorted by description automatically.",
};

constexpr int ClientWidth = 360;
constexpr int ClientHeight = 361;
constexpr int DescriptionLength = 40;
constexpr int DateEpoch = 1950;

const QString DialogFontFamily = QStringLiteral("MS Sans Serif");

// The clock button takes no focus, so the time field opens the time bar from the keyboard with
// the keys that drop down the date field's calendar.
class TimeBarKeys final : public QObject {
public:
    TimeBarKeys(QWidget* field, std::function<void()> open)
        : QObject(field), m_open(std::move(open)) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers =
            key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        const bool opens = (key->key() == Qt::Key_Down && modifiers == Qt::AltModifier) ||
                           (key->key() == Qt::Key_F4 && modifiers == Qt::NoModifier);
        if (opens)
            guarded(m_open);
        return opens;
    }

private:
    std::function<void()> m_open;
};

} // namespace

QPixmap clockFaceGlyph(bool enabled) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = enabled ? QColor(0, 0, 128) : QColor(128, 128, 128);
    const QColor face = enabled ? QColor(255, 255, 224) : QColor(224, 224, 224);
    p.setPen(QPen(ink, 1.2));
    p.setBrush(face);
    p.drawEllipse(QPointF(8, 8), 6.8, 6.8);
    for (int h = 0; h < 12; h += 3) {
        const double a = h * M_PI / 6;
        p.drawPoint(QPointF(8 + 5.3 * std::sin(a), 8 - 5.3 * std::cos(a)));
    }
    p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(8, 3.8));  // minutes at twelve
    p.drawLine(QPointF(8, 8), QPointF(11, 9.5)); // hours past four
    if (enabled) {
        p.setPen(QPen(QColor(192, 0, 0), 1));
        p.drawLine(QPointF(8, 8), QPointF(5, 12)); // seconds
    }
    return pixmap;
}

TfrmEdit::TfrmEdit(QWidget* owner) : QDialog(owner) {
    setWindowTitle(Caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(designFont(DialogFontFamily, -13));
    // The labels are black where black reads on the theme's window colour.
    QPalette ink = palette();
    ink.setColor(QPalette::WindowText, designedText(ink, Qt::black));
    setPalette(ink);

    VzController1 = new TVzController(this);
    auto label = [this](const char* text, int left, int top, int width) {
        auto* l = new QLabel(QString::fromLatin1(text), this);
        l->setGeometry(left, top, width, 16);
        return l;
    };
    QLabel* Label1 = label("Description", 24, 18, 68);
    QLabel* Label2 = label("Date:", 60, 60, 32);
    QLabel* Label3 = label("Time:", 58, 100, 34);

    edName = new TVzSimpleField(this);
    edName->setController(VzController1);
    edName->setMaxLength(DescriptionLength);
    edName->setGeometry(104, 16, 217, 24);
    // Without a mnemonic the buddy only names the field for assistive technologies.
    Label1->setBuddy(edName);

    edDate = new TdpDBDateTimePicker(this);
    edDate->setEpoch(DateEpoch);
    edDate->calendarAttributes().Font = designFont(DialogFontFamily, -11);
    edDate->setGeometry(104, 56, 129, 24);
    Label2->setBuddy(edDate);

    edTime = new TVzPictureField(this);
    edTime->setController(VzController1);
    edTime->setPictureMask(QStringLiteral("hh:mm tt"));
    edTime->setRangeLow(0);
    edTime->setRangeHigh(86399);
    edTime->setGeometry(104, 96, 130, 25);
    Label3->setBuddy(edTime);

    VzFourWaySpinner2 = new TVzFourWaySpinner(this);
    VzFourWaySpinner2->setGeometry(235, 96, 25, 25);
    VzFourWaySpinner2->setDelta(1.0);
    VzFourWaySpinner2->setFocusedControl(edTime);

    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setGeometry(264, 96, 25, 25);
    SpeedButton2->setToolTip(PopupHint);
    SpeedButton2->setAccessibleName(PopupHint);
    QIcon clock;
    clock.addPixmap(clockFaceGlyph(true), QIcon::Normal);
    clock.addPixmap(clockFaceGlyph(false), QIcon::Disabled);
    SpeedButton2->setIcon(clock);
    SpeedButton2->setIconSize(QSize(16, 16));
    SpeedButton2->setFocusPolicy(Qt::NoFocus);
    connect(SpeedButton2, &QToolButton::clicked, this, &TfrmEdit::SpeedButton2Click);
    new TimeBarKeys(edTime, [this] { SpeedButton2Click(); });

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(8, 130, 344, 190);
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList help;
    for (const char* line : HelpLines)
        help.append(QString::fromLatin1(line));
    Memo1->setPlainText(help.join(QLatin1Char('\n')));
    QPalette face = Memo1->palette();
    face.setColor(QPalette::Base, palette().color(QPalette::Button));
    Memo1->setPalette(face);

    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setGeometry(184, 328, 75, 25);
    btOK->setFont(designFont(DialogFontFamily, -11));
    btOK->setDefault(true);
    connect(btOK, &QPushButton::clicked, this, &TfrmEdit::btOKClick);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btCancel->setGeometry(272, 328, 75, 25);
    btCancel->setFont(designFont(DialogFontFamily, -11));
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    VzController1->setBtnCancel(btCancel);

    setTabOrder(edName, edDate);
    setTabOrder(edDate, edTime);
    setTabOrder(edTime, btOK);
    setTabOrder(btOK, btCancel);
    FormCreate();
    edName->setFocus();
    centreOnScreen(this, owner);
}

TfrmEdit::~TfrmEdit() = default;

void TfrmEdit::FormCreate() {
    const TDateTime now = appClock().now();
    edDate->setDate(now);
    edTime->setDateTimeValue(now);
}

void TfrmEdit::btOKClick() {
    // OK by Enter leaves no field: check what leaving the focused field would check.
    const QString description = edName->text().trimmed();
    if (description != edName->text())
        edName->setText(description);
    if (description.isEmpty()) {
        ShowError(this, BlankDescription);
        return;
    }
    if (edDate->text().trimmed().isEmpty()) {
        ShowError(this, BlankDate);
        edDate->setFocus();
        return;
    }
    if (!timeFieldAccepted(this, edTime))
        return;
    accept();
}

void TfrmEdit::SpeedButton2Click() {
    TfrmTimePopup popup(this);
    popup.settime(edTime->DateTimeValue());
    if (popup.exec() == QDialog::Accepted) {
        edTime->setDateTimeValue(popup.returnedTime());
        edTime->setFocus();
    }
}

} // namespace vz
