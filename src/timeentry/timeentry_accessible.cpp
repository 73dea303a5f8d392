#include "timeentry/timeentry_accessible.h"

#include "engine/datetext.h"
#include "engine/regional.h"
#include "timeentry/commands.h"
#include "timeentry/entry_field.h"
#include "timeentry/spin_base.h"
#include "timeentry/text_change.h"
#include "timeentry/time_bar.h"
#include "timeentry/time_popup.h"
#include "timeentry/unicode_text.h"

#include "platform/accessibility_events.h"

#include <QAccessibleWidget>
#include <QFontMetrics>

#include <algorithm>
#include <map>

namespace vz {

namespace {

// Assistive technologies count in UTF-16 units, as QString does; the editors count code
// points. The two differ only beyond the Basic Multilingual Plane.
int utf16Offset(std::u32string_view text, int codePoints) {
    int offset = 0;
    const int end = std::clamp(codePoints, 0, static_cast<int>(text.size()));
    for (int i = 0; i < end; ++i)
        offset += text[static_cast<std::size_t>(i)] > 0xFFFF ? 2 : 1;
    return offset;
}

int codePointOffset(std::u32string_view text, int utf16) {
    int offset = 0;
    int units = 0;
    while (offset < static_cast<int>(text.size()) && units < utf16) {
        units += text[static_cast<std::size_t>(offset)] > 0xFFFF ? 2 : 1;
        ++offset;
    }
    return offset;
}

QString slice(std::u32string_view text, int position, int length) {
    return QString::fromStdString(
        toUtf8(text.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(length))));
}

} // namespace

void TextAnnouncer::announce(QObject* field, const std::u32string& text, int caret, int selStart,
                             int selEnd) {
    // Sent whether or not a reader listens (the bridge drops them then): they come only from
    // edits, never from a timer, and cost next to nothing.
    if (text != m_text) {
        const TextChange change = textChange(m_text, text);
        const int at = utf16Offset(text, change.position);
        const QString removed = slice(m_text, change.position, change.removed);
        const QString inserted = slice(text, change.position, change.inserted);
        m_text = text;
        if (change.removed > 0 && change.inserted > 0) {
            QAccessibleTextUpdateEvent event(field, at, removed, inserted);
            notifyAccessibility(event);
        } else if (change.removed > 0) {
            QAccessibleTextRemoveEvent event(field, at, removed);
            notifyAccessibility(event);
        } else {
            QAccessibleTextInsertEvent event(field, at, inserted);
            notifyAccessibility(event);
        }
    }
    if (selStart != m_selStart || selEnd != m_selEnd) {
        m_selStart = selStart;
        m_selEnd = selEnd;
        QAccessibleTextSelectionEvent event(field, utf16Offset(text, selStart),
                                            utf16Offset(text, selEnd));
        event.setCursorPosition(utf16Offset(text, caret));
        notifyAccessibility(event);
    }
    if (caret != m_caret) {
        m_caret = caret;
        QAccessibleTextCursorEvent event(field, utf16Offset(text, caret));
        notifyAccessibility(event);
    }
}

