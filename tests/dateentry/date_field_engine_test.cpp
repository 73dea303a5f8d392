#include "dateentry/date_field_engine.h"
#include "dateentry/paste_date.h"
#include "engine/convert_error.h"
#include "engine/datetext.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TDateTime day(int y, int m, int d) {
    return encodeDateTime(y, m, d, 0, 0, 0, 0);
}

const TDateTime Now = encodeDateTime(2026, 3, 14, 10, 30, 0, 0);

RegionalSettings withDates(const char* format, const char* separator) {
    RegionalSettings rs = usDefaults();
    rs.shortDateFormat = format;
    rs.dateSeparator = separator;
    return rs;
}

void type(DateFieldEngine& f, std::u32string_view keys, bool* refused = nullptr) {
    for (const char32_t c : keys) {
        const KeyOutcome out = f.key(FieldKey::character(c), Now);
        if (refused)
            *refused = *refused || out.refused;
    }
}

void press(DateFieldEngine& f, FieldKey::Code code, bool shift = false) {
    f.key(FieldKey::of(code, shift), Now);
}

std::string selected(const DateFieldEngine& f) {
    return f.selectedText();
}

// ---- element model --------------------------------------------------------------------------

TEST(DateElements, ShortFormatsFindDayMonthYearInOrder) {
    struct Case {
        const char* format;
        const char* separator;
        const char* text; // 5 March 2004
        ElementKind kinds[3];
    } cases[] = {
        {"M/d/yy", "/", "3/5/04", {ElementKind::Month, ElementKind::Day, ElementKind::Year}},
        {"dd.MM.yyyy",
         ".",
         "05.03.2004",
         {ElementKind::Day, ElementKind::Month, ElementKind::Year}},
        {"yyyy-MM-dd",
         "-",
         "2004-03-05",
         {ElementKind::Year, ElementKind::Month, ElementKind::Day}},
        {"d/M/yy", "/", "5/3/04", {ElementKind::Day, ElementKind::Month, ElementKind::Year}},
    };
    for (const Case& c : cases) {
        const RegionalSettings rs = withDates(c.format, c.separator);
        const DateElements els(c.format, TdpDataType::dpDTEdtDate, rs);
        ASSERT_EQ(els.count(), 3) << c.format;
        const RenderedText r = els.render(day(2004, 3, 5), rs);
        EXPECT_EQ(r.text, c.text);
        EXPECT_EQ(r.text, formatDateTime(c.format, day(2004, 3, 5), rs));
        for (int n = 1; n <= 3; ++n) {
            EXPECT_EQ(els.element(n).kind, c.kinds[n - 1]) << c.format << " element " << n;
            // Each span covers exactly the element's digits.
            const ElementSpan s = r.spans[static_cast<std::size_t>(n - 1)];
            for (int i = s.start; i < s.start + s.length; ++i)
                EXPECT_TRUE(
                    std::isdigit(static_cast<unsigned char>(r.text[static_cast<std::size_t>(i)])));
        }
    }
}

TEST(DateElements, NumbersOnlyTheDataTypesElements) {
    const RegionalSettings rs = usDefaults();
    const std::string c = expandShorthands("c", rs);
    EXPECT_EQ(c, "M/d/yy h:mm:ss AMPM");
    EXPECT_EQ(DateElements(c, TdpDataType::dpDTEdtDate, rs).count(), 3);
    const DateElements time(c, TdpDataType::dpDTEdtTime, rs);
    ASSERT_EQ(time.count(), 4);
    EXPECT_EQ(time.element(1).kind, ElementKind::Hour);
    EXPECT_TRUE(time.element(1).twelveHour);
    EXPECT_EQ(time.element(2).kind, ElementKind::Minute); // "mm" after the hour
    EXPECT_EQ(time.element(4).kind, ElementKind::AmPm);
    EXPECT_EQ(DateElements(c, TdpDataType::dpDTEdtDateTime, rs).count(), 7);

    const TDateTime t = encodeDateTime(2004, 3, 5, 13, 7, 9, 0);
    EXPECT_EQ(time.render(t, rs).text, formatDateTime(c, t, rs));
    const std::string longDate = expandShorthands("dddddd", rs);
    const DateElements names(longDate, TdpDataType::dpDTEdtDate, rs);
    EXPECT_EQ(names.count(), 4);
    EXPECT_EQ(names.render(t, rs).text, "Friday, March 5, 2004");
    // Quoted text is literal, also when it holds format letters.
    EXPECT_EQ(DateElements("d 'de' mmmm", TdpDataType::dpDTEdtDate, rs).count(), 2);
}

