#include "ui/page_fields.h"

#include <QtGlobal>

namespace pv::ui {
namespace {

using K = FieldKind;

FormField MInt(const char* group, const char* label, const char* part, double min, double max, const char* field) {
    return {group, label, part, K::Integer, min, max, 1, 0, FieldTarget::Machine(field)};
}
FormField MNum(const char* group, const char* label, double min, double max, int scale, int decimals,
               const char* field) {
    return {group, label, nullptr, K::Number, min, max, scale, decimals, FieldTarget::Machine(field)};
}
FormField AInt(const char* group, const char* label, double min, double max, const char* field) {
    return {group, label, nullptr, K::Integer, min, max, 1, 0, FieldTarget::Adv(field)};
}
FormField ANum(const char* group, const char* label, double min, double max, int scale, int decimals,
               const char* field) {
    return {group, label, nullptr, K::Number, min, max, scale, decimals, FieldTarget::Adv(field)};
}

void AddEdgeGroup(std::vector<FormField>& f) {
    const char* g = QT_TRANSLATE_NOOP("ParaFields", "边线调整");
    f.push_back(MInt(g, QT_TRANSLATE_NOOP("ParaFields", "缓冲(0~50mm)"), QT_TRANSLATE_NOOP("ParaFields", "左"), 0, 50,
                     "bufferLeftMm"));
    f.push_back(MInt(g, nullptr, QT_TRANSLATE_NOOP("ParaFields", "右"), 0, 50, "bufferRightMm"));
    f.push_back(MInt(g, QT_TRANSLATE_NOOP("ParaFields", "边距(0~200mm)"), QT_TRANSLATE_NOOP("ParaFields", "左"), 0, 200,
                     "marginLeftMm"));
    f.push_back(MInt(g, nullptr, QT_TRANSLATE_NOOP("ParaFields", "右"), 0, 200, "marginRightMm"));
    f.push_back(MInt(g, QT_TRANSLATE_NOOP("ParaFields", "边线(-5-5)像素"), QT_TRANSLATE_NOOP("ParaFields", "左"), -5, 5,
                     "edgeLeftPx"));
    f.push_back(MInt(g, nullptr, QT_TRANSLATE_NOOP("ParaFields", "右"), -5, 5, "edgeRightPx"));
}

}  // namespace

std::vector<FormField> InkjetFields(Edition e) {
    std::vector<FormField> f;
    const char* ink = QT_TRANSLATE_NOOP("ParaFields", "喷墨参数");
    f.push_back({ink, QT_TRANSLATE_NOOP("ParaFields", "双向打印"), nullptr, K::Flag, 0, 1, 1, 0,
                 FieldTarget::Machine("bidirectional")});
    if (!IsFourHead(e)) {
        f.push_back(
            MInt(ink, QT_TRANSLATE_NOOP("ParaFields", "1#2#喷头X向重合点数(0~10)"), nullptr, 0, 10, "headOverlapDots"));
        f.push_back(
            MNum(ink, QT_TRANSLATE_NOOP("ParaFields", "来回校正(0~50.00mm)"), 0, 50, 100, 2, "bidirCorrection"));
        const char* pos = QT_TRANSLATE_NOOP("ParaFields", "喷头位置");
        f.push_back(MInt(pos, QT_TRANSLATE_NOOP("ParaFields", "向左打印时"), "1#", 0, 250, "head1PosLeft"));
        f.push_back(MInt(pos, nullptr, "2#", 0, 250, "head2PosLeft"));
        f.push_back(MInt(pos, QT_TRANSLATE_NOOP("ParaFields", "向右打印时"), "1#", 0, 250, "head1PosRight"));
        f.push_back(MInt(pos, nullptr, "2#", 0, 250, "head2PosRight"));
        AddEdgeGroup(f);
        return f;
    }
    const char* overlap = QT_TRANSLATE_NOOP("ParaFields", "喷头重合(单位:pix)");
    f.push_back(MInt(overlap, QT_TRANSLATE_NOOP("ParaFields", "1#2#之间(0~10)"), nullptr, 0, 10, "headOverlapDots"));
    f.push_back(MInt(overlap, QT_TRANSLATE_NOOP("ParaFields", "2#3#之间(0~10)"), nullptr, 0, 10, "overlap23Dots"));
    f.push_back(MInt(overlap, QT_TRANSLATE_NOOP("ParaFields", "3#4#之间(0~10)"), nullptr, 0, 10, "overlap34Dots"));
    const char* pos = QT_TRANSLATE_NOOP("ParaFields", "喷头位置(单位:pix)");
    const char* left[4] = {"head1PosLeft", "head2PosLeft", "head3PosLeft", "head4PosLeft"};
    const char* right[4] = {"head1PosRight", "head2PosRight", "head3PosRight", "head4PosRight"};
    const char* parts[4] = {"1#", "2#", "3#", "4#"};
    for (int i = 0; i < 4; ++i)
        f.push_back(
            MInt(pos, i == 0 ? QT_TRANSLATE_NOOP("ParaFields", "向左打印时") : nullptr, parts[i], 0, 750, left[i]));
    for (int i = 0; i < 4; ++i)
        f.push_back(
            MInt(pos, i == 0 ? QT_TRANSLATE_NOOP("ParaFields", "向右打印时") : nullptr, parts[i], 0, 750, right[i]));
    f.push_back(MNum(ink, QT_TRANSLATE_NOOP("ParaFields", "来回校正(0~50.00mm)"), 0, 50, 100, 2, "bidirCorrection"));
    AddEdgeGroup(f);
    return f;
}

std::vector<FormField> CutFields() {
    const char* cut = QT_TRANSLATE_NOOP("ParaFields", "切割参数");
    const char* press = QT_TRANSLATE_NOOP("ParaFields", "刀压");
    return {
        MInt(cut, QT_TRANSLATE_NOOP("ParaFields", "切割方式(0-不减速 1-减速抬刀)"), nullptr, 0, 1, "cutMode"),
        MInt(cut, QT_TRANSLATE_NOOP("ParaFields", "全刀切割长度(20~100)(mm)"), nullptr, 20, 100, "fullCutLengthMm"),
        MNum(cut, QT_TRANSLATE_NOOP("ParaFields", "粘连量(0.1~3.0)(mm)"), 0.1, 3.0, 10, 1, "bridgeLen"),
        MNum(cut, QT_TRANSLATE_NOOP("ParaFields", "电磁铁响应延迟(0.0~20.0)(ms)"), 0, 20, 10, 1, "solenoidDelay"),
        MNum(cut, QT_TRANSLATE_NOOP("ParaFields", "喷切重合(X)(-200.0~200.0)(mm)"), -200, 200, 10, 1, "plotCutOffsetX"),
        MNum(cut, QT_TRANSLATE_NOOP("ParaFields", "喷切重合(Y)(-200.0~200.0)(mm)"), -200, 200, 10, 1, "plotCutOffsetY"),
        MNum(cut, QT_TRANSLATE_NOOP("ParaFields", "刀尖补偿(0~2)(mm)"), 0, 2, 10, 1, "knifeTipComp"),
        MInt(press, QT_TRANSLATE_NOOP("ParaFields", "启动刀压(2~199)"), nullptr, 2, 199, "startCutPressure"),
        MInt(press, QT_TRANSLATE_NOOP("ParaFields", "全刀刀压(2~199)"), nullptr, 2, 199, "fullCutPressure"),
        MInt(press, QT_TRANSLATE_NOOP("ParaFields", "半刀刀压(0~50)"), nullptr, 0, 50, "halfCutPressure"),
    };
}

std::vector<FormField> MiscFields() {
    const char* feed = QT_TRANSLATE_NOOP("ParaFields", "送纸参数");
    const char* tail = QT_TRANSLATE_NOOP("ParaFields", "文件尾切割(mm)");
    return {
        MInt(feed, QT_TRANSLATE_NOOP("ParaFields", "打印前进纸长度(0~250mm)"), nullptr, 0, 250, "feedBeforeMm"),
        MInt(feed, QT_TRANSLATE_NOOP("ParaFields", "打印后进纸长度(0~250mm)"), nullptr, 0, 250, "feedAfterMm"),
        {tail, QT_TRANSLATE_NOOP("ParaFields", "喷墨模式时也裁纸"), nullptr, K::Flag, 0, 1, 1, 0,
         FieldTarget::Adv("cutOffInPlotOnly")},
        AInt(tail, QT_TRANSLATE_NOOP("ParaFields", "起点Y坐标："), 0, 4000, "cutOffStartY"),
        AInt(tail, QT_TRANSLATE_NOOP("ParaFields", "终点Y坐标："), 0, 4000, "cutOffEndY"),
        ANum(tail, QT_TRANSLATE_NOOP("ParaFields", "裁纸中间粘连量(0.0~5.0mm)"), 0, 5.0, 10, 1, "cutOffBridge"),
        {tail, QT_TRANSLATE_NOOP("ParaFields", "尾切割线与裁片距离(0~50mm)"), nullptr, K::Integer, 0, 50, 1, 0,
         FieldTarget::Setting(&AppSettings::CutOffDistX)},
    };
}

// The pulses per mm travel to the machine ×100 in a 16-bit field: above
// 655.35 the value would wrap round to a small gear ratio.
constexpr double kPulsesPerMmMax = 655.35;

std::vector<FormField> AdvancedFields(Edition e) {
    const bool four = IsFourHead(e);
    const char* gear = QT_TRANSLATE_NOOP("ParaFields", "齿轮比调整");
    const char* fire = QT_TRANSLATE_NOOP("ParaFields", "喷墨频率");
    const char* seg = QT_TRANSLATE_NOOP("ParaFields", "图形分段");
    // The four-head page gathers the speeds in one group "速度".
    const char* feed = four ? QT_TRANSLATE_NOOP("ParaFields", "速度") : QT_TRANSLATE_NOOP("ParaFields", "空程速度");
    const char* carriage = four ? QT_TRANSLATE_NOOP("ParaFields", "速度") : QT_TRANSLATE_NOOP("ParaFields", "空程速度");
    const char* cut = four ? QT_TRANSLATE_NOOP("ParaFields", "速度") : QT_TRANSLATE_NOOP("ParaFields", "切割速度");
    std::vector<FormField> f = {
        ANum(gear, QT_TRANSLATE_NOOP("ParaFields", "走纸轴每mm脉冲数(30~200)"), 20, kPulsesPerMmMax, 100, 2,
             "feedPulsesPerMm"),
        ANum(gear, QT_TRANSLATE_NOOP("ParaFields", "小车轴每mm脉冲数(30~200)"), 20, kPulsesPerMmMax, 100, 2,
             "carriagePulsesPerMm"),
        AInt(fire, QT_TRANSLATE_NOOP("ParaFields", "点火脉宽(18~25)"), 18, 25, "firePulseWidth"),
        AInt(fire, QT_TRANSLATE_NOOP("ParaFields", "喷墨间隔脉冲数"), 2, 100, "fireIntervalPulses"),
        AInt(fire, QT_TRANSLATE_NOOP("ParaFields", "喷头左右两列距离(20~40像素)"), 20, 40, "nozzleColumnGapPx"),
        AInt(seg, QT_TRANSLATE_NOOP("ParaFields", "喷多少次切割一段"), 6, 30, "bandsPerCutSegment"),
        ANum(seg, QT_TRANSLATE_NOOP("ParaFields", "段间重叠补偿(0.00mm~2.00mm)"), 0, 2, 100, 2, "bandOverlapComp"),
    };
    auto add = [&](const char* group, const char* row, const char* label, double min, double max, int scale,
                   int decimals, const char* field) {
        FormField x =
            scale == 1 ? AInt(group, label, min, max, field) : ANum(group, label, min, max, scale, decimals, field);
        x.heading = row;
        f.push_back(x);
    };
    add(feed, four ? QT_TRANSLATE_NOOP("ParaFields", "进退纸方向") : QT_TRANSLATE_NOOP("ParaFields", "进退纸"),
        QT_TRANSLATE_NOOP("ParaFields", "最大速度(100~600mm/s)"), 100, 600, 1, 0, "feedMaxSpeed");
    add(feed, nullptr, QT_TRANSLATE_NOOP("ParaFields", "加速度(0.5~10 m/s^2)"), 0.5, 10, 10, 1, "feedAccel");
    if (!four)
        add(feed, nullptr, QT_TRANSLATE_NOOP("ParaFields", "长距离时降速比(20%~100%)"), 20, 100, 1, 0,
            "longMoveSpeedRatio");
    add(carriage, four ? QT_TRANSLATE_NOOP("ParaFields", "小车方向") : QT_TRANSLATE_NOOP("ParaFields", "小车"),
        QT_TRANSLATE_NOOP("ParaFields", "最大速度(400~1200mm/s)"), 400, 1200, 1, 0, "carriageMaxSpeed");
    add(carriage, nullptr, QT_TRANSLATE_NOOP("ParaFields", "加速度(1~20 m/s^2)"), 1, 20, 10, 1, "carriageAccel");
    add(cut, four ? QT_TRANSLATE_NOOP("ParaFields", "切割时") : nullptr,
        QT_TRANSLATE_NOOP("ParaFields", "最大速度(50~600mm/s)"), 50, 600, 1, 0, "cutMaxSpeed");
    add(cut, nullptr, QT_TRANSLATE_NOOP("ParaFields", "加速度(0.2~5 m/s^2)"), 0.2, 5, 10, 1, "cutAccel");
    f.push_back(AInt(QT_TRANSLATE_NOOP("ParaFields", "软限位"),
                     QT_TRANSLATE_NOOP("ParaFields", "机头移动位置超出时停止(mm)"), 500, 4000, "softLimitMm"));
    return f;
}

}  // namespace pv::ui
