// Desktop notifications through the session bus's notification service
// (org.freedesktop.Notifications). A notification carries the program's icon and desktop entry
// and a default action; the caller hears when the user invokes it, and when no service answered,
// so it can show the message its own way.
//
//     vz::DesktopNotifier notifier;
//     QObject::connect(&notifier, &vz::DesktopNotifier::activated, [](quint32 tag) { … });
//     QObject::connect(&notifier, &vz::DesktopNotifier::unanswered, [](…) { own window });
//     notifier.notify("Birthday", "in 15 minutes: …", 7);
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

namespace vz {

class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifier(QObject* parent = nullptr);

    // Sends without waiting; `tag` names the notification in activated() and unanswered().
    void notify(const QString& summary, const QString& body, quint32 tag);

signals:
    // The user chose the notification (its default action). `token` is the activation token the
    // service handed over with it (empty when it gave none), for a Wayland compositor to let the
    // window come to the front.
    void activated(quint32 tag, const QString& token);
    // No notification service took it: there is none, or it failed or did not answer in time.
    void unanswered(const QString& summary, const QString& body, quint32 tag);

private slots:
    void onActionInvoked(quint32 id, const QString& action);
    void onActivationToken(quint32 id, const QString& token);
    void onClosed(quint32 id, quint32 reason);

private:
    QString iconName();

    QHash<quint32, quint32> m_tags;   // notification id -> tag, while shown
    QHash<quint32, QString> m_tokens; // sent just before the action it belongs to
    QString m_icon;
    bool m_listening = false;
};

} // namespace vz
