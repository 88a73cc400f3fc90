#include "ui/runs.h"

#include "model/circuit.h"
#include "output/log_text.h"

namespace nelin {
namespace {

void ClearCharts(const RunCharts& charts)
{
    for (PointChart* chart : charts) chart->ClearPoints();
}

void AddSamplePoints(const RunCharts& charts, const SampleBuffers& s, std::int32_t i)
{
    const auto k = static_cast<std::size_t>(i);
    charts[0]->AddPoint(s.TimeSamples[k], s.UcSamples[k]);
    charts[1]->AddPoint(s.UcSamples[k], s.IcSamples[k]);
    charts[2]->AddPoint(s.TimeSamples[k], s.IcSamples[k]);
    charts[3]->AddPoint(s.UdSamples[k], s.IdSamples[k]);
}

// Writes the line of sample i into `line`, reusing its storage.
const std::string& SampleLine(std::string& line, const RunState& state, std::int32_t i, SampleLineStyle style)
{
    const auto k = static_cast<std::size_t>(i);
    const SampleBuffers& s = state.Samples;
    WriteSampleLine(line, i, state.Parameters.StepSize, s.UcSamples[k], s.IcSamples[k], s.IdSamples[k], style);
    return line;
}

} // namespace

RunOutcome RunFull(RunState& state, bool diodeTicked, OutputLog& log, const RunCharts& charts)
{
    SimulationParameters& p = state.Parameters;
    if (!ValidateParameters(p)) return RunOutcome::OutOfRange;
    log.ClearLog();
    state.StepPosition = 0;
    ClearCharts(charts);
    WriteRunHeader(log, p, diodeTicked);
    IntegrateCircuit(p, state.Samples);
    for (std::int32_t i = 0; i <= p.StepCount; ++i) DeriveSample(p, state.Samples, i);
    WriteColumnHeader(log);
    std::string line;
    for (std::int32_t i = 1; i <= p.StepCount; ++i) {
        AddSamplePoints(charts, state.Samples, i);
        log.AppendLogLine(SampleLine(line, state, i, SampleLineStyle::FullRun));
    }
    return RunOutcome::Done;
}

RunOutcome RunOneStep(RunState& state, bool diodeTicked, OutputLog& log, const RunCharts& charts)
{
    SimulationParameters& p = state.Parameters;
    if (!ValidateParameters(p)) return RunOutcome::OutOfRange;
    if (state.StepPosition >= p.StepCount) state.StepPosition = 0;
    if (state.StepPosition == 0) {
        ClearCharts(charts);
        log.ClearLog();
        WriteRunHeader(log, p, diodeTicked);
        WriteColumnHeader(log);
        if (p.StepCount <= 0) return RunOutcome::Done;
    }
    // The position advances before the integration, so a fault still moves
    // the walk on.
    const std::int32_t k = ++state.StepPosition;
    IntegrateCircuit(p, state.Samples);
    DeriveSample(p, state.Samples, k);
    AddSamplePoints(charts, state.Samples, k);
    std::string line;
    log.AppendLogLine(SampleLine(line, state, k, SampleLineStyle::Stepping));
    return RunOutcome::Done;
}

void ShowHelpText(RunState& state, OutputLog& log)
{
    log.ClearLog();
    for (std::string_view line : HelpText) log.AppendLogLine(line);
    state.StepPosition = 0;
}

} // namespace nelin
