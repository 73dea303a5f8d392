// How the desktop knows the program: the name its desktop entry is installed under (so a dock or
// a Wayland compositor matches its windows to the menu entry) and the clock icon every window
// carries, built into the program so it shows even when run from its build or unpacked folder.
//
//     vz::applyDesktopName();     // once, after the QApplication exists, before a window shows
//     vz::applyProgramIcon();     // once the first window is on screen
#pragma once

#include <QIcon>

namespace vz {

// The desktop entry's name without ".desktop"; also the icon's name in the hicolor theme.
inline constexpr char DesktopId[] = "example.velmora.vorurer";
// The name the desktop shows for the program (its menu entry's, its notifications').
inline constexpr char ProgramName[] = "Vizevavoz 98";

// The clock icon at every size it is drawn at.
QIcon programIcon();

// The desktop entry's name: a Wayland compositor reads it as a window is made.
void applyDesktopName();
// The icon of every window. Decoding its sizes is most of a start's picture work, so the
// program gives it once its window is on screen; the desktop takes it as a change.
void applyProgramIcon();
// Both at once.
void applyDesktopIdentity();

} // namespace vz
