#pragma once
// The job list, the upper pane of the main window: one report row per job in
// display order (opened, manual-directory, automatic-directory jobs), eight
// columns in the user's language, full-row selection, grid lines, no sorting.
// Its context menu edits the queue (copies, start position, deletion, queue
// in and out); a click asks the window to show the job; releasing Up or Down
// makes the first selected row current without loading it; releasing Delete
// deletes the selected jobs.  Engine messages ("Access denied", the refused
// start position) reach the user through the station's message sink.
#include <vector>

#include <QTableWidget>

class QMenu;

namespace pv {
class Station;
}

namespace pv::ui {

class CMyListView : public QTableWidget {
    Q_OBJECT
public:
    explicit CMyListView(Station& station, QWidget* parent = nullptr);

    // Display indexes of the selected rows, ascending.
    std::vector<int> SelectedRows() const;
    // The context menu of the edition; each action's data is its command id.
    QMenu* CreateContextMenu(QWidget* parent);
    // The list's commands (context menu, and the button bar's delete and
    // queue buttons); false for a command the list does not handle.
    bool HandleCommand(int id);

public slots:
    // Rewrites every row from the job collections; rows whose job is marked
    // selected are selected again.
    void RefreshJobList();
    // 722 / 723: the number prompt for the current job's copies / start
    // position (mm), then the edit.
    void EditCopies();
    void EditStartPos();
    void DeleteSelectedJobs();              // 343
    void QueueSelectedJobs(bool queued);    // 353 in, 354 out
    void UnqueueAllJobs();                  // 355

signals:
    // A row was clicked: the window makes this job current, loads and shows it.
    void jobClicked(int displayIndex);
    // Up or Down released: the job is current now (its drawing not loaded).
    void currentJobChanged(int displayIndex);
    // 721: the window removes the finished jobs.
    void deleteFinishedRequested();
    // The rows changed by an edit here: the window redraws the view.
    void jobsEdited();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void SetUpColumns();
    void RowClicked();
    int FirstSelectedRow() const;
    void Edited();
    bool HasSelection() const { return !SelectedRows().empty(); }

    // Runs `step` (making a row current, which has the window redraw the
    // list) while the rows the operator selected stay selected, so that a
    // Ctrl or Shift selection survives the click or key that extends it.
    template <class Step>
    void HoldingSelection(Step step);

    Station& station_;
    std::vector<bool> centred_;   // per column
    std::vector<int> heldSelection_;
    bool holdSelection_ = false;
};

}  // namespace pv::ui