// Friend of the field: it reads and moves the caret through the field's editor, so that what
// an assistive technology does obeys the same rules (the mask, the length limit, read-only) as
// the keyboard.
class EntryFieldAccessible final : public QAccessibleWidget,
                                   public QAccessibleTextInterface,
                                   public QAccessibleEditableTextInterface {
public:
    explicit EntryFieldAccessible(TVzBaseEntryField* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface && !field()->ReadOnly())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !field()->ReadOnly();
        s.readOnly = field()->ReadOnly();
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return field()->text();
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = field()->toolTip();
        return s;
    }

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !editor().hasSelection())
            return;
        *startOffset = toUtf16(editor().selStart());
        *endOffset = toUtf16(editor().selEnd());
    }
    int selectionCount() const override { return editor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex != 0)
            return;
        editor().clearSelection();
        changed();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex != 0)
            return;
        editor().mousePress(toCodePoints(startOffset), false);
        editor().mouseDrag(toCodePoints(endOffset));
        changed();
    }
    int cursorPosition() const override { return toUtf16(editor().caret()); }
    void setCursorPosition(int position) override {
        editor().mousePress(toCodePoints(position), false);
        changed();
    }
    QString text(int startOffset, int endOffset) const override {
        const QString all = field()->text();
        const int start = std::clamp(startOffset, 0, static_cast<int>(all.size()));
        const int end = std::clamp(endOffset < 0 ? static_cast<int>(all.size()) : endOffset, start,
                                   static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(field()->text().size()); }
    QRect characterRect(int offset) const override {
        TVzBaseEntryField* f = field();
        const int p = toCodePoints(offset);
        const QRect area = f->textArea();
        const int left = area.left() - f->m_scroll;
        const int x1 = left + f->xOfPosition(p);
        const int x2 = p < editor().length() ? left + f->xOfPosition(p + 1)
                                             : x1 + QFontMetrics(f->font()).averageCharWidth();
        const QFontMetrics fm(f->font());
        const int top = area.top() + (area.height() - fm.height()) / 2;
        const QRect local(x1, top, std::max(1, x2 - x1), fm.height());
        return QRect(f->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = field()->mapFromGlobal(point);
        if (!field()->rect().contains(local))
            return -1;
        return toUtf16(field()->positionAt(local.x()));
    }
    void scrollToSubstring(int, int endIndex) override {
        editor().mousePress(toCodePoints(endIndex), false);
        changed();
    }
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = offset;
        *endOffset = offset;
        return {};
    }

    // QAccessibleEditableTextInterface: the field's own editing, as if the range were selected
    // and then deleted or pasted over.
    void deleteText(int startOffset, int endOffset) override {
        select(startOffset, endOffset);
        if (editor().hasSelection())
            field()->applyResult(editor().command(ccDel));
        changed();
    }
    void insertText(int offset, const QString& text) override {
        select(offset, offset);
        field()->applyResult(editor().paste(text.toStdString()));
        changed();
    }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        select(startOffset, endOffset);
        field()->applyResult(editor().paste(text.toStdString()));
        changed();
    }

private:
    TVzBaseEntryField* field() const { return static_cast<TVzBaseEntryField*>(object()); }
    EntryEditor& editor() const { return field()->editor(); }
    int toUtf16(int codePoints) const { return utf16Offset(editor().chars(), codePoints); }
    int toCodePoints(int utf16) const { return codePointOffset(editor().chars(), utf16); }
    void select(int startOffset, int endOffset) {
        const int start = toCodePoints(std::min(startOffset, endOffset));
        const int end = toCodePoints(std::max(startOffset, endOffset));
        editor().mousePress(start, false);
        editor().mouseDrag(end);
    }
    void changed() {
        field()->ensureCaretVisible();
        field()->announceChanges();
        field()->update();
    }
};

namespace {

constexpr int MinutesPerDay = 24 * 60;
constexpr int BarStepMinutes = 5;

int pointerMinutes(const TimeBarImage* bar) {
    const HourMinute t = Xtotime(bar->pointerColumn());
    return t.hour * 60 + t.minute;
}

// The bar as a slider over the minutes of the day; its value reads as a time ("7:00 AM").
class TimeBarAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TimeBarAccessible(TimeBarImage* bar) : QAccessibleWidget(bar, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The bridge carries only the number; the description carries the time as words.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value || t == QAccessible::Description) {
            const RegionalSettings& rs = processSettings();
            const TDateTime time = static_cast<double>(pointerMinutes(bar())) / MinutesPerDay;
            return QString::fromStdString(formatDateTime(rs.shortTimeFormat, time, rs));
        }
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = widget()->toolTip();
        return s;
    }

    QVariant currentValue() const override { return pointerMinutes(bar()); }
    // As a press of the mouse on the time's column would do.
    void setCurrentValue(const QVariant& value) override {
        const int minutes = std::clamp(value.toInt(), 0, MinutesPerDay);
        emit bar()->pressed(TimetoX(minutes / 60, minutes % 60));
        emit bar()->released();
    }
    QVariant maximumValue() const override { return MinutesPerDay; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return BarStepMinutes; }

