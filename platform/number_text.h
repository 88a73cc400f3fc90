#pragma once
// Text-to-number conversions of the entry fields. They do not depend on the
// process locale: the decimal separator is always ".".

#include <cstdint>
#include <string_view>

namespace nelin {

// The decimal separator of every number read or written, whatever the locale.
inline constexpr char DecimalSeparator = '.';

// Accepts leading blanks, an optional sign and decimal digits, or hexadecimal
// digits after "$", "x" or "0x" (x in either case), and nothing after the
// digits. The value must fit a signed 32-bit integer.
// Throws ConversionError "'<text>' is not a valid integer value".
std::int32_t TextToInteger(std::string_view text);

// Accepts leading blanks, an optional sign, digits, optionally "." and
// digits, optionally an exponent ("E" or "e", an optional sign and any number
// of digits; none counts as 0), and trailing blanks. At least one digit or the
// "." must stand before the exponent, so "." alone and "-." read 0.
// The value is formed in extended precision and then rounded to double.
// Throws ConversionError "'<text>' is not a valid floating point value" when
// the syntax is wrong or the value is beyond the extended range, and
// FloatingPointError (overflow) when it is beyond the double range only.
double TextToDecimal(std::string_view text);

} // namespace nelin
