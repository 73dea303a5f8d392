#include "dateentry/dp_datetime_picker.h"

#include "dateentry/calendar_accessible.h"
#include "dateentry/dropdown_watcher.h"
#include "engine/clock.h"
#include "platform/accessibility_events.h"
#include "platform/messages.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace vz {

namespace {

const QString CutCaption = QStringLiteral("Cu&t");
const QString CopyCaption = QStringLiteral("&Copy");
const QString PasteCaption = QStringLiteral("&Paste");
const QString SelectAllCaption = QStringLiteral("Select &All");

constexpr int MinButtonWidth = 15;

// The UTF-16 index of a code point index of a text.
int utf16Index(const QString& text, int codePoint) {
    int index = 0;
    for (int n = 0; n < codePoint && index < text.size(); ++n)
        index += text.at(index).isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
    return index;
}

FieldKey toFieldKey(const QKeyEvent* e) {
    FieldKey k;
    const Qt::KeyboardModifiers mods = e->modifiers();
    k.shift = mods & Qt::ShiftModifier;
    k.ctrl = mods & Qt::ControlModifier;
    k.alt = mods & Qt::AltModifier;
    switch (e->key()) {
    case Qt::Key_Left:
        k.code = FieldKey::Left;
        break;
    case Qt::Key_Right:
        k.code = FieldKey::Right;
        break;
    case Qt::Key_Up:
        k.code = FieldKey::Up;
        break;
    case Qt::Key_Down:
        k.code = FieldKey::Down;
        break;
    case Qt::Key_Home:
        k.code = FieldKey::Home;
        break;
    case Qt::Key_End:
        k.code = FieldKey::End;
        break;
    case Qt::Key_Backspace:
        k.code = FieldKey::Backspace;
        break;
    case Qt::Key_Delete:
        k.code = FieldKey::Delete;
        k.shift = false; // Shift+Delete acts as Delete
        break;
    case Qt::Key_F2:
        k.code = FieldKey::F2;
        break;
    case Qt::Key_Escape:
        k.code = FieldKey::Escape;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        k.code = FieldKey::Enter;
        break;
    default: {
        const QString text = e->text();
        if (!text.isEmpty() && text.at(0).isPrint()) {
            k.code = FieldKey::Char;
            k.ch = text.toUcs4().value(0);
        } else if (k.ctrl && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z) {
            k.code = FieldKey::Char; // a control character: swallowed
            k.ch = static_cast<char32_t>(e->key() - Qt::Key_A + 1);
        }
        break;
    }
    }
    return k;
}

bool isCopyKey(const QKeyEvent* e) {
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    return (ctrl && e->key() == Qt::Key_C) || (ctrl && e->key() == Qt::Key_Insert);
}

bool isPasteKey(const QKeyEvent* e) {
    return e->key() == Qt::Key_Insert && (e->modifiers() & Qt::ShiftModifier) &&
           !(e->modifiers() & Qt::ControlModifier);
}

bool isCloseKey(const QKeyEvent* e) {
    const bool alt = e->modifiers() & Qt::AltModifier;
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape ||
           (alt && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down));
}

class ReentryGuard {
public:
    explicit ReentryGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~ReentryGuard() { m_flag = false; }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;

private:
    bool& m_flag;
};

} // namespace

// The field's own style: the platform's, with a caret of no width while the caret is hidden
// (a line edit has no other way to hide its caret while it keeps the focus).
class CaretStyle final : public QProxyStyle {
public:
    CaretStyle() : QProxyStyle(QApplication::style()->name()) {}

    bool hidden = false;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TextCursorWidth && hidden)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// ---- the button -----------------------------------------------------------------------------

TdpDateComboButton::TdpDateComboButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

void TdpDateComboButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.rect = rect();
    opt.state |= m_pushed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (m_pushed)
        opt.features |= QStyleOptionButton::Flat;
    style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, this);
    QStyleOption arrow = opt;
    const int inset = std::max(2, width() / 4);
    arrow.rect = rect().adjusted(inset, inset, -inset, -inset).translated(m_pushed, m_pushed);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &p, this);
}

void TdpDateComboButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_pushed = true;
    update();
    Q_EMIT pressed();
}

void TdpDateComboButton::mouseReleaseEvent(QMouseEvent*) {
    m_pushed = false;
    update();
}

// ---- the field ------------------------------------------------------------------------------

TdpDBDateTimePicker::TdpDBDateTimePicker(QWidget* parent)
    : QLineEdit(parent), m_engine(processSettings()), FButton(new TdpDateComboButton(this)) {
    setDragEnabled(false);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    m_caretStyle = new CaretStyle;
    m_caretStyle->setParent(this);
    setStyle(m_caretStyle);
    connect(FButton, &TdpDateComboButton::pressed, this,
            [this] { guarded([this] { buttonPressed(); }); });
    placeButton();
}

