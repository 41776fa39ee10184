// The DXF reader: groups and line ends, the four tables, blocks, entities.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dxf_test_util.h"
#include "import/dxf_drawing.h"
#include "import/dxf_reader.h"

namespace pv {
namespace {

using test::Concat;
using test::DxfSource;
using test::Entities;
using test::Groups;
using test::Line;
using test::ReadText;
using test::Section;

const DxfLine& LineOf(const DxfEntity& e) { return std::get<DxfLine>(e.data); }

Groups Tables(const Groups& body) { return Section("TABLES", body); }
Groups Table(const std::string& name, const Groups& entries) {
    return Concat({{{0, "TABLE"}, {2, name}, {70, "1"}}, entries, {{0, "ENDTAB"}}});
}
Groups LType(const std::string& name) { return {{0, "LTYPE"}, {2, name}, {70, "0"}, {3, "Solid"}, {73, "0"}, {40, "0.0"}}; }
Groups Layer(const std::string& name, const std::string& ltype, int colour = 7) {
    return {{0, "LAYER"}, {2, name}, {70, "0"}, {62, std::to_string(colour)}, {6, ltype}};
}

TEST(DxfReader, ReadsTheSameGroupsWhateverTheLineEnds) {
    const Groups groups = Entities(Line(10, 20, 30.49, 20));
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(eol)));
        DxfDrawing d;
        ASSERT_EQ(ReadText(d, DxfSource(groups, eol)), 1);
        ASSERT_EQ(d.Entities().size(), 1u);
        EXPECT_DOUBLE_EQ(LineOf(d.Entities()[0]).start.x, 10.0);
        EXPECT_DOUBLE_EQ(LineOf(d.Entities()[0]).end.x, 30.49);
        EXPECT_DOUBLE_EQ(LineOf(d.Entities()[0]).end.y, 20.0);
    }
}

TEST(DxfReader, KeepsGroupsInStepWhenCrAndLfStraddleTheReadBlock) {
    // Pad with comments so that one CR is the last byte of the first 32 KB
    // block and its LF the first byte of the next (and the two neighbouring
    // offsets).
    for (int shift = 0; shift < 3; ++shift) {
        std::string head = DxfSource({{0, "SECTION"}, {2, "ENTITIES"}});
        std::string pad = "999\r\n";
        const std::size_t target = 32768 - shift;   // offset of the comment's CR
        std::string comment(target > head.size() + pad.size() ? target - head.size() - pad.size() : 0, 'c');
        std::string text = head + pad + comment + "\r\n" + DxfSource(Line(1, 2, 3, 4)) + DxfSource({{0, "ENDSEC"}});
        test::TempDir dir;
        DxfDrawing d;
        ASSERT_EQ(ReadDxf(d, dir.Write("pad.dxf", text)), 1);
        ASSERT_EQ(d.Entities().size(), 1u) << "shift " << shift;
        EXPECT_DOUBLE_EQ(LineOf(d.Entities()[0]).end.y, 4.0);
    }
}

TEST(DxfReader, RefusesTheWholeFileWhenALayerNamesAnUndefinedLineType) {
    const Groups later = Tables(Concat({Table("LAYER", Layer("CUT", "DASHED")), Table("LTYPE", LType("DASHED"))}));
    const Groups none = Tables(Table("LAYER", {{0, "LAYER"}, {2, "CUT"}, {70, "0"}, {62, "7"}}));
    for (const Groups& tables : {later, none}) {
        DxfDrawing d;
        EXPECT_EQ(ReadText(d, DxfSource(Concat({tables, Entities(Line(0, 0, 1, 1))}))), 0);
        EXPECT_TRUE(d.Entities().empty());
    }
}

