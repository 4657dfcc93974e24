// The one number notation of the system: the text of a single-line field, with the decimal
// comma whatever the process locale says.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/fp_faults.h"

namespace vaneko {

// A number read from its text: the sign, the significant digits (no leading or trailing zero;
// empty for zero) and the power of ten, so that the value is exactly ±digits × 10^exponent;
// and its nearest extended value.
struct DecimalNumber {
  bool negative = false;
  std::string digits;
  long exponent = 0;
  Extended value = 0;
};

// Reads optional blanks, an optional sign, decimal digits with at most one comma (at least one
// digit or the comma), an optional exponent ("E" or "e", an optional sign, digits read while
// the exponent stays below 500; a letter without digits is exponent 0) and optional blanks.
// Throws EConvertError "'text' is not a valid floating point value" for anything else.
Extended ReadNumber(std::string_view text);

// Like ReadNumber, but reports failure instead of throwing.
bool TryReadNumber(std::string_view text, Extended& value);

// Like ReadNumber, keeping the exact decimal beside the extended value. A text whose value lies
// beyond the extended range is not a number; one below it reads as zero.
DecimalNumber ReadDecimal(std::string_view text);
bool TryReadDecimal(std::string_view text, DecimalNumber& number);

// The extended value nearest to an ASCII decimal "[-]digits[.digits]e[-]exponent". False when
// the text is not of that form; `outOfRange` is set for a value beyond or below the extended
// range, and `value` is then unspecified. The same on every platform's C library.
bool ReadAsciiExtended(std::string_view ascii, Extended& value, bool& outOfRange);

// Reads optional leading blanks, an optional sign and decimal digits forming a 32-bit signed
// whole number. Throws EConvertError "'text' is not a valid integer value" otherwise.
std::int32_t ReadInteger(std::string_view text);

// The general format with 15 significant digits, a half rounded away from zero: fixed
// notation for 1E-4 <= |value| < 1E15, otherwise "d,dddE[-]x"; zero (of either sign) is "0".
std::string FormatNumber(Extended value);

}  // namespace vaneko
