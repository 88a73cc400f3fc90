#include "output/log_text.h"

#include "output/decimal18.h"
#include "platform/float_ops.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace nelin {

namespace {

constexpr std::uint64_t TenTo18 = 1'000'000'000'000'000'000;

// The longest number text: "-d.ddddddddddddddE-324".
constexpr std::size_t MaxNumberText = 32;

// Writes the number text of x at out and returns its end.
char* WriteGeneral(char* out, double x)
{
    if (x == 0) {
        *out++ = '0';
        return out;
    }
    const Decimal18 decimal = ToDecimal18(std::fabs(x));
    int exponent = decimal.exponent;

    // Cut to 15 digits, rounding half up on the sixteenth.
    std::uint64_t kept = decimal.digits / 1000;
    if ((decimal.digits / 100) % 10 >= 5) ++kept;
    if (kept == TenTo18 / 1000) { // a carry out of the first digit
        kept /= 10;
        ++exponent;
    }
    // The fifteen digits, two at a time from two independent halves, then
    // without the trailing zeros.
    static constexpr char Pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    char digits[16];
    auto high = static_cast<std::uint32_t>(kept / 100'000'000); // 7 digits
    auto low = static_cast<std::uint32_t>(kept % 100'000'000);  // 8 digits
    for (int i = 13; i >= 7; i -= 2) {
        std::memcpy(digits + i, Pairs + (low % 100) * 2, 2);
        low /= 100;
    }
    for (int i = 5; i >= 1; i -= 2) {
        std::memcpy(digits + i, Pairs + (high % 100) * 2, 2);
        high /= 100;
    }
    digits[0] = static_cast<char>('0' + high);
    std::size_t m = 15;
    while (m > 1 && digits[m - 1] == '0') --m;

    if (x < 0) *out++ = '-';
    const int e = exponent + 1; // |x| = 0.d1...dm * 10^e
    auto put = [&out](const char* from, std::size_t count) {
        std::memcpy(out, from, count);
        out += count;
    };
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
    static constexpr std::array<double, 23> PowersOfTen{
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (p < 0 || p >= static_cast<int>(PowersOfTen.size())) {
        throw std::invalid_argument("RoundDecimals: decimal places out of range");
    }
    const double f = 1.0 / PowersOfTen[static_cast<std::size_t>(p)]; // the double nearest 10^-p
    const Extended q = Extended{x} / f;
    constexpr Extended Two62 = 4611686018427387904.0L;
    constexpr Extended Two63 = 2 * Two62;
    Extended r = 0;
    if (std::fabs(q) < Two62) {
        // Adding and taking away 1.5 * 2^63 leaves q rounded to an integer,
        // ties to even, in the default rounding mode; inline and far cheaper
        // than a call to llrint.
        constexpr Extended Shift = 3 * Two62;
        r = q >= 0 ? (q + Shift) - Shift : (q - Shift) + Shift;
    } else if (std::fabs(q) < Two63) {
        r = static_cast<Extended>(std::llrint(q));
    } else {
        RaiseFloatFault(FloatFault::InvalidOperation);
    }
    const double result = RoundToDouble(r * f);
    return result == 0 ? 0.0 : result; // a negative value rounding to 0 gives +0
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
    const bool full = style == SampleLineStyle::FullRun;
    const std::string_view gap = full ? "  " : "   ";
    const std::string_view lastGap = full ? "  " : " ";
    // Every number is rounded before any is written: a fault leaves no line.
    const double time = RoundDecimals(RoundToDouble(static_cast<Extended>(k) * h), 8);
    const double u = RoundDecimals(uc, 4);
    const double c = RoundDecimals(ic, 5);
    const double d = RoundDecimals(id, 5);

    char line[4 * MaxNumberText + 8];
    char* end = WriteGeneral(line, time);
    end = std::copy(gap.begin(), gap.end(), end);
    end = WriteGeneral(end, u);
    end = std::copy(gap.begin(), gap.end(), end);
    end = WriteGeneral(end, c);
    end = std::copy(lastGap.begin(), lastGap.end(), end);
    end = WriteGeneral(end, d);
    return std::string(line, end);
}

} // namespace nelin
