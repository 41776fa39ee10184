#include "import/stroke_font.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <mutex>
#include <string>

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

StrokeFont::StrokeFont(StrokeFontKind kind) : kind_(kind), firstAdvance_(kShippedSpaceAdvance) {
    const auto& m = kind == StrokeFontKind::Latin ? kShippedLatinMetrics : kShippedChineseMetrics;
    std::copy(std::begin(m), std::end(m), metrics_);
}

namespace {

// The font files are read at every HPGL read (the add-text tool, the DXF
// texts, every job): the bytes of the few files met are kept for the whole
// process and read again only when the file's identity, size, or times
// change.  Shared by every reader thread under one lock.
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

struct CachedFont {
    std::string path;
    FileIdentity id;
    std::shared_ptr<const std::vector<std::uint8_t>> bytes;
};

constexpr std::size_t kCachedFonts = 4;
std::mutex cacheLock;
std::vector<CachedFont> cache;

std::shared_ptr<const std::vector<std::uint8_t>> Cached(const std::string& path, const FileIdentity& id) {
    std::lock_guard g(cacheLock);
    for (const CachedFont& c : cache)
        if (c.path == path && c.id == id) return c.bytes;
    return nullptr;
}

void Remember(const std::string& path, const FileIdentity& id, std::shared_ptr<const std::vector<std::uint8_t>> bytes) {
    std::lock_guard g(cacheLock);
    std::erase_if(cache, [&](const CachedFont& c) { return c.path == path; });
    if (cache.size() >= kCachedFonts) cache.erase(cache.begin());
    cache.push_back({path, id, std::move(bytes)});
}

// The whole file in one read; null when it cannot be opened or read.
std::shared_ptr<const std::vector<std::uint8_t>> ReadFontFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    const FileIdentity id = IdentityOf(st);
    if (auto hit = Cached(path, id)) {
        ::close(fd);
        return hit;
    }
    auto bytes = std::make_shared<std::vector<std::uint8_t>>(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < bytes->size()) {
        const ssize_t n = ::read(fd, bytes->data() + got, bytes->size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return nullptr;
        }
        if (n == 0) break;   // shorter than it was a moment ago
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes->resize(got);
    if (got == static_cast<std::size_t>(st.st_size)) Remember(path, id, bytes);
    return bytes;
}

}  // namespace

FontLoadResult StrokeFont::Load(const std::string& path) {
    const auto bytes = ReadFontFile(path);
    if (!bytes) return FontLoadResult::CannotOpen;
    return LoadBytes(*bytes);
}

FontLoadResult StrokeFont::LoadBytes(std::span<const std::uint8_t> bytes) {
    const bool latin = kind_ == StrokeFontKind::Latin;
    const std::size_t headerSize = latin ? 10 : 8;
    const std::size_t recordSize = latin ? 10 : 8;
    glyphs_.clear();
    data_.assign(bytes.begin(), bytes.end());
    if (data_.size() < headerSize) return FontLoadResult::BadHeader;

    const std::uint8_t* p = data_.data();
    metrics_[0] = U16(p);
    metrics_[1] = U16(p + 2);
    if (latin) metrics_[2] = U16(p + 4);
    const std::uint32_t count = U32(p + (latin ? 6 : 4));
    // A count larger than the file can hold keeps only the records present.
    const std::size_t fit = (data_.size() - headerSize) / recordSize;
    const std::size_t n = std::min<std::size_t>(count, fit);
    glyphs_.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t* r = p + headerSize + i * recordSize;
        if (latin)
            glyphs_.emplace_back(U16(r), U16(r + 2), U16(r + 4), U32(r + 6));
        else
            glyphs_.emplace_back(U16(r), U16(r + 2), 0, U32(r + 4));
    }
    if (latin && !glyphs_.empty()) firstAdvance_ = glyphs_.front().advance;
    // The lookup is a binary search; a file whose index is out of order still
    // finds every character.
    auto byCode = [](const CCharactor& a, const CCharactor& b) { return a.code < b.code; };
    if (!std::is_sorted(glyphs_.begin(), glyphs_.end(), byCode))
        std::stable_sort(glyphs_.begin(), glyphs_.end(), byCode);
    return FontLoadResult::Ok;
}

const CCharactor* StrokeFont::Find(std::uint16_t code) const {
    auto it = std::lower_bound(glyphs_.begin(), glyphs_.end(), code,
                               [](const CCharactor& g, std::uint16_t c) { return g.code < c; });
    return it != glyphs_.end() && it->code == code ? &*it : nullptr;
}

std::span<const std::uint8_t> StrokeFont::Bytes(const CCharactor& g) const {
    if (g.byteCount == 0 || g.offset > data_.size() || data_.size() - g.offset < g.byteCount) return {};
    return {data_.data() + g.offset, g.byteCount};
}

}  // namespace pv
