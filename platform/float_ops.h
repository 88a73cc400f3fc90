#pragma once
// Checked floating-point arithmetic. Formulas are evaluated in long double
// (the 80-bit extended format on x86-64) and each value the model names is
// rounded to double through RoundToDouble. Faults are found by explicit
// tests, not traps: a division is tested before it is made, and a named value
// is tested when it is rounded. No infinity or NaN ever leaves these helpers.

#include "platform/errors.h"

#include <cmath>

namespace nelin {

using Extended = long double;

[[noreturn]] void RaiseFloatFault(FloatFault fault);

// a / b; 0/0 is an invalid operation, any other x/0 a division by zero.
inline Extended Divide(Extended a, Extended b)
{
    if (b == 0) {
        RaiseFloatFault(a == 0 ? FloatFault::InvalidOperation : FloatFault::DivisionByZero);
    }
    return a / b;
}

// Rounds to the nearest double, ties to even; a result beyond the double
// range is an overflow. Underflow passes silently as zero or a subnormal.
inline double RoundToDouble(Extended x)
{
    const double d = static_cast<double>(x);
    if (!std::isfinite(d)) {
        RaiseFloatFault(FloatFault::Overflow);
    }
    return d;
}

} // namespace nelin
