#include "output/plt_writer.h"

#include <cstdio>

#include "settings/atomic_file_writer.h"

namespace pv {

namespace {

// Appends the text of one curve; `lineType` and `pen` are the writer's
// current state.
void AppendCurve(std::string& out, const CCurve& curve, bool first, std::int32_t& lineType, std::int32_t& pen) {
    char buf[64];
    if (curve.lineType != lineType) {
        lineType = curve.lineType;
        out.append(buf, static_cast<std::size_t>(std::snprintf(buf, sizeof buf, "LT%d;", lineType)));
    }
    if (first || curve.kind != pen) {
        pen = curve.kind;
        out.append(buf, static_cast<std::size_t>(std::snprintf(buf, sizeof buf, "SP%d;", pen)));
    }
    if (curve.points.empty()) return;
    const Point& p0 = curve.points.front();
    out.append(buf, static_cast<std::size_t>(std::snprintf(buf, sizeof buf, "PU%d,%d;PD", p0.x, p0.y)));
    for (const Point& p : curve.points)
        out.append(buf, static_cast<std::size_t>(std::snprintf(buf, sizeof buf, "%d,%d,", p.x, p.y)));
    out += ';';
}

// Feeds the page's text to `sink` curve by curve; stops when it fails.
template <class Sink>
bool EmitPage(const COnePage& page, Sink&& sink) {
    std::int32_t lineType = 0, pen = 1;
    std::string chunk;
    for (std::size_t i = 0; i < page.curves.size(); ++i) {
        chunk.clear();
        AppendCurve(chunk, page.curves[i], i == 0, lineType, pen);
        if (!sink(chunk)) return false;
    }
    return sink(std::string_view("PG;"));
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
