#include "ui/history_window.h"

#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "history/history_format.h"
#include "history/history_query.h"

namespace pv::ui {

namespace {

QString Mm(double v) { return QString::number(v, 'f', 0); }
QString Metres(double mm) { return QString::number(mm / 1000.0, 'f', 2); }
QString Ml(std::int64_t drops) { return QString::number(static_cast<double>(drops) / kDropsPerMl, 'f', 3); }

QString Duration(std::int64_t ms) {
    const std::int64_t s = ms / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString LocalTime(std::int64_t ms) {
    if (ms <= 0) return QString();
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// The result box's entries after "all", in order.
constexpr CopyResult kResults[] = {CopyResult::Finished, CopyResult::Stopped, CopyResult::Failed,
                                   CopyResult::Interrupted, CopyResult::Running};

}  // namespace

CHistoryWnd::CHistoryWnd(const QString& programDir, Edition edition, QWidget* parent)
    : QDialog(parent), programDir_(programDir), cartridges_(IsFourHead(edition) ? 4 : 2) {
    setObjectName("HistoryWindow");
    setWindowTitle(tr("打印记录"));
    auto* column = new QVBoxLayout(this);
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(tr("时间段:"), this));
    period_ = new QComboBox(this);
    period_->setObjectName("HistoryPeriod");
    period_->addItems({tr("今天"), tr("最近7天"), tr("最近30天"), tr("最近一年"), tr("全部")});
    period_->setCurrentIndex(static_cast<int>(Period::Month));
    filters->addWidget(period_);
    filters->addWidget(new QLabel(tr("结果:"), this));
    result_ = new QComboBox(this);
    result_->setObjectName("HistoryResult");
    result_->addItem(tr("全部"));
    for (CopyResult r : kResults) result_->addItem(ResultText(r));
    filters->addWidget(result_);
    filters->addStretch(1);
    refresh_ = new QPushButton(tr("刷新"), this);
    refresh_->setObjectName("HistoryRefresh");
    export_ = new QPushButton(tr("导出CSV..."), this);
    export_->setObjectName("HistoryExport");
    filters->addWidget(refresh_);
    filters->addWidget(export_);
    column->addLayout(filters);

    QStringList headers{tr("开始时间"), tr("文件名"), tr("来源"), tr("份"), tr("结果"), tr("用时"), tr("带"),
                        tr("宽*长(mm)"), tr("纸张(m)"), tr("切割(m)")};
    for (int k = 1; k <= cartridges_; ++k) headers << tr("%1# 墨水(mL)").arg(k);
    headers << tr("信息");
    table_ = new QTableWidget(0, static_cast<int>(headers.size()), this);
    table_->setObjectName("HistoryTable");
    table_->setHorizontalHeaderLabels(headers);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    column->addWidget(table_, 1);
    totals_ = new QLabel(this);
    totals_->setObjectName("HistoryTotals");
    totals_->setWordWrap(true);
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(totals_);
    error_ = new QLabel(this);
    error_->setStyleSheet("color: #b00000");
    error_->setWordWrap(true);
    error_->hide();
    column->addWidget(error_);

    connect(period_, &QComboBox::currentIndexChanged, this, [this] { Reload(); });
    connect(result_, &QComboBox::currentIndexChanged, this, [this] { Reload(); });
    connect(refresh_, &QPushButton::clicked, this, [this] { Reload(); });
    connect(export_, &QPushButton::clicked, this, [this] { Export(); });
    resize(1100, 520);
    Reload();
}

QString CHistoryWnd::ResultText(CopyResult r) const {
    switch (r) {
    case CopyResult::Running: return tr("打印中");
    case CopyResult::Finished: return tr("完成");
    case CopyResult::Stopped: return tr("停止");
    case CopyResult::Failed: return tr("失败");
    default: return tr("中断");
    }
}

QString CHistoryWnd::OriginText(JobOrigin o) const {
    switch (o) {
    case JobOrigin::ManualAdd: return tr("手动打开");
    case JobOrigin::ManualFolder: return tr("手动目录");
    case JobOrigin::AutoFolder: return tr("自动目录");
    case JobOrigin::Network: return tr("网络");
    default: return tr("命令行");
    }
}

HistoryFilter CHistoryWnd::Filter(std::int64_t nowMs) const {
    HistoryFilter f;
    // Periods are counted in local days: "today" starts at local midnight.
    const QDate today = QDateTime::fromMSecsSinceEpoch(nowMs).date();
    QDate first;
    switch (static_cast<Period>(period_->currentIndex())) {
    case Period::Today: first = today; break;
    case Period::Week: first = today.addDays(-6); break;
    case Period::Month: first = today.addDays(-29); break;
    case Period::Year: first = today.addYears(-1).addDays(1); break;
    default: break;
    }
    if (first.isValid()) f.sinceMs = first.startOfDay().toMSecsSinceEpoch();
    const int r = result_->currentIndex();
    if (r >= 1 && r <= static_cast<int>(std::size(kResults))) f.result = kResults[r - 1];
    return f;
}

void CHistoryWnd::Reload() {
    HistoryFilter f = Filter(QDateTime::currentMSecsSinceEpoch());
    f.limit = kMaxRows;
    const HistoryAnswer a = ReadHistory(programDir_.toStdString(), f);
    error_->setVisible(!a.ok);
    if (!a.ok) error_->setText(tr("打印记录无法读取: %1").arg(QString::fromStdString(a.error)));
    Fill(a.rows);
    totals_->setText(TotalsText(a.totals));
}

void CHistoryWnd::Fill(const std::vector<CopyRecord>& rows) {
    table_->setRowCount(static_cast<int>(rows.size()));
    int row = 0;
    for (const CopyRecord& r : rows) {
        QStringList cells{LocalTime(r.startedMs),
                          QString::fromStdString(r.fileName),
                          OriginText(r.origin),
                          QStringLiteral("%1/%2").arg(r.copyNumber).arg(r.copies),
                          ResultText(r.result),
                          r.endedMs > r.startedMs ? Duration(r.endedMs - r.startedMs) : QString(),
                          QStringLiteral("%1/%2").arg(r.bandsSent).arg(r.bandsTotal),
                          QStringLiteral("%1*%2").arg(Mm(r.widthMm), Mm(r.lengthMm)),
                          Metres(r.paperMm),
                          Metres(r.knifeMm)};
        for (int k = 0; k < cartridges_; ++k) cells << Ml(r.drops[static_cast<std::size_t>(k)]);
        cells << QString::fromStdString(r.message);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 1) item->setToolTip(QString::fromStdString(r.filePath));
            table_->setItem(row, c, item);
        }
        ++row;
    }
    table_->resizeColumnsToContents();
}

