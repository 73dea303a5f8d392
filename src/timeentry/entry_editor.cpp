#include "timeentry/entry_editor.h"

#include "timeentry/unicode_text.h"

#include <algorithm>

namespace vz {

std::string EntryEditor::text() const {
    return toUtf8(m_text);
}

std::string EntryEditor::selectedText() const {
    return toUtf8(std::u32string_view(m_text).substr(
        static_cast<std::size_t>(selStart()), static_cast<std::size_t>(selEnd() - selStart())));
}

void EntryEditor::setForceInsert(bool force) {
    m_forceInsert = force;
    if (force) {
        m_forceOvertype = false;
        m_insert = true;
    }
}

void EntryEditor::setForceOvertype(bool force) {
    m_forceOvertype = force;
    if (force) {
        m_forceInsert = false;
        m_insert = false;
    }
}

void EntryEditor::enter(bool insertMode, bool autoSelect, bool caretToEnd) {
    if (!m_forceInsert && !m_forceOvertype)
        m_insert = insertMode;
    m_saved = m_text;
    m_caretToEnd = caretToEnd;
    if (autoSelect)
        selectAll(caretToEnd);
    else
        moveCaret(caretToEnd ? endPosition() : homePosition(), false);
}

void EntryEditor::selectAll(bool caretToEnd) {
    m_anchor = caretToEnd ? 0 : length();
    m_caret = caretToEnd ? length() : 0;
}

bool EntryEditor::changesText(int code) {
    return code == ccBack || (code >= ccCtrlChar && code <= ccDelWord) || code == ccInc ||
           code == ccPaste || code == ccRestore || code == ccUndo;
}

EditResult EntryEditor::command(int code) {
    if (m_readOnly && changesText(code))
        return {false, true};
    EditResult result;
    switch (code) {
    case ccLeft:
    case ccUp:
        moveCaret(stepLeft(m_caret), false);
        break;
    case ccRight:
    case ccDown:
        moveCaret(stepRight(m_caret), false);
        break;
    case ccWordLeft:
        moveCaret(wordLeft(m_caret), false);
        break;
    case ccWordRight:
        moveCaret(wordRight(m_caret), false);
        break;
    case ccHome:
    case ccFirstPage:
    case ccTopOfPage:
        moveCaret(homePosition(), false);
        break;
    case ccEnd:
    case ccLastPage:
    case ccBotOfPage:
        moveCaret(endPosition(), false);
        break;
    case ccExtendLeft:
    case ccExtendUp:
        moveCaret(stepLeft(m_caret), true);
        break;
    case ccExtendRight:
    case ccExtendDown:
        moveCaret(stepRight(m_caret), true);
        break;
    case ccExtWordLeft:
        moveCaret(wordLeft(m_caret), true);
        break;
    case ccExtWordRight:
        moveCaret(wordRight(m_caret), true);
        break;
    case ccExtendHome:
    case ccExtFirstPage:
    case ccExtTopOfPage:
        moveCaret(homePosition(), true);
        break;
    case ccExtendEnd:
    case ccExtLastPage:
    case ccExtBotOfPage:
        moveCaret(endPosition(), true);
        break;
    case ccBack:
        result.changed = hasSelection() ? deleteSelection() : deleteBefore();
        break;
    case ccDel:
        result.changed = hasSelection() ? deleteSelection() : deleteAt();
        break;
    case ccDelEol:
        m_anchor = m_caret;
        m_caret = length();
        result.changed = deleteSelection();
        break;
    case ccDelBol:
        m_anchor = 0;
        result.changed = deleteSelection();
        break;
    case ccDelLine:
        m_anchor = 0;
        m_caret = length();
        result.changed = deleteSelection();
        break;
    case ccDelWord:
        m_anchor = m_caret;
        m_caret = wordRight(m_caret);
        result.changed = deleteSelection();
        break;
    case ccIns:
        if (!m_forceInsert && !m_forceOvertype)
            m_insert = !m_insert;
        break;
    case ccRestore:
    case ccUndo:
        return restore();
    default:
        break;
    }
    if (result.changed)
        m_modified = true;
    return result;
}

EditResult EntryEditor::restore() {
    setTextKeepingShape(m_saved);
    selectAll(m_caretToEnd);
    m_modified = false;
    return {true, false};
}

EditResult EntryEditor::typeChar(char32_t c) {
    if (m_readOnly)
        return {false, true};
    const EditResult result = insertChar(c);
    if (result.changed)
        m_modified = true;
    return result;
}

EditResult EntryEditor::cut() {
    if (m_readOnly)
        return {false, true};
    EditResult result;
    if (hasSelection())
        result.changed = deleteSelection();
    if (result.changed)
        m_modified = true;
    return result;
}

EditResult EntryEditor::paste(std::string_view utf8) {
    if (m_readOnly)
        return {false, true};
    const EditResult result = pasteChars(toUtf32(utf8));
    if (result.changed)
        m_modified = true;
    return result;
}

void EntryEditor::mousePress(int position, bool extend) {
    moveCaret(std::clamp(position, 0, mouseLimit()), extend);
}

void EntryEditor::mouseDrag(int position) {
    moveCaret(position, true);
}

void EntryEditor::selectWordAt(int position) {
    const int p = std::clamp(position, 0, std::max(0, length() - 1));
    if (length() == 0) {
        moveCaret(0, false);
        return;
    }
    const bool word = isWordChar(p);
    int start = p;
    int end = p;
    while (start > 0 && isWordChar(start - 1) == word)
        --start;
    while (end < length() && isWordChar(end) == word)
        ++end;
    m_anchor = start;
    m_caret = end;
}

bool EntryEditor::isWordChar(int p) const {
    return p >= 0 && p < length() && m_text[static_cast<std::size_t>(p)] != U' ';
}

void EntryEditor::moveCaret(int p, bool extend) {
    m_caret = std::clamp(p, 0, length());
    if (!extend)
        m_anchor = m_caret;
}

void EntryEditor::setTextKeepingShape(std::u32string text) {
    m_text = std::move(text);
    m_caret = std::clamp(m_caret, 0, length());
    m_anchor = std::clamp(m_anchor, 0, length());
}

int EntryEditor::wordLeft(int p) const {
    int q = p;
    while (q > 0 && !isWordChar(q - 1))
        --q;
    while (q > 0 && isWordChar(q - 1))
        --q;
    return q;
}

int EntryEditor::wordRight(int p) const {
    int q = p;
    while (q < length() && isWordChar(q))
        ++q;
    while (q < length() && !isWordChar(q))
        ++q;
    return q;
}

} // namespace vz
