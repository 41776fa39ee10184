// Every integer setting at the ends of its range, read from the file and
// used as a job is read and prepared: no arithmetic may overflow (the
// sanitizers watch) and every value bound for the machine fits its field.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "common/scratch_dir.h"
#include "import/job_reader.h"
#include "link/command_protocol.h"
#include "output/band_result.h"
#include "output/cut_record.h"
#include "output/output_station.h"
#include "output/print_preparation.h"
#include "output/send_plan.h"
#include "params/machine_params.h"
#include "settings/setting_key_table.h"

namespace pv {
namespace {

struct HostileValue {
    const char* name;
    std::int64_t value;
};

constexpr HostileValue kValues[] = {
    {"Lowest", std::numeric_limits<std::int64_t>::min()},
    {"MinusOne", -1},
    {"Zero", 0},
    {"Highest", std::numeric_limits<std::int64_t>::max()},
};

struct HostileCase {
    Edition edition;
    const SettingKey* key;
};

// What the test's name shows in test listings (not the record's bytes).
void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.key->name; }

std::vector<HostileCase> AllCases() {
    std::vector<HostileCase> out;
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        for (const SettingKey* key : SettingKeys(e))
            if (key->type != SettingType::Text) out.push_back({e, key});
    }
    return out;
}

std::string CaseName(const ::testing::TestParamInfo<HostileCase>& info) {
    return std::string(IsFourHead(info.param.edition) ? "FourHead_" : "TwoHead_") + info.param.key->name;
}

// The value as the settings file would give it, through the file's own
// parser: a 32-bit field gets the ends of its range.
void Apply(AppSettings& s, const SettingKey& key, std::int64_t v) { ApplySettingText(s, key, std::to_string(v)); }

// Walks the print as the driver would and checks what it would send.
void CheckPrint(const COnePage& job, const AppSettings& settings, const MachineParams& params,
                OutputStation& station) {
    struct NoDriver : PrintStarter {
        bool PrintDriverRunning() const override { return false; }
        bool StartPrintDriver(OutputStation&) override { return true; }
    } driver;
    struct NoPause : PrepareClock {
        void Pause(std::chrono::milliseconds) const override {}
    } clock;
    const PrepareResult r = PreparePrint(job, settings, params, station, driver, clock, {});
    if (r.result != kPrepareStarted) {
        EXPECT_TRUE(r.result == kPrepareBandsImpossible || r.result == kPrepareCutTooLarge ||
                    r.result == kPrepareScaleOutOfRange)
            << r.result;
        return;
    }
    const JobStartBlock start =
        CommandProtocol::ComputeJobStart(params, settings, station.PrintPage.maxX, station.ColumnCount);
    EXPECT_GE(start.paperLength, 0) << "the paper is never fed backwards";
    EXPECT_GE(start.columnCount, 0);
    EXPECT_GE(station.BandCount, 0);
    EXPECT_GE(station.PlotBandCount, 0);

    StreamOrder order(station.BandCount, station.bandsPerCutSegment);
    int steps = 0;
    for (SendStep s = order.Current(); s.kind != SendStep::Kind::Done && steps < 400; order.Advance(), s = order.Current()) {
        ++steps;
        if (s.kind == SendStep::Kind::Band) {
            if (!BandStepSendsData(s.index, station.PlotBandCount)) continue;
            const int built = station.BuildBand(s.index);
            if (built != kBandOk) {
                EXPECT_TRUE(built == kBandTooManyColumns || built == kBandSegmentOverflow ||
                            built == kBandBadParameters)
                    << built;
                return;   // the job fails here
            }
            EXPECT_FALSE(station.BandBytes().empty());
            (void)CommandProtocol::EncodeBandHeader(s.index, station.BandReversed(s.index));
        } else if (CutStepMaySend(s.index, station.BandCount, station.plotOnly)) {
            const std::size_t n = station.BuildCutSegment(s.index);
            EXPECT_LE(n, kMaxCutRecords);
            if (n > 0) {
                EXPECT_EQ(station.Cuts().Pack(), kCutPackOk);
                EXPECT_EQ(station.Cuts().Wire().size(), n * kCutRecordBytes);
            }
        }
    }
}

class HostileSetting : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileSetting, ReadsAndPreparesWithEveryMachineFieldInRangeAtBothEnds) {
    const HostileCase& c = GetParam();
    test::ScratchDir dir("hostile");
    // Drawn and cut lines, a label and a notch-like stub; and the same as DXF.
    const std::string plt = dir.File("piece.plt");
    test::WriteAll(plt,
                   "IN;SP1;PU0,0;PD6000,0,6000,3000,0,3000,0,0;PU200,200;LBAB\x03;"
                   "SP2;PU400,400;PD12000,400,12000,2600,400,2600,400,400;PU13000,200;PD13000,2800;PG;");
    const std::string dxf = dir.File("piece.dxf");
    test::WriteAll(dxf,
                   "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n8\r\n0\r\n10\r\n0\r\n20\r\n0\r\n11\r\n300\r\n21\r\n"
                   "80\r\n0\r\nTEXT\r\n8\r\n0\r\n10\r\n5\r\n20\r\n5\r\n40\r\n10\r\n1\r\nAB\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n");
    const MachineParams params = MachineParams::Defaults(c.edition);
    OutputStation station;   // its buffers serve every print, as in the program
    for (const HostileValue& v : kValues) {
        SCOPED_TRACE(v.name);
        AppSettings settings;
        settings.edition = c.edition;
        settings.ProgramDir = dir.Dir();
        settings.EnFontPath = std::string(PV_SOURCE_DIR) + "/resources/fonts/fon_en.bin";
        settings.HzFontPath = std::string(PV_SOURCE_DIR) + "/resources/fonts/fon_hz.bin";
        settings.BackupDir = dir.File("bak");
        Apply(settings, *c.key, v.value);
        for (const std::string& file : {plt, dxf}) {
            SCOPED_TRACE(file);
            ReadJobResult read = ReadJobFile(file, settings, {}, ReadPath::AddCommand);
            if (read.page == nullptr) continue;   // e.g. a DXF unit of 0 leaves no curve
            read.page->fileName = "piece";
            CheckPrint(*read.page, settings, params, station);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryIntegerKey, HostileSetting, ::testing::ValuesIn(AllCases()), CaseName);

}  // namespace
}  // namespace pv
