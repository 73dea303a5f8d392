#include "timeentry/qt_keys.h"

#include "timeentry/commands.h"
#include "timeentry/virtual_keys.h"

namespace vz {

namespace {

// Shift with a digit reports the symbol above it; the tables name the digit key. The symbols
// are those of the common layouts' digit rows.
int digitUnderSymbol(int key) {
    switch (key) {
    case Qt::Key_ParenRight:
        return 0;
    case Qt::Key_Exclam:
        return 1;
    case Qt::Key_At:
        return 2;
    case Qt::Key_NumberSign:
        return 3;
    case Qt::Key_Dollar:
        return 4;
    case Qt::Key_Percent:
        return 5;
    case Qt::Key_AsciiCircum:
        return 6;
    case Qt::Key_Ampersand:
        return 7;
    case Qt::Key_Asterisk:
        return 8;
    case Qt::Key_ParenLeft:
        return 9;
    default:
        return -1;
    }
}

} // namespace

std::uint8_t virtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<std::uint8_t>(VkA + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::uint8_t>(Vk0 + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::uint8_t>(VkF1 + (key - Qt::Key_F1));
    if (const int digit = digitUnderSymbol(key); digit >= 0)
        return static_cast<std::uint8_t>(Vk0 + digit);
    switch (key) {
    case Qt::Key_Backspace:
        return VkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VkReturn;
    case Qt::Key_Shift:
        return VkShift;
    case Qt::Key_Control:
        return VkControl;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return VkMenu;
    case Qt::Key_Pause:
        return VkPause;
    case Qt::Key_CapsLock:
        return VkCapital;
    case Qt::Key_Escape:
        return VkEscape;
    case Qt::Key_Space:
        return VkSpace;
    case Qt::Key_PageUp:
        return VkPrior;
    case Qt::Key_PageDown:
        return VkNext;
    case Qt::Key_End:
        return VkEnd;
    case Qt::Key_Home:
        return VkHome;
    case Qt::Key_Left:
        return VkLeft;
    case Qt::Key_Up:
        return VkUp;
    case Qt::Key_Right:
        return VkRight;
    case Qt::Key_Down:
        return VkDown;
    case Qt::Key_Insert:
        return VkInsert;
    case Qt::Key_Delete:
        return VkDelete;
    case Qt::Key_NumLock:
        return VkNumLock;
    case Qt::Key_ScrollLock:
        return VkScroll;
    default:
        return 0;
    }
}

std::uint8_t shiftStateOf(Qt::KeyboardModifiers modifiers) {
    std::uint8_t state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= ssShift;
    if (modifiers & Qt::ControlModifier)
        state |= ssCtrl;
    if (modifiers & Qt::AltModifier)
        state |= ssAlt;
    return state;
}

} // namespace vz