TdpDBDateTimePicker::~TdpDBDateTimePicker() {
    removeDropDownWatcher();
}

// ---- value and text -------------------------------------------------------------------------

TDateTime TdpDBDateTimePicker::date() {
    const TDateTime d = m_engine.date();
    sync();
    return d;
}

void TdpDBDateTimePicker::setDate(TDateTime date) {
    m_engine.setDate(date);
    sync();
}

TDateTime TdpDBDateTimePicker::time() {
    const TDateTime t = m_engine.time();
    sync();
    return t;
}

void TdpDBDateTimePicker::setTime(TDateTime time) {
    m_engine.setTime(time);
    sync();
}

QString TdpDBDateTimePicker::text() {
    m_engine.CommitTyping();
    sync();
    return QLineEdit::text();
}

void TdpDBDateTimePicker::setText(const QString& text) {
    m_engine.setText(text.toStdString(), decodeDateTime(appClock().now()).year);
    sync();
}

void TdpDBDateTimePicker::setMinDate(TDateTime date) {
    m_engine.setLimits(date, maxDate());
}

void TdpDBDateTimePicker::setMaxDate(TDateTime date) {
    m_engine.setLimits(minDate(), date);
}

void TdpDBDateTimePicker::setUnboundDataType(TdpDataType type) {
    m_engine.setDataType(type);
    sync();
}

void TdpDBDateTimePicker::setDateFormat(TDateFormat format) {
    m_engine.setDateFormat(format);
    sync();
}

void TdpDBDateTimePicker::setDisplayFormat(const QString& format) {
    m_engine.setDisplayFormat(format.toStdString());
    sync();
}

void TdpDBDateTimePicker::setShowButton(bool show) {
    if (show == m_showButton)
        return;
    m_showButton = show;
    placeButton();
    update();
}

void TdpDBDateTimePicker::setModified(bool modified) {
    m_engine.setModified(modified);
    QLineEdit::setModified(modified);
}

void TdpDBDateTimePicker::sync() {
    const QString shown = QString::fromStdString(m_engine.text());
    if (QLineEdit::text() != shown)
        QLineEdit::setText(shown);
    const Selection s = m_engine.selection();
    const int start = utf16Index(shown, s.start);
    if (s.length > 0) {
        setSelection(start, utf16Index(shown, s.start + s.length) - start);
    } else {
        deselect();
        setCursorPosition(start);
    }
    QLineEdit::setModified(m_engine.modified());
    updateCaret();
    if (m_engine.value() != m_lastValue) {
        m_lastValue = m_engine.value();
        Q_EMIT changed();
    }
}

void TdpDBDateTimePicker::updateCaret() {
    // The selected element shows where the keys go; the caret only stands behind pending digits
    // or in an empty field, and never while the calendar has the keys.
    const bool hidden = isDroppedDown() || (!m_engine.text().empty() && !m_engine.typing());
    if (hidden == m_caretStyle->hidden)
        return;
    m_caretStyle->hidden = hidden;
    update();
}

bool TdpDBDateTimePicker::caretShown() const {
    return !m_caretStyle->hidden;
}

QSize TdpDBDateTimePicker::sizeHint() const {
    return QLineEdit::sizeHint();
}

// ---- keys -----------------------------------------------------------------------------------

bool TdpDBDateTimePicker::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && isDroppedDown()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            guarded([this] { CloseUp(true); });
    } else if (event->type() == QEvent::ShortcutOverride && isDroppedDown() &&
               isCloseKey(static_cast<QKeyEvent*>(event))) {
        // While the calendar is open these keys are the field's, not the window's shortcuts.
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void TdpDBDateTimePicker::keyPressEvent(QKeyEvent* event) {
    event->accept();
    guarded([this, event] {
        if (isDroppedDown())
            handleCalendarKey(event);
        else
            handleKey(event);
    });
}

void TdpDBDateTimePicker::reportLimit(const QString& message) {
    // The message box takes the focus, which is not the user leaving the field; a Wayland
    // compositor closes the pop-up all the same, and then it opens again on the same date.
    const TDateTime droppedFrom = FDropDownValue;
    {
        const ReentryGuard guard(m_reportingLimit);
        beep();
        showGeneralError(message);
    }
    if (!isDroppedDown()) {
        DropDown();
        FDropDownValue = droppedFrom;
    }
}

void TdpDBDateTimePicker::handleKey(QKeyEvent* event) {
    FClosingByEscape = false; // only the Escape that closed the calendar is spent there
    if (isCopyKey(event)) {
        copy();
        return;
    }
    const FieldKey k = toFieldKey(event);
    if (isReadOnly()) {
        if (k.code == FieldKey::Enter || k.code == FieldKey::Escape || k.code == FieldKey::Other)
            event->ignore();
        return;
    }
    if (isPasteKey(event)) {
        pasteClipboard();
        return;
    }
    const KeyOutcome out = m_engine.key(k, appClock().now());
    if (out.refused)
        beep();
    sync();
    if (out.toggleCalendar)
        DropDown();
    if (!out.consumed)
        event->ignore();
}

void TdpDBDateTimePicker::handleCalendarKey(QKeyEvent* event) {
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CloseUp(true);
        return;
    case Qt::Key_Escape:
        CloseUp(false);
        FClosingByEscape = true;
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (alt) {
            CloseUp(true);
            return;
        }
        break;
    default:
        break;
    }
    try {
        FCalendar->forwardKey(event);
    } catch (const EDateTimeError& error) {
        reportLimit(QString::fromUtf8(error.what()));
        return;
    }
    if (!isReadOnly() && isDroppedDown()) {
        setDate(FCalendar->Date());
        setModified(true);
    }
}

