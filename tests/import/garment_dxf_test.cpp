// Garment DXF files in the AAMA / ASTM form: the layers give the kinds, each
// piece's boundary becomes one closed cut curve, the file's units give the
// scale, graded nests can be narrowed to sizes, and with DxfGarmentLayers 0
// the file is read as any other DXF drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "dxf_test_util.h"
#include "import/chain_joiner.h"
#include "import/dxf_job_reader.h"
#include "import/garment_layers.h"
#include "import/job_reader.h"

namespace pv {
namespace {

using test::Concat;
using test::DxfSource;
using test::Groups;
using test::Section;
using Pts = std::vector<Point>;

const std::string kNest = std::string(PV_TEST_DATA_DIR) + "/dxf/garment_nest.dxf";

// Plotter units per inch.
constexpr int kInch = 1016;

struct Read {
    int result = -99;
    COnePage page;
    DxfJobInfo info;
    std::vector<std::string> messages;
};

Read ReadGarment(const std::string& path, const AppSettings& settings, std::vector<std::string> sizes = {}) {
    Read r;
    r.page.filePath = path;
    DxfJobOptions options;
    options.sizes = std::move(sizes);
    r.result = ReadDxfJob(r.page, settings, [&r](const std::string& m) { r.messages.push_back(m); }, options, &r.info);
    return r;
}

std::vector<const CCurve*> Cuts(const COnePage& page) {
    std::vector<const CCurve*> out;
    for (const CCurve& c : page.curves)
        if (c.kind == kFullCut) out.push_back(&c);
    return out;
}

struct Box {
    std::int32_t minX, minY, maxX, maxY;
    friend bool operator==(const Box&, const Box&) = default;
};
Box BoxOf(const Pts& pts) {
    Box b{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
    for (const Point& p : pts) {
        b.minX = std::min(b.minX, p.x);
        b.minY = std::min(b.minY, p.y);
        b.maxX = std::max(b.maxX, p.x);
        b.maxY = std::max(b.maxY, p.y);
    }
    return b;
}

// A piece block on the numbered layers, inserted once, for the layer table.
Groups PieceFile(const Groups& body, const std::string& units = "Units: ENGLISH") {
    Groups block = Concat({{{0, "BLOCK"}, {8, "1"}, {2, "P"}, {70, "0"}},
                           test::Line(0, 0, 4, 0, "1"), test::Line(4, 0, 4, 4, "1"), test::Line(4, 4, 0, 4, "1"),
                           test::Line(0, 4, 0, 0, "1"),
                           {{0, "TEXT"}, {8, "1"}, {10, "1"}, {20, "1"}, {1, "Piece Name: P"}}, body,
                           {{0, "ENDBLK"}}});
    Groups top = {{0, "INSERT"}, {8, "1"}, {2, "P"}, {10, "0"}, {20, "0"}};
    if (!units.empty()) top = Concat({{{0, "TEXT"}, {8, "1"}, {10, "0"}, {20, "-1"}, {1, units}}, top});
    return Concat({Section("BLOCKS", block), Section("ENTITIES", top), {{0, "EOF"}}});
}

Groups Point2(const std::string& layer, double x, double y) {
    return {{0, "POINT"}, {8, layer}, {10, std::to_string(x)}, {20, std::to_string(y)}};
}

TEST(GarmentDxf, EachLayerGivesItsKind) {
    test::TempDir dir;
    const AppSettings settings = test::SettingsIn(dir);
    struct Case {
        const char* what;
        Groups entity;
        int drawn, cut, notches;
    } cases[] = {
        {"notch, layer 4", test::Line(2, 4, 2, 3.75, "4"), 0, 0, 1},
        {"T notch, layer 80", test::Line(2, 0, 2, 0.25, "80"), 0, 0, 1},
        {"grade reference, layer 5", test::Line(0, 2, 4, 2, "5"), 1, 0, 0},
        {"mirror line, layer 6", test::Line(2, 0, 2, 4, "6"), 1, 0, 0},
        {"grain line, layer 7", test::Line(2, 1, 2, 3, "7"), 1, 0, 0},
        {"internal line, layer 8", test::Line(1, 1, 3, 1, "8"), 1, 0, 0},
        {"internal cut-out, layer 11", Concat({test::Line(1, 1, 2, 1, "11"), test::Line(2, 1, 2, 2, "11"),
                                              test::Line(2, 2, 1, 1, "11")}), 0, 1, 0},
        {"drill hole, layer 13", Point2("13", 2, 2), 2, 0, 0},
        {"sew line, layer 14", test::Line(0.5, 0.5, 3.5, 0.5, "14"), 1, 0, 0},
        {"turn point, layer 2", Point2("2", 4, 4), 0, 0, 0},
        {"curve point, layer 3", test::Line(0, 0, 1, 1, "3"), 0, 0, 0},
        {"an unnumbered layer", test::Line(1, 3, 3, 3, "CHALK"), 1, 0, 0},
    };
    struct Count {
        int drawn = 0, cut = 0, notches = 0, outlines = 0;
    };
    auto count = [&](const Groups& entity) {
        const Read r = ReadGarment(dir.Write("piece.dxf", DxfSource(PieceFile(entity))), settings);
        EXPECT_EQ(r.result, kDxfJobOk);
        EXPECT_TRUE(r.info.garment);
        Count n;
        for (const CCurve& c : r.page.curves) {
            if (c.role == kRoleOutline) {
                ++n.outlines;
            } else if (c.role == kRoleNotch) {
                ++n.notches;
                EXPECT_EQ(c.kind, kDrawn);   // CutNotch off
            } else if (c.kind == kFullCut) {
                ++n.cut;
            } else {
                ++n.drawn;
            }
        }
        return n;
    };
    // The piece alone: its outline and the strokes of its name's label.
    const Count bare = count({});
    EXPECT_EQ(bare.outlines, 1);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        const Count n = count(k.entity);
        EXPECT_EQ(n.outlines, 1);
        EXPECT_EQ(n.drawn - bare.drawn, k.drawn);
        EXPECT_EQ(n.cut, k.cut);
        EXPECT_EQ(n.notches, k.notches);
    }
}

TEST(GarmentDxf, DrillHolesAreSmallCrossesAndNotchesFollowCutNotch) {
    test::TempDir dir;
    AppSettings settings = test::SettingsIn(dir);
    const std::string path =
        dir.Write("piece.dxf", DxfSource(PieceFile(Concat({Point2("13", 2, 2), test::Line(2, 4, 2, 3.75, "4")}))));
    Read r = ReadGarment(path, settings);
    ASSERT_EQ(r.result, kDxfJobOk);
    // The drawn geometry comes before the label strokes of the piece's name.
    std::vector<Pts> crosses;
    for (const CCurve& c : r.page.curves)
        if (c.kind == kDrawn && c.role == kRoleNone && crosses.size() < 2) crosses.push_back(c.points);
    // 4 mm arms crossing at (2 in, 2 in).
    const int at = 2 * kInch;
    EXPECT_EQ(crosses, (std::vector<Pts>{{{at - 80, at}, {at + 80, at}}, {{at, at - 80}, {at, at + 80}}}));

    settings.CutNotch = 1;
    r = ReadGarment(path, settings);
    const auto notch = std::find_if(r.page.curves.begin(), r.page.curves.end(),
                                    [](const CCurve& c) { return c.role == kRoleNotch; });
    ASSERT_NE(notch, r.page.curves.end());
    EXPECT_EQ(notch->kind, kFullCut);
    EXPECT_EQ(notch->points, (Pts{{2 * kInch, 4 * kInch}, {2 * kInch, 3 * kInch + kInch * 3 / 4}}));
}

TEST(GarmentDxf, GradedNestGivesOneClosedCutCurvePerPieceAndSize) {
    test::TempDir dir;
    const Read r = ReadGarment(kNest, test::SettingsIn(dir));
    ASSERT_EQ(r.result, kDxfJobOk);
    EXPECT_TRUE(r.info.garment);
    EXPECT_EQ(r.info.sizes, (std::vector<std::string>{"S", "M"}));
    EXPECT_EQ(r.info.unitSource, GarmentUnitSource::UnitsText);
    EXPECT_EQ(r.info.unit, kInch);

    // The boundaries in inches, where their blocks are inserted; FRONT's
    // comes from its full-resolution copy (layer 84), whose bottom edge sags
    // 0.05 in, never from both copies.
    const std::vector<Box> expected = {
        {0, -51, 4 * kInch, 6 * kInch},                          // FRONT S
        {5 * kInch, 0, 8 * kInch + kInch / 2, 5 * kInch},        // BACK S
        {0, 7 * kInch - 51, 4 * kInch + kInch / 2, 13 * kInch + kInch / 2},      // FRONT M
        {5 * kInch, 7 * kInch, 9 * kInch, 12 * kInch + kInch / 2},               // BACK M
    };
    const auto cuts = Cuts(r.page);
    ASSERT_EQ(cuts.size(), expected.size());
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(cuts[i]->role, kRoleOutline);
        EXPECT_EQ(cuts[i]->closed, 1);
        EXPECT_EQ(cuts[i]->points.front(), cuts[i]->points.back());
        EXPECT_EQ(BoxOf(cuts[i]->points), expected[i]);
    }
    // The chain of three open polylines of BACK S, one written backwards,
    // runs round the rectangle once.
    EXPECT_EQ(cuts[1]->points, (Pts{{5 * kInch, 0},
                                    {8 * kInch + kInch / 2, 0},
                                    {8 * kInch + kInch / 2, 5 * kInch / 2},
                                    {8 * kInch + kInch / 2, 5 * kInch},
                                    {5 * kInch, 5 * kInch},
                                    {5 * kInch, 0}}));

