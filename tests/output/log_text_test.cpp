#include "output/log_text.h"
#include "model/circuit.h"
#include "platform/errors.h"

#include "tests/support/fakes.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace nelin {
namespace {

struct NumberRow {
    const char* name;
    double value;
    const char* text;
};

class GeneralText : public testing::TestWithParam<NumberRow> {};

TEST_P(GeneralText, Formats)
{
    EXPECT_EQ(FormatGeneral(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, GeneralText, testing::Values(
    NumberRow{"Zero", 0.0, "0"},
    NumberRow{"NegativeZero", -0.0, "0"},
    NumberRow{"Thousand", 1000, "1000"},
    NumberRow{"FiveE_5", 0.00005, "5E-5"},
    NumberRow{"OneE_5", 0.00001, "1E-5"},
    NumberRow{"SmallestFixed", 0.0001, "0.0001"},
    NumberRow{"NegativeExponent", -0.00000035, "-3.5E-7"},
    NumberRow{"TwoThirds", 2.0 / 3.0, "0.666666666666667"},
    NumberRow{"CarryToOne", 0.9999999999999999, "1"},
    NumberRow{"LargestFixed", 999999999999999, "999999999999999"},
    NumberRow{"TenToFifteen", 1e15, "1E15"},
    NumberRow{"Mixed", 12345.678, "12345.678"},
    NumberRow{"DefaultStep", 0.0001, "0.0001"},
    NumberRow{"Uo", 0.12, "0.12"},
    NumberRow{"NegativeFixed", -1.5, "-1.5"},
    NumberRow{"DoubleNearTwoTenths", 0.1 + 0.2, "0.3"},
    NumberRow{"Large", 1.5e300, "1.5E300"},
    NumberRow{"Largest", std::numeric_limits<double>::max(), "1.79769313486232E308"},
    NumberRow{"Subnormal", 5e-324, "4.94065645841247E-324"},
    NumberRow{"StepAsEntered", 0.000100005, "0.000100005"},
    NumberRow{"CarryRaisesExponent", 9.9999999999999995e-5, "0.0001"}),
    testing_support::RowName());

struct RoundRow {
    const char* name;
    double value;
    int places;
    const char* text; // of the rounded value
};

class Rounding : public testing::TestWithParam<RoundRow> {};

// r * f is formed from the double nearest 10^-p, so the result need not be
// the double nearest the decimal; its text is.
TEST_P(Rounding, RoundsToDecimals)
{
    const double r = RoundDecimals(GetParam().value, GetParam().places);
    EXPECT_EQ(FormatGeneral(r), GetParam().text);
    EXPECT_FALSE(std::signbit(r)) << "negative zero";
}

INSTANTIATE_TEST_SUITE_P(Table, Rounding, testing::Values(
    RoundRow{"FourPlaces", 0.12345678, 4, "0.1235"},
    RoundRow{"NegativeToZero", -0.000004, 5, "0"},
    RoundRow{"TieToEvenDown", 0.5, 0, "0"},
    RoundRow{"TieToEvenUp", 1.5, 0, "2"},
    RoundRow{"TieToEvenDecimals", 0.00125, 5, "0.00125"},
    RoundRow{"Time", 0.00030000000000000003, 8, "0.0003"},
    RoundRow{"AboveTwoTo62", 5.00000000000000125e14, 4, "500000000000000"},
    RoundRow{"NearLimit", 9.2e14, 4, "920000000000000"}),
    testing_support::RowName());

TEST(RoundDecimals, NegativeValuesKeepTheirSign)
{
    EXPECT_EQ(FormatGeneral(RoundDecimals(-0.0000123, 5)), "-1E-5");
    EXPECT_EQ(RoundDecimals(-2.5, 0), -2.0);
}

TEST(RoundDecimals, QuotientOf2To63OrMoreIsInvalid)
{
    for (double x : {9.3e14, -9.3e14, 1e300}) {
        try {
            RoundDecimals(x, 4);
            FAIL() << x;
        } catch (const FloatingPointError& e) {
            EXPECT_EQ(e.fault(), FloatFault::InvalidOperation);
            EXPECT_STREQ(e.what(), "Invalid floating point operation");
        }
    }
    EXPECT_THROW(RoundDecimals(9.3e13, 5), FloatingPointError);
    EXPECT_NO_THROW(RoundDecimals(9.2e13, 5));
}

using testing_support::VectorLog;

TEST(RunHeader, DefaultParameters)
{
    VectorLog log;
    WriteRunHeader(log, DefaultParameters(), false);
    WriteColumnHeader(log);
    EXPECT_EQ(log.lines, (std::vector<std::string>{
        "počet krokov= 500", "veľkosť kroku= 0.0001 s", "Uo= 0.12 V", "R= 1000 ohm", "C= 0.0001 F",
        "L= 0.01 H", "Uc= 0.1 V", "obvod bez diódy.", "", "čas[s], Uc[V], Ic[A], Id[A]"}));
}

TEST(RunHeader, OtherValues)
{
    SimulationParameters p = DefaultParameters();
    p.StepCount = -5;
    p.StepSize = 0.00001;
    p.Uo = -0.0;
    p.C = 5000;
    VectorLog log;
    WriteRunHeader(log, p, true);
    ASSERT_EQ(log.lines.size(), 9u);
    EXPECT_EQ(log.lines[0], "počet krokov= -5");
    EXPECT_EQ(log.lines[1], "veľkosť kroku= 1E-5 s");
    EXPECT_EQ(log.lines[2], "Uo= 0 V");
    EXPECT_EQ(log.lines[4], "C= 5000 F");
    EXPECT_EQ(log.lines[7], "obvod s diódou.");
    EXPECT_EQ(log.lines[8], "");
}

TEST(SampleLine, WorkedExampleInBothStyles)
{
    EXPECT_EQ(FormatSampleLine(3, 0.0001, 0.09999123, -0.000123456, 0.0000345, SampleLineStyle::FullRun),
              "0.0003  0.1  -0.00012  3E-5");
    EXPECT_EQ(FormatSampleLine(3, 0.0001, 0.09999123, -0.000123456, 0.0000345, SampleLineStyle::Stepping),
              "0.0003   0.1   -0.00012 3E-5");
}

TEST(SampleLine, TimeColumnIsKTimesTheStep)
{
    auto time = [](std::int32_t k, double h) {
        const std::string line = FormatSampleLine(k, h, 0, 0, 0, SampleLineStyle::FullRun);
        return line.substr(0, line.find(' '));
    };
    EXPECT_EQ(time(1, 0.00005), "5E-5");
    EXPECT_EQ(time(2, 0.00005), "0.0001");
    EXPECT_EQ(time(3, 0.00005), "0.00015");
    EXPECT_EQ(time(500, 0.0001), "0.05");
    EXPECT_EQ(time(1000, 0.0001), "0.1");
    EXPECT_EQ(time(2, -0.0001), "-0.0002");
}

TEST(SampleLine, ValueBeyondTheRoundingRangeFaults)
{
    EXPECT_THROW(FormatSampleLine(1, 0.0001, 1e15, 0, 0, SampleLineStyle::FullRun), FloatingPointError);
    EXPECT_THROW(FormatSampleLine(1, 0.0001, 0, 1e14, 0, SampleLineStyle::Stepping), FloatingPointError);
}

// A sample line is the number texts of the rounded values; checked here on
// many random values of every magnitude a run can print.
TEST(SampleLine, EqualsTheTextsOfTheRoundedValues)
{
    std::mt19937_64 random(20261211);
    std::uniform_real_distribution<double> exponent(-12.0, 14.0);
    std::uniform_int_distribution<int> step(1, 1000);
    auto value = [&] { return ((random() & 1) ? -1 : 1) * std::pow(10.0, exponent(random)); };
    for (int n = 0; n < 100000; ++n) {
        const std::int32_t k = step(random);
        const double h = value() * 1e-9;
        const double uc = value() / 10, ic = value() / 100, id = value() / 100;
        const std::string expected = FormatGeneral(RoundDecimals(k * h, 8)) + "  " +
                                     FormatGeneral(RoundDecimals(uc, 4)) + "  " +
                                     FormatGeneral(RoundDecimals(ic, 5)) + "  " +
                                     FormatGeneral(RoundDecimals(id, 5));
        ASSERT_EQ(FormatSampleLine(k, h, uc, ic, id, SampleLineStyle::FullRun), expected)
            << std::hexfloat << k << " " << h << " " << uc << " " << ic << " " << id;
    }
}

// Sample 500 of the default run, from its known values (Uc 0.0750360482120,
// dUc/dt 20.4821617691 without the diode; 0.102973633163 and 28.0376732932
// with it).
TEST(SampleLine, KnownRunInBothStyles)
{
    struct Row { bool diode; const char* full; const char* stepping; };
    for (const Row& row : {Row{false, "0.05  0.075  0.00205  0.00026", "0.05   0.075   0.00205 0.00026"},
                           Row{true, "0.05  0.103  0.0028  0.00023", "0.05   0.103   0.0028 0.00023"}}) {
        RunState state;
        state.Parameters = DefaultParameters();
        state.Parameters.DiodeMode = row.diode ? 2 : 1;
        IntegrateCircuit(state.Parameters, state.Samples);
        for (std::int32_t i = 0; i <= 500; ++i) DeriveSample(state.Parameters, state.Samples, i);
        const SampleBuffers& s = state.Samples;
        for (auto [style, text] : {std::pair{SampleLineStyle::FullRun, row.full},
                                   std::pair{SampleLineStyle::Stepping, row.stepping}}) {
            EXPECT_EQ(FormatSampleLine(500, state.Parameters.StepSize, s.UcSamples[500], s.IcSamples[500],
                                       s.IdSamples[500], style), text);
        }
    }
}

} // namespace
} // namespace nelin
