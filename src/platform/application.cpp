#include "platform/application.h"

#include "platform/messages.h"

#include <optional>

namespace vz {

namespace {

constexpr char NoGtkBridge[] = "NO_AT_BRIDGE";
std::optional<QByteArray> bridgeSettingBefore;

// Runs before Qt starts: a GTK platform theme (QT_QPA_PLATFORMTHEME=gtk3, as GNOME users run Qt
// programs) starts GTK, whose own accessibility bridge would register an empty second program
// with the accessibility bus beside Qt's. Readers find the program through Qt's bridge alone.
int& beforeQtStarts(int& argc) {
    if (qEnvironmentVariableIsSet(NoGtkBridge))
        bridgeSettingBefore = qgetenv(NoGtkBridge);
    qputenv(NoGtkBridge, "1");
    return argc;
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(beforeQtStarts(argc), argv) {
    // GTK has read it; the programs we start (the web browser) keep their readers.
    if (bridgeSettingBefore)
        qputenv(NoGtkBridge, *bridgeSettingBefore);
    else
        qunsetenv(NoGtkBridge);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace vz
