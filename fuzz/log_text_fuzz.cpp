// The number texts of the log for any double: FormatGeneral never crashes,
// never writes "-0", keeps at most 15 significant digits and reads back to
// the value within them; RoundDecimals either rounds to within half a unit
// of the last place or, only for |x| * 10^p of 2^63 or more, faults; and a
// sample line is made of exactly the number texts of the rounded values.
#include "check.h"
#include "output/log_text.h"
#include "platform/errors.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

std::size_t SignificantDigits(const std::string& text)
{
    std::string digits;
    for (char c : text) {
        if (c == 'E') break;
        if (c >= '0' && c <= '9') digits += c;
    }
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? 0 : digits.size() - first;
}

void CheckGeneral(double x)
{
    const std::string text = nelin::FormatGeneral(x);
    FUZZ_CHECK(!text.empty() && text.size() <= 24);
    FUZZ_CHECK(text.find_first_not_of("-0123456789.E") == std::string::npos);
    FUZZ_CHECK(text.rfind("-0", 0) != 0 || text.rfind("-0.", 0) == 0);
    FUZZ_CHECK(SignificantDigits(text) <= 15);
    // Read back in extended precision: 15 digits of a value near the largest
    // double may lie beyond it.
    const long double back = std::strtold(text.c_str(), nullptr);
    FUZZ_CHECK(std::signbit(back) == (std::signbit(x) && x != 0) || back == 0);
    FUZZ_CHECK(std::fabs(back - x) <= std::fabs(static_cast<long double>(x)) * 5.2e-15L);
    const double nearest = static_cast<double>(back);
    if (std::isfinite(nearest)) FUZZ_CHECK(nelin::FormatGeneral(nearest) == text); // the text is a fixed point
}

// RoundDecimals(x, p), or nothing when it faulted.
std::optional<double> Rounded(double x, int p)
{
    const long double scaled = std::fabs(static_cast<long double>(x) / (1.0 / std::pow(10.0, p)));
    try {
        const double r = nelin::RoundDecimals(x, p);
        FUZZ_CHECK(scaled < 0x1p63L);
        FUZZ_CHECK(std::fabs(static_cast<long double>(r) - x) <= 0.5000001L * std::pow(10.0L, -p) +
                                                                    std::fabs(static_cast<long double>(x)) * 1e-15L);
        FUZZ_CHECK(!(r == 0 && std::signbit(r)));
        CheckGeneral(r);
        return r;
    } catch (const nelin::FloatingPointError& error) {
        FUZZ_CHECK(error.fault() == nelin::FloatFault::InvalidOperation);
        FUZZ_CHECK(scaled >= 0x1p63L);
        return std::nullopt;
    }
}

double Take(const std::uint8_t*& data)
{
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    data += sizeof x;
    return x;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4 * sizeof(double) + 4) return 0;
    const double h = Take(data);
    const double uc = Take(data);
    const double ic = Take(data);
    const double id = Take(data);
    std::int32_t k = 0;
    std::memcpy(&k, data, sizeof k);
    for (double x : {h, uc, ic, id}) {
        if (!std::isfinite(x)) return 0; // no run ever holds one
    }
    CheckGeneral(uc);

    const std::optional<double> time = std::isfinite(static_cast<double>(static_cast<long double>(k) * h))
                                           ? Rounded(static_cast<double>(static_cast<long double>(k) * h), 8)
                                           : std::nullopt;
    const std::optional<double> u = Rounded(uc, 4);
    const std::optional<double> c = Rounded(ic, 5);
    const std::optional<double> d = Rounded(id, 5);
    try {
        const std::string line = nelin::FormatSampleLine(k, h, uc, ic, id, nelin::SampleLineStyle::Stepping);
        FUZZ_CHECK(time && u && c && d);
        FUZZ_CHECK(line == nelin::FormatGeneral(*time) + "   " + nelin::FormatGeneral(*u) + "   " +
                               nelin::FormatGeneral(*c) + " " + nelin::FormatGeneral(*d));
    } catch (const nelin::FloatingPointError&) {
        FUZZ_CHECK(!(time && u && c && d));
    }
    return 0;
}
