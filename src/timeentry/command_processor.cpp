#include "timeentry/command_processor.h"

#include "timeentry/builtin_tables.h"
#include "timeentry/entry_errors.h"
#include "timeentry/virtual_keys.h"

namespace vz {

namespace {

bool secondShiftMatches(std::uint8_t recorded, std::uint8_t shift) {
    if (recorded == ssNoneOrCtrl)
        return shift == 0 || shift == ssCtrl;
    return recorded == shift;
}

} // namespace

void TVzCommandTable::add(const TVzCommandRec& rec) {
    for (const auto& existing : m_records)
        if (existing.sameKeys(rec))
            throw EDuplicateCommand();
    m_records.push_back(rec);
}

TVzCommandProcessor::TVzCommandProcessor() {
    addTable(std::string(DefaultTableName), true);
    addTable(std::string(WordStarTableName), false);
    addTable(std::string(GridTableName), false);
}

int TVzCommandProcessor::translate(std::uint8_t vk, std::uint8_t shift) {
    if (isModifierKey(vk))
        return m_state == State::WaitingForSecondKey ? ccPartial : ccAccept;
    if (m_state == State::LiteralNext) {
        m_state = State::Idle;
        return ccAccept;
    }
    const bool waiting = m_state == State::WaitingForSecondKey;
    for (const auto& table : m_tables) {
        if (!table.active())
            continue;
        for (const auto& rec : table.records()) {
            if (waiting) {
                if (rec.key2 == 0 || rec.key1 != m_firstKey || rec.shift1 != m_firstShift ||
                    rec.key2 != vk || !secondShiftMatches(rec.shift2, shift))
                    continue;
            } else {
                if (rec.key1 != vk || rec.shift1 != shift)
                    continue;
                if (rec.key2 != 0) {
                    m_firstKey = vk;
                    m_firstShift = shift;
                    m_state = State::WaitingForSecondKey;
                    return ccPartial;
                }
            }
            m_state = rec.cmd == ccCtrlChar ? State::LiteralNext : State::Idle;
            return rec.cmd;
        }
    }
    m_state = State::Idle;
    return waiting ? ccSuppress : ccAccept;
}

bool TVzCommandProcessor::claims(std::uint8_t vk, std::uint8_t shift) const {
    if (m_state != State::Idle)
        return true;
    for (const auto& table : m_tables)
        if (table.active())
            for (const auto& rec : table.records())
                if (rec.key1 == vk && rec.shift1 == shift)
                    return true;
    return false;
}

TVzCommandTable& TVzCommandProcessor::table(std::string_view name) {
    for (auto& t : m_tables)
        if (t.name() == name)
            return t;
    for (auto& t : m_tables)
        if (sameTableName(t.name(), name))
            return t;
    throw ETableNotFound();
}

TVzCommandTable& TVzCommandProcessor::table(std::size_t index) {
    if (index >= m_tables.size())
        throw ETableNotFound();
    return m_tables[index];
}

void TVzCommandProcessor::addCommand(std::string_view tableName, const TVzCommandRec& rec) {
    table(tableName).add(rec);
}

void TVzCommandProcessor::clearTables() {
    m_tables.clear();
    m_state = State::Idle;
}

void TVzCommandProcessor::addTable(std::string name, bool active,
                                   std::vector<TVzCommandRec> records) {
    if (isBuiltinTableName(name)) {
        const auto builtin = builtinRecordsNamed(name);
        records.assign(builtin.begin(), builtin.end());
    }
    m_tables.emplace_back(std::move(name), active, std::move(records));
}

} // namespace vz
