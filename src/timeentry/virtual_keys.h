// Virtual-key codes, the key numbers the command tables are written in (letters and digits are
// their upper-case ASCII codes). The Qt side maps its key events onto these.
//
//     vz::TVzCommandRec{vz::VkZ, vz::ssCtrl, 0, 0, vz::ccUndo}   // Ctrl+Z
#pragma once

#include <cstdint>

namespace vz {

enum VirtualKey : std::uint8_t {
    VkBack = 0x08,
    VkTab = 0x09,
    VkReturn = 0x0D,
    VkShift = 0x10,
    VkControl = 0x11,
    VkMenu = 0x12, // Alt
    VkPause = 0x13,
    VkCapital = 0x14, // Caps Lock
    VkEscape = 0x1B,
    VkSpace = 0x20,
    VkPrior = 0x21, // Page Up
    VkNext = 0x22,  // Page Down
    VkEnd = 0x23,
    VkHome = 0x24,
    VkLeft = 0x25,
    VkUp = 0x26,
    VkRight = 0x27,
    VkDown = 0x28,
    VkInsert = 0x2D,
    VkDelete = 0x2E,
    Vk0 = 0x30,
    VkA = 0x41,
    VkC = 0x43,
    VkD = 0x44,
    VkE = 0x45,
    VkF = 0x46,
    VkG = 0x47,
    VkH = 0x48,
    VkK = 0x4B,
    VkL = 0x4C,
    VkP = 0x50,
    VkQ = 0x51,
    VkR = 0x52,
    VkS = 0x53,
    VkT = 0x54,
    VkV = 0x56,
    VkW = 0x57,
    VkX = 0x58,
    VkY = 0x59,
    VkZ = 0x5A,
    VkNumpad0 = 0x60,
    VkF1 = 0x70,
    VkF2 = 0x71,
    VkNumLock = 0x90,
    VkScroll = 0x91,
    VkLShift = 0xA0,
    VkRShift = 0xA1,
    VkLControl = 0xA2,
    VkRControl = 0xA3,
    VkLMenu = 0xA4,
    VkRMenu = 0xA5,
};

// Shift, Ctrl, Alt and the lock keys pressed alone.
constexpr bool isModifierKey(std::uint8_t vk) {
    return vk == VkShift || vk == VkControl || vk == VkMenu || vk == VkCapital || vk == VkNumLock ||
           vk == VkScroll || (vk >= VkLShift && vk <= VkRMenu);
}

} // namespace vz
