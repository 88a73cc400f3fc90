#pragma once
// The circuit model:
//
//     C * Uc'' = -(1/R + (DiodeMode - 1) * DiodeSlope(Uo - Uc)) * Uc' - Uc/L
//
// with the diode current a fixed fifth-degree polynomial of the diode
// voltage, and the formulas that complete each sample after the integration.

#include "model/parameters.h"
#include "platform/float_ops.h"

#include <array>

namespace nelin {

// Coefficients of Ud^1 ... Ud^5 of the diode current [A].
inline constexpr std::array<double, 5> DiodeCurrentCoeffs{0.01742, -0.255, 1.402, -3.422, 3.32};
// Coefficients of Ud^0 ... Ud^4 of its derivative dId/dUd [A/V]; stored as
// literals, not derived from the current's table.
inline constexpr std::array<double, 5> DiodeSlopeCoeffs{0.01742, -0.51, 4.206, -13.688, 16.6};

// The largest step a run integrates with [s].
inline constexpr double MaxStepSize = 0.0001;

double DiodeCurrent(double ud);
double DiodeSlope(double ud);

namespace detail {

inline Extended SlopePolynomial(Extended u)
{
    const auto& b = DiodeSlopeCoeffs;
    return (((b[4] * u + b[3]) * u + b[2]) * u + b[1]) * u + b[0];
}

} // namespace detail

// Uc'' [V/s^2] at capacitor voltage uc [V] and its rate of change duc [V/s];
// the time t does not enter. Throws FloatingPointError for R, L or C of 0 and
// for a result beyond the double range. Inline: the integrator calls it 4000
// times a run.
inline double CircuitRhs(const SimulationParameters& p, double /*t*/, double uc, double duc)
{
    const double d = RoundToDouble(Extended{p.Uo} - uc);
    // The slope stays extended, so it is finite for any d: without the diode
    // it is multiplied by 0 and never faults. That product is 0 whatever the
    // slope is, so it is not evaluated then.
    const double g = p.DiodeMode == 1 ? 0.0 : RoundToDouble(detail::SlopePolynomial(d) * (p.DiodeMode - 1));
    const Extended a = (Divide(1, p.R) + g) * duc;
    const Extended b = Divide(uc, p.L);
    return RoundToDouble(Divide(-(a + b), p.C));
}

// A step above MaxStepSize is lowered to it; every other step stays.
void ApplyStepLimit(SimulationParameters& p);

// Sets the initial sample (time 0, Uc0, rate 0), applies the step limit and
// integrates StepCount steps into UcSamples and IcSamples (IcSamples then hold
// dUc/dt).
void IntegrateCircuit(SimulationParameters& p, SampleBuffers& s);

// Completes sample i after the integration: its time (i >= 1, from the time
// of sample i - 1), Ud, Id, and Ic = C * dUc/dt in place. Must run once per
// index and integration, for i = 0, 1, ... in order.
void DeriveSample(const SimulationParameters& p, SampleBuffers& s, std::int32_t i);

} // namespace nelin
