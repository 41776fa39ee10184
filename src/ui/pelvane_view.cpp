#include "ui/pelvane_view.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <cstdlib>
#include <string>

#include "geometry/view_picking.h"
#include "jobs/station.h"
#include "output/band_layout.h"
#include "settings/localized.h"
#include "ui/command_ids.h"
#include "ui/dlg_prop_text_add.h"
#include "ui/view_context_menu.h"

namespace pv::ui {

namespace {

constexpr int kBandMinPixels = 10;     // a smaller rubber band is a click
constexpr int kMenuClickReach = 2;     // pixels between right press and release
constexpr double kWheelIn = 1.25;
constexpr double kWheelOut = 0.8;
constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

bool Ctrl(Qt::KeyboardModifiers m) { return m.testFlag(Qt::ControlModifier); }

}  // namespace

CPelvaneView::CPelvaneView(Station& station, QWidget* parent)
    : QWidget(parent), station_(station), commands_(station) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::OpenHandCursor);
    view_.Fit(height(), PaperLenMm());
}

std::int32_t CPelvaneView::PaperLenMm() const {
    return station_.settings.Read([](const AppSettings& s) { return s.PaperLenMm; });
}

COnePage* CPelvaneView::ShownPage() const {
    return blank_ ? nullptr : station_.jobs.JobAt(station_.jobs.CurrentJobIndex);
}

int CPelvaneView::ShownIndex() const { return ShownPage() ? station_.jobs.CurrentJobIndex : -1; }

void CPelvaneView::ShowJob(int index, bool reportFailure) {
    if (index < 0) index = 0;
    COnePage* job = station_.jobs.JobAt(index);
    if (!job) {
        // Beyond the list: the index becomes 0 and nothing is shown.
        station_.jobs.SelectJob(index);
        blank_ = true;
        CatchUpWithCurrentJob();
        Redraw();
        return;
    }
    if (job->curves.empty()) {
        const int result = station_.ReadDrawing(*job);
        if (result != 0 && reportFailure)
            station_.ShowMessage(Localized(station_.Language(), "文件打开失败!", "Open File Failed!"));
    }
    blank_ = false;
    station_.jobs.SelectJob(index);   // marks this job's page, and only it
    CatchUpWithCurrentJob();
    band_ = -1;
    Fit();
}

void CPelvaneView::FollowCurrentJob() {
    blank_ = false;
    CatchUpWithCurrentJob();
    Redraw();
}

void CPelvaneView::CatchUpWithCurrentJob() {
    const COnePage* page = ShownPage();
    const int index = page ? station_.jobs.CurrentJobIndex : -1;
    if (page == fittedPage_ && index == fittedIndex_) return;
    fittedPage_ = page;
    fittedIndex_ = index;
    band_ = -1;
    commands_.Fit(view_, height());
}

void CPelvaneView::Fit() {
    commands_.Fit(view_, height());
    Redraw();
}

void CPelvaneView::Redraw() {
    if (COnePage* page = ShownPage()) page->CalcSelectionBounds();
    update();
}

void CPelvaneView::SetMapping(const ViewMapping& view) {
    view_ = view;
    update();
}

void CPelvaneView::SetTool(int tool) {
    tool_ = tool;
    UpdateCursor(mapFromGlobal(QCursor::pos()), Qt::NoModifier);
}

bool CPelvaneView::HandleCommand(int id) {
    if (id == kCmdUndo || id == kCmdRedo) {
        const bool moved = id == kCmdUndo ? station_.Undo() : station_.Redo();
        if (moved) {
            // The queue was replaced: a current index now past its end goes
            // back to the first job.
            if (!station_.jobs.JobAt(station_.jobs.CurrentJobIndex)) station_.jobs.SelectJob(0);
            emit jobsChanged();
        }
        Redraw();
        return true;
    }
    const CommandEffect effect = commands_.Run(id, ShownPage(), view_, height());
    if (!effect.handled) return false;
    AfterEdit(effect);
    return true;
}

void CPelvaneView::AfterEdit(const CommandEffect& effect) {
    if (effect.pageEdited) station_.PushUndoSnapshot();
    if (effect.refreshList) emit jobsChanged();
    if (effect.redraw || effect.pageEdited) Redraw();
}

void CPelvaneView::ShowPrintingBand() {
    CatchUpWithCurrentJob();
    const COnePage* page = ShownPage();
    band_ = page && page->jobState == kJobPrinting ? station_.link.bandInProgress.load() : -1;
    update();
}

// Painting ------------------------------------------------------------------

