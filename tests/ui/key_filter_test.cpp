#include "ui/key_filter.h"

#include "tests/support/row_name.h"

#include <gtest/gtest.h>

#include <string>

namespace nelin {
namespace {

struct KeyRow {
    const char* name;
    FieldFilter filter;
    char32_t typed;
    std::string text;
    bool atStart;
    bool accepted;
};

class KeyFilter : public testing::TestWithParam<KeyRow> {};

TEST_P(KeyFilter, Decides)
{
    const KeyRow& row = GetParam();
    EXPECT_EQ(AcceptsTypedCharacter(row.filter, row.typed, row.text, row.atStart), row.accepted);
}

constexpr auto Count = FieldFilter::Count;
constexpr auto Signed = FieldFilter::SignedDecimal;
constexpr auto Unsigned = FieldFilter::UnsignedDecimal;

INSTANTIATE_TEST_SUITE_P(Table, KeyFilter, testing::Values(
    KeyRow{"CountDigit", Count, U'7', "500", false, true},
    KeyRow{"CountBackspace", Count, Backspace, "500", false, true},
    KeyRow{"CountLetter", Count, U'a', "500", false, false},
    KeyRow{"CountBlank", Count, U' ', "500", true, false},
    KeyRow{"CountMinus", Count, U'-', "", true, false},
    KeyRow{"CountPoint", Count, U'.', "", true, false},
    KeyRow{"SecondPoint", Signed, U'.', "0.12", false, false},
    KeyRow{"SecondPointAtStart", Signed, U'.', "0.12", true, false},
    KeyRow{"FirstPoint", Signed, U'.', "012", false, true},
    KeyRow{"MinusAtStart", Signed, U'-', "0.12", true, true},
    KeyRow{"MinusElsewhere", Signed, U'-', "0.12", false, false},
    KeyRow{"SecondMinusAtStart", Signed, U'-', "-0.12", true, false},
    KeyRow{"DigitBeforeMinus", Signed, U'5', "-0.12", true, true},
    KeyRow{"UnsignedMinus", Unsigned, U'-', "1000", true, false},
    KeyRow{"UnsignedPoint", Unsigned, U'.', "1000", false, true},
    KeyRow{"UnsignedSecondPoint", Unsigned, U'.', "10.5", false, false},
    KeyRow{"Comma", Signed, U',', "1", false, false},
    KeyRow{"Exponent", Signed, U'e', "1", false, false},
    KeyRow{"Enter", Signed, U'\r', "1", false, false},
    KeyRow{"Escape", Unsigned, U'\x1b', "1", false, false},
    KeyRow{"CtrlC", Signed, U'\x03', "1", false, false},
    KeyRow{"CtrlV", Count, U'\x16', "1", false, false},
    KeyRow{"CtrlX", Unsigned, U'\x18', "1", false, false},
    KeyRow{"NonAscii", Signed, U'č', "1", false, false}),
    testing_support::RowName());

} // namespace
} // namespace nelin
