// The lexer on its own: what commands, numbers and label texts a byte stream
// turns into, and that where the input is cut into blocks changes nothing.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "import/hpgl_lexer.h"

namespace pv {
namespace {

// Writes each executed command as NAME(n1,n2) or LB[text].
class Recorder : public HpglExecutor {
public:
    explicit Recorder(const HpglLexer* lexer = nullptr) : lexer_(lexer) {}
    void Attach(const HpglLexer* lexer) { lexer_ = lexer; }
    void ExecuteCommand(HpglName name, std::span<const double> numbers) override {
        if (!log.empty()) log += ' ';
        log += static_cast<char>(name >> 8);
        log += static_cast<char>(name & 0xFF);
        if (name == MakeHpglName('L', 'B')) {
            const auto t = lexer_->Label();
            log += '[' + std::string(t.begin(), t.end()) + ']';
            return;
        }
        log += '(';
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            char buf[40];
            std::snprintf(buf, sizeof buf, "%s%.17g", i ? "," : "", numbers[i]);
            log += buf;
        }
        log += ')';
    }
    std::string log;

private:
    const HpglLexer* lexer_;
};

struct Lexed {
    std::string log;
    bool ok;
};

// Feeds `text` in blocks of `block` bytes (0: all at once).
Lexed Lex(const std::string& text, bool fourHead = false, std::size_t block = 0) {
    Recorder rec;
    HpglLexer lexer(rec);
    rec.Attach(&lexer);
    lexer.Begin(fourHead);
    const auto* p = reinterpret_cast<const std::uint8_t*>(text.data());
    bool ok = true;
    if (block == 0) block = text.size() + 1;
    for (std::size_t at = 0; at < text.size() && ok; at += block) {
        ok = lexer.Feed(p + at, std::min(block, text.size() - at));
    }
    if (ok) lexer.Finish();
    return {rec.log, ok};
}

struct Case {
    const char* what;
    std::string in;
    std::string out;
};

const std::vector<Case>& TwoHeadCases() {
    static const std::vector<Case> cases = {
        {"separators and chained names", "PD100,100PU;PA 10\t20\r\n;", "PD(100,100) PU() PA(10,20)"},
        {"lower-case names", "pd10,-20;sp2;", "PD(10,-20) SP(2)"},
        {"longest valid prefix", "PD1.5.3,-,+-3,1-2,-.5,.,5.;", "PD(1.5,0,0,1,-0.5,0,5)"},
        {"exponent is a new name", "PD1E3;", "PD(1)"},
        {"long mantissa", "PA12345678901234567890123,0.1000000000000000000000001;",
         "PA(1.2345678901234568e+22,0.10000000000000001)"},
        {"tiny fraction", "PA0.00000000000000000000000000000000000000001;", "PA(1e-41)"},
        {"beyond double range", "PA" + std::string(400, '9') + ",-" + std::string(320, '1') + ";",
         "PA(inf,-inf)"},
        {"leading zeros", "PA" + std::string(500, '0') + "7;", "PA(7)"},
        {"lone letters and junk are dropped", "P;D1; 12 ;;\x01\xff SP;", "SP()"},
        {"escape skips four bytes", "\x1b.(;;PD1;PD2\x1b" "ABCDPU;", "PD(1) PD(2) PU()"},
        {"DF takes no numbers", "DF;DFPD1;DF", "DF() DF() PD(1) DF()"},
        {"label up to the terminator", "LBA;B\r\nC\x03PU;", "LB[A;B\r\nC] PU()"},
        {"terminator plus LB joins labels", "LBABC\x03LBDEF\x03", "LB[ABCDEF]"},
        {"L after terminator starts a command", "LBAB\x03LX1;", "LB[AB] LX(1)"},
        {"unterminated label", "PU;LBABC", "PU() LB[ABC]"},
        {"terminator and L at the end", "LBAB\x03L", "LB[AB]"},
        {"NUL ends the label text", std::string("LBA\0B\x03", 6), "LB[A]"},
        {"DT sets a terminator", "DT#;LBAB#PU;", "LB[AB] PU()"},
        {"DT with digit mode", "DT#,1;LBAB#DT#,0;LBCD#", "LB[AB] LB[CD]"},
        {"DT; restores ETX", "DT#;DT;LBA#B\x03", "LB[A#B]"},
        {"raw mode 0 prints the terminator", std::string("DT#,\0\x05LBAB#PU;", 14), "LB[AB#] PU()"},
        {"raw mode then ; restores default", std::string("DT#,\0;LBA#\x03", 11), "LB[A#]"},
        {"numbers cut by the end", "PU0,0;PD100,20", "PU(0,0) PD(100,20)"},
        {"LT on the two-head machine", "LT1PU2,3;", "LT(1) PU(2,3)"},
    };
    return cases;
}

TEST(HpglLexer, TwoHeadTable) {
    for (const Case& c : TwoHeadCases()) {
        const Lexed r = Lex(c.in);
        EXPECT_TRUE(r.ok) << c.what;
        EXPECT_EQ(r.log, c.out) << c.what;
    }
}

TEST(HpglLexer, FourHeadLineTypeRule) {
    const std::vector<Case> cases = {
        {"characters after the last comma are dropped", "LT1;", "LT()"},
        {"comma takes the number", "LT2,;", "LT(2)"},
        {"several", "LT 1,2 ;", "LT(1)"},
        {"letters are skipped, LF ends", "LT1PU2,3\nPD1;", "LT(12) PD(1)"},
        {"empty field is 0", "LT,;", "LT(0)"},
        {"end of input", "LT1,2", "LT(1)"},
        {"other commands unchanged", "PU1,2;", "PU(1,2)"},
    };
    for (const Case& c : cases) {
        const Lexed r = Lex(c.in, true);
        EXPECT_TRUE(r.ok) << c.what;
        EXPECT_EQ(r.log, c.out) << c.what;
    }
}

TEST(HpglLexer, LabelKeepsFirst512Bytes) {
    const std::string text(600, 'A');
    const Lexed r = Lex("LB" + text + "\x03;LB" + std::string(10, 'B') + "\x03");
    EXPECT_EQ(r.log, "LB[" + std::string(512, 'A') + "] LB[BBBBBBBBBB]");
    // Joined labels share the limit.
    const Lexed j = Lex("LB" + std::string(500, 'A') + "\x03LB" + std::string(20, 'B') + "\x03");
    EXPECT_EQ(j.log, "LB[" + std::string(500, 'A') + std::string(12, 'B') + "]");
}

TEST(HpglLexer, DigitAfterDfFailsAndStopsExecuting) {
    for (const char* in : {"PU1;DF5;PD1;", "DF -;", "DF .", "DF\n+"}) {
        const Lexed r = Lex(in);
        EXPECT_FALSE(r.ok) << in;
        EXPECT_EQ(r.log.find("PD"), std::string::npos) << in;
    }
}

// Cutting the input anywhere (a number, a name, a label, the bytes after a
// terminator, an escape) gives the same commands as reading it whole.
TEST(HpglLexer, BlockBoundariesChangeNothing) {
    std::vector<Case> all = TwoHeadCases();
    all.push_back({"mix", "IN;SP2;PU-12.75,+300;PD1234567,89.5,3,4;LBHello\x03LBWorld\r\n\x03LT1PG;", ""});
    for (const Case& c : all) {
        const Lexed whole = Lex(c.in);
        for (std::size_t block : {1, 2, 3, 7}) {
            const Lexed cut = Lex(c.in, false, block);
            EXPECT_EQ(cut.log, whole.log) << c.what << " in blocks of " << block;
        }
        const Lexed four = Lex(c.in, true);
        EXPECT_EQ(Lex(c.in, true, 1).log, four.log) << c.what;
    }
}

}  // namespace
}  // namespace pv
