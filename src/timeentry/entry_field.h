// The base of the keyboard entry fields: a single-line field drawn by hand that takes its keys
// through the form's controller, shows a block caret in overwrite mode and a thin one in insert
// mode, checks itself when it is left and reports an invalid value once through the controller.
// Descendants supply the editing engine.
//
//     auto* field = new vz::TVzSimpleField(dialog);    // a TVzBaseEntryField
//     connect(field, &vz::TVzBaseEntryField::OnChange, …);
//     field->StepUp(true, 1.0);                        // what a spin button does
#pragma once

#include "timeentry/entry_editor.h"
#include "timeentry/timeentry_accessible.h"

#include <QBasicTimer>
#include <QColor>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace vz {

class TVzController;

// A text colour on a background colour.
struct TVzColorPair {
    QColor text;
    QColor background;
};

class TVzBaseEntryField : public QWidget {
    Q_OBJECT
public:
    // (field, error code, message); replaces the controller's report for this field.
    using ErrorHandler = std::function<void(QWidget* field, int code, const QString& message)>;

    ~TVzBaseEntryField() override;

    // The assigned controller, else the first one on the form; throws ENoControllerAssigned.
    TVzController* Controller() const;
    void setController(TVzController* controller);

    virtual QString text() const;
    virtual void setText(const QString& text) = 0;
    // The value as a date-time; fields that hold neither a time nor a date throw
    // EInvalidDataType.
    virtual double DateTimeValue() const;
    virtual void setDateTimeValue(double value);

    // Spin-button stepping; only while the field has the focus.
    virtual void StepUp(bool wrap, double delta);
    virtual void StepDown(bool wrap, double delta);
    // Moves the caret n positions right (negative: left); only while the field has the focus.
    void MoveCaret(int n);

    // The check made when the field is left: 0 or an error code. Reading it reports nothing.
    virtual int validationCode() const { return 0; }
    int lastErrorCode() const { return m_lastError; }

    bool BeepOnError() const { return m_beepOnError; }
    void setBeepOnError(bool beep) { m_beepOnError = beep; }
    bool AutoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool select) { m_autoSelect = select; }
    bool CaretToEnd() const { return m_caretToEnd; }
    void setCaretToEnd(bool toEnd) { m_caretToEnd = toEnd; }
    bool ForceInsert() const { return editor().forceInsert(); }
    void setForceInsert(bool force);
    bool ForceOvertype() const { return editor().forceOvertype(); }
    void setForceOvertype(bool force);
    bool ReadOnly() const { return editor().readOnly(); }
    void setReadOnly(bool readOnly) { editor().setReadOnly(readOnly); }
    bool modified() const { return editor().modified(); }
    bool insertMode() const { return editor().insertMode(); }
    int TextMargin() const { return m_textMargin; }
    void setTextMargin(int margin);
    int Epoch() const { return m_epoch; }
    void setEpoch(int epoch) { m_epoch = epoch; }

    // Colour pairs; an invalid colour means the palette's.
    TVzColorPair HighlightColors() const { return m_highlight; }
    void setHighlightColors(const TVzColorPair& colors);
    TVzColorPair DisabledColors() const { return m_disabled; }
    void setDisabledColors(const TVzColorPair& colors);
    TVzColorPair ErrorColors() const { return m_error; }
    void setErrorColors(const TVzColorPair& colors) { m_error = colors; }

    void setOnError(ErrorHandler handler) { m_onError = std::move(handler); }

    // Caret and selection, in characters.
    int caretPosition() const { return editor().caret(); }
    int selStart() const { return editor().selStart(); }
    int selEnd() const { return editor().selEnd(); }
    void selectAll();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // After every user edit that changed the text; never for a programmatic write.
    void OnChange();
    // A user command (code 256 and above) from the command tables.
    void OnUserCommand(int code);

protected:
    explicit TVzBaseEntryField(QWidget* parent);

    virtual EntryEditor& editor() = 0;
    virtual const EntryEditor& editor() const = 0;
    // Leaving the field: the check and what a valid value does to the text (normalising,
    // trimming); returns 0 or an error code.
    virtual int leave() = 0;
    // Whether this field sizes its height to its font.
    virtual bool autoSizes() const { return true; }

    // After a programmatic change of the text: repaint, keep the caret in view.
    void textReplaced();
    // After a user edit: beep on a refusal, raise OnChange on a change, repaint.
    void applyResult(const EditResult& result);
    void setLastError(int code) { m_lastError = code; }

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class EntryFieldAccessible;

    // Tells assistive technologies what the last change did to the text, caret and selection.
    void announceChanges();
    bool handleKey(QKeyEvent* event);
    bool runCommand(int code, const QString& typed, Qt::KeyboardModifiers modifiers);
    void typeText(const QString& typed);
    void copyToClipboard();
    void reportValidationError(int code);
    QRect textArea() const;
    int frameWidth() const;
    int xOfPosition(int position) const; // in text coordinates, before scrolling
    int positionAt(int x) const;         // x in widget coordinates
    void ensureCaretVisible();
    void restartBlink();

    QPointer<TVzController> m_controller;
    QPointer<TVzController> m_controllerInUse; // for telling it that this field is gone
    ErrorHandler m_onError;
    QBasicTimer m_blink;
    bool m_caretShown = false;
    bool m_leftWithWindow = false; // the focus went with the window, not to another control
    bool m_beepOnError = true;
    bool m_autoSelect = true;
    bool m_caretToEnd = true;
    int m_textMargin = 2;
    int m_epoch = 0;
    int m_lastError = 0;
    int m_scroll = 0;
    TVzColorPair m_highlight;
    TVzColorPair m_disabled;
    TVzColorPair m_error{Qt::black, Qt::red};
    TextAnnouncer m_announcer;
};

} // namespace vz
