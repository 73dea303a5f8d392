// The editing state every entry field shares: the text as code points, the caret and the
// selection (an anchor and the caret), insert or overwrite mode, the modified mark and the text
// saved on entry for restoring. Subclasses decide the shape of the text: which positions take
// characters, where the caret may rest, what deleting means.
//
//     vz::TVzSimpleEditor ed;                    // one of the subclasses
//     ed.enter(true, true, true);                // insert mode, all selected, caret at end
//     ed.typeChar(U'x');                         // {changed, refused}
//     ed.command(vz::ccLeft);
#pragma once

#include "timeentry/commands.h"

#include <string>

namespace vz {

struct EditResult {
    bool changed = false; // the text changed: the field raises its change event
    bool refused = false; // the key was refused: the field beeps
};

class EntryEditor {
public:
    virtual ~EntryEditor() = default;

    const std::u32string& chars() const { return m_text; }
    std::string text() const;
    int length() const { return static_cast<int>(m_text.size()); }

    int caret() const { return m_caret; }
    int selStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
    int selEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }
    bool hasSelection() const { return m_anchor != m_caret; }
    std::string selectedText() const;

    bool insertMode() const { return m_insert; }
    void setInsertMode(bool insert) { m_insert = insert; }
    bool forceInsert() const { return m_forceInsert; }
    bool forceOvertype() const { return m_forceOvertype; }
    void setForceInsert(bool force);
    void setForceOvertype(bool force);
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    const std::u32string& savedText() const { return m_saved; }

    // The field receives the focus: it takes the given insert mode (unless forced), saves its
    // text for restoring and, with autoSelect, selects everything.
    void enter(bool insertMode, bool autoSelect, bool caretToEnd);
    void selectAll(bool caretToEnd = true);
    void clearSelection() { m_anchor = m_caret; }

    // A command code from the command tables (movement, deleting, restoring, mode).
    EditResult command(int code);
    // A typed character (command ccChar).
    EditResult typeChar(char32_t c);
    // Deletes the selection (after the field copied it to the clipboard).
    EditResult cut();
    // The clipboard's text fed in at the caret.
    EditResult paste(std::string_view utf8);

    // Mouse: a press at a character position (extend: with Shift), a drag, a double-click.
    void mousePress(int position, bool extend);
    void mouseDrag(int position);
    void selectWordAt(int position);

protected:
    // Where the caret goes for Home and End, one step left or right of p (or p itself when it
    // cannot move), and the furthest a mouse press may place it.
    virtual int homePosition() const { return 0; }
    virtual int endPosition() const = 0;
    virtual int stepLeft(int p) const = 0;
    virtual int stepRight(int p) const = 0;
    virtual int mouseLimit() const = 0;
    virtual bool isWordChar(int p) const;

    // Editing primitives. A refused character leaves text and selection as they were.
    virtual EditResult insertChar(char32_t c) = 0;
    virtual bool deleteSelection() = 0;
    virtual bool deleteBefore() = 0;
    virtual bool deleteAt() = 0;
    virtual EditResult pasteChars(const std::u32string& chars) = 0;

    // Puts the caret at p; extend keeps the selection's anchor.
    void moveCaret(int p, bool extend);
    void setTextKeepingShape(std::u32string text); // caret and anchor clamped
    void resetSavedText() { m_saved = m_text; }
    void setSavedText(std::u32string text) { m_saved = std::move(text); }

    std::u32string m_text;
    int m_caret = 0;
    int m_anchor = 0;

private:
    int wordLeft(int p) const;
    int wordRight(int p) const;
    EditResult restore();
    static bool changesText(int code);

    bool m_insert = true;
    bool m_forceInsert = false;
    bool m_forceOvertype = false;
    bool m_readOnly = false;
    bool m_modified = false;
    bool m_caretToEnd = true;
    std::u32string m_saved;
};

} // namespace vz
