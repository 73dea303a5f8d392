// The masked time field: a time of day typed into the shape of its picture mask ("hh:mm tt"),
// checked when the field is left, read and written as text, as seconds or as a date-time.
//
//     auto* edTime = new vz::TVzPictureField(dialog);
//     edTime->setDateTimeValue(vz::appClock().now());   // "02:37 PM"
//     int seconds = edTime->timeValue();                // 52620, or -1 for no valid time
#pragma once

#include "timeentry/entry_field.h"
#include "timeentry/picture_editor.h"

namespace vz {

class TVzPictureField : public TVzBaseEntryField {
    Q_OBJECT
public:
    // Takes the AM/PM designators and the time separator from vz::processSettings().
    explicit TVzPictureField(QWidget* parent = nullptr);

    QString PictureMask() const;
    // Throws EInvalidPictureMask; the time the field holds is kept.
    void setPictureMask(const QString& mask);
    int RangeLow() const { return m_editor.rangeLow(); }
    int RangeHigh() const { return m_editor.rangeHigh(); }
    // Seconds since midnight; RangeHigh 0 means no range. Throw EInvalidRangeValue.
    void setRangeLow(int seconds) { m_editor.setRangeLow(seconds); }
    void setRangeHigh(int seconds) { m_editor.setRangeHigh(seconds); }
    bool InsertPushes() const { return m_editor.insertPushes(); }
    void setInsertPushes(bool pushes) { m_editor.setInsertPushes(pushes); }
    bool InputRequired() const { return m_editor.inputRequired(); }
    void setInputRequired(bool required) { m_editor.setInputRequired(required); }

    // Eight characters with their literals, for example "02:37 PM".
    using TVzBaseEntryField::text;
    // A text of the mask's length is read and shown normalised; any other leaves no time.
    void setText(const QString& text) override;

    // The time as a fraction of a day; 0.0 (and lastErrorCode() set) when the text is no
    // valid time.
    double DateTimeValue() const override;
    // The time of day of a date-time, milliseconds dropped, date ignored.
    void setDateTimeValue(double value) override;
    // Seconds since midnight, or -1 for no valid time.
    int timeValue() const { return m_editor.time(); }
    void setTimeValue(int seconds);

    void StepUp(bool wrap, double delta) override;
    void StepDown(bool wrap, double delta) override;

    int validationCode() const override { return m_editor.validate(); }

protected:
    EntryEditor& editor() override { return m_editor; }
    const EntryEditor& editor() const override { return m_editor; }
    int leave() override;
    bool autoSizes() const override { return false; }

private:
    void written();
    void step(bool up, bool wrap, double delta);

    TVzPictureEditor m_editor;
};

} // namespace vz
