#include "engine/convert_error.h"

namespace vz {

std::string formatMessage(std::string_view messageTemplate, std::string_view argument) {
    std::string result(messageTemplate);
    if (const auto at = result.find("%s"); at != std::string::npos)
        result.replace(at, 2, argument);
    return result;
}

} // namespace vz
