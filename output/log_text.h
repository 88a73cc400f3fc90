#pragma once
// The texts of the output log: the run header, the column header, the sample
// lines and the number texts they are made of. Texts are UTF-8.

#include "model/parameters.h"
#include "output/output_log.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace nelin {

enum class SampleLineStyle { FullRun, Stepping };

inline constexpr std::string_view ColumnHeaderLine = "čas[s], Uc[V], Ic[A], Id[A]";

// The number text of x: at most 15 significant digits, "." as the decimal
// separator, fixed notation for 0.0001 <= |x| < 1e15 and otherwise a mantissa
// with "E" and the exponent ("3E-5", "1E15"). Never "-0".
std::string FormatGeneral(double x);
void AppendGeneral(std::string& out, double x);

// x rounded to p decimal places (ties to even). Throws FloatingPointError
// (invalid operation) when |x| * 10^p is 2^63 or more.
double RoundDecimals(double x, int p);

// The nine lines of a run's header: step count, step size, Uo, R, C, L, Uc,
// the circuit with or without the diode, and an empty line.
void WriteRunHeader(OutputLog& log, const SimulationParameters& p, bool diodeTicked);
void WriteColumnHeader(OutputLog& log);

// One sample line: the time k * h and Uc, Ic, Id, rounded to 8, 4, 5 and 5
// decimals, separated by the gaps of the style.
std::string FormatSampleLine(std::int32_t k, double h, double uc, double ic, double id,
                             SampleLineStyle style);
// The same line written into `out`, whose storage a run reuses for every
// sample instead of allocating a string per line.
void WriteSampleLine(std::string& out, std::int32_t k, double h, double uc, double ic, double id,
                     SampleLineStyle style);

} // namespace nelin