void TdpDBDateTimePicker::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore(); // nothing is ever typed into the edit directly
}

// ---- mouse and clipboard --------------------------------------------------------------------

int TdpDBDateTimePicker::textOrigin() const {
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &opt, this);
    constexpr int HorizontalMargin = 2; // the edit's own inner margin
    return contents.x() + textMargins().left() + HorizontalMargin;
}

void TdpDBDateTimePicker::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    guarded([this, event] {
        if (!hasFocus())
            setFocus(Qt::MouseFocusReason);
        if (m_engine.isEmpty())
            return;
        const QFontMetrics fm = fontMetrics();
        const int x = static_cast<int>(event->position().x()) - textOrigin();
        m_engine.clickElement(m_engine.elementAt(x, [&fm](std::string_view s) {
            return fm.horizontalAdvance(QString::fromUtf8(s.data(), static_cast<int>(s.size())));
        }));
        sync();
    });
}

void TdpDBDateTimePicker::mouseMoveEvent(QMouseEvent* event) {
    event->accept(); // no selecting by dragging: the selection is always an element
}

void TdpDBDateTimePicker::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void TdpDBDateTimePicker::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || m_engine.isEmpty())
        return;
    m_engine.CommitTyping();
    m_engine.selectAll();
    sync();
}

void TdpDBDateTimePicker::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const bool editable = !isReadOnly();
    QAction* cutAction = menu.addAction(CutCaption);
    cutAction->setEnabled(editable && hasSelectedText());
    QAction* copyAction = menu.addAction(CopyCaption);
    copyAction->setEnabled(hasSelectedText());
    QAction* pasteAction = menu.addAction(PasteCaption);
    pasteAction->setEnabled(editable && !QGuiApplication::clipboard()->text().isEmpty());
    menu.addSeparator();
    QAction* allAction = menu.addAction(SelectAllCaption);
    allAction->setEnabled(!m_engine.isEmpty());
    QAction* chosen = menu.exec(event->globalPos());
    guarded([&] {
        if (chosen == cutAction)
            cutToClipboard();
        else if (chosen == copyAction)
            copy();
        else if (chosen == pasteAction)
            pasteClipboard();
        else if (chosen == allAction) {
            m_engine.selectAll();
            sync();
        }
    });
}

void TdpDBDateTimePicker::pasteClipboard() {
    m_engine.paste(QGuiApplication::clipboard()->text().toStdString(), appClock().now());
    sync();
}

void TdpDBDateTimePicker::cutToClipboard() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(m_engine.cut()));
    sync();
}

// ---- focus ----------------------------------------------------------------------------------

void TdpDBDateTimePicker::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::PopupFocusReason) {
        sync(); // back from a menu: the selection as it was
        return;
    }
    m_engine.setSettings(processSettings());
    m_engine.focusIn(FFocusByButton);
    sync();
}

void TdpDBDateTimePicker::focusOutEvent(QFocusEvent* event) {
    // A calendar menu coming up or going may move the window activation on some platforms;
    // that is not the user leaving the field.
    const bool menuUp = FCalendar && FCalendar->menuShowing();
    const bool leaving =
        event->reason() != Qt::PopupFocusReason &&
        !(event->reason() == Qt::ActiveWindowFocusReason && (menuUp || m_reportingLimit));
    if (leaving) {
        guarded([this] {
            CloseUp(true);
            m_engine.focusOut();
            sync();
        });
        // Every focus period starts with a fresh calendar; one that is running its own
        // dialog is left to the next drop-down.
        if (FCalendar && !FCalendar->menuShowing()) {
            FCalendar->deleteLater();
            FCalendar = nullptr;
        }
    }
    QLineEdit::focusOutEvent(event);
}

