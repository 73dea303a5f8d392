// The editing engine of the date field: one date-time value shown as text in the field's format
// and edited element by element (digits typed into an element, arrows stepping it, Home and End
// setting its limits), never as free text. The widget turns its key, mouse, focus and clipboard
// events into these calls and shows text() with selection().
//
//     vz::DateFieldEngine field(vz::usDefaults());          // M/d/yy, date type, epoch 1950
//     field.setDate(36175.0);                                // 15 January 1999: "1/15/99"
//     field.key(vz::FieldKey::character(U'1'), now);         // month element pending "1"
//     field.key(vz::FieldKey::character(U'2'), now);         // "12/15/99", day element current
#pragma once

#include "dateentry/date_elements.h"
#include "dateentry/date_limits.h"
#include "engine/datetime.h"
#include "engine/regional.h"

#include <functional>
#include <string>
#include <string_view>

namespace vz {

struct FieldKey {
    enum Code {
        Char,
        Left,
        Right,
        Up,
        Down,
        Home,
        End,
        Backspace,
        Delete,
        F2,
        Escape,
        Enter,
        Other
    };
    Code code = Other;
    char32_t ch = 0; // the key's character, for Char
    bool shift = false;
    bool ctrl = false;
    bool alt = false;

    static FieldKey character(char32_t c) { return {Char, c}; }
    static FieldKey of(Code code, bool shift = false) { return {code, 0, shift}; }
};

struct KeyOutcome {
    bool consumed = true;        // false: the host may act on the key as well (Enter, Escape)
    bool refused = false;        // sound the refusal beep
    bool toggleCalendar = false; // Alt+Up / Alt+Down
};

struct Selection {
    int start = 0;  // code points
    int length = 0; // 0: a caret at start
};

struct DateFieldOptions {
    TdpDataType UnboundDataType = TdpDataType::dpDTEdtDate;
    TDateFormat DateFormat = TDateFormat::dfShort;
    std::string DisplayFormat;
    int Epoch = 1950;
    TDateTime MinDate = 0; // 0: no limit
    TDateTime MaxDate = 0;
    int FirstDayOfWeek = -1; // 0 = Monday … 6 = Sunday; -1: the regional settings' own
};

class DateFieldEngine {
public:
    explicit DateFieldEngine(const RegionalSettings& rs, DateFieldOptions options = {});

    // Settings and options; each rebuilds the elements and the text.
    void setSettings(const RegionalSettings& rs);
    const RegionalSettings& settings() const { return m_rs; }
    const DateFieldOptions& options() const { return m_options; }
    void setDataType(TdpDataType type);
    void setDateFormat(TDateFormat format);
    void setDisplayFormat(std::string_view format);
    void setEpoch(int epoch) { m_options.Epoch = epoch; }
    // Throws EDateTimeError when the lower limit would lie above the upper one.
    void setLimits(TDateTime minDate, TDateTime maxDate);
    void setFirstDayOfWeek(int mondayBased) { m_options.FirstDayOfWeek = mondayBased; }
    DateLimits limits() const { return DateLimits::of(m_options.MinDate, m_options.MaxDate); }

    // The value as held, pending digits aside; 0 is empty.
    TDateTime value() const { return FDateTime; }
    // The one step every change goes through. Throws EDateTimeError beyond a set limit.
    void setValue(TDateTime value);
    // Whole-day part after applying pending digits (0 for the time type).
    TDateTime date();
    void setDate(TDateTime date);
    TDateTime time();
    void setTime(TDateTime time);

    // The text as shown (pending digits included).
    const std::string& text() const { return m_text; }
    // Reads a date text into the value ("" empties it). Throws EConvertError when the text is
    // not a date, EDateTimeError beyond a set limit.
    void setText(std::string_view text, int currentYear);

    KeyOutcome key(const FieldKey& key, TDateTime now);
    void CommitTyping();
    int ApplyEpoch(int twoDigitYear) const;

    // Mouse: the element under a horizontal position, given how wide a text is in the font.
    int elementAt(int x, const std::function<int(std::string_view)>& textWidth) const;
    void clickElement(int number);
    void selectAll();

    // Clipboard. paste() takes a date (and time) text; cut() returns the selected text.
    void paste(std::string_view clipboard, TDateTime now);
    std::string cut();
    std::string selectedText() const;

    // Opening the calendar: an empty field first takes today's date (no time of day).
    void fillIfEmpty(TDateTime now);
    void clearSelection() { m_selection = {m_selection.start + m_selection.length, 0}; }
    void selectCurrentElement() { selectCurrent(); }

    // Focus entry and exit of the widget.
    void focusIn(bool byButton);
    void focusOut() { CommitTyping(); }

    Selection selection() const { return m_selection; }
    bool isAllSelected() const;
    bool isEmpty() const { return m_text.empty(); }
    int currentElement() const { return FCurrentElement; }
    int elementCount() const { return m_elements.count(); }
    const DateElements& elements() const { return m_elements; }
    bool typing() const { return FTyping; }
    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    TDateTime enterValue() const { return FEnterValue; }

private:
    struct Parts {
        int year, month, day;
        std::int64_t dayNumber;
        double timeOfDay;
    };
    Parts parts() const;
    int firstDayOfWeekSundayBased() const;
    int weekPosition(std::int64_t day) const;

    void rebuildElements();
    void show();
    void selectCurrent();
    void assign(TDateTime value);
    void fillToday(TDateTime now);
    void moveTo(int number);

    bool dateAllowed(int year, int month, int day) const;
    bool elementAllowed(const FormatToken& el, int value) const;
    void applyElement(const FormatToken& el, int value);
    bool ApplyElements(int year, int month, int day);
    bool applyDay(std::int64_t day);
    void applyTime(int hour, int minute, int second);
    void applyDateOrLimit(int year, int month, int day);

    KeyOutcome typeDigit(int digit);
    void showPending();
    void step(int direction);
    void homeEnd(bool end);
    void letter(char32_t ch);
    void empty();

    RegionalSettings m_rs;
    DateFieldOptions m_options;
    DateElements m_elements;
    RenderedText m_rendered;
    std::string m_text;
    Selection m_selection;
    std::string m_pending;
    bool m_modified = false;

    TDateTime FDateTime = 0;
    int FCurrentElement = 1;
    bool FTyping = false;
    TDateTime FEnterValue = 0;
};

} // namespace vz
