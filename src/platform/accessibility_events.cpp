#include "platform/accessibility_events.h"

#include <QAccessible>

namespace vz {

namespace {

std::function<void(QAccessibleEvent*)>& tap() {
    static std::function<void(QAccessibleEvent*)> current;
    return current;
}

} // namespace

void notifyAccessibility(QAccessibleEvent& event) {
    if (tap())
        tap()(&event);
    QAccessible::updateAccessibility(&event);
}

AccessibilityTap::AccessibilityTap(std::function<void(QAccessibleEvent*)> t)
    : m_previous(std::move(tap())) {
    tap() = std::move(t);
}

AccessibilityTap::~AccessibilityTap() {
    tap() = std::move(m_previous);
}

} // namespace vz
