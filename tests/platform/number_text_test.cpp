#include "platform/errors.h"
#include "platform/number_text.h"

#include "tests/support/row_name.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <string>

namespace nelin {
namespace {

struct IntegerRow {
    const char* name;
    std::string text;
    std::int32_t value;
};

class AcceptedInteger : public testing::TestWithParam<IntegerRow> {};

TEST_P(AcceptedInteger, Converts)
{
    EXPECT_EQ(TextToInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, AcceptedInteger, testing::Values(
    IntegerRow{"Plain", "500", 500},
    IntegerRow{"LeadingBlanks", "   42", 42},
    IntegerRow{"Plus", "+7", 7},
    IntegerRow{"Minus", "-12", -12},
    IntegerRow{"LeadingZeros", "0000000000000000000012", 12},
    IntegerRow{"Zero", "0", 0},
    IntegerRow{"Dollar", "$1F", 31},
    IntegerRow{"LowerX", "x1f", 31},
    IntegerRow{"UpperX", "X10", 16},
    IntegerRow{"ZeroX", "0x10", 16},
    IntegerRow{"ZeroUpperX", "0X1a", 26},
    IntegerRow{"NegativeHex", "-$10", -16},
    IntegerRow{"Largest", "2147483647", std::numeric_limits<std::int32_t>::max()},
    IntegerRow{"Smallest", "-2147483648", std::numeric_limits<std::int32_t>::min()},
    IntegerRow{"SmallestHex", "-$80000000", std::numeric_limits<std::int32_t>::min()}),
    testing_support::RowName());

struct RejectedRow {
    const char* name;
    std::string text;
};

class RejectedInteger : public testing::TestWithParam<RejectedRow> {};

TEST_P(RejectedInteger, FailsWithTheFieldText)
{
    const std::string& text = GetParam().text;
    try {
        TextToInteger(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.what(), "'" + text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RejectedInteger, testing::Values(
    RejectedRow{"Empty", ""},
    RejectedRow{"BlanksOnly", "   "},
    RejectedRow{"SignOnly", "-"},
    RejectedRow{"TrailingBlank", "12 "},
    RejectedRow{"Decimal", "1.5"},
    RejectedRow{"Exponent", "1e3"},
    RejectedRow{"Tab", "\t5"},
    RejectedRow{"DigitThenLetter", "5a"},
    RejectedRow{"PrefixOnly", "$"},
    RejectedRow{"ZeroXOnly", "0x"},
    RejectedRow{"BadHexDigit", "$G"},
    RejectedRow{"ElevenDigits", "12345678901"},
    RejectedRow{"JustAboveRange", "2147483648"},
    RejectedRow{"JustBelowRange", "-2147483649"},
    RejectedRow{"HexAboveRange", "$FFFFFFFF"},
    RejectedRow{"DoubleSign", "--1"}),
    testing_support::RowName());

struct DecimalRow {
    const char* name;
    std::string text;
    double value;
};

class AcceptedDecimal : public testing::TestWithParam<DecimalRow> {};

TEST_P(AcceptedDecimal, Converts)
{
    EXPECT_EQ(TextToDecimal(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, AcceptedDecimal, testing::Values(
    DecimalRow{"Plain", "0.12", 0.12},
    DecimalRow{"Integer", "1000", 1000},
    DecimalRow{"LeadingBlanks", "  1", 1},
    DecimalRow{"TrailingBlanks", "1.5  ", 1.5},
    DecimalRow{"Minus", "-0.5", -0.5},
    DecimalRow{"Plus", "+2.5", 2.5},
    DecimalRow{"SeparatorAlone", ".", 0},
    DecimalRow{"SignedSeparator", "-.", 0},
    DecimalRow{"TrailingSeparator", "1.", 1},
    DecimalRow{"LeadingSeparator", ".5", 0.5},
    DecimalRow{"Exponent", "1e3", 1000},
    DecimalRow{"NegativeExponent", "1E-4", 1e-4},
    DecimalRow{"ExponentWithoutDigits", "1e", 1},
    DecimalRow{"SignedExponentWithoutDigits", "2.5e- ", 2.5},
    DecimalRow{"SeparatorWithExponent", ".e5", 0},
    DecimalRow{"StepWrittenOut", "0.00010001", 0.00010001},
    DecimalRow{"StepWithExponent", "1.0001e-4", 0.00010001},
    DecimalRow{"Underflow", "1e-400", 0},
    DecimalRow{"ZeroWithHugeExponent", "0e99999999999999999999", 0},
    DecimalRow{"LargestDouble", "1.7976931348623157e308", std::numeric_limits<double>::max()},
    DecimalRow{"LongFraction", "0." + std::string(1000, '0') + "1e1001", 1.0},
    DecimalRow{"ManyDigits", std::string(400, '1') + "e-399", 1.1111111111111112}),
    testing_support::RowName());

class RejectedDecimal : public testing::TestWithParam<RejectedRow> {};

TEST_P(RejectedDecimal, FailsWithTheFieldText)
{
    const std::string& text = GetParam().text;
    try {
        TextToDecimal(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.what(), "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RejectedDecimal, testing::Values(
    RejectedRow{"Empty", ""},
    RejectedRow{"SignOnly", "-"},
    RejectedRow{"BlanksOnly", "  "},
    RejectedRow{"Comma", "1,5"},
    RejectedRow{"ExponentOnly", "e5"},
    RejectedRow{"BlankInside", "1 .5"},
    RejectedRow{"TextAfterExponent", "1e5x"},
    RejectedRow{"TwoExponents", "1e1e1"},
    RejectedRow{"DoubleSign", "--1"},
    RejectedRow{"Infinity", "inf"},
    RejectedRow{"Hex", "0x10"},
    RejectedRow{"TwoSeparators", "1.2.3"},
    RejectedRow{"BeyondExtendedRange", "1e5000"}),
    testing_support::RowName());

TEST(TextToDecimal, BeyondTheDoubleRangeIsAnOverflow)
{
    for (const std::string& text : {"1" + std::string(309, '0'), std::string("-2e308"), std::string("1e4000")}) {
        try {
            TextToDecimal(text);
            FAIL() << "accepted " << text.substr(0, 20);
        } catch (const FloatingPointError& e) {
            EXPECT_EQ(e.fault(), FloatFault::Overflow);
            EXPECT_STREQ(e.what(), "Floating point overflow");
        }
    }
}

// 1 + 2^-53 + 2^-64 lies above the halfway point between 1 and the next
// double, but exactly halfway between two extended values; it rounds to the
// even one, 1 + 2^-53, which then rounds to the even double: 1.
const std::string ExtendedHalfway = "1.0000000000000001110765125711399292640635394491255283355712890625";

TEST(TextToDecimal, RoundsThroughExtendedPrecision)
{
    EXPECT_EQ(TextToDecimal(ExtendedHalfway), 1.0);
}

TEST(TextToDecimal, DigitsBeyondTheKeptOnesStillRound)
{
    // A nonzero digit far behind lifts the value above the extended halfway
    // point, so it rounds up twice.
    EXPECT_EQ(TextToDecimal(ExtendedHalfway + std::string(6000, '0') + "1"), 1.0000000000000002);
    EXPECT_EQ(TextToDecimal(ExtendedHalfway + std::string(6000, '0')), 1.0);
}

TEST(TextToDecimal, MegabyteTextsConvertOrFail)
{
    const std::string digits(1 << 20, '7');
    EXPECT_THROW(TextToDecimal(digits), ConversionError); // beyond the extended range
    EXPECT_EQ(TextToDecimal("0." + digits), 0.7777777777777778);
    EXPECT_THROW(TextToDecimal(digits + "x"), ConversionError);
    EXPECT_THROW(TextToInteger(digits), ConversionError);
    EXPECT_EQ(TextToInteger(std::string(1 << 20, '0') + "9"), 9);
}

TEST(NumberText, IgnoresTheProcessLocale)
{
    ASSERT_NE(std::setlocale(LC_ALL, "sk_SK.UTF-8"), nullptr)
        << "the sk_SK.UTF-8 locale is missing (scripts/install-deps.sh makes it)";
    EXPECT_EQ(TextToDecimal("0.12"), 0.12);
    EXPECT_THROW(TextToDecimal("0,12"), ConversionError);
    std::setlocale(LC_ALL, "C");
}

TEST(ErrorBoxText, AddsAFullStopUnlessTheMessageEndsInPunctuation)
{
    struct Row { const char* message; const char* text; };
    for (const Row& row : {Row{"Floating point overflow", "Floating point overflow."},
                           Row{"", ""},
                           Row{"Hodnota parametra je mimo rozsah!", "Hodnota parametra je mimo rozsah!"},
                           Row{"'' is not a valid floating point value", "'' is not a valid floating point value."},
                           Row{"ends in (x)", "ends in (x)"},
                           Row{"ends in a stop.", "ends in a stop."},
                           Row{"ends in a blank ", "ends in a blank "},
                           Row{"končí písmenom ľ", "končí písmenom ľ."},
                           Row{"quoted \"", "quoted \""}}) {
        EXPECT_EQ(ErrorBoxText(row.message), row.text);
    }
}

} // namespace
} // namespace nelin
