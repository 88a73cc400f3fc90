#pragma once
// The exact decimal digits of a double, as the number texts of the log need them.

#include <cstdint>

namespace nelin {

// |x| = digits * 10^(exponent - 17), digits having exactly 18 decimal digits,
// correctly rounded (ties to even).
struct Decimal18 {
    std::uint64_t digits;
    int exponent;
};

// For a finite magnitude > 0.
Decimal18 ToDecimal18(double magnitude);

} // namespace nelin