TEST(DxfReader, NumbersTableEntriesInOneSequenceAndBlocksWithEntitiesInAnother) {
    const Groups text = Concat({
        Tables(Concat({Table("LTYPE", Concat({LType("CONTINUOUS"), LType("DASHED")})),
                       Table("LAYER", Concat({Layer("0", "CONTINUOUS"), Layer("OFF", "DASHED", -7),
                                              Layer("0", "DASHED")})),
                       Table("STYLE", {{0, "STYLE"}, {2, "STANDARD"}, {5, "11"}, {3, "txt"}}),
                       Table("DIMSTYLE", Concat({Groups{{0, "DIMSTYLE"}, {2, "BY_HANDLE"}, {340, "11"}},
                                                 Groups{{0, "DIMSTYLE"}, {2, "NO_STYLE"}, {340, "FF"}}})),
                       Table("VPORT", {{0, "VPORT"}, {2, "*ACTIVE"}})})),
        Section("BLOCKS", Concat({Groups{{0, "BLOCK"}, {8, "0"}, {2, "NOTCH"}, {70, "0"}},
                                  Line(0, 0, 0, 5), Groups{{0, "ENDBLK"}}})),
        Entities(Concat({Line(0, 0, 1, 1, "OFF"), Line(0, 0, 1, 1, "NOT_IN_TABLE"),
                         Groups{{0, "INSERT"}, {8, "0"}, {2, "NOTCH"}, {10, "5"}, {20, "6"}, {50, "30"}}})),
    });
    DxfDrawing d;
    ASSERT_EQ(ReadText(d, DxfSource(text)), 1);
    ASSERT_EQ(d.LineTypes().size(), 2u);
    ASSERT_EQ(d.Layers().size(), 2u);   // the second "0" is dropped
    EXPECT_EQ(d.LineTypes()[1].number, 2);
    EXPECT_EQ(d.Layers()[1].number, 4);
    EXPECT_EQ(d.Layers()[1].lineType, 2);
    EXPECT_EQ(d.FindTextStyle("STANDARD"), 5);
    ASSERT_EQ(d.DimStyles().size(), 1u);   // the one without a known text style is dropped
    EXPECT_EQ(d.DimStyles()[0].number, 6);
    EXPECT_EQ(d.DimStyles()[0].textStyle, 5);
    EXPECT_EQ(d.Layer(4)->name, "OFF");
    EXPECT_EQ(d.Layer(5), nullptr);

    ASSERT_EQ(d.Blocks().size(), 1u);
    EXPECT_EQ(d.Blocks()[0].number, 1);
    EXPECT_EQ(d.Blocks()[0].entities[0].number, 2);
    ASSERT_EQ(d.Entities().size(), 3u);
    EXPECT_EQ(d.Entities()[0].number, 3);
    EXPECT_EQ(d.Entities()[0].layer, 4);
    EXPECT_EQ(d.Entities()[1].layer, 0);
    EXPECT_EQ(d.Entities()[0].colour, kDxfColourByLayer);
    const auto& insert = std::get<DxfInsert>(d.Entities()[2].data);
    EXPECT_EQ(insert.block, 1);
    EXPECT_EQ(d.Block(insert.block)->name, "NOTCH");
    EXPECT_DOUBLE_EQ(insert.rotation, 30.0);   // degrees, as written
    EXPECT_DOUBLE_EQ(insert.scaleY, 1.0);
}

TEST(DxfReader, DuplicateBlockEntitiesBecomeTopLevelAndEarlyInsertsAreDropped) {
    auto block = [](const std::string& name, double x) {
        return Concat({Groups{{0, "BLOCK"}, {2, name}, {8, "0"}}, Line(x, 0, x, 1), Groups{{0, "ENDBLK"}, {8, "0"}}});
    };
    const Groups text = Concat({
        Section("ENTITIES", {{0, "INSERT"}, {2, "A"}, {10, "0"}, {20, "0"}}),
        Section("BLOCKS", Concat({block("A", 1), block("A", 2), block("B", 3)})),
        Entities({{0, "INSERT"}, {2, "A"}, {10, "0"}, {20, "0"}}),
    });
    DxfDrawing d;
    ASSERT_EQ(ReadText(d, DxfSource(text)), 1);
    ASSERT_EQ(d.Blocks().size(), 2u);
    EXPECT_DOUBLE_EQ(LineOf(d.Block(d.FindBlock("A"))->entities.at(0)).start.x, 1.0);
    ASSERT_EQ(d.Entities().size(), 2u);
    EXPECT_DOUBLE_EQ(LineOf(d.Entities()[0]).start.x, 2.0);
    EXPECT_EQ(d.Entities()[1].type, DxfEntityType::Insert);
}

