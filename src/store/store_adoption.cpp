#include "store/store_adoption.h"

#include "store/atomic_file.h"
#include "store/event_store.h"

#include <array>
#include <string>
#include <string_view>

namespace fs = std::filesystem;

namespace vz {

Adoption adoptStores(const fs::path& from, const fs::path& to) {
    // The older store first: should the copying stop between the two, the target then holds the
    // older store alone, and converting it gives the same list as converting it over the store.
    const std::array<std::string_view, 2> names = {OldStoreFileName, StoreFileName};
    std::error_code ec;
    for (const std::string_view name : names)
        if (fs::exists(to / name, ec) || ec)
            return Adoption::NotNeeded;

    std::array<std::string, 2> bytes;
    std::array<bool, 2> present{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        present[i] = fs::exists(from / names[i], ec);
        if (present[i] && !readWholeFile(from / names[i], bytes[i]))
            return Adoption::Failed;
    }
    if (!present[0] && !present[1])
        return Adoption::NotNeeded;

    fs::create_directories(to, ec);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!present[i])
            continue;
        try {
            replaceFileAtomically(to / names[i], bytes[i]);
        } catch (const StoreWriteError&) {
            // Nothing was there before, so whatever is there now is ours.
            for (std::size_t j = 0; j <= i; ++j)
                if (present[j])
                    fs::remove(to / names[j], ec);
            return Adoption::Failed;
        }
    }
    return Adoption::Adopted;
}

} // namespace vz
