// A graded garment DXF nest printed on the virtual plotter: the knife the
// plotter receives runs a closed path round every piece of every size, each
// the size the file gives in inches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

#include "common/scratch_dir.h"
#include "import/job_reader.h"
#include "link/link_print_starter.h"
#include "link/link_result.h"
#include "output/output_station.h"
#include "output/print_preparation.h"
#include "link_test_util.h"

namespace pv::test {
namespace {

class NoPause : public PrepareClock {
public:
    void Pause(std::chrono::milliseconds) const override {}
};

struct Seg {
    double x1, y1, x2, y2;   // mm
};

// The knife's cutting strokes in millimetres of paper.
std::vector<Seg> KnifeStrokes(const PlotterJob& job, const MachineParams& params) {
    const double fx = params.adv.feedPulsesPerMm * 0.01, fy = params.adv.carriagePulsesPerMm * 0.01;
    std::vector<Seg> out;
    for (const auto& segment : job.cutSegments) {
        if (segment.records.empty()) continue;
        CutRecord prev = segment.records.front();
        for (const CutRecord& r : segment.records) {
            if (r.code != 'M') out.push_back({prev.x / fx, prev.y / fy, r.x / fx, r.y / fy});
            prev = r;
        }
    }
    return out;
}

double DistanceToStroke(double x, double y, const Seg& s) {
    const double ex = s.x2 - s.x1, ey = s.y2 - s.y1;
    const double len2 = ex * ex + ey * ey;
    double t = len2 > 0 ? ((x - s.x1) * ex + (y - s.y1) * ey) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (s.x1 + t * ex), y - (s.y1 + t * ey));
}

// Strokes that touch (an end within 1 mm of the other stroke) belong to one
// path: the knife's pieces of one outline meet at corners, half-way and at
// segment edges, and over-cuts run past their neighbours.  The pieces lie
// an inch apart.
std::vector<std::vector<Seg>> Paths(const std::vector<Seg>& strokes) {
    std::vector<std::size_t> parent(strokes.size());
    std::iota(parent.begin(), parent.end(), 0);
    auto root = [&parent](std::size_t i) {
        while (parent[i] != i) i = parent[i] = parent[parent[i]];
        return i;
    };
    auto touches = [](const Seg& a, const Seg& b) {
        return DistanceToStroke(a.x1, a.y1, b) <= 1.0 || DistanceToStroke(a.x2, a.y2, b) <= 1.0 ||
               DistanceToStroke(b.x1, b.y1, a) <= 1.0 || DistanceToStroke(b.x2, b.y2, a) <= 1.0;
    };
    for (std::size_t i = 0; i < strokes.size(); ++i)
        for (std::size_t j = i + 1; j < strokes.size(); ++j)
            if (touches(strokes[i], strokes[j])) parent[root(i)] = root(j);
    std::map<std::size_t, std::vector<Seg>> groups;
    for (std::size_t i = 0; i < strokes.size(); ++i) groups[root(i)].push_back(strokes[i]);
    std::vector<std::vector<Seg>> out;
    for (auto& [r, g] : groups) out.push_back(std::move(g));
    return out;
}

struct Bounds {
    double minX = 1e18, minY = 1e18, maxX = -1e18, maxY = -1e18;
    double W() const { return maxX - minX; }
    double H() const { return maxY - minY; }
};
Bounds BoundsOf(const std::vector<Seg>& path) {
    Bounds b;
    for (const Seg& s : path) {
        b.minX = std::min({b.minX, s.x1, s.x2});
        b.maxX = std::max({b.maxX, s.x1, s.x2});
        b.minY = std::min({b.minY, s.y1, s.y2});
        b.maxY = std::max({b.maxY, s.y1, s.y2});
    }
    return b;
}

// Whether every ray from (cx, cy), one per degree, meets the path: a path
// with a gap lets the rays through the gap escape.
bool Encloses(const std::vector<Seg>& path, double cx, double cy) {
    for (int deg = 0; deg < 360; ++deg) {
        const double dx = std::cos(deg * kPi / 180), dy = std::sin(deg * kPi / 180);
        bool hit = false;
        for (const Seg& s : path) {
            // Solve (cx, cy) + t·(dx, dy) = s.p1 + u·(s.p2 − s.p1), t > 0, 0 ≤ u ≤ 1.
            const double ex = s.x2 - s.x1, ey = s.y2 - s.y1;
            const double den = dx * ey - dy * ex;
            if (std::fabs(den) < 1e-12) continue;
            const double t = ((s.x1 - cx) * ey - (s.y1 - cy) * ex) / den;
            const double u = ((s.x1 - cx) * dy - (s.y1 - cy) * dx) / den;
            if (t > 0 && u >= 0 && u <= 1) {
                hit = true;
                break;
            }
        }
        if (!hit) return false;
    }
    return true;
}

class GarmentPrint : public ::testing::TestWithParam<Edition> {};

TEST_P(GarmentPrint, TheKnifeRunsClosedRoundEveryPieceOfEverySize) {
    const Edition edition = GetParam();
    const ScratchDir scratch(IsFourHead(edition) ? "garment4" : "garment2");
    auto plotter = StartPlotter(edition, {}, scratch.Path().string());
    ASSERT_TRUE(plotter);
    Station s(plotter->port(), edition);
    s.settings.Edit([&scratch](AppSettings& a) {
        a.CleanAtStart = 0;
        a.ProgramDir = scratch.Dir();
        a.HzFontPath = a.ProgramDir + "fon_hz.bin";
        a.EnFontPath = a.ProgramDir + "fon_en.bin";
    });
    ASSERT_EQ(s.protocol->ReadMachineParameters(), kLinkOk);
    s.state.status.online = true;

    auto read = ReadJobFile(std::string(PV_TEST_DATA_DIR) + "/dxf/garment_nest.dxf", s.settings.Get(), {},
                            ReadPath::AddCommand);
    ASSERT_TRUE(read.page);
    read.page->fileName = "garment_nest.dxf";

    OutputStation station;
    LinkPrintStarter starter(*s.protocol);
    const int ended = plotter->JobsEnded();
    ASSERT_EQ(PreparePrint(*read.page, s.settings.Get(), s.params.Get(), station, starter, NoPause{}).result,
              kPrepareStarted);
    ASSERT_TRUE(WaitFor([&] { return starter.driver()->Returned(); }));
    ASSERT_TRUE(WaitFor([&] { return plotter->JobsEnded() > ended; }));
    EXPECT_EQ(starter.driver()->result(), kPrintDone);
    const auto jobs = plotter->machine().FinishedJobs();
    ASSERT_FALSE(jobs.empty());

    // The pieces' sizes in mm (inches × 25.4; FRONT's lower edge sags
    // 0.05 in), smaller side first.
    std::vector<std::pair<double, double>> expected = {
        {101.6, 153.67}, {88.9, 127.0}, {114.3, 166.37}, {101.6, 139.7}};
    std::vector<std::pair<double, double>> found;
    for (const auto& path : Paths(KnifeStrokes(*jobs.back(), s.params.Get()))) {
        const Bounds b = BoundsOf(path);
        if (b.W() < 20 && b.H() < 20) continue;   // the blade-setting start cut
        EXPECT_TRUE(Encloses(path, (b.minX + b.maxX) / 2, (b.minY + b.maxY) / 2))
            << "the path round a piece of " << b.W() << " x " << b.H() << " mm is open";
        found.push_back({std::min(b.W(), b.H()), std::max(b.W(), b.H())});
    }
    ASSERT_EQ(found.size(), expected.size());
    // Over-cuts and lead-in arcs reach a few millimetres past the piece.
    for (const auto& [w, h] : expected) {
        const auto match = std::find_if(found.begin(), found.end(), [w, h](const auto& f) {
            return std::fabs(f.first - w) < 4.0 && std::fabs(f.second - h) < 4.0;
        });
        EXPECT_NE(match, found.end()) << "no knife path round the piece of " << w << " x " << h << " mm";
        if (match != found.end()) found.erase(match);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, GarmentPrint, ::testing::Values(Edition::TwoHead, Edition::FourHead),
                         [](const auto& info) { return IsFourHead(info.param) ? "FourHead" : "TwoHead"; });

}  // namespace
}  // namespace pv::test
