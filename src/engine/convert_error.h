// The conversion error raised when a date or time text cannot be read; its text is the message
// the user sees.
//
//     throw vz::EConvertError(vz::formatMessage("'%s' is not a valid date", text));
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vz {

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Replaces the first "%s" of a message template with the argument.
std::string formatMessage(std::string_view messageTemplate, std::string_view argument);

} // namespace vz
