// The date field: a one-line edit that holds one date (a date-time value), always shows it
// formatted and is edited element by element; its button, or Alt+Down, drops down a month
// calendar whose selection is copied into the field as it moves.
//
//     auto* edDate = new vz::TdpDBDateTimePicker(dialog);
//     edDate->setEpoch(1950);
//     edDate->setDate(vz::appClock().now());     // shows today, e.g. "3/14/2026"
//     connect(edDate, &vz::TdpDBDateTimePicker::changed, …);
//     QString stored = edDate->text();           // "" when the user emptied the field
#pragma once

#include "dateentry/date_field_engine.h"
#include "dateentry/dp_month_calendar.h"

#include <QFont>
#include <QLineEdit>
#include <QPointer>

#include <optional>

namespace vz {

enum class TdpCalendarAlignment { dpdtaLeft, dpdtaRight, dpdtaCenter };

// How the drop-down calendar looks and where it opens.
struct TdpCalendarOptions {
    TdpCalendarAlignment Alignment = TdpCalendarAlignment::dpdtaLeft;
    std::optional<TdpDateTimeColors> Colors; // unset: the calendar's defaults
    std::optional<QFont> Font;               // unset: the field's font
    TdpMonthCalOptions Options = mdoDayState;
    TdpPopupYearOptions PopupYearOptions;
    TdpFirstDayOfWeek FirstDayOfWeek = TdpFirstDayOfWeek::dpdowLocaleDefault;
    int Width = 0; // 0: the calendar's minimum size
    int Height = 0;
};

// The drop-down button, drawn as the platform's combo-box arrow.
class TdpDateComboButton final : public QWidget {
    Q_OBJECT

public:
    explicit TdpDateComboButton(QWidget* parent);
    bool isPushed() const { return m_pushed; }

Q_SIGNALS:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pushed = false;
};

class CaretStyle;

class TdpDBDateTimePicker final : public QLineEdit {
    Q_OBJECT

public:
    explicit TdpDBDateTimePicker(QWidget* parent = nullptr);
    ~TdpDBDateTimePicker() override;

    // The value's whole-day part (pending digits applied first); 0 when empty.
    TDateTime date();
    // Keeps the value's time of day; 0 empties the field. Throws EDateTimeError beyond a set
    // limit.
    void setDate(TDateTime date);
    TDateTime time();
    void setTime(TDateTime time);
    // The text as shown, after applying pending digits, so it always agrees with the value.
    QString text();
    // Reads a date text into the value ("" empties it); throws EConvertError when it is none.
    void setText(const QString& text);
    TDateTime value() const { return m_engine.value(); }

    int epoch() const { return m_engine.options().Epoch; }
    void setEpoch(int epoch) { m_engine.setEpoch(epoch); }
    TDateTime minDate() const { return m_engine.options().MinDate; }
    TDateTime maxDate() const { return m_engine.options().MaxDate; }
    // Throw EDateTimeError when the lower limit would lie above the upper one.
    void setMinDate(TDateTime date);
    void setMaxDate(TDateTime date);
    TdpDataType unboundDataType() const { return m_engine.options().UnboundDataType; }
    void setUnboundDataType(TdpDataType type);
    void setDateFormat(TDateFormat format);
    void setDisplayFormat(const QString& format);
    bool showButton() const { return m_showButton; }
    void setShowButton(bool show);
    TdpCalendarOptions& calendarAttributes() { return m_calendarAttributes; }
    void setOnCalcBoldDay(TdpCalcBoldDay handler) { m_calcBoldDay = std::move(handler); }

    bool isModified() const { return m_engine.modified(); }
    void setModified(bool modified);

    void DropDown();
    void CloseUp(bool accept);
    bool isDroppedDown() const;
    TdpPopupCalendar* calendar() const { return FCalendar; }
    TdpDateComboButton* button() const { return FButton; }
    const DateFieldEngine& engine() const { return m_engine; }
    // False while the caret is hidden: the field holds text and no pending digits, or the
    // calendar is dropped down.
    bool caretShown() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void changed();     // the value changed
    void droppedDown(); // the calendar opened
    void closedUp();    // the calendar closed

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void handleKey(QKeyEvent* event);
    void handleCalendarKey(QKeyEvent* event);
    // A calendar key past a limit: the message, with the calendar open on the date it had.
    void reportLimit(const QString& message);
    void buttonPressed();
    void pasteClipboard();
    void cutToClipboard();
    void sync();
    void updateCaret();
    void placeButton();
    int textOrigin() const;
    void prepareCalendar();
    void placeCalendar();

    DateFieldEngine m_engine;
    TdpCalendarOptions m_calendarAttributes;
    TdpCalcBoldDay m_calcBoldDay;
    bool m_showButton = true;
    TDateTime m_lastValue = 0;
    bool m_closing = false;
    bool m_reportingLimit = false;

    TDateTime FDropDownValue = 0;
    QPointer<TdpPopupCalendar> FCalendar;
    TdpDateComboButton* FButton = nullptr;
    bool FClosingByEscape = false;
    bool FFocusByButton = false;
    CaretStyle* m_caretStyle = nullptr;
};

} // namespace vz
