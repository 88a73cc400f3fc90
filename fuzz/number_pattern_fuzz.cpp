// The chart label patterns for any finite double: the text holds only
// digits, the separators and a leading minus, never "-0", has the pattern's
// digits, and reads back to the value within half a unit of its last decimal.
#include "check.h"
#include "output/number_pattern.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double) + 1) return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value) || std::fabs(value) >= 1e300) return 0;
    static const char* const Patterns[] = {"0.#####", "#,##0.####", "#,##0.###"};
    const char* pattern = Patterns[data[sizeof value] % 3];
    const nelin::NumberPattern parsed = nelin::ParseNumberPattern(pattern);
    const std::string text = nelin::FormatWithPattern(value, parsed, ",");

    FUZZ_CHECK(text.find_first_not_of("-0123456789.,") == std::string::npos);
    FUZZ_CHECK(text.find('-', 1) == std::string::npos);
    FUZZ_CHECK(text.find_first_not_of("-0.,") != std::string::npos || text[0] != '-');
    const std::size_t point = text.find('.');
    const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    FUZZ_CHECK(decimals <= static_cast<std::size_t>(parsed.maxFractionDigits));
    FUZZ_CHECK(decimals == 0 || text.back() != '0');
    FUZZ_CHECK(parsed.grouping || text.find(',') == std::string::npos);

    std::string plain;
    for (char c : text) {
        if (c != ',') plain += c;
    }
    const double back = std::strtod(plain.c_str(), nullptr);
    const double unit = std::pow(10.0, -parsed.maxFractionDigits);
    FUZZ_CHECK(std::fabs(back - value) <= 0.5 * unit * (1 + 1e-9) + std::fabs(value) * 1e-15);
    return 0;
}