void CPelvaneView::paintEvent(QPaintEvent*) {
    // A path that made another job current without telling the view still
    // never paints the job shown before.
    CatchUpWithCurrentJob();
    QPainter p(this);
    view_.H = height();
    const QImage& picture = cache_.Get(ShownPage(), view_, size(), PaperLenMm());
    p.drawImage(0, 0, picture);
    PaintOverlays(p);
}

void CPelvaneView::PaintOverlays(QPainter& p) {
    const COnePage* page = ShownPage();
    if (page && band_ >= 0 && page->jobState == kJobPrinting) {
        const BandLayout layout(station_.output.raster);
        const double start = 40.0 * page->startPosMm;
        const double x0 = view_.PixelX(TruncToInt32(start + layout.BandEndX(band_ - 1)));
        const double x1 = view_.PixelX(TruncToInt32(start + layout.BandEndX(band_)));
        const double y0 = view_.PixelY(0);
        const double y1 = view_.PixelY(TruncToInt32(40.0 * PaperLenMm()));
        // Clipped near the window in floating point, then truncated as every
        // point of the view is.
        const QRectF reach = QRectF(rect()).adjusted(-4, -4, 4, 4);
        const QRectF band = QRectF(QPointF(x0, y1), QPointF(x1, y0)).normalized().intersected(reach);
        if (!band.isEmpty()) {
            p.setPen(QPen(PageRenderer::kBand, 1));
            p.setBrush(Qt::NoBrush);
            // A stroked rectangle reaches one pixel past its size: the sides
            // land on the truncated edges.
            const int l = static_cast<int>(band.left()), t = static_cast<int>(band.top());
            p.drawRect(l, t, static_cast<int>(band.right()) - l, static_cast<int>(band.bottom()) - t);
        }
    }
    if (!leftDown_ || moveSelection_) return;
    const int tool = DragTool();
    if (tool != 1 && tool != 4) return;
    // Inverted dots over the picture, as a rubber band is drawn.
    p.setCompositionMode(QPainter::CompositionMode_Difference);
    p.setPen(QPen(Qt::white, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    if (tool == 1) p.drawRect(QRect(press_, last_).normalized());
    else p.drawLine(press_, last_);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void CPelvaneView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Fit();
}

// Pointer -------------------------------------------------------------------

bool CPelvaneView::MoveSelectionModeAt(QPoint, Qt::KeyboardModifiers) const {
    const COnePage* page = ShownPage();
    return tool_ == 2 && page && page->anySelected != 0;
}

void CPelvaneView::UpdateCursor(QPoint pos, Qt::KeyboardModifiers mods) {
    moveSelection_ = MoveSelectionModeAt(pos, mods);
    if (moveSelection_) setCursor(Qt::SizeAllCursor);
    else if (DragTool() == 0) setCursor(Qt::OpenHandCursor);
    else setCursor(Qt::ArrowCursor);
}

void CPelvaneView::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        rightDown_ = true;
        rightPress_ = last_ = pos;
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    UpdateCursor(pos, event->modifiers());
    leftDown_ = true;
    movedSelection_ = false;
    press_ = last_ = pos;
    if (moveSelection_) {
        lastWorld_ = view_.ToWorld(Pix(pos));
        return;
    }
    if (Ctrl(event->modifiers())) return;
    if (COnePage* page = ShownPage()) {
        page->ClearSelection();
        Redraw();
    } else {
        ShowJob(station_.jobs.CurrentJobIndex - 1);
    }
}

void CPelvaneView::Pan(QPoint pos) {
    view_.Pan(last_.x() - pos.x(), last_.y() - pos.y());
    update();
}

void CPelvaneView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const Point world = view_.ToWorld(Pix(pos));
    emit pointerMoved(world.x, world.y);
    if (leftDown_) {
        if (moveSelection_) {
            if (COnePage* page = ShownPage()) {
                MoveSelection(*page, world.x - lastWorld_.x, world.y - lastWorld_.y);
                movedSelection_ = true;
                Redraw();
            }
            lastWorld_ = world;
        } else if (DragTool() == 0) {
            Pan(pos);
        } else if (DragTool() == 1 || DragTool() == 4) {
            update();   // the band or the line follows the pointer
        }
    } else if (rightDown_) {
        Pan(pos);
    } else {
        UpdateCursor(pos, event->modifiers());
    }
    last_ = pos;
}

