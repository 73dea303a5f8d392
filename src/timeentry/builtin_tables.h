// The three command tables every controller starts with: "Default" (active), "WordStar" and
// "Grid" (inactive), in that order.
//
//     const auto& records = vz::builtinRecords(vz::BuiltinTable::Default); // 64 records
//     vz::isBuiltinTableName("wordstar")                                  // true
#pragma once

#include "timeentry/commands.h"

#include <span>
#include <string>
#include <string_view>

namespace vz {

enum class BuiltinTable { Default, WordStar, Grid };

inline constexpr std::string_view DefaultTableName = "Default";
inline constexpr std::string_view WordStarTableName = "WordStar";
inline constexpr std::string_view GridTableName = "Grid";

std::span<const TVzCommandRec> builtinRecords(BuiltinTable table);
// Table names compare without regard to ASCII case.
bool sameTableName(std::string_view a, std::string_view b);
bool isBuiltinTableName(std::string_view name);
// The records of the built-in table called `name`; empty for any other name.
std::span<const TVzCommandRec> builtinRecordsNamed(std::string_view name);

} // namespace vz