    int notches = 0, coarse = 0, copies = 0;
    // BACK S's internal line (layer 8) and its full-resolution copy (85),
    // which rises 0.02 in at its middle: the copy only.
    const Pts coarseLine = {{6 * kInch, kInch}, {7 * kInch + kInch / 2, kInch}};
    const Pts copyLine = {{6 * kInch, kInch}, {6 * kInch + kInch * 3 / 4, kInch + 20}, {7 * kInch + kInch / 2, kInch}};
    for (const CCurve& c : r.page.curves) {
        notches += c.role == kRoleNotch ? 1 : 0;
        coarse += c.points == coarseLine ? 1 : 0;
        copies += c.points == copyLine ? 1 : 0;
    }
    EXPECT_EQ(notches, 6);
    EXPECT_EQ(coarse, 0);
    EXPECT_EQ(copies, 1);
}

TEST(GarmentDxf, SizesNarrowTheNestAndUnknownSizesReadNothing) {
    test::TempDir dir;
    AppSettings settings = test::SettingsIn(dir);
    settings.Language = 1;
    Read r = ReadGarment(kNest, settings, {" m "});
    ASSERT_EQ(r.result, kDxfJobOk);
    const auto cuts = Cuts(r.page);
    ASSERT_EQ(cuts.size(), 2u);
    EXPECT_EQ(BoxOf(cuts[0]->points).minY, 7 * kInch - 51);
    EXPECT_EQ(BoxOf(cuts[1]->points).maxX, 9 * kInch);
    for (const CCurve& c : r.page.curves)
        for (const Point& p : c.points) EXPECT_GE(p.y, 7 * kInch - 60);   // nothing of size S

    r = ReadGarment(kNest, settings, {"M", "XL"});
    EXPECT_EQ(r.result, kDxfJobUnknownSize);
    EXPECT_TRUE(r.page.curves.empty());
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], "Sizes not in the file: XL (the file has: S, M)");
}

