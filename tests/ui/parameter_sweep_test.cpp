// Thousands of parameter sets from the whole range the check accepts, through
// both runs: every ending is a finished run or one of the three
// floating-point faults, and no infinity or NaN reaches a buffer, the log or
// a chart.
#include "platform/errors.h"
#include "tests/support/fakes.h"
#include "ui/runs.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>

namespace nelin {
namespace {

using testing_support::VectorChart;
using testing_support::VectorLog;

// Values that sit on the edges of the ranges, and values from anywhere in
// them, log-uniform where the range spans many decades.
class ParameterSource {
public:
    explicit ParameterSource(std::uint64_t seed) : random_(seed) {}

    SimulationParameters Next()
    {
        SimulationParameters p;
        p.StepCount = Pick({-5, 0, 1, 2, 999, 1000}, Uniform(-5, 1000));
        const double step = std::uniform_int_distribution<int>(0, 1)(random_) ? 1e-4 : 1.0001e-4;
        p.StepSize = Pick({1e-4, -1e-4, 0.00010001, -0.00010001, 1e-12}, Sign() * std::pow(10.0, Uniform(-12, 0)) * step);
        p.Uo = Pick({-10, 10, 0}, Uniform(-10, 10));
        p.R = Magnitude();
        p.C = Magnitude();
        p.L = Magnitude();
        p.Uc0 = Pick({-10, 10, 0}, Uniform(-10, 10));
        p.DiodeMode = std::uniform_int_distribution<int>(1, 2)(random_);
        return p;
    }

private:
    double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double Sign() { return Uniform(0, 1) ? 1.0 : -1.0; }

    // One time in four an edge value, otherwise the drawn one.
    template <class T>
    T Pick(std::initializer_list<T> edges, T drawn)
    {
        if (Uniform(0, 3) != 0) return drawn;
        return edges.begin()[Uniform(0, static_cast<int>(edges.size()) - 1)];
    }
    double Magnitude() { return Pick({0.0, 10000.0, 1e-300}, std::pow(10.0, Uniform(-12.0, 4.0))); }

    std::mt19937_64 random_;
};

bool AllFinite(const SampleArray& samples)
{
    for (double value : samples) {
        if (!std::isfinite(value)) return false;
    }
    return true;
}

// "inf" or "nan" in any case: no text of the log holds either.
bool NamesANonNumber(std::string line)
{
    for (char& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return line.find("inf") != std::string::npos || line.find("nan") != std::string::npos;
}

class Sweep : public testing::Test {
protected:
    // Runs one press; counts how it ended and checks what it left.
    void Check(RunOutcome (*run)(RunState&, bool, OutputLog&, const RunCharts&), const char* name)
    {
        const RunCharts charts{&chart[0], &chart[1], &chart[2], &chart[3]};
        std::string ending = "finished";
        try {
            ASSERT_EQ(run(state, state.Parameters.DiodeMode == 2, log, charts), RunOutcome::Done);
        } catch (const FloatingPointError& error) {
            ending = error.what();
        }
        ++endings[std::string(name) + ": " + ending];
        const SampleBuffers& s = state.Samples;
        ASSERT_TRUE(AllFinite(s.TimeSamples) && AllFinite(s.UcSamples) && AllFinite(s.IcSamples) &&
                    AllFinite(s.UdSamples) && AllFinite(s.IdSamples));
        for (const std::string& line : log.lines) ASSERT_FALSE(NamesANonNumber(line)) << line;
        for (const VectorChart& c : chart) {
            for (const auto& [x, y] : c.points) ASSERT_TRUE(std::isfinite(x) && std::isfinite(y));
        }
    }

    RunState state;
    VectorLog log;
    VectorChart chart[4];
    std::map<std::string, int> endings;
};

TEST_F(Sweep, EveryAcceptedSetFinishesOrFaultsCleanly)
{
    ParameterSource source(20261211);
    constexpr int Sets = 10000;
    for (int i = 0; i < Sets; ++i) {
        const SimulationParameters p = source.Next();
        ASSERT_TRUE(ValidateParameters(p)) << "set " << i;
        state.Parameters = p;
        ASSERT_NO_FATAL_FAILURE(Check(RunFull, "Vykresli")) << "set " << i;
        // Two presses of a walk: the first starts it, the second continues.
        state.Parameters = p;
        state.StepPosition = 0;
        ASSERT_NO_FATAL_FAILURE(Check(RunOneStep, "Krokuj")) << "set " << i;
        state.Parameters = p;
        ASSERT_NO_FATAL_FAILURE(Check(RunOneStep, "Krokuj")) << "set " << i;
    }
    int total = 0;
    for (const auto& [ending, count] : endings) {
        std::printf("%6d  %s\n", count, ending.c_str());
        EXPECT_TRUE(ending.find("finished") != std::string::npos ||
                    ending.find("Floating point division by zero") != std::string::npos ||
                    ending.find("Invalid floating point operation") != std::string::npos ||
                    ending.find("Floating point overflow") != std::string::npos)
            << ending;
        total += count;
    }
    EXPECT_EQ(total, 3 * Sets);
}

} // namespace
} // namespace nelin
