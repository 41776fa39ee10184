// What the reader makes of HPGL text: the curves of the page (kind, line
// type, points), the plotter state and the IP/SC scale factors.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "import/hpgl_file.h"
#include "settings/app_settings.h"

namespace pv {
namespace {

struct CurveShape {
    std::int32_t kind;
    std::int32_t lineType;
    std::vector<Point> points;
    friend bool operator==(const CurveShape&, const CurveShape&) = default;
};

std::ostream& operator<<(std::ostream& os, const CurveShape& c) {
    os << "{kind " << c.kind << ", lt " << c.lineType << ",";
    for (const Point& p : c.points) os << " (" << p.x << "," << p.y << ")";
    return os << "}";
}

struct ReadOut {
    int result;
    std::vector<CurveShape> curves;
};

ReadOut ReadText(const std::string& text, const AppSettings& settings = {}) {
    CHpglFile reader(settings);
    ReadOut out{reader.ReadStream(text), {}};
    if (out.result != kHpglOk) return out;
    COnePage page;
    reader.BuildPage(page, 0);
    for (const CCurve& c : page.curves) out.curves.push_back({c.kind, c.lineType, c.points});
    return out;
}

struct PageCase {
    const char* what;
    std::string in;
    std::vector<CurveShape> curves;
};

TEST(HpglReader, CurvesFromPenActions) {
    const std::vector<PageCase> cases = {
        {"one ink line", "IN;SP1;PU0,0;PD100,0,100,100;PU;", {{1, 0, {{0, 0}, {100, 0}, {100, 100}}}}},
        {"a second PD continues the open curve and repeats its vertex",
         "SP2;PU0,0;PD100,0;PD100,100;",
         {{2, 0, {{0, 0}, {100, 0}, {100, 0}, {100, 100}}}}},
        {"a closed curve is not continued",
         "PU0,0;PD100,0,100,100,0,100,0,0;PD0,0,50,50;",
         {{1, 0, {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}}, {1, 0, {{0, 0}, {0, 0}, {50, 50}}}}},
        {"a pen change splits ink from knife", "SP1;PU0,0;PD10,0;SP2;PD10,10;SP3;PD20,10;",
         {{1, 0, {{0, 0}, {10, 0}}}, {2, 0, {{10, 0}, {10, 10}, {10, 10}, {20, 10}}}}},
        {"SP0 and SP alone select ink", "SP2;SP0;PU0,0;PD10,0;SP;PD20,0;",
         {{1, 0, {{0, 0}, {10, 0}, {10, 0}, {20, 0}}}}},
        {"LT applies to curves started after it",
         "PU0,0;PD10,0;LT2;PD20,0;PU0,50;PD10,50;LT;PU0,90;PD1,90;LT3,0;PU0,99;PD1,99;",
         {{1, 0, {{0, 0}, {10, 0}, {10, 0}, {20, 0}}},
          {1, 1, {{0, 50}, {10, 50}}},
          {1, 0, {{0, 90}, {1, 90}}},
          {1, 0, {{0, 99}, {1, 99}}}}},
        {"IN records a solid line type once something is recorded", "LT1;IN;PU0,0;PD10,0;",
         {{1, 0, {{0, 0}, {10, 0}}}}},
        {"a new page starts at the previous maxX with ink",
         "PU0,0;PD100,0,100,50;PG;SP2;PU0,0;PD10,10;FR;PU0,0;PD5,5;",
         {{1, 0, {{0, 0}, {100, 0}, {100, 50}}},
          {2, 0, {{100, 0}, {110, 10}}},
          {1, 0, {{110, 0}, {115, 5}}}}},
        {"PA with the pen up only moves, PD alone only lowers", "PA10,10;PD;PA20,20;PU;PA30,30;",
         {{1, 0, {{10, 10}, {20, 20}}}}},
        {"an unpaired last value is dropped", "PD10,10,20;PD30,30;PU40,40,50;PD41,41;",
         {{1, 0, {{0, 0}, {10, 10}, {10, 10}, {30, 30}}}, {1, 0, {{40, 40}, {41, 41}}}}},
        {"rounding half up", "PU-2.5,2.5;PD0.49,-0.51;", {{1, 0, {{-2, 3}, {0, -1}}}}},
        {"coordinates beyond 32 bits are clamped; beyond 5e75 give 1",
         "PU0,0;PD99999999999,-99999999999," + std::string(80, '9') + ",-" + std::string(500, '9') + ";",
         {{1, 0, {{0, 0}, {INT32_MAX, INT32_MIN}, {1, 1}}}}},
        {"numbers cut by the end are executed once", "PU0,0;PD100,20", {{1, 0, {{0, 0}, {100, 20}}}}},
        {"unknown and relative commands are ignored", "PU0,0;PR10,10;CI5;AA1,2,3;PD5,0;",
         {{1, 0, {{0, 0}, {5, 0}}}}},
        {"no pen-down coordinates, no curves", "IN;SP1;PU10,10;LT1;PG;", {}},
    };
    for (const PageCase& c : cases) {
        const ReadOut r = ReadText(c.in);
        EXPECT_EQ(r.result, kHpglOk) << c.what;
        EXPECT_EQ(r.curves, c.curves) << c.what;
    }
}

TEST(HpglReader, BuildPageAppendsAfterExistingCurves) {
    AppSettings s;
    CHpglFile reader(s);
    ASSERT_EQ(reader.ReadStream("PU0,0;PD5,5;PG;PU0,0;PD1,1;"), kHpglOk);
    COnePage page;
    page.curves.emplace_back().points = {{0, 0}, {300, 0}};
    reader.BuildPage(page, 0);
    ASSERT_EQ(page.curves.size(), 3u);
    EXPECT_EQ(page.curves[1].points, (std::vector<Point>{{0, 0}, {5, 5}}));
    // The page's own width counts for the next page's offset.
    EXPECT_EQ(page.curves[2].points, (std::vector<Point>{{300, 0}, {301, 1}}));
}

// Page commands by the million after a long drawing: each page starts at the
// drawing's end without going over the whole drawing again.
TEST(HpglReader, ManyPagesAfterALongDrawing) {
    std::string text = "PU0,0;PD";
    for (int i = 1; i <= 200'000; ++i) text += std::to_string(i % 1000) + "," + std::to_string(i % 7) + ",";
    text += "5,5;";
    for (int i = 0; i < 1'000'000; ++i) text += "PG;";
    text += "PU0,0;PD1,0;";
    AppSettings s;
    CHpglFile r(s);
    ASSERT_EQ(r.ReadStream(text), kHpglOk);
    COnePage page;
    r.BuildPage(page, 0);
    ASSERT_EQ(page.curves.size(), 2u);
    EXPECT_EQ(page.curves[1].points, (std::vector<Point>{{999, 0}, {1000, 0}}));
    EXPECT_EQ(page.maxX, 999);
}

// A file that would record more than the reader can hold is refused as a
// whole instead of being cut off silently.
TEST(HpglReader, RecordingCeilingRefusesTheRead) {
    AppSettings s;
    CHpglFile r(s);
    r.commands.SetLimits(1000, 100);
    std::string text = "PU0,0;";
    for (int i = 0; i < 60; ++i) text += "PD" + std::to_string(i) + ",1;";
    EXPECT_EQ(r.ReadStream(text), kHpglBadSizeOrContent);
    EXPECT_TRUE(r.commands.Full());
    EXPECT_EQ(r.ReadStream("PU0,0;PD1,1;PD2,2;"), kHpglOk);   // the next read starts empty
    EXPECT_FALSE(r.commands.Full());
    r.commands.SetLimits(3, 1000);
    EXPECT_EQ(r.ReadStream("SP1;SP2;LT1;PG;"), kHpglBadSizeOrContent);
}

TEST(HpglReader, ResultCodes) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"DF5;  ", kHpglSyntax},
        {"IN;PD1,1;DF -2;", kHpglSyntax},
        {"DF;PU0,0;", kHpglOk},
        {"IN;PD", kHpglBadSizeOrContent},   // 5 bytes
        {"", kHpglBadSizeOrContent},
        {std::string(8'000'001, ' '), kHpglBadSizeOrContent},
        {"\xEF\xBB\xBFIN;SP1;", kHpglOk},   // a stream has no text check
    };
    for (const auto& [in, expected] : cases) {
        EXPECT_EQ(ReadText(in).result, expected) << in.substr(0, 20);
    }
}

