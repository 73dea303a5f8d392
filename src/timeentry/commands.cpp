#include "timeentry/commands.h"

#include <string_view>

namespace vz {

namespace {

constexpr std::array<std::string_view, ccLastNamed + 1> Names{
    "ccNone",         "ccBack",         "ccBotOfPage",   "ccBotRightCell", "ccCompleteDate",
    "ccCompleteTime", "ccCopy",         "ccCtrlChar",    "ccCut",          "ccDec",
    "ccDel",          "ccDelBol",       "ccDelEol",      "ccDelLine",      "ccDelWord",
    "ccDown",         "ccEnd",          "ccExtendDown",  "ccExtendEnd",    "ccExtendHome",
    "ccExtendLeft",   "ccExtendPgDn",   "ccExtendPgUp",  "ccExtendRight",  "ccExtendUp",
    "ccExtBotOfPage", "ccExtFirstPage", "ccExtLastPage", "ccExtTopOfPage", "ccExtWordLeft",
    "ccExtWordRight", "ccFirstPage",    "ccGotoMarker0", "ccGotoMarker1",  "ccGotoMarker2",
    "ccGotoMarker3",  "ccGotoMarker4",  "ccGotoMarker5", "ccGotoMarker6",  "ccGotoMarker7",
    "ccGotoMarker8",  "ccGotoMarker9",  "ccHome",        "ccInc",          "ccIns",
    "ccLastPage",     "ccLeft",         "ccNewLine",     "ccNextPage",     "ccPageLeft",
    "ccPageRight",    "ccPaste",        "ccPrevPage",    "ccRedo",         "ccRestore",
    "ccRight",        "ccScrollDown",   "ccScrollUp",    "ccSetMarker0",   "ccSetMarker1",
    "ccSetMarker2",   "ccSetMarker3",   "ccSetMarker4",  "ccSetMarker5",   "ccSetMarker6",
    "ccSetMarker7",   "ccSetMarker8",   "ccSetMarker9",  "ccTab",          "ccTableEdit",
    "ccTopLeftCell",  "ccTopOfPage",    "ccUndo",        "ccUp",           "ccWordLeft",
    "ccWordRight"};

constexpr std::array<std::string_view, 7> InternalNames{
    "ccChar", "ccMouse", "ccMouseMove", "ccAccept", "ccDblClk", "ccSuppress", "ccPartial"};

constexpr std::string_view UserPrefix = "ccUser";

} // namespace

std::string commandName(int code) {
    if (code >= 0 && code <= ccLastNamed)
        return std::string(Names[static_cast<std::size_t>(code)]);
    if (code >= ccChar && code < ccUserFirst)
        return std::string(InternalNames[static_cast<std::size_t>(code - ccChar)]);
    if (code >= ccUserFirst)
        return std::string(UserPrefix) + std::to_string(code);
    return {};
}

std::optional<int> commandFromName(const std::string& name) {
    for (std::size_t i = 0; i < Names.size(); ++i)
        if (Names[i] == name)
            return static_cast<int>(i);
    for (std::size_t i = 0; i < InternalNames.size(); ++i)
        if (InternalNames[i] == name)
            return ccChar + static_cast<int>(i);
    const std::string_view view(name);
    if (view.size() > UserPrefix.size() && view.substr(0, UserPrefix.size()) == UserPrefix) {
        int value = 0;
        for (char c : view.substr(UserPrefix.size())) {
            if (c < '0' || c > '9' || value > 0xFFFF)
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value >= ccUserFirst && value <= 0xFFFF)
            return value;
    }
    return std::nullopt;
}

std::array<std::uint8_t, CommandRecSize> toBytes(const TVzCommandRec& rec) {
    return {rec.key1,
            rec.shift1,
            rec.key2,
            rec.shift2,
            static_cast<std::uint8_t>(rec.cmd & 0xFF),
            static_cast<std::uint8_t>(rec.cmd >> 8)};
}

TVzCommandRec fromBytes(const std::array<std::uint8_t, CommandRecSize>& bytes) {
    return {bytes[0], bytes[1], bytes[2], bytes[3],
            static_cast<std::uint16_t>(bytes[4] | (bytes[5] << 8))};
}

} // namespace vz
