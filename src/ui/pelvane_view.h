#pragma once
// The drawing view, the lower pane of the main window: the current job's
// page to scale on black, with panning, zooming, selecting, moving curves,
// adding text, the page commands of the context menu and keys, and the band
// being printed outlined while a job prints.
//
// The picture of the page is kept between paints (PageImageCache); the
// rubber band, the text tool's line and the band outline are painted over
// it without painting the page again.
#include <QPoint>
#include <QWidget>
#include <functional>

#include "geometry/view_mapping.h"
#include "import/text_label.h"
#include "ui/page_image_cache.h"
#include "ui/view_commands.h"

namespace pv {
class Station;
class COnePage;
}

namespace pv::ui {

class CPelvaneView : public QWidget {
    Q_OBJECT
public:
    explicit CPelvaneView(Station& station, QWidget* parent = nullptr);

    // Makes the job at a display index current and shows it: a negative
    // index shows job 0, one past the list shows nothing.  A job without
    // curves has its file read first; with `reportFailure` an unreadable
    // file is reported.
    void ShowJob(int index, bool reportFailure = false);
    // The view always shows the current job of the list (CurrentJobIndex):
    // called whenever the list changed, it refits when another job became
    // current and repaints.  A job whose drawing is not read yet shows as an
    // empty page, never as the job shown before.
    void FollowCurrentJob();
    void Fit();
    // The view's commands (zoom, fit, arrows, page edits, undo and redo);
    // false for a command the view does not handle.
    bool HandleCommand(int id);
    // The button bar's drawing tool: 0 move view, 1 select, 2 move line,
    // 3 start point, 4 text.
    virtual void SetTool(int tool);
    int Tool() const { return tool_; }
    // A band was sent while the machine works: outline it.
    void ShowPrintingBand();
    // Repaints from the page (after the list or the window changed it).
    void Redraw();

    // The shown job's display index (-1: nothing shown) and page: the
    // current job, the one Start prints.
    int ShownIndex() const;
    COnePage* ShownPage() const;
    const ViewMapping& Mapping() const { return view_; }
    void SetMapping(const ViewMapping& view);
    // The view's picture of the page (how often it was painted whole or
    // shifted tells whether the cache worked).
    const PageImageCache& Cache() const { return cache_; }
    // In move-selection mode (four-arrow cursor) at the last pointer event.
    bool MovingSelection() const { return moveSelection_; }

    // The prompts: the number prompt of the paging and break commands and
    // the text dialog; tests answer them without a window.
    void SetNumberPrompt(ViewCommands::NumberPrompt prompt) { commands_.SetNumberPrompt(std::move(prompt)); }
    // Shows the text dialog over `prop`: true on OK, with the number of
    // characters GB2312 could not hold in `replaced`.
    using TextPrompt = std::function<bool(CTextProp& prop, int& replaced)>;
    void SetTextPrompt(TextPrompt prompt) { textPrompt_ = std::move(prompt); }
    CTextProp& TextProp() { return textProp_; }

signals:
    // The pointer moved over the drawing (plotter units, 1/40 mm).
    void pointerMoved(int x, int y);
    // The rows of the job list changed (a page edit, undo, redo).
    void jobsChanged();

protected:
    // Edition differences.  Whether a left drag that starts at `pos` moves
    // the selection (four-arrow cursor).
    virtual bool MoveSelectionModeAt(QPoint pos, Qt::KeyboardModifiers mods) const;
    // The tool a left drag works with.
    virtual int DragTool() const { return tool_; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

    Station& station_;

private:
    std::int32_t PaperLenMm() const;
    void UpdateCursor(QPoint pos, Qt::KeyboardModifiers mods);
    void Pan(QPoint pos);
    void FinishSelection(QPoint pos, Qt::KeyboardModifiers mods);
    void FinishText(QPoint pos);
    void ShowContextMenu(QPoint pos);
    void AfterEdit(const CommandEffect& effect);
    void PaintOverlays(QPainter& p);
    PixelPoint Pix(QPoint p) const { return {p.x(), p.y()}; }
    // Another job became current since the last look: fit it and forget the
    // band of the job shown before.
    void CatchUpWithCurrentJob();

    ViewMapping view_;
    ViewCommands commands_;
    PageImageCache cache_;
    CTextProp textProp_;
    TextPrompt textPrompt_;
    int tool_ = 0;
    // ShowJob past the end of the list blanks the view until a job is shown
    // or the list changes.
    bool blank_ = false;
    // The job the mapping was fitted to (compared, never dereferenced).
    const COnePage* fittedPage_ = nullptr;
    int fittedIndex_ = -1;

    // Mouse state.
    bool leftDown_ = false;
    bool rightDown_ = false;
    bool moveSelection_ = false;
    bool movedSelection_ = false;
    QPoint press_, last_, rightPress_;
    Point lastWorld_;
    // The band in progress at the last progress message (-1: none).
    std::int32_t band_ = -1;
};

// The view of the station's edition: CPelvaneView for two heads,
// COrvantaView (no text tool, a rubber band on every left drag) for four.
CPelvaneView* CreateDrawingView(Station& station, QWidget* parent = nullptr);

}  // namespace pv::ui
