#pragma once
// Request frames written out by hand from the wire description, with the
// values they carry.  The link's tests check that its encoders produce
// exactly these bytes; the virtual plotter's tests check that it reads the
// values back out of them.  Neither side's code made them, so a mistake
// both sides share cannot hide here.
#include <cstdint>
#include <string>
#include <vector>

#include "output/cut_record.h"
#include "params/machine_params.h"
#include "settings/edition.h"

namespace pv::golden {

using Bytes = std::vector<std::uint8_t>;

// 'P' 3 code: fan on, and the status poll.
inline const Bytes kFanOn{0x50, 0x03, 0x05};
inline const Bytes kStatusPoll{0x50, 0x03, 0x3A};

// 'Q' 4 code length: the carriage position (4 bytes) and the two-head
// machine record (48 bytes).
inline const Bytes kReadCarriage{0x51, 0x04, 0x10, 0x04};
inline const Bytes kReadMachineRecordTwoHead{0x51, 0x04, 0x13, 0x30};

// 'R' n+4 code 0, then n bytes.
// Job start: paper length 1000 feed pulses, 300 columns.
constexpr std::int32_t kJobPaperLength = 1000;
constexpr std::int32_t kJobColumns = 300;
inline const Bytes kJobStart{0x52, 0x0C, 0x20, 0x00, 0xE8, 0x03, 0x00, 0x00, 0x2C, 0x01, 0x00, 0x00};
// Band header: band 3, printed in reverse, the constant 1.
constexpr std::int32_t kBandIndex = 3;
inline const Bytes kBandHeader{0x52, 0x0A, 0x21, 0x00, 0x03, 0x00, 0x00, 0x00, 0x01, 0x01};
// Cut header: two records.
inline const Bytes kCutHeader{0x52, 0x08, 0x22, 0x00, 0x02, 0x00, 0x00, 0x00};
// The machine's new address 10.0.0.5, bytes in dotted order.
constexpr std::int32_t kAddress = 0x0500000A;
inline const Bytes kWriteAddress{0x52, 0x08, 0x23, 0x00, 0x0A, 0x00, 0x00, 0x05};

// The two knife records of the cut segment the header above closes: a move
// to (16909060, 40) and a full cut to (16909060 + 400, -2), 12 bytes each.
inline const std::vector<CutRecord> kKnifeRecords{{0x01020304, 40, 'M'}, {0x01020494, -2, 'F'}};
inline const Bytes kKnifeRecordBytes{
    0x04, 0x03, 0x02, 0x01, 0x28, 0x00, 0x00, 0x00, 0x4D, 0x00, 0x00, 0x00,
    0x94, 0x04, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 0x46, 0x00, 0x00, 0x00,
};

// The parameter records below: the defaults with a few fields that show
// sign, width and place (a negative registration, a head position, a
// negative edge shift, the firmware flag, a head combination).
inline MachineParams RecordValues(Edition e) {
    MachineParams p = MachineParams::Defaults(e);
    p.adv.firmwareFlag = 'Y';
    p.machine.plotCutOffsetX = -15;
    if (IsFourHead(e)) {
        p.machine.headCombination = 3;
    } else {
        p.machine.head2PosRight = 200;
        p.machine.edgeLeftPx = -3;
    }
    return p;
}

// Write 0x24, two-head advanced record (32 bytes).
inline const Bytes kWriteAdvTwoHead{
    0x52, 0x24, 0x24, 0x00,
    0x40, 0x1F, 0x40, 0x1F, 0x00, 0x00, 0x00, 0x00,   // pulses per mm x 100 (feed, carriage), reserved
    0x3A, 0x08, 0xC8, 0x00, 0x20, 0x03, 0xC8, 0x00,   // soft limit 2106, speeds 200, 800, 200
    0x00, 0x00, 0x00, 0x00,                           // cut-off start and end
    0x00, 0x0A, 0x32, 0x50, 0x32,                     // cut-off flag, bridge, accelerations 50, 80, 50
    0x08, 0x0B, 0x1E, 0x17, 0x00, 0x32, 0x59,         // bands per segment .. long-move ratio, flag 'Y'
};

// Write 0x25, two-head machine record (36 bytes, then 12 zero bytes).
inline const Bytes kWriteMachineTwoHead{
    0x52, 0x34, 0x25, 0x00,
    0x10, 0x27, 0x10, 0x27, 0x14, 0x00, 0xE8, 0x03,   // measured sizes 10000, left offset 20, correction 1000
    0xF1, 0xFF, 0x32, 0x00,                           // registration x -15, y 50
    0x00, 0x00, 0x00, 0x00, 0xC8,                     // head choice, positions (2# rightwards 200)
    0x02, 0x01, 0x46, 0x0A, 0x1E, 0x08, 0x32,         // overlap .. solenoid delay
    0x00, 0x00, 0x14, 0x14, 0x05, 0x00, 0x00, 0x14,   // dark lines .. start pressure
    0x00, 0x00, 0xFD, 0x00,                           // margins, edge shifts (left -3)
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

// Write 0x24, four-head advanced record (28 bytes).
inline const Bytes kWriteAdvFourHead{
    0x52, 0x20, 0x24, 0x00,
    0x40, 0x1F, 0x40, 0x1F, 0x3A, 0x08, 0xC8, 0x00,   // pulses per mm, soft limit, feed speed
    0x20, 0x03, 0xC8, 0x00, 0x00, 0x00, 0x00, 0x00,   // carriage and cut speeds, cut-off start and end
    0x00, 0x0A, 0x32, 0x50, 0x32, 0x08, 0x0B, 0x1E,   // cut-off flag .. nozzle column gap
    0x17, 0x00, 0x59, 0x00,                           // pulse width, overlap, flag 'Y', reserved
};

// Write 0x25, four-head machine record (52 bytes).
inline const Bytes kWriteMachineFourHead{
    0x52, 0x38, 0x25, 0x00,
    0x10, 0x27, 0x10, 0x27, 0x14, 0x00, 0xE8, 0x03, 0xF1, 0xFF, 0x32, 0x00,
    0x05, 0x00, 0xDC, 0x00, 0xB3, 0x01, 0x8A, 0x02,   // leftwards positions 5, 220, 435, 650
    0x05, 0x00, 0xDC, 0x00, 0xB3, 0x01, 0x8A, 0x02,   // rightwards positions
    0x03, 0x02, 0x00, 0x00, 0x01,                     // combination 3, overlaps, bidirectional
    0x46, 0x0A, 0x1E, 0x08, 0x32, 0x00, 0x00,         // pressures .. cut mode
    0x14, 0x14, 0x05, 0x00, 0x00, 0x14, 0x00, 0x00,   // feeds .. margins
    0x00, 0x00, 0x00, 0x00,                           // edge shifts, reserved
};

}  // namespace pv::golden
