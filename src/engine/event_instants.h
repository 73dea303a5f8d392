// Each row's event instant, read from its date and time texts once and kept while the texts,
// the regional settings and the year a short year is completed with stay the same, so the
// display's tick does not read every row's texts again each second. Keyed by the texts
// themselves, an edit, a load or a sort needs no word to it; new settings or a new year empty
// it at the next readWith.
//
//     instants.readWith(processSettings(), currentYear());   // once a tick
//     TDateTime at = instants.instant(row, dateText, timeText);
#pragma once

#include "engine/datetime.h"
#include "engine/regional.h"

#include <string>
#include <vector>

namespace vz {

class EventInstants {
public:
    // The settings and year the texts are read with; instants read otherwise are forgotten.
    void readWith(const RegionalSettings& rs, int currentYear);
    // The instant of a row's texts (row 0 or more) as eventInstant reads them. Throws EConvertError
    // as it does, and keeps nothing for the row then.
    TDateTime instant(int row, const std::string& dateText, const std::string& timeText);

private:
    struct Kept {
        std::string dateText;
        std::string timeText;
        TDateTime instant = 0;
        bool valid = false;
    };
    std::vector<Kept> m_rows;
    RegionalSettings m_settings;
    int m_year = 0;
};

} // namespace vz
