#include "platform/number_text.h"

#include "platform/errors.h"
#include "platform/float_ops.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace nelin {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

[[noreturn]] void FailInteger(std::string_view text)
{
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

[[noreturn]] void FailDecimal(std::string_view text)
{
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

// Digits beyond this many significant ones only decide rounding through
// whether any of them is nonzero: every rounding boundary of the extended
// format in the range that matters has fewer significant decimal digits.
constexpr std::size_t MaxSignificantDigits = 5000;
// Decimal exponents are clamped to this magnitude; far beyond it the value
// is zero or an overflow of the extended range whatever the digits are.
constexpr long long MaxDecimalExponent = 1'000'000;

// The "C" locale, so that strtold reads "." whatever the process locale is.
locale_t ClassicLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Steps over an optional "+" or "-" at i; true for "-".
bool TakeSign(std::string_view text, std::size_t& i)
{
    if (i >= text.size() || (text[i] != '+' && text[i] != '-')) return false;
    return text[i++] == '-';
}

} // namespace

std::int32_t TextToInteger(std::string_view text)
{
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ') ++i;
    const bool negative = TakeSign(text, i);
    unsigned base = 10;
    if (i < n && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < n && (text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }

    // The magnitude saturates just above 2^31, which keeps the loop linear and
    // still tells every value outside the signed 32-bit range.
    constexpr std::uint64_t Limit = std::uint64_t{1} << 31;
    std::uint64_t magnitude = 0;
    const std::size_t firstDigit = i;
    for (; i < n; ++i) {
        const int digit = base == 16 ? HexValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0) FailInteger(text);
        magnitude = magnitude * base + static_cast<unsigned>(digit);
        if (magnitude > Limit) magnitude = Limit + 1;
    }
    if (i == firstDigit) FailInteger(text);
    if (magnitude > (negative ? Limit : Limit - 1)) FailInteger(text);
    const auto value = static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

double TextToDecimal(std::string_view text)
{
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ') ++i;
    const bool negative = TakeSign(text, i);

    // The mantissa's digits without leading zeros, as 0.<digits> x 10^pointExponent.
    std::string digits;
    bool dropped = false; // a nonzero digit was cut off
    long long pointExponent = 0;
    bool sawMantissa = false;
    auto takeDigit = [&](char c, bool beforePoint) {
        sawMantissa = true;
        if (digits.empty() && c == '0') {
            if (!beforePoint) --pointExponent;
            return;
        }
        if (beforePoint) ++pointExponent;
        if (digits.size() < MaxSignificantDigits) {
            digits.push_back(c);
        } else if (c != '0') {
            dropped = true;
        }
    };
    for (; i < n && IsDigit(text[i]); ++i) takeDigit(text[i], true);
    if (i < n && text[i] == '.') {
        sawMantissa = true;
        for (++i; i < n && IsDigit(text[i]); ++i) takeDigit(text[i], false);
    }
    if (!sawMantissa) FailDecimal(text);

    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool negativeExponent = TakeSign(text, i);
        for (; i < n && IsDigit(text[i]); ++i) {
            exponent = exponent * 10 + (text[i] - '0');
            if (exponent > MaxDecimalExponent) exponent = MaxDecimalExponent;
        }
        if (negativeExponent) exponent = -exponent;
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) FailDecimal(text);

    if (digits.empty()) return negative ? -0.0 : 0.0;

    if (dropped) digits.push_back('1');
    long long scale = pointExponent + exponent;
    if (scale > MaxDecimalExponent) scale = MaxDecimalExponent;
    if (scale < -MaxDecimalExponent) scale = -MaxDecimalExponent;
    const std::string canonical = "0." + digits + "e" + std::to_string(scale);
    Extended value = strtold_l(canonical.c_str(), nullptr, ClassicLocale());
    if (std::isinf(value)) FailDecimal(text);
    if (negative) value = -value;
    return RoundToDouble(value);
}

} // namespace nelin