QString CHistoryWnd::TotalsText(const HistoryTotals& t) const {
    const auto n = [&t](CopyResult r) { return t.byResult[static_cast<std::size_t>(r)]; };
    QString text = tr("共 %1 份（完成 %2，停止 %3，失败 %4，中断 %5）  机器时间 %6  纸张 %7 m  切割 %8 m")
                       .arg(t.copies)
                       .arg(n(CopyResult::Finished))
                       .arg(n(CopyResult::Stopped))
                       .arg(n(CopyResult::Failed))
                       .arg(n(CopyResult::Interrupted))
                       .arg(Duration(t.machineMs))
                       .arg(QString::number(t.paperM, 'f', 2))
                       .arg(QString::number(t.knifeM, 'f', 2));
    for (int k = 0; k < cartridges_; ++k)
        text += QStringLiteral("  ") + tr("%1# 墨水 %2 mL").arg(k + 1).arg(Ml(t.drops[static_cast<std::size_t>(k)]));
    if (t.longestId != 0)
        text += QStringLiteral("  ") +
                tr("最长: %1 (%2)").arg(QString::fromStdString(t.longestFile), Duration(t.longestMs));
    return text;
}

bool CHistoryWnd::ExportTo(const QString& path, QString* error) {
    const HistoryAnswer a = ReadHistory(programDir_.toStdString(), Filter(QDateTime::currentMSecsSinceEpoch()),
                                        true, false);
    if (!a.ok) {
        if (error) *error = QString::fromStdString(a.error);
        return false;
    }
    const std::string csv = RowsCsv(a.rows);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) ||
        !file.flush()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

void CHistoryWnd::Export() {
    const QString path = QFileDialog::getSaveFileName(this, tr("导出CSV"), QStringLiteral("history.csv"),
                                                      tr("CSV 文件 (*.csv)"));
    if (path.isEmpty()) return;
    QString error;
    if (!ExportTo(path, &error))
        QMessageBox::warning(this, windowTitle(), tr("文件未写入: %1").arg(error));
}

}  // namespace pv::ui
