#include "model/circuit.h"

#include "model/integrator.h"
#include "platform/float_ops.h"

#include <stdexcept>

namespace nelin {

double DiodeCurrent(double ud)
{
    const auto& a = DiodeCurrentCoeffs;
    const Extended u = ud;
    return RoundToDouble(((((a[4] * u + a[3]) * u + a[2]) * u + a[1]) * u + a[0]) * u);
}

double DiodeSlope(double ud)
{
    return RoundToDouble(detail::SlopePolynomial(ud));
}

void ApplyStepLimit(SimulationParameters& p)
{
    if (p.StepSize > MaxStepSize) p.StepSize = MaxStepSize;
}

void IntegrateCircuit(SimulationParameters& p, SampleBuffers& s)
{
    s.TimeSamples[0] = 0;
    s.UcSamples[0] = p.Uc0;
    s.IcSamples[0] = 0;
    ApplyStepLimit(p);
    const SimulationParameters& params = p;
    IntegrateRKN([&params](double t, double uc, double duc) { return CircuitRhs(params, t, uc, duc); },
                 s.UcSamples, s.IcSamples, 0.0, p.Uc0, 0.0, p.StepSize, p.StepCount);
}

void DeriveSample(const SimulationParameters& p, SampleBuffers& s, std::int32_t i)
{
    if (i < 0 || i > MaxStepCount) throw std::out_of_range("DeriveSample: sample index out of range");
    const auto k = static_cast<std::size_t>(i);
    if (k >= 1) {
        s.TimeSamples[k] = RoundToDouble(Extended{s.TimeSamples[k - 1]} + p.StepSize);
    }
    // Without the diode every sample gets the diode voltage of the start.
    const double uc = p.DiodeMode == 2 ? s.UcSamples[k] : s.UcSamples[0];
    s.UdSamples[k] = RoundToDouble(Extended{p.Uo} - uc);
    s.IdSamples[k] = DiodeCurrent(s.UdSamples[k]);
    s.IcSamples[k] = RoundToDouble(Extended{p.C} * s.IcSamples[k]);
}

} // namespace nelin
