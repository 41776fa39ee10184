#include "cli/machine_param_option.h"

#include <charconv>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace pv::cli {

namespace {

struct ParamField {
    const char* name;
    long long lo, hi;
    std::function<void(MachineParams&, long long)> set;
};

template <class T>
ParamField MachineField(const char* name, T MachineParaBlock::*field) {
    return {name, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(),
            [field](MachineParams& p, long long v) { p.machine.*field = static_cast<T>(v); }};
}

template <class T>
ParamField AdvField(const char* name, T AdvParaBlock::*field) {
    return {name, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(),
            [field](MachineParams& p, long long v) { p.adv.*field = static_cast<T>(v); }};
}

const std::vector<ParamField>& Fields() {
    using M = MachineParaBlock;
    using A = AdvParaBlock;
    static const std::vector<ParamField> fields{
        MachineField("scaleMeasureX", &M::scaleMeasureX),
        MachineField("scaleMeasureY", &M::scaleMeasureY),
        MachineField("leftOffsetMm", &M::leftOffsetMm),
        MachineField("bidirCorrection", &M::bidirCorrection),
        MachineField("plotCutOffsetX", &M::plotCutOffsetX),
        MachineField("plotCutOffsetY", &M::plotCutOffsetY),
        MachineField("headEnable", &M::headEnable),
        MachineField("headCombination", &M::headCombination),
        MachineField("head1PosLeft", &M::head1PosLeft),
        MachineField("head2PosLeft", &M::head2PosLeft),
        MachineField("head3PosLeft", &M::head3PosLeft),
        MachineField("head4PosLeft", &M::head4PosLeft),
        MachineField("head1PosRight", &M::head1PosRight),
        MachineField("head2PosRight", &M::head2PosRight),
        MachineField("head3PosRight", &M::head3PosRight),
        MachineField("head4PosRight", &M::head4PosRight),
        MachineField("headOverlapDots", &M::headOverlapDots),
        MachineField("overlap23Dots", &M::overlap23Dots),
        MachineField("overlap34Dots", &M::overlap34Dots),
        MachineField("bidirectional", &M::bidirectional),
        MachineField("fullCutPressure", &M::fullCutPressure),
        MachineField("halfCutPressure", &M::halfCutPressure),
        MachineField("fullCutLengthMm", &M::fullCutLengthMm),
        MachineField("bridgeLen", &M::bridgeLen),
        MachineField("solenoidDelay", &M::solenoidDelay),
        MachineField("darkLines", &M::darkLines),
        MachineField("cutMode", &M::cutMode),
        MachineField("feedBeforeMm", &M::feedBeforeMm),
        MachineField("feedAfterMm", &M::feedAfterMm),
        MachineField("knifeTipComp", &M::knifeTipComp),
        MachineField("bufferLeftMm", &M::bufferLeftMm),
        MachineField("bufferRightMm", &M::bufferRightMm),
        MachineField("startCutPressure", &M::startCutPressure),
        MachineField("marginLeftMm", &M::marginLeftMm),
        MachineField("marginRightMm", &M::marginRightMm),
        MachineField("edgeLeftPx", &M::edgeLeftPx),
        MachineField("edgeRightPx", &M::edgeRightPx),
        AdvField("feedPulsesPerMm", &A::feedPulsesPerMm),
        AdvField("carriagePulsesPerMm", &A::carriagePulsesPerMm),
        AdvField("softLimitMm", &A::softLimitMm),
        AdvField("feedMaxSpeed", &A::feedMaxSpeed),
        AdvField("carriageMaxSpeed", &A::carriageMaxSpeed),
        AdvField("cutMaxSpeed", &A::cutMaxSpeed),
        AdvField("cutOffStartY", &A::cutOffStartY),
        AdvField("cutOffEndY", &A::cutOffEndY),
        AdvField("cutOffInPlotOnly", &A::cutOffInPlotOnly),
        AdvField("cutOffBridge", &A::cutOffBridge),
        AdvField("feedAccel", &A::feedAccel),
        AdvField("carriageAccel", &A::carriageAccel),
        AdvField("cutAccel", &A::cutAccel),
        AdvField("bandsPerCutSegment", &A::bandsPerCutSegment),
        AdvField("fireIntervalPulses", &A::fireIntervalPulses),
        AdvField("nozzleColumnGapPx", &A::nozzleColumnGapPx),
        AdvField("firePulseWidth", &A::firePulseWidth),
        AdvField("bandOverlapComp", &A::bandOverlapComp),
        AdvField("longMoveSpeedRatio", &A::longMoveSpeedRatio),
        AdvField("firmwareFlag", &A::firmwareFlag),
    };
    return fields;
}

}  // namespace

std::string ApplyMachineParam(MachineParams& params, std::string_view assignment) {
    const auto eq = assignment.find('=');
    if (eq == std::string_view::npos || eq == 0) return "--param needs NAME=VALUE, not '" + std::string(assignment) + "'";
    const std::string_view name = assignment.substr(0, eq);
    const std::string_view text = assignment.substr(eq + 1);
    for (const ParamField& f : Fields()) {
        if (name != f.name) continue;
        long long v = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
        if (text.empty() || ec != std::errc() || end != text.data() + text.size() || v < f.lo || v > f.hi) {
            return std::string(name) + " takes a whole number from " + std::to_string(f.lo) + " to " +
                   std::to_string(f.hi) + ", not '" + std::string(text) + "'";
        }
        f.set(params, v);
        return {};
    }
    return "no machine parameter named " + std::string(name);
}

}  // namespace pv::cli
