#include "output/decimal18.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace nelin {
namespace {

// glibc's printf writes the exact value correctly rounded: the oracle.
Decimal18 Oracle(double magnitude)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17e", magnitude);
    std::string digits = std::string(1, text[0]) + std::string(text + 2, 17);
    return {std::stoull(digits), std::atoi(text + 20)};
}

void ExpectOracle(double magnitude)
{
    const Decimal18 expected = Oracle(magnitude);
    const Decimal18 actual = ToDecimal18(magnitude);
    ASSERT_EQ(actual.digits, expected.digits) << std::hexfloat << magnitude;
    ASSERT_EQ(actual.exponent, expected.exponent) << std::hexfloat << magnitude;
}

TEST(Decimal18, AgreesWithPrintfOnEdgeValues)
{
    for (int e = -320; e <= 308; ++e) {
        const double power = std::pow(10.0, e);
        for (double x : {power, std::nextafter(power, 0.0), std::nextafter(power, std::numeric_limits<double>::infinity())}) {
            if (x > 0 && std::isfinite(x)) ExpectOracle(x);
        }
    }
    for (double x : {std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                     std::numeric_limits<double>::denorm_min(), 0.1, 0.0001, 0.9999999999999999,
                     999999999999999.0, 1e15, 123456789012345678.0, 0.00030000000000000003}) {
        ExpectOracle(x);
    }
    for (int e = -1074; e <= 1023; ++e) ExpectOracle(std::ldexp(1.0, e));
}

TEST(Decimal18, AgreesWithPrintfOnRandomValues)
{
    std::mt19937_64 random(20261211);
    std::uniform_real_distribution<double> exponent(-12.0, 19.0); // around the fast range
    for (int i = 0; i < 200000; ++i) {
        ExpectOracle(std::pow(10.0, exponent(random)));
        std::uint64_t bits = random() & ~(std::uint64_t{1} << 63); // any positive double
        double x = 0;
        std::memcpy(&x, &bits, sizeof x);
        if (x > 0 && std::isfinite(x)) ExpectOracle(x);
    }
}

} // namespace
} // namespace nelin
