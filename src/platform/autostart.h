// Starting the program when the user logs in: an XDG autostart entry in
// $XDG_CONFIG_HOME/autostart/, named after the program's desktop entry.
//
//     vz::setStartAtLogin(true, QCoreApplication::applicationFilePath());  // throws on failure
//     bool on = vz::startsAtLogin();
#pragma once

#include <QString>

namespace vz {

QString autostartEntryPath();

// True when the entry exists and is not switched off (Hidden=true, or disabled for GNOME).
bool startsAtLogin();

// Writes the entry to run `program`, or removes it. Throws std::runtime_error with
// "Unable to write to <path>" when that fails.
void setStartAtLogin(bool on, const QString& program);

// The entry's text for `program`: the path quoted as the desktop entry format wants it.
QString autostartEntryText(const QString& program);

} // namespace vz
