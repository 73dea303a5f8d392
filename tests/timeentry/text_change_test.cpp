#include "timeentry/text_change.h"

#include <gtest/gtest.h>

#include <string>

namespace vz {
namespace {

struct ChangeCase {
    std::u32string before, after;
    TextChange expected;
};

class TextChangeTest : public testing::TestWithParam<ChangeCase> {};

TEST_P(TextChangeTest, FindsTheShortestRunReplaced) {
    const ChangeCase& c = GetParam();
    EXPECT_EQ(textChange(c.before, c.after), c.expected);
    // Applying the change to the text before gives the text after.
    std::u32string rebuilt = c.before;
    rebuilt.replace(static_cast<std::size_t>(c.expected.position),
                    static_cast<std::size_t>(c.expected.removed),
                    c.after.substr(static_cast<std::size_t>(c.expected.position),
                                   static_cast<std::size_t>(c.expected.inserted)));
    EXPECT_EQ(rebuilt, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, TextChangeTest,
    testing::Values(ChangeCase{U"", U"", {0, 0, 0}}, ChangeCase{U"abc", U"abc", {3, 0, 0}},
                    ChangeCase{U"", U"Birthday", {0, 0, 8}},
                    ChangeCase{U"Birthday", U"", {0, 8, 0}},
                    ChangeCase{U"Birthday", U"Birthday party", {8, 0, 6}},
                    ChangeCase{U"Birthday party", U"Birthday part", {13, 1, 0}},
                    ChangeCase{U"12:00 AM", U"12:30 AM", {3, 1, 1}},
                    ChangeCase{U"12:00 AM", U"12:00 PM", {6, 1, 1}},
                    // A repeated character: the common end must not reach into the common
                    // start, or the counts would go negative.
                    ChangeCase{U"aa", U"aaa", {2, 0, 1}}, ChangeCase{U"aaa", U"aa", {2, 1, 0}},
                    ChangeCase{U"abab", U"ab", {2, 2, 0}},
                    // Whole selection typed over.
                    ChangeCase{U"Launch", U"X", {0, 6, 1}},
                    ChangeCase{U"x\U0001F600y", U"xy", {1, 1, 0}}));

TEST(TextChange, NoneOnlyWhenNothingChanged) {
    EXPECT_TRUE(textChange(U"same", U"same").none());
    EXPECT_FALSE(textChange(U"same", U"sane").none());
}

} // namespace
} // namespace vz
