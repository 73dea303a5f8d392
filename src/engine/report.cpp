#include "engine/report.h"

namespace vz {

std::string copyReport(std::string_view statusLine, const DisplayTexts& shown,
                       std::string_view dateText, std::string_view timeText) {
    constexpr std::string_view End = "\r\n";
    constexpr std::string_view Or = " or ";
    std::string report;
    report.reserve(512);
    auto line = [&](std::initializer_list<std::string_view> parts) {
        for (std::string_view part : parts)
            report += part;
        report += End;
    };
    line({statusLine});
    line({"Event: ", shown.lblName});
    line({"Scheduled For ", dateText, "  ", timeText});
    // The component line already ends in a blank when it is not empty.
    line({shown.lblAll, shown.lblAll2, " ", shown.lblAll3, Or});
    line({shown.lblWeekend, Or});
    line({shown.lblDays, Or});
    line({shown.lblHour, Or});
    line({shown.lblMin, Or});
    line({shown.lblSecs, shown.lblSecs2, " ", shown.lblSecs3});
    return report;
}

} // namespace vz
