#pragma once
// The HPGL ("PLT") reader: lexes a plotter file, executes each command against
// a small plotter state and records the pen actions, then builds the curves of
// one page from them.  Which curves are ink and which are knife is decided
// here by the selected pen (SP1 ink, SP2 and up knife).
//
// Coordinates stay in the file's own units; scaling them into plotter units
// (1/40 mm) by the PLT unit is the caller's step.
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "geometry/one_page.h"
#include "import/hpgl_lexer.h"
#include "import/label_drawer.h"
#include "import/message_sink.h"
#include "import/plot_command.h"

namespace pv {

struct AppSettings;

// Results of ReadFile / ReadStream.
enum HpglReadResult : int {
    kHpglOk = 0,
    kHpglCannotOpen = 1,
    kHpglBadSizeOrContent = -2,   // size out of range, not text, or more than the reader can hold
    kHpglSyntax = -3,             // a digit, sign or decimal point after DF
};

// floor(v + 0.5), so 2.5 gives 3 and -2.5 gives -2.  A magnitude above 5e75
// (or no number at all) gives 1; a result beyond the 32-bit range is clamped
// to it.
inline std::int32_t RoundHalfUp(double v) {
    if (!(std::fabs(v) <= 5e75)) return 1;
    const double r = std::floor(v + 0.5);
    if (r >= 2147483647.0) return INT32_MAX;
    if (r <= -2147483648.0) return INT32_MIN;
    return static_cast<std::int32_t>(r);
}

class CHpglFile : private HpglExecutor {
public:
    static constexpr std::int64_t kMinBytes = 6;
    static constexpr std::int64_t kMaxStreamBytes = 8'000'000;

    CHpglFile(const AppSettings& settings, MessageSink sink = {});
    virtual ~CHpglFile();
    CHpglFile(const CHpglFile&) = delete;
    CHpglFile& operator=(const CHpglFile&) = delete;

    std::string path;              // set by the caller
    std::string fileName;          // name part of path, filled by ReadFile
    PlotCommandList commands;      // the recorded pen actions, in order
    std::int64_t fileTime = 0;     // modification time, seconds since the epoch
    std::int64_t fileSize = 0;     // bytes, filled by ReadFile
    std::int32_t penX = 0, penY = 0;   // file units
    double labelAngle = 0.0;       // degrees
    double charHeight = 0.375;     // cm
    double charWidth = 0.285;      // cm
    std::int32_t labelOrigin = 1;  // 1..19 except 10
    std::int32_t penDown = 0;
    std::int32_t ipP1X = 0, ipP1Y = 0, ipP2X = 1000, ipP2Y = 1000;
    std::int32_t scXMin = 0, scXMax = 1000, scYMin = 0, scYMax = 1000;
    double autoScaleX = 1.0, autoScaleY = 1.0;   // from IP/SC, for the "3-Auto" PLT unit

    // The label state the lexer keeps (terminator, mode, text).
    const HpglLexer& lexer() const { return lexer_; }

    // IP/SC and their factors back to the defaults; drops every command.
    void ResetScaling();
    // Plotter and label state to the defaults, ResetScaling, font indexes.
    void BeginRead();
    // Reads the file at `path`: 0, 1 (cannot open), -2 (size outside
    // 6..40,000,000 bytes, 32,000,000 on the four-head machine, or not text),
    // -3 (syntax).
    int ReadFile();
    // The same lexer over text in memory: 0, -2 (size outside 6..8,000,000
    // bytes), -3.  No file information, no text check.
    int ReadStream(std::span<const std::uint8_t> data);
    int ReadStream(std::string_view text);
    // Appends the curves built from `commands` to `page`; with fillFileInfo
    // it first gives the page this file's path, name, time and size.
    void BuildPage(COnePage& page, int fillFileInfo) const;

private:
    void ExecuteCommand(HpglName name, std::span<const double> numbers) override;
    int Lex(std::span<const std::uint8_t> data);
    void ResetLabelSettings();
    void ExecuteScale(std::span<const double> v);
    void PenTo(std::span<const double> v, bool record);
    void ExecuteLabel();

    const AppSettings& settings_;
    HpglLexer lexer_;
    LabelDrawer labels_;
};

}  // namespace pv
