// Random key streams, table switches and added records through the command processor: every
// result is a command some active table binds or one of the internal codes, and the
// translation state always agrees with the result.
#include "timeentry/command_processor.h"
#include "timeentry/entry_errors.h"
#include "timeentry/virtual_keys.h"

#include <cstdint>
#include <cstdlib>
#include <set>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vz::TVzCommandProcessor p;
    std::size_t i = 0;
    auto next = [&]() -> std::uint8_t {
        return i < size ? data[i++] : 0;
    };
    while (i < size) {
        const std::uint8_t op = next();
        if (op < 16) {
            const auto& tables = p.tables();
            if (!tables.empty())
                p.setActive(tables[op % tables.size()].name(), (op & 8) != 0);
            continue;
        }
        if (op < 24) {
            vz::TVzCommandRec rec{next(), next(), next(), next(), 0};
            rec.cmd = static_cast<std::uint16_t>(next() | (next() << 8));
            if (rec.cmd >= vz::ccChar && rec.cmd < vz::ccUserFirst)
                rec.cmd = vz::ccNone; // internal codes are results, never bindings
            try {
                p.addCommand(op & 1 ? "Default" : (op & 2 ? "WordStar" : "Nope"), rec);
            } catch (const vz::ECmdProcessorError&) {
            }
            continue;
        }
        const bool waitingBefore = p.state() == vz::TVzCommandProcessor::State::WaitingForSecondKey;
        const std::uint8_t vk = next();
        const std::uint8_t shift = static_cast<std::uint8_t>(next() & 0x0E);
        const int result = p.translate(vk, shift);
        const auto state = p.state();
        if (vz::isModifierKey(vk)) {
            check(result == (waitingBefore ? vz::ccPartial : vz::ccAccept));
            continue;
        }
        if (result == vz::ccPartial) {
            check(state == vz::TVzCommandProcessor::State::WaitingForSecondKey);
            continue;
        }
        check(state != vz::TVzCommandProcessor::State::WaitingForSecondKey);
        if (result == vz::ccAccept || result == vz::ccSuppress)
            continue;
        if (result == vz::ccCtrlChar)
            check(state == vz::TVzCommandProcessor::State::LiteralNext);
        // Any other result is a command bound in an active table.
        bool bound = false;
        for (const auto& t : p.tables())
            if (t.active())
                for (const auto& r : t.records())
                    bound = bound || r.cmd == result;
        check(bound);
    }
    return 0;
}
