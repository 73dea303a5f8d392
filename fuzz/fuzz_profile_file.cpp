// The profile file on arbitrary bytes: reading never fails, every value read is valid UTF-8 of at
// most 1023 characters, a name that could not read back is refused without a change, writing leaves
// a file that reads back the same as the object in memory, and a written value reads back as
// written.
#include "store/profile_file.h"
#include "store/text_encoding.h"

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

void checkValue(const std::string& value) {
    check(vz::isValidUtf8(value));
    check(vz::utf8Prefix(value, vz::ProfileFile::MaxValueLength).size() == value.size());
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
    check(vz::isValidUtf8(bytes));
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

    std::string expected = vz::toValidUtf8(value);
    for (char& c : expected)
        if (c == '\r' || c == '\n')
            c = ' ';
    check(reread.readString("S", "k", "") ==
          vz::utf8Prefix(expected, vz::ProfileFile::MaxValueLength));
    return 0;
}
