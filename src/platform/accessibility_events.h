// The one way our controls tell assistive technologies of a change. It goes to Qt's
// accessibility bridge, and to a tap when one is set: the bridge drops events while no reader
// listens (and the offscreen platform has none), so tests watch the tap instead.
//
//     QAccessibleTextInsertEvent event(field, 8, QStringLiteral(" party"));
//     vz::notifyAccessibility(event);
//
//     vz::AccessibilityTap tap([&](QAccessibleEvent* e) { seen.push_back(e->type()); });
#pragma once

#include <functional>

class QAccessibleEvent;

namespace vz {

void notifyAccessibility(QAccessibleEvent& event);

// Sees every event sent through notifyAccessibility while it lives.
class AccessibilityTap {
public:
    explicit AccessibilityTap(std::function<void(QAccessibleEvent*)> tap);
    ~AccessibilityTap();
    AccessibilityTap(const AccessibilityTap&) = delete;
    AccessibilityTap& operator=(const AccessibilityTap&) = delete;

private:
    std::function<void(QAccessibleEvent*)> m_previous;
};

} // namespace vz
