#pragma once
// One row of a parameter record's field table: the field's name (as the
// records and `--param` spell it), the member it lives in, and where it
// travels in each edition's record.  The tables drive the byte encoder, the
// decoder and the lookup by name, so a field is described once.
#include <cstdint>
#include <limits>
#include <span>
#include <type_traits>
#include <utility>
#include <variant>

#include "params/machine_params.h"

namespace pv {

// Where a field sits in one edition's record: byte offset and byte count,
// little-endian.  Width 0: that edition's record does not carry the field.
// The byte count may be smaller than the member (two-head head positions
// travel as one byte): the low bytes are sent, and read back zero-extended.
struct FieldPlace {
    std::uint8_t offset = 0;
    std::uint8_t width = 0;
};

template <class Block>
struct ParamField {
    using Member = std::variant<std::uint8_t Block::*, std::int8_t Block::*,
                                std::uint16_t Block::*, std::int16_t Block::*>;

    const char* name;
    Member member;
    FieldPlace twoHead;
    FieldPlace fourHead;
    // Reserved bytes are carried back unchanged and never edited by name.
    bool editable = true;

    FieldPlace Place(Edition e) const { return IsFourHead(e) ? fourHead : twoHead; }

    long long Get(const Block& b) const {
        return std::visit([&](auto m) -> long long { return b.*m; }, member);
    }
    // Stores `v` converted to the member's type (wrapping, as the wire does).
    void Set(Block& b, long long v) const {
        std::visit([&](auto m) { b.*m = static_cast<std::remove_reference_t<decltype(b.*m)>>(v); },
                   member);
    }
    // The member type's range.
    long long Min() const { return std::visit([](auto m) { return limits(m).first; }, member); }
    long long Max() const { return std::visit([](auto m) { return limits(m).second; }, member); }

private:
    template <class T>
    static std::pair<long long, long long> limits(T Block::*) {
        return {std::numeric_limits<T>::min(), std::numeric_limits<T>::max()};
    }
};

std::span<const ParamField<MachineParaBlock>> MachineParaFields();
std::span<const ParamField<AdvParaBlock>> AdvParaFields();

}  // namespace pv
