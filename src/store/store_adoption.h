// Taking over the stores of a folder the program may not write. A copy run from a read-only or
// installed folder keeps its stores in the user's data folder; the first time, that folder is
// empty while the user's events still lie beside the program. They are copied over once, so the
// data folder's store is the one from then on, and the files beside the program are only read.
//
//     if (vz::adoptStores(programFolder, dataFolder) == vz::Adoption::Failed) ...
#pragma once

#include <filesystem>

namespace vz {

enum class Adoption {
    NotNeeded, // the target already holds a store, or the source holds none
    Adopted,   // the source's stores are now in the target
    Failed,    // a store could not be read or written; the target is left as it was
};

// Copies the store and an older store not yet converted from `from` into `to` (created when
// missing) when `to` holds neither. The older store is left for the usual conversion, which then
// runs in `to`. Each copy replaces atomically, and a failure removes what was already copied,
// so a crash or a full disk never leaves half a store that would count as the store next time.
Adoption adoptStores(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace vz
