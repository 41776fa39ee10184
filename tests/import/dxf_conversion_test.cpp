// DXF entities into curves and label text, and the DXF job path.
#include <gtest/gtest.h>

#include <filesystem>

#include "dxf_test_util.h"
#include "import/dxf_converter.h"
#include "import/dxf_job_reader.h"
#include "import/job_reader.h"

namespace pv {
namespace {

using test::Concat;
using test::DxfSource;
using test::Entities;
using test::Groups;
using test::Line;
using test::Section;
using Pts = std::vector<Point>;

// Converts the top-level entities of `groups` at the given unit.
struct Converted {
    COnePage page;
    std::string labels;
};
Converted Convert(const Groups& groups, std::int32_t unit = 40) {
    DxfDrawing drawing;
    EXPECT_EQ(test::ReadText(drawing, DxfSource(groups)), 1);
    Converted out;
    DxfConverter converter(drawing, out.page, unit, out.labels);
    for (const DxfEntity& e : drawing.Entities()) converter.ConvertEntity(e);
    return out;
}

Groups Circle(double r) { return {{0, "CIRCLE"}, {10, "5"}, {20, "-5"}, {40, std::to_string(r)}}; }
Groups Arc(double r, double start, double end) {
    return {{0, "ARC"}, {10, "0"}, {20, "0"}, {40, std::to_string(r)}, {50, std::to_string(start)}, {51, std::to_string(end)}};
}

TEST(DxfConversion, ScalesLineEndsByTheUnitAndTruncates) {
    Converted c = Convert(Entities(Line(10, 20, 30.49, 20)));
    ASSERT_EQ(c.page.curves.size(), 1u);
    EXPECT_EQ(c.page.curves[0].points, (Pts{{400, 800}, {1219, 800}}));
    EXPECT_EQ(c.page.curves[0].kind, kDrawn);
    EXPECT_EQ(c.page.curves[0].lineType, 0);
    c = Convert(Entities(Line(-1.5, 2.25, 3, 4)), 4);
    EXPECT_EQ(c.page.curves[0].points, (Pts{{-6, 9}, {12, 16}}));
}

TEST(DxfConversion, CutsCirclesOneSegmentPerMillimetreAtLeastEightAndClosesThem) {
    struct Case {
        double r;
        std::size_t segments;
    } cases[] = {{1, 8}, {100, 628}, {0, 8}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.r);
        Converted c = Convert(Entities(Circle(k.r)));
        ASSERT_EQ(c.page.curves.size(), 1u);
        const Pts& p = c.page.curves[0].points;
        ASSERT_EQ(p.size(), k.segments + 1);
        EXPECT_EQ(p.front(), (Point{static_cast<std::int32_t>((5 + k.r) * 40), -200}));
        EXPECT_EQ(p.back(), p.front());
    }
}

TEST(DxfConversion, RunsArcsCounterClockwiseWithSixTo360Segments) {
    // 350 to 10 degrees sweeps 20 degrees through 0.
    Converted c = Convert(Entities(Arc(10, 350, 10)));
    ASSERT_EQ(c.page.curves.size(), 1u);
    const Pts& p = c.page.curves[0].points;
    ASSERT_EQ(p.size(), 7u);
    EXPECT_EQ(p.front(), (Point{393, -69}));
    EXPECT_EQ(p[3], (Point{400, 0}));
    EXPECT_EQ(p.back(), (Point{393, 69}));
    for (const Point& q : p) EXPECT_GT(q.x, 390);

    struct Case {
        double r, start, end;
        std::size_t segments;
    } cases[] = {{10, 0, 90, 7}, {1000, 0, 360, 360}, {1, 0, 90, 6}, {10, 90, 0, 23}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.r << " " << k.start << " " << k.end);
        EXPECT_EQ(Convert(Entities(Arc(k.r, k.start, k.end))).page.curves.at(0).points.size(), k.segments + 1);
    }
}

TEST(DxfConversion, ClosesClosedPolylinesAndIgnoresBulges) {
    auto polyline = [](int flags) {
        return Entities(Concat({Groups{{0, "POLYLINE"}, {66, "1"}, {70, std::to_string(flags)}},
                                Groups{{0, "VERTEX"}, {10, "0"}, {20, "0"}, {42, "1"}},
                                Groups{{0, "VERTEX"}, {10, "10"}, {20, "0"}},
                                Groups{{0, "VERTEX"}, {10, "10"}, {20, "10"}},
                                Groups{{0, "VERTEX"}, {10, "0"}, {20, "10"}}, Groups{{0, "SEQEND"}}}));
    };
    Converted closed = Convert(polyline(1));
    EXPECT_EQ(closed.page.curves.at(0).points, (Pts{{0, 0}, {400, 0}, {400, 400}, {0, 400}, {0, 0}}));
    EXPECT_EQ(Convert(polyline(0)).page.curves.at(0).points.size(), 4u);
}

