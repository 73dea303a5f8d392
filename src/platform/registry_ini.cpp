#include "platform/registry_ini.h"

#include <QStringList>

#include <stdexcept>

namespace vz {

namespace {
const QString InvalidDataType = QStringLiteral("Invalid data type for '%1'");
}

RegistryIni::RegistryIni(const QString& keyPath) {
    // "Software\Maker\Program": the organisation and application of the platform's settings.
    QStringList parts = keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() &&
        parts.front().compare(QStringLiteral("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    const QString organisation = parts.isEmpty() ? QString() : parts.takeFirst();
    const QString application = parts.join(QLatin1Char('/'));
    m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             organisation, application);
}

RegistryIni::~RegistryIni() = default;

QString RegistryIni::ReadString(const QString& section, const QString& ident,
                                const QString& fallback) {
    const QVariant value = m_settings->value(section + QLatin1Char('/') + ident);
    if (!value.isValid())
        return fallback;
    if (value.typeId() != QMetaType::QString)
        throw std::runtime_error(InvalidDataType.arg(ident).toStdString());
    return value.toString();
}

void RegistryIni::WriteString(const QString& section, const QString& ident, const QString& value) {
    m_settings->setValue(section + QLatin1Char('/') + ident, value);
    m_settings->sync();
}

} // namespace vz
