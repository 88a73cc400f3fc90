// Prints the log that the core writes for given field texts, as the window
// would hold it: UTF-8, every line followed by CR LF. The end-to-end suite
// compares it with the file that "Ulož" writes.
//
//   e2e_core_log full|step:N diode|nodiode COUNT STEP UO R L C UC
//
// "full" is one "Vykresli"; "step:N" is N presses of "Krokuj".
#include "tests/support/fakes.h"
#include "ui/runs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

int main(int argc, char* argv[])
{
    using namespace nelin;
    if (argc != 10) {
        std::fputs("usage: e2e_core_log full|step:N diode|nodiode COUNT STEP UO R L C UC\n", stderr);
        return 2;
    }
    const bool full = std::strcmp(argv[1], "full") == 0;
    const int presses = full ? 1 : std::atoi(argv[1] + std::strlen("step:"));
    const bool diode = std::strcmp(argv[2], "diode") == 0;

    RunState state;
    state.Parameters = DefaultParameters();
    state.Parameters.DiodeMode = diode ? 2 : 1;
    testing_support::VectorLog log;
    testing_support::VectorChart chart[4];
    const RunCharts charts{&chart[0], &chart[1], &chart[2], &chart[3]};
    try {
        for (int i = 0; i < presses; ++i) {
            ReadParameterFields({argv[3], argv[4], argv[5], argv[6], argv[7], argv[8], argv[9]}, state.Parameters);
            const RunOutcome outcome = full ? RunFull(state, diode, log, charts) : RunOneStep(state, diode, log, charts);
            if (outcome != RunOutcome::Done) {
                std::fputs("out of range\n", stderr);
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    for (const std::string& line : log.lines) std::printf("%s\r\n", line.c_str());
    return 0;
}