// ---- typing ---------------------------------------------------------------------------------

class UsField : public ::testing::Test {
protected:
    DateFieldEngine f{usDefaults()};
    void start(TDateTime value) {
        f = DateFieldEngine(usDefaults());
        f.setValue(value);
        f.focusIn(false);
    }
};

TEST_F(UsField, TypingMonthThenDayCompletesAndMovesOn) {
    start(day(1999, 1, 15));
    EXPECT_EQ(f.text(), "1/15/99");
    type(f, U"1");
    EXPECT_TRUE(f.typing());
    EXPECT_EQ(f.text(), "1/15/99");
    EXPECT_EQ(f.selection().length, 0);
    type(f, U"2");
    EXPECT_EQ(f.text(), "12/15/99");
    EXPECT_EQ(f.currentElement(), 2);
    EXPECT_EQ(selected(f), "15");
    type(f, U"4");
    EXPECT_EQ(f.text(), "12/4/99");
    EXPECT_EQ(f.currentElement(), 3);
    EXPECT_EQ(f.value(), day(1999, 12, 4));
    EXPECT_TRUE(f.modified());
}

TEST_F(UsField, ThreeCompletesADayOnlyInShortMonths) {
    start(day(2001, 2, 10));
    press(f, FieldKey::Right);
    type(f, U"3");
    EXPECT_EQ(f.value(), day(2001, 2, 3));
    EXPECT_EQ(f.currentElement(), 3);

    start(day(2001, 3, 10));
    press(f, FieldKey::Right);
    type(f, U"3");
    EXPECT_TRUE(f.typing());
    EXPECT_EQ(f.text(), "3/3/01");
    type(f, U"1");
    EXPECT_EQ(f.value(), day(2001, 3, 31));
}

TEST_F(UsField, ImpossibleSecondDigitIsRefusedAndFirstStaysPending) {
    start(day(2001, 2, 10));
    press(f, FieldKey::Right);
    bool refused = false;
    type(f, U"2", &refused);
    EXPECT_FALSE(refused);
    type(f, U"9", &refused);
    EXPECT_TRUE(refused);
    EXPECT_TRUE(f.typing());
    EXPECT_EQ(f.value(), day(2001, 2, 10));
    press(f, FieldKey::Right);
    EXPECT_EQ(f.value(), day(2001, 2, 2));
    EXPECT_EQ(f.currentElement(), 3);
}

TEST_F(UsField, DoubleZeroIsRefusedInDayAndMonth) {
    for (int element = 1; element <= 2; ++element) {
        start(day(2001, 5, 10));
        if (element == 2)
            press(f, FieldKey::Right);
        bool refused = false;
        type(f, U"00", &refused);
        EXPECT_TRUE(refused) << element;
        press(f, FieldKey::Right); // the pending 0 keeps the element's value
        EXPECT_EQ(f.value(), day(2001, 5, 10)) << element;
    }
}

TEST_F(UsField, TwoDigitYearsFollowTheEpoch) {
    struct Case {
        const char32_t* digits;
        int year;
    } cases[] = {{U"49", 2049}, {U"50", 1950}, {U"99", 1999}, {U"00", 2000}, {U"7 ", 2007}};
    for (const Case& c : cases) {
        start(day(1999, 1, 15));
        press(f, FieldKey::Right);
        press(f, FieldKey::Right);
        type(f, c.digits);
        EXPECT_EQ(decodeDateTime(f.value()).year, c.year);
    }
    f.setEpoch(1930);
    EXPECT_EQ(f.ApplyEpoch(29), 2029);
    EXPECT_EQ(f.ApplyEpoch(30), 1930);
}

