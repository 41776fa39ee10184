// The machine data of whole prints, held to the bytes: pattern files and
// generated markers are prepared under several settings, every band and
// every cut segment is built in the order the driver sends them, and a
// digest of the prepared page, the counts, the band bytes and the knife
// records is compared with the one recorded in
// tests/data/output/prepare_digests.txt.  Faster preparation and segment
// building must not change a single byte of what the machine receives.
//
// PV_WRITE_PREPARE_DIGESTS=1 records the digests anew (only for a change
// that is meant to change the machine data).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../../bench/marker_fixture.h"
#include "import/job_reader.h"
#include "output/band_result.h"
#include "output/cut_record.h"
#include "output/output_station.h"
#include "output/print_preparation.h"
#include "output/send_plan.h"
#include "params/machine_params.h"
#include "settings/app_settings.h"

namespace pv {
namespace {

const std::string kDigestFile = std::string(PV_TEST_DATA_DIR) + "/output/prepare_digests.txt";

// FNV-1a, 64 bits.
class Digest {
public:
    void Bytes(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        for (std::size_t i = 0; i < n; ++i) {
            h_ ^= b[i];
            h_ *= 1099511628211ull;
        }
    }
    void Int(std::int64_t v) { Bytes(&v, sizeof v); }
    std::string Hex() const {
        std::ostringstream s;
        s << std::hex << h_;
        return s.str();
    }

private:
    std::uint64_t h_ = 14695981039346656037ull;
};

struct Variant {
    const char* name;
    Edition edition;
    std::function<void(AppSettings&, MachineParams&)> apply;
};

const std::vector<Variant>& Variants() {
    static const std::vector<Variant> v = {
        {"plain", Edition::TwoHead, [](AppSettings&, MachineParams&) {}},
        {"halves-lift-offset", Edition::TwoHead,
         [](AppSettings& s, MachineParams& p) {
             s.OptSS = 1;
             p.machine.cutMode = 1;
             p.machine.plotCutOffsetX = -2000;   // -200.0 mm
             p.machine.plotCutOffsetY = 1200;
             p.adv.bandsPerCutSegment = 3;
         }},
        {"dots-inked-cuts", Edition::TwoHead,
         [](AppSettings& s, MachineParams& p) {
             s.LineToDot = 1;
             s.PlotCutLine = 1;
             s.CleanAtStart = 0;
             p.adv.bandsPerCutSegment = 1;
         }},
        {"four-head", Edition::FourHead, [](AppSettings& s, MachineParams&) { s.OptSS = 1; }},
    };
    return v;
}

// Prepares `job` and walks the whole print as the driver sends it; the
// bands only when `bands` (rasterising a marker's hundreds of bands under
// every variant would take minutes).
std::string PrintDigest(const COnePage& job, const Variant& v, bool bands) {
    AppSettings s;
    s.edition = v.edition;
    MachineParams p = MachineParams::Defaults(v.edition);
    v.apply(s, p);
    OutputStation station;
    Digest d;
    const int r = PreparePrintPage(job, s, p, station);
    d.Int(r);
    if (r != kPrepareStarted) return d.Hex();
    d.Int(station.BandCount);
    d.Int(station.PlotBandCount);
    d.Int(station.ColumnCount);
    for (const CCurve& c : station.PrintPage.curves) {
        d.Int(c.kind);
        d.Int(c.lineType);
        d.Int(static_cast<std::int64_t>(c.points.size()));
        d.Bytes(c.points.data(), c.points.size() * sizeof(Point));
    }
    StreamOrder order(station.BandCount, station.bandsPerCutSegment);
    for (SendStep st = order.Current(); st.kind != SendStep::Kind::Done; order.Advance(), st = order.Current()) {
        if (st.kind == SendStep::Kind::Band) {
            if (!bands || !BandStepSendsData(st.index, station.PlotBandCount)) continue;
            d.Int(station.BuildBand(st.index));
            const auto bytes = station.BandBytes();
            d.Int(static_cast<std::int64_t>(bytes.size()));
            d.Bytes(bytes.data(), bytes.size());
        } else if (CutStepMaySend(st.index, station.BandCount, station.plotOnly)) {
            d.Int(static_cast<std::int64_t>(station.BuildCutSegment(st.index)));
            d.Int(station.Cuts().Pack());
            const auto wire = station.Cuts().Wire();
            d.Bytes(wire.data(), wire.size());
        }
    }
    return d.Hex();
}

COnePage ReadFixture(const std::string& path) {
    AppSettings s;
    s.EnFontPath = std::string(PV_SOURCE_DIR) + "/resources/fonts/fon_en.bin";
    s.HzFontPath = std::string(PV_SOURCE_DIR) + "/resources/fonts/fon_hz.bin";
    ReadJobResult read = ReadJobFile(path, s, {}, ReadPath::AddCommand);
    if (!read.page) return COnePage{};
    read.page->fileName = path;
    return std::move(*read.page);
}

std::map<std::string, std::string> Recorded() {
    std::map<std::string, std::string> out;
    std::ifstream in(kDigestFile);
    std::string name, digest;
    while (in >> name >> digest) out[name] = digest;
    return out;
}

TEST(PrepareOutputDigest, EveryPrintSendsTheRecordedBytes) {
    const std::string data = PV_TEST_DATA_DIR;
    const std::string src = PV_SOURCE_DIR;
    std::vector<std::pair<std::string, COnePage>> jobs;
    for (const char* f : {"/link/marker.plt", "/cli/piece.plt", "/cli/square.plt", "/dxf/two_pieces.dxf"})
        jobs.emplace_back(f, ReadFixture(data + f));
    for (const char* f : {"/resources/samples/shirt.plt", "/resources/samples/labels.plt"})
        jobs.emplace_back(f, ReadFixture(src + f));
    const std::size_t files = jobs.size();
    jobs.emplace_back("garment-marker-2x3m", bench::GarmentMarker());
    jobs.emplace_back("long-marker-6m", bench::LongMarker(6000.0, {70, 46}));

    std::map<std::string, std::string> now;
    for (std::size_t j = 0; j < jobs.size(); ++j) {
        const auto& [name, page] = jobs[j];
        ASSERT_FALSE(page.curves.empty()) << name;
        for (const Variant& v : Variants()) {
            const bool bands = j < files || v.name == std::string("plain");
            now[name + "@" + v.name] = PrintDigest(page, v, bands);
        }
    }

    if (std::getenv("PV_WRITE_PREPARE_DIGESTS") != nullptr) {
        std::ofstream out(kDigestFile);
        for (const auto& [k, d] : now) out << k << ' ' << d << '\n';
        ASSERT_TRUE(out.good()) << kDigestFile;
        GTEST_SKIP() << "digests recorded in " << kDigestFile;
    }
    const std::map<std::string, std::string> recorded = Recorded();
    ASSERT_EQ(recorded.size(), now.size()) << "no digests recorded in " << kDigestFile;
    for (const auto& [k, d] : now) EXPECT_EQ(d, recorded.at(k)) << k;
}

}  // namespace
}  // namespace pv
