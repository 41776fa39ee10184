#include "output/cut_record.h"

namespace pv {

char CutCodeForKind(std::int32_t kind) {
    switch (kind) {
    case 2: return kCodeFullCut;
    case 3: return kCodeHalfCut;
    case 4: return kCodeDotGap;
    case 5: return kCodeDot;
    default: return 0;
    }
}

namespace {
void PutInt32(std::uint8_t* p, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    p[0] = static_cast<std::uint8_t>(u);
    p[1] = static_cast<std::uint8_t>(u >> 8);
    p[2] = static_cast<std::uint8_t>(u >> 16);
    p[3] = static_cast<std::uint8_t>(u >> 24);
}
std::int32_t GetInt32(const std::uint8_t* p) {
    const std::uint32_t u = std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
                            (std::uint32_t{p[3]} << 24);
    return static_cast<std::int32_t>(u);
}
}  // namespace

int PackCutRecords(std::span<const CutRecord> records, std::vector<std::uint8_t>& wire) {
    if (records.size() > kMaxCutRecords) {
        wire.clear();
        return kCutTooManyRecords;
    }
    wire.assign(records.size() * kCutRecordBytes, 0);
    std::uint8_t* p = wire.data();
    for (const CutRecord& r : records) {
        PutInt32(p, r.x);
        PutInt32(p + 4, r.y);
        p[8] = static_cast<std::uint8_t>(r.code);
        p += kCutRecordBytes;
    }
    return kCutPackOk;
}

CutRecord UnpackCutRecord(std::span<const std::uint8_t> wire, std::size_t offset) {
    CutRecord r;
    if (offset > wire.size() || wire.size() - offset < kCutRecordBytes) return r;
    const std::uint8_t* p = wire.data() + offset;
    r.x = GetInt32(p);
    r.y = GetInt32(p + 4);
    r.code = static_cast<char>(p[8]);
    return r;
}

}  // namespace pv
