#include "model/circuit.h"
#include "model/integrator.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace nelin {
namespace {

// |actual - expected| within one unit in the digits-th significant digit.
void ExpectDigits(double actual, double expected, int digits)
{
    const double tolerance = std::fabs(expected) * std::pow(10.0, 1 - digits) / 2;
    EXPECT_NEAR(actual, expected, tolerance);
}

SimulationParameters Defaults(bool diode)
{
    SimulationParameters p = DefaultParameters();
    p.DiodeMode = diode ? 2 : 1;
    return p;
}

RunState FullRun(const SimulationParameters& p)
{
    RunState state;
    state.Parameters = p;
    IntegrateCircuit(state.Parameters, state.Samples);
    for (std::int32_t i = 0; i <= state.Parameters.StepCount; ++i) {
        DeriveSample(state.Parameters, state.Samples, i);
    }
    return state;
}

TEST(Diode, KnownValues)
{
    struct Row { double ud, current, slope; };
    for (const Row& row : {Row{0.02, 0.000257079104, 0.008795552}, Row{0.1, 0.000285, -0.003548},
                           Row{0.2, 0.0000872, 0.000716}, Row{1, 1.06242, 6.62542}}) {
        ExpectDigits(DiodeCurrent(row.ud), row.current, 9);
        ExpectDigits(DiodeSlope(row.ud), row.slope, 9);
    }
    EXPECT_EQ(DiodeCurrent(0), 0.0);
    EXPECT_EQ(DiodeSlope(0), 0.01742);
}

TEST(CircuitRhs, DefaultCircuit)
{
    for (double t : {0.0, 0.5, -3.0}) {
        EXPECT_EQ(CircuitRhs(Defaults(false), t, 0.1, 0), -100000);
        EXPECT_EQ(CircuitRhs(Defaults(true), t, 0.1, 0), -100000);
        EXPECT_NEAR(CircuitRhs(Defaults(false), t, 0.1, 10), -100100, 1e-9);
        ExpectDigits(CircuitRhs(Defaults(true), t, 0.1, 10), -100979.5552, 10);
    }
    // Without the diode Uo does not enter, and the slope never faults.
    SimulationParameters p = Defaults(false);
    const double reference = CircuitRhs(p, 0, 0.05, 3);
    for (double uo : {-10.0, 0.0, 10.0, 1e300}) {
        p.Uo = uo;
        EXPECT_EQ(CircuitRhs(p, 0, 0.05, 3), reference);
    }
}

TEST(CircuitRhs, ZeroParametersFaultAtTheFirstDivision)
{
    struct Row { double r, l, c, uc; FloatFault fault; };
    for (const Row& row : {Row{0, 0.01, 0.0001, 0.1, FloatFault::DivisionByZero},
                           Row{0, 0, 0, 0, FloatFault::DivisionByZero},
                           Row{1000, 0, 0.0001, 0.1, FloatFault::DivisionByZero},
                           Row{1000, 0, 0.0001, 0, FloatFault::InvalidOperation},
                           Row{1000, 0.01, 0, 0.1, FloatFault::DivisionByZero},
                           Row{1000, 0.01, 0, 0, FloatFault::InvalidOperation}}) {
        for (bool diode : {false, true}) {
            SimulationParameters p = Defaults(diode);
            p.R = row.r;
            p.L = row.l;
            p.C = row.c;
            p.Uc0 = row.uc;
            RunState state;
            state.Parameters = p;
            try {
                IntegrateCircuit(state.Parameters, state.Samples);
                ADD_FAILURE() << "no fault for R " << row.r << " L " << row.l << " C " << row.c;
            } catch (const FloatingPointError& e) {
                EXPECT_EQ(e.fault(), row.fault) << "R " << row.r << " L " << row.l << " C " << row.c;
            }
            // With no step there is no evaluation and no fault.
            state.Parameters.StepCount = 0;
            EXPECT_NO_THROW(FullRun(state.Parameters));
        }
    }
}

TEST(StepLimit, LowersOnlyStepsAboveTheMaximum)
{
    struct Row { double entered, used; };
    for (const Row& row : {Row{0.000100005, 0.0001}, Row{0.00010001, 0.0001}, Row{0.0001, 0.0001},
                           Row{0.00005, 0.00005}, Row{-0.0001, -0.0001}, Row{-0.00010001, -0.00010001}}) {
        SimulationParameters p = DefaultParameters();
        p.StepSize = row.entered;
        ApplyStepLimit(p);
        EXPECT_EQ(p.StepSize, row.used) << row.entered;
    }
}

struct Call {
    double t, y, v;
};

TEST(CircuitIntegration, FirstStepMatchesTheWorkedValues)
{
    struct Row {
        bool diode;
        std::array<Call, 4> calls;
        double y, v;
    };
    const Row rows[] = {
        {false,
         {Call{0, 0.1, 0}, Call{0.00005, 0.099875, -5}, Call{0.00005, 0.099875, -4.99125},
          Call{0.0001, 0.0995008745625, -9.98250875}},
         0.0995005831875, -9.97835374125},
        {true,
         {Call{0, 0.1, 0}, Call{0.00005, 0.099875, -5}, Call{0.00005, 0.099875, -4.96937275329},
          Call{0.0001, 0.0995030477925, -9.93904414976}},
         0.0995020368391, -9.93504730245},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.diode ? "with the diode" : "without the diode");
        const SimulationParameters p = Defaults(row.diode);
        std::vector<Call> calls;
        std::array<double, 2> y{}, v{};
        IntegrateRKN([&](double t, double uc, double duc) {
            calls.push_back({t, uc, duc});
            return CircuitRhs(p, t, uc, duc);
        }, y, v, 0.0, p.Uc0, 0.0, p.StepSize, 1);
        ASSERT_EQ(calls.size(), 4u);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_DOUBLE_EQ(calls[i].t, row.calls[i].t) << i;
            ExpectDigits(calls[i].y, row.calls[i].y, 12);
            if (row.calls[i].v != 0) ExpectDigits(calls[i].v, row.calls[i].v, 12);
        }
        ExpectDigits(y[1], row.y, 12);
        ExpectDigits(v[1], row.v, 12);
    }
}

