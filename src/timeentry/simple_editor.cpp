#include "timeentry/simple_editor.h"

#include "timeentry/entry_errors.h"
#include "timeentry/unicode_text.h"

#include <algorithm>

namespace vz {

void TVzSimpleEditor::setMaxLength(int maxLength) {
    m_maxLength = std::clamp(maxLength, 1, LongestMaxLength);
    const auto limit = static_cast<std::size_t>(m_maxLength);
    if (m_text.size() > limit)
        setTextKeepingShape(m_text.substr(0, limit));
    // Restoring must not bring back more than the field now holds.
    if (savedText().size() > limit)
        setSavedText(savedText().substr(0, limit));
}

void TVzSimpleEditor::setPictureMask(std::string_view picture) {
    if (picture != DefaultPicture)
        throw EInvalidPictureMask(picture);
    m_picture = std::string(picture);
}

void TVzSimpleEditor::setText(std::string_view utf8) {
    std::u32string text = toUtf32(utf8);
    if (static_cast<int>(text.size()) > m_maxLength)
        text.resize(static_cast<std::size_t>(m_maxLength));
    setTextKeepingShape(std::move(text));
}

bool TVzSimpleEditor::trim() {
    const auto first = m_text.find_first_not_of(U' ');
    if (first == std::u32string::npos) {
        if (m_text.empty())
            return false;
        setTextKeepingShape({});
        return true;
    }
    const auto last = m_text.find_last_not_of(U' ');
    if (first == 0 && last + 1 == m_text.size())
        return false;
    const int removedBefore = static_cast<int>(first);
    std::u32string text = m_text.substr(first, last + 1 - first);
    const int caret = m_caret - removedBefore;
    const int anchor = m_anchor - removedBefore;
    setTextKeepingShape(std::move(text));
    m_caret = std::clamp(caret, 0, length());
    m_anchor = std::clamp(anchor, 0, length());
    return true;
}

EditResult TVzSimpleEditor::insertChar(char32_t c) {
    const EditResult refused{false, true};
    if (isControlChar(c))
        return refused;
    // Decide on the text as it will be once the selection is gone, so a refusal changes nothing.
    std::u32string text = m_text;
    int caret = m_caret;
    if (hasSelection()) {
        text.erase(static_cast<std::size_t>(selStart()),
                   static_cast<std::size_t>(selEnd() - selStart()));
        caret = selStart();
    }
    const int len = static_cast<int>(text.size());
    if (insertMode()) {
        if (len >= m_maxLength && caret < len && m_insertPushes)
            text.pop_back();
        if (static_cast<int>(text.size()) >= m_maxLength)
            return refused;
        text.insert(text.begin() + caret, c);
    } else {
        if (caret >= m_maxLength)
            return refused;
        if (caret < len)
            text[static_cast<std::size_t>(caret)] = c;
        else
            text.push_back(c);
    }
    const bool changed = text != m_text;
    setTextKeepingShape(std::move(text));
    moveCaret(caret + 1, false);
    return {changed, false};
}

bool TVzSimpleEditor::deleteSelection() {
    if (!hasSelection())
        return false;
    const int start = selStart();
    m_text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(selEnd() - start));
    moveCaret(start, false);
    return true;
}

bool TVzSimpleEditor::deleteBefore() {
    if (m_caret == 0)
        return false;
    m_text.erase(static_cast<std::size_t>(m_caret - 1), 1);
    moveCaret(m_caret - 1, false);
    return true;
}

bool TVzSimpleEditor::deleteAt() {
    if (m_caret >= length())
        return false;
    m_text.erase(static_cast<std::size_t>(m_caret), 1);
    moveCaret(m_caret, false);
    return true;
}

EditResult TVzSimpleEditor::pasteChars(const std::u32string& chars) {
    EditResult result;
    result.changed = deleteSelection();
    for (char32_t c : chars) {
        if (isControlChar(c))
            continue;
        if (length() >= m_maxLength) {
            if (m_caret >= length() || !m_insertPushes)
                break;
            m_text.pop_back();
        }
        m_text.insert(m_text.begin() + m_caret, c);
        moveCaret(m_caret + 1, false);
        result.changed = true;
    }
    return result;
}

} // namespace vz
