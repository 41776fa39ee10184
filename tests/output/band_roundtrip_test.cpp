// Every band, built and then decoded as the machine would fire it, gives
// back the dots that were rasterised.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "band_test_checks.h"
#include "band_test_pages.h"

namespace pv {
namespace {

using namespace bandtest;

struct HeadSetup {
    Edition edition;
    int headSelect;
    bool bidirectional;
};

std::string SetupName(const HeadSetup& s) {
    return std::string(IsFourHead(s.edition) ? "four_head" : "two_head") + "_heads" + std::to_string(s.headSelect) +
           (s.bidirectional ? "_both_ways" : "_one_way");
}
void PrintTo(const HeadSetup& s, std::ostream* os) { *os << SetupName(s); }

class BandRoundTrip : public ::testing::TestWithParam<HeadSetup> {};

TEST_P(BandRoundTrip, DecodedBandsReproduceTheBitmap) {
    const HeadSetup s = GetParam();
    RasterConfig cfg = SimpleConfig(s.edition);
    cfg.headSelect = s.headSelect;
    cfg.bidirectional = s.bidirectional;
    cfg.lineWidth = 2;
    // Default firing geometry: 7.27 columns per mm.
    cfg.carriagePulsesPerMm = 8000;
    cfg.fireIntervalPulses = 11;
    const COnePage page = PatternPage(150);
    const Point extent = PageExtent(page);
    const BandCountResult count = BandLayout(cfg).CountBands(extent.x, extent.y);
    ASSERT_GE(count.bands, 2);
    BandBuilder builder(s.edition);
    ASSERT_EQ(builder.BeginPrint(page, cfg, count.columnCount), kBandOk);
    std::int64_t inked = 0;
    for (std::int32_t a = 0; a < count.bands; ++a) {
        ASSERT_EQ(builder.BuildBand(a), kBandOk);
        EXPECT_EQ(builder.Reversed(a), s.bidirectional && a % 2 == 1);
        inked += ExpectDecodesToBitmap(builder, cfg, a);
    }
    EXPECT_GT(inked, 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Heads, BandRoundTrip,
    ::testing::Values(HeadSetup{Edition::TwoHead, 0, true}, HeadSetup{Edition::TwoHead, 0, false},
                      HeadSetup{Edition::TwoHead, 1, true}, HeadSetup{Edition::TwoHead, 2, true},
                      HeadSetup{Edition::FourHead, 0, true}, HeadSetup{Edition::FourHead, 1, true},
                      HeadSetup{Edition::FourHead, 2, true}, HeadSetup{Edition::FourHead, 3, true},
                      HeadSetup{Edition::FourHead, 3, false}, HeadSetup{Edition::FourHead, 4, true},
                      HeadSetup{Edition::FourHead, 5, true}),
    [](const ::testing::TestParamInfo<HeadSetup>& info) { return SetupName(info.param); });

TEST(BandRoundTrip, CleaningBandDecodesOverItsMirroredSpan) {
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        for (int language : {0, 1}) {
            RasterConfig cfg = SimpleConfig(e);
            cfg.cleanAtStart = true;
            cfg.language = language;
            cfg.customString = "Welcome To Use Pelvane Plotter";
            cfg.headSelect = IsFourHead(e) ? 3 : 0;
            const COnePage page = PatternPage();
            BandBuilder builder(e);
            // Columns enough for the whole cleaning span (N = 1952 for s = 5,
            // L = 30) behind the farthest cartridge (650).
            ASSERT_EQ(builder.BeginPrint(page, cfg, 2700), kBandOk);
            ASSERT_EQ(builder.BuildBand(0), kBandOk);
            const int n = static_cast<int>(builder.Layout()->CleaningSpan());
            ASSERT_EQ(n, 1952);
            EXPECT_GT(ExpectDecodesToBitmap(builder, cfg, 0, 81, n), 5000)
                << "edition " << int(e) << " language " << language;
        }
    }
}

}  // namespace
}  // namespace pv
