#include "timeentry/builtin_tables.h"
#include "timeentry/command_processor.h"
#include "timeentry/controller_logic.h"
#include "timeentry/entry_errors.h"
#include "timeentry/virtual_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace vz {
namespace {

TEST(CommandTables, BuiltInTablesInOrderWithTheirRecordCounts) {
    TVzCommandProcessor p;
    ASSERT_EQ(p.tables().size(), 3u);
    EXPECT_EQ(p.tables()[0].name(), "Default");
    EXPECT_TRUE(p.tables()[0].active());
    EXPECT_EQ(p.tables()[0].records().size(), 64u);
    EXPECT_EQ(p.tables()[1].name(), "WordStar");
    EXPECT_FALSE(p.tables()[1].active());
    EXPECT_EQ(p.tables()[1].records().size(), 40u);
    EXPECT_EQ(p.tables()[2].name(), "Grid");
    EXPECT_FALSE(p.tables()[2].active());
    EXPECT_EQ(p.tables()[2].records().size(), 38u);
}

TEST(CommandTables, NoTableBindsTheSameKeysTwice) {
    for (auto table : {BuiltinTable::Default, BuiltinTable::WordStar, BuiltinTable::Grid}) {
        std::set<std::tuple<int, int, int, int>> seen;
        for (const auto& r : builtinRecords(table))
            EXPECT_TRUE(seen.insert({r.key1, r.shift1, r.key2, r.shift2}).second)
                << commandName(r.cmd);
    }
}

// Every record of a table, alone among the active tables, translates to its command; a
// sequence's second key matches without a modifier and with Ctrl, not with Shift.
void expectTableTranslates(const std::string& name) {
    TVzCommandProcessor p;
    for (const auto& t : p.tables())
        p.setActive(t.name(), t.name() == name);
    for (const auto& r : p.table(name).records()) {
        SCOPED_TRACE(name + " " + commandName(r.cmd));
        if (r.key2 == 0) {
            EXPECT_EQ(p.translate(r.key1, r.shift1), r.cmd);
        } else {
            for (std::uint8_t second : {std::uint8_t{0}, std::uint8_t{ssCtrl}}) {
                EXPECT_EQ(p.translate(r.key1, r.shift1), ccPartial);
                EXPECT_EQ(p.translate(r.key2, second), r.cmd);
            }
            EXPECT_EQ(p.translate(r.key1, r.shift1), ccPartial);
            EXPECT_EQ(p.translate(r.key2, ssShift), ccSuppress);
        }
        p.resetTranslation();
    }
}

TEST(CommandTables, EveryBuiltInRecordTranslates) {
    expectTableTranslates("Default");
    expectTableTranslates("WordStar");
    expectTableTranslates("Grid");
}

TEST(CommandTables, SomeDefaultBindings) {
    TVzCommandProcessor p;
    struct {
        std::uint8_t vk, shift;
        int cmd;
    } cases[] = {{VkZ, ssCtrl, ccUndo},
                 {VkBack, ssAlt, ccRestore},
                 {VkBack, ssShift, ccBack},
                 {VkInsert, 0, ccIns},
                 {VkInsert, ssShift, ccPaste},
                 {VkDelete, ssShift, ccCut},
                 {VkLeft, ssCtrl | ssShift, ccExtWordLeft},
                 {static_cast<std::uint8_t>(Vk0 + 7), ssCtrl, ccGotoMarker0 + 7},
                 {static_cast<std::uint8_t>(Vk0 + 9), ssCtrl | ssShift, ccSetMarker0 + 9},
                 {VkA, 0, ccAccept},
                 {VkZ, ssAlt, ccAccept}};
    for (const auto& c : cases)
        EXPECT_EQ(p.translate(c.vk, c.shift), c.cmd) << commandName(c.cmd);
}

TEST(CommandProcessor, CtrlQIsLetThroughUnlessWordStarIsActive) {
    TVzCommandProcessor p;
    EXPECT_EQ(p.translate(VkQ, ssCtrl), ccAccept);
    EXPECT_EQ(p.translate(VkS, 0), ccAccept);
    p.setActive("WordStar", true);
    EXPECT_EQ(p.translate(VkQ, ssCtrl), ccPartial);
    EXPECT_EQ(p.state(), TVzCommandProcessor::State::WaitingForSecondKey);
    EXPECT_EQ(p.translate(VkS, 0), ccHome);
    EXPECT_EQ(p.translate(VkQ, ssCtrl), ccPartial);
    EXPECT_EQ(p.translate(VkX, 0), ccSuppress); // no record: nothing happens
    EXPECT_EQ(p.state(), TVzCommandProcessor::State::Idle);
    // Default comes first in the list, so its Ctrl+X wins over WordStar's.
    EXPECT_EQ(p.translate(VkX, ssCtrl), ccCut);
}

TEST(CommandProcessor, ModifierKeysAloneKeepTheState) {
    TVzCommandProcessor p;
    p.setActive("WordStar", true);
    EXPECT_EQ(p.translate(VkShift, ssShift), ccAccept);
    EXPECT_EQ(p.translate(VkQ, ssCtrl), ccPartial);
    for (std::uint8_t vk : {VkShift, VkControl, VkMenu, VkCapital, VkNumLock, VkScroll, VkLShift})
        EXPECT_EQ(p.translate(vk, ssCtrl), ccPartial);
    EXPECT_EQ(p.translate(VkD, ssCtrl), ccEnd);
}

TEST(CommandProcessor, CtrlPTakesTheNextKeyLiterally) {
    TVzCommandProcessor p;
    p.setActive("Default", false);
    p.setActive("WordStar", true);
    EXPECT_EQ(p.translate(VkP, ssCtrl), ccCtrlChar);
    EXPECT_EQ(p.state(), TVzCommandProcessor::State::LiteralNext);
    EXPECT_EQ(p.translate(VkShift, ssShift), ccAccept); // still literal afterwards
    EXPECT_EQ(p.translate(VkS, ssCtrl), ccAccept);      // would be ccLeft
    EXPECT_EQ(p.translate(VkS, ssCtrl), ccLeft);
}

TEST(CommandProcessor, AddingRecordsAndItsTwoErrors) {
    TVzCommandProcessor p;
    const TVzCommandRec rec{VkF2, 0, 0, 0, 300};
    EXPECT_EQ(p.translate(VkF2, 0), ccAccept);
    p.addCommand("default", rec);
    EXPECT_EQ(p.translate(VkF2, 0), 300);
    EXPECT_THROW(p.addCommand("Default", rec), EDuplicateCommand);
    EXPECT_THROW(p.addCommand("Default", TVzCommandRec{VkLeft, 0, 0, 0, ccRight}),
                 EDuplicateCommand);
    EXPECT_THROW(p.addCommand("Nowhere", rec), ETableNotFound);
    EXPECT_THROW(p.table(3), ETableNotFound);
    try {
        p.addCommand("Nowhere", rec);
    } catch (const ECmdProcessorError& e) {
        EXPECT_STREQ(e.what(), "Command table not found or command table index out of range");
    }
    try {
        p.addCommand("Default", rec);
    } catch (const EVzException& e) {
        EXPECT_STREQ(e.what(), "Duplicate command found while adding a new command to the table");
    }
}

TEST(CommandProcessor, ReplacingTheTableList) {
    TVzCommandProcessor p;
    p.clearTables();
    EXPECT_EQ(p.translate(VkLeft, 0), ccAccept);
    p.addTable("GRID", true, {TVzCommandRec{VkF2, 0, 0, 0, ccLeft}}); // built-in records win
    p.addTable("Mine", true, {TVzCommandRec{static_cast<std::uint8_t>(VkF1 + 2), 0, 0, 0, 257}});
    EXPECT_EQ(p.table("Grid").records().size(), 38u);
    EXPECT_EQ(p.translate(VkF2, 0), ccTableEdit);
    EXPECT_EQ(p.translate(VkF1 + 2, 0), 257);
}

TEST(Commands, NamesAndRecordBytes) {
    EXPECT_EQ(commandName(ccNone), "ccNone");
    EXPECT_EQ(commandName(ccGotoMarker0 + 9), "ccGotoMarker9");
    EXPECT_EQ(commandName(41), "ccGotoMarker9");
    EXPECT_EQ(commandName(ccHome), "ccHome");
    EXPECT_EQ(commandName(67), "ccSetMarker9");
    EXPECT_EQ(commandName(75), "ccWordRight");
    EXPECT_EQ(commandName(ccAccept), "ccAccept");
    EXPECT_EQ(commandName(256), "ccUser256");
    EXPECT_EQ(commandName(100), "");
    for (int code : {0, 31, 42, 75, 249, 255, 256, 65535})
        EXPECT_EQ(commandFromName(commandName(code)), code);
    EXPECT_FALSE(commandFromName("ccUser12"));
    EXPECT_FALSE(commandFromName("ccUser70000"));
    EXPECT_FALSE(commandFromName("ccUserX"));

    const TVzCommandRec rec{VkQ, ssCtrl, VkS, ssNoneOrCtrl, 0x1234};
    const auto bytes = toBytes(rec);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 6>{0x51, 4, 0x53, 128, 0x34, 0x12}));
    EXPECT_EQ(fromBytes(bytes), rec);
}

