#include "platform/autostart.h"

#include "platform/desktop_identity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <stdexcept>

namespace vz {

namespace {

const QString UnableToWrite = QStringLiteral("Unable to write to %1");

// A program path as one argument of an Exec key: in double quotes with the characters the
// quoting reserves escaped, then backslashes doubled for the string value, and "%" doubled
// for the field codes.
QString quotedExec(const QString& program) {
    QString quoted;
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString autostartEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + QLatin1String(DesktopId) + QStringLiteral(".desktop");
}

bool startsAtLogin() {
    QFile file(autostartEntryPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed == QStringLiteral("Hidden=true") ||
            trimmed == QStringLiteral("X-GNOME-Autostart-enabled=false"))
            return false;
    }
    return true;
}

QString autostartEntryText(const QString& program) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Comment=Reminders of the events counted to\n"
                          "Exec=%2\n"
                          "Icon=%3\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(QString::fromUtf8(ProgramName), quotedExec(program), QLatin1String(DesktopId));
}

void setStartAtLogin(bool on, const QString& program) {
    const QString path = autostartEntryPath();
    if (!on) {
        if (QFile::exists(path) && !QFile::remove(path))
            throw std::runtime_error(UnableToWrite.arg(path).toStdString());
        return;
    }
    // A line break cannot be quoted in a desktop entry.
    if (program.contains(QLatin1Char('\n')) || program.contains(QLatin1Char('\r')))
        throw std::runtime_error(UnableToWrite.arg(path).toStdString());
    QSaveFile file(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) ||
        file.write(autostartEntryText(program).toUtf8()) < 0 || !file.commit())
        throw std::runtime_error(UnableToWrite.arg(path).toStdString());
}

} // namespace vz
