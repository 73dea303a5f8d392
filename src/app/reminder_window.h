// The program's own small reminder window, for a desktop without a notification service: it
// lists the reminders that came, newest last, and does not hold up the main window.
#pragma once

#include <QDialog>

class QListWidget;

namespace vz {

class ReminderWindow : public QDialog {
    Q_OBJECT
public:
    explicit ReminderWindow(QWidget* parent);

    void addReminder(const QString& summary, const QString& body, quint32 tag);

signals:
    // The user asked to see the event of a reminder.
    void showRequested(quint32 tag);

private:
    void showChosen();

    QListWidget* m_list = nullptr;
};

} // namespace vz
