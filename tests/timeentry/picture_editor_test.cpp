#include "timeentry/controller_logic.h"
#include "timeentry/entry_errors.h"
#include "timeentry/picture_editor.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

// A time field holding `text`, entered in the given mode, the caret moved right `rights`
// times from the first position, nothing selected.
TVzPictureEditor field(std::string_view text, int rights = 0, bool insert = true) {
    TVzPictureEditor ed;
    ed.setText(text);
    ed.enter(insert, false, false);
    for (int i = 0; i < rights; ++i)
        ed.command(ccRight);
    return ed;
}

// "3 :     ": what typing 3 over the selected whole of a field leaves.
TVzPictureEditor threeTyped() {
    TVzPictureEditor ed;
    ed.setText("12:00 AM");
    ed.enter(true, true, true);
    ed.typeChar(U'3');
    return ed;
}

TEST(PictureEditor, TypingInInsertAndOverwriteMode) {
    struct {
        int rights;
        bool insert;
        char32_t key;
        const char* text;
        int caretAfter;
        bool refused;
    } cases[] = {
        {0, true, U'3', "31:00 AM", 1, false}, // the 2 is pushed out of its run
        {0, false, U'3', "32:00 AM", 1, false},
        {1, true, U'1', "11:00 AM", 3, false}, // last of its run: replaced, caret past ':'
        {3, true, U'5', "12:05 AM", 6, false}, // caret past the blank literal
        {2, true, U' ', "12: 0 AM", 4, false},
        {5, true, U'X', "12:00 AX", 8, false},
        {4, false, U'p', "12:00 pM", 7, false},
        {0, true, U'a', "12:00 AM", 0, true}, // a letter never fits a digit
        {4, true, U'\t', "12:00 AM", 6, true},
        {6, true, U'1', "12:00 AM", 8, true}, // past the last position
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rights) + " " + std::to_string(c.key));
        auto ed = field("12:00 AM", c.rights, c.insert);
        const auto result = ed.typeChar(c.key);
        EXPECT_EQ(result.refused, c.refused);
        EXPECT_EQ(ed.text(), c.text);
        EXPECT_EQ(ed.caret(), c.caretAfter);
        EXPECT_EQ(ed.modified(), !c.refused);
        EXPECT_EQ(ed.length(), 8);
    }
}

TEST(PictureEditor, TypingOverTheWholeSelection) {
    auto ed = threeTyped();
    EXPECT_EQ(ed.text(), "3 :     ");
    EXPECT_EQ(ed.validate(), ErrInvalidTime);
    // A key that does not fit leaves the selection alone.
    ed.selectAll();
    EXPECT_TRUE(ed.typeChar(U'z').refused);
    EXPECT_TRUE(ed.hasSelection());
    EXPECT_EQ(ed.text(), "3 :     ");
}

TEST(PictureEditor, WithoutInsertPushesAFullRunRefuses) {
    auto ed = field("12:00 AM");
    ed.setInsertPushes(false);
    EXPECT_TRUE(ed.typeChar(U'3').refused);
    EXPECT_EQ(ed.text(), "12:00 AM");
    ed.command(ccDel);
    EXPECT_EQ(ed.text(), "2 :00 AM");
    EXPECT_FALSE(ed.typeChar(U'1').refused);
    EXPECT_EQ(ed.text(), "12:00 AM");
}

TEST(PictureEditor, DeletingKeepsLiteralsAndCloseRuns) {
    auto ed = field("12:34 PM", 2); // caret on the first minute digit
    ed.command(ccBack);             // the hour digit before the separator
    EXPECT_EQ(ed.text(), "1 :34 PM");
    EXPECT_EQ(ed.caret(), 1);
    ed.command(ccRight);
    ed.command(ccDel);
    EXPECT_EQ(ed.text(), "1 :4  PM");
    ed.command(ccHome);
    ed.command(ccExtendEnd);
    EXPECT_EQ(ed.selectedText(), "1 :4  PM");
    ed.command(ccDel);
    EXPECT_EQ(ed.text(), "  :     ");
    EXPECT_EQ(ed.caret(), 0);
    EXPECT_FALSE(ed.command(ccBack).changed); // nothing before the first position
}

TEST(PictureEditor, CaretMovesSkippingLiterals) {
    auto ed = field("12:34 PM");
    struct {
        int command;
        int caret;
    } steps[] = {{ccRight, 1},     {ccRight, 3},    {ccDown, 4},      {ccRight, 6},
                 {ccRight, 7},     {ccRight, 8},    {ccRight, 8},     {ccLeft, 7},
                 {ccUp, 6},        {ccLeft, 4},     {ccLeft, 3},      {ccLeft, 1},
                 {ccLeft, 0},      {ccLeft, 0},     {ccWordRight, 3}, {ccWordRight, 6},
                 {ccWordRight, 8}, {ccWordLeft, 6}, {ccWordLeft, 3},  {ccWordLeft, 0},
                 {ccEnd, 8},       {ccHome, 0},     {ccLastPage, 8},  {ccFirstPage, 0}};
    for (const auto& s : steps) {
        ed.command(s.command);
        EXPECT_EQ(ed.caret(), s.caret) << commandName(s.command);
        EXPECT_FALSE(ed.hasSelection());
    }
    auto partial = threeTyped();
    partial.command(ccEnd);
    EXPECT_EQ(partial.caret(), 1); // just after the last digit that is not blank
}

