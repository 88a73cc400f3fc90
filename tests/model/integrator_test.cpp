#include "model/integrator.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace nelin {
namespace {

constexpr double Untouched = -12345.0;

struct Arrays {
    std::array<double, 11> y;
    std::array<double, 11> v;
    Arrays() { y.fill(Untouched); v.fill(Untouched); }
};

struct Call {
    double t, y, v;
};

TEST(IntegrateRKN, NoStepsWritesOnlyTheStartAndNeverCallsF)
{
    for (int n : {0, -1, -1000}) {
        Arrays a;
        int calls = 0;
        IntegrateRKN([&](double, double, double) { ++calls; return 1.0; }, a.y, a.v, 0.0, 0.5, 2.0, 0.1, n);
        EXPECT_EQ(calls, 0);
        EXPECT_EQ(a.y[0], 0.5);
        EXPECT_EQ(a.v[0], 2.0);
        EXPECT_EQ(a.y[1], Untouched);
        EXPECT_EQ(a.v[1], Untouched);
    }
}

TEST(IntegrateRKN, OneStepCallsFFourTimesAtTheStageTimes)
{
    Arrays a;
    std::vector<Call> calls;
    IntegrateRKN([&](double t, double y, double v) { calls.push_back({t, y, v}); return 0.0; },
                 a.y, a.v, 1.0, 0.0, 0.0, 0.5, 1);
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].t, 1.0);
    EXPECT_EQ(calls[1].t, 1.25);
    EXPECT_EQ(calls[2].t, 1.25);
    EXPECT_EQ(calls[3].t, 1.5);
    EXPECT_NE(a.y[1], Untouched);
    EXPECT_EQ(a.y[2], Untouched);
}

TEST(IntegrateRKN, ZeroAccelerationMovesUniformlyAndExactly)
{
    Arrays a;
    IntegrateRKN([](double, double, double) { return 0.0; }, a.y, a.v, 0.0, 1.0, 2.0, 0.5, 10);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(a.y[i], 1.0 + i) << i;
        EXPECT_EQ(a.v[i], 2.0) << i;
    }
}

TEST(IntegrateRKN, ConstantAccelerationIsExactUpToRounding)
{
    Arrays a;
    IntegrateRKN([](double, double, double) { return -100000.0; }, a.y, a.v, 0.0, 0.1, 2.0, 0.0001, 1);
    EXPECT_NEAR(a.y[1], 0.0997, 1e-16);
    EXPECT_NEAR(a.v[1], -8.0, 1e-14);
}

TEST(IntegrateRKN, HarmonicOscillatorFollowsTheCosine)
{
    // y'' = -y, y(0) = 1, y'(0) = 0: y = cos t, y' = -sin t. Fourth order:
    // the error after t = 1 with h = 0.1 stays far below 1e-5.
    Arrays a;
    IntegrateRKN([](double, double y, double) { return -y; }, a.y, a.v, 0.0, 1.0, 0.0, 0.1, 10);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_NEAR(a.y[i], std::cos(0.1 * i), 2e-6) << i;
        EXPECT_NEAR(a.v[i], -std::sin(0.1 * i), 2e-6) << i;
    }
    // Halving the step divides the error by about 2^4.
    std::array<double, 21> y{}, v{};
    IntegrateRKN([](double, double y0, double) { return -y0; }, y, v, 0.0, 1.0, 0.0, 0.05, 20);
    const double coarse = std::fabs(a.y[10] - std::cos(1.0));
    const double fine = std::fabs(y[20] - std::cos(1.0));
    EXPECT_GT(coarse / fine, 12.0);
    EXPECT_LT(coarse / fine, 20.0);
}

TEST(IntegrateRKN, NegativeStepRunsBackwards)
{
    Arrays a;
    std::vector<double> times;
    IntegrateRKN([&](double t, double, double) { times.push_back(t); return 1.0; }, a.y, a.v, 0.0, 0.0, 0.0, -0.5, 2);
    EXPECT_EQ(times, (std::vector<double>{0, -0.25, -0.25, -0.5, -0.5, -0.75, -0.75, -1.0}));
    // y = t^2 / 2 is reached exactly, with hh positive.
    EXPECT_EQ(a.y[2], 0.5);
    EXPECT_EQ(a.v[2], -1.0);
}

TEST(IntegrateRKN, AnErrorInFEndsTheCallWithCompletedStepsWritten)
{
    for (int failingCall : {0, 9}) { // the first call, and the second call of step 3
        Arrays a;
        int calls = 0;
        auto f = [&](double, double, double) {
            if (calls++ == failingCall) throw FloatingPointError(FloatFault::Overflow);
            return 1.0;
        };
        EXPECT_THROW(IntegrateRKN(f, a.y, a.v, 0.0, 0.0, 0.0, 0.1, 10), FloatingPointError);
        const int completed = failingCall / 4;
        for (int i = 0; i <= completed; ++i) EXPECT_NE(a.y[i], Untouched) << i;
        for (int i = completed + 1; i <= 10; ++i) {
            EXPECT_EQ(a.y[i], Untouched) << i;
            EXPECT_EQ(a.v[i], Untouched) << i;
        }
    }
}

TEST(IntegrateRKN, OwnArithmeticFaults)
{
    Arrays a;
    try { // a step of 0: K1 / h is 0/0
        IntegrateRKN([](double, double, double) { return 1.0; }, a.y, a.v, 0.0, 0.0, 0.0, 0.0, 1);
        FAIL();
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(e.fault(), FloatFault::InvalidOperation);
    }
    EXPECT_EQ(a.y[1], Untouched);
    try { // a velocity that leaves the double range
        IntegrateRKN([](double, double, double) { return 1e308; }, a.y, a.v, 0.0, 0.0, 1e308, 1e10, 3);
        FAIL();
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(e.fault(), FloatFault::Overflow);
    }
}

TEST(IntegrateRKN, RefusesArraysShorterThanTheRun)
{
    Arrays a;
    EXPECT_THROW(IntegrateRKN([](double, double, double) { return 0.0; }, a.y, a.v, 0.0, 0.0, 0.0, 0.1, 11),
                 std::length_error);
    EXPECT_EQ(a.y[0], Untouched);
}

} // namespace
} // namespace nelin
