#include "dateentry/dropdown_watcher.h"

#include "dateentry/dp_datetime_picker.h"
#include "dateentry/dp_month_calendar.h"
#include "platform/messages.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>

namespace vz {

namespace {

class DropDownWatcher final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type != QEvent::MouseButtonPress && type != QEvent::NonClientAreaMouseButtonPress &&
             type != QEvent::MouseButtonDblClick) ||
            !watched->isWidgetType())
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        auto* field = qobject_cast<TdpDBDateTimePicker*>(QApplication::focusWidget());
        if (!field || !field->isDroppedDown() || field->calendar()->menuShowing())
            return false;
        const QPoint at = mouse->globalPosition().toPoint();
        const QRect calendar = field->calendar()->frameGeometry();
        const QRect fieldRect(field->mapToGlobal(QPoint(0, 0)), field->size());
        if (calendar.contains(at) || fieldRect.contains(at))
            return false;
        // Posted, so the press that caused it is handled first.
        QMetaObject::invokeMethod(
            field, [field] { guarded([field] { field->CloseUp(true); }); }, Qt::QueuedConnection);
        return false;
    }
};

QPointer<DropDownWatcher> watcher;
bool installed = false;

} // namespace

void installDropDownWatcher() {
    if (installed || !qApp)
        return;
    if (!watcher)
        watcher = new DropDownWatcher(qApp); // owned by the application object
    qApp->installEventFilter(watcher);
    installed = true;
}

void removeDropDownWatcher() {
    if (!installed)
        return;
    if (watcher && qApp)
        qApp->removeEventFilter(watcher);
    installed = false;
}

bool dropDownWatcherInstalled() {
    return installed;
}

} // namespace vz