TEST(DxfReader, PolylineTakesItsVerticesAndStopsAtTheFirstOtherEntity) {
    const Groups text = Entities(Concat({
        Groups{{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {70, "1"}, {10, "0"}, {20, "0"}},
        Groups{{0, "VERTEX"}, {10, "0"}, {20, "0"}, {42, "0.5"}},
        Groups{{0, "VERTEX"}, {10, "10"}, {20, "0"}},
        Groups{{0, "VERTEX"}, {10, "10"}, {20, "10"}},
        Groups{{0, "SEQEND"}, {8, "0"}},
        Groups{{0, "LWPOLYLINE"}, {90, "2"}, {10, "0"}, {20, "0"}, {10, "5"}, {20, "5"}},
        Groups{{0, "VERTEX"}, {10, "99"}, {20, "99"}},
        Groups{{0, "ARC"}, {10, "1"}, {20, "2"}, {40, "3"}, {50, "350"}, {51, "10"}},
    }));
    DxfDrawing d;
    ASSERT_EQ(ReadText(d, DxfSource(text)), 1);
    ASSERT_EQ(d.Entities().size(), 2u);
    const auto& pl = std::get<DxfPolyline>(d.Entities()[0].data);
    EXPECT_TRUE(pl.Closed());
    ASSERT_EQ(pl.vertices.size(), 3u);
    EXPECT_DOUBLE_EQ(pl.vertices[0].bulge, 0.5);
    EXPECT_DOUBLE_EQ(pl.vertices[2].at.y, 10.0);
    const auto& arc = std::get<DxfArc>(d.Entities()[1].data);
    EXPECT_DOUBLE_EQ(arc.startAngle, 350.0);
    EXPECT_DOUBLE_EQ(arc.endAngle, 10.0);
}

TEST(DxfReader, CutsOverlongValuesAndDropsSurplusLineTypeElements) {
    Groups ltype = LType("MANY");
    for (int i = 0; i < 35; ++i) ltype.push_back({49, std::to_string(i)});
    const std::string longText(3000, 'x');
    const Groups text = Concat({
        Tables(Concat({Table("LTYPE", ltype)})),
        Entities(Concat({Groups{{0, "TEXT"}, {10, "1"}, {20, "2"}, {1, longText}}, Line(1, 1, 2, 2)})),
    });
    DxfDrawing d;
    ASSERT_EQ(ReadText(d, DxfSource(text)), 1);
    ASSERT_EQ(d.LineTypes().at(0).elements.size(), 30u);
    EXPECT_DOUBLE_EQ(d.LineTypes()[0].elements.back(), 29.0);
    ASSERT_EQ(d.Entities().size(), 2u);
    EXPECT_EQ(std::get<DxfText>(d.Entities()[0].data).text, std::string(511, 'x'));
    EXPECT_DOUBLE_EQ(LineOf(d.Entities()[1]).end.x, 2.0);
}

TEST(DxfReader, KeepsTheFirstEntriesWhenATableIsFull) {
    Groups layers;
    for (int i = 0; i < 130; ++i) layers = Concat({layers, Layer("L" + std::to_string(i), "CONTINUOUS")});
    DxfDrawing d;
    ASSERT_EQ(ReadText(d, DxfSource(Tables(Concat({Table("LTYPE", LType("CONTINUOUS")), Table("LAYER", layers)})))), 1);
    EXPECT_EQ(d.Layers().size(), DxfDrawing::kMaxLayers);
    EXPECT_EQ(d.FindLayer("L127"), 129);
    EXPECT_EQ(d.FindLayer("L128"), 0);
}

TEST(DxfReader, AFileCutShortInsideASectionFailsWhateverItHeldBefore) {
    const std::string whole = DxfSource(Concat({Section("HEADER", {{9, "$ACADVER"}, {1, "AC1009"}}),
                                                Tables(Table("LTYPE", LType("CONTINUOUS"))),
                                                Section("BLOCKS", Concat({{{0, "BLOCK"}, {2, "B"}}, Line(0, 0, 1, 1),
                                                                           {{0, "ENDBLK"}}})),
                                                Entities(Concat({Line(0, 0, 5, 0), Line(5, 0, 5, 5)}))}));
    DxfDrawing full;
    ASSERT_EQ(ReadText(full, whole), 1);
    ASSERT_EQ(full.Entities().size(), 2u);
    const std::size_t tail = whole.rfind("ENDSEC");
    // Every cut before the last ENDSEC ends inside a section: in the header,
    // a table, a block, between two entities or inside one (also half a
    // group: a code line without its value line).
    for (std::size_t cut : {whole.find("$ACADVER"), whole.find("LTYPE") + 7, whole.find("ENDBLK") - 4,
                            whole.rfind("LINE"), whole.rfind("\r\n21\r\n") + 6, tail - 2}) {
        SCOPED_TRACE(cut);
        DxfDrawing d;
        EXPECT_EQ(ReadText(d, whole.substr(0, cut)), 0);
    }
    // A section whose name is cut off fails as well.
    DxfDrawing named;
    EXPECT_EQ(ReadText(named, "0\r\nSECTION\r\n2"), 0);
    // Cut after the last ENDSEC (the EOF marker missing or half there): whole.
    for (std::size_t cut : {tail + 8, tail + 11}) {
        DxfDrawing d;
        EXPECT_EQ(ReadText(d, whole.substr(0, cut)), 1) << cut;
        EXPECT_EQ(d.Entities().size(), 2u);
    }
}

TEST(DxfReader, AnEofMarkerEndsASectionThatLacksItsEnd) {
    DxfDrawing d;
    EXPECT_EQ(ReadText(d, DxfSource(Concat({{{0, "SECTION"}, {2, "ENTITIES"}}, Line(0, 0, 5, 0), {{0, "EOF"}}}))), 1);
    EXPECT_EQ(d.Entities().size(), 1u);
}

TEST(DxfReader, FileWithoutSectionsIsAnEmptyDrawingAndAMissingFileFails) {
    DxfDrawing d;
    EXPECT_EQ(ReadText(d, "just some text\nno groups"), 1);
    EXPECT_EQ(ReadText(d, "just some text\nno groups\nand an odd line"), 1);
    EXPECT_TRUE(d.Entities().empty());
    EXPECT_EQ(ReadDxf(d, "/nonexistent/dir/none.dxf"), 0);
}

TEST(DxfReader, ParsesNumbersLikeTheCLibraryWithoutInfinities) {
    EXPECT_EQ(DxfParseInt("  -12abc"), -12);
    EXPECT_EQ(DxfParseInt("99999999999"), 2147483647);
    EXPECT_EQ(DxfParseInt("x"), 0);
    EXPECT_DOUBLE_EQ(DxfParseDouble(" +1.5e2z"), 150.0);
    EXPECT_DOUBLE_EQ(DxfParseDouble(".25"), 0.25);
    EXPECT_DOUBLE_EQ(DxfParseDouble("inf"), 0.0);
    EXPECT_DOUBLE_EQ(DxfParseDouble("nan"), 0.0);
    EXPECT_DOUBLE_EQ(DxfParseDouble("--3"), 0.0);
    EXPECT_TRUE(std::isfinite(DxfParseDouble("-1e999")));
}

}  // namespace
}  // namespace pv