TEST(GarmentDxf, UnitsComeFromTheUnitsTextThenTheHeaderThenDxfUnit) {
    test::TempDir dir;
    AppSettings settings = test::SettingsIn(dir);
    settings.DxfUnit = 4;
    const Groups insUnits4 = {{0, "SECTION"}, {2, "HEADER"}, {9, "$INSUNITS"}, {70, "4"}, {0, "ENDSEC"}};
    struct Case {
        const char* what;
        Groups header;
        std::string units;
        double unit;
        GarmentUnitSource source;
    } cases[] = {
        {"ENGLISH", {}, "Units: ENGLISH", 1016, GarmentUnitSource::UnitsText},
        {"any letter case", {}, "UNITS: english", 1016, GarmentUnitSource::UnitsText},
        {"METRIC", {}, "units: Metric", 40, GarmentUnitSource::UnitsText},
        {"centimetres", {}, "Units: METRIC CM", 400, GarmentUnitSource::UnitsText},
        {"the text before the header", insUnits4, "Units: ENGLISH", 1016, GarmentUnitSource::UnitsText},
        {"$INSUNITS millimetres", insUnits4, "", 40, GarmentUnitSource::InsUnits},
        {"$INSUNITS inches", {{0, "SECTION"}, {2, "HEADER"}, {9, "$INSUNITS"}, {70, "1"}, {0, "ENDSEC"}}, "", 1016,
         GarmentUnitSource::InsUnits},
        {"an unknown units text", {}, "Units: FURLONG", 4, GarmentUnitSource::DxfUnit},
        {"no units at all", {}, "", 4, GarmentUnitSource::DxfUnit},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        // The piece text "Piece Name:" marks the form even without units.
        const Read r = ReadGarment(dir.Write("u.dxf", DxfSource(Concat({k.header, PieceFile({}, k.units)}))), settings);
        ASSERT_EQ(r.result, kDxfJobOk);
        EXPECT_EQ(r.info.unit, k.unit);
        EXPECT_EQ(r.info.unitSource, k.source);
        const auto cuts = Cuts(r.page);
        ASSERT_EQ(cuts.size(), 1u);
        EXPECT_EQ(BoxOf(cuts[0]->points), (Box{0, 0, static_cast<int>(4 * k.unit), static_cast<int>(4 * k.unit)}));
    }
}

