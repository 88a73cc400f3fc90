#include "ui/runs.h"

#include "model/circuit.h"
#include "output/log_text.h"
#include "platform/errors.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>

namespace nelin {
namespace {

using testing_support::VectorChart;
using testing_support::VectorLog;

class Runs : public testing::Test {
protected:
    Runs()
    {
        state.Parameters = DefaultParameters();
        charts = {&chart[0], &chart[1], &chart[2], &chart[3]};
    }

    std::size_t PointCount(int i) const { return chart[i].points.size(); }

    RunState state;
    VectorLog log;
    VectorChart chart[4];
    RunCharts charts{};
};

TEST_F(Runs, FullRunWritesHeaderColumnsAndEverySample)
{
    state.StepPosition = 7;
    ASSERT_EQ(RunFull(state, false, log, charts), RunOutcome::Done);
    ASSERT_EQ(log.lines.size(), 510u);
    EXPECT_EQ(log.lines[0], "počet krokov= 500");
    EXPECT_EQ(log.lines[9], "čas[s], Uc[V], Ic[A], Id[A]");
    EXPECT_EQ(log.lines[10].substr(0, 8), "0.0001  ");
    EXPECT_EQ(log.lines[509], "0.05  0.075  0.00205  0.00026");
    EXPECT_EQ(state.StepPosition, 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(PointCount(i), 500u);
    // Chart 1 is Uc over the accumulated time; chart 4 Id over Ud.
    EXPECT_EQ(chart[0].points.back(), std::make_pair(state.Samples.TimeSamples[500], state.Samples.UcSamples[500]));
    EXPECT_EQ(chart[1].points.front().first, *std::min_element(state.Samples.UcSamples.begin() + 1,
                                                              state.Samples.UcSamples.begin() + 501));
    EXPECT_EQ(chart[3].points[0], std::make_pair(state.Samples.UdSamples[1], state.Samples.IdSamples[1]));
}

TEST_F(Runs, FullRunWithoutSteps)
{
    for (int count : {0, -3}) {
        state.Parameters.StepCount = count;
        state.Parameters.R = 0; // no step, so no evaluation and no fault
        ASSERT_EQ(RunFull(state, true, log, charts), RunOutcome::Done);
        ASSERT_EQ(log.lines.size(), 10u);
        EXPECT_EQ(log.lines[0], "počet krokov= " + std::to_string(count));
        EXPECT_EQ(log.lines[7], "obvod s diódou.");
        for (int i = 0; i < 4; ++i) EXPECT_EQ(PointCount(i), 0u);
    }
}

TEST_F(Runs, LimitedStepIsLoggedAsEntered)
{
    state.Parameters.StepSize = 0.000100005;
    state.Parameters.StepCount = 3;
    RunFull(state, false, log, charts);
    EXPECT_EQ(log.lines[1], "veľkosť kroku= 0.000100005 s");
    EXPECT_EQ(log.lines[12].substr(0, 6), "0.0003");
    EXPECT_EQ(state.Parameters.StepSize, 0.0001);
}

TEST_F(Runs, RangeFailureChangesNothing)
{
    RunFull(state, false, log, charts);
    const auto before = log.lines;
    state.Parameters.Uo = 10.0001;
    state.StepPosition = 4;
    EXPECT_EQ(RunFull(state, false, log, charts), RunOutcome::OutOfRange);
    EXPECT_EQ(RunOneStep(state, false, log, charts), RunOutcome::OutOfRange);
    EXPECT_EQ(log.lines, before);
    EXPECT_EQ(PointCount(0), 500u);
    EXPECT_EQ(state.StepPosition, 4);
}

TEST_F(Runs, IntegrationFaultLeavesTheHeaderOnly)
{
    RunFull(state, false, log, charts);
    state.Parameters.C = 0;
    state.Parameters.Uc0 = 0;
    try {
        RunFull(state, false, log, charts);
        FAIL();
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(e.fault(), FloatFault::InvalidOperation);
    }
    EXPECT_EQ(log.lines.size(), 9u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(PointCount(i), 0u);
}

// An unstable circuit whose values outgrow the rounding of the log before
// they leave the double range: the faulty sample's points are drawn, its
// line is missing.
TEST_F(Runs, RoundingFaultEndsAtTheSample)
{
    state.Parameters.C = 0.00000001;
    state.Parameters.StepCount = 60;
    EXPECT_THROW(RunFull(state, false, log, charts), FloatingPointError);
    const SampleBuffers& s = state.Samples;
    std::size_t failing = 1;
    while (std::fabs(s.UcSamples[failing]) * 1e4 < 9.2e18 && std::fabs(s.IcSamples[failing]) * 1e5 < 9.2e18) ++failing;
    ASSERT_LT(failing, 60u);
    EXPECT_EQ(log.lines.size(), 10 + failing - 1);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(PointCount(i), failing);
}

TEST_F(Runs, SteppingWalksThroughTheRunAndStartsOver)
{
    state.Parameters.StepCount = 3;
    for (int press = 1; press <= 3; ++press) {
        ASSERT_EQ(RunOneStep(state, false, log, charts), RunOutcome::Done);
        EXPECT_EQ(state.StepPosition, press);
        EXPECT_EQ(log.lines.size(), 10u + static_cast<std::size_t>(press));
        EXPECT_EQ(PointCount(0), static_cast<std::size_t>(press));
    }
    EXPECT_EQ(log.lines[10].substr(0, 9), "0.0001   ");
    RunOneStep(state, false, log, charts);
    EXPECT_EQ(state.StepPosition, 1);
    EXPECT_EQ(log.lines.size(), 11u);
    EXPECT_EQ(PointCount(0), 1u);
}

TEST_F(Runs, SteppingWithoutSteps)
{
    for (int count : {1, 0, -2}) {
        state.Parameters.StepCount = count;
        for (int press = 0; press < 2; ++press) {
            RunOneStep(state, false, log, charts);
            EXPECT_EQ(log.lines.size(), count == 1 ? 11u : 10u);
            EXPECT_EQ(PointCount(0), count == 1 ? 1u : 0u);
        }
    }
}

TEST_F(Runs, SteppingShowsTheFullRunSamples)
{
    state.Parameters.StepCount = 40;
    state.Parameters.DiodeMode = 2;
    RunState full = state;
    VectorLog fullLog;
    VectorChart fullChart[4];
    RunFull(full, true, fullLog, {&fullChart[0], &fullChart[1], &fullChart[2], &fullChart[3]});
    for (int press = 0; press < 40; ++press) RunOneStep(state, true, log, charts);
    ASSERT_EQ(log.lines.size(), fullLog.lines.size());
    for (std::size_t i = 10; i < log.lines.size(); ++i) {
        std::string stepped = log.lines[i];
        // Only the gaps differ: three, three and one blank against two each.
        stepped.replace(stepped.find("   "), 3, "  ");
        stepped.replace(stepped.find("   "), 3, "  ");
        stepped.insert(stepped.rfind(' '), " ");
        EXPECT_EQ(stepped, fullLog.lines[i]) << i;
    }
    for (int i = 0; i < 4; ++i) EXPECT_EQ(chart[i].points, fullChart[i].points) << i;
}

TEST_F(Runs, DiodeToggleContinuesTheWalk)
{
    state.Parameters.StepCount = 10;
    RunOneStep(state, false, log, charts);
    RunOneStep(state, false, log, charts);
    state.Parameters.DiodeMode = 2;
    RunOneStep(state, false, log, charts);
    EXPECT_EQ(state.StepPosition, 3);
    EXPECT_EQ(log.lines[7], "obvod bez diódy.");
    // Sample 3 comes from a whole run with the diode.
    RunState withDiode;
    withDiode.Parameters = state.Parameters;
    IntegrateCircuit(withDiode.Parameters, withDiode.Samples);
    EXPECT_EQ(state.Samples.UcSamples[3], withDiode.Samples.UcSamples[3]);
}

TEST_F(Runs, SteppingFaultsStillAdvanceThePosition)
{
    state.Parameters.StepCount = 2;
    state.Parameters.R = 0;
    for (int expected : {1, 2, 1}) {
        EXPECT_THROW(RunOneStep(state, false, log, charts), FloatingPointError);
        EXPECT_EQ(state.StepPosition, expected);
        EXPECT_EQ(log.lines.size(), 10u);
    }
}

TEST_F(Runs, HelpTextReplacesTheLog)
{
    state.Parameters.StepCount = 5;
    RunOneStep(state, false, log, charts);
    RunOneStep(state, false, log, charts);
    ShowHelpText(state, log);
    ShowHelpText(state, log);
    ASSERT_EQ(log.lines.size(), 6u);
    EXPECT_EQ(log.lines[4], "Výstup  sa dá uložiť pomocou tlačidla „Ulož“.");
    EXPECT_EQ(state.StepPosition, 0);
    EXPECT_EQ(PointCount(0), 2u);
    // Each character is one byte in code page 1250: with CR LF, 616 bytes.
    std::size_t bytes = 0;
    for (const std::string& line : log.lines) {
        bytes += 2 + static_cast<std::size_t>(std::count_if(line.begin(), line.end(),
                                                             [](char c) { return (c & 0xC0) != 0x80; }));
    }
    EXPECT_EQ(bytes, 616u);
    RunOneStep(state, false, log, charts);
    EXPECT_EQ(log.lines.size(), 11u);
    EXPECT_EQ(PointCount(0), 1u);
}

} // namespace
} // namespace nelin