TEST(PictureEditor, ExtendingTheSelection) {
    auto ed = field("12:34 PM", 2);
    ed.command(ccExtendRight);
    EXPECT_EQ(ed.selectedText(), "3");
    ed.command(ccExtendRight); // on past the blank literal
    EXPECT_EQ(ed.selectedText(), "34 ");
    ed.command(ccExtWordRight);
    EXPECT_EQ(ed.selectedText(), "34 PM");
    ed.command(ccExtendHome);
    EXPECT_EQ(ed.selectedText(), "12:");
    ed.command(ccRight);
    EXPECT_FALSE(ed.hasSelection());
}

TEST(PictureEditor, RestoreBringsBackTheTextOnEntry) {
    TVzPictureEditor ed;
    ed.setText("09:15 AM");
    ed.enter(true, true, true);
    ed.typeChar(U'1');
    ed.typeChar(U'1');
    EXPECT_TRUE(ed.modified());
    for (int code : {ccRestore, ccUndo}) {
        const auto result = ed.command(code);
        EXPECT_TRUE(result.changed); // the field raises its change event
        EXPECT_EQ(ed.text(), "09:15 AM");
        EXPECT_EQ(ed.selStart(), 0);
        EXPECT_EQ(ed.selEnd(), 8);
        EXPECT_FALSE(ed.modified());
        ed.typeChar(U'2');
    }
}

TEST(PictureEditor, InsertToggleAndForcedModes) {
    auto ed = field("12:00 AM");
    ed.command(ccIns);
    EXPECT_FALSE(ed.insertMode());
    ed.command(ccIns);
    EXPECT_TRUE(ed.insertMode());
    ed.setForceOvertype(true);
    ed.command(ccIns);
    EXPECT_FALSE(ed.insertMode());
    ed.enter(true, true, true); // the controller's mode does not override a forced one
    EXPECT_FALSE(ed.insertMode());
}

TEST(PictureEditor, Paste) {
    struct {
        const char* start;
        int rights;
        bool insert;
        const char* pasted;
        const char* text;
    } cases[] = {
        {"12:00 AM", 0, false, "07:45 PM", "07:45 PM"},
        {"12:00 AM", 0, true, "07:45 PM", "07:45 PM"}, // each run's last character replaces
        {"12:00 AM", 0, false, "0745PM", "07:45 PM"},  // literals need not be pasted
        {"12:00 AM", 2, false, "45", "12:45 AM"},
        {"12:00 AM", 0, false, "ab", "12:00 AM"},           // nothing fits: skipped silently
        {"12:00 AM", 0, false, "1\r\n2:3", "12:30 AM"},     // control characters never fit
        {"12:00 AM", 4, false, "PMX and more", "12:00 PM"}, // stops at the end of the field
        {"12:00 AM", 2, false, ":15", "12:15 AM"},          // a leading literal is skipped
    };
    for (const auto& c : cases) {
        auto ed = field(c.start, c.rights, c.insert);
        ed.paste(c.pasted);
        EXPECT_EQ(ed.text(), c.text) << c.pasted;
        EXPECT_EQ(ed.length(), 8);
    }
    TVzPictureEditor selected;
    selected.setText("12:00 AM");
    selected.enter(true, true, true);
    selected.paste("3");
    EXPECT_EQ(selected.text(), "3 :     ");
}

TEST(PictureEditor, MousePlacementLimitsAndWords) {
    auto ed = threeTyped();
    ed.mousePress(7, false);
    EXPECT_EQ(ed.caret(), 3); // just after the last character that is not blank
    auto full = field("12:34 PM");
    full.mousePress(4, false);
    full.mousePress(1, true);
    EXPECT_EQ(full.selectedText(), "2:3");
    full.selectWordAt(3);
    EXPECT_EQ(full.selectedText(), "34");
    full.mousePress(100, false);
    EXPECT_EQ(full.caret(), 8);
    full.mouseDrag(-3);
    EXPECT_EQ(full.selectedText(), "12:34 PM");
}

