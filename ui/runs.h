#pragma once
// The two runs and the help text, on a run state handed in by the window,
// writing into the log and the four charts through their interfaces.

#include "model/parameters.h"
#include "output/output_log.h"
#include "output/point_chart.h"

#include <array>
#include <string_view>

namespace nelin {

// Chart1 ... Chart4: Uc over time, Ic over Uc, Ic over time, Id over Ud.
using RunCharts = std::array<PointChart*, 4>;

enum class RunOutcome {
    Done,       // finished, or nothing to do
    OutOfRange, // a parameter failed the range check; nothing was changed
};

// "Vykresli" after the fields were read: checks the parameters, then writes
// the header, integrates, and shows every sample. Throws FloatingPointError
// at the point of a fault, leaving what was written before.
RunOutcome RunFull(RunState& state, bool diodeTicked, OutputLog& log, const RunCharts& charts);

// "Krokuj" after the fields were read: shows the next sample of the current
// stepping run, starting a new one when StepPosition is 0 or at the end.
// Every press integrates the whole run again.
RunOutcome RunOneStep(RunState& state, bool diodeTicked, OutputLog& log, const RunCharts& charts);

inline constexpr std::array<std::string_view, 6> HelpText{
    "V ľavom dolnom rohu aplikácie sú uvedené parametre modelu.",
    "Hodnotu parametrov možno meniť, pri prvom spustení sa automaticky nastavia východzie hodnoty.",
    "Premiestnením kurzora myši nad hodnotu ľubovolného parametra dosiahneme zobrazenie východzieho "
    "nastavenia ako aj intervalu povolených hodnôt.",
    "Tlačidlo „Krokuj“ a  „Vykresli” sa používa na vykreslenie grafov a výpis parametrov modelu ako aj "
    "vypočítaných premenných do „Výstupu“.",
    "Výstup  sa dá uložiť pomocou tlačidla „Ulož“.",
    "Ukladajú sa všetky grafy ako aj  vygenerovaný výstup a  to vo formáte "
    "rok:mesiac:den:hodina:minúta:sekunda+príslušná prípona súboru.",
};

// "Pomoc": replaces the log with the help text and ends a stepping run.
void ShowHelpText(RunState& state, OutputLog& log);

} // namespace nelin