TEST(GarmentDxf, SwitchedOffTheFileIsReadAsAnyDrawing) {
    test::TempDir dir;
    AppSettings settings = test::SettingsIn(dir);
    settings.DxfGarmentLayers = 0;
    const Read r = ReadGarment(kNest, settings, {"M"});
    ASSERT_EQ(r.result, kDxfJobOk);
    EXPECT_FALSE(r.info.garment);
    // Every line drawn, blocks at their own coordinates, DxfUnit 40 per
    // drawing unit: FRONT S's coarse boundary is three polylines 4 x 6 units.
    for (const CCurve& c : r.page.curves) EXPECT_EQ(c.kind, kDrawn);
    ASSERT_GE(r.page.curves.size(), 3u);
    EXPECT_EQ(r.page.curves[0].points, (Pts{{0, 0}, {160, 0}, {160, 120}}));
    EXPECT_EQ(r.page.curves[1].points, (Pts{{0, 240}, {160, 240}, {160, 120}}));

    // Nor does the window's size choice see a garment file.
    EXPECT_FALSE(InspectGarmentFile(kNest, settings).garment);
    settings.DxfGarmentLayers = 1;
    const GarmentFileFacts facts = InspectGarmentFile(kNest, settings);
    EXPECT_TRUE(facts.garment);
    EXPECT_EQ(facts.sizes, (std::vector<std::string>{"S", "M"}));
}

TEST(GarmentDxf, ADrawingWithoutTheFormsTextsIsNoGarmentFile) {
    test::TempDir dir;
    const AppSettings settings = test::SettingsIn(dir);
    // Layer 1 geometry in a block, but no "Piece Name:", "Size:" or "Units:".
    Groups block = Concat({{{0, "BLOCK"}, {2, "P"}}, test::Line(0, 0, 4, 0, "1"), {{0, "ENDBLK"}}});
    const Read r = ReadGarment(
        dir.Write("plain.dxf",
                  DxfSource(Concat({Section("BLOCKS", block),
                                    Section("ENTITIES", {{0, "INSERT"}, {8, "1"}, {2, "P"}, {10, "0"}, {20, "0"}}),
                                    {{0, "EOF"}}}))),
        settings);
    ASSERT_EQ(r.result, kDxfJobOk);
    EXPECT_FALSE(r.info.garment);
    ASSERT_EQ(r.page.curves.size(), 1u);
    EXPECT_EQ(r.page.curves[0].kind, kDrawn);
}