TEST_F(UsField, SeparatorLeavesAPendingElement) {
    start(day(1999, 1, 15));
    type(f, U"1/");
    EXPECT_EQ(f.value(), day(1999, 1, 15));
    EXPECT_EQ(f.currentElement(), 2);
    type(f, U"/"); // nothing pending: ignored
    EXPECT_EQ(f.currentElement(), 2);
}

TEST(DateFieldTyping, FourDigitYears) {
    DateFieldEngine f(withDates("dd.MM.yyyy", "."));
    f.setValue(day(2001, 2, 28));
    f.focusIn(false);
    f.key(FieldKey::of(FieldKey::End), Now); // day element first: 28 is already the last
    f.key(FieldKey::of(FieldKey::Right), Now);
    f.key(FieldKey::of(FieldKey::Right), Now);
    type(f, U"20");
    EXPECT_EQ(f.text(), "28.02.20");
    type(f, U"04");
    EXPECT_EQ(f.value(), day(2004, 2, 28));
    EXPECT_EQ(f.text(), "28.02.2004");

    type(f, U"0000"); // keeps the year the field had on entry
    EXPECT_EQ(f.value(), day(2001, 2, 28));

    bool refused = false;
    type(f, U"1234", &refused); // before the lower limit
    EXPECT_TRUE(refused);
    press(f, FieldKey::Left); // three digits are taken as they are: still too early
    EXPECT_EQ(f.value(), day(2001, 2, 28));
    f.key(FieldKey::of(FieldKey::Right), Now);
    type(f, U"7");
    f.key(FieldKey::of(FieldKey::Enter), Now);
    EXPECT_EQ(f.value(), day(2007, 2, 28));
}

// ---- stepping, Home and End -----------------------------------------------------------------

TEST(DateFieldStepping, StaysWithinEachElement) {
    struct Case {
        TDateTime from;
        int element;
        FieldKey::Code key;
        TDateTime to;
    } cases[] = {
        {day(1999, 12, 31), 1, FieldKey::Up, day(1999, 1, 31)},
        {day(1999, 1, 31), 1, FieldKey::Down, day(1999, 12, 31)},
        {day(2001, 3, 31), 1, FieldKey::Down, day(2001, 2, 28)},
        {day(1999, 1, 31), 2, FieldKey::Up, day(1999, 1, 1)},
        {day(2001, 3, 1), 2, FieldKey::Down, day(2001, 3, 31)},
        {day(2001, 2, 1), 2, FieldKey::Down, day(2001, 2, 28)},
        {day(2000, 2, 29), 3, FieldKey::Up, day(2001, 2, 28)},
        {day(9999, 6, 1), 3, FieldKey::Up, day(9999, 6, 1)},
        {day(9999, 12, 31), 2, FieldKey::Up, day(9999, 12, 31)},
        {day(1899, 12, 31), 2, FieldKey::Down, day(1899, 12, 31)},
        {day(1900, 6, 1), 3, FieldKey::Down, day(1899, 12, 31)},
        {day(1999, 1, 15), 3, FieldKey::End, day(9999, 1, 15)},
        {day(1999, 1, 15), 3, FieldKey::Home, day(1900, 1, 15)},
        {day(1999, 12, 31), 3, FieldKey::Home, day(1899, 12, 31)},
        {day(2000, 2, 29), 3, FieldKey::Home, day(1900, 2, 28)},
        {day(2001, 2, 10), 2, FieldKey::End, day(2001, 2, 28)},
        {day(2001, 7, 31), 1, FieldKey::Home, day(2001, 1, 31)},
    };
    for (const Case& c : cases) {
        DateFieldEngine f(usDefaults());
        f.setValue(c.from);
        f.focusIn(false);
        for (int i = 1; i < c.element; ++i)
            f.key(FieldKey::of(FieldKey::Right), Now);
        f.key(FieldKey::of(c.key), Now);
        EXPECT_EQ(f.value(), c.to) << dateToStr(c.from, usDefaults()) << " element " << c.element;
        EXPECT_EQ(f.text(), formatDateTime("M/d/yy", f.value(), usDefaults()));
    }
}