Groups Block(const std::string& name, const Groups& body) {
    return Concat({Groups{{0, "BLOCK"}, {8, "0"}, {2, name}, {70, "0"}}, body, Groups{{0, "ENDBLK"}}});
}
Groups Insert(const std::string& name, double x, double y) {
    return {{0, "INSERT"}, {8, "0"}, {2, name}, {10, std::to_string(x)}, {20, std::to_string(y)}, {41, "2"}, {50, "45"}};
}

TEST(DxfConversion, DrawsInsertedBlocksAtTheirOwnCoordinatesEachTime) {
    const Groups text = Concat({Section("BLOCKS", Block("NOTCH", Line(0, 0, 0, 5))),
                                Entities(Concat({Insert("NOTCH", 100, 100), Insert("NOTCH", 200, 0),
                                                 Groups{{0, "DIMENSION"}, {2, "NOTCH"}, {10, "9"}, {20, "9"}}}))});
    Converted c = Convert(text);
    ASSERT_EQ(c.page.curves.size(), 3u);
    for (const CCurve& curve : c.page.curves) EXPECT_EQ(curve.points, (Pts{{0, 0}, {0, 200}}));
}

TEST(DxfConversion, StopsAtBlocksThatReferToThemselves) {
    // A inserts itself; B draws a line and inserts A.
    const Groups text = Concat({Section("BLOCKS", Concat({Block("A", Concat({Line(0, 0, 1, 0), Insert("A", 0, 0)})),
                                                          Block("B", Concat({Line(0, 0, 0, 1), Insert("A", 0, 0)}))})),
                                Entities(Insert("B", 0, 0))});
    Converted c = Convert(text);
    ASSERT_EQ(c.page.curves.size(), 2u);   // B's line, then A's line once
    EXPECT_EQ(c.page.curves[1].points, (Pts{{0, 0}, {40, 0}}));
}

TEST(DxfConversion, SkipsEntitiesWithTheirOwnColourOnALayerThatIsOff) {
    const Groups tables = Section(
        "TABLES", {{0, "TABLE"}, {2, "LTYPE"}, {0, "LTYPE"}, {2, "CONTINUOUS"}, {0, "ENDTAB"},
                   {0, "TABLE"}, {2, "LAYER"}, {0, "LAYER"}, {2, "OFF"}, {62, "-3"}, {6, "CONTINUOUS"},
                   {0, "LAYER"}, {2, "ON"}, {62, "3"}, {6, "CONTINUOUS"}, {0, "ENDTAB"}});
    struct Case {
        const char* layer;
        const char* colour;   // nullptr: no group 62 (by layer)
        bool drawn;
    } cases[] = {
        {"OFF", "1", false}, {"OFF", nullptr, true}, {"OFF", "256", true}, {"OFF", "0", true},
        {"ON", "1", true},   {"UNKNOWN", "1", true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.layer << " " << (k.colour ? k.colour : "-"));
        Groups line = Line(0, 0, 1, 1, k.layer);
        if (k.colour) line.push_back({62, k.colour});
        Groups text = {{0, "TEXT"}, {8, k.layer}, {10, "1"}, {20, "1"}, {1, "A"}};
        if (k.colour) text.push_back({62, k.colour});
        Converted c = Convert(Concat({tables, Entities(Concat({line, text}))}));
        EXPECT_EQ(c.page.curves.size(), k.drawn ? 1u : 0u);
        EXPECT_NE(c.labels.find("LBA\x03"), std::string::npos);   // texts are never left out
    }
}

TEST(DxfConversion, WritesTextsAsLabelsAtWholeDrawingUnits) {
    Converted c = Convert(Entities(Concat({
        Groups{{0, "TEXT"}, {10, "12.7"}, {20, "5.2"}, {40, "3.5"}, {50, "90"}, {1, "FRONT 38"}},
        Groups{{0, "TEXT"}, {10, "-1.9"}, {20, "0"}, {1, "a\x03PD0,0,9999,9999;"}},
    })));
    EXPECT_EQ(c.labels, "PU480,200;DI-0.000,1.000;LBFRONT 38\x03"
                        "PU-40,0;DI1.000,0.000;LBaPD0,0,9999,9999;\x03");
    EXPECT_TRUE(c.page.curves.empty());
}

TEST(DxfJob, WritesTheLabelFileAndReadsTheTextsBackAfterTheGeometry) {
    test::TempDir dir;
    const AppSettings settings = test::SettingsIn(dir);
    COnePage page;
    page.filePath = dir.Write("piece.dxf", DxfSource(Entities(Concat({
        Groups{{0, "TEXT"}, {10, "12.7"}, {20, "5.2"}, {50, "90"}, {1, "AB"}}, Line(0, 0, 100, 0)}))));
    ASSERT_EQ(ReadDxfJob(page, settings), kDxfJobOk);
    EXPECT_EQ(test::ReadAll(dir.path() / "dxfChar.plt"), "IN;SP1;PU480,200;DI-0.000,1.000;LBAB\x03");
    ASSERT_GT(page.curves.size(), 1u);
    EXPECT_EQ(page.curves[0].points, (Pts{{0, 0}, {4000, 0}}));
    for (std::size_t i = 1; i < page.curves.size(); ++i) {
        // Label strokes, drawn upward from the pen position (480, 200).
        EXPECT_EQ(page.curves[i].kind, kDrawn);
        for (const Point& p : page.curves[i].points) EXPECT_LE(p.x, 480 + 5);
        for (const Point& p : page.curves[i].points) EXPECT_GE(p.y, 200 - 5);
    }
    EXPECT_EQ(page.fileName, "piece.dxf");
    EXPECT_GT(page.fileSize, 0);
}

