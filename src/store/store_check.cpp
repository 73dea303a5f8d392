#include "store/store_check.h"

#include "engine/convert_error.h"
#include "store/atomic_file.h"

namespace fs = std::filesystem;

namespace vz {

std::optional<std::string> storeOpeningProblem(const fs::path& store) {
    std::error_code ec;
    if (fs::is_symlink(store, ec)) {
        const std::optional<fs::path> target = linkTarget(store);
        if (!target)
            return formatMessage(StoreNotFoundMessage, pathText(store));
        if (!fs::exists(*target, ec))
            return formatMessage(StoreNotFoundMessage, pathText(*target));
    }
    const fs::file_status status = fs::status(store, ec);
    if (fs::is_regular_file(status) && fs::file_size(store, ec) > MaxStoreFileBytes && !ec)
        return formatMessage(StoreTooLargeMessage, pathText(store));
    return std::nullopt;
}

} // namespace vz
