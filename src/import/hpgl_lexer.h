#pragma once
// The HPGL lexer: splits plotter text into two-letter commands with their
// numbers or label text and hands each finished command to an executor.
//
// One pass, no backtracking, fed in blocks of any size: everything that is
// still open at the end of a block (a number, a command name, a label, the
// two bytes looked at after a label terminator) carries over to the next
// block, so the commands executed do not depend on where blocks end.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pv {

// A command name as one code: first letter in the high byte ("PD" is
// 'P' << 8 | 'D'); both letters upper case.
using HpglName = std::uint16_t;
constexpr HpglName MakeHpglName(char a, char b) {
    return static_cast<HpglName>((static_cast<unsigned>(a) << 8) | static_cast<unsigned char>(b));
}

class HpglExecutor {
public:
    virtual ~HpglExecutor() = default;
    // Executes the command just lexed.  Label text (LB) is in the lexer's
    // label buffer; `numbers` is empty for labels.
    virtual void ExecuteCommand(HpglName name, std::span<const double> numbers) = 0;
};

class HpglLexer {
public:
    static constexpr int kLabelCapacity = 512;   // bytes of label text kept

    explicit HpglLexer(HpglExecutor& executor) : executor_(executor) {}

    // Starts a new input.  `fourHeadLt` selects the four-head machine's
    // parameter rule for LT.
    void Begin(bool fourHeadLt);
    // Lexes one block.  Returns false once DF was followed by a digit, sign or
    // decimal point: the read has failed and nothing more is executed.
    bool Feed(const std::uint8_t* data, std::size_t n);
    // End of input: executes a command whose name is complete and that has
    // not been executed yet (an unterminated label, numbers cut short).
    void Finish();
    bool Failed() const { return failed_; }

    // Label state, shared with the command execution (IN and DF restore it).
    std::uint8_t labelTerminator = 3;   // ETX
    // 1: the terminator is not part of the text; 0: it is appended to the
    // text.  While DT is read it also holds the sub-states 129 (terminator
    // read) and 130 (comma read).
    std::uint8_t terminatorMode = 1;
    std::uint8_t labelText[kLabelCapacity + 1] = {};
    std::int32_t labelLength = 0;

    // The label text up to its first NUL.
    std::span<const std::uint8_t> Label() const;

private:
    enum class State : std::uint8_t {
        ExpectCommand,
        NoParams,          // DF
        Numbers,
        LabelText,
        LabelTerminator,   // terminator read; looking for "LB" after it
        SkipEscape,
        TerminatorDef,     // DT
        FourHeadLt,        // LT on the four-head machine
    };
    // None: no number is being read; Begin: a run has started and nothing
    // of it is taken yet; Done: the valid prefix has ended, the rest of the
    // run is read and ignored.
    enum class NumPhase : std::uint8_t { None, Begin, Sign, Int, Frac, Done };

    const std::uint8_t* LexExpect(const std::uint8_t* p, const std::uint8_t* end);
    const std::uint8_t* LexNoParams(const std::uint8_t* p, const std::uint8_t* end);
    const std::uint8_t* LexNumbers(const std::uint8_t* p, const std::uint8_t* end);
    const std::uint8_t* LexLabel(const std::uint8_t* p, const std::uint8_t* end);
    const std::uint8_t* LexLabelTerminator(const std::uint8_t* p, const std::uint8_t* end);
    const std::uint8_t* LexTerminatorDef(const std::uint8_t* p, const std::uint8_t* end);
    const std::uint8_t* LexFourHeadLt(const std::uint8_t* p, const std::uint8_t* end);

    void NameComplete();
    void StartName(std::uint8_t letter);
    void Execute();
    // A semicolon or a letter (byte class `cls`) ends the command being
    // read: it runs, and the letter starts the next name.  False for any
    // other byte.
    bool EndsCommand(std::uint8_t cls, std::uint8_t c);
    void AppendLabelByte(std::uint8_t b);
    void EndLabel();

    // Numbers: the longest valid prefix of a run of digits, signs and full
    // stops, as the C library's atof reads it (1.5.3 is 1.5, "-" is 0).
    void NumberStart();
    void AddDigit(std::uint8_t c);
    void NumberChar(std::uint8_t c);
    double NumberValue() const;
    void NumberEnd() { numbers_.push_back(NumberValue()); numPhase_ = NumPhase::None; }

    HpglExecutor& executor_;
    State state_ = State::ExpectCommand;
    bool fourHeadLt_ = false;
    bool failed_ = false;
    int letters_ = 0;             // name letters read in ExpectCommand
    char name_[3] = {};
    int skip_ = 0;                // bytes still to skip after ESC
    int ltMatched_ = 0;           // bytes of "LB" seen after a terminator
    std::vector<double> numbers_;

    // The number being read.
    NumPhase numPhase_ = NumPhase::None;
    bool negative_ = false;
    bool anyDigit_ = false;
    bool slow_ = false;           // mantissa or exponent too long for the exact fast path
    bool intOverflow_ = false;    // far more integer digits than a double holds
    int sigDigits_ = 0;
    int fracDigits_ = 0;
    std::uint64_t mantissa_ = 0;
    static constexpr int kMaxIntText = 400;    // beyond 1e400: infinite
    static constexpr int kMaxFracText = 800;   // later digits cannot matter
    int intText_ = 0;
    int fracText_ = 0;
    char digits_[kMaxIntText + 1 + kMaxFracText + 1] = {};
};

}  // namespace pv
