#include "model/parameters.h"
#include "platform/errors.h"

#include "tests/support/row_name.h"

#include <gtest/gtest.h>

#include <string>

namespace nelin {
namespace {

ParameterFieldTexts DefaultTexts()
{
    return {"500", "0.0001", "0.12", "1000", "0.01", "0.0001", "0.1"};
}

TEST(ReadParameterFields, DefaultTextsGiveTheDefaults)
{
    SimulationParameters p;
    p.DiodeMode = 2;
    ReadParameterFields(DefaultTexts(), p);
    SimulationParameters expected = DefaultParameters();
    expected.DiodeMode = 2; // the check box owns it
    EXPECT_EQ(p.StepCount, expected.StepCount);
    EXPECT_EQ(p.StepSize, expected.StepSize);
    EXPECT_EQ(p.Uo, expected.Uo);
    EXPECT_EQ(p.R, expected.R);
    EXPECT_EQ(p.C, expected.C);
    EXPECT_EQ(p.L, expected.L);
    EXPECT_EQ(p.Uc0, expected.Uc0);
    EXPECT_EQ(p.DiodeMode, 2);
    EXPECT_TRUE(ValidateParameters(p));
}

// Fields are read in the order StepCount, StepSize, Uo, R, C, L, Uc0 and each
// is stored before the next is read.
TEST(ReadParameterFields, AFailureLeavesEarlierFieldsStoredAndLaterOnesAlone)
{
    const SimulationParameters before = DefaultParameters();
    ParameterFieldTexts texts{"7", "0.00005", "-1.5", "", "0.3", "0.2", "0.4"}; // L before C
    SimulationParameters p = before;
    try {
        ReadParameterFields(texts, p);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
    EXPECT_EQ(p.StepCount, 7);
    EXPECT_EQ(p.StepSize, 0.00005);
    EXPECT_EQ(p.Uo, -1.5);
    EXPECT_EQ(p.R, before.R);
    EXPECT_EQ(p.C, before.C);
    EXPECT_EQ(p.L, before.L);
    EXPECT_EQ(p.Uc0, before.Uc0);

    // C is read before L, though L stands above it in the window.
    texts.R = "2";
    texts.C = "0.2";
    texts.L = "x";
    EXPECT_THROW(ReadParameterFields(texts, p), ConversionError);
    EXPECT_EQ(p.R, 2);
    EXPECT_EQ(p.C, 0.2);
    EXPECT_EQ(p.L, before.L);

    // A value beyond the double range is an overflow and is not stored.
    texts.R = "3";
    texts.C = "1" + std::string(309, '0');
    EXPECT_THROW(ReadParameterFields(texts, p), FloatingPointError);
    EXPECT_EQ(p.R, 3);
    EXPECT_EQ(p.C, 0.2);

    texts.StepCount = "12345678901";
    texts.StepSize = "0.0002";
    try {
        ReadParameterFields(texts, p);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'12345678901' is not a valid integer value");
    }
    EXPECT_EQ(p.StepCount, 7);
    EXPECT_EQ(p.StepSize, 0.00005);
}

struct RangeRow {
    const char* name;
    std::string ParameterFieldTexts::*field;
    std::string text;
    bool passes;
};

class Range : public testing::TestWithParam<RangeRow> {};

TEST_P(Range, IsTested)
{
    ParameterFieldTexts texts = DefaultTexts();
    texts.*GetParam().field = GetParam().text;
    SimulationParameters p = DefaultParameters();
    ReadParameterFields(texts, p);
    EXPECT_EQ(ValidateParameters(p), GetParam().passes);
}

using F = ParameterFieldTexts;
INSTANTIATE_TEST_SUITE_P(Table, Range, testing::Values(
    RangeRow{"StepCountZero", &F::StepCount, "0", true},
    RangeRow{"StepCountNegative", &F::StepCount, "-5", true},
    RangeRow{"StepCountMax", &F::StepCount, "1000", true},
    RangeRow{"StepCountAboveMax", &F::StepCount, "1001", false},
    RangeRow{"StepCountLargest", &F::StepCount, "2147483647", false},
    RangeRow{"StepZero", &F::StepSize, "0", false},
    RangeRow{"StepSeparatorAlone", &F::StepSize, ".", false},
    RangeRow{"StepUpperEdge", &F::StepSize, "0.00010001", true},
    RangeRow{"StepLowerEdge", &F::StepSize, "-0.00010001", true},
    RangeRow{"StepAboveUpper", &F::StepSize, "0.0001001", false},
    RangeRow{"StepBelowLower", &F::StepSize, "-0.00010002", false},
    RangeRow{"StepNegative", &F::StepSize, "-0.0001", true},
    RangeRow{"StepLimited", &F::StepSize, "0.000100005", true},
    RangeRow{"StepExponent", &F::StepSize, "5e-5", true},
    RangeRow{"UoLowest", &F::Uo, "-10", true},
    RangeRow{"UoHighest", &F::Uo, "10", true},
    RangeRow{"UoAbove", &F::Uo, "10.0001", false},
    RangeRow{"UoBelow", &F::Uo, "-10.0001", false},
    RangeRow{"UoSeparatorAlone", &F::Uo, ".", true},
    RangeRow{"RZero", &F::R, "0", true},
    RangeRow{"RHighest", &F::R, "10000", true},
    RangeRow{"RAbove", &F::R, "10000.5", false},
    RangeRow{"LZero", &F::L, "0", true},
    RangeRow{"LBeyondHint", &F::L, "5000", true},
    RangeRow{"LAbove", &F::L, "10000.5", false},
    RangeRow{"CZero", &F::C, "0", true},
    RangeRow{"CBeyondHint", &F::C, "5000", true},
    RangeRow{"CHighest", &F::C, "10000", true},
    RangeRow{"CNegative", &F::C, "-0.0001", false},
    RangeRow{"UcHighest", &F::Uc0, "10", true},
    RangeRow{"UcLowest", &F::Uc0, "-10", true},
    RangeRow{"UcAbove", &F::Uc0, "10.0001", false}),
    testing_support::RowName());

} // namespace
} // namespace nelin
