#include "output/number_pattern.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace nelin {

NumberPattern ParseNumberPattern(std::string_view pattern)
{
    NumberPattern result;
    result.minIntegerDigits = 0;
    const std::size_t point = pattern.find('.');
    const std::string_view integer = pattern.substr(0, point);
    for (char c : integer) {
        if (c == '0') ++result.minIntegerDigits;
        if (c == ',') result.grouping = true;
    }
    if (point != std::string_view::npos) {
        for (char c : pattern.substr(point + 1)) {
            if (c == '0') {
                ++result.minFractionDigits;
                ++result.maxFractionDigits;
            } else if (c == '#') {
                ++result.maxFractionDigits;
            }
        }
    }
    return result;
}

std::string FormatWithPattern(double value, const NumberPattern& pattern, std::string_view thousandsSeparator)
{
    // Exact fixed notation, rounded to the last decimal the pattern shows.
    std::vector<char> text(330 + static_cast<std::size_t>(pattern.maxFractionDigits));
    const auto written = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                       std::chars_format::fixed, pattern.maxFractionDigits);
    const std::string_view fixed(text.data(), static_cast<std::size_t>(written.ptr - text.data()));
    const std::size_t point = fixed.find('.');
    std::string_view integer = fixed.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? std::string_view() : fixed.substr(point + 1);

    while (fraction.size() > static_cast<std::size_t>(pattern.minFractionDigits) && fraction.back() == '0') {
        fraction.remove_suffix(1);
    }
    while (!integer.empty() && integer.front() == '0') integer.remove_prefix(1);
    std::string digits(integer);
    if (digits.size() < static_cast<std::size_t>(pattern.minIntegerDigits)) {
        digits.insert(0, static_cast<std::size_t>(pattern.minIntegerDigits) - digits.size(), '0');
    }

    const bool zero = integer.empty() && fraction.find_first_not_of('0') == std::string_view::npos;
    std::string out;
    if (value < 0 && !zero) out += '-';
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (pattern.grouping && i > 0 && (digits.size() - i) % 3 == 0) out += thousandsSeparator;
        out += digits[i];
    }
    if (!fraction.empty()) {
        out += '.';
        out += fraction;
    }
    if (out.empty() || out == "-") out = "0";
    return out;
}

} // namespace nelin
