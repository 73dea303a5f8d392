#include "timeentry/controller_logic.h"

namespace vz {

namespace {

constexpr const char* RangeMessage = "Value is not within required range";
constexpr const char* InvalidTypeMessage = "Value is not valid for this field type";
constexpr const char* RequiredMessage = "A value is required in this field";
constexpr const char* InvalidDateMessage = "Value is not a valid date";
constexpr const char* InvalidTimeMessage = "Value is not a valid time";
constexpr const char* BlanksMessage = "This field should contain no blanks";
constexpr const char* PartialMessage = "This field should be either empty or completely full";
constexpr const char* GenericMessage = "Entry Error";

} // namespace

std::string entryErrorMessage(int code) {
    switch (code) {
    case EntryOk:
        return {};
    case ErrRange:
        return RangeMessage;
    case ErrInvalidType:
        return InvalidTypeMessage;
    case ErrRequired:
        return RequiredMessage;
    case ErrInvalidDate:
        return InvalidDateMessage;
    case ErrInvalidTime:
        return InvalidTimeMessage;
    case ErrBlanks:
        return BlanksMessage;
    case ErrPartial:
        return PartialMessage;
    default:
        return code > 0 ? GenericMessage : std::string{};
    }
}

int expandTwoDigitYear(int year, int epoch) {
    if (year < 0 || year >= 100)
        return year;
    int result = year + 100 * (epoch / 100);
    if (year < epoch % 100)
        result += 100;
    return result;
}

void ControllerLogic::setEpoch(int epoch) {
    if (epoch >= MinEpoch && epoch <= MaxEpoch)
        m_epoch = epoch;
}

ControllerLogic::Failure ControllerLogic::fieldFailed(const void* field) {
    if (m_fieldInError == nullptr) {
        m_fieldInError = field;
        m_returning = field;
        return {true, true};
    }
    if (m_fieldInError == field) {
        m_returning = field;
        return {true, false};
    }
    return {};
}

bool ControllerLogic::fieldEntered(const void* field) {
    if (field == m_returning) {
        m_returning = nullptr;
        return false;
    }
    return m_fieldInError == nullptr;
}

void ControllerLogic::reportDone(const void* field) {
    if (m_fieldInError == field)
        m_fieldInError = nullptr;
}

void ControllerLogic::forget(const void* field) {
    if (m_fieldInError == field)
        m_fieldInError = nullptr;
    if (m_returning == field)
        m_returning = nullptr;
}

} // namespace vz
