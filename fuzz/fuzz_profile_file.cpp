// The profile file on arbitrary bytes: reading never fails, every value read is valid UTF-8 of at
// most 1023 characters, a name that could not read back is refused without a change, writing leaves
// a file that reads back the same as the object in memory, and a written value reads back as
// written. The UTF-8 rules are checked against a decoder of this file's own, so a fault in the
// store's text encoding cannot hide behind itself.
#include "store/profile_file.h"
#include "store/text_encoding.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

// UTF-8 from its byte rules: the shortest form of a code point up to U+10FFFF that is not a
// UTF-16 surrogate.
bool referenceIsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        char32_t cp = lead;
        char32_t smallest = 0;
        if (lead >= 0x80) {
            if ((lead & 0xE0) == 0xC0) {
                length = 2, cp = lead & 0x1F, smallest = 0x80;
            } else if ((lead & 0xF0) == 0xE0) {
                length = 3, cp = lead & 0x0F, smallest = 0x800;
            } else if ((lead & 0xF8) == 0xF0) {
                length = 4, cp = lead & 0x07, smallest = 0x10000;
            } else {
                return false;
            }
        }
        if (text.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::size_t referenceCodePoints(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// Windows-1252: 0x80 to 0x9F from the code page's chart (its five holes as the C1 controls of
// the same number), the rest as Latin-1.
std::string referenceFromWindows1252(std::string_view bytes) {
    static const char32_t high[] = U"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021"
                                   U"\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F"
                                   U"\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014"
                                   U"\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178";
    std::string out;
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        const char32_t cp = b >= 0x80 && b < 0xA0 ? high[b - 0x80] : b;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::string referenceToValidUtf8(std::string_view text) {
    return referenceIsUtf8(text) ? std::string(text) : referenceFromWindows1252(text);
}

void checkValue(const std::string& value) {
    check(referenceIsUtf8(value));
    check(referenceCodePoints(value) <= vz::ProfileFile::MaxValueLength);
}

// The store's own text functions agree with the reference on any bytes.
void checkEncoding(std::string_view bytes) {
    check(vz::isValidUtf8(bytes) == referenceIsUtf8(bytes));
    // Every short run of bytes on its own too: a whole input hardly ever has one fault alone.
    for (std::size_t at = 0; at < bytes.size(); ++at)
        for (std::size_t length = 1; length <= 4 && at + length <= bytes.size(); ++length)
            check(vz::isValidUtf8(bytes.substr(at, length)) ==
                  referenceIsUtf8(bytes.substr(at, length)));
    check(vz::toValidUtf8(bytes) == referenceToValidUtf8(bytes));
    std::string_view body = bytes;
    while (body.starts_with("\xEF\xBB\xBF"))
        body.remove_prefix(3);
    // Each line on its own, split where the reference sees a CR or LF.
    std::string lines;
    for (std::size_t at = 0; at <= body.size();) {
        std::size_t end = at;
        while (end < body.size() && body[end] != '\r' && body[end] != '\n')
            ++end;
        lines += referenceToValidUtf8(body.substr(at, end - at));
        if (end < body.size())
            lines += body[end];
        at = end + 1;
    }
    check(vz::decodeStoreText(bytes) == lines);
    const std::string utf8 = referenceToValidUtf8(bytes);
    for (const std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{5}, bytes.size()}) {
        const std::string_view prefix = vz::utf8Prefix(utf8, count);
        check(utf8.starts_with(prefix) && referenceIsUtf8(prefix) &&
              referenceCodePoints(prefix) == std::min(count, referenceCodePoints(utf8)));
    }
}

// Splits the input at its first '|' characters into names and a value to write.
std::string_view nextPart(std::string_view& rest) {
    const auto bar = rest.find('|');
    const std::string_view part = rest.substr(0, bar);
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    return part;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkEncoding(input);
    vz::ProfileFile ini = vz::ProfileFile::fromBytes(input);

    std::string_view rest = input;
    const std::string section(nextPart(rest));
    const std::string key(nextPart(rest));
    const std::string value(nextPart(rest));
    const char* fixedSections[] = {"Entry1", "S", "Split", ""};
    const char* fixedKeys[] = {"Desc", "k", "Pos", ""};

    for (const char* s : fixedSections)
        for (const char* k : fixedKeys) {
            checkValue(ini.readString(s, k, "default"));
            ini.readInteger(s, k, 0);
        }
    checkValue(ini.readString(section, key, ""));

    // A serialised file parses to itself.
    const std::string bytes = ini.toBytes();
    check(referenceIsUtf8(bytes));
    check(vz::ProfileFile::fromBytes(bytes).toBytes() == bytes);

    bool plainNames = true;
    try {
        ini.writeString(section, key, value);
    } catch (const std::invalid_argument&) {
        plainNames = false;
    }
    check(plainNames || ini.toBytes() == bytes);
    ini.writeString("S", "k", value);
    if (plainNames)
        ini.writeInteger(section, "n", static_cast<std::int32_t>(size));
    const vz::ProfileFile reread = vz::ProfileFile::fromBytes(ini.toBytes());
    check(reread.toBytes() == ini.toBytes());
    for (const char* s : fixedSections)
        for (const char* k : fixedKeys)
            check(reread.readString(s, k, "default") == ini.readString(s, k, "default"));
    check(reread.readString(section, key, "default") == ini.readString(section, key, "default"));

    checkEncoding(value);
    std::string expected = referenceToValidUtf8(value);
    for (char& c : expected)
        if (c == '\r' || c == '\n')
            c = ' ';
    const std::string stored = reread.readString("S", "k", "");
    check(expected.starts_with(stored) &&
          referenceCodePoints(stored) == std::min<std::size_t>(referenceCodePoints(expected),
                                                               vz::ProfileFile::MaxValueLength));
    return 0;
}
