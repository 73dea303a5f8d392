#include "timeentry/entry_field.h"

#include "platform/messages.h"
#include "timeentry/controller.h"
#include "timeentry/controller_logic.h"
#include "timeentry/entry_errors.h"
#include "timeentry/qt_keys.h"
#include "timeentry/unicode_text.h"
#include "timeentry/virtual_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace vz {

namespace {

constexpr int InsertCaretWidth = 2;
constexpr int DefaultWidthInChars = 12;

QColor orPalette(const QColor& color, const QPalette& palette, QPalette::ColorGroup group,
                 QPalette::ColorRole role) {
    return color.isValid() ? color : palette.color(group, role);
}

bool isDialogKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

} // namespace

TVzBaseEntryField::TVzBaseEntryField(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_KeyCompression, false);
}

TVzBaseEntryField::~TVzBaseEntryField() {
    if (m_controllerInUse)
        m_controllerInUse->fieldDestroyed(this);
}

TVzController* TVzBaseEntryField::Controller() const {
    TVzController* controller = m_controller ? m_controller.data() : findController(this);
    const_cast<TVzBaseEntryField*>(this)->m_controllerInUse = controller;
    return controller;
}

void TVzBaseEntryField::setController(TVzController* controller) {
    m_controller = controller;
}

QString TVzBaseEntryField::text() const {
    return QString::fromStdString(editor().text());
}

double TVzBaseEntryField::DateTimeValue() const {
    throw EInvalidDataType();
}

void TVzBaseEntryField::setDateTimeValue(double) {
    throw EInvalidDataType();
}

void TVzBaseEntryField::StepUp(bool, double) {}

void TVzBaseEntryField::StepDown(bool, double) {}

void TVzBaseEntryField::MoveCaret(int n) {
    if (!hasFocus())
        return;
    for (int i = 0; i < std::abs(n); ++i)
        editor().command(n < 0 ? ccLeft : ccRight);
    restartBlink();
    ensureCaretVisible();
    announceChanges();
    update();
}

void TVzBaseEntryField::setForceInsert(bool force) {
    editor().setForceInsert(force);
    update();
}

void TVzBaseEntryField::setForceOvertype(bool force) {
    editor().setForceOvertype(force);
    update();
}

void TVzBaseEntryField::setTextMargin(int margin) {
    if (margin == m_textMargin)
        return;
    m_textMargin = std::max(0, margin);
    updateGeometry();
    update();
}

void TVzBaseEntryField::setHighlightColors(const TVzColorPair& colors) {
    m_highlight = colors;
    update();
}

void TVzBaseEntryField::setDisabledColors(const TVzColorPair& colors) {
    m_disabled = colors;
    update();
}

void TVzBaseEntryField::selectAll() {
    editor().selectAll(m_caretToEnd);
    ensureCaretVisible();
    announceChanges();
    update();
}

int TVzBaseEntryField::frameWidth() const {
    QStyleOptionFrame option;
    option.initFrom(this);
    return style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
}

QSize TVzBaseEntryField::sizeHint() const {
    const QFontMetrics fm(font());
    const int inset = 2 * (frameWidth() + m_textMargin);
    return {fm.averageCharWidth() * DefaultWidthInChars + inset, fm.height() + inset};
}

QSize TVzBaseEntryField::minimumSizeHint() const {
    const QFontMetrics fm(font());
    const int inset = 2 * (frameWidth() + m_textMargin);
    return {fm.averageCharWidth() + inset, autoSizes() ? fm.height() + inset : 0};
}

QRect TVzBaseEntryField::textArea() const {
    const int inset = frameWidth() + m_textMargin;
    return rect().adjusted(inset, inset, -inset, -inset);
}

int TVzBaseEntryField::xOfPosition(int position) const {
    const QString prefix = QString::fromStdString(toUtf8(
        std::u32string_view(editor().chars()).substr(0, static_cast<std::size_t>(position))));
    return QFontMetrics(font()).horizontalAdvance(prefix);
}

int TVzBaseEntryField::positionAt(int x) const {
    const int textX = x - textArea().left() + m_scroll;
    int best = 0;
    int bestDistance = std::abs(textX);
    for (int p = 1; p <= editor().length(); ++p) {
        const int distance = std::abs(xOfPosition(p) - textX);
        if (distance < bestDistance) {
            best = p;
            bestDistance = distance;
        }
    }
    return best;
}

void TVzBaseEntryField::ensureCaretVisible() {
    const int visible = std::max(1, textArea().width());
    const int caretX = xOfPosition(editor().caret());
    const int caretWidth = QFontMetrics(font()).averageCharWidth();
    if (caretX - m_scroll > visible - caretWidth)
        m_scroll = caretX - visible + caretWidth;
    if (caretX < m_scroll)
        m_scroll = caretX;
    const int full = xOfPosition(editor().length()) + caretWidth;
    m_scroll = std::clamp(m_scroll, 0, std::max(0, full - visible));
}

