#include "import/hpgl_lexer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace pv {

namespace {

enum CharClass : std::uint8_t {
    kOther,
    kLetter,
    kDigit,
    kSign,
    kDot,
    kSemicolon,
    kEscape,
};

constexpr std::array<std::uint8_t, 256> MakeClasses() {
    std::array<std::uint8_t, 256> t{};
    for (int c = 'A'; c <= 'Z'; ++c) t[c] = kLetter;
    for (int c = 'a'; c <= 'z'; ++c) t[c] = kLetter;
    for (int c = '0'; c <= '9'; ++c) t[c] = kDigit;
    t['+'] = kSign;
    t['-'] = kSign;
    t['.'] = kDot;
    t[';'] = kSemicolon;
    t[27] = kEscape;
    return t;
}
constexpr std::array<std::uint8_t, 256> kClass = MakeClasses();

constexpr bool IsNumberChar(std::uint8_t cls) { return cls == kDigit || cls == kSign || cls == kDot; }
constexpr char Upper(std::uint8_t c) { return static_cast<char>(c >= 'a' ? c - 32 : c); }

constexpr std::uint8_t kEsc = 27;
constexpr std::uint8_t kEnq = 5;
constexpr std::uint8_t kLf = 10;
constexpr int kEscapeSkip = 4;   // bytes of an escape sequence after ESC

// Powers of ten that a double holds exactly.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPow10 = 22;
constexpr std::uint64_t kMaxExactMantissa = std::uint64_t{1} << 53;
constexpr int kMaxMantissaDigits = 19;

}  // namespace

void HpglLexer::Begin(bool fourHeadLt) {
    fourHeadLt_ = fourHeadLt;
    state_ = State::ExpectCommand;
    failed_ = false;
    letters_ = 0;
    name_[0] = name_[1] = name_[2] = 0;
    skip_ = 0;
    ltMatched_ = 0;
    numbers_.clear();
    numPhase_ = NumPhase::None;
    labelTerminator = 3;
    terminatorMode = 1;
    labelLength = 0;
    labelText[0] = 0;
}

std::span<const std::uint8_t> HpglLexer::Label() const {
    const void* nul = std::memchr(labelText, 0, static_cast<std::size_t>(labelLength));
    const std::size_t n = nul ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - labelText)
                              : static_cast<std::size_t>(labelLength);
    return {labelText, n};
}

bool HpglLexer::Feed(const std::uint8_t* data, std::size_t n) {
    const std::uint8_t* p = data;
    const std::uint8_t* end = data + n;
    while (p < end && !failed_) {
        switch (state_) {
            case State::ExpectCommand: p = LexExpect(p, end); break;
            case State::NoParams: p = LexNoParams(p, end); break;
            case State::Numbers: p = LexNumbers(p, end); break;
            case State::LabelText: p = LexLabel(p, end); break;
            case State::LabelTerminator: p = LexLabelTerminator(p, end); break;
            case State::TerminatorDef: p = LexTerminatorDef(p, end); break;
            case State::FourHeadLt: p = LexFourHeadLt(p, end); break;
            case State::SkipEscape: {
                const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(skip_),
                                                             static_cast<std::size_t>(end - p));
                p += k;
                skip_ -= static_cast<int>(k);
                if (skip_ == 0) state_ = State::ExpectCommand;
                break;
            }
        }
    }
    return !failed_;
}

void HpglLexer::Finish() {
    if (failed_) return;
    switch (state_) {
        case State::ExpectCommand:   // a lone first letter is no command
        case State::SkipEscape:      // its command has run already
            break;
        case State::NoParams:
        case State::LabelText:
            Execute();
            break;
        case State::Numbers:
            if (numPhase_ != NumPhase::None) NumberEnd();
            Execute();
            break;
        case State::LabelTerminator:
            // A first 'L' after the terminator is no command by itself.
            EndLabel();
            break;
        case State::TerminatorDef:
            if (terminatorMode > 1) terminatorMode = 1;
            break;
        case State::FourHeadLt:
            // Characters after the last comma are not taken.
            numPhase_ = NumPhase::None;
            Execute();
            break;
    }
    state_ = State::ExpectCommand;
}

const std::uint8_t* HpglLexer::LexExpect(const std::uint8_t* p, const std::uint8_t* end) {
    while (p < end) {
        const std::uint8_t c = *p++;
        const std::uint8_t cls = kClass[c];
        if (cls == kLetter) {
            if (letters_ == 0) {
                name_[0] = Upper(c);
                letters_ = 1;
            } else {
                name_[1] = Upper(c);
                NameComplete();
                return p;
            }
        } else if (letters_ == 1) {
            letters_ = 0;   // a letter on its own is dropped
        } else if (c == kEsc) {
            state_ = State::SkipEscape;
            skip_ = kEscapeSkip;
            return p;
        }
    }
    return p;
}

