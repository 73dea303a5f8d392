#include "store/profile_file.h"

#include "store/atomic_file.h"
#include "store/integer_text.h"
#include "store/text_encoding.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

namespace vz {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view trim(std::string_view text) {
    text = trimLeft(text);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string fold(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return folded;
}

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

bool isQuoted(std::string_view value) {
    return value.size() >= 2 && isQuote(value.front()) && value.front() == value.back();
}

std::optional<std::string_view> headingName(std::string_view line) {
    line = trimLeft(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return trim(line.substr(0, line.find(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
    line = trimLeft(line);
    if (line.empty() || line.front() == ';' || line.front() == '[')
        return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyLine{trim(line.substr(0, equals)), trim(line.substr(equals + 1))};
}

constexpr std::string_view NotANameMessage = "not a name a profile file can hold";

bool hasLineBreak(std::string_view name) {
    return name.find_first_of("\r\n") != name.npos;
}

bool isTrimmed(std::string_view name) {
    return name.empty() || (!isBlank(name.front()) && !isBlank(name.back()));
}

// Names that read back as themselves: a key line must not read as a heading or comment, nor
// split at an "=" inside the key; a heading ends at its first "]".
bool isPlainSectionName(std::string_view name) {
    return isTrimmed(name) && !hasLineBreak(name) && name.find(']') == name.npos &&
           isValidUtf8(name);
}

bool isPlainKeyName(std::string_view name) {
    return isTrimmed(name) && !hasLineBreak(name) && name.find('=') == name.npos &&
           (name.empty() || (name.front() != ';' && name.front() != '[')) && isValidUtf8(name);
}

// A value must stay on its line and keep the file valid UTF-8.
std::string oneLine(std::string_view text) {
    std::string line = toValidUtf8(text);
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line;
}

std::string encodeValue(std::string_view value) {
    const std::string text = oneLine(value);
    const bool changesOnReading =
        !text.empty() && (isBlank(text.front()) || isBlank(text.back()) || isQuoted(text));
    return changesOnReading ? '"' + text + '"' : text;
}

} // namespace

ProfileFile ProfileFile::fromBytes(std::string_view bytes) {
    const std::string text = decodeStoreText(bytes);
    ProfileFile file;
    file.m_sections.emplace_back();
    std::size_t at = 0;
    while (at < text.size()) {
        const auto stop = text.find_first_of("\r\n", at);
        Line line;
        if (stop == std::string::npos) {
            line.text = text.substr(at);
            line.end = LineEnd::None;
            at = text.size();
        } else {
            line.text = text.substr(at, stop - at);
            if (text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n') {
                line.end = LineEnd::CrLf;
                at = stop + 2;
            } else {
                line.end = text[stop] == '\r' ? LineEnd::Cr : LineEnd::Lf;
                at = stop + 1;
            }
        }
        if (const auto name = headingName(line.text)) {
            file.m_sectionIndex.try_emplace(fold(*name), file.m_sections.size());
            file.m_sections.emplace_back();
        }
        file.m_sections.back().lines.push_back(std::move(line));
    }
    return file;
}

ProfileFile ProfileFile::open(const std::filesystem::path& path) {
    std::string bytes;
    const bool read = readWholeFile(path, bytes);
    ProfileFile file = fromBytes(bytes);
    std::error_code ec;
    file.m_unreadable = !read && std::filesystem::exists(path, ec);
    return file;
}

const ProfileFile::KeyIndex& ProfileFile::keysOf(const Section& section) {
    if (!section.keys) {
        section.keys.emplace();
        for (std::size_t i = 1; i < section.lines.size(); ++i)
            if (const auto key = keyLine(section.lines[i].text))
                section.keys->try_emplace(fold(key->key), i);
    }
    return *section.keys;
}

const ProfileFile::Line* ProfileFile::findKey(std::string_view section,
                                              std::string_view key) const {
    const auto found = m_sectionIndex.find(fold(section));
    if (found == m_sectionIndex.end())
        return nullptr;
    const Section& s = m_sections[found->second];
    const KeyIndex& keys = keysOf(s);
    const auto line = keys.find(fold(key));
    return line == keys.end() ? nullptr : &s.lines[line->second];
}

bool ProfileFile::sectionExists(std::string_view section) const {
    return m_sectionIndex.contains(fold(section));
}

std::optional<std::string> ProfileFile::readValue(std::string_view section,
                                                  std::string_view key) const {
    const Line* line = findKey(section, key);
    if (!line)
        return std::nullopt;
    std::string_view value = keyLine(line->text)->value;
    if (isQuoted(value))
        value = value.substr(1, value.size() - 2);
    return std::string(utf8Prefix(value, MaxValueLength));
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    if (auto value = readValue(section, key))
        return std::move(*value);
    return std::string(utf8Prefix(defaultValue, MaxValueLength));
}

std::int32_t ProfileFile::readInteger(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const {
    const std::string text = readString(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return integerTextOr("$" + text.substr(2), defaultValue);
    return integerTextOr(text, defaultValue);
}

void ProfileFile::finishLastLine() {
    for (auto s = m_sections.rbegin(); s != m_sections.rend(); ++s) {
        if (!s->lines.empty()) {
            if (s->lines.back().end == LineEnd::None)
                s->lines.back().end = LineEnd::CrLf;
            return;
        }
    }
}

void ProfileFile::writeString(std::string_view section, std::string_view key,
                              std::string_view value) {
    if (m_sections.empty())
        m_sections.emplace_back();
    if (!isPlainSectionName(section) || !isPlainKeyName(key))
        throw std::invalid_argument(std::string(NotANameMessage));
    const std::string encoded = encodeValue(value);

    const auto found = m_sectionIndex.find(fold(section));
    if (found == m_sectionIndex.end()) {
        finishLastLine();
        Section added;
        added.lines.push_back({"[" + std::string(section) + "]", LineEnd::CrLf});
        added.lines.push_back({std::string(key) + "=" + encoded, LineEnd::CrLf});
        added.keys.emplace().emplace(fold(key), 1);
        m_sectionIndex.emplace(fold(section), m_sections.size());
        m_sections.push_back(std::move(added));
        return;
    }

    Section& s = m_sections[found->second];
    const KeyIndex& keys = keysOf(s);
    if (const auto existing = keys.find(fold(key)); existing != keys.end()) {
        Line& line = s.lines[existing->second];
        line.text = std::string(keyLine(line.text)->key) + "=" + encoded;
        return;
    }
    // After the section's last non-blank line, so blank lines that separate it from the next
    // section stay in front of that section. Only blank lines follow, so no key index moves.
    std::size_t at = s.lines.size();
    while (at > 1 && trim(s.lines[at - 1].text).empty())
        --at;
    if (s.lines[at - 1].end == LineEnd::None)
        s.lines[at - 1].end = LineEnd::CrLf;
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at),
                   Line{std::string(key) + "=" + encoded, LineEnd::CrLf});
    s.keys->emplace(fold(key), at);
}

void ProfileFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
    writeString(section, key, std::to_string(value));
}

std::vector<std::string> ProfileFile::sectionNames() const {
    std::vector<std::pair<std::size_t, std::string>> found;
    for (const auto& [folded, at] : m_sectionIndex)
        found.emplace_back(at, std::string(*headingName(m_sections[at].lines.front().text)));
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& [at, name] : found)
        names.push_back(std::move(name));
    return names;
}

void ProfileFile::removeSection(std::string_view section) {
    const std::string folded = fold(section);
    if (m_sectionIndex.erase(folded) == 0)
        return;
    // Later copies, hidden behind the first until now, would show up at the next read.
    for (std::size_t i = 1; i < m_sections.size(); ++i) {
        Section& s = m_sections[i];
        if (!s.lines.empty() && fold(*headingName(s.lines.front().text)) == folded) {
            s.lines.clear();
            s.keys.reset();
        }
    }
}

void ProfileFile::deleteKey(std::string_view section, std::string_view key) {
    const auto found = m_sectionIndex.find(fold(section));
    if (found == m_sectionIndex.end())
        return;
    Section& s = m_sections[found->second];
    const std::string folded = fold(key);
    if (!keysOf(s).contains(folded))
        return;
    // Line 0 is the heading.
    for (std::size_t i = s.lines.size(); i-- > 1;)
        if (const auto parsed = keyLine(s.lines[i].text); parsed && fold(parsed->key) == folded)
            s.lines.erase(s.lines.begin() + static_cast<std::ptrdiff_t>(i));
    s.keys.reset();
}

std::string ProfileFile::toBytes() const {
    std::string bytes;
    for (const Section& s : m_sections) {
        for (const Line& line : s.lines) {
            bytes += line.text;
            switch (line.end) {
            case LineEnd::None:
                break;
            case LineEnd::CrLf:
                bytes += "\r\n";
                break;
            case LineEnd::Lf:
                bytes += '\n';
                break;
            case LineEnd::Cr:
                bytes += '\r';
                break;
            }
        }
    }
    return bytes;
}

void ProfileFile::commit(const std::filesystem::path& path) const {
    if (m_unreadable)
        throw StoreWriteError(path);
    replaceFileAtomically(path, toBytes());
}

} // namespace vz