TEST(DateFieldStepping, HomeAndEndRespectSetLimits) {
    DateFieldEngine f(usDefaults());
    f.setLimits(day(2000, 3, 20), day(2000, 10, 10));
    f.setValue(day(2000, 5, 10));
    f.focusIn(false);
    press(f, FieldKey::Home); // month, day before the limit's day: April
    EXPECT_EQ(f.value(), day(2000, 4, 10));
    press(f, FieldKey::End);
    EXPECT_EQ(f.value(), day(2000, 10, 10));
    press(f, FieldKey::Right);
    press(f, FieldKey::End); // day in the upper limit's month
    EXPECT_EQ(f.value(), day(2000, 10, 10));
    press(f, FieldKey::Up); // would pass the upper limit: nothing
    EXPECT_EQ(f.value(), day(2000, 10, 10));
    f.setValue(day(2000, 3, 25));
    press(f, FieldKey::Home);
    EXPECT_EQ(f.value(), day(2000, 3, 20));
    press(f, FieldKey::Down); // below the lower limit: the limit
    EXPECT_EQ(f.value(), day(2000, 3, 20));
}

TEST(DateFieldStepping, NameElementsStepAndTakeLetters) {
    DateFieldEngine f(usDefaults());
    f.setDateFormat(TDateFormat::dfLong); // dddd, mmmm d, yyyy
    f.setValue(day(2004, 3, 5));          // a Friday
    f.focusIn(false);
    EXPECT_EQ(f.text(), "Friday, March 5, 2004");
    press(f, FieldKey::Up);
    EXPECT_EQ(f.text(), "Saturday, March 6, 2004");
    press(f, FieldKey::Up); // wraps to the first day of the (Sunday-first) week
    EXPECT_EQ(f.text(), "Sunday, February 29, 2004");
    type(f, U"t");
    EXPECT_EQ(f.text(), "Tuesday, March 2, 2004");
    type(f, U"T");
    EXPECT_EQ(f.text(), "Thursday, March 4, 2004");
    press(f, FieldKey::Right);
    type(f, U"j");
    EXPECT_EQ(f.text(), "Friday, June 4, 2004");
    type(f, U"j");
    EXPECT_EQ(f.text(), "Sunday, July 4, 2004");
    type(f, U"x"); // no month starts with it
    EXPECT_EQ(f.text(), "Sunday, July 4, 2004");
}

// ---- empty field, Backspace, Delete, Escape -------------------------------------------------

TEST_F(UsField, EmptyFieldStartsFromToday) {
    EXPECT_EQ(f.text(), "");
    type(f, U"5");
    EXPECT_EQ(f.value(), day(2026, 5, 14));
    EXPECT_EQ(f.currentElement(), 2);

    f.setValue(0);
    press(f, FieldKey::Right);
    EXPECT_EQ(f.value(), day(2026, 3, 14));
    EXPECT_EQ(f.currentElement(), 2);

    f.setValue(0);
    press(f, FieldKey::Backspace);
    EXPECT_EQ(f.text(), "");
    press(f, FieldKey::Up); // the day element is still current
    EXPECT_EQ(f.value(), day(2026, 3, 15));

    // Shift+Home and Shift+End only select: an empty field stays empty. Without Shift they
    // start from today like the arrows.
    for (const FieldKey::Code code : {FieldKey::Home, FieldKey::End}) {
        f.setValue(0);
        press(f, code, true);
        EXPECT_EQ(f.text(), "");
        EXPECT_EQ(f.value(), 0);
        press(f, code);
        EXPECT_NE(f.text(), "");
    }
}

TEST_F(UsField, BackspaceEmptiesOnlyWhenAllIsSelected) {
    start(day(1999, 1, 15));
    EXPECT_TRUE(f.isAllSelected());
    press(f, FieldKey::Right); // element 1 first, then 2
    press(f, FieldKey::Right);
    EXPECT_EQ(f.currentElement(), 3);
    press(f, FieldKey::Backspace);
    EXPECT_EQ(f.currentElement(), 2);
    EXPECT_EQ(f.value(), day(1999, 1, 15));
    press(f, FieldKey::Home, true);
    EXPECT_TRUE(f.isAllSelected());
    press(f, FieldKey::Backspace);
    EXPECT_EQ(f.value(), 0);
    EXPECT_EQ(f.text(), "");
    EXPECT_EQ(f.date(), 0);
}