TEST(EntryErrors, MessagesAndFamily) {
    EXPECT_STREQ(EVzException().what(), "Parameter value is invalid");
    EXPECT_STREQ(ENoControllerAssigned().what(), "No Controller assigned");
    EXPECT_STREQ(EInvalidDataType().what(), "Invalid data type for this field");
    EXPECT_STREQ(EInvalidPictureMask("hh:q").what(), "Invalid picture mask: hh:q");
    EXPECT_STREQ(EInvalidRangeValue("hh:mm tt").what(),
                 "Invalid time range. Enter a value using 'hh:mm tt' as the format");
    EXPECT_STREQ(EEntryFieldError().what(), "Value is not valid for this field type");
    EXPECT_STREQ(ENoTimersAvailable().what(), "No Window's timers are available");
    EXPECT_STREQ(EInvalidDateForMask().what(),
                 "Invalid date value for picture mask. (Year is outside the Epoch range)");
    // The class tree, as handlers catch it.
    EXPECT_THROW(throw ENoControllerAssigned(), EControllerError);
    EXPECT_THROW(throw EDuplicateCommand(), ECmdProcessorError);
    EXPECT_THROW(throw EInvalidRangeValue("x"), EEntryFieldError);
    EXPECT_THROW(throw EInvalidDateForMask(), EEntryFieldError);
    EXPECT_THROW(throw ENoTimersAvailable(), EVzException);
    EXPECT_THROW(throw EInvalidPictureMask("x"), std::runtime_error);
}