TEST(HpglReader, LabelAndPenSettings) {
    AppSettings s;
    CHpglFile r(s);
    ASSERT_EQ(r.ReadStream("SI0.5,0.75;DI0,1;LO7;PU10,20;PD30,40;"), kHpglOk);
    EXPECT_DOUBLE_EQ(r.charWidth, 0.5);
    EXPECT_DOUBLE_EQ(r.charHeight, 0.75);
    EXPECT_NEAR(r.labelAngle, 90.0, 1e-9);
    EXPECT_EQ(r.labelOrigin, 7);
    EXPECT_EQ(r.penX, 30);
    EXPECT_EQ(r.penDown, 1);

    const std::vector<std::pair<std::string, double>> angles = {
        {"DI-1,0;", 180.0}, {"DI1,1;DI;", 0.0}, {"DR0,5;", 90.0}, {"DI0,1;DR3,0;", 0.0},
        {"DI0,1;DR1,1;", 90.0}, {"DI0,1;DR1;", 90.0}, {"DI0,1;DR;", 0.0},
    };
    for (const auto& [in, deg] : angles) {
        ASSERT_EQ(r.ReadStream(in + "   "), kHpglOk);
        EXPECT_NEAR(r.labelAngle, deg, 1e-9) << in;
    }
    const std::vector<std::pair<std::string, int>> origins = {
        {"LO19;", 19}, {"LO10;", 1}, {"LO20;", 1}, {"LO0;", 1}, {"LO3.4;", 3}, {"LO5;LO;", 1},
    };
    for (const auto& [in, lo] : origins) {
        ASSERT_EQ(r.ReadStream(in + "   "), kHpglOk);
        EXPECT_EQ(r.labelOrigin, lo) << in;
    }
    // IN restores the label settings and the pen but keeps IP.
    ASSERT_EQ(r.ReadStream("IP1,2,3,4;SI1,2;DI0,1;LO3;PD5,5;IN;"), kHpglOk);
    EXPECT_DOUBLE_EQ(r.charHeight, 0.375);
    EXPECT_DOUBLE_EQ(r.labelAngle, 0.0);
    EXPECT_EQ(r.labelOrigin, 1);
    EXPECT_EQ(r.penX, 0);
    EXPECT_EQ(r.penDown, 0);
    EXPECT_EQ(r.ipP2Y, 4);
    // DF keeps the pen.
    ASSERT_EQ(r.ReadStream("SI1,2;PD5,6;DF;"), kHpglOk);
    EXPECT_DOUBLE_EQ(r.charHeight, 0.375);
    EXPECT_EQ(r.penY, 6);
    EXPECT_EQ(r.penDown, 1);
}