TEST_F(UsField, DeleteTakesBackAPendingDigitElseEmpties) {
    start(day(1999, 1, 15));
    type(f, U"1");
    press(f, FieldKey::Delete);
    EXPECT_FALSE(f.typing());
    EXPECT_EQ(f.text(), "1/15/99");
    EXPECT_EQ(selected(f), "1");
    press(f, FieldKey::Delete);
    EXPECT_EQ(f.text(), "");
}

TEST_F(UsField, EscapeRestoresTheValueOnEntry) {
    start(day(1999, 1, 15));
    press(f, FieldKey::Up);
    EXPECT_EQ(f.value(), day(1999, 2, 15));
    const KeyOutcome out = f.key(FieldKey::of(FieldKey::Escape), Now);
    EXPECT_FALSE(out.consumed); // the host's cancel button still sees it
    EXPECT_EQ(f.value(), day(1999, 1, 15));
    EXPECT_FALSE(f.modified());
    EXPECT_TRUE(f.isAllSelected());
}

TEST_F(UsField, ReadingCommitsPendingDigitsSoTextAndValueAgree) {
    start(day(1999, 1, 15));
    press(f, FieldKey::Right);
    press(f, FieldKey::Right);
    press(f, FieldKey::Right);
    type(f, U"9");
    EXPECT_EQ(f.text(), "1/15/9");
    EXPECT_EQ(f.date(), day(2009, 1, 15));
    EXPECT_EQ(f.text(), "1/15/09");
}

TEST_F(UsField, ControlKeysAndStrayCharactersAreSwallowed) {
    start(day(1999, 1, 15));
    FieldKey ctrlV = FieldKey::character(U'v');
    ctrlV.ctrl = true;
    EXPECT_TRUE(f.key(ctrlV, Now).consumed);
    type(f, U"x!,");
    EXPECT_EQ(f.text(), "1/15/99");
    FieldKey altDown = FieldKey::of(FieldKey::Down);
    altDown.alt = true;
    EXPECT_TRUE(f.key(altDown, Now).toggleCalendar);
    EXPECT_EQ(f.value(), day(1999, 1, 15));
}

// ---- value, text, limits --------------------------------------------------------------------

TEST(DateFieldValue, DateWriteKeepsTimeAndLimitsAreChecked) {
    DateFieldEngine f(usDefaults());
    f.setDate(encodeDateTime(2000, 1, 1, 13, 0, 0, 0));
    EXPECT_EQ(f.value(), day(2000, 1, 1)); // the time of day of the empty value
    f.setLimits(day(1999, 1, 1), day(2000, 12, 31));
    EXPECT_THROW(f.setLimits(day(2001, 1, 1), day(2000, 12, 31)), EDateTimeError);
    try {
        f.setDate(day(2001, 1, 1));
        FAIL();
    } catch (const EDateTimeError& e) {
        EXPECT_STREQ(e.what(), "Date exceeds maximum of 12/31/00");
    }
    try {
        f.setDate(day(1998, 1, 1));
        FAIL();
    } catch (const EDateTimeError& e) {
        EXPECT_STREQ(e.what(), "Date is less than minimum of 1/1/99");
    }
    EXPECT_EQ(f.value(), day(2000, 1, 1));
    f.setDate(0);
    EXPECT_EQ(f.text(), "");
}

TEST(DateFieldValue, TextWriteReadsTheDate) {
    DateFieldEngine f(usDefaults());
    f.setText("3/14/2026", 2026);
    EXPECT_EQ(f.value(), day(2026, 3, 14));
    EXPECT_EQ(f.text(), "3/14/26");
    EXPECT_THROW(f.setText("soon", 2026), EConvertError);
    EXPECT_EQ(f.value(), day(2026, 3, 14));
    f.setText("", 2026);
    EXPECT_EQ(f.text(), "");
    EXPECT_EQ(f.date(), 0);
}

