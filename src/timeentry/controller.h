// The entry-field controller, a non-visual component placed on a form: it translates key strokes
// into editing commands for every entry field of the form, hands the insert mode from field to
// field, reports validation errors once and gives the focus back to a field that refused to be
// left. Entry fields and spin buttons find it by themselves among their form's children.
//
//     auto* controller = new vz::TVzController(form);
//     controller->setBtnCancel(cancelButton);     // leaving a field for Cancel never validates
#pragma once

#include "timeentry/command_processor.h"
#include "timeentry/controller_logic.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace vz {

class TVzController : public QObject {
    Q_OBJECT
public:
    // (field, error code, message); replaces the default message box.
    using ErrorHandler = std::function<void(QWidget* field, int code, const QString& message)>;
    // Asked when the control receiving the focus is none of the three special buttons.
    using SpecialControlTest = std::function<bool(TVzController* controller, QWidget* control)>;

    explicit TVzController(QObject* parent = nullptr);
    ~TVzController() override;

    QWidget* BtnCancel() const { return m_btnCancel; }
    QWidget* BtnHelp() const { return m_btnHelp; }
    QWidget* BtnRestore() const { return m_btnRestore; }
    void setBtnCancel(QWidget* button) { m_btnCancel = button; }
    void setBtnHelp(QWidget* button) { m_btnHelp = button; }
    void setBtnRestore(QWidget* button) { m_btnRestore = button; }

    TVzCommandProcessor& EntryCommands() { return m_commands; }

    int Epoch() const { return m_logic.epoch(); }
    void setEpoch(int epoch) { m_logic.setEpoch(epoch); } // outside 1600 to 3999: ignored
    int epochFor(int fieldEpoch) const { return m_logic.epochFor(fieldEpoch); }

    void setOnError(ErrorHandler handler) { m_onError = std::move(handler); }
    void setOnIsSpecialControl(SpecialControlTest test) { m_onIsSpecialControl = std::move(test); }

    bool isSpecialControl(QWidget* control) const;

    bool insertMode() const { return m_logic.insertMode(); }
    void setInsertMode(bool insert) { m_logic.setInsertMode(insert); }
    QString lastErrorText() const { return QString::fromStdString(m_logic.lastErrorText()); }
    ControllerLogic& logic() { return m_logic; }

    // Gives `control` the focus once the events queued now have been handled, if it can take it.
    void setFocusLater(QWidget* control);

    // A field refused to be left for `taker`. Unless this round's report is already on its way,
    // the focus is sent back to the field and `report` runs later, once; meanwhile `taker` does
    // not see the mouse, so a button pressed on the way out neither stays down nor fires.
    void fieldFailed(QWidget* field, QWidget* taker, std::function<void()> report);
    // A field receives the focus; true when it should do its entry handling.
    bool fieldEntered(QWidget* field);
    void fieldDestroyed(QWidget* field) { m_logic.forget(field); }

    // The report of a validation error: the controller's OnError, else the error message box.
    void reportError(QWidget* field, int code, const QString& message);

    // Raised, after the event that caused them, when a field is entered and left.
    void postPreEdit(QWidget* field, QWidget* other);
    void postPostEdit(QWidget* field, QWidget* other);

signals:
    void OnPreEdit(QWidget* field, QWidget* other);
    void OnPostEdit(QWidget* field, QWidget* other);

private:
    class MouseBlocker;

    TVzCommandProcessor m_commands;
    ControllerLogic m_logic;
    QPointer<QWidget> m_btnCancel;
    QPointer<QWidget> m_btnHelp;
    QPointer<QWidget> m_btnRestore;
    ErrorHandler m_onError;
    SpecialControlTest m_onIsSpecialControl;
};

// Whether a control can take the focus now: enabled, shown and focusable.
bool canTakeFocus(const QWidget* control);

// The controller of a control of the family: the first TVzController among its form's
// children. Throws ENoControllerAssigned when the form holds none.
TVzController* findController(const QWidget* control);

} // namespace vz