void HpglLexer::NameComplete() {
    letters_ = 0;
    numbers_.clear();
    numPhase_ = NumPhase::None;
    const HpglName name = MakeHpglName(name_[0], name_[1]);
    if (name == MakeHpglName('D', 'F')) {
        state_ = State::NoParams;
    } else if (name == MakeHpglName('D', 'T')) {
        state_ = State::TerminatorDef;
    } else if (name == MakeHpglName('L', 'B')) {
        state_ = State::LabelText;
        labelLength = 0;
        labelText[0] = 0;
    } else if (fourHeadLt_ && name == MakeHpglName('L', 'T')) {
        state_ = State::FourHeadLt;
    } else {
        state_ = State::Numbers;
    }
}

void HpglLexer::StartName(std::uint8_t letter) {
    name_[0] = Upper(letter);
    letters_ = 1;
    state_ = State::ExpectCommand;
}

void HpglLexer::Execute() {
    executor_.ExecuteCommand(MakeHpglName(name_[0], name_[1]), numbers_);
    numbers_.clear();
}

bool HpglLexer::EndsCommand(std::uint8_t cls, std::uint8_t c) {
    if (cls == kSemicolon) {
        Execute();
        state_ = State::ExpectCommand;
        return true;
    }
    if (cls == kLetter) {
        Execute();
        StartName(c);
        return true;
    }
    return false;
}

const std::uint8_t* HpglLexer::LexNoParams(const std::uint8_t* p, const std::uint8_t* end) {
    while (p < end) {
        const std::uint8_t c = *p++;
        const std::uint8_t cls = kClass[c];
        if (EndsCommand(cls, c)) return p;
        if (IsNumberChar(cls)) {
            failed_ = true;   // DF takes no parameters
            return end;
        }
    }
    return p;
}

const std::uint8_t* HpglLexer::LexNumbers(const std::uint8_t* p, const std::uint8_t* end) {
    while (p < end) {
        const std::uint8_t c = *p;
        const std::uint8_t cls = kClass[c];
        if (IsNumberChar(cls)) {
            if (numPhase_ == NumPhase::None) NumberStart();
            NumberChar(c);
            ++p;
            // The common case: the integer digits of a coordinate.
            if (numPhase_ == NumPhase::Int) {
                while (p < end && kClass[*p] == kDigit) AddDigit(*p++);
            }
            continue;
        }
        ++p;
        if (numPhase_ != NumPhase::None) NumberEnd();
        if (EndsCommand(cls, c)) return p;
        if (cls == kEscape) {
            Execute();
            state_ = State::SkipEscape;
            skip_ = kEscapeSkip;
            return p;
        }
        // Anything else only separates numbers.
    }
    return p;
}

const std::uint8_t* HpglLexer::LexLabel(const std::uint8_t* p, const std::uint8_t* end) {
    const void* hit = std::memchr(p, labelTerminator, static_cast<std::size_t>(end - p));
    const std::uint8_t* stop = hit ? static_cast<const std::uint8_t*>(hit) : end;
    // Text beyond the label buffer is dropped.
    const std::size_t room = static_cast<std::size_t>(kLabelCapacity - labelLength);
    const std::size_t take = std::min(room, static_cast<std::size_t>(stop - p));
    std::memcpy(labelText + labelLength, p, take);
    labelLength += static_cast<std::int32_t>(take);
    labelText[labelLength] = 0;
    if (!hit) return end;
    state_ = State::LabelTerminator;
    ltMatched_ = 0;
    return stop + 1;
}

const std::uint8_t* HpglLexer::LexLabelTerminator(const std::uint8_t* p, const std::uint8_t* end) {
    while (p < end) {
        const std::uint8_t c = *p;
        if (ltMatched_ == 0) {
            if (c == 'L') {
                ltMatched_ = 1;
                ++p;
                continue;
            }
            EndLabel();   // c is examined again as the start of a command
            return p;
        }
        if (c == 'B') {   // terminator + "LB": the label goes on
            state_ = State::LabelText;
            return p + 1;
        }
        EndLabel();
        StartName('L');   // the 'L' read ahead, then c, are examined again
        return p;
    }
    return p;
}

void HpglLexer::EndLabel() {
    if (terminatorMode == 0) AppendLabelByte(labelTerminator);
    Execute();
    state_ = State::ExpectCommand;
}

void HpglLexer::AppendLabelByte(std::uint8_t b) {
    if (labelLength >= kLabelCapacity) return;
    labelText[labelLength++] = b;
    labelText[labelLength] = 0;
}