TEST(DateFieldValue, PasteTakesADateOrLeavesTheValue) {
    DateFieldEngine f(usDefaults());
    f.setValue(day(1999, 1, 15));
    f.paste("1/1/50", Now);
    EXPECT_EQ(f.value(), day(2050, 1, 1));
    f.paste("not a date", Now);
    EXPECT_EQ(f.value(), day(2050, 1, 1));
    f.paste("1/1/1800", Now); // before the field's range
    EXPECT_EQ(f.value(), day(2050, 1, 1));
    f.paste(" 7 / 4 / 1776 ", Now);
    EXPECT_EQ(f.value(), day(2050, 1, 1));
    f.paste("12/24/2000 6:30 PM", Now);
    EXPECT_EQ(f.value(), encodeDateTime(2000, 12, 24, 18, 30, 0, 0));
    EXPECT_EQ(f.text(), "12/24/00");
    EXPECT_TRUE(f.modified());

    f.selectAll();
    EXPECT_EQ(f.cut(), "12/24/00");
    EXPECT_EQ(f.value(), 0);
}

TEST(ParsePastedDate, ReadsByTheShortFormatsOrder) {
    const RegionalSettings us = usDefaults();
    const RegionalSettings de = withDates("dd.MM.yyyy", ".");
    const RegionalSettings iso = withDates("yyyy-MM-dd", "-");
    RegionalSettings deNames = de;
    deNames.shortMonthNames = {"Jan.", "Feb.", "März",  "Apr.", "Mai",  "Juni",
                               "Juli", "Aug.", "Sept.", "Okt.", "Nov.", "Dez."};
    RegionalSettings slashNames = deNames;
    slashNames.dateSeparator = "/";
    struct Case {
        const RegionalSettings* rs;
        const char* text;
        bool withTime;
        TDateTime expected;
    } cases[] = {
        {&us, "1/1/50", false, day(2050, 1, 1)},
        {&us, "1/1/51", false, day(1951, 1, 1)},
        {&us, "12/25", false, day(2026, 12, 25)},
        {&us, "dec/25/1999", false, day(1999, 12, 25)},
        {&us, "2/30/2001", false, 0},
        {&us, "1/15/2000 garbage", false, day(2000, 1, 15)},
        {&us, "1/15/2000 garbage", true, 0},
        {&us, "1/15/2000 12:05 am", true, encodeDateTime(2000, 1, 15, 0, 5, 0, 0)},
        {&us, "1/15/2000 23:59:59", true, encodeDateTime(2000, 1, 15, 23, 59, 59, 0)},
        {&us, "1/15/2000 13:00 PM", true, 0},
        {&us, "1/15/2000 24:00", true, 0},
        {&us, "1/15/2000", true, 0},
        {&us, "", false, 0},
        {&us, "12345/1/1", false, 0},
        {&de, "24.12.99", false, day(1999, 12, 24)},
        {&de, "24.12", false, day(2026, 12, 24)},
        {&iso, "2004-03-05", false, day(2004, 3, 5)},
        {&iso, "3-5", false, day(2026, 3, 5)},
        // Short names with a full stop, which is also the separator here.
        {&deNames, "24.Dez.1999", false, day(1999, 12, 24)},
        {&deNames, "5.Okt.2004", false, day(2004, 10, 5)},
        {&deNames, "3.Mai.2004", false, day(2004, 5, 3)},
        {&deNames, "5.okt.2004 18:30", true, encodeDateTime(2004, 10, 5, 18, 30, 0, 0)},
        {&deNames, "1.Juni.2004", false, day(2004, 6, 1)},
        {&deNames, "1.Jun.2004", false, day(2004, 6, 1)},
        {&deNames, "24.Dez", false, day(2026, 12, 24)},
        {&slashNames, "24/Dez./1999", false, day(1999, 12, 24)},
        {&slashNames, "24/Dez/1999", false, day(1999, 12, 24)},
        // Never completed with the current year when the text goes on.
        {&deNames, "24.Dez1999", false, 0},
        {&deNames, "24.Dez 1999", false, 0},
        {&us, "12/25 1999", false, 0},
        {&us, "12/25x", false, 0},
        {&us, "1/2/20001", false, 0},
        {&iso, "2004-03-05T10:00", false, day(2004, 3, 5)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParsePastedDate(c.text, *c.rs, 2026, c.withTime), c.expected) << c.text;
}

} // namespace
} // namespace vz
