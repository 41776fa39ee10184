#include "geometry/post_read.h"

#include "geometry/recognition.h"
#include "settings/app_settings.h"

namespace pv {

namespace {

void ScaleForUnit(COnePage& page, const AppSettings& settings, const PostReadOptions& options) {
    switch (settings.PltFileUnit) {
        case 1: page.ScaleAll(1.016, 1.016); break;
        case 2: page.ScaleAll(options.unitScaleX, options.unitScaleY); break;
        case 3: page.ScaleAll(0.4, 0.4); break;
        default: break;   // 0: the file's own units are plotter units
    }
}

// A drawing wider than the paper is turned (when allowed) and, if it is
// still wider, cut into strips of the paper's width.  The two-head program
// does this only when paging is switched on and may mirror first; the
// four-head program always pages and never mirrors.
void FitToPaper(COnePage& page, const AppSettings& settings) {
    const bool fourHead = IsFourHead(settings.edition);
    if (!fourHead && settings.AutoMirror != 0) page.MirrorY();
    if (!fourHead && settings.SplitEn == 0) return;
    if (settings.PaperLenMm <= 0) return;   // no paper width known: nothing to page against
    const std::int64_t paper = std::int64_t{40} * settings.PaperLenMm;
    if (paper >= page.maxY) return;
    if (settings.AutoRotate != 0) page.Rotate90();
    if (paper < page.maxY) page.ManualYPaging(ClampToInt32(paper));
}

// Steps common to both readers from recognition on.
void FinishRead(COnePage& page, const AppSettings& settings, bool recognize = true) {
    if (recognize) RecognizeOnRead(page, settings);
    FitToPaper(page, settings);
    page.jobState = kJobWaiting;
    page.startPosMm = 0;
}

}  // namespace

void RunPostReadSequence(COnePage& page, const AppSettings& settings, const PostReadOptions& options) {
    page.TidyAll();
    ScaleForUnit(page, settings, options);
    page.CalcBounds();
    if (options.path == ReadPath::FirstShown) {
        if (page.minX < 0 || page.minY < 0) page.MoveToOrigin();
    } else {
        page.MoveToOriginIfNeeded();
        if (settings.PlotOnly == 0) {
            page.JoinNear(1, settings.edition);
            page.JoinNear(9, settings.edition);
        }
    }
    FinishRead(page, settings);
    if (settings.FindUNotch == 1) RecognizeUNotchesOnRead(page, settings);
}

void RunDxfPostReadSequence(COnePage& page, const AppSettings& settings) {
    page.JoinTouching();
    if (!page.curves.empty()) {
        page.TidyAll();
        page.CalcBounds();
        page.MoveToOriginIfNeeded();
        page.JoinNear(1, settings.edition);
        page.JoinNear(9, settings.edition);
        page.startPosMm = 0;
    }
    FinishRead(page, settings);
}

void RunGarmentPostReadSequence(COnePage& page, const AppSettings& settings) {
    if (!page.curves.empty()) {
        page.TidyAll();
        page.CalcBounds();
        page.MoveToOriginIfNeeded();
    }
    FinishRead(page, settings, false);
    if (settings.FindUNotch == 1) RecognizeUNotchesOnRead(page, settings);
}

}  // namespace pv