const std::uint8_t* HpglLexer::LexTerminatorDef(const std::uint8_t* p, const std::uint8_t* end) {
    while (p < end) {
        const std::uint8_t c = *p;
        if (terminatorMode == 129) {   // terminator read: a comma may follow
            if (c == ',') {
                terminatorMode = 130;
                ++p;
                continue;
            }
            terminatorMode = 1;
            state_ = State::ExpectCommand;
            return p;
        }
        if (terminatorMode == 130) {   // comma read: a raw 0 or 1 is the mode
            if (c <= 1) {
                terminatorMode = c;
                ++p;
                continue;
            }
            terminatorMode = 1;
            state_ = State::ExpectCommand;
            return p;
        }
        ++p;
        if (c == ';') {
            labelTerminator = 3;
            terminatorMode = 1;
            state_ = State::ExpectCommand;
            return p;
        }
        if (c == 0 || c == kEnq || c == kEsc) {
            state_ = State::ExpectCommand;
            return p;
        }
        labelTerminator = c;
        terminatorMode = 129;
    }
    return p;
}

const std::uint8_t* HpglLexer::LexFourHeadLt(const std::uint8_t* p, const std::uint8_t* end) {
    while (p < end) {
        const std::uint8_t c = *p++;
        const std::uint8_t cls = kClass[c];
        if (IsNumberChar(cls)) {
            if (numPhase_ == NumPhase::None) NumberStart();
            NumberChar(c);
        } else if (c == ',') {
            if (numPhase_ == NumPhase::None) {
                numbers_.push_back(0.0);   // nothing collected reads as 0
            } else {
                NumberEnd();
            }
        } else if (cls == kSemicolon || c == kLf) {
            numPhase_ = NumPhase::None;   // characters after the last comma are dropped
            Execute();
            state_ = State::ExpectCommand;
            return p;
        }
        // Every other byte is skipped.
    }
    return p;
}

void HpglLexer::NumberStart() {
    numPhase_ = NumPhase::Begin;
    negative_ = false;
    anyDigit_ = false;
    slow_ = false;
    intOverflow_ = false;
    sigDigits_ = 0;
    fracDigits_ = 0;
    mantissa_ = 0;
    intText_ = 0;
    fracText_ = 0;
    digits_[0] = '0';
}

void HpglLexer::AddDigit(std::uint8_t c) {
    const unsigned d = c - '0';
    anyDigit_ = true;
    if (numPhase_ == NumPhase::Int) {
        if (mantissa_ == 0 && d == 0 && intText_ == 0) return;   // leading zero
        if (intText_ < kMaxIntText) {
            digits_[1 + intText_++] = static_cast<char>(c);
        } else {
            intOverflow_ = true;
        }
    } else {
        ++fracDigits_;
        if (fracText_ < kMaxFracText) digits_[2 + intText_ + fracText_++] = static_cast<char>(c);
        if (mantissa_ == 0 && d == 0) return;   // leading zero of the fraction
    }
    if (sigDigits_ < kMaxMantissaDigits) {
        mantissa_ = mantissa_ * 10 + d;
        ++sigDigits_;
    } else {
        slow_ = true;
    }
}

void HpglLexer::NumberChar(std::uint8_t c) {
    const std::uint8_t cls = kClass[c];
    switch (numPhase_) {
        case NumPhase::None:
        case NumPhase::Done:
            return;
        case NumPhase::Begin:
        case NumPhase::Sign:
            if (cls == kDigit) {
                numPhase_ = NumPhase::Int;
                AddDigit(c);
            } else if (cls == kDot) {
                numPhase_ = NumPhase::Frac;
                digits_[1 + intText_] = '.';
            } else if (numPhase_ == NumPhase::Begin) {
                negative_ = c == '-';
                numPhase_ = NumPhase::Sign;
            } else {
                numPhase_ = NumPhase::Done;   // a second sign ends the prefix
            }
            return;
        case NumPhase::Int:
            if (cls == kDigit) {
                AddDigit(c);
            } else if (cls == kDot) {
                numPhase_ = NumPhase::Frac;
                digits_[1 + intText_] = '.';
            } else {
                numPhase_ = NumPhase::Done;
            }
            return;
        case NumPhase::Frac:
            if (cls == kDigit) {
                AddDigit(c);
            } else {
                numPhase_ = NumPhase::Done;
            }
            return;
    }
}

double HpglLexer::NumberValue() const {
    if (!anyDigit_) return 0.0;
    double v;
    if (intOverflow_) {
        v = std::numeric_limits<double>::infinity();
    } else if (!slow_ && fracDigits_ <= kMaxExactPow10 && mantissa_ <= kMaxExactMantissa) {
        // Both operands are exact, so the one division rounds correctly.
        v = static_cast<double>(mantissa_) / kPow10[fracDigits_];
    } else {
        const char* first = digits_;
        const char* last = digits_ + 1 + intText_ + (fracText_ > 0 ? 1 + fracText_ : 0);
        const auto r = std::from_chars(first, last, v);
        if (r.ec == std::errc::result_out_of_range) {
            v = intText_ > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        } else if (r.ec != std::errc()) {
            v = 0.0;
        }
    }
    return negative_ ? -v : v;
}

}  // namespace pv
