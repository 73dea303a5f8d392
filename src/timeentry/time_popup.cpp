#include "timeentry/time_popup.h"

#include "engine/clock.h"
#include "engine/datetext.h"
#include "engine/regional.h"
#include "platform/messages.h"
#include "platform/screen_centre.h"
#include "timeentry/controller.h"
#include "timeentry/picture_field.h"
#include "timeentry/spin_fourway.h"
#include "timeentry/timeentry_accessible.h"
#include "widgets/effectpaint.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShowEvent>
#include <QTimerEvent>
#include <QToolButton>

namespace vz {

namespace {

const QString Caption = QStringLiteral("Time Entry");
const QString BarHint = QStringLiteral("Click to select time");
const QString NowPrefix = QStringLiteral("It is now ");
const QString InvalidTime = QStringLiteral("Value is not a valid time");
const QString DialogFontFamily = QStringLiteral("System");
const QString ButtonFontFamily = QStringLiteral("MS Sans Serif");
const QString FieldName = QStringLiteral("Time");

constexpr int ClientWidth = 512;
constexpr int ClientHeight = 125;
constexpr QPoint BarOrigin(8, 8);
constexpr int MarkerWidth = 11;
constexpr int MarkerHeight = 6;
constexpr int TickInterval = 1000;
constexpr int MorningColumn = 147; // 7 a.m.
constexpr int EveningColumn = 387; // 7 p.m.

// The sixteen colours the bar is drawn in.
const QColor Cyan(0, 255, 255);
const QColor Yellow(255, 255, 0);
const QColor Navy(0, 0, 128);

QPolygon markerShape(int left, int top, bool pointingDown) {
    if (pointingDown)
        return QPolygon({QPoint(left, top), QPoint(left + MarkerWidth - 1, top),
                         QPoint(left + MarkerWidth / 2, top + MarkerHeight - 1)});
    return QPolygon({QPoint(left + MarkerWidth / 2, top),
                     QPoint(left + MarkerWidth - 1, top + MarkerHeight - 1),
                     QPoint(left, top + MarkerHeight - 1)});
}

QPixmap sunGlyph() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(224, 128, 0), 1.2));
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(8, 8);
        p.rotate(45 * i);
        p.drawLine(QPointF(0, -5.2), QPointF(0, -7.5));
        p.restore();
    }
    p.setBrush(Yellow);
    p.drawEllipse(QPointF(8, 8), 4.2, 4.2);
    return pixmap;
}

QPixmap moonGlyph() {
    QPixmap pixmap(17, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(QPointF(8.5, 8), 6.5, 6.5);
    QPainterPath bite;
    bite.addEllipse(QPointF(11.5, 6), 5.5, 5.5);
    p.setPen(QPen(Navy, 1));
    p.setBrush(QColor(255, 255, 160));
    p.drawPath(disc.subtracted(bite));
    return pixmap;
}

} // namespace

TimeBarImage::TimeBarImage(QWidget* parent) : QWidget(parent), m_bar(renderBar()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::UpArrowCursor);
    setToolTip(BarHint);
    resize(TimeBarShownWidth, TimeBarHeight);
}

QImage TimeBarImage::renderBar() {
    QImage bar(TimeBarWidth, TimeBarHeight, QImage::Format_RGB32);
    QPainter p(&bar);
    p.fillRect(bar.rect(), Cyan);
    p.fillRect(QRect(MorningColumn, 0, EveningColumn - MorningColumn + 1, TimeBarHeight), Yellow);
    p.setPen(Qt::black);
    // The ruler's edges, clear of the markers' rows.
    p.drawLine(TimeBarFirstColumn, MarkerHeight + 1,
               TimeBarFirstColumn + 24 * TimeBarColumnsPerHour, MarkerHeight + 1);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    p.setFont(font);
    for (int h = 0; h <= 24; ++h) {
        const int x = TimeBarFirstColumn + TimeBarColumnsPerHour * h;
        p.drawLine(x, MarkerHeight + 1, x, MarkerHeight + 10);
        if (h < 24)
            for (int q = 1; q < 4; ++q)
                p.drawLine(x + 5 * q, MarkerHeight + 1, x + 5 * q, MarkerHeight + 5);
        const int hour12 = h % 12 == 0 ? 12 : h % 12;
        const QString label = (h == 0 || h == 24) ? QStringLiteral("M") : QString::number(hour12);
        const QRect box(x - 10, MarkerHeight + 11, 20, 12);
        p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, label);
        if (h == 7 || h == 19)
            p.drawText(QRect(x + 4, MarkerHeight + 13, 8, 12), Qt::AlignLeft | Qt::AlignTop,
                       h == 7 ? QStringLiteral("a") : QStringLiteral("p"));
    }
    return bar;
}

