#include "params/machine_params.h"

#include "params/param_field.h"

#include <cmath>
#include <limits>

namespace pv {
namespace {

// Writes every field the edition carries, little-endian, into a record of
// `size` bytes.
template <class Block>
std::vector<std::uint8_t> encodeRecord(const Block& b, std::span<const ParamField<Block>> fields,
                                       Edition e, std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 0);
    for (const ParamField<Block>& f : fields) {
        const FieldPlace at = f.Place(e);
        const auto v = static_cast<unsigned long long>(f.Get(b));
        for (std::size_t i = 0; i < at.width; ++i)
            bytes[at.offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    return bytes;
}

// Reads every field the edition carries; the caller has checked the length.
template <class Block>
void decodeRecord(std::span<const std::uint8_t> bytes, std::span<const ParamField<Block>> fields,
                  Edition e, Block& b) {
    for (const ParamField<Block>& f : fields) {
        const FieldPlace at = f.Place(e);
        if (at.width == 0) continue;
        unsigned long long v = 0;
        for (std::size_t i = 0; i < at.width; ++i)
            v |= static_cast<unsigned long long>(bytes[at.offset + i]) << (8 * i);
        f.Set(b, static_cast<long long>(v));
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeMachineParaBlock(const MachineParaBlock& b, Edition e) {
    return encodeRecord(b, MachineParaFields(), e, MachineParaBlockSize(e));
}

std::vector<std::uint8_t> EncodeMachineParaTransfer(const MachineParaBlock& b, Edition e) {
    std::vector<std::uint8_t> bytes = EncodeMachineParaBlock(b, e);
    bytes.resize(MachineParaTransferSize(e), 0);
    return bytes;
}

std::vector<std::uint8_t> EncodeAdvParaBlock(const AdvParaBlock& b, Edition e) {
    return encodeRecord(b, AdvParaFields(), e, AdvParaBlockSize(e));
}

int DecodeMachineParaBlock(std::span<const std::uint8_t> bytes, Edition e, MachineParaBlock& b) {
    if (bytes.size() < MachineParaBlockSize(e)) return kParamsTooShort;
    decodeRecord(bytes, MachineParaFields(), e, b);
    return kParamsOk;
}

int DecodeAdvParaBlock(std::span<const std::uint8_t> bytes, Edition e, AdvParaBlock& b) {
    if (bytes.size() < AdvParaBlockSize(e)) return kParamsTooShort;
    decodeRecord(bytes, AdvParaFields(), e, b);
    return kParamsOk;
}

std::int32_t StoredFromEdited(double value, int scale) {
    const double v = value * static_cast<double>(scale);
    if (std::isnan(v)) return 0;
    constexpr double lo = static_cast<double>(std::numeric_limits<std::int32_t>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    if (v <= lo) return std::numeric_limits<std::int32_t>::min();
    if (v >= hi) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v);  // truncates toward zero
}

double EditedFromStored(std::int64_t stored, int scale) {
    if (scale == 0) return static_cast<double>(stored);
    return static_cast<double>(stored) / static_cast<double>(scale);
}

const char* HeadCombinationText(int combination) {
    static const char* const kTexts[] = {"0-HP45(1#+2#)",       "1-HP45(1#)",
                                         "2-HP45(2#)",          "3-HP45(1#+2#+3#+4#)",
                                         "4-HP45(1#+2#+3#)",    "5-HP45(2#+3#+4#)"};
    if (combination < 0 || combination > 5) return "";
    return kTexts[combination];
}

void MachineParams::LoadParameterDefaults(Edition e) {
    machine = MachineParaBlock{};
    adv = AdvParaBlock{};
    if (IsFourHead(e)) {
        machine.head1PosLeft = machine.head1PosRight = 5;
        machine.head2PosLeft = machine.head2PosRight = 220;
        machine.head3PosLeft = machine.head3PosRight = 435;
        machine.head4PosLeft = machine.head4PosRight = 650;
        adv.longMoveSpeedRatio = 0;  // not carried by the four-head record
    }
}

MachineParams MachineParams::Defaults(Edition e) {
    MachineParams p;
    p.LoadParameterDefaults(e);
    return p;
}

bool MachineParams::FirmwareUpdatable(Edition e) const {
    if (IsFourHead(e)) return adv.firmwareFlag == 'Y';
    return adv.firmwareFlag != 0 && adv.firmwareFlag != 'N';
}

}  // namespace pv
