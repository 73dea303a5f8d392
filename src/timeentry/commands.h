// The editing commands that key strokes are translated into, and the six-byte command record
// that binds a key (or a two-key sequence) to one of them.
//
//     vz::commandName(vz::ccPaste)          // "ccPaste"
//     vz::commandName(300)                  // "ccUser300"
//     vz::TVzCommandRec r{vz::VkLeft, 0, 0, 0, vz::ccLeft};
//     auto bytes = vz::toBytes(r);          // 25 00 00 00 2E 00
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vz {

// Command codes. The names double as the commands' display names.
enum TVzCommand : int {
    ccNone = 0,
    ccBack,
    ccBotOfPage,
    ccBotRightCell,
    ccCompleteDate,
    ccCompleteTime,
    ccCopy,
    ccCtrlChar,
    ccCut,
    ccDec,
    ccDel,
    ccDelBol,
    ccDelEol,
    ccDelLine,
    ccDelWord,
    ccDown,
    ccEnd,
    ccExtendDown,
    ccExtendEnd,
    ccExtendHome,
    ccExtendLeft,
    ccExtendPgDn,
    ccExtendPgUp,
    ccExtendRight,
    ccExtendUp,
    ccExtBotOfPage,
    ccExtFirstPage,
    ccExtLastPage,
    ccExtTopOfPage,
    ccExtWordLeft,
    ccExtWordRight,
    ccFirstPage,
    ccGotoMarker0, // … ccGotoMarker9 = 41
    ccHome = 42,
    ccInc,
    ccIns,
    ccLastPage,
    ccLeft,
    ccNewLine,
    ccNextPage,
    ccPageLeft,
    ccPageRight,
    ccPaste,
    ccPrevPage,
    ccRedo,
    ccRestore,
    ccRight,
    ccScrollDown,
    ccScrollUp,
    ccSetMarker0, // … ccSetMarker9 = 67
    ccTab = 68,
    ccTableEdit,
    ccTopLeftCell,
    ccTopOfPage,
    ccUndo,
    ccUp,
    ccWordLeft,
    ccWordRight, // 75

    // Internal codes.
    ccChar = 249,      // a typed character
    ccMouse = 250,     // a mouse press
    ccMouseMove = 251, // a mouse move with the button down
    ccAccept = 252,    // let the following character through as text
    ccDblClk = 253,    // a double-click
    ccSuppress = 254,  // an unmatched second key: nothing happens
    ccPartial = 255,   // the first key of a two-key sequence
    ccUserFirst = 256, // user commands from here on
};

constexpr int ccLastNamed = ccWordRight;

// "ccLeft", "ccGotoMarker3", "ccUser300"; internal codes by their constant's name; "" for codes
// 76 to 248 and negative ones.
std::string commandName(int code);
// The code whose display name is `name` (exact spelling), user codes included.
std::optional<int> commandFromName(const std::string& name);

// Shift-state bits of a key.
enum ShiftBits : std::uint8_t {
    ssShift = 2,
    ssCtrl = 4,
    ssAlt = 8,
    // In a second key: no modifier, or Ctrl alone.
    ssNoneOrCtrl = 128,
};

struct TVzCommandRec {
    std::uint8_t key1 = 0;   // virtual-key code
    std::uint8_t shift1 = 0; // ShiftBits
    std::uint8_t key2 = 0;   // 0 for a one-key command
    std::uint8_t shift2 = 0;
    std::uint16_t cmd = ccNone;

    bool sameKeys(const TVzCommandRec& other) const {
        return key1 == other.key1 && shift1 == other.shift1 && key2 == other.key2 &&
               shift2 == other.shift2;
    }
    bool operator==(const TVzCommandRec&) const = default;
};

constexpr std::size_t CommandRecSize = 6;
// Key, shift, key, shift, then the command code little-endian.
std::array<std::uint8_t, CommandRecSize> toBytes(const TVzCommandRec& rec);
TVzCommandRec fromBytes(const std::array<std::uint8_t, CommandRecSize>& bytes);

} // namespace vz
