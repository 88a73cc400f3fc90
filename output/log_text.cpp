#include "output/log_text.h"

#include "platform/float_ops.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace nelin {

namespace {

constexpr std::uint64_t TenTo15 = 1'000'000'000'000'000;

// The longest number text: "-d.ddddddddddddddE-324".
constexpr std::size_t MaxNumberText = 32;

// The significant digits of a value: v without trailing zeros, and the
// decimal exponent e with value = 0.d1...dm * 10^e.
struct Significand {
    char digits[20];
    std::size_t count;
    int e;
};

// v > 0 with `scale` decimal places: v * 10^-scale.
Significand SignificantDigits(std::uint64_t v, int scale)
{
    static constexpr char Pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    int trailing = 0;
    while (v % 10 == 0) {
        v /= 10;
        ++trailing;
    }
    Significand s{};
    char* end = s.digits + sizeof s.digits;
    char* p = end;
    while (v >= 100) {
        p -= 2;
        std::memcpy(p, Pairs + (v % 100) * 2, 2);
        v /= 100;
    }
    if (v >= 10) {
        p -= 2;
        std::memcpy(p, Pairs + v * 2, 2);
    } else {
        *--p = static_cast<char>('0' + v);
    }
    s.count = static_cast<std::size_t>(end - p);
    std::memmove(s.digits, p, s.count);
    s.e = static_cast<int>(s.count) + trailing - scale;
    return s;
}

// Writes the significant digits d1 ... dm (no trailing zero) of a nonzero
// value 0.d1...dm * 10^e in fixed or exponent notation.
char* WriteNotation(char* out, bool negative, const Significand& significand)
{
    const char* digits = significand.digits;
    const std::size_t m = significand.count;
    const int e = significand.e;
    auto put = [&out](const char* from, std::size_t count) {
        std::memcpy(out, from, count);
        out += count;
    };
    if (negative) *out++ = '-';
    if (e >= -3 && e <= 15) {
        if (e <= 0) {
            put("0.000", 2 + static_cast<std::size_t>(-e));
            put(digits, m);
        } else {
            const auto whole = static_cast<std::size_t>(e);
            if (m <= whole) {
                put(digits, m);
                std::memset(out, '0', whole - m);
                out += whole - m;
            } else {
                put(digits, whole);
                *out++ = '.';
                put(digits + whole, m - whole);
            }
        }
    } else {
        *out++ = digits[0];
        if (m > 1) {
            *out++ = '.';
            put(digits + 1, m - 1);
        }
        *out++ = 'E';
        out = std::to_chars(out, out + 8, e - 1).ptr;
    }
    return out;
}

// Writes the number text of x at out and returns its end.
char* WriteGeneral(char* out, double x)
{
    if (x == 0) {
        *out++ = '0';
        return out;
    }
    // 18 significant digits, correctly rounded: "d.ddddddddddddddddde-XX".
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, std::fabs(x), std::chars_format::scientific, 17);
    auto digit = [&text](int i) { return static_cast<std::uint64_t>(text[i] - '0'); };
    // Cut to 15 digits, rounding half up on the sixteenth.
    std::uint64_t kept = digit(0);
    for (int i = 2; i < 16; ++i) kept = kept * 10 + digit(i);
    int exponent = 0;
    std::from_chars(text + 21, written.ptr, exponent); // after "e" and its sign
    if (text[20] == '-') exponent = -exponent;
    if (digit(16) >= 5) ++kept;
    if (kept == TenTo15) { // a carry out of the first digit
        kept /= 10;
        ++exponent;
    }
    return WriteNotation(out, x < 0, SignificantDigits(kept, 14 - exponent));
}

// x / 10^-p rounded to an integer, with the factor it is scaled back by.
struct Units {
    std::int64_t count;
    double factor; // the double nearest 10^-p
};

static_assert(std::numeric_limits<Extended>::digits == 64, "the x87 80-bit extended format is expected");

// The integer |q| < 2^62 rounded to nearest, ties to even. Adding 1.5 * 2^63
// gives a sum whose unit in the last place is 1, so the addition rounds q,
// and the sum's explicit 64-bit significand, the first eight bytes of the
// format, holds 1.5 * 2^63 plus the rounded magnitude. Far cheaper than
// llrint, and than a conversion that switches the x87 rounding mode.
std::int64_t RoundToInteger(Extended q)
{
    constexpr std::uint64_t Shift = 3ull << 62;
    const Extended sum = std::fabs(q) + static_cast<Extended>(Shift);
    std::uint64_t significand = 0;
    std::memcpy(&significand, &sum, sizeof significand);
    const auto magnitude = static_cast<std::int64_t>(significand - Shift);
    return q < 0 ? -magnitude : magnitude;
}