void TimeBarImage::setPointerColumn(int column) {
    if (column == m_column)
        return;
    m_column = column;
    update();
    announceTimeBarValue(this);
}

void TimeBarImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_bar);
    // Marker lefts are x + 3 in the dialog, x - 5 on the bar: their centre column is x.
    const int left = m_column - MarkerWidth / 2;
    p.setPen(Qt::black);
    p.setBrush(Qt::red);
    p.drawPolygon(markerShape(left, 0, true));
    p.drawPolygon(markerShape(left, TimeBarHeight - MarkerHeight, false));
}

bool TimeBarImage::onUpperMarker(QPoint at) const {
    const int left = m_column - MarkerWidth / 2;
    return at.y() < MarkerHeight && at.x() >= left && at.x() < left + MarkerWidth;
}

void TimeBarImage::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (onUpperMarker(at))
        return;
    emit pressed(at.x());
}

void TimeBarImage::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton)
        emit moved(event->position().toPoint().x());
}

void TimeBarImage::mouseReleaseEvent(QMouseEvent*) {
    emit released();
}

void TimeBarImage::mouseDoubleClickEvent(QMouseEvent* event) {
    // The upper marker takes no mouse input, so its double click is no OK either.
    if (onUpperMarker(event->position().toPoint()))
        return;
    mousePressEvent(event);
    emit doubleClicked();
}

bool timeFieldAccepted(QWidget* dialog, TVzPictureField* field) {
    if (field->validationCode() == 0)
        return true;
    ShowError(dialog, InvalidTime);
    field->setFocus();
    return false;
}

