#include "output/plt_writer.h"

#include <charconv>
#include <string>

#include "settings/atomic_file_writer.h"

namespace pv {

namespace {

// Decimal integers straight into the text: a 35 MB marker is millions of
// numbers, and formatting them through printf cost more than the rest of
// the export together.
void AppendInt(std::string& out, std::int32_t v) {
    char buf[16];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void AppendCommand(std::string& out, const char* name, std::int32_t v) {
    out += name;
    AppendInt(out, v);
    out += ';';
}

// Appends the text of one curve; `lineType` and `pen` are the writer's
// current state.
void AppendCurve(std::string& out, const CCurve& curve, bool first, std::int32_t& lineType, std::int32_t& pen) {
    if (curve.lineType != lineType) {
        lineType = curve.lineType;
        AppendCommand(out, "LT", lineType);
    }
    if (first || curve.kind != pen) {
        pen = curve.kind;
        AppendCommand(out, "SP", pen);
    }
    if (curve.points.empty()) return;
    // At most 24 bytes a point ("-2147483648," twice).
    out.reserve(out.size() + 32 + 24 * curve.points.size());
    const Point& p0 = curve.points.front();
    out += "PU";
    AppendInt(out, p0.x);
    out += ',';
    AppendInt(out, p0.y);
    out += ";PD";
    for (const Point& p : curve.points) {
        AppendInt(out, p.x);
        out += ',';
        AppendInt(out, p.y);
        out += ',';
    }
    out += ';';
}

// Feeds the page's text to `sink` curve by curve; stops when it fails.
template <class Sink>
bool EmitPage(const COnePage& page, Sink&& sink) {
    std::int32_t lineType = 0, pen = 1;
    // Handed on in pieces of about 64 KB: few writes, no second copy of a
    // large page in memory.
    constexpr std::size_t kPiece = std::size_t{1} << 16;
    std::string chunk;
    for (std::size_t i = 0; i < page.curves.size(); ++i) {
        AppendCurve(chunk, page.curves[i], i == 0, lineType, pen);
        if (chunk.size() >= kPiece) {
            if (!sink(std::string_view(chunk))) return false;
            chunk.clear();
        }
    }
    chunk += "PG;";
    return sink(std::string_view(chunk));
}

}  // namespace

std::string PltText(const COnePage& page) {
    std::string out;
    EmitPage(page, [&out](std::string_view text) {
        out.append(text);
        return true;
    });
    return out;
}

bool WritePlt(const COnePage& page, const std::string& path, std::string* error) {
    // Written curve by curve so a large page needs no second copy in memory.
    AtomicFileWriter file(path);
    const bool ok = file.Open() && EmitPage(page, [&file](std::string_view text) { return file.Write(text); }) &&
                    file.Commit();
    if (!ok && error) *error = file.Error();
    return ok;
}

}  // namespace pv
