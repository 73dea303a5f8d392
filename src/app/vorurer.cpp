// The program entry: the application object, the main window, the message loop.
#include "app/main_window.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/regional_qt.h"

int main(int argc, char** argv) {
    vz::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorurer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vizevavoz 98"));
    vz::installFontSubstitutions();
    vz::processSettings() = vz::regionalSettingsFromLocale(QLocale::system());
    vz::TfrmMain frmMain;
    frmMain.show();
    return QApplication::exec();
}
