#include "store/integer_text.h"
#include "store/placement_text.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(IntegerText, SignDecimalOrDollarHex) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {"0", 0},
        {"-17", -17},
        {"+17", 17},
        {"$1F", 31},
        {"$1f", 31},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"$100000000", std::nullopt},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483648", -2147483647 - 1},
        {"00000000000000000012", 12},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"1.0", std::nullopt},
        {"0x10", std::nullopt},
        {"$-1", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseIntegerText(c.text), c.expected) << c.text;
}

TEST(PlacementText, NextNumberShortensTheText) {
    struct Case {
        const char* text;
        int defaultValue;
        int expected;
        const char* rest;
    } cases[] = {
        {"12 34 ", 0, 12, "34 "},
        {"-5 x", 0, -5, "x"},
        {"$1F 2", 0, 31, "2"},
        {"abc 5 ", 7, 7, "5 "},
        {" 5 ", 7, 7, "5 "},
        {"42", 0, 42, "42"}, // no delimiter: the text stays, so it is read again
        {"", 9, 9, ""},
        {"99999999999 1", 3, 3, "1"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(NextPlacementNumber(text, c.defaultValue), c.expected) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
    }
}

TEST(PlacementText, KeepsAtMost255CharactersAfterANumber) {
    std::string text = "1 " + std::string(300, '9');
    EXPECT_EQ(NextPlacementNumber(text, 0), 1);
    EXPECT_EQ(text, std::string(255, '9'));
}

TEST(PlacementText, TenNumbersEachFollowedByTheDelimiter) {
    WindowPlacementRecord p;
    p.showCmd = ShowMaximized;
    p.minX = -32000;
    p.minY = -32000;
    p.maxX = -8;
    p.maxY = -8;
    p.left = 10;
    p.top = 20;
    p.right = 650;
    p.bottom = 500;
    const std::string text = placementToText(p);
    EXPECT_EQ(text, "0 3 -32000 -32000 -8 -8 10 20 650 500 ");
    EXPECT_EQ(placementFromText(text), p);
    EXPECT_EQ(AppendPlacementNumber("1 ", 2), "1 2 ");
    EXPECT_EQ(placementFromText(placementToText(p, ";"), ";"), p);
}

TEST(PlacementText, ShortOrBadTextsTakeDefaults) {
    const WindowPlacementRecord none = placementFromText("");
    EXPECT_EQ(none, WindowPlacementRecord{});
    EXPECT_EQ(none.showCmd, ShowNormal);
    EXPECT_FALSE(placementApplies(none));

    // Once no delimiter is left, the last number fills every remaining field.
    const WindowPlacementRecord shortText = placementFromText("1 3 5");
    EXPECT_EQ(shortText.flags, 1);
    EXPECT_EQ(shortText.showCmd, 3);
    EXPECT_EQ(shortText.minX, 5);
    EXPECT_EQ(shortText.bottom, 5);
    EXPECT_FALSE(placementApplies(shortText));

    const WindowPlacementRecord bad = placementFromText("x y 1 2 3 4 10 20 q 40 ");
    EXPECT_EQ(bad.flags, 0);
    EXPECT_EQ(bad.showCmd, ShowNormal);
    EXPECT_EQ(bad.right, 0);
    EXPECT_EQ(bad.bottom, 40);
    EXPECT_FALSE(placementApplies(bad));
    EXPECT_TRUE(placementApplies(placementFromText("0 1 0 0 0 0 -5000 -5000 -4000 -4000 ")));
}

TEST(PlacementText, OnlyTenIntegersAreAStoredPlacement) {
    const WindowPlacementRecord saved = *storedPlacement("0 3 -1 -1 -8 -8 10 20 650 500 ");
    EXPECT_EQ(saved.showCmd, ShowMaximized);
    EXPECT_EQ(saved.left, 10);
    EXPECT_EQ(saved.bottom, 500);
    // The last delimiter may be missing.
    EXPECT_EQ(storedPlacement("0 1 0 0 0 0 10 20 650 500"),
              storedPlacement("0 1 0 0 0 0 10 20 650 500 "));
    EXPECT_EQ(storedPlacement("0;1;0;0;0;0;1;2;3;4;", ";")->bottom, 4);

    for (const char* text :
         {"", " ", "0, 1, 2", "0 1 2 ", "0 1 0 0 0 0 10 20 650 ", "0 1 0 0 0 0 10 20 650 500 7 ",
          "0 1 0 0 0 0 10 20 650 x ", "0 1 0 0 0 0 10 20  650 500 ",
          "0 1 0 0 0 0 10 20 650 99999999999 ", "0,1,0,0,0,0,10,20,650,500,"})
        EXPECT_FALSE(storedPlacement(text)) << '"' << text << '"';
}

} // namespace
} // namespace vz
