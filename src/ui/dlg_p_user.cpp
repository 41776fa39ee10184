#include "ui/dlg_p_user.h"

#include <QtGlobal>

namespace pv::ui {
namespace {

using K = FieldKind;
using S = AppSettings;

FormField Flag(const char* group, const char* label, std::int32_t S::*m) {
    return {group, label, nullptr, K::Flag, 0, 1, 1, 0, FieldTarget::Setting(m)};
}

std::vector<FormField> UserFields(Edition e) {
    const char* a = "#left";
    const char* b = "#right";
    std::vector<FormField> f = {
        Flag(a, QT_TRANSLATE_NOOP("ParaFields", "读取绘图文件时自动将外轮廓识别为切割线"), &S::SearchOutline),
        Flag(a, QT_TRANSLATE_NOOP("ParaFields", "识别轮廓前，先识别“T”型剪口"), &S::FindTCutFirst),
        Flag(a, QT_TRANSLATE_NOOP("ParaFields", "识别轮廓前，先识别“I”型剪口"), &S::FindICutFirst),
        Flag(a, QT_TRANSLATE_NOOP("ParaFields", "切割轮廓识别出来的剪口"), &S::CutNotch),
        Flag(a, QT_TRANSLATE_NOOP("ParaFields", "文件打开时检测到有切割线时不识别外轮廓"),
             &S::DoNotFindOutlineIfSp2Exist),
        Flag(a, QT_TRANSLATE_NOOP("ParaFields", "自动优化对称片切割顺序"), &S::OptSS),
        {a, QT_TRANSLATE_NOOP("ParaFields", "DXF文件单位(1,4,10,40,100,400,1000...)"), nullptr, K::Integer, 0, 2000, 1,
         0, FieldTarget::Setting(&S::DxfUnit)},
        Flag(a, QT_TRANSLATE_NOOP("ParaFields", "按AAMA/ASTM图层读取服装DXF文件(切割线,单位,尺码)"),
             &S::DxfGarmentLayers),
        Flag(a, QT_TRANSLATE_NOOP("ParaFields", "(喷墨模式)只绘不切"), &S::PlotOnly),
        Flag(a, QT_TRANSLATE_NOOP("ParaFields", "绘切割线"), &S::PlotCutLine),
        Flag(a, QT_TRANSLATE_NOOP("ParaFields", "开始打印前清洗喷头"), &S::CleanAtStart),
        Flag(b, QT_TRANSLATE_NOOP("ParaFields", "每段开始清洗喷头"), &S::CleanAtSection),
        Flag(b, QT_TRANSLATE_NOOP("ParaFields", "宽幅模式(分页前自动旋转)"), &S::AutoRotate),
        Flag(b, QT_TRANSLATE_NOOP("ParaFields", "是否镜像"), &S::AutoMirror),
        Flag(b, QT_TRANSLATE_NOOP("ParaFields", "分页"), &S::SplitEn),
        {b, QT_TRANSLATE_NOOP("ParaFields", "分页宽度(mm)"), nullptr, K::Integer, 120, 4000, 1, 0,
         FieldTarget::Setting(&S::PaperLenMm)},
    };
    // The four-head edition keeps no font scale: its labels are read at 100 %.
    if (!IsFourHead(e))
        f.push_back({b, QT_TRANSLATE_NOOP("ParaFields", "字体缩放比例(20%~500%)"), nullptr, K::Integer, 20, 500, 1, 0,
                     FieldTarget::Setting(&S::PltFontScale)});
    f.push_back(Flag(b, QT_TRANSLATE_NOOP("ParaFields", "自动删除列表中已经完成的项"), &S::AutoDelFinish));
    f.push_back(Flag(b, QT_TRANSLATE_NOOP("ParaFields", "切割时跳过U形剪口,并把U形剪口变成绘图"), &S::FindUNotch));
    f.push_back(Flag(b, QT_TRANSLATE_NOOP("ParaFields", "线条变打孔"), &S::LineToDot));
    f.push_back({b, QT_TRANSLATE_NOOP("ParaFields", "孔间隔(mm)"), nullptr, K::Number, 1, 50, 10, 1,
                 FieldTarget::Setting(&S::DotDist)});
    return f;
}

}  // namespace

CDlgPUser::CDlgPUser(Station& station, QWidget* parent)
    : ParaPage(station, Capture::None, parent), form_(kFieldContext, UserFields(station.edition())) {
    form_.Build(this, Body());
    form_.Load(station_.settings.Get(), station_.params.Get());
    form_.Show();
}

bool CDlgPUser::Apply() {
    if (!form_.Read(Language(), this)) return false;
    form_.Store(station_.settings, station_.params);
    return true;
}

}  // namespace pv::ui