void TVzBaseEntryField::announceChanges() {
    const EntryEditor& ed = editor();
    m_announcer.announce(this, ed.chars(), ed.caret(), ed.selStart(), ed.selEnd());
}

void TVzBaseEntryField::restartBlink() {
    m_caretShown = hasFocus();
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash > 0)
        m_blink.start(flash / 2, this);
    else
        m_blink.stop();
}

void TVzBaseEntryField::textReplaced() {
    ensureCaretVisible();
    announceChanges();
    update();
}

void TVzBaseEntryField::applyResult(const EditResult& result) {
    if (result.refused && m_beepOnError)
        beep();
    restartBlink();
    ensureCaretVisible();
    announceChanges();
    update();
    if (result.changed)
        emit OnChange();
}

bool TVzBaseEntryField::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Keys the command tables claim are the field's, not the form's shortcuts.
        auto* key = static_cast<QKeyEvent*>(event);
        bool claimed = false;
        guarded([&] {
            const std::uint8_t vk = virtualKeyOf(*key);
            claimed = vk != 0 && !isDialogKey(key) &&
                      Controller()->EntryCommands().claims(vk, shiftStateOf(key->modifiers()));
        });
        if (claimed) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void TVzBaseEntryField::keyPressEvent(QKeyEvent* event) {
    if (isDialogKey(event)) {
        // Tab, Enter and Esc belong to the form: next control, default and cancel buttons.
        event->ignore();
        return;
    }
    bool handled = false;
    guarded([&] { handled = handleKey(event); });
    if (!handled)
        event->ignore();
}

bool TVzBaseEntryField::handleKey(QKeyEvent* event) {
    const std::uint8_t vk = virtualKeyOf(*event);
    if (vk == VkShift)
        return false;
    TVzController* controller = Controller();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (vk == 0) {
        // A key the tables cannot name can still bring a character.
        return runCommand(ccAccept, event->text(), modifiers);
    }
    const int code = controller->EntryCommands().translate(vk, shiftStateOf(modifiers));
    return runCommand(code, event->text(), modifiers);
}

bool TVzBaseEntryField::runCommand(int code, const QString& typed,
                                   Qt::KeyboardModifiers modifiers) {
    const bool alt = modifiers & Qt::AltModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (code) {
    case ccNone:
    case ccPartial:
    case ccSuppress:
        return true;
    case ccAccept:
        // With Alt alone the key is a menu or button mnemonic, not a character. With Ctrl alone
        // it is a control character, whatever text the platform reports for it; Ctrl with Alt
        // is how some keyboards reach their third-level characters.
        if (typed.isEmpty() || (alt && !ctrl))
            return false;
        if (ctrl && !alt) {
            applyResult({false, true});
            return true;
        }
        typeText(typed);
        return true;
    case ccCopy:
        copyToClipboard();
        return true;
    case ccCut:
        if (ReadOnly()) {
            applyResult({false, true});
            return true;
        }
        copyToClipboard();
        applyResult(editor().cut());
        return true;
    case ccPaste:
        applyResult(editor().paste(QApplication::clipboard()->text().toStdString()));
        return true;
    case ccUndo:
        applyResult(editor().command(ccRestore));
        return true;
    default:
        break;
    }
    if (code >= ccUserFirst) {
        emit OnUserCommand(code);
        return true;
    }
    applyResult(editor().command(code));
    return true;
}

void TVzBaseEntryField::typeText(const QString& typed) {
    const std::u32string chars = toUtf32(typed.toStdString());
    EditResult total;
    for (char32_t c : chars) {
        const EditResult one = editor().typeChar(c);
        total.changed = total.changed || one.changed;
        total.refused = total.refused || one.refused;
    }
    applyResult(total);
}

void TVzBaseEntryField::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty())
        guarded([&] { typeText(event->commitString()); });
    event->accept();
}

void TVzBaseEntryField::copyToClipboard() {
    if (editor().hasSelection())
        QApplication::clipboard()->setText(QString::fromStdString(editor().selectedText()));
}

void TVzBaseEntryField::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    guarded([&] {
        TVzController* controller = Controller();
        controller->EntryCommands().resetTranslation();
        // The focus coming back with its window, or after a popup, is not the user entering.
        const bool windowReturn = m_leftWithWindow;
        m_leftWithWindow = false;
        const bool entering = controller->fieldEntered(this) && !windowReturn;
        if (entering) {
            editor().enter(controller->insertMode(), m_autoSelect, m_caretToEnd);
            controller->postPreEdit(this, nullptr);
        } else if (!editor().forceInsert() && !editor().forceOvertype()) {
            editor().setInsertMode(controller->insertMode());
        }
    });
    restartBlink();
    ensureCaretVisible();
    announceChanges();
    update();
}

