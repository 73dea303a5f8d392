#include "app/accessibility.h"

#include "dateentry/calendar_accessible.h"
#include "engine/report.h"
#include "timeentry/timeentry_accessible.h"
#include "widgets/raised_label.h"
#include "widgets/widgets_accessible.h"

#include "platform/accessibility_events.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace vz {

namespace {

const char ClockLineProperty[] = "vzClockLine";

class ClockLineAccessible final : public QAccessibleWidget {
public:
    explicit ClockLineAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        // The widget's own name only keeps QLabel from announcing each new text.
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* appAccessibleFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    if (label && label->property(ClockLineProperty).toBool())
        return new ClockLineAccessible(label);
    return nullptr;
}

} // namespace

void presentAsClockLine(QLabel* label) {
    label->setProperty(ClockLineProperty, true);
    // QLabel sends a name change for each new text only while its widget has no name of its own.
    label->setAccessibleName(QStringLiteral("Clock"));
}

void announceLine(QLabel* label) {
    QAccessibleEvent event(label, QAccessible::NameChanged);
    notifyAccessibility(event);
}

void installAccessibility() {
    QAccessible::installFactory(appAccessibleFactory);
    QAccessible::installFactory(timeEntryAccessibleFactory);
    QAccessible::installFactory(calendarAccessibleFactory);
    QAccessible::installFactory(widgetsAccessibleFactory);
}

void presentDisplayLines(const std::array<TRaisedLabel*, 11>& labels,
                         std::function<const DisplayTexts&()> shown) {
    // The line's first label and the labels drawn after it on the same line.
    struct Line {
        int first;
        QList<int> followers;
    };
    const Line lines[DisplayLineCount] = {{0, {}}, {1, {2, 3}}, {4, {}},     {5, {}},
                                          {6, {}}, {7, {}},     {8, {9, 10}}};
    for (int i = 0; i < DisplayLineCount; ++i) {
        QList<QWidget*> followers;
        for (int f : lines[i].followers)
            followers.append(labels[static_cast<std::size_t>(f)]);
        presentAsOneLine(
            labels[static_cast<std::size_t>(lines[i].first)],
            [shown, i] {
                return QString::fromStdString(displayLines(shown())[static_cast<std::size_t>(i)]);
            },
            followers);
    }
}

} // namespace vz
