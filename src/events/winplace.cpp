#include "events/winplace.h"

#include "events/compositor_placement.h"
#include "events/placement_fit.h"
#include "platform/registry_ini.h"
#include "platform/window_system.h"
#include "store/placement_text.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <optional>
#include <stdexcept>

namespace vz {

namespace {

PlacementRect toPlacementRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

PlacementRect primaryArea() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? toPlacementRect(primary->availableGeometry()) : PlacementRect{};
}

} // namespace

// ---- where the compositor places the windows (Wayland) --------------------------------------

void TWinPlace::keepPositionWhereUnknown(WindowPlacementRecord& placement) const {
    if (compositorPlacesWindows())
        placement = keepStoredPosition(
            placement, placementFromText(storedValue().toStdString(), Delimiter.toStdString()),
            primaryArea());
}

bool TWinPlace::restoreSizeWhereUnplaced(const WindowPlacementRecord& placement) {
    if (!compositorPlacesWindows())
        return false;
    const PlacementRect size = sizeToRestore(placement, primaryArea());
    m_owner->resize(static_cast<int>(size.width()), static_cast<int>(size.height()));
    // A compositor shows nothing of a minimised window until the user finds it in a task list,
    // which a bare compositor does not have: here a start always opens the window.
    if (placement.showCmd != ShowMinimized)
        applyShowState(placement);
    return true;
}

void TWinPlace::applyShowState(const WindowPlacementRecord& placement) {
    if (placement.showCmd == ShowMaximized)
        m_owner->setWindowState(Qt::WindowMaximized);
    else if (placement.showCmd == ShowMinimized)
        m_owner->setWindowState(Qt::WindowMinimized);
}

// ---------------------------------------------------------------------------------------------

TWinPlace::TWinPlace(QWidget* owner) : QObject(owner), m_owner(owner) {
    Section = QCoreApplication::applicationName();
    Identifier = owner ? owner->objectName() : QString();
}

QString TWinPlace::storedValue() const {
    QString text;
    try {
        text = RegistryIni(IniFileName).ReadString(Section, Identifier, QString());
    } catch (const std::runtime_error&) {
        // A value of another type (a list, as "frmMain=0, 1, 2" reads) was never ours.
        return {};
    }
    if (!storedPlacement(text.toStdString(), Delimiter.toStdString()))
        return {};
    return text;
}

void TWinPlace::SavePlacement() {
    // A window that was never shown has no placement to keep: the stored one stays, silently.
    if (!m_owner || !m_owner->testAttribute(Qt::WA_WState_Created))
        return;
    WindowPlacementRecord placement;
    const QRect normal =
        m_owner->normalGeometry().isValid() ? m_owner->normalGeometry() : m_owner->geometry();
    placement.showCmd = m_owner->isMinimized()   ? ShowMinimized
                        : m_owner->isMaximized() ? ShowMaximized
                                                 : ShowNormal;
    placement.minX = placement.minY = placement.maxX = placement.maxY = -1;
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.left() + normal.width();
    placement.bottom = normal.top() + normal.height();
    keepPositionWhereUnknown(placement);
    const std::string text = placementToText(placement, Delimiter.toStdString());
    RegistryIni(IniFileName).WriteString(Section, Identifier, QString::fromStdString(text));
}

void TWinPlace::RestorePlacement() {
    if (!m_owner)
        return;
    const std::optional<WindowPlacementRecord> stored =
        storedPlacement(storedValue().toStdString(), Delimiter.toStdString());
    if (!stored || !placementApplies(*stored))
        return;
    const WindowPlacementRecord& placement = *stored;
    if (restoreSizeWhereUnplaced(placement))
        return;
    PlacementRect rect{placement.left, placement.top, placement.right, placement.bottom};
    // A rectangle larger than its screen is cut to it (a hand-edited 99999 x 99999 would
    // otherwise allocate a window of that size); one on a screen that is gone opens on the
    // primary screen.
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        std::vector<PlacementRect> screens;
        for (QScreen* screen : QGuiApplication::screens())
            screens.push_back(toPlacementRect(screen->availableGeometry()));
        rect = fitToScreens(rect, screens, toPlacementRect(primary->availableGeometry()));
    }
    m_owner->setGeometry(rect.left, rect.top, static_cast<int>(rect.width()),
                         static_cast<int>(rect.height()));
    applyShowState(placement);
}

} // namespace vz
