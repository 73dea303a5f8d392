#include "platform/messages.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace vz {

namespace {

MessageLog* messageLog = nullptr;

const QString ErrorCaption = QStringLiteral("Error");
const QString ConfirmCaption = QStringLiteral("Confirm");
// The application's title, which the general error report carries.
const QString ApplicationTitle = QStringLiteral("Vizevavoz 98");

// The one "OK" button, as plain as the confirmation's buttons (no style icon).
void plainOkButton(QMessageBox& box) {
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setIcon(QIcon());
}

} // namespace

void setMessageLog(MessageLog* log) {
    messageLog = log;
}

void beep() {
    QApplication::beep();
}

void ShowError(QWidget* parent, const QString& message) {
    if (messageLog) {
        messageLog->record(QStringLiteral("error"), message);
        return;
    }
    beep();
    QMessageBox box(QMessageBox::Critical, ErrorCaption, message, QMessageBox::Ok, parent);
    plainOkButton(box);
    box.exec();
}

bool confirm(QWidget* parent, const QString& question) {
    if (messageLog)
        return messageLog->record(QStringLiteral("confirm"), question);
    QMessageBox box(QMessageBox::Question, ConfirmCaption, question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void showGeneralError(const QString& message) {
    if (messageLog) {
        messageLog->record(QStringLiteral("general"), message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, ApplicationTitle, message, QMessageBox::Ok,
                    QApplication::activeWindow());
    plainOkButton(box);
    box.exec();
}

void showInformation(const QString& message) {
    if (messageLog) {
        messageLog->record(QStringLiteral("information"), message);
        return;
    }
    QMessageBox box(QMessageBox::Information, ApplicationTitle, message, QMessageBox::Ok,
                    QApplication::activeWindow());
    plainOkButton(box);
    box.exec();
}

} // namespace vz
