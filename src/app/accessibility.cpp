#include "app/accessibility.h"

#include "dateentry/calendar_accessible.h"
#include "engine/report.h"
#include "timeentry/timeentry_accessible.h"
#include "widgets/raised_label.h"
#include "widgets/widgets_accessible.h"

#include <QAccessible>

namespace vz {

void installAccessibility() {
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
