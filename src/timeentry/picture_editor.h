// The editing engine of the masked time field: its text always has exactly one character per
// mask position; typing goes only into the positions that take it, the caret skips literals,
// and the text converts to and from a time of day. Validation and spin-button stepping live
// here too.
//
//     vz::TVzPictureEditor ed(vz::TimeMask::parse("hh:mm tt"), vz::TimeDesignators{});
//     ed.setTime(0);                  // "12:00 AM"
//     ed.enter(true, false, false);   // insert mode, caret on the first hour digit
//     ed.typeChar(U'3');              // "31:00 AM": the 2 is pushed out; not a valid time
//     ed.validate()                   // ErrInvalidTime
#pragma once

#include "timeentry/entry_editor.h"
#include "timeentry/time_mask.h"

namespace vz {

class TVzPictureEditor : public EntryEditor {
public:
    explicit TVzPictureEditor(TimeMask mask = TimeMask::parse(DefaultMask),
                              TimeDesignators designators = {});

    static constexpr std::string_view DefaultMask = "hh:mm tt";
    static constexpr int LastSecondOfDay = 86399;

    const TimeMask& mask() const { return m_mask; }
    // A new mask keeps the time the text held (if any) and reshapes the text around it.
    void setMask(TimeMask mask);
    const TimeDesignators& designators() const { return m_designators; }
    void setDesignators(TimeDesignators designators);

    bool insertPushes() const { return m_insertPushes; }
    void setInsertPushes(bool pushes) { m_insertPushes = pushes; }
    bool inputRequired() const { return m_inputRequired; }
    void setInputRequired(bool required) { m_inputRequired = required; }
    // Seconds since midnight; a high bound of 0 means no range.
    int rangeLow() const { return m_rangeLow; }
    int rangeHigh() const { return m_rangeHigh; }
    // Throws EInvalidRangeValue for a value outside the day.
    void setRangeLow(int seconds);
    void setRangeHigh(int seconds);

    // The time the text holds, or TimeMask::NoTime.
    int time() const { return m_mask.read(m_text, m_designators); }
    // Writes the time as text (NoTime: blank digits); not a user edit.
    void setTime(int seconds);
    // A text as long as the mask is read and written back; anything else leaves no time.
    void setText(std::string_view utf8);

    // 0 when valid, else ErrInvalidTime, ErrRange or ErrRequired.
    int validate() const;
    // Rewrites a valid text from its time (a lower-case designator becomes the designator);
    // true when that changed the text.
    bool normalise();

    // A spin button's step of the part under the caret: hours, minutes, seconds, or twelve
    // hours on the designator. Nothing happens without a valid time or, without wrap, when the
    // step would leave the range.
    EditResult step(bool up, bool wrap, double delta);

protected:
    int homePosition() const override;
    int endPosition() const override;
    int stepLeft(int p) const override;
    int stepRight(int p) const override;
    int mouseLimit() const override;
    bool isWordChar(int p) const override;
    EditResult insertChar(char32_t c) override;
    bool deleteSelection() override;
    bool deleteBefore() override;
    bool deleteAt() override;
    EditResult pasteChars(const std::u32string& chars) override;

private:
    bool fits(int p, char32_t c) const;
    int editableFrom(int p) const; // the first editable position at or after p, or -1
    int pastLiterals(int p) const; // p moved right over literal positions
    void removeAt(int p);          // the rest of p's run moves left, a blank at its end
    void reshape(int seconds);

    TimeMask m_mask;
    TimeDesignators m_designators;
    bool m_insertPushes = true;
    bool m_inputRequired = false;
    int m_rangeLow = 0;
    int m_rangeHigh = LastSecondOfDay;
};

} // namespace vz