TEST(GarmentDxf, ReadAsAJobTheCutLinesStayAsTheLayersGaveThem) {
    test::TempDir dir;
    AppSettings settings = test::SettingsIn(dir);
    // Outline recognition would otherwise judge the pieces itself.
    settings.SearchOutline = 1;
    settings.DoNotFindOutlineIfSp2Exist = 0;
    ReadJobResult r = ReadJobFile(kNest, settings, {}, ReadPath::AddCommand, DxfJobOptions{{"S"}});
    ASSERT_EQ(r.result, 0);
    ASSERT_NE(r.page, nullptr);
    const auto cuts = Cuts(*r.page);
    ASSERT_EQ(cuts.size(), 2u);
    for (const CCurve* c : cuts) EXPECT_EQ(c->points.front(), c->points.back());
    // Moved to the origin: FRONT S's sag was the lowest point.
    EXPECT_EQ(r.page->minY, 0);
    EXPECT_EQ(r.page->maxX, 8 * kInch + kInch / 2);
    EXPECT_EQ(r.page->maxY, 6 * kInch + 51);
    int notches = 0;
    for (const CCurve& c : r.page->curves) notches += c.role == kRoleNotch ? 1 : 0;
    EXPECT_EQ(notches, 3);
}

TEST(GarmentDxf, HostileBlocksEndInsteadOfLoopingOrExhaustingMemory) {
    test::TempDir dir;
    const AppSettings settings = test::SettingsIn(dir);
    // A piece block that inserts itself, and blocks multiplying one line a
    // billion times, inside a garment file.
    Groups blocks = Concat({{{0, "BLOCK"}, {2, "B0"}}, test::Line(0, 0, 1, 1, "8"), {{0, "ENDBLK"}}});
    for (int i = 1; i <= 9; ++i) {
        Groups body = {{0, "BLOCK"}, {2, "B" + std::to_string(i)}};
        for (int k = 0; k < 10; ++k)
            body = Concat({body, {{0, "INSERT"}, {8, "8"}, {2, "B" + std::to_string(i - 1)}, {10, "0"}, {20, "0"}}});
        blocks = Concat({blocks, body, {{0, "ENDBLK"}}});
    }
    const Groups self = Concat({{{0, "BLOCK"}, {2, "P"}}, test::Line(0, 0, 4, 0, "1"),
                                {{0, "TEXT"}, {8, "1"}, {1, "Size: S"}}, {{0, "ENDBLK"}}});
    const Groups selfInsert = {{0, "INSERT"}, {8, "1"}, {2, "P"}, {10, "1"}, {20, "1"}};
    // The self-reference is added after the block exists: a block inserting
    // itself is written by hand, the reader keeps it.
    Groups withSelf = self;
    withSelf.insert(withSelf.end() - 1, selfInsert.begin(), selfInsert.end());
    const Read loop = ReadGarment(
        dir.Write("self.dxf", DxfSource(Concat({Section("BLOCKS", withSelf), Section("ENTITIES", selfInsert),
                                                 {{0, "EOF"}}}))),
        settings);
    EXPECT_EQ(loop.result, kDxfJobOk);

    const Read bomb = ReadGarment(
        dir.Write("bomb.dxf", DxfSource(Concat({Section("BLOCKS", Concat({blocks, self})),
                                                 Section("ENTITIES", Concat({selfInsert,
                                                                             {{0, "INSERT"}, {8, "8"}, {2, "B9"}}})),
                                                 {{0, "EOF"}}}))),
        settings);
    EXPECT_EQ(bomb.result, kDxfJobTooLarge);
}

TEST(ChainJoiner, JoinsPartsInEitherDirectionAndClosesWhenAsked) {
    std::vector<Polyline> parts = {{{0, 0}, {100, 0}}, {{100, 100}, {100, 5}}, {{0, 100}, {100, 100}},
                                   {{500, 500}, {600, 500}}};
    std::vector<Polyline> chains = JoinIntoChains(parts, 20);
    ASSERT_EQ(chains.size(), 2u);
    // The second part is taken backwards; its end (100, 5) is the chain's
    // point (100, 0), kept once.
    EXPECT_EQ(chains[0], (Polyline{{0, 0}, {100, 0}, {100, 100}, {0, 100}}));
    EXPECT_FALSE(CloseChain(chains[0], 20, false));
    EXPECT_TRUE(CloseChain(chains[0], 150, false));
    EXPECT_EQ(chains[0], (Polyline{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}));
    EXPECT_FALSE(CloseChain(chains[1], 20, true));   // two points enclose nothing
}

}  // namespace
}  // namespace pv
