#pragma once
// Fixed-step fourth-order Runge-Kutta-Nystrom integration of y'' = f(t, y, y').
//
// The integrator knows nothing of what it integrates. The right-hand side is
// any callable with the shape
//
//     double f(double t, double y, double v)
//
// returning y'' at time t, position y and velocity v. It is called exactly
// four times per step and may throw; an exception ends the integration at
// once, with entries 0 ... i-1 written and entry i and above untouched.
//
// Each value of a step is formed in extended precision and rounded to double
// when it is named, so every argument passed to f is a double. A division by
// zero or an overflow throws FloatingPointError.

#include "platform/float_ops.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace nelin {

// Writes y and v of steps 0 ... n into positions and velocities, which need at
// least max(n, 0) + 1 entries (checked before anything is written); entries
// beyond n are left alone. Entry 0 is always written, also when n <= 0.
template <class Rhs, class Positions, class Velocities>
void IntegrateRKN(Rhs&& f, Positions& positions, Velocities& velocities,
                  double t0, double y0, double v0, double h, std::int32_t n)
{
    const std::size_t last = n > 0 ? static_cast<std::size_t>(n) : 0;
    if (last >= positions.size() || last >= velocities.size()) {
        throw std::length_error("IntegrateRKN: sample arrays too short for the step count");
    }
    positions[0] = y0;
    velocities[0] = v0;
    const Extended H = h;
    const double hh = RoundToDouble(H * H / 2);
    if (n <= 0) return;

    double t = t0;
    double y = y0;
    double v = v0;
    for (std::size_t i = 1; i <= last; ++i) {
        const double k1 = RoundToDouble(Extended{f(t, y, v)} * hh);
        const double tm = RoundToDouble(H / 2 + t);
        const double ym = RoundToDouble((H * v / 2 + y) + Extended{k1} / 4);
        const double w2 = RoundToDouble(Divide(k1, H) + v);
        const double k2 = RoundToDouble(Extended{f(tm, ym, w2)} * hh);
        const double w3 = RoundToDouble(Divide(k2, H) + v);
        const double k3 = RoundToDouble(Extended{f(tm, ym, w3)} * hh);
        const double te = RoundToDouble(t + H);
        const double ye = RoundToDouble((H * v + y) + k3);
        const double w4 = RoundToDouble(Divide(2 * Extended{k3}, H) + v);
        const double k4 = RoundToDouble(Extended{f(te, ye, w4)} * hh);

        const double newT = RoundToDouble(t + H);
        const double newY = RoundToDouble((H * v + y) + ((Extended{k1} + k2) + k3) / 3);
        const double newV = RoundToDouble(
            Divide(((2 * Extended{k2} + k1) + 2 * Extended{k3}) + k4, 3 * H) + v);
        positions[i] = newY;
        velocities[i] = newV;
        t = newT;
        y = newY;
        v = newV;
    }
}

} // namespace nelin
