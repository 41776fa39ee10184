#include "ui/view_commands.h"

#include <cmath>

#include "geometry/recognition.h"
#include "geometry/view_picking.h"
#include "jobs/station.h"
#include "output/cut_bridges.h"
#include "output/cut_shaping.h"
#include "settings/localized.h"
#include "ui/command_ids.h"
#include "ui/dlg_get_int_input.h"

namespace pv::ui {

namespace {

constexpr std::int32_t kScrollStep = 80;         // pixels per arrow key
constexpr std::int32_t kDefaultPageLenMm = 1000;
constexpr std::int32_t kTwoHeadDot = 32;         // 0.8 mm
constexpr std::int32_t kFourHeadDot = 20;        // 0.5 mm

CommandEffect Done(bool edited, bool refresh = false) { return {true, edited, refresh, true}; }

}  // namespace

QString ViewCommands::Text(const char* chinese, const char* english) const {
    return QString::fromUtf8(Localized(station_.Language(), chinese, english));
}

bool ViewCommands::Ask(const QString& prompt, double& value) const {
    if (ask_) return ask_(prompt, value);
    CDlgGetIntInput dlg;
    dlg.SetPrompt(prompt);
    dlg.SetValue(value);
    if (dlg.exec() != QDialog::Accepted) return false;
    value = dlg.Value();
    return true;
}

void ViewCommands::Fit(ViewMapping& view, int windowHeight) const {
    view.Fit(windowHeight, station_.settings.Read([](const AppSettings& s) { return s.PaperLenMm; }));
}

CommandEffect ViewCommands::Run(int id, COnePage* page, ViewMapping& view, int windowHeight) {
    switch (id) {
    case kCmdArrowLeft: view.Pan(kScrollStep, 0); return {true, false, false, true};
    case kCmdArrowRight: view.Pan(-kScrollStep, 0); return {true, false, false, true};
    case kCmdArrowUp: view.Pan(0, kScrollStep); return {true, false, false, true};
    case kCmdArrowDown: view.Pan(0, -kScrollStep); return {true, false, false, true};
    case kCmdZoomIn: return {true, false, false, view.ZoomIn()};
    case kCmdZoomOut: return {true, false, false, view.ZoomOut()};
    case kCmdFit:
    case kCmdFitButton: Fit(view, windowHeight); return {true, false, false, true};
    default: break;
    }
    CommandEffect none;
    switch (id) {
    case kCmdSelectAll: case kCmdFindOutlines: case kCmdToDrawn: case kCmdToCut: case kCmdRotate90:
    case kCmdManualYPaging: case kCmdDeletePlot: case kCmdDeleteCut: case kCmdDeleteSelected:
    case kCmdMoveToOrigin: case kCmdBreakByAngle: case kCmdReverse: case kCmdMakeDotted: case kCmdLeadIns:
        none.handled = true;
        break;
    case kCmdTestDotted4:
        none.handled = IsFourHead(station_.edition());
        break;
    default: return none;
    }
    if (!none.handled || !page) return none;
    return RunPageCommand(id, *page);
}

CommandEffect ViewCommands::RunPageCommand(int id, COnePage& page) {
    const AppSettings s = station_.settings.Get();
    // 0.1 mm -> plotter units
    const double tip = 4.0 * station_.params.Read([](const MachineParams& p) { return p.machine.knifeTipComp; });
    switch (id) {
    case kCmdSelectAll:
        SelectAll(page);
        return Done(false);
    case kCmdFindOutlines:
        FindOutlines(page, s);
        if (s.FindUNotch == 1) FindUNotches(page);
        page.CalcBounds();
        return Done(true);
    case kCmdToDrawn:
    case kCmdToCut: {
        const bool drawn = id == kCmdToDrawn;
        for (CCurve& c : page.curves) {
            if (c.selected == 0) continue;
            c.kind = drawn ? kDrawn : kFullCut;
            c.role = kRoleNone;
        }
        page.SortByKind(drawn);
        return Done(true);
    }
    case kCmdRotate90:
        // The turn uses the drawing's height; bring it up to date first.
        page.CalcBounds();
        page.Rotate90();
        return Done(true, true);
    case kCmdManualYPaging: return ManualPaging(page);
    case kCmdDeletePlot: page.DeletePlot(); page.CalcBounds(); return Done(true);
    case kCmdDeleteCut: page.DeleteCut(); page.CalcBounds(); return Done(true);
    case kCmdDeleteSelected: page.DeleteSelected(); page.CalcBounds(); return Done(true);
    case kCmdMoveToOrigin:
        page.MoveToOrigin();
        page.SplitLongCutSpans();
        return Done(true, true);
    case kCmdBreakByAngle: return BreakByAngle(page);
    case kCmdReverse: page.ReverseSelected(); return Done(true);
    case kCmdMakeDotted:
    case kCmdTestDotted4:
        MakeDotted(page, TruncToInt32(s.DotDist * 4.0), id == kCmdTestDotted4 ? kFourHeadDot : kTwoHeadDot);
        page.CalcBounds();
        return Done(true, true);
    case kCmdLeadIns:
        ExtendCutEnds(page, tip, station_.edition());
        AddLeadIns(page, tip, station_.edition());
        page.CalcBounds();
        return Done(true);
    default: return {};
    }
}

CommandEffect ViewCommands::ManualPaging(COnePage& page) {
    double mm = kDefaultPageLenMm;
    if (!Ask(Text("输入分页长度(mm):", "Input Page Len(mm):"), mm)) return {true, false, false, false};
    const double h = 40.0 * mm;
    // A strip of no height, or one beyond the coordinate range, pages nothing.
    if (!(h >= 1.0 && h < 2147483647.0)) return {true, false, false, false};
    const bool paged = page.ManualYPaging(static_cast<std::int32_t>(h)) == kPagingDone;
    return Done(paged, paged);
}

CommandEffect ViewCommands::BreakByAngle(COnePage& page) {
    double degrees = station_.settings.Read([](const AppSettings& s) { return s.BreakAngle; });
    if (!Ask(Text("曲线打断角度(1~90度):", "Break Angle(1~90deg):"), degrees)) return {true, false, false, false};
    if (!std::isfinite(degrees)) return {true, false, false, false};
    station_.settings.Edit([degrees](AppSettings& s) { s.BreakAngle = TruncToInt32(degrees); });
    page.BreakByAngle(degrees);
    page.CalcBounds();
    return Done(true);
}

}  // namespace pv::ui