TEST(DxfJob, ADrawingWithoutTextsLeavesTheBareLabelFile) {
    test::TempDir dir;
    const AppSettings settings = test::SettingsIn(dir);
    dir.Write("dxfChar.plt", "IN;SP1;PU0,0;LBOLD\x03");
    COnePage page;
    page.filePath = dir.Write("line.dxf", DxfSource(Entities(Line(0, 0, 1, 0))));
    ASSERT_EQ(ReadDxfJob(page, settings), kDxfJobOk);
    EXPECT_EQ(test::ReadAll(dir.path() / "dxfChar.plt"), "IN;SP1;");
    EXPECT_EQ(page.curves.size(), 1u);
}

TEST(DxfJob, FailuresLeaveThePageAsItWas) {
    test::TempDir dir;
    AppSettings settings = test::SettingsIn(dir);
    const std::string line = DxfSource(Entities(Line(0, 0, 1, 0)));
    // Blocks each inserting the previous one ten times: 10^9 lines.
    Groups blocks = Block("B0", Line(0, 0, 1, 1));
    for (int i = 1; i <= 9; ++i) {
        Groups body;
        for (int k = 0; k < 10; ++k) body = Concat({body, Insert("B" + std::to_string(i - 1), 0, 0)});
        blocks = Concat({blocks, Block("B" + std::to_string(i), body)});
    }
    const std::string bomb = DxfSource(Concat({Section("BLOCKS", blocks), Entities(Insert("B9", 0, 0))}));
    const std::string badLayer = DxfSource(Concat(
        {Section("TABLES", {{0, "TABLE"}, {2, "LAYER"}, {0, "LAYER"}, {2, "0"}, {6, "DASHED"}, {0, "ENDTAB"}}),
         Entities(Line(0, 0, 1, 0))}));
    struct Case {
        const char* name;
        std::string path;
        std::string programDir;
        int result;
    } cases[] = {
        {"missing file", dir.dir() + "none.dxf", settings.ProgramDir, kDxfJobCannotRead},
        {"a folder", dir.dir(), settings.ProgramDir, kDxfJobCannotRead},
        {"undefined line type", dir.Write("layer.dxf", badLayer), settings.ProgramDir, kDxfJobCannotRead},
        {"blocks inserted a billion times", dir.Write("bomb.dxf", bomb), settings.ProgramDir, kDxfJobTooLarge},
        {"no program folder", dir.Write("line.dxf", line), dir.dir() + "missing/", kDxfJobLabelFileFailed},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        settings.ProgramDir = k.programDir;
        COnePage page;
        page.filePath = k.path;
        page.curves.push_back(CCurve{});
        EXPECT_EQ(ReadDxfJob(page, settings), k.result);
        EXPECT_EQ(page.curves.size(), 1u);
        EXPECT_TRUE(page.fileName.empty());
    }
}

TEST(DxfJob, AddedDrawingBecomesAJobWithItsOutlinesRecognised) {
    test::TempDir dir;
    AppSettings settings = test::SettingsIn(dir);
    settings.SearchOutline = 1;
    const std::string path = std::string(PV_TEST_DATA_DIR) + "/dxf/two_pieces.dxf";
    ReadJobResult r = ReadJobFile(path, settings, {}, ReadPath::AddCommand);
    ASSERT_EQ(r.result, 0);
    ASSERT_NE(r.page, nullptr);
    int outlines = 0, inner = 0;
    for (const CCurve& c : r.page->curves) {
        outlines += c.role == kRoleOutline && c.kind == kFullCut ? 1 : 0;
        inner += c.role == kRoleInner && c.kind == kDrawn ? 1 : 0;
    }
    EXPECT_EQ(outlines, 2);
    EXPECT_GE(inner, 3);   // grain lines, a drill circle and the label strokes
    EXPECT_EQ(r.page->minX, 0);
    EXPECT_EQ(r.page->fileName, "two_pieces.dxf");

    // An unreadable drawing makes no job and reports the failure.
    r = ReadJobFile(dir.Write("bad.DXF", DxfSource(Concat({Section(
                                               "TABLES", {{0, "TABLE"}, {2, "LAYER"}, {0, "LAYER"}, {2, "0"},
                                                          {6, "NONE"}, {0, "ENDTAB"}})}))),
                    settings, {}, ReadPath::AddCommand);
    EXPECT_NE(r.result, 0);
    EXPECT_EQ(r.page, nullptr);
}

}  // namespace
}  // namespace pv
