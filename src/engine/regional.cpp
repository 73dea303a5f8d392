#include "engine/regional.h"

namespace vz {

RegionalSettings& processSettings() {
    static RegionalSettings settings = usDefaults();
    return settings;
}

} // namespace vz
