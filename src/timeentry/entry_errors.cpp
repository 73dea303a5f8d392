#include "timeentry/entry_errors.h"

#include "engine/convert_error.h"

namespace vz {

namespace {

constexpr std::string_view ParameterInvalidMessage = "Parameter value is invalid";
constexpr std::string_view NoTimersMessage = "No Window's timers are available";
constexpr std::string_view NoControllerMessage = "No Controller assigned";
constexpr std::string_view DuplicateCommandMessage =
    "Duplicate command found while adding a new command to the table";
constexpr std::string_view TableNotFoundMessage =
    "Command table not found or command table index out of range";
constexpr std::string_view EntryFieldMessage = "Value is not valid for this field type";
constexpr std::string_view InvalidDataTypeMessage = "Invalid data type for this field";
constexpr std::string_view InvalidPictureMaskMessage = "Invalid picture mask: %s";
constexpr std::string_view InvalidTimeRangeMessage =
    "Invalid time range. Enter a value using '%s' as the format";
constexpr std::string_view InvalidDateForMaskMessage =
    "Invalid date value for picture mask. (Year is outside the Epoch range)";

} // namespace

EVzException::EVzException() : std::runtime_error(std::string(ParameterInvalidMessage)) {}

ENoTimersAvailable::ENoTimersAvailable() : EVzException(std::string(NoTimersMessage)) {}

ENoControllerAssigned::ENoControllerAssigned()
    : EControllerError(std::string(NoControllerMessage)) {}

EDuplicateCommand::EDuplicateCommand() : ECmdProcessorError(std::string(DuplicateCommandMessage)) {}

ETableNotFound::ETableNotFound() : ECmdProcessorError(std::string(TableNotFoundMessage)) {}

EEntryFieldError::EEntryFieldError() : EVzException(std::string(EntryFieldMessage)) {}

EInvalidDataType::EInvalidDataType() : EEntryFieldError(std::string(InvalidDataTypeMessage)) {}

EInvalidPictureMask::EInvalidPictureMask(std::string_view mask)
    : EEntryFieldError(formatMessage(InvalidPictureMaskMessage, mask)) {}

EInvalidRangeValue::EInvalidRangeValue(std::string_view format)
    : EEntryFieldError(formatMessage(InvalidTimeRangeMessage, format)) {}

EInvalidDateForMask::EInvalidDateForMask()
    : EEntryFieldError(std::string(InvalidDateForMaskMessage)) {}

} // namespace vz
