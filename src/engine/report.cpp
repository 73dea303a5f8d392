#include "engine/report.h"

namespace vz {

std::array<std::string, DisplayLineCount> displayLines(const DisplayTexts& shown) {
    constexpr std::string_view Or = " or ";
    auto join = [](std::initializer_list<std::string_view> parts) {
        std::string line;
        for (std::string_view part : parts)
            line += part;
        return line;
    };
    // The component line already ends in a blank when it is not empty.
    return {join({"Event: ", shown.lblName}),
            join({shown.lblAll, shown.lblAll2, " ", shown.lblAll3, Or}),
            join({shown.lblWeekend, Or}),
            join({shown.lblDays, Or}),
            join({shown.lblHour, Or}),
            join({shown.lblMin, Or}),
            join({shown.lblSecs, shown.lblSecs2, " ", shown.lblSecs3})};
}

std::string copyReport(std::string_view statusLine, const DisplayTexts& shown,
                       std::string_view dateText, std::string_view timeText,
                       std::string_view extraLine) {
    constexpr std::string_view End = "\r\n";
    const auto lines = displayLines(shown);
    std::string report;
    report.reserve(512);
    report.append(statusLine).append(End);
    report.append(lines[0]).append(End);
    report.append("Scheduled For ").append(dateText).append("  ").append(timeText).append(End);
    for (std::size_t i = 1; i < lines.size(); ++i)
        report.append(lines[i]).append(End);
    if (!extraLine.empty())
        report.append(extraLine).append(End);
    return report;
}

} // namespace vz
