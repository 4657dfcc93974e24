// The errors a handler can raise. Every one carries only its message text; the window shows
// it in a message box titled "Vaneko" (see ErrorBoxText).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vaneko {

// Base of every error the system raises on purpose.
class VanekoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A field that does not hold a number ("'%s' is not a valid floating point value") or a
// whole number ("'%s' is not a valid integer value").
class EConvertError : public VanekoError {
 public:
  using VanekoError::VanekoError;
};

// Arithmetic faults caught by the floating-point fault guard.
class EMathError : public VanekoError {
 public:
  using VanekoError::VanekoError;
};
class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError("Invalid floating point operation") {}
};
class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError("Floating point division by zero") {}
  explicit EZeroDivide(const std::string& message) : EMathError(message) {}
};
class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError("Floating point overflow") {}
};

// A size in the unit tables that exact arithmetic cannot hold (a product beyond 127 bits, a sum
// of sizes through different powers of π, a text that is not a decimal). The tables are
// constant expressions, so such a size fails to compile; a size built at run time raises this.
class ESizeError : public VanekoError {
 public:
  using VanekoError::VanekoError;
};

// The measurement registry's own errors.
class EConversionError : public VanekoError {
 public:
  using VanekoError::VanekoError;
};

// "'text' is not a valid floating point value"
EConvertError InvalidFloat(std::string_view text);
// "'text' is not a valid integer value"
EConvertError InvalidInteger(std::string_view text);

// The text of the error box: the message with a full stop appended, unless it already ends
// in a character that sorts at or below "." (such as ".", "!" or a blank).
std::string ErrorBoxText(std::string_view message);

}  // namespace vaneko
