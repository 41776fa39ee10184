// How the reader splits a label into lines and where it puts each line.
// Each case is checked against an equivalent text whose labels are single
// lines placed by hand, so the glyph shapes themselves do not matter here.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "import/hpgl_file.h"
#include "settings/app_settings.h"
#include "program_dir_test.h"

namespace fs = std::filesystem;

namespace pv {
namespace {

struct Recorded {
    int result = 0;
    std::vector<int> kinds;
    std::vector<std::int32_t> params;
    friend bool operator==(const Recorded&, const Recorded&) = default;
};

class HpglLabelLines : public import_test::ProgramDirTest {
protected:
    Recorded Record(const std::string& text) {
        CHpglFile r(settings_, [](const std::string&) {});
        Recorded out;
        out.result = r.ReadStream(text);
        for (const auto& rec : r.commands.Records()) {
            out.kinds.push_back(static_cast<int>(rec.kind));
            const auto p = r.commands.Params(rec);
            out.params.insert(out.params.end(), p.begin(), p.end());
        }
        return out;
    }
    void ExpectSame(const std::string& label, const std::string& byHand, const char* what) {
        const Recorded a = Record(label);
        EXPECT_EQ(a.result, kHpglOk) << what;
        EXPECT_FALSE(a.kinds.empty()) << what << ": the label drew nothing";
        EXPECT_EQ(a, Record(byHand)) << what;
    }
};

TEST_F(HpglLabelLines, LinesAgainstSingleLineLabels) {
    struct Case {
        const char* what;
        std::string label;
        std::string byHand;
    };
    const std::string at = "IN;SP1;PU1000,1000;";
    const std::vector<Case> cases = {
        {"terminator + LB joins", at + "LBABC\x03LBDEF\x03", at + "LBABCDEF\x03"},
        {"LF steps one character height (150 units at 0.375 cm)", at + "LBAB\nCD\x03",
         at + "LBAB\x03PU1000,1150;LBCD\x03"},
        {"CR returns to the pen's X, same Y", at + "LBAB\rCD\x03", at + "LBAB\x03;LBCD\x03"},
        {"CR LF", at + "LBAB\r\nCD\r\n\x03", at + "LBAB\x03PU1000,1150;LBCD\x03"},
        {"empty lines only step", at + "LB\n\nAB\x03", at + "PU1000,1300;LBAB\x03"},
        {"SI sets the step", at + "SI0.2,0.75;LBA\nB\x03", at + "SI0.2,0.75;LBA\x03PU1000,1300;LBB\x03"},
        {"turned labels still step along Y", at + "DI0,1;LBA\nB\x03", at + "DI0,1;LBA\x03PU1000,1150;LBB\x03"},
        {"text beyond 512 bytes is dropped", at + "LB" + std::string(600, 'W') + "\x03",
         at + "LB" + std::string(512, 'W') + "\x03"},
        {"a printed terminator is drawn", at + std::string("DT#,\0\x05LBAB#", 12), at + "LBAB#\x03"},
        {"an unterminated label is drawn at the end", at + "LBAB", at + "LBAB\x03"},
    };
    for (const Case& c : cases) ExpectSame(c.label, c.byHand, c.what);
}

TEST_F(HpglLabelLines, FontScaleSetsTheStepOnTwoHeadsOnly) {
    settings_.PltFontScale = 200;
    ExpectSame("IN;PU1000,1000;LBA\nB\x03", "IN;PU1000,1000;LBA\x03PU1000,1300;LBB\x03", "two heads, 200%");
    settings_.edition = Edition::FourHead;
    ExpectSame("IN;PU1000,1000;LBA\nB\x03", "IN;PU1000,1000;LBA\x03PU1000,1150;LBB\x03", "four heads: 100%");
}

TEST_F(HpglLabelLines, LabelLeavesThePenWhereItWas) {
    CHpglFile r(settings_, [](const std::string&) {});
    ASSERT_EQ(r.ReadStream("IN;PU1000,1000;LBAB\nCD\x03PD2000,1000;"), kHpglOk);
    EXPECT_EQ(r.penX, 2000);
    const auto& recs = r.commands.Records();
    ASSERT_GE(recs.size(), 2u);
    const auto move = r.commands.Params(recs[recs.size() - 2]);
    ASSERT_EQ(move.size(), 2u);
    EXPECT_EQ(move[0], 1000);
    EXPECT_EQ(move[1], 1000);
}

}  // namespace
}  // namespace pv
