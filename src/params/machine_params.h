#pragma once
// The in-memory copy of the mainboard's two parameter records.  The byte
// layouts are the firmware's wire format: every multi-byte field is
// little-endian.  One structure per record carries the fields of both
// editions; the edition decides which of them travel and where.
//
// Two-head machine: MachineParaBlock 36 bytes (read inside a 48-byte reply,
// written as 36 bytes + 12 zero bytes), AdvParaBlock 32 bytes.
// Four-head machine: MachineParaBlock 52 bytes, AdvParaBlock 28 bytes.
//
// Reserved bytes and `firmwareFlag` are never interpreted: whatever the
// machine reported is sent back unchanged.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "settings/edition.h"

namespace pv {

struct MachineParaBlock {
    std::uint16_t scaleMeasureX = 10000;   // 0.1 mm: measured length of a 1000 mm line along the feed
    std::uint16_t scaleMeasureY = 10000;   // 0.1 mm: the same across the paper
    std::uint16_t leftOffsetMm = 20;       // mm
    std::uint16_t bidirCorrection = 1000;  // 0.01 mm
    std::int16_t plotCutOffsetX = 50;      // 0.1 mm
    std::int16_t plotCutOffsetY = 50;      // 0.1 mm
    std::uint8_t headEnable = 0;           // two-head: 0 both, 1 only 1#, 2 only 2#
    std::uint8_t headCombination = 0;      // four-head: 0..5, see HeadCombinationText
    // Head positions (carriage columns).  One byte each on the two-head
    // machine (0..250), 16 bits on the four-head machine (0..750).
    std::uint16_t head1PosLeft = 0;
    std::uint16_t head2PosLeft = 0;
    std::uint16_t head3PosLeft = 0;        // four-head only
    std::uint16_t head4PosLeft = 0;        // four-head only
    std::uint16_t head1PosRight = 0;
    std::uint16_t head2PosRight = 0;
    std::uint16_t head3PosRight = 0;       // four-head only
    std::uint16_t head4PosRight = 0;       // four-head only
    std::uint8_t headOverlapDots = 2;      // dots, 1#/2#
    std::uint8_t overlap23Dots = 0;        // dots, 2#/3#; four-head only
    std::uint8_t overlap34Dots = 0;        // dots, 3#/4#; four-head only
    std::uint8_t bidirectional = 1;        // flag
    std::uint8_t fullCutPressure = 70;
    std::uint8_t halfCutPressure = 10;
    std::uint8_t fullCutLengthMm = 30;     // mm
    std::uint8_t bridgeLen = 8;            // 0.1 mm
    std::uint8_t solenoidDelay = 50;       // 0.1 ms
    std::uint8_t darkLines = 0;            // flag
    std::uint8_t cutMode = 0;              // 0 no slow-down, 1 slow down and lift
    std::uint8_t feedBeforeMm = 20;        // mm
    std::uint8_t feedAfterMm = 20;         // mm
    std::uint8_t knifeTipComp = 5;         // 0.1 mm
    std::uint8_t bufferLeftMm = 0;         // mm
    std::uint8_t bufferRightMm = 0;        // mm
    std::uint8_t startCutPressure = 20;
    std::uint8_t marginLeftMm = 0;         // mm
    std::uint8_t marginRightMm = 0;        // mm
    std::int8_t edgeLeftPx = 0;            // pixels
    std::int8_t edgeRightPx = 0;           // pixels
    std::uint8_t reserved50 = 0;           // four-head only, written back as read
    std::uint8_t reserved51 = 0;           // four-head only, written back as read

