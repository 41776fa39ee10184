#include "import/stroke_font.h"

#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>

#include "settings/regular_file.h"

namespace pv {

namespace {

// Header values of the shipped fonts, used until a file is loaded.
constexpr std::uint16_t kShippedLatinMetrics[3] = {4, 22, 7};
constexpr std::uint16_t kShippedChineseMetrics[3] = {16, 16, 0};
// Advance of the shipped Latin space, in font units.
constexpr std::uint16_t kShippedSpaceAdvance = 16;

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

StrokeFont::StrokeFont(StrokeFontKind kind) : kind_(kind) {
    static const auto shipped = [](const std::uint16_t (&m)[3]) {
        auto f = std::make_shared<Face>();
        std::copy(std::begin(m), std::end(m), f->metrics);
        f->firstAdvance = kShippedSpaceAdvance;
        return std::shared_ptr<const Face>(std::move(f));
    };
    static const std::shared_ptr<const Face> latin = shipped(kShippedLatinMetrics);
    static const std::shared_ptr<const Face> chinese = shipped(kShippedChineseMetrics);
    face_ = kind == StrokeFontKind::Latin ? latin : chinese;
}

namespace {

// The font files are read at every HPGL read (the add-text tool, the DXF
// texts, every job): what each of the few files met gives (its bytes and
// its sorted index) is kept for the whole process and made again only when
// the file's identity, size, or times change.  Shared by every reader
// thread under one lock; the faces themselves are never changed.
struct FileIdentity {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{}, ctime{};
    bool operator==(const FileIdentity& o) const {
        return dev == o.dev && ino == o.ino && size == o.size && mtime.tv_sec == o.mtime.tv_sec &&
               mtime.tv_nsec == o.mtime.tv_nsec && ctime.tv_sec == o.ctime.tv_sec && ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

FileIdentity IdentityOf(const struct stat& st) { return {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim}; }

struct CachedFace {
    std::string path;
    StrokeFontKind kind;
    FileIdentity id;
    std::shared_ptr<const StrokeFont::Face> face;
};

constexpr std::size_t kCachedFaces = 4;
std::mutex cacheLock;
std::vector<CachedFace> cache;

std::shared_ptr<const StrokeFont::Face> Cached(const std::string& path, StrokeFontKind kind, const FileIdentity& id) {
    std::lock_guard g(cacheLock);
    for (const CachedFace& c : cache)
        if (c.path == path && c.kind == kind && c.id == id) return c.face;
    return nullptr;
}

void Remember(const std::string& path, StrokeFontKind kind, const FileIdentity& id,
              std::shared_ptr<const StrokeFont::Face> face) {
    std::lock_guard g(cacheLock);
    std::erase_if(cache, [&](const CachedFace& c) { return c.path == path && c.kind == kind; });
    if (cache.size() >= kCachedFaces) cache.erase(cache.begin());
    cache.push_back({path, kind, id, std::move(face)});
}

}  // namespace

FontLoadResult StrokeFont::Load(const std::string& path) {
    // Only a regular file, opened without waiting (a pipe named like the
    // font must not hold the reader up).
    RegularFile f;
    if (f.Open(path) != RegularFileResult::Ok) return FontLoadResult::CannotOpen;
    const struct stat& st = f.info();
    const FileIdentity id = IdentityOf(st);
    if (auto hit = Cached(path, kind_, id)) {
        face_ = std::move(hit);
        return FontLoadResult::Ok;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
    const long got = f.Read(bytes.data(), bytes.size());
    if (got < 0) return FontLoadResult::CannotOpen;
    // A file shorter than it was a moment ago is used but not kept.
    const bool complete = static_cast<std::size_t>(got) == bytes.size();
    bytes.resize(static_cast<std::size_t>(got));
    std::shared_ptr<const Face> made;
    const FontLoadResult result = Parse(std::move(bytes), made);
    // A face that kept values of the one before it (a header cut short, a
    // Latin index without records) is not the file's alone: not kept.
    const bool own = result == FontLoadResult::Ok && (kind_ != StrokeFontKind::Latin || !made->glyphs.empty());
    if (complete && own) Remember(path, kind_, id, made);
    face_ = std::move(made);
    return result;
}

FontLoadResult StrokeFont::LoadBytes(std::span<const std::uint8_t> bytes) {
    std::shared_ptr<const Face> made;
    const FontLoadResult result = Parse({bytes.begin(), bytes.end()}, made);
    face_ = std::move(made);
    return result;
}

FontLoadResult StrokeFont::Parse(std::vector<std::uint8_t> bytes, std::shared_ptr<const Face>& made) const {
    const bool latin = kind_ == StrokeFontKind::Latin;
    const std::size_t headerSize = latin ? 10 : 8;
    const std::size_t recordSize = latin ? 10 : 8;
    auto f = std::make_shared<Face>();
    std::copy(std::begin(face_->metrics), std::end(face_->metrics), f->metrics);
    f->firstAdvance = face_->firstAdvance;
    f->data = std::move(bytes);
    made = f;
    if (f->data.size() < headerSize) return FontLoadResult::BadHeader;

    const std::uint8_t* p = f->data.data();
    f->metrics[0] = U16(p);
    f->metrics[1] = U16(p + 2);
    if (latin) f->metrics[2] = U16(p + 4);
    const std::uint32_t count = U32(p + (latin ? 6 : 4));
    // A count larger than the file can hold keeps only the records present.
    const std::size_t fit = (f->data.size() - headerSize) / recordSize;
    const std::size_t n = std::min<std::size_t>(count, fit);
    f->glyphs.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t* r = p + headerSize + i * recordSize;
        if (latin)
            f->glyphs.emplace_back(U16(r), U16(r + 2), U16(r + 4), U32(r + 6));
        else
            f->glyphs.emplace_back(U16(r), U16(r + 2), 0, U32(r + 4));
    }
    if (latin && !f->glyphs.empty()) f->firstAdvance = f->glyphs.front().advance;
    // The lookup is a binary search; a file whose index is out of order still
    // finds every character.
    auto byCode = [](const CCharactor& a, const CCharactor& b) { return a.code < b.code; };
    if (!std::is_sorted(f->glyphs.begin(), f->glyphs.end(), byCode))
        std::stable_sort(f->glyphs.begin(), f->glyphs.end(), byCode);
    return FontLoadResult::Ok;
}

const CCharactor* StrokeFont::Find(std::uint16_t code) const {
    const auto& glyphs = face_->glyphs;
    auto it = std::lower_bound(glyphs.begin(), glyphs.end(), code,
                               [](const CCharactor& g, std::uint16_t c) { return g.code < c; });
    return it != glyphs.end() && it->code == code ? &*it : nullptr;
}

std::span<const std::uint8_t> StrokeFont::Bytes(const CCharactor& g) const {
    const auto& data = face_->data;
    if (g.byteCount == 0 || g.offset > data.size() || data.size() - g.offset < g.byteCount) return {};
    return {data.data() + g.offset, g.byteCount};
}

}  // namespace pv