void TVzBaseEntryField::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    m_leftWithWindow =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    guarded([&] {
        TVzController* controller = Controller();
        QWidget* next = QApplication::focusWidget();
        const bool sameForm = next && next != this && next->window() == window();
        if (sameForm && !controller->isSpecialControl(next) && isEnabled() && isVisible()) {
            const int code = leave();
            m_lastError = code;
            if (code != 0) {
                QPointer<TVzBaseEntryField> self(this);
                controller->fieldFailed(this, next, [self, code] {
                    if (self)
                        self->reportValidationError(code);
                });
            } else {
                controller->postPostEdit(this, next);
            }
        }
        controller->setInsertMode(editor().insertMode());
    });
    m_blink.stop();
    m_caretShown = false;
    update();
}

void TVzBaseEntryField::reportValidationError(int code) {
    const QString message = QString::fromStdString(entryErrorMessage(code));
    TVzController* controller = Controller();
    controller->logic().setLastErrorText(message.toStdString());
    if (m_onError)
        m_onError(this, code, message);
    else
        controller->reportError(this, code, message);
}

void TVzBaseEntryField::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    editor().mousePress(positionAt(event->position().toPoint().x()),
                        event->modifiers() & Qt::ShiftModifier);
    restartBlink();
    ensureCaretVisible();
    announceChanges();
    update();
}

void TVzBaseEntryField::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    editor().mouseDrag(positionAt(event->position().toPoint().x()));
    ensureCaretVisible();
    announceChanges();
    update();
}

void TVzBaseEntryField::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    // The character under the mouse, not the nearest boundary.
    int p = positionAt(pos.x());
    if (p > 0 && xOfPosition(p) > pos.x() - textArea().left() + m_scroll)
        --p;
    editor().selectWordAt(p);
    ensureCaretVisible();
    announceChanges();
    update();
}

void TVzBaseEntryField::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_blink.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_caretShown = !m_caretShown;
    update();
}

void TVzBaseEntryField::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    guarded([&] { Controller(); });
}

void TVzBaseEntryField::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureCaretVisible();
}

void TVzBaseEntryField::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateGeometry();
    QWidget::changeEvent(event);
}

void TVzBaseEntryField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    const bool enabled = isEnabled();
    const QColor background =
        enabled ? pal.color(QPalette::Base)
                : orPalette(m_disabled.background, pal, QPalette::Active, QPalette::Window);
    const QColor foreground =
        enabled ? pal.color(QPalette::Text)
                : orPalette(m_disabled.text, pal, QPalette::Disabled, QPalette::Text);

    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = frameWidth();
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    painter.fillRect(rect(), background);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);

    const QRect area = textArea();
    painter.setClipRect(area.adjusted(-m_textMargin, 0, m_textMargin, 0));
    const QFontMetrics fm(font());
    const int baseline = area.top() + (area.height() - fm.height()) / 2 + fm.ascent();
    const int left = area.left() - m_scroll;
    const QString all = text();
    painter.setPen(foreground);
    painter.drawText(left, baseline, all);

    const EntryEditor& ed = editor();
    const int lineTop = baseline - fm.ascent();
    if (ed.hasSelection() && hasFocus()) {
        const int x1 = left + xOfPosition(ed.selStart());
        const int x2 = left + xOfPosition(ed.selEnd());
        const QRect band(x1, lineTop, x2 - x1, fm.height());
        painter.fillRect(
            band, orPalette(m_highlight.background, pal, QPalette::Active, QPalette::Highlight));
        painter.save();
        painter.setClipRect(band.intersected(area.adjusted(-m_textMargin, 0, m_textMargin, 0)));
        painter.setPen(
            orPalette(m_highlight.text, pal, QPalette::Active, QPalette::HighlightedText));
        painter.drawText(left, baseline, all);
        painter.restore();
    }

    if (m_caretShown && hasFocus() && enabled) {
        const int x = left + xOfPosition(ed.caret());
        if (ed.insertMode()) {
            painter.fillRect(QRect(x, lineTop, InsertCaretWidth, fm.height()), foreground);
        } else {
            // The block covers the character under the caret, shown inverted.
            const int width = ed.caret() < ed.length()
                                  ? xOfPosition(ed.caret() + 1) - xOfPosition(ed.caret())
                                  : fm.averageCharWidth();
            const QRect block(x, lineTop, std::max(width, 1), fm.height());
            painter.save();
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.fillRect(block, Qt::white);
            painter.restore();
        }
    }
}

} // namespace vz
