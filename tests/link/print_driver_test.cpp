// The print driver against the virtual plotter over loopback.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "link/link_result.h"
#include "link/print_driver.h"
#include "common/loopback_port.h"
#include "link_test_util.h"

namespace pv::test {
namespace {

// "B<index>" and "C<records>" in the order the plotter received them.
std::vector<std::string> Sequence(const PlotterJob& job) {
    std::map<int, std::string> byOrder;
    for (const auto& b : job.bands) byOrder[b.order] = "B" + std::to_string(b.index);
    for (const auto& c : job.cutSegments) byOrder[c.order] = "C" + std::to_string(c.recordCount);
    std::vector<std::string> out;
    for (auto& [order, text] : byOrder) out.push_back(text);
    return out;
}

std::vector<std::string> Bands(int from, int to) {
    std::vector<std::string> out;
    for (int b = from; b <= to; ++b) out.push_back("B" + std::to_string(b));
    return out;
}

std::shared_ptr<const PlotterJob> LastJob(VirtualPlotter& p) {
    auto jobs = p.machine().FinishedJobs();
    return jobs.empty() ? nullptr : jobs.back();
}

TEST(PrintDriver, InterleavesEightBandsPerCutSegmentAndStepsPastTheLastBand) {
    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    Station s(plotter->port());
    ScriptedJob job(20, 20);
    PrintDriver driver(*s.protocol, job);
    EXPECT_EQ(driver.Run(), kPrintDone);
    EXPECT_EQ(s.host.Results(), std::vector<int>{kPrintDone});
    EXPECT_FALSE(s.state.printThread.load());

    auto done = LastJob(*plotter);
    ASSERT_TRUE(done);
    std::vector<std::string> expected = Bands(0, 7);
    expected.push_back("C1");
    for (auto& b : Bands(8, 15)) expected.push_back(b);
    expected.push_back("C2");
    for (auto& b : Bands(16, 19)) expected.push_back(b);
    expected.push_back("C3");
    EXPECT_EQ(Sequence(*done), expected);
    // 20 bands and the four empty steps 20..23 each report progress.
    EXPECT_EQ(s.host.bandsSent.load(), 24);
    EXPECT_EQ(done->ending, "complete");
    EXPECT_EQ(done->commands, std::vector<std::uint8_t>{14});
    EXPECT_EQ(done->columnCount, 100);
    EXPECT_EQ(done->paperLength, 8000);   // 100 mm at 80 pulses per mm
    // Records arrive as sent: segment 2 holds three, the first a move.
    ASSERT_EQ(done->cutSegments.size(), 3u);
    EXPECT_EQ(done->cutSegments[2].records[0], (CutRecord{2000, 0, 'M'}));
    EXPECT_EQ(done->cutSegments[2].records[2], (CutRecord{2000, 20, 'F'}));
    // Odd bands are reversed while bidirectional printing is on.
    for (const auto& b : done->bands) EXPECT_EQ(b.reverse, b.index % 2 == 1) << b.index;
}

TEST(PrintDriver, PlotOnlySendsNoCutDataButKeepsTheSameSteps) {
    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    Station s(plotter->port());
    ScriptedJob job(20, 20);
    job.plotOnly = true;
    job.bidirectional = false;
    PrintDriver driver(*s.protocol, job);
    EXPECT_EQ(driver.Run(), kPrintDone);
    auto done = LastJob(*plotter);
    ASSERT_TRUE(done);
    EXPECT_EQ(Sequence(*done), Bands(0, 19));
    EXPECT_EQ(s.host.bandsSent.load(), 24);
    for (const auto& b : done->bands) EXPECT_FALSE(b.reverse);
}

TEST(PrintDriver, WidthAtTheSoftLimitPrintsOneMillimetreMoreIsRefused) {
    const MachineParams params = MachineParams::Defaults(Edition::TwoHead);
    // With the defaults the width is 0.1375 mm per column plus 118.7 mm.
    EXPECT_EQ(static_cast<int>(PrintDriver::RequiredWidthMm(params, Edition::TwoHead, 14454)), 2106);
    EXPECT_EQ(static_cast<int>(PrintDriver::RequiredWidthMm(params, Edition::TwoHead, 14461)), 2107);

    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    {
        Station s(plotter->port());
        ScriptedJob fits(2, 2, 14454);
        PrintDriver driver(*s.protocol, fits);
        EXPECT_EQ(driver.Run(), kPrintDone);
        EXPECT_EQ(s.host.autoStartOff.load(), 0);
    }
    Station s(plotter->port());
    ScriptedJob wide(2, 2, 14461);
    PrintDriver driver(*s.protocol, wide);
    EXPECT_EQ(driver.Run(), kPrintFailed);
    EXPECT_EQ(s.host.autoStartOff.load(), 1);
    EXPECT_EQ(s.host.Messages(),
              std::vector<std::string>{"Plot width (add start position) bigger than machine width!"});
    EXPECT_EQ(plotter->machine().JobsStarted(), 1);   // nothing of the wide job was sent
}

TEST(PrintDriver, ParametersThatDescribeNoSweepRefuseTheJob) {
    MachineParams params = MachineParams::Defaults(Edition::TwoHead);
    params.adv.carriageAccel = 0;
    EXPECT_FALSE(std::isfinite(PrintDriver::RequiredWidthMm(params, Edition::TwoHead, 10)));
}

TEST(PrintDriver, PauseIsSentByTheWaitLoopAndResumeBringsTheJobBack) {
    auto plotter = StartPlotter(Edition::TwoHead, {*ParsePlotterFault("busy=1500@1")});
    ASSERT_TRUE(plotter);
    Station s(plotter->port());
    ScriptedJob job(12, 12);
    PrintDriver driver(*s.protocol, job);
    driver.Start();
    ASSERT_TRUE(WaitFor([&] { return plotter->machine().CurrentJobBands() >= 2; }));
    EXPECT_EQ(s.state.queue.Push(kCmdPause), 0);
    ASSERT_TRUE(WaitFor([&] { return plotter->machine().State() == kStatePaused; }));
    EXPECT_TRUE(WaitFor([&] { return s.state.status.state.load() == kStatePaused; }));
    const int bandsWhilePaused = plotter->machine().CurrentJobBands();
    EXPECT_EQ(s.state.queue.Push(kCmdResume), 0);
    ASSERT_TRUE(WaitFor([&] { return driver.Finished(); }));
    EXPECT_EQ(driver.result(), kPrintDone);
    auto done = LastJob(*plotter);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->commands, (std::vector<std::uint8_t>{kCmdPause, kCmdResume, kCmdJobComplete}));
    EXPECT_EQ(done->bands.size(), 12u);
    EXPECT_LT(bandsWhilePaused, 12);
}

struct FaultCase {
    const char* name;    // the test's name
    const char* fault;   // the plotter's fault word
    int result;
};

class PrintFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(PrintFault, EndsAsItShouldAndTheNextJobPrints) {
    const FaultCase c = GetParam();
    auto fault = ParsePlotterFault(c.fault);
    ASSERT_TRUE(fault) << c.fault;
    auto plotter = StartPlotter(Edition::TwoHead, {*fault});
    ASSERT_TRUE(plotter);
    Station s(plotter->port(), Edition::TwoHead, 300);
    {
        ScriptedJob job(20, 20);
        PrintDriver driver(*s.protocol, job);
        EXPECT_EQ(driver.Run(), c.result) << c.fault;
        EXPECT_EQ(driver.message().empty(), c.result == kPrintDone) << driver.message();
    }
    // A machine that was silent answers again before the next job.
    ASSERT_TRUE(WaitFor([&] { return s.protocol->ReadMachineParameters() == kLinkOk; }, 100, 50));
    ScriptedJob next(20, 20);
    PrintDriver driver(*s.protocol, next);
    EXPECT_EQ(driver.Run(), kPrintDone) << c.fault << ": " << driver.message();
    auto done = LastJob(*plotter);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->ending, "complete");
    EXPECT_EQ(done->bands.size(), 20u);
    EXPECT_EQ(done->cutSegments.size(), 3u);
}

