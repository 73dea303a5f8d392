#include "timeentry/controller.h"

#include "platform/messages.h"
#include "timeentry/entry_errors.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>

namespace vz {

// Keeps the mouse away from the control that took the focus from a failing field until the
// focus is back, then lets go of it.
class TVzController::MouseBlocker : public QObject {
public:
    explicit MouseBlocker(QWidget* taker) : QObject(taker) { taker->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            return true;
        default:
            return false;
        }
    }
};

namespace {

// A release far outside the button, so that a button already down comes back up unclicked.
void releaseButton(QWidget* taker) {
    auto* button = qobject_cast<QAbstractButton*>(taker);
    if (!button || !button->isDown())
        return;
    const QPointF outside(-1e6, -1e6);
    QMouseEvent release(QEvent::MouseButtonRelease, outside, outside, outside, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &release);
    button->setDown(false);
}

} // namespace

bool canTakeFocus(const QWidget* w) {
    return w && w->isEnabled() && w->isVisible() && w->focusPolicy() != Qt::NoFocus;
}

TVzController::TVzController(QObject* parent) : QObject(parent) {}

TVzController::~TVzController() = default;

bool TVzController::isSpecialControl(QWidget* control) const {
    if (!control)
        return false;
    if (control == m_btnCancel || control == m_btnHelp || control == m_btnRestore)
        return true;
    return m_onIsSpecialControl && m_onIsSpecialControl(const_cast<TVzController*>(this), control);
}

void TVzController::setFocusLater(QWidget* control) {
    QPointer<QWidget> target(control);
    QMetaObject::invokeMethod(
        this,
        [target] {
            if (canTakeFocus(target))
                target->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

void TVzController::fieldFailed(QWidget* field, QWidget* taker, std::function<void()> report) {
    const auto failure = m_logic.fieldFailed(field);
    if (!failure.returnFocus)
        return;
    QPointer<QWidget> target(field);
    QPointer<QWidget> takerGuard(taker);
    QPointer<QObject> blocker;
    if (taker && taker != field)
        blocker = new MouseBlocker(taker);
    QMetaObject::invokeMethod(
        this,
        [target, takerGuard, blocker] {
            delete blocker.data();
            if (takerGuard)
                releaseButton(takerGuard);
            if (canTakeFocus(target))
                target->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
    if (!failure.postReport)
        return;
    const void* key = field;
    QMetaObject::invokeMethod(
        this,
        [this, target, key, report = std::move(report)] {
            // Whatever the report does, the round ends with it, so later errors are reported.
            struct Done {
                ControllerLogic& logic;
                const void* key;
                ~Done() { logic.reportDone(key); }
            } done{m_logic, key};
            if (target)
                guarded(report);
        },
        Qt::QueuedConnection);
}

bool TVzController::fieldEntered(QWidget* field) {
    return m_logic.fieldEntered(field);
}

void TVzController::reportError(QWidget* field, int code, const QString& message) {
    m_logic.setLastErrorText(message.toStdString());
    if (m_onError) {
        m_onError(field, code, message);
        return;
    }
    ShowError(field ? field->window() : nullptr, message);
}

void TVzController::postPreEdit(QWidget* field, QWidget* other) {
    QPointer<QWidget> f(field), o(other);
    QMetaObject::invokeMethod(
        this, [this, f, o] { emit OnPreEdit(f, o); }, Qt::QueuedConnection);
}

void TVzController::postPostEdit(QWidget* field, QWidget* other) {
    QPointer<QWidget> f(field), o(other);
    QMetaObject::invokeMethod(
        this, [this, f, o] { emit OnPostEdit(f, o); }, Qt::QueuedConnection);
}

TVzController* findController(const QWidget* control) {
    if (control) {
        if (auto* found = control->window()->findChild<TVzController*>())
            return found;
    }
    throw ENoControllerAssigned();
}

} // namespace vz
