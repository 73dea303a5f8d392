// A picture mask for times ("hh:mm tt") and the conversions between a time of day in seconds
// and the text it shapes. Mask letters: h hours, m minutes, s seconds (upper case H, M, S pad
// with blanks instead of zeros), t the AM/PM designator; ':' shows the time separator; anything
// else is a literal. The designators and separator come from the regional settings.
//
//     auto mask = vz::TimeMask::parse("hh:mm tt");
//     auto d = vz::TimeDesignators::from(vz::usDefaults());
//     mask.format(52642, d)                 // U"02:37 PM"
//     mask.read(U"12:30 am", d)             // 1800
#pragma once

#include "engine/regional.h"

#include <string>
#include <string_view>

namespace vz {

struct TimeDesignators {
    static constexpr std::size_t MaxLength = 5;
    std::u32string am = U"AM";
    std::u32string pm = U"PM";
    char32_t separator = U':';

    // The settings' designators cut to five characters and the first character of their time
    // separator (":" when it is empty).
    static TimeDesignators from(const RegionalSettings& rs);
};

class TimeMask {
public:
    static constexpr int MaxMaskLength = 64;
    static constexpr int NoTime = -1;

    // Throws EInvalidPictureMask unless the mask has one two-character run each of hours and
    // minutes, at most one two-character run of seconds and one run of one to five designator
    // characters, and at most MaxMaskLength characters.
    static TimeMask parse(std::string_view mask);

    struct Run {
        int start = -1;
        int end = -1; // one past the last position
        bool present() const { return start >= 0; }
        bool contains(int p) const { return p >= start && p < end; }
        int length() const { return end - start; }
    };

    const std::string& source() const { return m_source; }
    const std::u32string& mask() const { return m_mask; }
    int length() const { return static_cast<int>(m_mask.size()); }

    bool isEditable(int p) const;
    bool isDigitPosition(int p) const;
    bool isDesignatorPosition(int p) const { return m_designator.contains(p); }
    char32_t maskChar(int p) const { return m_mask[static_cast<std::size_t>(p)]; }
    // What a literal position shows: the separator for ':', else the mask character.
    char32_t literalAt(int p, const TimeDesignators& d) const;
    // The run holding an editable position (an empty run for a literal).
    Run runAt(int p) const;
    const Run& hours() const { return m_hours; }
    const Run& minutes() const { return m_minutes; }
    const Run& seconds() const { return m_seconds; }
    const Run& designator() const { return m_designator; }

    // Whether hours read and show on a 12-hour clock: the mask has a designator run and both
    // designators are set and differ within the run's length. Otherwise hours run 0 to 23 and
    // the designator is not read.
    bool twelveHour(const TimeDesignators& d) const;

    // Seconds since midnight (0 to 86399) as text; NoTime gives blank digit runs.
    std::u32string format(int seconds, const TimeDesignators& d) const;
    // Text back to seconds since midnight, or NoTime.
    int read(const std::u32string& text, const TimeDesignators& d) const;
    // Every digit run of the text is blank.
    bool digitsBlank(const std::u32string& text) const;

private:
    std::string m_source;
    std::u32string m_mask;
    Run m_hours, m_minutes, m_seconds, m_designator;
};

} // namespace vz
