// The editing engine of the simple text field: a single line of at most MaxLength characters
// (40 by default) with no fixed shape; every position takes any printable character. Blanks at
// either end are trimmed when the field is left.
//
//     vz::TVzSimpleEditor ed;          // MaxLength 40, picture "X"
//     ed.setText("  Birthday ");
//     ed.trim();                       // "Birthday"
#pragma once

#include "timeentry/entry_editor.h"

namespace vz {

class TVzSimpleEditor : public EntryEditor {
public:
    static constexpr int DefaultMaxLength = 40;
    static constexpr int LongestMaxLength = 4096;
    static constexpr std::string_view DefaultPicture = "X";

    TVzSimpleEditor() = default;

    int maxLength() const { return m_maxLength; }
    // Clamped to 1 to LongestMaxLength; a longer text is cut.
    void setMaxLength(int maxLength);
    const std::string& pictureMask() const { return m_picture; }
    // Only "X" (any character, case unchanged); anything else throws EInvalidPictureMask.
    void setPictureMask(std::string_view picture);
    bool insertPushes() const { return m_insertPushes; }
    void setInsertPushes(bool pushes) { m_insertPushes = pushes; }

    // The first maxLength characters; not a user edit.
    void setText(std::string_view utf8);
    // Removes blanks at both ends; true when anything was removed.
    bool trim();

protected:
    int endPosition() const override { return length(); }
    int stepLeft(int p) const override { return p > 0 ? p - 1 : p; }
    int stepRight(int p) const override { return p < length() ? p + 1 : p; }
    int mouseLimit() const override { return length(); }
    EditResult insertChar(char32_t c) override;
    bool deleteSelection() override;
    bool deleteBefore() override;
    bool deleteAt() override;
    EditResult pasteChars(const std::u32string& chars) override;

private:
    int m_maxLength = DefaultMaxLength;
    std::string m_picture{DefaultPicture};
    bool m_insertPushes = true;
};

} // namespace vz
