// Qt key events in the terms of the command tables: a virtual-key code and the shift bits.
//
//     vz::virtualKeyOf(event)               // VkLeft for Qt::Key_Left, VkZ for Ctrl+Z
//     vz::shiftStateOf(event->modifiers())  // ssCtrl | ssShift
#pragma once

#include <QKeyEvent>

#include <cstdint>

namespace vz {

// 0 for a key the tables cannot name.
std::uint8_t virtualKeyOf(const QKeyEvent& event);
std::uint8_t shiftStateOf(Qt::KeyboardModifiers modifiers);

} // namespace vz
