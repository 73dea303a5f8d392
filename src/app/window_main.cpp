// The window's entry: the application object, the main window, the message loop. A module of
// its own (see vorurer.cpp), so only a start that opens the window loads the window system.
#include "app/accessibility.h"
#include "app/main_window.h"
#include "platform/application.h"
#include "platform/desktop_identity.h"
#include "platform/exit_signals.h"
#include "platform/fonts.h"
#include "platform/regional_qt.h"
#include "platform/single_instance.h"
#include "platform/start_report.h"
#include "platform/store_location.h"
#include "store/event_store.h"
#include "store/store_check.h"

#include <QDBusConnection>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <thread>

#if defined(__GNUC__)
#define VZ_EXPORT __attribute__((visibility("default")))
#else
#define VZ_EXPORT
#endif

// The one name the module shows to the program.
extern "C" VZ_EXPORT int vorurerWindowMain(int argc, char** argv) {
    // Fontconfig reads its configuration and font caches on first use, the largest piece of a
    // start's work before the window can be laid out. A second thread reads them while the
    // application connects to the display; the window waits for it before it measures a text.
    std::jthread fontConfiguration([] { FcInit(); });
    vz::Application app(argc, argv);
    // The data folder of an installed copy is named after the application.
    QApplication::setApplicationName(QStringLiteral("vorurer"));
    const QString storeFolder = vz::storeFolder(QCoreApplication::applicationDirPath());
    // A second start hands over to the running copy before anything reads the store.
    vz::SingleInstance instance(storeFolder);
    instance.setForeignLockQuestion([&storeFolder](const QString& host, qint64 pid) {
        return vz::askToOpenForeignLock(storeFolder, host, pid);
    });
    switch (instance.claim()) {
    case vz::SingleInstance::Claim::Claimed:
        break;
    case vz::SingleInstance::Claim::HandedOver:
        std::fprintf(stderr, "%s\n", instance.alreadyRunningLine().toLocal8Bit().constData());
        return 0;
    case vz::SingleInstance::Claim::Declined:
        return 0;
    case vz::SingleInstance::Claim::Blocked:
        vz::reportStartFailure(instance.blockedReason());
        return 1;
    }
    // A store that cannot be the user's list as it is (a link to a drive not mounted yet, a
    // file far too large) is never shown as an empty list that the next save would write.
    if (const auto problem = vz::storeOpeningProblem(vz::storePath(storeFolder.toStdString()))) {
        vz::reportStartFailure(QString::fromStdString(*problem));
        return 1;
    }
    // The accessibility bridge starts with the first control and waits for the session bus;
    // a second thread connects to it meanwhile, while the window loads its fonts.
    std::jthread sessionBus([] { QDBusConnection::sessionBus(); });
    vz::ExitSignals endingSignals;

    vz::applyDesktopName();
    vz::installFontSubstitutions();
    vz::installAccessibility();
    vz::processSettings() = vz::regionalSettingsFromLocale(QLocale::system());
    fontConfiguration.join();
    vz::TfrmMain frmMain(storeFolder);
    QObject::connect(&instance, &vz::SingleInstance::activationRequested, &frmMain,
                     [&frmMain](const QString& token) { vz::bringToFront(&frmMain, token); });
    QObject::connect(&endingSignals, &vz::ExitSignals::received, &frmMain,
                     [&frmMain] { frmMain.endSession(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frmMain,
                     [&frmMain](QSessionManager&) { frmMain.saveForSession(); });
    frmMain.show();
    QTimer::singleShot(0, &frmMain, [] { vz::applyProgramIcon(); });
    return QApplication::exec();
}