TEST(ControllerLogic, EpochRangeAndTwoDigitYears) {
    ControllerLogic c;
    EXPECT_EQ(c.epoch(), 1900);
    c.setEpoch(1500);
    EXPECT_EQ(c.epoch(), 1900);
    c.setEpoch(4000);
    EXPECT_EQ(c.epoch(), 1900);
    c.setEpoch(1950);
    EXPECT_EQ(c.epoch(), 1950);
    EXPECT_EQ(c.epochFor(0), 1950);
    EXPECT_EQ(c.epochFor(2020), 2020);
    EXPECT_EQ(expandTwoDigitYear(5, 1950), 2005);
    EXPECT_EQ(expandTwoDigitYear(50, 1950), 1950);
    EXPECT_EQ(expandTwoDigitYear(49, 1950), 2049);
    EXPECT_EQ(expandTwoDigitYear(99, 1900), 1999);
    EXPECT_EQ(expandTwoDigitYear(1997, 1950), 1997);
}

TEST(ControllerLogic, ValidationMessages) {
    EXPECT_EQ(entryErrorMessage(256), "Value is not within required range");
    EXPECT_EQ(entryErrorMessage(257), "Value is not valid for this field type");
    EXPECT_EQ(entryErrorMessage(258), "A value is required in this field");
    EXPECT_EQ(entryErrorMessage(259), "Value is not a valid date");
    EXPECT_EQ(entryErrorMessage(260), "Value is not a valid time");
    EXPECT_EQ(entryErrorMessage(261), "This field should contain no blanks");
    EXPECT_EQ(entryErrorMessage(262), "This field should be either empty or completely full");
    EXPECT_EQ(entryErrorMessage(7), "Entry Error");
    EXPECT_EQ(entryErrorMessage(0), "");
}

TEST(ControllerLogic, ErrorFlowReportsOnceAndNeverPingPongs) {
    ControllerLogic c;
    int a = 0, b = 0;
    // The first failure gets the focus back and a report.
    auto first = c.fieldFailed(&a);
    EXPECT_TRUE(first.returnFocus);
    EXPECT_TRUE(first.postReport);
    EXPECT_TRUE(c.errorPending());
    // A second field failing meanwhile keeps quiet: the focus is already going back to a.
    auto second = c.fieldFailed(&b);
    EXPECT_FALSE(second.returnFocus);
    EXPECT_FALSE(second.postReport);
    // b was entered on the way: no entry handling while a report is pending.
    EXPECT_FALSE(c.fieldEntered(&b));
    // a comes back: it keeps its text and restore text.
    EXPECT_FALSE(c.fieldEntered(&a));
    // a failing again before its report shows is sent back, but not reported twice.
    auto again = c.fieldFailed(&a);
    EXPECT_TRUE(again.returnFocus);
    EXPECT_FALSE(again.postReport);
    EXPECT_FALSE(c.fieldEntered(&a));
    c.reportDone(&a);
    EXPECT_FALSE(c.errorPending());
    EXPECT_TRUE(c.fieldEntered(&b));
    EXPECT_TRUE(c.fieldFailed(&b).postReport);
    c.forget(&b);
    EXPECT_FALSE(c.errorPending());
    EXPECT_TRUE(c.fieldEntered(&b));
}

} // namespace
} // namespace vz
