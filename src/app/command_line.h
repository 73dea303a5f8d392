// The program's command line: the countdown read in a terminal, a script or a status bar,
// without a window. Decided before any window-system object exists, so it runs over SSH and in
// a cron job with no display.
//
//     if (!vz::commandLineAsksForWindow(argc, argv))
//         return vz::runCommandLine(argc, argv);
#pragma once

namespace vz {

// No arguments, or only the window system's own: the window starts.
bool commandLineAsksForWindow(int argc, char** argv);

// Runs the read-out the arguments ask for and answers the exit status: 0 done (nothing to come
// included), 1 the store or the named event could not be read, 2 the arguments are wrong.
int runCommandLine(int argc, char** argv);

} // namespace vz
