// The elements of a date field's text: the working format with its shorthands expanded, cut into
// literal text and elements (day, month, year, names, time parts), numbered by data type, and
// rendered for a value with each numbered element's place in the text.
//
//     vz::DateElements els(vz::expandShorthands("M/d/yy", rs), vz::TdpDataType::dpDTEdtDate, rs);
//     vz::RenderedText r = els.render(36540.0, rs);   // "1/15/00", spans {0,1} {2,2} {5,2}
#pragma once

#include "dateentry/text_scan.h"
#include "engine/datetime.h"
#include "engine/regional.h"

#include <string>
#include <string_view>
#include <vector>

namespace vz {

enum class TdpDataType { dpDTEdtDateTime, dpDTEdtDate, dpDTEdtTime };
enum class TDateFormat { dfShort, dfLong };

enum class ElementKind {
    Literal,
    Day,
    DayName,
    Month,
    MonthName,
    Year,
    Hour,
    Minute,
    Second,
    Millisecond,
    AmPm
};

struct FormatToken {
    ElementKind kind = ElementKind::Literal;
    std::string run;         // the format characters as written: "dd", "yyyy", "am/pm"
    std::string literal;     // for literal tokens: the text they stand for
    int width = 0;           // run length for numbers and names
    bool twelveHour = false; // an hour shown on the 12-hour clock
    int number = 0;          // 1-based element number; 0 when not editable in this data type
};

// The format the field works with before its shorthands are expanded.
std::string workingFormat(TdpDataType type, TDateFormat dateFormat, std::string_view displayFormat,
                          const RegionalSettings& rs);

// Expands, in this order, "c", "dddddd", "ddddd", "tt" and "t" (outside quoted text).
std::string expandShorthands(std::string_view format, const RegionalSettings& rs);

// Whether a run of this kind is a year typed with two digits ("y", "yy").
inline bool isShortYear(const FormatToken& t) {
    return t.kind == ElementKind::Year && t.width <= 2;
}

struct ElementSpan {
    int start = 0;  // code points from the start of the text
    int length = 0; // code points
};

struct RenderedText {
    std::string text;
    std::vector<ElementSpan> spans; // index = element number - 1
};

class DateElements {
public:
    DateElements() = default;
    DateElements(std::string_view expandedFormat, TdpDataType type, const RegionalSettings& rs);

    int count() const { return static_cast<int>(m_numbered.size()); }
    // number is 1-based and must lie within 1..count().
    const FormatToken& element(int number) const;
    const std::vector<FormatToken>& tokens() const { return m_tokens; }

    // The value's text; with replaceNumber set, that element shows replacement instead.
    RenderedText render(TDateTime value, const RegionalSettings& rs, int replaceNumber = 0,
                        std::string_view replacement = {}) const;

private:
    std::vector<FormatToken> m_tokens;
    std::vector<std::size_t> m_numbered; // token index of each numbered element
};

} // namespace vz
