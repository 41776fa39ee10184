#include "params/machine_params.h"

#include <cmath>
#include <limits>

namespace pv {
namespace {

// Little-endian field writer over a record of fixed length.
class ByteWriter {
public:
    explicit ByteWriter(std::size_t size) : bytes_(size, 0) {}
    void u8(std::size_t at, std::uint8_t v) { bytes_[at] = v; }
    void i8(std::size_t at, std::int8_t v) { bytes_[at] = static_cast<std::uint8_t>(v); }
    void u16(std::size_t at, std::uint16_t v) {
        bytes_[at] = static_cast<std::uint8_t>(v & 0xFF);
        bytes_[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    void i16(std::size_t at, std::int16_t v) { u16(at, static_cast<std::uint16_t>(v)); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> b) : b_(b) {}
    std::uint8_t u8(std::size_t at) const { return b_[at]; }
    std::int8_t i8(std::size_t at) const { return static_cast<std::int8_t>(b_[at]); }
    std::uint16_t u16(std::size_t at) const {
        return static_cast<std::uint16_t>(b_[at] | (b_[at + 1] << 8));
    }
    std::int16_t i16(std::size_t at) const { return static_cast<std::int16_t>(u16(at)); }

private:
    std::span<const std::uint8_t> b_;
};

// Two-head head positions travel as one byte.
std::uint8_t low(std::uint16_t v) { return static_cast<std::uint8_t>(v & 0xFF); }

void encodeMachineTwoHead(const MachineParaBlock& b, ByteWriter& w) {
    w.u16(0, b.scaleMeasureX);
    w.u16(2, b.scaleMeasureY);
    w.u16(4, b.leftOffsetMm);
    w.u16(6, b.bidirCorrection);
    w.i16(8, b.plotCutOffsetX);
    w.i16(10, b.plotCutOffsetY);
    w.u8(12, b.headEnable);
    w.u8(13, low(b.head1PosLeft));
    w.u8(14, low(b.head2PosLeft));
    w.u8(15, low(b.head1PosRight));
    w.u8(16, low(b.head2PosRight));
    w.u8(17, b.headOverlapDots);
    w.u8(18, b.bidirectional);
    w.u8(19, b.fullCutPressure);
    w.u8(20, b.halfCutPressure);
    w.u8(21, b.fullCutLengthMm);
    w.u8(22, b.bridgeLen);
    w.u8(23, b.solenoidDelay);
    w.u8(24, b.darkLines);
    w.u8(25, b.cutMode);
    w.u8(26, b.feedBeforeMm);
    w.u8(27, b.feedAfterMm);
    w.u8(28, b.knifeTipComp);
    w.u8(29, b.bufferLeftMm);
    w.u8(30, b.bufferRightMm);
    w.u8(31, b.startCutPressure);
    w.u8(32, b.marginLeftMm);
    w.u8(33, b.marginRightMm);
    w.i8(34, b.edgeLeftPx);
    w.i8(35, b.edgeRightPx);
}

void decodeMachineTwoHead(const ByteReader& r, MachineParaBlock& b) {
    b.scaleMeasureX = r.u16(0);
    b.scaleMeasureY = r.u16(2);
    b.leftOffsetMm = r.u16(4);
    b.bidirCorrection = r.u16(6);
    b.plotCutOffsetX = r.i16(8);
    b.plotCutOffsetY = r.i16(10);
    b.headEnable = r.u8(12);
    b.head1PosLeft = r.u8(13);
    b.head2PosLeft = r.u8(14);
    b.head1PosRight = r.u8(15);
    b.head2PosRight = r.u8(16);
    b.headOverlapDots = r.u8(17);
    b.bidirectional = r.u8(18);
    b.fullCutPressure = r.u8(19);
    b.halfCutPressure = r.u8(20);
    b.fullCutLengthMm = r.u8(21);
    b.bridgeLen = r.u8(22);
    b.solenoidDelay = r.u8(23);
    b.darkLines = r.u8(24);
    b.cutMode = r.u8(25);
    b.feedBeforeMm = r.u8(26);
    b.feedAfterMm = r.u8(27);
    b.knifeTipComp = r.u8(28);
    b.bufferLeftMm = r.u8(29);
    b.bufferRightMm = r.u8(30);
    b.startCutPressure = r.u8(31);
    b.marginLeftMm = r.u8(32);
    b.marginRightMm = r.u8(33);
    b.edgeLeftPx = r.i8(34);
    b.edgeRightPx = r.i8(35);
}

void encodeMachineFourHead(const MachineParaBlock& b, ByteWriter& w) {
    w.u16(0, b.scaleMeasureX);
    w.u16(2, b.scaleMeasureY);
    w.u16(4, b.leftOffsetMm);
    w.u16(6, b.bidirCorrection);
    w.i16(8, b.plotCutOffsetX);
    w.i16(10, b.plotCutOffsetY);
    w.u16(12, b.head1PosLeft);
    w.u16(14, b.head2PosLeft);
    w.u16(16, b.head3PosLeft);
    w.u16(18, b.head4PosLeft);
    w.u16(20, b.head1PosRight);
    w.u16(22, b.head2PosRight);
    w.u16(24, b.head3PosRight);
    w.u16(26, b.head4PosRight);
    w.u8(28, b.headCombination);
    w.u8(29, b.headOverlapDots);
    w.u8(30, b.overlap23Dots);
    w.u8(31, b.overlap34Dots);
    w.u8(32, b.bidirectional);
    w.u8(33, b.fullCutPressure);
    w.u8(34, b.halfCutPressure);
    w.u8(35, b.fullCutLengthMm);
    w.u8(36, b.bridgeLen);
    w.u8(37, b.solenoidDelay);
    w.u8(38, b.darkLines);
    w.u8(39, b.cutMode);
    w.u8(40, b.feedBeforeMm);
    w.u8(41, b.feedAfterMm);
    w.u8(42, b.knifeTipComp);
    w.u8(43, b.bufferLeftMm);
    w.u8(44, b.bufferRightMm);
    w.u8(45, b.startCutPressure);
    w.u8(46, b.marginLeftMm);
    w.u8(47, b.marginRightMm);
    w.i8(48, b.edgeLeftPx);
    w.i8(49, b.edgeRightPx);
    w.u8(50, b.reserved50);
    w.u8(51, b.reserved51);
}

void decodeMachineFourHead(const ByteReader& r, MachineParaBlock& b) {
    b.scaleMeasureX = r.u16(0);
    b.scaleMeasureY = r.u16(2);
    b.leftOffsetMm = r.u16(4);
    b.bidirCorrection = r.u16(6);
    b.plotCutOffsetX = r.i16(8);
    b.plotCutOffsetY = r.i16(10);
    b.head1PosLeft = r.u16(12);
    b.head2PosLeft = r.u16(14);
    b.head3PosLeft = r.u16(16);
    b.head4PosLeft = r.u16(18);
    b.head1PosRight = r.u16(20);
    b.head2PosRight = r.u16(22);
    b.head3PosRight = r.u16(24);
    b.head4PosRight = r.u16(26);
    b.headCombination = r.u8(28);
    b.headOverlapDots = r.u8(29);
    b.overlap23Dots = r.u8(30);
    b.overlap34Dots = r.u8(31);
    b.bidirectional = r.u8(32);
    b.fullCutPressure = r.u8(33);
    b.halfCutPressure = r.u8(34);
    b.fullCutLengthMm = r.u8(35);
    b.bridgeLen = r.u8(36);
    b.solenoidDelay = r.u8(37);
    b.darkLines = r.u8(38);
    b.cutMode = r.u8(39);
    b.feedBeforeMm = r.u8(40);
    b.feedAfterMm = r.u8(41);
    b.knifeTipComp = r.u8(42);
    b.bufferLeftMm = r.u8(43);
    b.bufferRightMm = r.u8(44);
    b.startCutPressure = r.u8(45);
    b.marginLeftMm = r.u8(46);
    b.marginRightMm = r.u8(47);
    b.edgeLeftPx = r.i8(48);
    b.edgeRightPx = r.i8(49);
    b.reserved50 = r.u8(50);
    b.reserved51 = r.u8(51);
}

void encodeAdvTwoHead(const AdvParaBlock& b, ByteWriter& w) {
    w.u16(0, b.feedPulsesPerMm);
    w.u16(2, b.carriagePulsesPerMm);
    w.u16(4, b.reserved4);
    w.u16(6, b.reserved6);
    w.u16(8, b.softLimitMm);
    w.u16(10, b.feedMaxSpeed);
    w.u16(12, b.carriageMaxSpeed);
    w.u16(14, b.cutMaxSpeed);
    w.u16(16, b.cutOffStartY);
    w.u16(18, b.cutOffEndY);
    w.u8(20, b.cutOffInPlotOnly);
    w.u8(21, b.cutOffBridge);
    w.u8(22, b.feedAccel);
    w.u8(23, b.carriageAccel);
    w.u8(24, b.cutAccel);
    w.u8(25, b.bandsPerCutSegment);
    w.u8(26, b.fireIntervalPulses);
    w.u8(27, b.nozzleColumnGapPx);
    w.u8(28, b.firePulseWidth);
    w.u8(29, b.bandOverlapComp);
    w.u8(30, b.longMoveSpeedRatio);
    w.u8(31, b.firmwareFlag);
}

void decodeAdvTwoHead(const ByteReader& r, AdvParaBlock& b) {
    b.feedPulsesPerMm = r.u16(0);
    b.carriagePulsesPerMm = r.u16(2);
    b.reserved4 = r.u16(4);
    b.reserved6 = r.u16(6);
    b.softLimitMm = r.u16(8);
    b.feedMaxSpeed = r.u16(10);
    b.carriageMaxSpeed = r.u16(12);
    b.cutMaxSpeed = r.u16(14);
    b.cutOffStartY = r.u16(16);
    b.cutOffEndY = r.u16(18);
    b.cutOffInPlotOnly = r.u8(20);
    b.cutOffBridge = r.u8(21);
    b.feedAccel = r.u8(22);
    b.carriageAccel = r.u8(23);
    b.cutAccel = r.u8(24);
    b.bandsPerCutSegment = r.u8(25);
    b.fireIntervalPulses = r.u8(26);
    b.nozzleColumnGapPx = r.u8(27);
    b.firePulseWidth = r.u8(28);
    b.bandOverlapComp = r.u8(29);
    b.longMoveSpeedRatio = r.u8(30);
    b.firmwareFlag = r.u8(31);
}

void encodeAdvFourHead(const AdvParaBlock& b, ByteWriter& w) {
    w.u16(0, b.feedPulsesPerMm);
    w.u16(2, b.carriagePulsesPerMm);
    w.u16(4, b.softLimitMm);
    w.u16(6, b.feedMaxSpeed);
    w.u16(8, b.carriageMaxSpeed);
    w.u16(10, b.cutMaxSpeed);
    w.u16(12, b.cutOffStartY);
    w.u16(14, b.cutOffEndY);
    w.u8(16, b.cutOffInPlotOnly);
    w.u8(17, b.cutOffBridge);
    w.u8(18, b.feedAccel);
    w.u8(19, b.carriageAccel);
    w.u8(20, b.cutAccel);
    w.u8(21, b.bandsPerCutSegment);
    w.u8(22, b.fireIntervalPulses);
    w.u8(23, b.nozzleColumnGapPx);
    w.u8(24, b.firePulseWidth);
    w.u8(25, b.bandOverlapComp);
    w.u8(26, b.firmwareFlag);
    w.u8(27, b.reserved27);
}

void decodeAdvFourHead(const ByteReader& r, AdvParaBlock& b) {
    b.feedPulsesPerMm = r.u16(0);
    b.carriagePulsesPerMm = r.u16(2);
    b.softLimitMm = r.u16(4);
    b.feedMaxSpeed = r.u16(6);
    b.carriageMaxSpeed = r.u16(8);
    b.cutMaxSpeed = r.u16(10);
    b.cutOffStartY = r.u16(12);
    b.cutOffEndY = r.u16(14);
    b.cutOffInPlotOnly = r.u8(16);
    b.cutOffBridge = r.u8(17);
    b.feedAccel = r.u8(18);
    b.carriageAccel = r.u8(19);
    b.cutAccel = r.u8(20);
    b.bandsPerCutSegment = r.u8(21);
    b.fireIntervalPulses = r.u8(22);
    b.nozzleColumnGapPx = r.u8(23);
    b.firePulseWidth = r.u8(24);
    b.bandOverlapComp = r.u8(25);
    b.firmwareFlag = r.u8(26);
    b.reserved27 = r.u8(27);
}

}  // namespace

std::vector<std::uint8_t> EncodeMachineParaBlock(const MachineParaBlock& b, Edition e) {
    ByteWriter w(MachineParaBlockSize(e));
    if (IsFourHead(e))
        encodeMachineFourHead(b, w);
    else
        encodeMachineTwoHead(b, w);
    return w.take();
}

std::vector<std::uint8_t> EncodeMachineParaTransfer(const MachineParaBlock& b, Edition e) {
    std::vector<std::uint8_t> bytes = EncodeMachineParaBlock(b, e);
    bytes.resize(MachineParaTransferSize(e), 0);
    return bytes;
}

std::vector<std::uint8_t> EncodeAdvParaBlock(const AdvParaBlock& b, Edition e) {
    ByteWriter w(AdvParaBlockSize(e));
    if (IsFourHead(e))
        encodeAdvFourHead(b, w);
    else
        encodeAdvTwoHead(b, w);
    return w.take();
}

int DecodeMachineParaBlock(std::span<const std::uint8_t> bytes, Edition e, MachineParaBlock& b) {
    if (bytes.size() < MachineParaBlockSize(e)) return kParamsTooShort;
    const ByteReader r(bytes);
    if (IsFourHead(e))
        decodeMachineFourHead(r, b);
    else
        decodeMachineTwoHead(r, b);
    return kParamsOk;
}

int DecodeAdvParaBlock(std::span<const std::uint8_t> bytes, Edition e, AdvParaBlock& b) {
    if (bytes.size() < AdvParaBlockSize(e)) return kParamsTooShort;
    const ByteReader r(bytes);
    if (IsFourHead(e))
        decodeAdvFourHead(r, b);
    else
        decodeAdvTwoHead(r, b);
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
