// An INI file read and written the way the Windows private-profile functions do it, so stores
// written by the older Windows program load unchanged and stores we write load there.
//
// Reading: section and key names match without regard to ASCII case; the first of two equal
// sections, and the first of two equal keys in a section, wins; blanks and tabs around keys and
// values are ignored; a value in a matching pair of double or single quotes loses them; a line
// whose first non-blank character is ';' is a comment; a line without '=' is not a key; lines
// before the first section belong to none; at most 1023 characters of a value are seen.
// Writing: an existing key's line is replaced in place (keeping the file's spelling of the key),
// a new key goes to the end of its section, a new section to the end of the file; untouched lines
// keep their bytes and line ends, new lines end in CR LF.
//
// One object is one open of the file: it is read once, changed in memory and committed whole.
//
//     vz::ProfileFile ini = vz::ProfileFile::open(folder / "zadud2.ini");
//     std::string desc = ini.readString("Entry1", "Desc", "error");
//     ini.writeInteger("Lastone", "Top", 1);
//     ini.commit(folder / "zadud2.ini");   // all or nothing; throws vz::StoreWriteError
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vz {

class ProfileFile {
public:
    // Values longer than this many characters are cut when read.
    static constexpr std::size_t MaxValueLength = 1023;

    ProfileFile() = default;
    // Bytes in UTF-8 (a byte-order mark is skipped) or, when not valid UTF-8, Windows-1252.
    static ProfileFile fromBytes(std::string_view bytes);
    // A missing or unreadable file reads as empty. An existing file that could not be read is
    // remembered, and committing over it is refused rather than destroying what we never saw.
    static ProfileFile open(const std::filesystem::path& path);

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The value of a key, or nothing when the key is missing; unlike readString, a value that
    // happens to equal some default is still told from a missing key.
    std::optional<std::string> readValue(std::string_view section, std::string_view key) const;
    // A "0x" or "0X" prefix is hexadecimal; a value that is not an integer gives the default.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;

    // Line breaks in values become blanks (a value is one line), and bytes that are not UTF-8
    // are taken as Windows-1252, so the file stays one encoding. A value that reading
    // would change, by trimming its blanks or removing its quotes, is written in double quotes, so
    // every value reads back as written. Names must read back as themselves (no line break, no
    // surrounding blanks, no "]" in a section name, no "=" in a key, no key starting with ";" or
    // "["); anything else is a programming error and throws std::invalid_argument.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    // Removes the key (every line of it) from the section reads look in; nothing else moves.
    void deleteKey(std::string_view section, std::string_view key);

    bool sectionExists(std::string_view section) const;
    // The names of the file's sections as written, in file order, each once.
    std::vector<std::string> sectionNames() const;
    // Removes a section, every copy of it, with all its keys and comments.
    void removeSection(std::string_view section);
    // The file existed when opened but could not be read.
    bool unreadable() const { return m_unreadable; }

    // The file's text, UTF-8.
    std::string toBytes() const;
    // Replaces the file at `path` with toBytes(), atomically; throws vz::StoreWriteError.
    void commit(const std::filesystem::path& path) const;

private:
    enum class LineEnd : std::uint8_t { None, CrLf, Lf, Cr };
    struct Line {
        std::string text;
        LineEnd end = LineEnd::CrLf;
    };
    using KeyIndex = std::unordered_map<std::string, std::size_t>; // folded key -> first line
    // A section's lines start with its heading; the block before the first heading has none.
    // Its keys are indexed when first asked for: a store only looks into a few sections, and a
    // large hand-made file should cost little more than splitting it into lines.
    struct Section {
        std::vector<Line> lines;
        mutable std::optional<KeyIndex> keys;
    };

    const Line* findKey(std::string_view section, std::string_view key) const;
    static const KeyIndex& keysOf(const Section& section);
    void finishLastLine();

    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex; // folded name -> first section
    bool m_unreadable = false;
};

} // namespace vz
