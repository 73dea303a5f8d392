#include "store/text_encoding.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

struct Bytes {
    std::string_view bytes;
    const char* what;
};

TEST(Utf8Check, AcceptsEveryWellFormedSequenceUpToItsLimits) {
    for (const Bytes& b : {
             Bytes{"", "empty"},
             Bytes{"plain\r\n", "ASCII"},
             Bytes{"\xC2\x80", "U+0080, the first two-byte value"},
             Bytes{"\xDF\xBF", "U+07FF, the last two-byte value"},
             Bytes{"\xE0\xA0\x80", "U+0800, the first three-byte value"},
             Bytes{"\xED\x9F\xBF", "U+D7FF, just below the surrogates"},
             Bytes{"\xEE\x80\x80", "U+E000, just above the surrogates"},
             Bytes{"\xEF\xBF\xBF", "U+FFFF"},
             Bytes{"\xF0\x90\x80\x80", "U+10000, the first four-byte value"},
             Bytes{"\xF4\x8F\xBF\xBF", "U+10FFFF, the last code point"},
             Bytes{"Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\x82", "mixed"},
         })
        EXPECT_TRUE(isValidUtf8(b.bytes)) << b.what;
}

TEST(Utf8Check, RefusesWhatUtf8DoesNotAllow) {
    for (const Bytes& b : {
             Bytes{"\xC0\xAF", "overlong '/' in two bytes"},
             Bytes{"\xC1\xBF", "overlong U+007F"},
             Bytes{"\xE0\x80\xAF", "overlong '/' in three bytes"},
             Bytes{"\xE0\x9F\xBF", "overlong U+07FF"},
             Bytes{"\xF0\x80\x80\xAF", "overlong '/' in four bytes"},
             Bytes{"\xF0\x8F\xBF\xBF", "overlong U+FFFF"},
             Bytes{"\xED\xA0\x80", "U+D800, a UTF-16 surrogate"},
             Bytes{"\xED\xBF\xBF", "U+DFFF, a UTF-16 surrogate"},
             Bytes{"\xF4\x90\x80\x80", "U+110000, past the last code point"},
             Bytes{"\xF5\x80\x80\x80", "a lead byte past F4"},
             Bytes{"\xFF", "FF"},
             Bytes{"\x80", "a continuation byte alone"},
             Bytes{"a\xE2\x82", "a sequence cut short by the end"},
             Bytes{"\xE2\x82\x41", "a sequence cut short by ASCII"},
             Bytes{"\xC3\xC3\xA9", "a lead byte where a continuation belongs"},
         })
        EXPECT_FALSE(isValidUtf8(b.bytes)) << b.what;
}

TEST(StoreText, ByteOrderMarksAreDroppedOnlyAtTheStart) {
    EXPECT_EQ(decodeStoreText("\xEF\xBB\xBF[S]"), "[S]");
    EXPECT_EQ(decodeStoreText("\xEF\xBB\xBF\xEF\xBB\xBF[S]"), "[S]");
    EXPECT_EQ(decodeStoreText("[S]\xEF\xBB\xBF"), "[S]\xEF\xBB\xBF");
    EXPECT_EQ(decodeStoreText("\xEF\xBB"), "\xC3\xAF\xC2\xBB"); // half a mark is Windows-1252
}

TEST(StoreText, BytesThatAreNotUtf8AreReadAsWindows1252) {
    for (const auto& [bytes, utf8] :
         std::initializer_list<std::pair<std::string_view, std::string_view>>{
             {"Caf\xE9", "Caf\xC3\xA9"},
             {"\x80", "\xE2\x82\xAC"},                                             // euro sign
             {"\x8A\x9F", "\xC5\xA0\xC5\xB8"},                                     // Š Ÿ
             {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"}, // undefined
             {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
             // One invalid byte makes the whole value Windows-1252, valid pairs included.
             {"\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9"},
         }) {
        EXPECT_EQ(decodeStoreText(bytes), utf8);
        EXPECT_EQ(toValidUtf8(bytes), utf8);
        EXPECT_TRUE(isValidUtf8(utf8));
    }
    EXPECT_EQ(toValidUtf8("Caf\xC3\xA9"), "Caf\xC3\xA9");
    EXPECT_EQ(decodeStoreText("\xEF\xBB\xBF"
                              "Caf\xE9"),
              "Caf\xC3\xA9");
}

// A file mixing UTF-8 values with one written in Windows-1252 keeps every UTF-8 value as it is.
TEST(StoreText, EachLineIsDecodedOnItsOwn) {
    for (const auto& [bytes, utf8] :
         std::initializer_list<std::pair<std::string_view, std::string_view>>{
             {"Desc=M\xC3\xBCller\r\nDesc=J\xF6rg\r\nDesc=Caf\xC3\xA9 \xE2\x82\xAC"
              "5\r\n",
              "Desc=M\xC3\xBCller\r\nDesc=J\xC3\xB6rg\r\nDesc=Caf\xC3\xA9 \xE2\x82\xAC"
              "5\r\n"},
             // Bare CR, bare LF, blank lines and no final line end.
             {"a=\xE9\rb=\xC3\xA9\n\n\nc=\x80", "a=\xC3\xA9\rb=\xC3\xA9\n\n\nc=\xE2\x82\xAC"},
             // A file wholly in Windows-1252, as the older program wrote it.
             {"[Entry1]\r\nDesc=J\xF6rg\r\nTime=07:30\r\n[Entry2]\r\nDesc=Caf\xE9 \x80\r\n",
              "[Entry1]\r\nDesc=J\xC3\xB6rg\r\nTime=07:30\r\n[Entry2]\r\nDesc=Caf\xC3\xA9 "
              "\xE2\x82\xAC\r\n"},
             // A byte-order mark before a Windows-1252 first line.
             {"\xEF\xBB\xBF"
              "a=\xE9\r\nb=\xC3\xA9",
              "a=\xC3\xA9\r\nb=\xC3\xA9"},
         })
        EXPECT_EQ(decodeStoreText(bytes), utf8) << bytes;
}

TEST(StoreText, PrefixCountsCodePoints) {
    EXPECT_EQ(utf8Prefix("Caf\xC3\xA9 au lait", 4), "Caf\xC3\xA9");
    EXPECT_EQ(utf8Prefix("\xF0\x9F\x8E\x82x", 1), "\xF0\x9F\x8E\x82");
    EXPECT_EQ(utf8Prefix("ab", 5), "ab");
    EXPECT_EQ(utf8Prefix("ab", 0), "");
}

} // namespace
} // namespace vz