TEST(CircuitIntegration, DefaultRunsAfter500And1000Steps)
{
    struct Row { bool diode; double y500, v500, y1000, v1000; };
    for (const Row& row : {Row{false, 0.0750360482120, 20.4821617691, 0.0521089001818, 30.7799614988},
                           Row{true, 0.102973633163, 28.0376732932, 0.0935129881335, 56.2184988925}}) {
        SCOPED_TRACE(row.diode ? "with the diode" : "without the diode");
        SimulationParameters p = Defaults(row.diode);
        p.StepCount = 1000;
        RunState state;
        state.Parameters = p;
        IntegrateCircuit(state.Parameters, state.Samples);
        const SampleBuffers& s = state.Samples;
        ExpectDigits(s.UcSamples[500], row.y500, 12);
        ExpectDigits(s.IcSamples[500], row.v500, 12);
        ExpectDigits(s.UcSamples[1000], row.y1000, 12);
        ExpectDigits(s.IcSamples[1000], row.v1000, 12);

        // Deriving scales the rate into the capacitor current.
        const RunState full = FullRun(p);
        EXPECT_EQ(full.Samples.IcSamples[500], p.C * s.IcSamples[500]);
    }
}

TEST(DeriveSample, TimesAccumulateStepByStep)
{
    SimulationParameters p = Defaults(false);
    p.StepCount = 1000;
    const RunState state = FullRun(p);
    EXPECT_EQ(state.Samples.TimeSamples[500], 0.050000000000000405);
    EXPECT_EQ(state.Samples.TimeSamples[1000], 0.10000000000000184);
}

TEST(DeriveSample, InitialSampleAndDiodeQuantities)
{
    for (bool diode : {false, true}) {
        const RunState state = FullRun(Defaults(diode));
        const SampleBuffers& s = state.Samples;
        EXPECT_EQ(s.TimeSamples[0], 0);
        EXPECT_EQ(s.UcSamples[0], 0.1);
        EXPECT_EQ(s.IcSamples[0], 0);
        EXPECT_EQ(s.UdSamples[0], 0.12 - 0.1);
        EXPECT_EQ(s.IdSamples[0], DiodeCurrent(0.12 - 0.1));
        for (int i = 1; i <= 500; ++i) {
            if (diode) {
                ASSERT_EQ(s.UdSamples[i], 0.12 - s.UcSamples[i]) << i;
            } else { // every sample keeps the diode voltage of the start
                ASSERT_EQ(s.UdSamples[i], 0.01999999999999999) << i;
                ASSERT_EQ(s.IdSamples[i], s.IdSamples[0]) << i;
            }
        }
    }
    ExpectDigits(DiodeCurrent(0.01999999999999999), 0.000257079104, 9);
}

TEST(DeriveSample, NoInitialChargeStaysAtRest)
{
    for (bool diode : {false, true}) {
        SimulationParameters p = Defaults(diode);
        p.Uc0 = 0;
        const RunState state = FullRun(p);
        for (int i = 0; i <= 500; ++i) {
            ASSERT_EQ(state.Samples.UcSamples[i], 0) << i;
            ASSERT_EQ(state.Samples.IcSamples[i], 0) << i;
            ASSERT_EQ(state.Samples.UdSamples[i], 0.12) << i;
        }
        ExpectDigits(state.Samples.IdSamples[500], 0.000214082304, 9);
    }
}

TEST(CircuitIntegration, UnstableSettingsOverflowAtTheKnownStep)
{
    struct Row { double c; bool diode; int failingStep; }; // 0: runs to the end
    for (const Row& row : {Row{0.00000001, false, 84}, Row{0.00000001, true, 2},
                           Row{0.000000001, false, 38}, Row{0.000001, true, 0}}) {
        SCOPED_TRACE(testing::Message() << "C " << row.c << (row.diode ? " with" : " without") << " the diode");
        SimulationParameters p = Defaults(row.diode);
        p.C = row.c;
        p.StepCount = 1000;
        RunState state;
        state.Parameters = p;
        constexpr double Untouched = 7.0;
        state.Samples.UcSamples.fill(Untouched);
        if (row.failingStep == 0) {
            EXPECT_NO_THROW(FullRun(p));
            continue;
        }
        try {
            IntegrateCircuit(state.Parameters, state.Samples);
            FAIL() << "no overflow";
        } catch (const FloatingPointError& e) {
            EXPECT_EQ(e.fault(), FloatFault::Overflow);
        }
        const auto step = static_cast<std::size_t>(row.failingStep);
        EXPECT_NE(state.Samples.UcSamples[step - 1], Untouched);
        EXPECT_TRUE(std::isfinite(state.Samples.UcSamples[step - 1]));
        EXPECT_EQ(state.Samples.UcSamples[step], Untouched);
    }
}

} // namespace
} // namespace nelin
