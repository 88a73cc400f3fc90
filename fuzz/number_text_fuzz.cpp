// The integer and decimal conversions against small reference readers built
// on strtoll and strtold: the same texts are accepted, with the same values,
// and the failures carry the same kind of error.
#include "check.h"
#include "platform/errors.h"
#include "platform/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <locale.h>
#include <optional>
#include <string>
#include <variant>

namespace {

using nelin::FloatFault;

locale_t Classic()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

bool Digit(char c, int base)
{
    if (c >= '0' && c <= '9') return true;
    return base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

// Blanks, a sign, then decimal digits or "$", "x", "0x" and hex digits.
std::optional<std::int32_t> ReferenceInteger(const std::string& text)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return std::nullopt;
    std::string number;
    if (text[i] == '+' || text[i] == '-') number += text[i++];
    int base = 10;
    if (text.compare(i, 1, "$") == 0 || text.compare(i, 1, "x") == 0 || text.compare(i, 1, "X") == 0) {
        base = 16;
        i += 1;
    } else if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
        base = 16;
        i += 2;
    }
    const std::size_t first = i;
    while (i < text.size() && Digit(text[i], base)) number += text[i++];
    if (i == first || i != text.size()) return std::nullopt;
    errno = 0;
    const long long value = std::strtoll(number.c_str(), nullptr, base);
    if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// A value, a conversion error (nullopt) or a floating-point fault.
using Reading = std::variant<std::monostate, double, FloatFault>;

Reading ReferenceDecimal(const std::string& text)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return {};
    std::string number;
    if (text[i] == '+' || text[i] == '-') number += text[i++];
    bool mantissa = false;
    while (i < text.size() && Digit(text[i], 10)) number += text[i++], mantissa = true;
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        mantissa = true;
        while (i < text.size() && Digit(text[i], 10)) number += text[i++];
    }
    if (!mantissa) return {};
    number.insert(number.find_first_of("0123456789."), "0"); // "." alone reads 0
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::string exponent = "e";
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) exponent += text[i++];
        bool digits = false;
        while (i < text.size() && Digit(text[i], 10)) exponent += text[i++], digits = true;
        if (digits) number += exponent; // an exponent without digits counts 0
    }
    while (i < text.size() && text[i] == ' ') ++i;
    if (i != text.size()) return {};
    const long double value = strtold_l(number.c_str(), nullptr, Classic());
    if (std::isinf(value)) return {};
    const double rounded = static_cast<double>(value);
    if (std::isinf(rounded)) return FloatFault::Overflow;
    return rounded;
}

// The message as far as what() shows it: up to a NUL byte of the text.
bool SaysMessage(const nelin::ConversionError& error, const std::string& expected)
{
    return std::string(error.what()) == expected.substr(0, expected.find('\0'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::optional<std::int32_t> integer = ReferenceInteger(text);
    try {
        const std::int32_t value = nelin::TextToInteger(text);
        FUZZ_CHECK(integer && *integer == value);
    } catch (const nelin::ConversionError& error) {
        FUZZ_CHECK(!integer);
        FUZZ_CHECK(SaysMessage(error, "'" + text + "' is not a valid integer value"));
    }

    const Reading decimal = ReferenceDecimal(text);
    try {
        const double value = nelin::TextToDecimal(text);
        FUZZ_CHECK(std::holds_alternative<double>(decimal));
        const double expected = std::get<double>(decimal);
        FUZZ_CHECK(std::memcmp(&value, &expected, sizeof value) == 0); // -0 included
    } catch (const nelin::ConversionError& error) {
        FUZZ_CHECK(std::holds_alternative<std::monostate>(decimal));
        FUZZ_CHECK(SaysMessage(error, "'" + text + "' is not a valid floating point value"));
    } catch (const nelin::FloatingPointError& error) {
        FUZZ_CHECK(std::holds_alternative<FloatFault>(decimal) && error.fault() == FloatFault::Overflow);
    }
    return 0;
}
