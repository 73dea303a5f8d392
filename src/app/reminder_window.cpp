#include "app/reminder_window.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vz {

namespace {
const QString Title = QStringLiteral("Reminder");
constexpr int TagRole = Qt::UserRole;
} // namespace

ReminderWindow::ReminderWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmReminder"));
    setWindowTitle(Title);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstReminders"));
    m_list->setAccessibleName(QStringLiteral("Reminders"));
    m_list->setWordWrap(true);
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* show = buttons->addButton(QStringLiteral("&Show"), QDialogButtonBox::AcceptRole);
    show->setObjectName(QStringLiteral("btShow"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("btClose"));
    layout->addWidget(buttons);
    connect(show, &QPushButton::clicked, this, &ReminderWindow::showChosen);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_list, &QListWidget::itemActivated, this, &ReminderWindow::showChosen);
    resize(360, 160);
}

void ReminderWindow::addReminder(const QString& summary, const QString& body, quint32 tag) {
    auto* item = new QListWidgetItem(summary + QLatin1Char('\n') + body, m_list);
    item->setData(TagRole, tag);
    m_list->setCurrentItem(item);
    m_list->scrollToItem(item);
}

void ReminderWindow::showChosen() {
    if (const QListWidgetItem* item = m_list->currentItem())
        emit showRequested(item->data(TagRole).toUInt());
}

} // namespace vz
