#include "timeentry/entry_errors.h"
#include "timeentry/simple_editor.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

const std::string Forty = "abcdefghijklmnopqrstuvwxyz0123456789ABCD";

TVzSimpleEditor field(std::string_view text, int caret, bool insert = true) {
    TVzSimpleEditor ed;
    ed.setText(text);
    ed.enter(insert, false, false);
    ed.mousePress(caret, false);
    return ed;
}

TEST(SimpleEditor, FullFieldTyping) {
    struct {
        int caret;
        bool insert;
        const char* text; // what the 40 characters become after typing '!'
        bool refused;
    } cases[] = {
        {40, true, nullptr, true},  // the 41st character at the end: refused
        {40, false, nullptr, true}, // overwrite at the end of a full field
        {0, true, "!abcdefghijklmnopqrstuvwxyz0123456789ABC", false}, // the last one drops
        {5, false, "abcde!ghijklmnopqrstuvwxyz0123456789ABCD", false},
    };
    for (const auto& c : cases) {
        auto ed = field(Forty, c.caret, c.insert);
        const auto result = ed.typeChar(U'!');
        EXPECT_EQ(result.refused, c.refused) << c.caret;
        EXPECT_EQ(ed.text(), c.text ? c.text : Forty);
        EXPECT_EQ(ed.length(), 40);
    }
    auto noPush = field(Forty, 3);
    noPush.setInsertPushes(false);
    EXPECT_TRUE(noPush.typeChar(U'!').refused);
}

TEST(SimpleEditor, TypingDeletingAndControlCharacters) {
    auto ed = field("", 0);
    for (char32_t c : U"Bir day")
        if (c)
            ed.typeChar(c);
    EXPECT_EQ(ed.text(), "Bir day");
    EXPECT_TRUE(ed.typeChar(U'\n').refused);
    ed.command(ccWordLeft);
    EXPECT_EQ(ed.caret(), 4);
    ed.command(ccLeft);
    ed.typeChar(U't');
    ed.typeChar(U'h');
    ed.command(ccDel);
    EXPECT_EQ(ed.text(), "Birthday");
    ed.command(ccBack);
    EXPECT_EQ(ed.text(), "Birtday");
    ed.command(ccIns);
    ed.command(ccHome);
    ed.typeChar(U'b');
    EXPECT_EQ(ed.text(), "birtday");
    ed.command(ccEnd);
    ed.typeChar(U'!'); // overwrite at the end appends
    EXPECT_EQ(ed.text(), "birtday!");
    ed.command(ccExtWordLeft);
    EXPECT_EQ(ed.selectedText(), "birtday!");
    ed.typeChar(U'x');
    EXPECT_EQ(ed.text(), "x");
    EXPECT_TRUE(ed.modified());
    auto unicode = field("", 0);
    unicode.typeChar(U'é');
    unicode.typeChar(U'€');
    EXPECT_EQ(unicode.length(), 2);
    EXPECT_EQ(unicode.text(), "é€");
}

TEST(SimpleEditor, WritingKeepsTheFirstFortyCharacters) {
    TVzSimpleEditor ed;
    ed.setText(Forty + "0123456789");
    EXPECT_EQ(ed.text(), Forty);
    ed.setText("");
    EXPECT_EQ(ed.length(), 0);
    ed.setText(std::string(45, '\xC3')); // malformed bytes still count as characters
    EXPECT_EQ(ed.length(), 40);
    EXPECT_FALSE(ed.modified());
}

TEST(SimpleEditor, Paste) {
    auto ed = field("Party", 5);
    ed.paste(" at\r\nnoon\t!");
    EXPECT_EQ(ed.text(), "Party atnoon!");
    auto full = field(Forty, 2);
    full.paste("XYZ");
    EXPECT_EQ(full.text(), "abXYZcdefghijklmnopqrstuvwxyz0123456789A");
    EXPECT_EQ(full.caret(), 5);
    auto atEnd = field(std::string(38, '-'), 38, false);
    atEnd.paste("12345");
    EXPECT_EQ(atEnd.text(), std::string(38, '-') + "12");
    auto selected = field("old text", 0);
    selected.selectAll();
    selected.paste("new");
    EXPECT_EQ(selected.text(), "new");
}

TEST(SimpleEditor, TrimOnLeaving) {
    auto ed = field("  Word ", 7);
    EXPECT_EQ(ed.text(), "  Word "); // blanks are kept while the field has the focus
    EXPECT_TRUE(ed.trim());
    EXPECT_EQ(ed.text(), "Word");
    EXPECT_EQ(ed.caret(), 4);
    EXPECT_FALSE(ed.trim());
    auto blanks = field("   ", 1);
    EXPECT_TRUE(blanks.trim());
    EXPECT_EQ(blanks.length(), 0);
    EXPECT_EQ(blanks.caret(), 0);
}

TEST(SimpleEditor, RestoreAndPicture) {
    TVzSimpleEditor ed;
    ed.setText("Holiday");
    ed.enter(true, true, true);
    ed.typeChar(U'x');
    ed.command(ccUndo);
    EXPECT_EQ(ed.text(), "Holiday");
    EXPECT_EQ(ed.selectedText(), "Holiday");
    EXPECT_THROW(ed.setPictureMask("!"), EInvalidPictureMask);
    ed.setMaxLength(4);
    EXPECT_EQ(ed.text(), "Holi");
    ed.command(ccRestore); // the text saved on entry is cut as well
    EXPECT_EQ(ed.text(), "Holi");
    ed.setMaxLength(0);
    EXPECT_EQ(ed.maxLength(), 1);
}

} // namespace
} // namespace vz
