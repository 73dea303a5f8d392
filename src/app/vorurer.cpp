// The program entry: the application object, the main window, the message loop.
#include "app/accessibility.h"
#include "app/main_window.h"
#include "platform/application.h"
#include "platform/desktop_identity.h"
#include "platform/fonts.h"
#include "platform/regional_qt.h"
#include "platform/store_location.h"

int main(int argc, char** argv) {
    vz::Application app(argc, argv);
    // The data folder of an installed copy is named after the application.
    QApplication::setApplicationName(QStringLiteral("vorurer"));
    vz::applyDesktopIdentity();
    vz::installFontSubstitutions();
    vz::installAccessibility();
    vz::processSettings() = vz::regionalSettingsFromLocale(QLocale::system());
    vz::TfrmMain frmMain(vz::storeFolder(QCoreApplication::applicationDirPath()));
    frmMain.show();
    return QApplication::exec();
}