TEST(PictureEditor, SteppingThePartUnderTheCaret) {
    struct {
        const char* start;
        int rights;
        bool up;
        bool wrap;
        const char* text;
    } cases[] = {
        {"11:59 PM", 2, true, true, "12:00 AM"},  // minutes wrap across midnight
        {"11:59 PM", 2, true, false, "11:59 PM"}, // not without wrap
        {"09:00 AM", 4, true, true, "09:00 PM"},  // the designator toggles
        {"09:00 PM", 5, false, true, "09:00 AM"},
        {"11:30 PM", 0, true, true, "12:30 AM"}, // hours, 23:30 + 1 h
        {"12:00 AM", 3, false, true, "11:59 PM"},
        {"12:00 AM", 3, false, false, "12:00 AM"},
        {"12:34 PM", 6, true, true, "12:34 AM"}, // caret past the end: the designator
        {"  :   AM", 0, true, true, "  :   AM"}, // no valid time: nothing happens
    };
    for (const auto& c : cases) {
        auto ed = field(c.start, c.rights);
        const int caret = ed.caret();
        ed.step(c.up, c.wrap, 1.0);
        EXPECT_EQ(ed.text(), c.text) << c.start << " " << c.rights;
        EXPECT_EQ(ed.caret(), caret);
        EXPECT_FALSE(ed.hasSelection());
    }
    TVzPictureEditor ed;
    ed.setText("10:00 AM");
    ed.enter(true, true, true);                      // all selected, caret at the end
    EXPECT_FALSE(ed.step(false, true, 2.4).changed); // two half days: the same time
    const auto result = ed.step(false, true, 3.4);
    EXPECT_TRUE(result.changed);
    EXPECT_TRUE(ed.modified());
    EXPECT_EQ(ed.text(), "10:00 PM");
    EXPECT_FALSE(ed.hasSelection());
    auto minutes = field("10:00 AM", 2);
    minutes.step(true, true, -61);
    EXPECT_EQ(minutes.text(), "11:01 AM");
    minutes.step(true, true, 1e300);
    minutes.step(true, true, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(minutes.length(), 8);
}

TEST(PictureEditor, ValidationAndNormalising) {
    EXPECT_EQ(field("  :   AM").validate(), ErrInvalidTime);
    EXPECT_EQ(field("12:00 AM").validate(), EntryOk);
    auto lower = field("07:15 AM", 4, false);
    lower.typeChar(U'p');
    lower.typeChar(U'm');
    EXPECT_EQ(lower.text(), "07:15 pm");
    EXPECT_EQ(lower.validate(), EntryOk);
    EXPECT_EQ(lower.time(), 69300);
    EXPECT_TRUE(lower.normalise());
    EXPECT_EQ(lower.text(), "07:15 PM");
    EXPECT_FALSE(lower.normalise());

    auto narrow = field("08:00 PM");
    narrow.setRangeLow(9 * 3600);
    narrow.setRangeHigh(17 * 3600);
    EXPECT_EQ(narrow.validate(), ErrRange);
    EXPECT_THROW(narrow.setRangeHigh(86400), EInvalidRangeValue);
    narrow.setRangeHigh(0); // no range
    EXPECT_EQ(narrow.validate(), EntryOk);

    // Only a mask with seconds may be left blank.
    TVzPictureEditor seconds(TimeMask::parse("hh:mm:ss tt"));
    EXPECT_EQ(seconds.text(), "  :  :   AM");
    EXPECT_EQ(seconds.validate(), EntryOk);
    seconds.setInputRequired(true);
    EXPECT_EQ(seconds.validate(), ErrRequired);
}

TEST(PictureEditor, WritingTextAndTime) {
    TVzPictureEditor ed;
    ed.setTime(0);
    EXPECT_EQ(ed.text(), "12:00 AM");
    ed.setTime(43200);
    EXPECT_EQ(ed.text(), "12:00 PM");
    ed.setTime(86399);
    EXPECT_EQ(ed.text(), "11:59 PM");
    EXPECT_EQ(ed.time(), 86340);
    ed.setText("02:37 pm");
    EXPECT_EQ(ed.text(), "02:37 PM");
    for (const char* bad : {"2:37 PM", "25:00 PM", "", "02:37 PM and more"}) {
        ed.setText(bad);
        EXPECT_EQ(ed.text(), "  :   AM") << bad;
        EXPECT_EQ(ed.time(), TimeMask::NoTime);
    }
    EXPECT_FALSE(ed.modified()); // writing is not a user edit
    // A new mask keeps the time.
    ed.setTime(52642);
    ed.setMask(TimeMask::parse("hh:mm:ss tt"));
    EXPECT_EQ(ed.text(), "02:37:00 PM");
}

TEST(PictureEditor, ReadOnlyRefusesEdits) {
    auto ed = field("12:00 AM");
    ed.setReadOnly(true);
    EXPECT_TRUE(ed.typeChar(U'1').refused);
    EXPECT_TRUE(ed.command(ccDel).refused);
    EXPECT_TRUE(ed.paste("1").refused);
    EXPECT_FALSE(ed.command(ccRight).refused);
    EXPECT_EQ(ed.text(), "12:00 AM");
}

} // namespace
} // namespace vz
