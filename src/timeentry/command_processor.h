// Key-to-command translation: an ordered list of named command tables and the translation
// state (idle, waiting for the second key of a sequence, or taking the next key literally).
//
//     vz::TVzCommandProcessor commands;           // "Default", "WordStar", "Grid"
//     commands.translate(vz::VkLeft, 0);         // ccLeft
//     commands.translate(vz::VkQ, vz::ssCtrl);   // ccAccept: not in an active table
//     commands.setActive("WordStar", true);
//     commands.translate(vz::VkQ, vz::ssCtrl);   // ccPartial, then VkS gives ccHome
#pragma once

#include "timeentry/commands.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vz {

class TVzCommandTable {
public:
    TVzCommandTable(std::string name, bool active, std::vector<TVzCommandRec> records = {})
        : m_name(std::move(name)), m_active(active), m_records(std::move(records)) {}

    const std::string& name() const { return m_name; }
    bool active() const { return m_active; }
    void setActive(bool active) { m_active = active; }
    const std::vector<TVzCommandRec>& records() const { return m_records; }

    // Throws EDuplicateCommand when the table already binds the same keys.
    void add(const TVzCommandRec& rec);

private:
    std::string m_name;
    bool m_active;
    std::vector<TVzCommandRec> m_records;
};

class TVzCommandProcessor {
public:
    enum class State { Idle, WaitingForSecondKey, LiteralNext };

    // Starts with the three built-in tables.
    TVzCommandProcessor();

    // One key-down with its ShiftBits: a command code, ccAccept (let the character through),
    // ccPartial (first key of a sequence) or ccSuppress (unmatched second key).
    int translate(std::uint8_t vk, std::uint8_t shift);
    void resetTranslation() { m_state = State::Idle; }
    // Whether translate() would claim the key now (a command, a sequence's key, or any key
    // while a sequence waits), without changing the state.
    bool claims(std::uint8_t vk, std::uint8_t shift) const;
    State state() const { return m_state; }

    // Tables by name (exact spelling first, then ignoring ASCII case) or index; both throw
    // ETableNotFound.
    TVzCommandTable& table(std::string_view name);
    TVzCommandTable& table(std::size_t index);
    const std::vector<TVzCommandTable>& tables() const { return m_tables; }
    void setActive(std::string_view name, bool active) { table(name).setActive(active); }

    // Throws ETableNotFound or EDuplicateCommand.
    void addCommand(std::string_view tableName, const TVzCommandRec& rec);

    // Replacing the table list: remove all, then add; a built-in name brings its own records.
    void clearTables();
    void addTable(std::string name, bool active, std::vector<TVzCommandRec> records = {});

private:
    std::vector<TVzCommandTable> m_tables;
    State m_state = State::Idle;
    std::uint8_t m_firstKey = 0;
    std::uint8_t m_firstShift = 0;
};

} // namespace vz
