#include "platform/notifications.h"

#include "platform/desktop_identity.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>

namespace vz {

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
const QString DefaultAction = QStringLiteral("default");
const QString DefaultActionLabel = QStringLiteral("Show");
// A service that takes longer than this is as good as none: the reminder is shown at once
// by the program itself.
constexpr int AnswerTimeoutMs = 5000;
constexpr int IconSize = 64;
constexpr unsigned char NormalUrgency = 1;

} // namespace

DesktopNotifier::DesktopNotifier(QObject* parent) : QObject(parent) {}

QString DesktopNotifier::iconName() {
    if (!m_icon.isEmpty())
        return m_icon;
    // Installed, the icon theme knows the program's icon by its desktop entry's name. Run from
    // its build or unpacked folder, the service gets a picture file of the built-in icon.
    m_icon = QLatin1String(DesktopId);
    if (QIcon::hasThemeIcon(m_icon))
        return m_icon;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    const QString file = folder + QLatin1Char('/') + m_icon + QStringLiteral(".png");
    if (QDir().mkpath(folder) && programIcon().pixmap(IconSize).save(file, "PNG"))
        m_icon = file;
    return m_icon;
}

void DesktopNotifier::notify(const QString& summary, const QString& body, quint32 tag) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        // Told after the caller returns, as an answer from the bus would be.
        QTimer::singleShot(0, this, [=, this] { emit unanswered(summary, body, tag); });
        return;
    }
    if (!m_listening) {
        m_listening = true;
        bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                    SLOT(onActionInvoked(quint32, QString)));
        bus.connect(Service, Path, Interface, QStringLiteral("ActivationToken"), this,
                    SLOT(onActivationToken(quint32, QString)));
        bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                    SLOT(onClosed(quint32, quint32)));
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    const QString icon = iconName();
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QString::fromLatin1(DesktopId));
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(NormalUrgency));
    if (icon.startsWith(QLatin1Char('/')))
        hints.insert(QStringLiteral("image-path"), icon);
    call << QString::fromUtf8(ProgramName) << quint32(0) << icon << summary << body
         << QStringList{DefaultAction, DefaultActionLabel} << hints << qint32(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, AnswerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [=, this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<quint32> reply = *finished;
                if (reply.isError())
                    emit unanswered(summary, body, tag);
                else
                    m_tags.insert(reply.value(), tag);
            });
}

void DesktopNotifier::onActionInvoked(quint32 id, const QString& action) {
    const auto found = m_tags.constFind(id);
    if (found == m_tags.constEnd() || action != DefaultAction)
        return;
    emit activated(found.value(), m_tokens.take(id));
}

void DesktopNotifier::onActivationToken(quint32 id, const QString& token) {
    if (m_tags.contains(id))
        m_tokens.insert(id, token);
}

void DesktopNotifier::onClosed(quint32 id, quint32) {
    m_tags.remove(id);
    m_tokens.remove(id);
}

} // namespace vz
