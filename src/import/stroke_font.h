#pragma once
// One of the two single-line stroke fonts that labels are drawn with: its
// header metrics, its code-sorted index and its glyph bytes.
//
// File layout (little-endian): a header, the index records, then the glyph
// byte strings back to back in index order.
//   Latin  ("fon_en.bin"): u16 metric0, u16 metric1, u16 metric2, u32 count,
//          count x {u16 code, u16 byte count, u16 advance, u32 offset}
//   Chinese ("fon_hz.bin"): u16 cell width, u16 cell height, u32 count,
//          count x {u16 code (lead byte high), u16 byte count, u32 offset}
// The glyph bytes are shape vector codes; see LabelDrawer::DrawGlyph.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace pv {

// One index record.
class CCharactor {
public:
    CCharactor() = default;
    CCharactor(std::uint16_t c, std::uint16_t n, std::uint16_t adv, std::uint32_t off)
        : code(c), byteCount(n), advance(adv), offset(off) {}
    CCharactor(const CCharactor&) = default;
    CCharactor& operator=(const CCharactor&) = default;
    virtual ~CCharactor() = default;

    std::uint16_t code = 0;
    std::uint16_t byteCount = 0;
    std::uint16_t advance = 0;   // Latin only, in font units; 0 for Chinese records
    std::uint32_t offset = 0;    // file offset of the glyph bytes
};

enum class StrokeFontKind : std::uint8_t { Latin, Chinese };

enum class FontLoadResult : std::int8_t {
    Ok = 0,
    CannotOpen = -1,   // the file could not be opened or read
    BadHeader = -2,    // shorter than its header: the index is left empty
};

class StrokeFont {
public:
    explicit StrokeFont(StrokeFontKind kind);

    // Reads the whole file: header, index and glyph bytes.  When the file
    // cannot be opened everything stays as it was.  Index records that do not
    // lie wholly inside the file are dropped; glyphs whose bytes reach past the
    // end of the file are treated as absent.
    FontLoadResult Load(const std::string& path);
    // The same from bytes already in memory.
    FontLoadResult LoadBytes(std::span<const std::uint8_t> bytes);

    StrokeFontKind Kind() const { return kind_; }
    const std::vector<CCharactor>& Glyphs() const { return face_->glyphs; }
    // Header values: Latin metric0..2 or Chinese cell width / height (metric0,
    // metric1); unchanged from the shipped values until a file is loaded.
    std::uint16_t Metric(int i) const { return face_->metrics[i]; }

    // Binary search of the code-sorted index; nullptr when absent.
    const CCharactor* Find(std::uint16_t code) const;
    // The advance of the first Latin record (the space), in font units.
    std::uint16_t FirstAdvance() const { return face_->firstAdvance; }
    // The glyph's bytes; empty when its byte count is 0 or they lie outside
    // the file.
    std::span<const std::uint8_t> Bytes(const CCharactor& g) const;

    // What a loaded file gives: never changed once made, so one copy serves
    // every reader of the same unchanged file on any thread.
    struct Face {
        std::uint16_t metrics[3];
        std::uint16_t firstAdvance;
        std::vector<CCharactor> glyphs;
        std::vector<std::uint8_t> data;   // the whole file
    };

private:
    FontLoadResult Parse(std::vector<std::uint8_t> bytes, std::shared_ptr<const Face>& made) const;

    StrokeFontKind kind_;
    std::shared_ptr<const Face> face_;
};

}  // namespace pv
