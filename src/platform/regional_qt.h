// Fills the regional settings value from a QLocale, translating its patterns into the program's
// pattern language.
//
//     vz::processSettings() = vz::regionalSettingsFromLocale(QLocale::system());
#pragma once

#include "engine/regional.h"

#include <QLocale>

namespace vz {

RegionalSettings regionalSettingsFromLocale(const QLocale& locale);

// Translates one QLocale date/time format into the program's pattern language.
std::string translateQtPattern(const QString& qtFormat);

} // namespace vz
