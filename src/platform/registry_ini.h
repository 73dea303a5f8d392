// Registry-as-INI: string values under a key of the current user's settings, addressed by a
// section (subkey) and an identifier (value name). The real registry on Windows; the user's
// configuration file elsewhere (under XDG_CONFIG_HOME).
//
//     vz::RegistryIni reg(QStringLiteral("Software\\Dozazar Irudizidudo\\Dorovezud"));
//     reg.WriteString("Position", "frmMain", "0 1 …");
#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace vz {

// The key below the current user that holds this program's settings: the window's placement
// and the moment reminders were last looked for.
inline const QString ProgramSettingsKey =
    QStringLiteral("Software\\Dozazar Irudizidudo\\Dorovezud");

class RegistryIni {
public:
    // keyPath: below the current user, e.g. "Software\Maker\Program".
    explicit RegistryIni(const QString& keyPath);
    ~RegistryIni();

    QString ReadString(const QString& section, const QString& ident, const QString& fallback);
    void WriteString(const QString& section, const QString& ident, const QString& value);

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace vz
