#include "params/param_field.h"

namespace pv {
namespace {

using M = MachineParaBlock;
using A = AdvParaBlock;

constexpr FieldPlace u8at(std::uint8_t offset) { return {offset, 1}; }
constexpr FieldPlace u16at(std::uint8_t offset) { return {offset, 2}; }
constexpr FieldPlace absent{};

// MachineParaBlock: 36 bytes on the two-head machine, 52 on the four-head one.
const ParamField<M> kMachineFields[] = {
    {"scaleMeasureX", &M::scaleMeasureX, u16at(0), u16at(0)},
    {"scaleMeasureY", &M::scaleMeasureY, u16at(2), u16at(2)},
    {"leftOffsetMm", &M::leftOffsetMm, u16at(4), u16at(4)},
    {"bidirCorrection", &M::bidirCorrection, u16at(6), u16at(6)},
    {"plotCutOffsetX", &M::plotCutOffsetX, u16at(8), u16at(8)},
    {"plotCutOffsetY", &M::plotCutOffsetY, u16at(10), u16at(10)},
    {"headEnable", &M::headEnable, u8at(12), absent},
    {"headCombination", &M::headCombination, absent, u8at(28)},
    {"head1PosLeft", &M::head1PosLeft, u8at(13), u16at(12)},
    {"head2PosLeft", &M::head2PosLeft, u8at(14), u16at(14)},
    {"head3PosLeft", &M::head3PosLeft, absent, u16at(16)},
    {"head4PosLeft", &M::head4PosLeft, absent, u16at(18)},
    {"head1PosRight", &M::head1PosRight, u8at(15), u16at(20)},
    {"head2PosRight", &M::head2PosRight, u8at(16), u16at(22)},
    {"head3PosRight", &M::head3PosRight, absent, u16at(24)},
    {"head4PosRight", &M::head4PosRight, absent, u16at(26)},
    {"headOverlapDots", &M::headOverlapDots, u8at(17), u8at(29)},
    {"overlap23Dots", &M::overlap23Dots, absent, u8at(30)},
    {"overlap34Dots", &M::overlap34Dots, absent, u8at(31)},
    {"bidirectional", &M::bidirectional, u8at(18), u8at(32)},
    {"fullCutPressure", &M::fullCutPressure, u8at(19), u8at(33)},
    {"halfCutPressure", &M::halfCutPressure, u8at(20), u8at(34)},
    {"fullCutLengthMm", &M::fullCutLengthMm, u8at(21), u8at(35)},
    {"bridgeLen", &M::bridgeLen, u8at(22), u8at(36)},
    {"solenoidDelay", &M::solenoidDelay, u8at(23), u8at(37)},
    {"darkLines", &M::darkLines, u8at(24), u8at(38)},
    {"cutMode", &M::cutMode, u8at(25), u8at(39)},
    {"feedBeforeMm", &M::feedBeforeMm, u8at(26), u8at(40)},
    {"feedAfterMm", &M::feedAfterMm, u8at(27), u8at(41)},
    {"knifeTipComp", &M::knifeTipComp, u8at(28), u8at(42)},
    {"bufferLeftMm", &M::bufferLeftMm, u8at(29), u8at(43)},
    {"bufferRightMm", &M::bufferRightMm, u8at(30), u8at(44)},
    {"startCutPressure", &M::startCutPressure, u8at(31), u8at(45)},
    {"marginLeftMm", &M::marginLeftMm, u8at(32), u8at(46)},
    {"marginRightMm", &M::marginRightMm, u8at(33), u8at(47)},
    {"edgeLeftPx", &M::edgeLeftPx, u8at(34), u8at(48)},
    {"edgeRightPx", &M::edgeRightPx, u8at(35), u8at(49)},
    {"reserved50", &M::reserved50, absent, u8at(50), false},
    {"reserved51", &M::reserved51, absent, u8at(51), false},
};

// AdvParaBlock: 32 bytes on the two-head machine, 28 on the four-head one.
const ParamField<A> kAdvFields[] = {
    {"feedPulsesPerMm", &A::feedPulsesPerMm, u16at(0), u16at(0)},
    {"carriagePulsesPerMm", &A::carriagePulsesPerMm, u16at(2), u16at(2)},
    {"reserved4", &A::reserved4, u16at(4), absent, false},
    {"reserved6", &A::reserved6, u16at(6), absent, false},
    {"softLimitMm", &A::softLimitMm, u16at(8), u16at(4)},
    {"feedMaxSpeed", &A::feedMaxSpeed, u16at(10), u16at(6)},
    {"carriageMaxSpeed", &A::carriageMaxSpeed, u16at(12), u16at(8)},
    {"cutMaxSpeed", &A::cutMaxSpeed, u16at(14), u16at(10)},
    {"cutOffStartY", &A::cutOffStartY, u16at(16), u16at(12)},
    {"cutOffEndY", &A::cutOffEndY, u16at(18), u16at(14)},
    {"cutOffInPlotOnly", &A::cutOffInPlotOnly, u8at(20), u8at(16)},
    {"cutOffBridge", &A::cutOffBridge, u8at(21), u8at(17)},
    {"feedAccel", &A::feedAccel, u8at(22), u8at(18)},
    {"carriageAccel", &A::carriageAccel, u8at(23), u8at(19)},
    {"cutAccel", &A::cutAccel, u8at(24), u8at(20)},
    {"bandsPerCutSegment", &A::bandsPerCutSegment, u8at(25), u8at(21)},
    {"fireIntervalPulses", &A::fireIntervalPulses, u8at(26), u8at(22)},
    {"nozzleColumnGapPx", &A::nozzleColumnGapPx, u8at(27), u8at(23)},
    {"firePulseWidth", &A::firePulseWidth, u8at(28), u8at(24)},
    {"bandOverlapComp", &A::bandOverlapComp, u8at(29), u8at(25)},
    {"longMoveSpeedRatio", &A::longMoveSpeedRatio, u8at(30), absent},
    {"firmwareFlag", &A::firmwareFlag, u8at(31), u8at(26)},
    {"reserved27", &A::reserved27, absent, u8at(27), false},
};

}  // namespace

std::span<const ParamField<MachineParaBlock>> MachineParaFields() { return kMachineFields; }
std::span<const ParamField<AdvParaBlock>> AdvParaFields() { return kAdvFields; }

}  // namespace pv