// Named, so a case keeps its test name wherever it stands in the table.
INSTANTIATE_TEST_SUITE_P(
    Faults, PrintFault,
    ::testing::Values(FaultCase{"ThirdPacketRefused", "refuse-bulk=3", kPrintDone},
                      FaultCase{"DroppedAfterFourthFrame", "drop-after=4", kPrintDone},
                      FaultCase{"SecondAnswerTooLong", "bad-length=2", kPrintDone},
                      FaultCase{"ThirdAnswerWrongHeader", "bad-header=3", kPrintDone},
                      FaultCase{"FifthAnswerWrongCode", "bad-code=5", kPrintDone},
                      FaultCase{"JobStartAnswerWrongCode", "bad-code=1", kPrintFailed},
                      FaultCase{"LeavesPrintingAfterBand2", "leave-after-band=2", kPrintFailed},
                      FaultCase{"BusyAfterBand1", "busy=300@1", kPrintDone},
                      FaultCase{"SilentFromFourthFrame", "silent=4:4000", kPrintFailed}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(PrintDriver, RefusedBandIsSentAgainWhole) {
    auto plotter = StartPlotter(Edition::TwoHead, {*ParsePlotterFault("refuse-bulk=2")});
    ASSERT_TRUE(plotter);
    Station s(plotter->port());
    ScriptedJob job(3, 3);
    PrintDriver driver(*s.protocol, job);
    EXPECT_EQ(driver.Run(), kPrintDone);
    auto done = LastJob(*plotter);
    ASSERT_TRUE(done);
    ASSERT_EQ(done->bands.size(), 3u);
    // Three packets of 1400 bytes carry the 3000 bytes of band 0, sent again
    // after its second packet was refused.
    EXPECT_EQ(done->bands[0].index, 0);
    EXPECT_EQ(done->bands[0].bytesReceived, 4200u);
}

class ManyRecordsJob : public ScriptedJob {
public:
    ManyRecordsJob() : ScriptedJob(1, 0) {}
    std::span<const CutRecord> BuildCutSegment(int) override {
        records.assign(count, CutRecord{1, 2, 'F'});
        return records;
    }
    std::size_t count = 0;
    std::vector<CutRecord> records;
};

TEST(CommandProtocol, CutSegmentOfAtMost65534RecordsIsSentOneMoreFailsBeforeSending) {
    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    Station s(plotter->port(), Edition::TwoHead, 5000);   // 562 packets, each acknowledged
    s.state.printThread = true;
    ASSERT_EQ(s.protocol->SendJobStart({100, 10}), kLinkOk);
    ManyRecordsJob job;
    for (std::size_t count : {std::size_t{0}, std::size_t{65535}, std::size_t{65534}}) {
        job.count = count;
        EXPECT_EQ(s.protocol->SendCutSegment(job, 0), count == 65535 ? kLinkFailed : kLinkOk) << count;
    }
    s.link->commu().SendCommand(kCmdJobComplete);
    auto done = LastJob(*plotter);
    ASSERT_TRUE(done);
    // Neither the empty nor the oversized segment sent a header.
    ASSERT_EQ(done->cutSegments.size(), 1u);
    EXPECT_EQ(done->cutSegments[0].recordCount, 65534);
    EXPECT_TRUE(done->cutSegments[0].complete);
    EXPECT_EQ(done->cutSegments[0].records.size(), 65534u);
}

TEST(PrintDriver, FailedJobStartIsReportedWithItsMessage) {
    RefusedPort nobody;
    ASSERT_NE(nobody.port(), 0);
    Station s(nobody.port(), Edition::TwoHead, 300);
    ScriptedJob job(4, 4);
    PrintDriver driver(*s.protocol, job);
    EXPECT_EQ(driver.Run(), kPrintFailed);
    EXPECT_EQ(s.host.Messages(), std::vector<std::string>{"Send command failed,Please retry"});
}

TEST(PrintDriver, StopRequestEndsAPausedPrintPromptly) {
    auto plotter = StartPlotter();
    ASSERT_TRUE(plotter);
    Station s(plotter->port());
    ScriptedJob job(40, 40);
    auto driver = std::make_unique<PrintDriver>(*s.protocol, job);
    s.state.queue.Push(kCmdPause);
    driver->Start();
    ASSERT_TRUE(WaitFor([&] { return plotter->machine().State() == kStatePaused; }));
    driver.reset();   // stops and joins
    EXPECT_EQ(s.host.Results(), std::vector<int>{kPrintFailed});
    EXPECT_FALSE(s.state.printThread.load());
}

}  // namespace
}  // namespace pv::test
