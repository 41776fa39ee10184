#include "emulator/plotter_records.h"

#include <type_traits>
#include <variant>

namespace pv {

namespace {

// One field of a record: where it sits, how many bytes it has there (a
// field may be narrower on the wire than in the record) and which member
// holds it.  Multi-byte fields are little-endian.
template <class Record>
struct Slot {
    using Member = std::variant<std::uint8_t Record::*, std::int8_t Record::*, std::uint16_t Record::*,
                                std::int16_t Record::*>;
    std::size_t offset;
    int bytes;
    Member member;
};

using MSlot = Slot<MachineParaBlock>;
using ASlot = Slot<AdvParaBlock>;
using M = MachineParaBlock;
using A = AdvParaBlock;

// The two-head machine record, 36 bytes.
const MSlot kMachineTwoHead[] = {
    {0, 2, &M::scaleMeasureX},    {2, 2, &M::scaleMeasureY},     {4, 2, &M::leftOffsetMm},
    {6, 2, &M::bidirCorrection},  {8, 2, &M::plotCutOffsetX},    {10, 2, &M::plotCutOffsetY},
    {12, 1, &M::headEnable},      {13, 1, &M::head1PosLeft},     {14, 1, &M::head2PosLeft},
    {15, 1, &M::head1PosRight},   {16, 1, &M::head2PosRight},    {17, 1, &M::headOverlapDots},
    {18, 1, &M::bidirectional},   {19, 1, &M::fullCutPressure},  {20, 1, &M::halfCutPressure},
    {21, 1, &M::fullCutLengthMm}, {22, 1, &M::bridgeLen},        {23, 1, &M::solenoidDelay},
    {24, 1, &M::darkLines},       {25, 1, &M::cutMode},          {26, 1, &M::feedBeforeMm},
    {27, 1, &M::feedAfterMm},     {28, 1, &M::knifeTipComp},     {29, 1, &M::bufferLeftMm},
    {30, 1, &M::bufferRightMm},   {31, 1, &M::startCutPressure}, {32, 1, &M::marginLeftMm},
    {33, 1, &M::marginRightMm},   {34, 1, &M::edgeLeftPx},       {35, 1, &M::edgeRightPx},
};

// The four-head machine record, 52 bytes: head positions of 16 bits, four
// heads, the head combination in place of the head choice.
const MSlot kMachineFourHead[] = {
    {0, 2, &M::scaleMeasureX},    {2, 2, &M::scaleMeasureY},     {4, 2, &M::leftOffsetMm},
    {6, 2, &M::bidirCorrection},  {8, 2, &M::plotCutOffsetX},    {10, 2, &M::plotCutOffsetY},
    {12, 2, &M::head1PosLeft},    {14, 2, &M::head2PosLeft},     {16, 2, &M::head3PosLeft},
    {18, 2, &M::head4PosLeft},    {20, 2, &M::head1PosRight},    {22, 2, &M::head2PosRight},
    {24, 2, &M::head3PosRight},   {26, 2, &M::head4PosRight},    {28, 1, &M::headCombination},
    {29, 1, &M::headOverlapDots}, {30, 1, &M::overlap23Dots},    {31, 1, &M::overlap34Dots},
    {32, 1, &M::bidirectional},   {33, 1, &M::fullCutPressure},  {34, 1, &M::halfCutPressure},
    {35, 1, &M::fullCutLengthMm}, {36, 1, &M::bridgeLen},        {37, 1, &M::solenoidDelay},
    {38, 1, &M::darkLines},       {39, 1, &M::cutMode},          {40, 1, &M::feedBeforeMm},
    {41, 1, &M::feedAfterMm},     {42, 1, &M::knifeTipComp},     {43, 1, &M::bufferLeftMm},
    {44, 1, &M::bufferRightMm},   {45, 1, &M::startCutPressure}, {46, 1, &M::marginLeftMm},
    {47, 1, &M::marginRightMm},   {48, 1, &M::edgeLeftPx},       {49, 1, &M::edgeRightPx},
    {50, 1, &M::reserved50},      {51, 1, &M::reserved51},
};

// The two-head advanced record, 32 bytes.
const ASlot kAdvTwoHead[] = {
    {0, 2, &A::feedPulsesPerMm},    {2, 2, &A::carriagePulsesPerMm}, {4, 2, &A::reserved4},
    {6, 2, &A::reserved6},          {8, 2, &A::softLimitMm},         {10, 2, &A::feedMaxSpeed},
    {12, 2, &A::carriageMaxSpeed},  {14, 2, &A::cutMaxSpeed},        {16, 2, &A::cutOffStartY},
    {18, 2, &A::cutOffEndY},        {20, 1, &A::cutOffInPlotOnly},   {21, 1, &A::cutOffBridge},
    {22, 1, &A::feedAccel},         {23, 1, &A::carriageAccel},      {24, 1, &A::cutAccel},
    {25, 1, &A::bandsPerCutSegment}, {26, 1, &A::fireIntervalPulses}, {27, 1, &A::nozzleColumnGapPx},
    {28, 1, &A::firePulseWidth},    {29, 1, &A::bandOverlapComp},    {30, 1, &A::longMoveSpeedRatio},
    {31, 1, &A::firmwareFlag},
};

// The four-head advanced record, 28 bytes: no reserved words after the
// pulse counts, no long-move ratio.
const ASlot kAdvFourHead[] = {
    {0, 2, &A::feedPulsesPerMm},    {2, 2, &A::carriagePulsesPerMm}, {4, 2, &A::softLimitMm},
    {6, 2, &A::feedMaxSpeed},       {8, 2, &A::carriageMaxSpeed},    {10, 2, &A::cutMaxSpeed},
    {12, 2, &A::cutOffStartY},      {14, 2, &A::cutOffEndY},         {16, 1, &A::cutOffInPlotOnly},
    {17, 1, &A::cutOffBridge},      {18, 1, &A::feedAccel},          {19, 1, &A::carriageAccel},
    {20, 1, &A::cutAccel},          {21, 1, &A::bandsPerCutSegment}, {22, 1, &A::fireIntervalPulses},
    {23, 1, &A::nozzleColumnGapPx}, {24, 1, &A::firePulseWidth},     {25, 1, &A::bandOverlapComp},
    {26, 1, &A::firmwareFlag},      {27, 1, &A::reserved27},
};

template <class Record, std::size_t N>
void Put(const Record& r, const Slot<Record> (&slots)[N], std::vector<std::uint8_t>& out) {
    for (const auto& s : slots) {
        const std::uint32_t v = std::visit([&r](auto m) { return static_cast<std::uint32_t>(r.*m); }, s.member);
        for (int i = 0; i < s.bytes; ++i) out[s.offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

template <class Record, std::size_t N>
void Take(std::span<const std::uint8_t> bytes, const Slot<Record> (&slots)[N], Record& r) {
    for (const auto& s : slots) {
        std::uint32_t v = 0;
        for (int i = 0; i < s.bytes; ++i) v |= static_cast<std::uint32_t>(bytes[s.offset + i]) << (8 * i);
        std::visit(
            [&](auto m) {
                using Field = std::remove_reference_t<decltype(r.*m)>;
                // A one-byte signed field keeps its sign; a one-byte field of
                // a 16-bit member is an unsigned value.
                if (s.bytes == 1 && std::is_signed_v<Field>)
                    r.*m = static_cast<Field>(static_cast<std::int8_t>(v));
                else
                    r.*m = static_cast<Field>(v);
            },
            s.member);
    }
}

constexpr std::size_t kTwoHeadMachineTransfer = 48;

}  // namespace

std::size_t MachineRecordWireSize(Edition e) { return IsFourHead(e) ? 52 : kTwoHeadMachineTransfer; }
std::size_t AdvRecordWireSize(Edition e) { return IsFourHead(e) ? 28 : 32; }

std::vector<std::uint8_t> MachineRecordBytes(const MachineParaBlock& b, Edition e) {
    std::vector<std::uint8_t> out(MachineRecordWireSize(e), 0);
    if (IsFourHead(e))
        Put(b, kMachineFourHead, out);
    else
        Put(b, kMachineTwoHead, out);
    return out;
}

std::vector<std::uint8_t> AdvRecordBytes(const AdvParaBlock& b, Edition e) {
    std::vector<std::uint8_t> out(AdvRecordWireSize(e), 0);
    if (IsFourHead(e))
        Put(b, kAdvFourHead, out);
    else
        Put(b, kAdvTwoHead, out);
    return out;
}

bool TakeMachineRecord(std::span<const std::uint8_t> bytes, Edition e, MachineParaBlock& b) {
    if (bytes.size() != MachineRecordWireSize(e)) return false;
    if (IsFourHead(e))
        Take(bytes, kMachineFourHead, b);
    else
        Take(bytes, kMachineTwoHead, b);
    return true;
}

bool TakeAdvRecord(std::span<const std::uint8_t> bytes, Edition e, AdvParaBlock& b) {
    if (bytes.size() != AdvRecordWireSize(e)) return false;
    if (IsFourHead(e))
        Take(bytes, kAdvFourHead, b);
    else
        Take(bytes, kAdvTwoHead, b);
    return true;
}

}  // namespace pv
