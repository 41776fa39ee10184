#include "ui/my_list_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

#include "jobs/job_list_rows.h"
#include "jobs/station.h"
#include "ui/command_ids.h"
#include "ui/dlg_get_int_input.h"

namespace pv::ui {
namespace {

QColor ToQColor(ListColour c) { return QColor(c.r, c.g, c.b); }

Qt::Alignment Alignment(bool centred) { return centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter); }

// An entered number as a whole count, truncated toward zero and kept inside
// 32 bits.
std::int32_t Truncated(double v) {
    const double t = std::trunc(v);
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(t, lo, hi));
}

}  // namespace

CMyListView::CMyListView(Station& station, QWidget* parent) : QTableWidget(parent), station_(station) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setSortingEnabled(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // Report rows as high as one line of text, not the taller default.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);

    QPalette pal = palette();
    pal.setColor(QPalette::Base, ToQColor(JobListRows::kBackground));
    pal.setColor(QPalette::Text, ToQColor(JobListRows::kText));
    setPalette(pal);

    SetUpColumns();
    connect(this, &QTableWidget::itemClicked, this, [this] { RowClicked(); });
}

void CMyListView::SetUpColumns() {
    const auto cols = JobListRows::Columns(station_.Language(), station_.edition());
    setColumnCount(JobListRows::kColumns);
    centred_.assign(JobListRows::kColumns, false);
    for (int c = 0; c < JobListRows::kColumns; ++c) {
        auto* header = new QTableWidgetItem(QString::fromStdString(cols[std::size_t(c)].title));
        const bool centred = cols[std::size_t(c)].centred;
        centred_[std::size_t(c)] = centred;
        header->setTextAlignment(Alignment(centred));
        setHorizontalHeaderItem(c, header);
        setColumnWidth(c, cols[std::size_t(c)].width);
    }
}

void CMyListView::RefreshJobList() {
    const QSignalBlocker block(this);
    const QSignalBlocker blockSelection(selectionModel());
    clearSelection();
    const JobList& jobs = station_.jobs;
    const int count = jobs.Count();
    setRowCount(count);
    const QColor text = ToQColor(JobListRows::kText);
    const QColor back = ToQColor(JobListRows::kBackground);
    const int language = station_.Language();
    int focused = -1;
    for (int r = 0; r < count; ++r) {
        const JobRowTexts row = JobListRows::Row(jobs, r, language);
        for (int c = 0; c < JobListRows::kColumns; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(row[std::size_t(c)]));
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            item->setForeground(text);
            item->setBackground(back);
            item->setTextAlignment(Alignment(centred_[std::size_t(c)]));
            setItem(r, c, item);
        }
        const COnePage* job = jobs.JobAt(r);
        const bool selected =
            holdSelection_ ? std::binary_search(heldSelection_.begin(), heldSelection_.end(), r)
                           : job && job->listSelected;
        if (selected) {
            selectionModel()->select(model()->index(r, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
            if (focused < 0) focused = r;
        }
    }
    if (focused >= 0)
        selectionModel()->setCurrentIndex(model()->index(focused, 0), QItemSelectionModel::NoUpdate);
    viewport()->update();
}

std::vector<int> CMyListView::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& i : selectionModel()->selectedRows()) rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CMyListView::FirstSelectedRow() const {
    const std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

QMenu* CMyListView::CreateContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    const auto add = [menu](const QString& text, int id) { menu->addAction(text)->setData(id); };
    add(tr("修改份数"), kCmdEditCopies);
    add(tr("修改起始位置"), kCmdEditStartPos);
    add(tr("删除“已完成”"), kCmdDeleteFinished);
    add(tr("删除") + QStringLiteral("\tDEL"), kCmdDeleteJobs);
    // The four-head edition has these as buttons of its bar.
    if (!IsFourHead(station_.edition())) {
        add(tr("加入队列"), kCmdQueueIn);
        add(tr("移出队列"), kCmdQueueOut);
        add(tr("全部移出"), kCmdQueueAllOut);
    }
    return menu;
}

void CMyListView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = CreateContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu, &QMenu::triggered, this, [this](QAction* a) { HandleCommand(a->data().toInt()); });
    menu->popup(event->globalPos());
}

bool CMyListView::HandleCommand(int id) {
    switch (id) {
    case kCmdEditCopies: EditCopies(); return true;
    case kCmdEditStartPos: EditStartPos(); return true;
    case kCmdDeleteFinished: emit deleteFinishedRequested(); return true;
    case kCmdDeleteJobs: DeleteSelectedJobs(); return true;
    case kCmdQueueIn: QueueSelectedJobs(true); return true;
    case kCmdQueueOut: QueueSelectedJobs(false); return true;
    case kCmdQueueAllOut: UnqueueAllJobs(); return true;
    default: return false;
    }
}

void CMyListView::Edited() {
    RefreshJobList();
    emit jobsEdited();
}

void CMyListView::EditCopies() {
    if (!HasSelection()) return;
    const COnePage* job = station_.jobs.JobAt(station_.jobs.CurrentJobIndex);
    if (!job) return;
    CDlgGetIntInput dlg(this);
    dlg.SetPrompt(QStringLiteral("请输入份数:"));
    dlg.SetValue(job->copies);
    if (dlg.exec() != QDialog::Accepted) return;
    if (station_.jobs.EditCopies(Truncated(dlg.Value()))) Edited();
}

void CMyListView::EditStartPos() {
    if (!HasSelection()) return;
    const COnePage* job = station_.jobs.JobAt(station_.jobs.CurrentJobIndex);
    if (!job) return;
    CDlgGetIntInput dlg(this);
    dlg.SetPrompt(station_.Language() == 0 ? QStringLiteral("输入起始位置(mm):")
                                                  : QStringLiteral("Input Start(mm):"));
    dlg.SetValue(job->startPosMm);
    if (dlg.exec() != QDialog::Accepted) return;
    // A position beyond the drawing is refused by the job list itself (its
    // message, position 0); the row shows the outcome either way.
    if (station_.jobs.EditStartPos(dlg.Value()) != kNoCurrentJob) Edited();
}

void CMyListView::DeleteSelectedJobs() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    station_.jobs.DeleteSelectedJobs(std::vector<std::int32_t>(rows.begin(), rows.end()));
    Edited();
}

void CMyListView::QueueSelectedJobs(bool queued) {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    station_.jobs.QueueSelectedJobs(std::vector<std::int32_t>(rows.begin(), rows.end()), queued);
    Edited();
}

void CMyListView::UnqueueAllJobs() {
    station_.jobs.UnqueueAllJobs();
    Edited();
}

template <class Step>
void CMyListView::HoldingSelection(Step step) {
    heldSelection_ = SelectedRows();
    holdSelection_ = true;
    step();
    holdSelection_ = false;
}

void CMyListView::RowClicked() {
    const int row = FirstSelectedRow();
    if (row >= 0) HoldingSelection([&] { emit jobClicked(row); });
}

void CMyListView::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        QTableWidget::keyReleaseEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int row = FirstSelectedRow();
        if (row >= 0) {
            HoldingSelection([&] {
                station_.jobs.SelectJob(row);
                emit currentJobChanged(row);
            });
        }
        setFocus();
        event->accept();
        return;
    }
    case Qt::Key_Delete:
        DeleteSelectedJobs();
        event->accept();
        return;
    default: QTableWidget::keyReleaseEvent(event);
    }
}

}  // namespace pv::ui
