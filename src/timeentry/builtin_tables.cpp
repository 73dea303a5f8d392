#include "timeentry/builtin_tables.h"

#include "timeentry/virtual_keys.h"

#include <algorithm>
#include <vector>

namespace vz {

namespace {

constexpr std::uint8_t S = ssShift;
constexpr std::uint8_t C = ssCtrl;
constexpr std::uint8_t A = ssAlt;
constexpr std::uint8_t CS = ssCtrl | ssShift;
constexpr std::uint8_t Second = ssNoneOrCtrl;

TVzCommandRec key(std::uint8_t vk, std::uint8_t shift, int cmd) {
    return {vk, shift, 0, 0, static_cast<std::uint16_t>(cmd)};
}

TVzCommandRec keys(std::uint8_t vk1, std::uint8_t shift1, std::uint8_t vk2, int cmd) {
    return {vk1, shift1, vk2, Second, static_cast<std::uint16_t>(cmd)};
}

std::uint8_t digit(int i) {
    return static_cast<std::uint8_t>(Vk0 + i);
}

std::vector<TVzCommandRec> makeDefault() {
    std::vector<TVzCommandRec> r{
        key(VkLeft, 0, ccLeft),
        key(VkRight, 0, ccRight),
        key(VkLeft, C, ccWordLeft),
        key(VkRight, C, ccWordRight),
        key(VkHome, 0, ccHome),
        key(VkEnd, 0, ccEnd),
        key(VkDelete, 0, ccDel),
        key(VkBack, 0, ccBack),
        key(VkBack, S, ccBack),
        key(VkPrior, C, ccTopOfPage),
        key(VkNext, C, ccBotOfPage),
        key(VkInsert, 0, ccIns),
        key(VkZ, C, ccUndo),
        key(VkBack, A, ccRestore),
        key(VkUp, 0, ccUp),
        key(VkDown, 0, ccDown),
        key(VkReturn, C, ccNewLine),
        key(VkLeft, S, ccExtendLeft),
        key(VkRight, S, ccExtendRight),
        key(VkHome, S, ccExtendHome),
        key(VkEnd, S, ccExtendEnd),
        key(VkLeft, CS, ccExtWordLeft),
        key(VkRight, CS, ccExtWordRight),
        key(VkPrior, S, ccExtendPgUp),
        key(VkNext, S, ccExtendPgDn),
        key(VkUp, S, ccExtendUp),
        key(VkDown, S, ccExtendDown),
        key(VkHome, CS, ccExtFirstPage),
        key(VkEnd, CS, ccExtLastPage),
        key(VkPrior, CS, ccExtTopOfPage),
        key(VkNext, CS, ccExtBotOfPage),
        key(VkDelete, S, ccCut),
        key(VkX, C, ccCut),
        key(VkInsert, C, ccCopy),
        key(VkC, C, ccCopy),
        key(VkInsert, S, ccPaste),
        key(VkV, C, ccPaste),
        key(VkPrior, 0, ccPrevPage),
        key(VkNext, 0, ccNextPage),
        key(VkHome, C, ccFirstPage),
        key(VkEnd, C, ccLastPage),
        key(VkTab, 0, ccTab),
        key(VkTab, C, ccTab),
        key(VkZ, CS, ccRedo),
    };
    for (int i = 0; i < 10; ++i)
        r.push_back(key(digit(i), C, ccGotoMarker0 + i));
    for (int i = 0; i < 10; ++i)
        r.push_back(key(digit(i), CS, ccSetMarker0 + i));
    return r;
}

std::vector<TVzCommandRec> makeWordStar() {
    std::vector<TVzCommandRec> r{
        key(VkS, C, ccLeft),         key(VkD, C, ccRight),         key(VkE, C, ccUp),
        key(VkX, C, ccDown),         key(VkR, C, ccPrevPage),      key(VkC, C, ccNextPage),
        key(VkW, C, ccScrollUp),     key(VkZ, C, ccScrollDown),    key(VkA, C, ccWordLeft),
        key(VkF, C, ccWordRight),    keys(VkQ, C, VkS, ccHome),    keys(VkQ, C, VkD, ccEnd),
        key(VkG, C, ccDel),          key(VkH, C, ccBack),          key(VkY, C, ccDelLine),
        keys(VkQ, C, VkY, ccDelEol), key(VkV, C, ccIns),           key(VkT, C, ccDelWord),
        key(VkP, C, ccCtrlChar),     keys(VkQ, C, VkL, ccRestore),
    };
    for (int i = 0; i < 10; ++i)
        r.push_back(keys(VkQ, C, digit(i), ccGotoMarker0 + i));
    for (int i = 0; i < 10; ++i)
        r.push_back(keys(VkK, C, digit(i), ccSetMarker0 + i));
    return r;
}

std::vector<TVzCommandRec> makeGrid() {
    return {
        key(VkLeft, 0, ccLeft),
        key(VkRight, 0, ccRight),
        key(VkHome, 0, ccHome),
        key(VkEnd, 0, ccEnd),
        key(VkDelete, 0, ccDel),
        key(VkBack, 0, ccBack),
        key(VkNext, C, ccBotOfPage),
        key(VkPrior, C, ccTopOfPage),
        key(VkInsert, 0, ccIns),
        key(VkUp, 0, ccUp),
        key(VkDown, 0, ccDown),
        key(VkLeft, S, ccExtendLeft),
        key(VkRight, S, ccExtendRight),
        key(VkHome, S, ccExtendHome),
        key(VkEnd, S, ccExtendEnd),
        key(VkLeft, CS, ccExtWordLeft),
        key(VkRight, CS, ccExtWordRight),
        key(VkPrior, S, ccExtendPgUp),
        key(VkNext, S, ccExtendPgDn),
        key(VkUp, S, ccExtendUp),
        key(VkDown, S, ccExtendDown),
        key(VkHome, CS, ccExtFirstPage),
        key(VkEnd, CS, ccExtLastPage),
        key(VkPrior, CS, ccExtTopOfPage),
        key(VkNext, CS, ccExtBotOfPage),
        key(VkX, C, ccCut),
        key(VkC, C, ccCopy),
        key(VkV, C, ccPaste),
        key(VkPrior, 0, ccPrevPage),
        key(VkNext, 0, ccNextPage),
        key(VkHome, C, ccFirstPage),
        key(VkEnd, C, ccLastPage),
        key(VkLeft, C, ccPageLeft),
        key(VkRight, C, ccPageRight),
        key(VkZ, C, ccRestore),
        key(VkUp, C, ccTopLeftCell),
        key(VkDown, C, ccBotRightCell),
        key(VkF2, 0, ccTableEdit),
    };
}

} // namespace

std::span<const TVzCommandRec> builtinRecords(BuiltinTable table) {
    static const std::vector<TVzCommandRec> defaults = makeDefault();
    static const std::vector<TVzCommandRec> wordStar = makeWordStar();
    static const std::vector<TVzCommandRec> grid = makeGrid();
    switch (table) {
    case BuiltinTable::Default:
        return defaults;
    case BuiltinTable::WordStar:
        return wordStar;
    case BuiltinTable::Grid:
        return grid;
    }
    return {};
}

bool sameTableName(std::string_view a, std::string_view b) {
    auto fold = [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return fold(x) == fold(y); });
}

bool isBuiltinTableName(std::string_view name) {
    return sameTableName(name, DefaultTableName) || sameTableName(name, WordStarTableName) ||
           sameTableName(name, GridTableName);
}

std::span<const TVzCommandRec> builtinRecordsNamed(std::string_view name) {
    if (sameTableName(name, DefaultTableName))
        return builtinRecords(BuiltinTable::Default);
    if (sameTableName(name, WordStarTableName))
        return builtinRecords(BuiltinTable::WordStar);
    if (sameTableName(name, GridTableName))
        return builtinRecords(BuiltinTable::Grid);
    return {};
}

} // namespace vz
