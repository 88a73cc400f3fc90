#include "output/number_pattern.h"

#include "tests/support/row_name.h"

#include <gtest/gtest.h>

#include <string>

namespace nelin {
namespace {

struct PatternRow {
    const char* name;
    const char* pattern;
    double value;
    const char* text;
};

class Pattern : public testing::TestWithParam<PatternRow> {};

TEST_P(Pattern, Formats)
{
    const PatternRow& row = GetParam();
    EXPECT_EQ(FormatWithPattern(row.value, ParseNumberPattern(row.pattern), ","), row.text);
}

INSTANTIATE_TEST_SUITE_P(Table, Pattern, testing::Values(
    PatternRow{"Zero", "0.#####", 0, "0"},
    PatternRow{"FiveDecimals", "0.#####", 0.123456, "0.12346"},
    PatternRow{"TrailingZerosDropped", "0.#####", 0.5, "0.5"},
    PatternRow{"SeparatorDropped", "0.#####", 3, "3"},
    PatternRow{"LeadingZero", "0.#####", 0.00001, "0.00001"},
    PatternRow{"RoundsAway", "0.#####", 0.000004, "0"},
    PatternRow{"NoNegativeZero", "0.#####", -0.000004, "0"},
    PatternRow{"Negative", "0.#####", -0.001, "-0.001"},
    PatternRow{"NoGrouping", "0.#####", 1234567.5, "1234567.5"},
    PatternRow{"Grouping", "#,##0.####", 1234567.5, "1,234,567.5"},
    PatternRow{"GroupingNegative", "#,##0.####", -1234.56789, "-1,234.5679"},
    PatternRow{"GroupingSmall", "#,##0.####", 999, "999"},
    PatternRow{"ThreeDecimals", "#,##0.###", 0.0005, "0.001"},
    PatternRow{"ThreeDecimalsTime", "#,##0.###", 0.0001, "0"},
    PatternRow{"ThreeDecimalsCarry", "#,##0.###", 999.9996, "1,000"},
    PatternRow{"RequiredDecimals", "0.00", 1.5, "1.50"},
    PatternRow{"Huge", "#,##0.###", 1e21, "1,000,000,000,000,000,000,000"}),
    testing_support::RowName());

TEST(Pattern, UsesTheGivenThousandsSeparator)
{
    EXPECT_EQ(FormatWithPattern(1234567, ParseNumberPattern("#,##0.####"), "\u00a0"), "1\u00a0234\u00a0567");
}

} // namespace
} // namespace nelin
