#include "platform/start_report.h"

#include "platform/messages.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace vz {

namespace {

const char ForeignLockMessage[] =
    "The event list in %1 is in use by process %2 on the computer \"%3\", or was when that "
    "computer stopped without closing the program.\n\n"
    "Open it here anyway only if the program no longer runs there.";
const char OpenAnywayText[] = "&Open anyway";
const char QuitText[] = "&Quit";

} // namespace

void reportStartFailure(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    showGeneralError(message);
}

bool askToOpenForeignLock(const QString& storeFolder, const QString& host, qint64 pid) {
    const QString message =
        QString::fromLatin1(ForeignLockMessage)
            .arg(QDir::toNativeSeparators(storeFolder), QString::number(pid), host);
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vizevavoz 98"), message);
    QPushButton* open = box.addButton(QString::fromLatin1(OpenAnywayText), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(QString::fromLatin1(QuitText), QMessageBox::RejectRole);
    box.setDefaultButton(quit);
    box.setEscapeButton(quit);
    box.exec();
    return box.clickedButton() == open;
}

} // namespace vz
