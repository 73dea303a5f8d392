// The exception family of the entry fields, their controller and command tables. Each carries
// the message the user sees; catch the family as EVzException, or a branch by its class.
//
//     throw vz::ETableNotFound();                 // "Command table not found or …"
//     throw vz::EInvalidPictureMask("hh:mm:");    // "Invalid picture mask: hh:mm:"
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vz {

class EVzException : public std::runtime_error {
public:
    EVzException();
    explicit EVzException(const std::string& message) : std::runtime_error(message) {}
};

class ENoTimersAvailable : public EVzException {
public:
    ENoTimersAvailable();
};

class EControllerError : public EVzException {
public:
    using EVzException::EVzException;
};

class ENoControllerAssigned : public EControllerError {
public:
    ENoControllerAssigned();
};

class ECmdProcessorError : public EVzException {
public:
    using EVzException::EVzException;
};

class EDuplicateCommand : public ECmdProcessorError {
public:
    EDuplicateCommand();
};

class ETableNotFound : public ECmdProcessorError {
public:
    ETableNotFound();
};

// Also raised as itself when a text written into a field does not convert.
class EEntryFieldError : public EVzException {
public:
    EEntryFieldError();
    using EVzException::EVzException;
};

class EInvalidDataType : public EEntryFieldError {
public:
    EInvalidDataType();
};

class EInvalidPictureMask : public EEntryFieldError {
public:
    explicit EInvalidPictureMask(std::string_view mask);
};

// A range value that does not suit the field's data type; `format` is the field's mask.
class EInvalidRangeValue : public EEntryFieldError {
public:
    explicit EInvalidRangeValue(std::string_view format);
};

class EInvalidDateForMask : public EEntryFieldError {
public:
    EInvalidDateForMask();
};

} // namespace vz
