// The store the window benchmarks open: 25 events spread over four decades around their pinned
// clock, all at 9:15 PM, the fourth one selected.
#pragma once

#include <fstream>
#include <string>

namespace vz::bench {

inline std::string fullStore() {
    std::string text;
    for (int i = 0; i < 25; ++i) {
        const int day = 32874 + 523 * i; // 1 January 1990 onwards
        text += "[Entry" + std::to_string(i + 1) + "]\r\nDesc=Event " + std::to_string(i + 1) +
                "\r\nDate=" + std::to_string(day) + "\r\nTime=09:15 PM\r\n";
    }
    return text + "[Lastone]\r\nTop=1\r\nLast=4\r\n";
}

// Writes the store into a folder as its event list.
inline void writeFullStore(const std::string& folder) {
    std::ofstream(folder + "/zadud2.ini", std::ios::binary) << fullStore();
}

} // namespace vz::bench
