#include "model/parameters.h"

#include "platform/float_ops.h"
#include "platform/number_text.h"

namespace nelin {

SimulationParameters DefaultParameters()
{
    SimulationParameters p;
    p.StepCount = 500;
    p.StepSize = 0.0001;
    p.Uo = 0.12;
    p.R = 1000;
    p.L = 0.01;
    p.C = 0.0001;
    p.Uc0 = 0.1;
    p.DiodeMode = 1;
    return p;
}

void ReadParameterFields(const ParameterFieldTexts& fields, SimulationParameters& parameters)
{
    parameters.StepCount = TextToInteger(fields.StepCount);
    parameters.StepSize = TextToDecimal(fields.StepSize);
    parameters.Uo = TextToDecimal(fields.Uo);
    parameters.R = TextToDecimal(fields.R);
    parameters.C = TextToDecimal(fields.C);
    parameters.L = TextToDecimal(fields.L);
    parameters.Uc0 = TextToDecimal(fields.Uc0);
}

bool ValidateParameters(const SimulationParameters& p)
{
    // The step bounds are the extended values nearest to +-1.0001e-4, and the
    // step is compared with them in extended precision: the double read from
    // "0.00010001" lies just inside them.
    constexpr Extended UpperStep = 1.0001e-4L;
    constexpr Extended LowerStep = -1.0001e-4L;
    const Extended step = p.StepSize;
    return step < UpperStep
        && p.StepSize != 0
        && step >= LowerStep
        && p.StepCount <= MaxStepCount
        && p.Uo <= 10 && p.Uo >= -10
        && p.R <= 10000 && p.R >= 0
        && p.C <= 10000 && p.C >= 0
        && p.L <= 10000 && p.L >= 0
        && p.Uc0 <= 10 && p.Uc0 >= -10;
}

} // namespace nelin