void CPelvaneView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        const bool click = rightDown_ && std::abs(pos.x() - rightPress_.x()) <= kMenuClickReach &&
                           std::abs(pos.y() - rightPress_.y()) <= kMenuClickReach;
        rightDown_ = false;
        if (click) ShowContextMenu(pos);
        return;
    }
    if (event->button() != Qt::LeftButton || !leftDown_) return;
    last_ = pos;
    const bool moving = moveSelection_;
    leftDown_ = false;
    if (moving) {
        if (movedSelection_) station_.PushUndoSnapshot();
        movedSelection_ = false;
        UpdateCursor(pos, event->modifiers());
        update();
        return;
    }
    if (DragTool() == 1) FinishSelection(pos, event->modifiers());
    else if (DragTool() == 4) FinishText(pos);
    update();
}

void CPelvaneView::FinishSelection(QPoint pos, Qt::KeyboardModifiers mods) {
    COnePage* page = ShownPage();
    if (!page) return;
    if (!Ctrl(mods) && !mods.testFlag(Qt::ShiftModifier)) page->ClearSelection();
    if (std::abs(pos.x() - press_.x()) > kBandMinPixels || std::abs(pos.y() - press_.y()) > kBandMinPixels)
        SelectInBand(*page, view_, Pix(press_), Pix(pos));
    else
        PickAt(*page, view_, Pix(pos));
    Redraw();
}

void CPelvaneView::FinishText(QPoint pos) {
    COnePage* page = ShownPage();
    if (!page) return;
    const Point a = view_.ToWorld(Pix(press_));
    const Point b = view_.ToWorld(Pix(pos));
    textProp_.x = a.x / 40.0;
    textProp_.y = a.y / 40.0;
    const double degrees = std::atan2(static_cast<double>(b.y) - a.y, static_cast<double>(b.x) - a.x) * kDegreesPerRadian;
    textProp_.angle = std::trunc(degrees * 10.0) / 10.0;
    int replaced = 0;
    bool ok = false;
    if (textPrompt_) {
        ok = textPrompt_(textProp_, replaced);
    } else {
        CDlgPropTextAdd dlg(textProp_, this);
        ok = dlg.exec() == QDialog::Accepted;
        replaced = dlg.ReplacedCharacters();
    }
    if (!ok) return;
    if (replaced > 0) {
        const std::string n = std::to_string(replaced);
        station_.ShowMessage(Localized(station_.Language(),
                                       ("文字中有 " + n + " 个字符无法写成 GB2312 编码,已替换为“?”。").c_str(),
                                       (n + " character(s) of the text cannot be written in GB2312 and were "
                                            "replaced by \"?\".").c_str()));
    }
    if (AddTextLabel(*page, textProp_, station_.settings.Get(), station_.messages) > 0) {
        page->CalcBounds();
        station_.PushUndoSnapshot();
    }
    Redraw();
}

void CPelvaneView::ShowContextMenu(QPoint pos) {
    ViewContextMenu menu(station_.edition(), this);
    const int id = ViewContextMenu::CommandOf(menu.exec(mapToGlobal(pos)));
    if (id != 0) HandleCommand(id);
}

void CPelvaneView::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) return;
    if (view_.ZoomAbout(Pix(event->position().toPoint()), delta > 0 ? kWheelIn : kWheelOut)) update();
    event->accept();
}

// Keys ----------------------------------------------------------------------

void CPelvaneView::keyPressEvent(QKeyEvent* event) {
    int id = 0;
    const bool ctrl = Ctrl(event->modifiers());
    switch (event->key()) {
    case Qt::Key_Left: id = kCmdArrowLeft; break;
    case Qt::Key_Right: id = kCmdArrowRight; break;
    case Qt::Key_Up: id = kCmdArrowUp; break;
    case Qt::Key_Down: id = kCmdArrowDown; break;
    case Qt::Key_PageUp: id = kCmdZoomIn; break;
    case Qt::Key_PageDown: id = kCmdZoomOut; break;
    case Qt::Key_1: id = ctrl ? kCmdToDrawn : 0; break;
    case Qt::Key_2: id = ctrl ? kCmdToCut : 0; break;
    case Qt::Key_D: id = ctrl ? kCmdBreakByAngle : 0; break;
    case Qt::Key_Z: id = ctrl ? kCmdUndo : 0; break;
    case Qt::Key_Y: id = ctrl ? kCmdRedo : 0; break;
    case Qt::Key_Delete: event->accept(); return;   // acts when released
    default: break;
    }
    if (id != 0 && HandleCommand(id)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CPelvaneView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && !event->isAutoRepeat()) {
        HandleCommand(kCmdDeleteSelected);
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

}  // namespace pv::ui
