// Random key sequences, clicks and pasted texts on the date field's editing engine: the value
// never leaves 31 December 1899 – 31 December 9999, a completed edit always shows the value's
// own text, and the selection stays within the text.
#include "dateentry/date_field_engine.h"
#include "engine/datetext.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct Format {
    const char* pattern;
    const char* separator;
};
constexpr Format Formats[] = {{"M/d/yy", "/"},       {"dd.MM.yyyy", "."}, {"yyyy-MM-dd", "-"},
                              {"d/M/yy", "/"},       {"M/d/yyyy", "/"},   {"d. MMMM yyyy", "."},
                              {"ddd d mmm yy", "/"}, {"yy/m/d", "/"}};

constexpr vz::FieldKey::Code Codes[] = {
    vz::FieldKey::Left, vz::FieldKey::Right,  vz::FieldKey::Up,        vz::FieldKey::Down,
    vz::FieldKey::Home, vz::FieldKey::End,    vz::FieldKey::Backspace, vz::FieldKey::Delete,
    vz::FieldKey::F2,   vz::FieldKey::Escape, vz::FieldKey::Enter};

void check(const vz::DateFieldEngine& f) {
    const vz::TDateTime v = f.value();
    const std::int64_t day = vz::wholeDay(v);
    if (day != 0 && (day < vz::FirstFieldDay || day > vz::LastFieldDay))
        std::abort();
    const vz::Selection s = f.selection();
    if (s.start < 0 || s.length < 0 || s.start + s.length > vz::codePointCount(f.text()))
        std::abort();
    if (!f.typing()) {
        const std::string expected =
            day == 0 ? std::string() : f.elements().render(v, f.settings()).text;
        if (f.text() != expected)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    const Format& format = Formats[data[0] % std::size(Formats)];
    vz::RegionalSettings rs = vz::usDefaults();
    rs.shortDateFormat = format.pattern;
    rs.dateSeparator = format.separator;
    rs.firstDayOfWeek = data[1] % 7;
    vz::DateFieldOptions options;
    options.Epoch = 1900 + data[2] % 200;
    vz::DateFieldEngine f(rs, options);
    // Start somewhere in the range, or empty.
    const std::int64_t start = (static_cast<std::int64_t>(data[3]) * 11'617) % vz::LastFieldDay;
    f.setValue(static_cast<double>(start));
    f.focusIn(data[3] & 1);
    const vz::TDateTime now = 36'526.0 + data[2] * 97;
    check(f);

    for (std::size_t i = 4; i < size; ++i) {
        const std::uint8_t b = data[i];
        if (b >= 0xF0) {
            // A paste of the bytes that follow, up to the next NUL.
            std::string text;
            while (++i < size && data[i] != 0)
                text += static_cast<char>(data[i]);
            f.paste(text, now);
        } else if (b >= 0xE0) {
            f.clickElement(1 + b % 4);
        } else if (b >= 0xD0) {
            vz::FieldKey k = vz::FieldKey::of(Codes[b % std::size(Codes)], b & 0x08);
            f.key(k, now);
        } else if (b == 0xCF) {
            (void)f.cut();
        } else if (b == 0xCE) {
            f.focusOut();
            f.focusIn(false);
        } else if (b == 0xCD) {
            (void)f.date();
        } else {
            f.key(vz::FieldKey::character(b < 0x80 ? b : U'0' + b % 10), now);
        }
        check(f);
    }
    f.CommitTyping();
    check(f);
    return 0;
}
