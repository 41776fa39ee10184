#include "import/hpgl_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "import/hpgl_page_builder.h"
#include "settings/app_settings.h"
#include "settings/regular_file.h"

namespace pv {

namespace {

constexpr double kPiDeg = 3.14159265359;        // for DI's degrees
constexpr double kUnitsPerCm = 400.0;           // file units per cm of label size
constexpr std::size_t kBlockBytes = 64 * 1024;  // read and lex in blocks of this size
constexpr double kMinAutoScale = 0.25;
constexpr double kMaxAutoScale = 4.0;

constexpr HpglName N(char a, char b) { return MakeHpglName(a, b); }

// |p / s|, or 1.0 when it cannot be computed or lies outside 0.25..4.
double AutoFactor(std::int64_t p, std::int64_t s) {
    if (s == 0) return 1.0;
    const double f = std::fabs(static_cast<double>(p) / static_cast<double>(s));
    return (f < kMinAutoScale || f > kMaxAutoScale) ? 1.0 : f;
}

std::string NamePart(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Bytes outside 0x09..0x7F: control characters below TAB and every byte of
// 0x80 and above.
int CountNonText(const std::uint8_t* p, std::size_t n) {
    int bad = 0;
    for (std::size_t i = 0; i < n; ++i) bad += (p[i] < 0x09 || p[i] > 0x7F) ? 1 : 0;
    return bad;
}

}  // namespace

CHpglFile::CHpglFile(const AppSettings& settings, MessageSink sink)
    : settings_(settings), lexer_(*this), labels_(settings, std::move(sink)) {}

CHpglFile::~CHpglFile() { ResetScaling(); }

void CHpglFile::ResetScaling() {
    ipP1X = ipP1Y = 0;
    ipP2X = ipP2Y = 1000;
    scXMin = scYMin = 0;
    scXMax = scYMax = 1000;
    autoScaleX = autoScaleY = 1.0;
    commands.Clear();
}

void CHpglFile::ResetLabelSettings() {
    charHeight = 0.375;
    charWidth = 0.285;
    lexer_.labelTerminator = 3;
    lexer_.terminatorMode = 1;
    labelAngle = 0.0;
    labelOrigin = 1;
}

void CHpglFile::BeginRead() {
    ResetLabelSettings();
    penX = penY = 0;
    penDown = 0;
    ResetScaling();
    labels_.LoadFonts();
}

int CHpglFile::ReadFile() {
    commands.Clear();
    fileName = NamePart(path);
    // Only a regular file, opened without waiting on a pipe or device.
    RegularFile f;
    if (f.Open(path) != RegularFileResult::Ok) return kHpglCannotOpen;
    const struct stat& st = f.info();
    fileTime = static_cast<std::int64_t>(st.st_mtime);
    fileSize = static_cast<std::int64_t>(st.st_size);
    if (fileSize < kMinBytes || fileSize > Info(settings_.edition).maxHpglBytes) return kHpglBadSizeOrContent;

    // The first block also carries the text check.  Only the size accepted
    // above is read, even if the file grows meanwhile.
    const auto buf = std::make_unique<std::uint8_t[]>(kBlockBytes);
    std::size_t left = static_cast<std::size_t>(fileSize);
    long got = f.Read(buf.get(), std::min(left, kBlockBytes));
    if (got < 0) return kHpglCannotOpen;
    if (CountNonText(buf.get(), std::min<std::size_t>(static_cast<std::size_t>(got), kMinBytes)) > 2) {
        return kHpglBadSizeOrContent;
    }

    BeginRead();
    lexer_.Begin(IsFourHead(settings_.edition));
    while (got > 0) {
        left -= static_cast<std::size_t>(got);
        if (!lexer_.Feed(buf.get(), static_cast<std::size_t>(got))) return kHpglSyntax;
        if (commands.Full()) return kHpglBadSizeOrContent;
        if (left == 0) break;
        got = f.Read(buf.get(), std::min(left, kBlockBytes));
        if (got < 0) return kHpglCannotOpen;
    }
    lexer_.Finish();
    return commands.Full() ? kHpglBadSizeOrContent : kHpglOk;
}

int CHpglFile::ReadStream(std::span<const std::uint8_t> data) {
    commands.Clear();
    const auto n = static_cast<std::int64_t>(data.size());
    if (n < kMinBytes || n > kMaxStreamBytes) return kHpglBadSizeOrContent;
    BeginRead();
    return Lex(data);
}

int CHpglFile::ReadStream(std::string_view text) {
    return ReadStream(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

int CHpglFile::Lex(std::span<const std::uint8_t> data) {
    lexer_.Begin(IsFourHead(settings_.edition));
    for (std::size_t at = 0; at < data.size(); at += kBlockBytes) {
        const std::size_t n = std::min(kBlockBytes, data.size() - at);
        if (!lexer_.Feed(data.data() + at, n)) return kHpglSyntax;
        if (commands.Full()) return kHpglBadSizeOrContent;
    }
    lexer_.Finish();
    return commands.Full() ? kHpglBadSizeOrContent : kHpglOk;
}

void CHpglFile::BuildPage(COnePage& page, int fillFileInfo) const {
    if (fillFileInfo != 0) {
        page.filePath = path;
        page.fileName = NamePart(path);
        page.fileTime = fileTime;
        page.fileSize = fileSize;
    }
    HpglPageBuilder(page).Build(commands);
}

void CHpglFile::ExecuteCommand(HpglName name, std::span<const double> v) {
    const std::size_t n = v.size();
    const bool fourHead = IsFourHead(settings_.edition);
    switch (name) {
        case N('P', 'D'):
            penDown = 1;
            PenTo(v, true);
            break;
        case N('P', 'U'):
            penDown = 0;
            PenTo(v, false);
            break;
        case N('P', 'A'):
            PenTo(v, penDown != 0);
            break;
        case N('S', 'P'):
            commands.AddPen(n == 0 ? 0 : RoundHalfUp(v[0]));
            break;
        case N('L', 'T'):
            commands.AddLineType(n > 0 && RoundHalfUp(v[n - 1]) != 0 ? 1 : 0);
            break;
        case N('P', 'G'):
        case N('F', 'R'):
            commands.AddPage();
            break;
        case N('I', 'N'):
            penX = penY = 0;
            penDown = 0;
            [[fallthrough]];
        case N('D', 'F'):
            ResetLabelSettings();
            if (!commands.Empty()) commands.AddLineType();
            break;
        case N('I', 'P'):
            if (!fourHead && n == 4) {
                ipP1X = RoundHalfUp(v[0]);
                ipP1Y = RoundHalfUp(v[1]);
                ipP2X = RoundHalfUp(v[2]);
                ipP2Y = RoundHalfUp(v[3]);
            }
            break;
        case N('S', 'C'):
            if (!fourHead) ExecuteScale(v);
            break;
        case N('L', 'O'): {
            const std::int32_t o = n == 0 ? 1 : RoundHalfUp(v[0]);
            labelOrigin = (o >= 1 && o <= 19 && o != 10) ? o : 1;
            break;
        }
        case N('S', 'I'):
            if (n < 2) {
                charWidth = 0.285;
                charHeight = 0.375;
            } else {
                charWidth = v[0];
                charHeight = v[1];
            }
            break;
        case N('D', 'I'):
            labelAngle = n < 2 ? 0.0 : std::atan2(v[1], v[0]) * 180.0 / kPiDeg;
            break;
        case N('D', 'R'):
            if (n == 0) {
                labelAngle = 0.0;
            } else if (n == 2) {
                if (v[0] == 0.0 && v[1] != 0.0) labelAngle = 90.0;
                else if (v[0] != 0.0 && v[1] == 0.0) labelAngle = 0.0;
            }
            break;
        case N('L', 'B'):
            ExecuteLabel();
            break;
        default:
            break;   // read and ignored, numbers dropped
    }
}

void CHpglFile::ExecuteScale(std::span<const double> v) {
    if (v.size() != 4 || settings_.PltFileUnit != 2) {
        autoScaleX = autoScaleY = 1.0;
        return;
    }
    scXMin = RoundHalfUp(v[0]);
    scXMax = RoundHalfUp(v[1]);
    scYMin = RoundHalfUp(v[2]);
    scYMax = RoundHalfUp(v[3]);
    autoScaleX = AutoFactor(std::int64_t{ipP2X} - ipP1X, std::int64_t{scXMax} - scXMin);
    autoScaleY = AutoFactor(std::int64_t{ipP2Y} - ipP1Y, std::int64_t{scYMax} - scYMin);
}

// Values pair up from the first; an unpaired last value is dropped.  With
// `record` the pen draws from its position through every pair; either way it
// ends at the last pair.
void CHpglFile::PenTo(std::span<const double> v, bool record) {
    const std::size_t pairs = v.size() / 2;
    if (pairs == 0) return;
    if (record) {
        commands.AddMove(penX, penY);
        commands.BeginDraw();
        for (std::size_t i = 0; i + 1 < pairs; ++i) {
            commands.AppendToDraw(RoundHalfUp(v[2 * i]), RoundHalfUp(v[2 * i + 1]));
        }
    }
    penX = RoundHalfUp(v[2 * pairs - 2]);
    penY = RoundHalfUp(v[2 * pairs - 1]);
    if (record) commands.AppendToDraw(penX, penY);
}

// A label is drawn line by line from the pen position, which it leaves
// unchanged: CR returns to the pen's X, LF steps Y by one character height
// (whatever the label direction).
void CHpglFile::ExecuteLabel() {
    const std::span<const std::uint8_t> text = lexer_.Label();
    const std::int32_t fontScale = LabelFontScale(settings_);   // %
    const LabelStyle style{charHeight, charWidth, labelAngle, labelOrigin, fontScale};
    const std::int64_t lineStep = RoundHalfUp(charHeight * kUnitsPerCm * fontScale * 0.01);
    std::int64_t x = penX;
    std::int64_t y = penY;
    std::size_t start = 0;
    auto drawLine = [&](std::size_t endAt) {
        if (endAt > start) {
            labels_.DrawLine(static_cast<double>(x), static_cast<double>(y), text.data() + start,
                             static_cast<int>(endAt - start), style, commands);
        }
        start = endAt + 1;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            drawLine(i);
            x = penX;
        } else if (text[i] == '\n') {
            drawLine(i);
            y = std::clamp<std::int64_t>(y + lineStep, INT32_MIN, INT32_MAX);
        }
    }
    drawLine(text.size());
}

}  // namespace pv
