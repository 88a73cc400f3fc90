#pragma once
// Number patterns of the chart axis labels, such as "0.#####" or
// "#,##0.####": "0" is a digit always shown, "#" one shown only when needed,
// "." the place of the decimal separator and a "," in the integer part asks
// for thousands grouping.

#include <string>
#include <string_view>

namespace nelin {

struct NumberPattern {
    int minIntegerDigits = 1;
    bool grouping = false;
    int minFractionDigits = 0;
    int maxFractionDigits = 0;
};

NumberPattern ParseNumberPattern(std::string_view pattern);

// The value rounded to the pattern's last decimal, trailing decimal zeros
// beyond the required ones dropped (and the separator with them), "." as the
// decimal separator and thousandsSeparator between groups of three digits.
// A value that rounds to zero has no minus sign.
std::string FormatWithPattern(double value, const NumberPattern& pattern, std::string_view thousandsSeparator);

} // namespace nelin
