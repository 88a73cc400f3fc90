// Times the core of one full run and of one stepping press:
//   build/bench/core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "model/circuit.h"
#include "output/log_text.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace nelin;

SimulationParameters Parameters(bool diode)
{
    SimulationParameters p = DefaultParameters();
    p.StepCount = MaxStepCount;
    p.DiodeMode = diode ? 2 : 1;
    return p;
}

void Integrate(benchmark::State& bench)
{
    RunState state;
    for (auto _ : bench) {
        state.Parameters = Parameters(bench.range(0) != 0);
        IntegrateCircuit(state.Parameters, state.Samples);
        benchmark::DoNotOptimize(state.Samples.UcSamples[MaxStepCount]);
    }
}

void IntegrateAndDerive(benchmark::State& bench)
{
    RunState state;
    for (auto _ : bench) {
        state.Parameters = Parameters(bench.range(0) != 0);
        IntegrateCircuit(state.Parameters, state.Samples);
        for (std::int32_t i = 0; i <= MaxStepCount; ++i) DeriveSample(state.Parameters, state.Samples, i);
        benchmark::DoNotOptimize(state.Samples.IdSamples[MaxStepCount]);
    }
}

void FullRunCore(benchmark::State& bench)
{
    RunState state;
    for (auto _ : bench) {
        state.Parameters = Parameters(bench.range(0) != 0);
        IntegrateCircuit(state.Parameters, state.Samples);
        for (std::int32_t i = 0; i <= MaxStepCount; ++i) DeriveSample(state.Parameters, state.Samples, i);
        const SampleBuffers& s = state.Samples;
        std::string line;
        for (std::int32_t i = 1; i <= MaxStepCount; ++i) {
            const auto k = static_cast<std::size_t>(i);
            WriteSampleLine(line, i, state.Parameters.StepSize, s.UcSamples[k], s.IcSamples[k], s.IdSamples[k],
                            SampleLineStyle::FullRun);
            benchmark::DoNotOptimize(line.data());
        }
    }
}

// One "Krokuj" press at the last sample: the whole run is integrated again,
// one sample derived and formatted.
void SteppingPressCore(benchmark::State& bench)
{
    RunState state;
    for (auto _ : bench) {
        state.Parameters = Parameters(bench.range(0) != 0);
        IntegrateCircuit(state.Parameters, state.Samples);
        DeriveSample(state.Parameters, state.Samples, MaxStepCount);
        const SampleBuffers& s = state.Samples;
        std::string line = FormatSampleLine(MaxStepCount, state.Parameters.StepSize, s.UcSamples[MaxStepCount],
                                            s.IcSamples[MaxStepCount], s.IdSamples[MaxStepCount],
                                            SampleLineStyle::Stepping);
        benchmark::DoNotOptimize(line.data());
    }
}

} // namespace

BENCHMARK(Integrate)->ArgName("diode")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(IntegrateAndDerive)->ArgName("diode")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(FullRunCore)->ArgName("diode")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(SteppingPressCore)->ArgName("diode")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