private:
    TimeBarImage* bar() const { return static_cast<TimeBarImage*>(object()); }
};

QString withoutColon(QString text) {
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

QString arrowName(TSpinState state) {
    switch (state) {
    case TSpinState::Up:
        return QStringLiteral("Up");
    case TSpinState::Down:
        return QStringLiteral("Down");
    case TSpinState::Left:
        return QStringLiteral("Left");
    case TSpinState::Right:
        return QStringLiteral("Right");
    default:
        return {};
    }
}

// One arrow of a spin button: a push button whose press makes one step.
class ArrowAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ArrowAccessible(TVzBaseSpinner* spinner, TSpinState state)
        : m_spinner(spinner), m_state(state) {}

    bool isValid() const override { return !m_spinner.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_spinner ? m_spinner->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return m_spinner ? QAccessible::queryAccessibleInterface(m_spinner.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? arrowName(m_state) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!m_spinner)
            return {};
        const QRect local = m_spinner->arrowRect(m_state);
        return QRect(m_spinner->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!m_spinner)
            return s;
        s.disabled = !m_spinner->isEnabled();
        s.invisible = !m_spinner->isVisible();
        s.pressed = m_spinner->isPressing() && m_spinner->state() == m_state;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (m_spinner && actionName == pressAction())
            m_spinner->stepOnce(m_state);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TVzBaseSpinner> m_spinner;
    TSpinState m_state;
};

// A spin button: named by its hint, else by the label of the field it steps; its children
// are its arrows.
class SpinnerAccessible final : public QAccessibleWidget {
public:
    explicit SpinnerAccessible(TVzBaseSpinner* spinner)
        : QAccessibleWidget(spinner, QAccessible::SpinBox) {
        for (TSpinState s : {TSpinState::Up, TSpinState::Down, TSpinState::Left, TSpinState::Right})
            if (!spinner->arrowRect(s).isEmpty())
                m_arrows.push_back(s);
    }
    ~SpinnerAccessible() override {
        for (const auto& [state, id] : m_ids)
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !s.isEmpty())
            return s;
        s = widget()->toolTip();
        if (!s.isEmpty())
            return s;
        auto* spinner = static_cast<TVzBaseSpinner*>(widget());
        QWidget* stepped =
            spinner->FocusedControl() ? spinner->FocusedControl() : spinner->AttachedControl();
        if (QAccessibleInterface* field =
                stepped ? QAccessible::queryAccessibleInterface(stepped) : nullptr)
            return withoutColon(field->text(QAccessible::Name));
        return {};
    }

    int childCount() const override { return static_cast<int>(m_arrows.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        const TSpinState state = m_arrows[static_cast<std::size_t>(index)];
        auto found = m_ids.find(state);
        if (found == m_ids.end()) {
            auto* arrow = new ArrowAccessible(static_cast<TVzBaseSpinner*>(widget()), state);
            found = m_ids.emplace(state, QAccessible::registerAccessibleInterface(arrow)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

private:
    std::vector<TSpinState> m_arrows;
    mutable std::map<TSpinState, QAccessible::Id> m_ids;
};

} // namespace

void announceTimeBarValue(TimeBarImage* bar) {
    QAccessibleValueChangeEvent value(bar, pointerMinutes(bar));
    notifyAccessibility(value);
    QAccessibleEvent description(bar, QAccessible::DescriptionChanged);
    notifyAccessibility(description);
}

QAccessibleInterface* timeEntryAccessibleFactory(const QString&, QObject* object) {
    if (auto* field = qobject_cast<TVzBaseEntryField*>(object))
        return new EntryFieldAccessible(field);
    if (auto* bar = qobject_cast<TimeBarImage*>(object))
        return new TimeBarAccessible(bar);
    if (auto* spinner = qobject_cast<TVzBaseSpinner*>(object))
        return new SpinnerAccessible(spinner);
    return nullptr;
}

} // namespace vz