    bool operator==(const MachineParaBlock&) const = default;
};

struct AdvParaBlock {
    std::uint16_t feedPulsesPerMm = 8000;      // 0.01 pulses/mm
    std::uint16_t carriagePulsesPerMm = 8000;  // 0.01 pulses/mm
    std::uint16_t reserved4 = 0;               // two-head only, written back as read
    std::uint16_t reserved6 = 0;               // two-head only, written back as read
    std::uint16_t softLimitMm = 2106;          // mm
    std::uint16_t feedMaxSpeed = 200;          // mm/s
    std::uint16_t carriageMaxSpeed = 800;      // mm/s
    std::uint16_t cutMaxSpeed = 200;           // mm/s
    std::uint16_t cutOffStartY = 0;            // mm
    std::uint16_t cutOffEndY = 0;              // mm
    std::uint8_t cutOffInPlotOnly = 0;         // flag
    std::uint8_t cutOffBridge = 10;            // 0.1 mm
    std::uint8_t feedAccel = 50;               // 0.1 m/s²
    std::uint8_t carriageAccel = 80;           // 0.1 m/s²
    std::uint8_t cutAccel = 50;                // 0.1 m/s²
    std::uint8_t bandsPerCutSegment = 8;
    std::uint8_t fireIntervalPulses = 11;      // carriage pulses between two firings
    std::uint8_t nozzleColumnGapPx = 30;       // pixels between a cartridge's two nozzle columns
    std::uint8_t firePulseWidth = 23;
    std::uint8_t bandOverlapComp = 0;          // 0.01 mm
    std::uint8_t longMoveSpeedRatio = 50;      // %; two-head only
    std::uint8_t firmwareFlag = 0;             // set by the machine, never edited
    std::uint8_t reserved27 = 0;               // four-head only, written back as read

    bool operator==(const AdvParaBlock&) const = default;
};

// Byte counts of the records on the wire.
constexpr std::size_t MachineParaBlockSize(Edition e) { return IsFourHead(e) ? 52 : 36; }
// What request 19 returns and request 0x25 sends: 48 bytes on the two-head
// machine (the record then 12 zero bytes), exactly the record on the other.
constexpr std::size_t MachineParaTransferSize(Edition e) { return IsFourHead(e) ? 52 : 48; }
constexpr std::size_t AdvParaBlockSize(Edition e) { return IsFourHead(e) ? 28 : 32; }

// Result codes of the decoders.
constexpr int kParamsOk = 0;
constexpr int kParamsTooShort = -2;

// Record bytes (MachineParaBlockSize / AdvParaBlockSize long).
std::vector<std::uint8_t> EncodeMachineParaBlock(const MachineParaBlock& b, Edition e);
std::vector<std::uint8_t> EncodeAdvParaBlock(const AdvParaBlock& b, Edition e);
// The bytes a write of MachineParaBlock carries (MachineParaTransferSize long).
std::vector<std::uint8_t> EncodeMachineParaTransfer(const MachineParaBlock& b, Edition e);

// Replace `b` with the record in `bytes`.  Bytes beyond the record (the 12
// trailing bytes of the two-head reply) are ignored.  Too few bytes:
// kParamsTooShort and `b` unchanged.  Fields that the edition does not carry
// keep their values.
int DecodeMachineParaBlock(std::span<const std::uint8_t> bytes, Edition e, MachineParaBlock& b);
int DecodeAdvParaBlock(std::span<const std::uint8_t> bytes, Edition e, AdvParaBlock& b);

// Edited value → stored integer: value × scale in double precision,
// truncated toward zero (0.29 mm at scale 100 stores 28).  Not-a-number
// gives 0; values beyond the 32-bit range saturate.
std::int32_t StoredFromEdited(double value, int scale);
// Stored integer → shown value (stored ÷ scale).
double EditedFromStored(std::int64_t stored, int scale);

// The text of a head combination in its choice list ("0-HP45(1#+2#)" ...);
// empty for a value outside 0..5.
const char* HeadCombinationText(int combination);

struct MachineParams {
    MachineParaBlock machine;
    AdvParaBlock adv;

    // Every field to its default for the edition; reserved bytes and the
    // fields the edition does not carry 0 (four-head head positions
    // 5, 220, 435, 650 in both directions).
    void LoadParameterDefaults(Edition e);
    static MachineParams Defaults(Edition e);

    // Whether the machine's firmware may be updated over the link:
    // two-head: `firmwareFlag` neither 0 nor 'N'; four-head: 'Y'.
    bool FirmwareUpdatable(Edition e) const;

    bool operator==(const MachineParams&) const = default;
};

}  // namespace pv
