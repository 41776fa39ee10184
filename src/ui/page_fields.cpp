#include "ui/page_fields.h"

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
    const char* g = "边线调整";
    f.push_back(MInt(g, "缓冲(0~50mm)", "左", 0, 50, "bufferLeftMm"));
    f.push_back(MInt(g, nullptr, "右", 0, 50, "bufferRightMm"));
    f.push_back(MInt(g, "边距(0~200mm)", "左", 0, 200, "marginLeftMm"));
    f.push_back(MInt(g, nullptr, "右", 0, 200, "marginRightMm"));
    f.push_back(MInt(g, "边线(-5-5)像素", "左", -5, 5, "edgeLeftPx"));
    f.push_back(MInt(g, nullptr, "右", -5, 5, "edgeRightPx"));
}

}  // namespace

std::vector<FormField> InkjetFields(Edition e) {
    std::vector<FormField> f;
    const char* ink = "喷墨参数";
    f.push_back({ink, "双向打印", nullptr, K::Flag, 0, 1, 1, 0, FieldTarget::Machine("bidirectional")});
    if (!IsFourHead(e)) {
        f.push_back(MInt(ink, "1#2#喷头X向重合点数(0~10)", nullptr, 0, 10, "headOverlapDots"));
        f.push_back(MNum(ink, "来回校正(0~50.00mm)", 0, 50, 100, 2, "bidirCorrection"));
        const char* pos = "喷头位置";
        f.push_back(MInt(pos, "向左打印时", "1#", 0, 250, "head1PosLeft"));
        f.push_back(MInt(pos, nullptr, "2#", 0, 250, "head2PosLeft"));
        f.push_back(MInt(pos, "向右打印时", "1#", 0, 250, "head1PosRight"));
        f.push_back(MInt(pos, nullptr, "2#", 0, 250, "head2PosRight"));
        AddEdgeGroup(f);
        return f;
    }
    const char* overlap = "喷头重合(单位:pix)";
    f.push_back(MInt(overlap, "1#2#之间(0~10)", nullptr, 0, 10, "headOverlapDots"));
    f.push_back(MInt(overlap, "2#3#之间(0~10)", nullptr, 0, 10, "overlap23Dots"));
    f.push_back(MInt(overlap, "3#4#之间(0~10)", nullptr, 0, 10, "overlap34Dots"));
    const char* pos = "喷头位置(单位:pix)";
    const char* left[4] = {"head1PosLeft", "head2PosLeft", "head3PosLeft", "head4PosLeft"};
    const char* right[4] = {"head1PosRight", "head2PosRight", "head3PosRight", "head4PosRight"};
    const char* parts[4] = {"1#", "2#", "3#", "4#"};
    for (int i = 0; i < 4; ++i) f.push_back(MInt(pos, i == 0 ? "向左打印时" : nullptr, parts[i], 0, 750, left[i]));
    for (int i = 0; i < 4; ++i) f.push_back(MInt(pos, i == 0 ? "向右打印时" : nullptr, parts[i], 0, 750, right[i]));
    f.push_back(MNum(ink, "来回校正(0~50.00mm)", 0, 50, 100, 2, "bidirCorrection"));
    AddEdgeGroup(f);
    return f;
}

std::vector<FormField> CutFields() {
    const char* cut = "切割参数";
    const char* press = "刀压";
    return {
        MInt(cut, "切割方式(0-不减速 1-减速抬刀)", nullptr, 0, 1, "cutMode"),
        MInt(cut, "全刀切割长度(20~100)(mm)", nullptr, 20, 100, "fullCutLengthMm"),
        MNum(cut, "粘连量(0.1~3.0)(mm)", 0.1, 3.0, 10, 1, "bridgeLen"),
        MNum(cut, "电磁铁响应延迟(0.0~20.0)(ms)", 0, 20, 10, 1, "solenoidDelay"),
        MNum(cut, "喷切重合(X)(-200.0~200.0)(mm)", -200, 200, 10, 1, "plotCutOffsetX"),
        MNum(cut, "喷切重合(Y)(-200.0~200.0)(mm)", -200, 200, 10, 1, "plotCutOffsetY"),
        MNum(cut, "刀尖补偿(0~2)(mm)", 0, 2, 10, 1, "knifeTipComp"),
        MInt(press, "启动刀压(2~199)", nullptr, 2, 199, "startCutPressure"),
        MInt(press, "全刀刀压(2~199)", nullptr, 2, 199, "fullCutPressure"),
        MInt(press, "半刀刀压(0~50)", nullptr, 0, 50, "halfCutPressure"),
    };
}