TfrmTimePopup::TfrmTimePopup(QWidget* owner) : QDialog(owner) {
    setWindowTitle(Caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(designFont(DialogFontFamily, -13));

    VzController1 = new TVzController(this);
    Image1 = new TimeBarImage(this);
    Image1->move(BarOrigin);
    connect(Image1, &TimeBarImage::pressed, this, &TfrmTimePopup::Image1MouseDown);
    connect(Image1, &TimeBarImage::moved, this, &TfrmTimePopup::Image1MouseMove);
    connect(Image1, &TimeBarImage::released, this, [this] { m_dragging = false; });
    connect(Image1, &TimeBarImage::doubleClicked, this, &TfrmTimePopup::btOKClick);

    Image3 = new QLabel(this);
    Image3->setPixmap(sunGlyph());
    Image3->setGeometry(149, 56, 16, 16);
    Image2 = new QLabel(this);
    Image2->setPixmap(moonGlyph());
    Image2->setGeometry(389, 56, 17, 16);

    sbNow = new QToolButton(this);
    sbNow->setAutoRaise(true);
    sbNow->setGeometry(6, 91, 155, 28);
    sbNow->setFocusPolicy(Qt::NoFocus);
    connect(sbNow, &QToolButton::clicked, this, &TfrmTimePopup::sbNowClick);

    vzTime = new TVzPictureField(this);
    vzTime->setController(VzController1);
    vzTime->setPictureMask(QStringLiteral("hh:mm tt"));
    vzTime->setRangeLow(0);
    vzTime->setRangeHigh(SecsPerDay - 1);
    vzTime->setGeometry(183, 92, 89, 25);
    // The field has no label on the form; assistive technologies still need to call it something.
    vzTime->setAccessibleName(FieldName);
    connect(vzTime, &TVzBaseEntryField::OnChange, this, &TfrmTimePopup::vzTimeChange);

    VzFourWaySpinner1 = new TVzFourWaySpinner(this);
    VzFourWaySpinner1->setGeometry(273, 93, 25, 25);
    VzFourWaySpinner1->setDelta(1.0);
    VzFourWaySpinner1->setFocusedControl(vzTime);

    const QFont buttonFont = designFont(ButtonFontFamily, -11);
    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setGeometry(320, 91, 89, 28);
    btOK->setFont(buttonFont);
    btOK->setDefault(true);
    connect(btOK, &QPushButton::clicked, this, &TfrmTimePopup::btOKClick);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btCancel->setGeometry(416, 91, 89, 28);
    btCancel->setFont(buttonFont);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Leaving an unfinished time for Cancel must not be refused: Cancel discards it anyway.
    VzController1->setBtnCancel(btCancel);

    // The form sees every key before the focused control does.
    for (QWidget* w : {static_cast<QWidget*>(vzTime), static_cast<QWidget*>(btOK),
                       static_cast<QWidget*>(btCancel), static_cast<QWidget*>(VzFourWaySpinner1)})
        w->installEventFilter(this);
    vzTime->setFocus();
    Timer1.start(TickInterval, this);
    centreOnScreen(this, owner);
}

void TfrmTimePopup::btOKClick() {
    // Enter does not leave the field, so it is checked here; an unreadable time would otherwise
    // come back as 12:00 AM.
    if (timeFieldAccepted(this, vzTime))
        accept();
}

TfrmTimePopup::~TfrmTimePopup() = default;

void TfrmTimePopup::settime(double value) {
    vzTime->setDateTimeValue(value == 0.0 ? appClock().now() : value);
}

double TfrmTimePopup::returnedTime() const {
    const int seconds = vzTime->timeValue();
    if (seconds < 0)
        return 0.0;
    return static_cast<double>(seconds / 60 * 60) / SecsPerDay;
}

HourMinute TfrmTimePopup::fieldTime() const {
    const int seconds = vzTime->timeValue();
    if (seconds < 0)
        return {0, 0};
    return {seconds / 3600, seconds / 60 % 60};
}

void TfrmTimePopup::setFieldTime(HourMinute time) {
    vzTime->setTimeValue(time.hour * 3600 + time.minute * 60);
}

void TfrmTimePopup::drawPointer(int x, bool setTime) {
    if (!pointerAccepts(x, MarkerWidth))
        return;
    Image1->setPointerColumn(x);
    if (setTime)
        setFieldTime(Xtotime(x));
}

void TfrmTimePopup::Image1MouseDown(int column) {
    m_dragging = true;
    drawPointer(column, true);
}

void TfrmTimePopup::Image1MouseMove(int column) {
    if (m_dragging)
        drawPointer(column, true);
}

bool TfrmTimePopup::FormKeyDown(int key) {
    bool handled = true;
    switch (key) {
    case Qt::Key_Up:
        setFieldTime(stepTime(fieldTime(), TimeBarKey::Up));
        break;
    case Qt::Key_Down:
        setFieldTime(stepTime(fieldTime(), TimeBarKey::Down));
        break;
    case Qt::Key_PageUp:
        setFieldTime(stepTime(fieldTime(), TimeBarKey::PageUp));
        break;
    case Qt::Key_PageDown:
        setFieldTime(stepTime(fieldTime(), TimeBarKey::PageDown));
        break;
    case Qt::Key_Home:
        vzTime->setDateTimeValue(appClock().now());
        break;
    default:
        handled = false;
        break;
    }
    const HourMinute t = fieldTime();
    drawPointer(TimetoX(t.hour, t.minute), false);
    return handled;
}

bool TfrmTimePopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TfrmTimePopup::vzTimeChange() {
    const HourMinute t = fieldTime();
    drawPointer(TimetoX(t.hour, t.minute), false);
}

void TfrmTimePopup::sbNowClick() {
    const TDateTime now = appClock().now();
    vzTime->setDateTimeValue(now);
    const DecodedDateTime d = decodeDateTime(now);
    drawPointer(TimetoX(d.hour, d.minute), false);
    refreshNowCaption();
}

QString TfrmTimePopup::nowCaption() const {
    return sbNow->text();
}

void TfrmTimePopup::refreshNowCaption() {
    const RegionalSettings& rs = processSettings();
    sbNow->setText(NowPrefix + QString::fromStdString(
                                   formatDateTime(rs.shortTimeFormat, appClock().now(), rs)));
}

void TfrmTimePopup::timerEvent(QTimerEvent* event) {
    if (event->timerId() == Timer1.timerId())
        refreshNowCaption();
    else
        QDialog::timerEvent(event);
}

void TfrmTimePopup::FormShow() {
    m_dragging = false;
    const HourMinute t = fieldTime();
    drawPointer(TimetoX(t.hour, t.minute), false);
    refreshNowCaption();
}

void TfrmTimePopup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

} // namespace vz