// ---- the button and the calendar ------------------------------------------------------------

void TdpDBDateTimePicker::placeButton() {
    const int w =
        std::max(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this), MinButtonWidth);
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    FButton->setGeometry(width() - frame - w, frame, w, height() - 2 * frame);
    FButton->setVisible(m_showButton);
    setTextMargins(0, 0, m_showButton ? w + 2 : 0, 0);
}

void TdpDBDateTimePicker::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    placeButton();
}

void TdpDBDateTimePicker::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        FButton->update();
    else if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        placeButton();
}

void TdpDBDateTimePicker::buttonPressed() {
    if (isDroppedDown()) {
        CloseUp(true);
        return;
    }
    if (!hasFocus() && focusPolicy() != Qt::NoFocus && isEnabled()) {
        FFocusByButton = true;
        setFocus(Qt::MouseFocusReason);
        FFocusByButton = false;
    }
    if (hasFocus())
        DropDown();
}

bool TdpDBDateTimePicker::isDroppedDown() const {
    return FCalendar && FCalendar->isVisible();
}

void TdpDBDateTimePicker::prepareCalendar() {
    if (!FCalendar)
        FCalendar = new TdpPopupCalendar(this); // owned by the field, a window of its own
    TdpPopupCalendar& cal = *FCalendar;
    cal.setBorderStyle(TdpBorderStyle::bsSingle);
    cal.setCalColors(m_calendarAttributes.Colors.value_or(TdpDateTimeColors::defaults(palette())));
    cal.setOnCalcBoldDay(m_calcBoldDay);
    cal.setOptions(m_calendarAttributes.Options);
    const DateLimits limits = m_engine.limits();
    cal.setMinDate(0);
    cal.setMaxDate(static_cast<double>(limits.upper));
    cal.setMinDate(static_cast<double>(limits.lower));
    cal.setFont(m_calendarAttributes.Font.value_or(font()));
    cal.setPopupYearOptions(m_calendarAttributes.PopupYearOptions);
    cal.setFirstDayOfWeek(m_calendarAttributes.FirstDayOfWeek);
}

void TdpDBDateTimePicker::placeCalendar() {
    const QSize min = FCalendar->minReqSize();
    const int w = std::max(m_calendarAttributes.Width, min.width());
    const int h = std::max(m_calendarAttributes.Height, min.height());
    const QPoint field = mapToGlobal(QPoint(0, 0));
    int y = field.y() + height() - 1;
    const QScreen* s = screen();
    const QRect area = s ? s->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
    const QRect whole = s ? s->geometry() : area;
    if (y + h > area.bottom() + 1 && field.y() - h > area.top())
        y = field.y() - h;
    const int buttonWidth = m_showButton ? FButton->width() : 0;
    int x = field.x();
    switch (m_calendarAttributes.Alignment) {
    case TdpCalendarAlignment::dpdtaLeft:
        break;
    case TdpCalendarAlignment::dpdtaRight:
        x = field.x() + width() - buttonWidth - w - 1;
        break;
    case TdpCalendarAlignment::dpdtaCenter:
        x = field.x() + (width() - w - buttonWidth - 1) / 2;
        break;
    }
    if (field.x() + w >= whole.right() + 1)
        x = field.x() + width() - w - 1;
    FCalendar->setGeometry(x + 1, y, w, h);
}

void TdpDBDateTimePicker::DropDown() {
    if (isDroppedDown() || isReadOnly())
        return;
    FDropDownValue = m_engine.value();
    m_engine.CommitTyping();
    prepareCalendar();
    m_engine.fillIfEmpty(appClock().now());
    FCalendar->setDate(m_engine.value());
    m_engine.clearSelection();
    sync();
    Q_EMIT droppedDown();
    placeCalendar();
    FCalendar->show();
    announceCalendar(FCalendar);
    updateCaret();
    // A pop-up is closed by the window system on a click elsewhere; the watcher is for the
    // calendar that is a window of its own.
    if (!FCalendar->isPopup())
        installDropDownWatcher();
}

void TdpDBDateTimePicker::CloseUp(bool accept) {
    if (m_closing)
        return;
    const ReentryGuard guard(m_closing);

    if (isDroppedDown()) {
        if (QWidget* grabber = QWidget::mouseGrabber())
            grabber->releaseMouse();
        FCalendar->hide();
        if (!accept)
            m_engine.setValue(FDropDownValue);
        Q_EMIT closedUp();
        m_engine.selectCurrentElement();
        sync();
        // The reader's focus went to the calendar's days; it comes back to the field.
        if (hasFocus()) {
            QAccessibleEvent event(this, QAccessible::Focus);
            notifyAccessibility(event);
        }
    }
    removeDropDownWatcher();
}

} // namespace vz
