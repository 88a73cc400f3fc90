#pragma once
// The one error type that reaches an event handler. Its message is the text
// the user is shown, in UTF-8 and without the closing full stop that the error
// box adds.

#include <stdexcept>
#include <string>
#include <string_view>

namespace nelin {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A field text that is not a number of the expected kind.
class ConversionError : public Error {
public:
    using Error::Error;
};

enum class FloatFault { DivisionByZero, InvalidOperation, Overflow };

// A division by zero, an invalid operation or an overflow, detected before
// the faulty value could be stored anywhere.
class FloatingPointError : public Error {
public:
    explicit FloatingPointError(FloatFault fault);
    FloatFault fault() const noexcept { return fault_; }

private:
    FloatFault fault_;
};

// A file that could not be created or written.
class FileError : public Error {
public:
    using Error::Error;
};

// The text of the default error box: the message with a full stop added,
// unless it is empty or ends in a character whose code is not above that of
// the full stop (such as "!", ")" or "." itself).
std::string ErrorBoxText(std::string_view message);

} // namespace nelin