std::vector<FormField> MiscFields() {
    const char* feed = "送纸参数";
    const char* tail = "文件尾切割(mm)";
    return {
        MInt(feed, "打印前进纸长度(0~250mm)", nullptr, 0, 250, "feedBeforeMm"),
        MInt(feed, "打印后进纸长度(0~250mm)", nullptr, 0, 250, "feedAfterMm"),
        {tail, "喷墨模式时也裁纸", nullptr, K::Flag, 0, 1, 1, 0, FieldTarget::Adv("cutOffInPlotOnly")},
        AInt(tail, "起点Y坐标：", 0, 4000, "cutOffStartY"),
        AInt(tail, "终点Y坐标：", 0, 4000, "cutOffEndY"),
        ANum(tail, "裁纸中间粘连量(0.0~5.0mm)", 0, 5.0, 10, 1, "cutOffBridge"),
        {tail, "尾切割线与裁片距离(0~50mm)", nullptr, K::Integer, 0, 50, 1, 0,
         FieldTarget::Setting(&AppSettings::CutOffDistX)},
    };
}

std::vector<FormField> AdvancedFields(Edition e) {
    const bool four = IsFourHead(e);
    const char* gear = "齿轮比调整";
    const char* fire = "喷墨频率";
    const char* seg = "图形分段";
    // The four-head page gathers the speeds in one group "速度".
    const char* feed = four ? "速度" : "空程速度";
    const char* carriage = four ? "速度" : "空程速度";
    const char* cut = four ? "速度" : "切割速度";
    std::vector<FormField> f = {
        ANum(gear, "走纸轴每mm脉冲数(30~200)", 20, 800, 100, 2, "feedPulsesPerMm"),
        ANum(gear, "小车轴每mm脉冲数(30~200)", 20, 800, 100, 2, "carriagePulsesPerMm"),
        AInt(fire, "点火脉宽(18~25)", 18, 25, "firePulseWidth"),
        AInt(fire, "喷墨间隔脉冲数", 2, 100, "fireIntervalPulses"),
        AInt(fire, "喷头左右两列距离(20~40像素)", 20, 40, "nozzleColumnGapPx"),
        AInt(seg, "喷多少次切割一段", 6, 30, "bandsPerCutSegment"),
        ANum(seg, "段间重叠补偿(0.00mm~2.00mm)", 0, 2, 100, 2, "bandOverlapComp"),
    };
    auto add = [&](const char* group, const char* row, const char* label, double min, double max, int scale,
                   int decimals, const char* field) {
        FormField x = scale == 1 ? AInt(group, label, min, max, field)
                                 : ANum(group, label, min, max, scale, decimals, field);
        x.heading = row;
        f.push_back(x);
    };
    add(feed, four ? "进退纸方向" : "进退纸", "最大速度(100~600mm/s)", 100, 600, 1, 0, "feedMaxSpeed");
    add(feed, nullptr, "加速度(0.5~10 m/s^2)", 0.5, 10, 10, 1, "feedAccel");
    if (!four) add(feed, nullptr, "长距离时降速比(20%~100%)", 20, 100, 1, 0, "longMoveSpeedRatio");
    add(carriage, four ? "小车方向" : "小车", "最大速度(400~1200mm/s)", 400, 1200, 1, 0, "carriageMaxSpeed");
    add(carriage, nullptr, "加速度(1~20 m/s^2)", 1, 20, 10, 1, "carriageAccel");
    add(cut, four ? "切割时" : nullptr, "最大速度(50~600mm/s)", 50, 600, 1, 0, "cutMaxSpeed");
    add(cut, nullptr, "加速度(0.2~5 m/s^2)", 0.2, 5, 10, 1, "cutAccel");
    f.push_back(AInt("软限位", "机头移动位置超出时停止(mm)", 500, 4000, "softLimitMm"));
    return f;
}

}  // namespace pv::ui
