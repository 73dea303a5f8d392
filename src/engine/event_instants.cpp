#include "engine/event_instants.h"

#include "engine/datetext.h"

namespace vz {

void EventInstants::readWith(const RegionalSettings& rs, int currentYear) {
    if (currentYear == m_year && rs == m_settings)
        return;
    m_settings = rs;
    m_year = currentYear;
    m_rows.clear();
}

TDateTime EventInstants::instant(int row, const std::string& dateText,
                                 const std::string& timeText) {
    if (static_cast<std::size_t>(row) >= m_rows.size())
        m_rows.resize(static_cast<std::size_t>(row) + 1);
    Kept& kept = m_rows[static_cast<std::size_t>(row)];
    if (kept.valid && kept.dateText == dateText && kept.timeText == timeText)
        return kept.instant;
    kept.valid = false;
    kept.instant = eventInstant(dateText, timeText, m_settings, m_year);
    kept.dateText = dateText;
    kept.timeText = timeText;
    kept.valid = true;
    return kept.instant;
}

} // namespace vz