Units RoundToUnits(double x, int p)
{
    static constexpr std::array<double, 23> PowersOfTen{
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (p < 0 || p >= static_cast<int>(PowersOfTen.size())) {
        throw std::invalid_argument("RoundDecimals: decimal places out of range");
    }
    const double f = 1.0 / PowersOfTen[static_cast<std::size_t>(p)];
    const Extended q = Extended{x} / f;
    constexpr Extended Two62 = 4611686018427387904.0L;
    constexpr Extended Two63 = 2 * Two62;
    if (std::fabs(q) < Two62) return {RoundToInteger(q), f};
    if (!(std::fabs(q) < Two63)) RaiseFloatFault(FloatFault::InvalidOperation);
    return {std::llrint(q), f}; // ties to even in the default rounding mode
}

double ScaledBack(const Units& units)
{
    const double result = RoundToDouble(static_cast<Extended>(units.count) * units.factor);
    return result == 0 ? 0.0 : result; // a negative value rounding to 0 gives +0
}

// The number text of the rounded value, FormatGeneral(ScaledBack(units)),
// written from the integer count of units when it has at most 15 digits.
// That gives the same text: the scaled-back double is count * 10^-p within
// a relative 2.3e-16 (the factor's rounding, the product's and the final
// rounding to double), which moves its 18-digit expansion by less than 230
// units of the eighteenth digit; so the sixteenth digit is 0 to 2 above the
// count's digits or 7 to 9 below them, and the cut to 15 digits returns
// exactly the count's digits.
char* WriteRounded(char* out, const Units& units, int p)
{
    const std::uint64_t magnitude = units.count < 0 ? 0 - static_cast<std::uint64_t>(units.count)
                                                    : static_cast<std::uint64_t>(units.count);
    if (magnitude >= TenTo15) return WriteGeneral(out, ScaledBack(units));
    if (magnitude == 0) {
        *out++ = '0';
        return out;
    }
    return WriteNotation(out, units.count < 0, SignificantDigits(magnitude, p));
}

} // namespace

void AppendGeneral(std::string& out, double x)
{
    char text[MaxNumberText];
    out.append(text, WriteGeneral(text, x));
}

std::string FormatGeneral(double x)
{
    char text[MaxNumberText];
    return std::string(text, WriteGeneral(text, x));
}

double RoundDecimals(double x, int p)
{
    return ScaledBack(RoundToUnits(x, p));
}

void WriteRunHeader(OutputLog& log, const SimulationParameters& p, bool diodeTicked)
{
    auto quantity = [&log](std::string line, double value, std::string_view unit) {
        AppendGeneral(line, value);
        line += unit;
        log.AppendLogLine(line);
    };
    log.AppendLogLine("počet krokov= " + std::to_string(p.StepCount));
    quantity("veľkosť kroku= ", p.StepSize, " s");
    quantity("Uo= ", p.Uo, " V");
    quantity("R= ", p.R, " ohm");
    quantity("C= ", p.C, " F");
    quantity("L= ", p.L, " H");
    quantity("Uc= ", p.Uc0, " V");
    log.AppendLogLine(diodeTicked ? "obvod s diódou." : "obvod bez diódy.");
    log.AppendLogLine("");
}

void WriteColumnHeader(OutputLog& log)
{
    log.AppendLogLine(ColumnHeaderLine);
}

std::string FormatSampleLine(std::int32_t k, double h, double uc, double ic, double id,
                             SampleLineStyle style)
{
    std::string line;
    WriteSampleLine(line, k, h, uc, ic, id, style);
    return line;
}

void WriteSampleLine(std::string& out, std::int32_t k, double h, double uc, double ic, double id,
                     SampleLineStyle style)
{
    const bool full = style == SampleLineStyle::FullRun;
    const std::string_view gap = full ? "  " : "   ";
    const std::string_view lastGap = full ? "  " : " ";
    // Every number is rounded before any is written: a fault leaves no line.
    const Units time = RoundToUnits(RoundToDouble(static_cast<Extended>(k) * h), 8);
    const Units u = RoundToUnits(uc, 4);
    const Units c = RoundToUnits(ic, 5);
    const Units d = RoundToUnits(id, 5);

    char line[4 * MaxNumberText + 8];
    char* end = WriteRounded(line, time, 8);
    end = std::copy(gap.begin(), gap.end(), end);
    end = WriteRounded(end, u, 4);
    end = std::copy(gap.begin(), gap.end(), end);
    end = WriteRounded(end, c, 5);
    end = std::copy(lastGap.begin(), lastGap.end(), end);
    end = WriteRounded(end, d, 5);
    out.assign(line, end);
}

} // namespace nelin
