#pragma once
// The state that every run works on: the parameter record, the sample
// buffers and the stepping counter. One RunState is owned by whoever runs the
// program (the main window) and handed to the procedures that use it.

#include <array>
#include <cstdint>
#include <string>

namespace nelin {

struct SimulationParameters {
    std::int32_t StepCount = 0;
    double StepSize = 0;
    double Uo = 0; // source voltage [V]
    double R = 0;  // resistance [ohm]
    double C = 0;  // capacitance [F]
    double L = 0;  // inductance [H]
    double Uc0 = 0; // capacitor voltage at time 0 [V]
    std::int32_t DiodeMode = 0; // 1 without the diode, 2 with it
};

constexpr std::int32_t MaxStepCount = 1000;
constexpr std::size_t SampleCapacity = MaxStepCount + 1;

using SampleArray = std::array<double, SampleCapacity>;

// Indexed by the sample number 0 ... StepCount. Nothing clears them: entries a
// run does not reach keep what an earlier run left.
struct SampleBuffers {
    SampleArray TimeSamples{};
    SampleArray UcSamples{};
    SampleArray IcSamples{}; // dUc/dt after the integration, C * dUc/dt once derived
    SampleArray UdSamples{};
    SampleArray IdSamples{};
};

struct RunState {
    SimulationParameters Parameters; // zero until the defaults are stored
    SampleBuffers Samples;
    std::int32_t StepPosition = 0; // last sample the stepping run has shown; 0: start anew
};

// 500 steps of 0.0001 s, Uo 0.12 V, R 1000 ohm, C 0.0001 F, L 0.01 H,
// Uc 0.1 V, without the diode.
SimulationParameters DefaultParameters();

// The texts of the seven entry fields.
struct ParameterFieldTexts {
    std::string StepCount; // Edit1
    std::string StepSize;  // Edit2
    std::string Uo;        // Edit3
    std::string R;         // Edit4
    std::string L;         // Edit5
    std::string C;         // Edit6
    std::string Uc0;       // Edit7
};

// Converts the field texts in the order StepCount, StepSize, Uo, R, C, L, Uc0
// and stores each value as soon as it is converted, so a conversion error
// leaves the earlier fields stored and the later ones untouched. DiodeMode is
// never touched. Throws ConversionError or FloatingPointError.
void ReadParameterFields(const ParameterFieldTexts& fields, SimulationParameters& parameters);

// True when every value lies in its accepted range. Tests in a fixed order and
// changes nothing.
bool ValidateParameters(const SimulationParameters& parameters);

} // namespace nelin
