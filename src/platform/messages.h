// The program's message boxes, the refusal beep and the general error report.
//
//     vz::ShowError(this, "Nothing to edit");
//     if (vz::confirm(this, "Really delete Birthday?")) …
#pragma once

#include <QString>

#include <exception>

class QWidget;

namespace vz {

// The system's default beep, used by entry fields to refuse a key.
void beep();

// A user error: exclamation sound, then a modal "Error" box with a stop icon and one "OK".
void ShowError(QWidget* parent, const QString& message);

// A question: caption "Confirm", question icon, "&Yes" and "&No". True on Yes.
bool confirm(QWidget* parent, const QString& question);

// The general error report: a message box with the error's text; the program goes on.
void showGeneralError(const QString& message);

// A notice: a message box with an information icon and one "OK", titled like the general
// error report.
void showInformation(const QString& message);

// Runs a handler; an escaped exception becomes the general error report.
template <class Handler> void guarded(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& e) {
        showGeneralError(QString::fromUtf8(e.what()));
    } catch (...) {
        showGeneralError(QStringLiteral("Unknown error"));
    }
}

// Message boxes are recorded instead of shown while a test sets this (see tests/support).
struct MessageLog {
    virtual ~MessageLog() = default;
    // kind: "error", "confirm", "general", "information"; returns the answer for confirmations.
    virtual bool record(const QString& kind, const QString& text) = 0;
};
void setMessageLog(MessageLog* log);

} // namespace vz