struct ScaleCase {
    std::string in;
    std::int32_t unit;
    Edition edition;
    double sx, sy;
};

TEST(HpglReader, ScaleFactorsFromIpAndSc) {
    const std::string ip1016 = "IP0,0,1016,1016;SC0,1000,0,1000;";
    const std::vector<ScaleCase> cases = {
        {ip1016, 2, Edition::TwoHead, 1.016, 1.016},
        {ip1016, 0, Edition::TwoHead, 1.0, 1.0},
        {ip1016, 2, Edition::FourHead, 1.0, 1.0},   // IP/SC are not executed there
        {ip1016 + "IN;", 2, Edition::TwoHead, 1.016, 1.016},
        {ip1016 + "SC;", 2, Edition::TwoHead, 1.0, 1.0},
        {"IP0,0,4000,4000;SC0,100,0,100;", 2, Edition::TwoHead, 1.0, 1.0},     // 40: out of range
        {"IP0,0,100000,100;SC0,1000,0,1000;", 2, Edition::TwoHead, 1.0, 1.0},  // 100 and 0.1
        {"IP0,0,2000,1000;SC1000,0,0,500;", 2, Edition::TwoHead, 2.0, 2.0},    // sign does not matter
        {"SC5,5,0,250;", 2, Edition::TwoHead, 1.0, 4.0},                       // zero range, 4 kept
        {"IP0,0,1000;SC0,4000,0,4000;", 2, Edition::TwoHead, 0.25, 0.25},      // short IP ignored
        {"IP-2147483648,0,2147483647,1;SC-2147483648,2147483647,0,1;", 2, Edition::TwoHead, 1.0, 1.0},
    };
    for (const ScaleCase& c : cases) {
        AppSettings s;
        s.PltFileUnit = c.unit;
        s.edition = c.edition;
        CHpglFile r(s);
        ASSERT_EQ(r.ReadStream(c.in), kHpglOk) << c.in;
        EXPECT_DOUBLE_EQ(r.autoScaleX, c.sx) << c.in;
        EXPECT_DOUBLE_EQ(r.autoScaleY, c.sy) << c.in;
    }
}

// One reader may read many times; nothing of one read leaks into the next.
TEST(HpglReader, EachReadStartsAfresh) {
    AppSettings s;
    s.PltFileUnit = 2;
    CHpglFile r(s);
    ASSERT_EQ(r.ReadStream("IP0,0,2000,2000;SC0,1000,0,1000;SP2;DT#;SI1,1;PU5,5;PD9,9;PD"), kHpglOk);
    EXPECT_DOUBLE_EQ(r.autoScaleX, 2.0);
    ASSERT_EQ(r.ReadStream("PD10,0;   "), kHpglOk);
    EXPECT_DOUBLE_EQ(r.autoScaleX, 1.0);
    EXPECT_EQ(r.lexer().labelTerminator, 3);
    EXPECT_DOUBLE_EQ(r.charHeight, 0.375);
    COnePage page;
    r.BuildPage(page, 0);
    ASSERT_EQ(page.curves.size(), 1u);
    EXPECT_EQ(page.curves[0].kind, kDrawn);
    EXPECT_EQ(page.curves[0].points.front(), (Point{0, 0}));
    // A refused read leaves no commands from the one before.
    EXPECT_EQ(r.ReadStream("DF1;"), kHpglBadSizeOrContent);
    EXPECT_TRUE(r.commands.Empty());
}

// The four-head machine's LT reads only what precedes a comma.
TEST(HpglReader, FourHeadLineType) {
    AppSettings s;
    s.edition = Edition::FourHead;
    const ReadOut r = ReadText("LT1;PU0,0;PD1,0;LT1,;PU0,5;PD1,5;", s);
    ASSERT_EQ(r.curves.size(), 2u);
    EXPECT_EQ(r.curves[0].lineType, 0);
    EXPECT_EQ(r.curves[1].lineType, 1);
}

}  // namespace
}  // namespace pv
