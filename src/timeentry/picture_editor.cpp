#include "timeentry/picture_editor.h"

#include "timeentry/controller_logic.h"
#include "timeentry/entry_errors.h"
#include "timeentry/unicode_text.h"

#include <algorithm>
#include <cmath>

namespace vz {

namespace {

constexpr int SecondsPerDay = 86400;
constexpr int SecondsPerHalfDay = 43200;

} // namespace

TVzPictureEditor::TVzPictureEditor(TimeMask mask, TimeDesignators designators)
    : m_mask(std::move(mask)), m_designators(std::move(designators)) {
    reshape(TimeMask::NoTime);
}

void TVzPictureEditor::setMask(TimeMask mask) {
    const int t = time();
    m_mask = std::move(mask);
    reshape(t);
}

void TVzPictureEditor::setDesignators(TimeDesignators designators) {
    const int t = time();
    m_designators = std::move(designators);
    reshape(t);
}

void TVzPictureEditor::reshape(int seconds) {
    setTextKeepingShape(m_mask.format(seconds, m_designators));
    resetSavedText();
}

void TVzPictureEditor::setRangeLow(int seconds) {
    if (seconds < 0 || seconds > LastSecondOfDay)
        throw EInvalidRangeValue(m_mask.source());
    m_rangeLow = seconds;
}

void TVzPictureEditor::setRangeHigh(int seconds) {
    if (seconds < 0 || seconds > LastSecondOfDay)
        throw EInvalidRangeValue(m_mask.source());
    m_rangeHigh = seconds;
}

void TVzPictureEditor::setTime(int seconds) {
    setTextKeepingShape(m_mask.format(seconds, m_designators));
}

void TVzPictureEditor::setText(std::string_view utf8) {
    setTime(m_mask.read(toUtf32(utf8), m_designators));
}

int TVzPictureEditor::validate() const {
    // Only a mask with seconds can be left entirely blank: without them the seconds read as 0,
    // so blank hours and minutes are simply not a time.
    if (m_mask.seconds().present() && m_mask.digitsBlank(m_text))
        return m_inputRequired ? ErrRequired : EntryOk;
    const int t = time();
    if (t == TimeMask::NoTime)
        return ErrInvalidTime;
    if (m_rangeHigh != 0 && (t < m_rangeLow || t > m_rangeHigh))
        return ErrRange;
    return EntryOk;
}

bool TVzPictureEditor::normalise() {
    const int t = time();
    if (t == TimeMask::NoTime)
        return false;
    std::u32string text = m_mask.format(t, m_designators);
    if (text == m_text)
        return false;
    setTextKeepingShape(std::move(text));
    return true;
}

EditResult TVzPictureEditor::step(bool up, bool wrap, double delta) {
    const int t = time();
    if (t == TimeMask::NoTime)
        return {};
    int p = m_caret;
    if (!m_mask.isEditable(p))
        --p;
    if (!m_mask.isEditable(p))
        return {};
    int unit = 0;
    switch (m_mask.maskChar(p)) {
    case U'h':
    case U'H':
        unit = 3600;
        break;
    case U'm':
    case U'M':
        unit = 60;
        break;
    case U's':
    case U'S':
        unit = 1;
        break;
    default:
        unit = SecondsPerHalfDay;
        break;
    }
    const double count = std::round(std::fabs(delta));
    if (!std::isfinite(count))
        return {};
    // Only the step's remainder of a day matters: every sum below stays well inside int64.
    const auto wholeDays = static_cast<long long>(std::fmod(count, double(SecondsPerDay)));
    const auto amount = static_cast<int>((wholeDays * unit) % SecondsPerDay);
    const int high = m_rangeHigh != 0 ? m_rangeHigh : LastSecondOfDay;
    const int low = m_rangeHigh != 0 ? m_rangeLow : 0;
    int next = 0;
    bool taken = false;
    if (up) {
        next = (t + amount) % SecondsPerDay;
        taken = (next >= t && next <= high) || wrap;
    } else {
        next = t - amount;
        if (next < 0)
            next += SecondsPerDay;
        taken = (next <= t && next >= low) || wrap;
    }
    if (!taken || next == t)
        return {};
    setTime(next);
    clearSelection();
    setModified(true);
    return {true, false};
}

int TVzPictureEditor::editableFrom(int p) const {
    for (int q = std::max(p, 0); q < length(); ++q)
        if (m_mask.isEditable(q))
            return q;
    return -1;
}

int TVzPictureEditor::pastLiterals(int p) const {
    while (p < length() && !m_mask.isEditable(p))
        ++p;
    return p;
}

int TVzPictureEditor::homePosition() const {
    const int first = editableFrom(0);
    return first < 0 ? 0 : first;
}

int TVzPictureEditor::endPosition() const {
    for (int p = length() - 1; p >= 0; --p)
        if (m_mask.isEditable(p) && m_text[static_cast<std::size_t>(p)] != U' ')
            return pastLiterals(p + 1);
    return homePosition();
}

int TVzPictureEditor::mouseLimit() const {
    for (int p = length() - 1; p >= 0; --p)
        if (m_text[static_cast<std::size_t>(p)] != U' ')
            return pastLiterals(p + 1);
    return homePosition();
}

int TVzPictureEditor::stepLeft(int p) const {
    for (int q = std::min(p, length()) - 1; q >= 0; --q)
        if (m_mask.isEditable(q))
            return q;
    return p;
}

int TVzPictureEditor::stepRight(int p) const {
    if (p >= length())
        return p;
    return pastLiterals(p + 1);
}

bool TVzPictureEditor::isWordChar(int p) const {
    return m_mask.isEditable(p) && m_text[static_cast<std::size_t>(p)] != U' ';
}

bool TVzPictureEditor::fits(int p, char32_t c) const {
    if (isControlChar(c))
        return false;
    if (m_mask.isDesignatorPosition(p))
        return true;
    return c == U' ' || (c >= U'0' && c <= U'9');
}

EditResult TVzPictureEditor::insertChar(char32_t c) {
    const EditResult refused{false, true};
    const int p = editableFrom(hasSelection() ? selStart() : m_caret);
    if (p < 0 || !fits(p, c))
        return refused;
    // Work on a copy so a refusal leaves the selection and text as they were.
    std::u32string text = m_text;
    if (hasSelection())
        for (int q = selStart(); q < selEnd(); ++q)
            if (m_mask.isEditable(q))
                text[static_cast<std::size_t>(q)] = U' ';
    const TimeMask::Run run = m_mask.runAt(p);
    const auto at = static_cast<std::size_t>(p);
    if (!insertMode() || p == run.end - 1) {
        text[at] = c;
    } else {
        const auto last = static_cast<std::size_t>(run.end - 1);
        if (!m_insertPushes && text[last] != U' ')
            return refused;
        for (std::size_t q = last; q > at; --q)
            text[q] = text[q - 1];
        text[at] = c;
    }
    const bool changed = text != m_text;
    setTextKeepingShape(std::move(text));
    moveCaret(pastLiterals(p + 1), false);
    return {changed, false};
}

bool TVzPictureEditor::deleteSelection() {
    bool changed = false;
    for (int q = selStart(); q < selEnd(); ++q) {
        auto& ch = m_text[static_cast<std::size_t>(q)];
        if (m_mask.isEditable(q) && ch != U' ') {
            ch = U' ';
            changed = true;
        }
    }
    moveCaret(selStart(), false);
    return changed;
}

void TVzPictureEditor::removeAt(int p) {
    const TimeMask::Run run = m_mask.runAt(p);
    for (int q = p; q < run.end - 1; ++q)
        m_text[static_cast<std::size_t>(q)] = m_text[static_cast<std::size_t>(q + 1)];
    m_text[static_cast<std::size_t>(run.end - 1)] = U' ';
}

bool TVzPictureEditor::deleteBefore() {
    const int q = stepLeft(m_caret);
    if (q == m_caret)
        return false;
    const std::u32string before = m_text;
    removeAt(q);
    moveCaret(q, false);
    return before != m_text;
}

bool TVzPictureEditor::deleteAt() {
    const int q = editableFrom(m_caret);
    if (q < 0)
        return false;
    const std::u32string before = m_text;
    removeAt(q);
    moveCaret(q, false);
    return before != m_text;
}

EditResult TVzPictureEditor::pasteChars(const std::u32string& chars) {
    std::size_t i = 0;
    auto skipLiterals = [&](int from, int to) {
        for (int q = from; q < to && q < length(); ++q)
            if (!m_mask.isEditable(q) && i < chars.size() &&
                chars[i] == m_mask.literalAt(q, m_designators))
                ++i;
    };
    const int start = hasSelection() ? selStart() : m_caret;
    skipLiterals(start, pastLiterals(start));
    EditResult result;
    while (i < chars.size()) {
        const int p = editableFrom(hasSelection() ? selStart() : m_caret);
        if (p < 0)
            break;
        const EditResult one = insertChar(chars[i++]);
        if (one.refused)
            continue;
        result.changed = result.changed || one.changed;
        skipLiterals(p + 1, m_caret);
    }
    return result;
}

} // namespace vz
