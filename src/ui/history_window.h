#pragma once
// "打印记录": the print history of this program directory, newest copy
// first, picked by period and result, with the totals of what is picked
// (copies by result, machine time, paper, knife, ink per cartridge, the
// longest copy) and Export CSV.  It reads History.db read-only, so it may
// stay open while the station prints; Refresh reads it again.
#include <QDialog>
#include <QString>

#include <vector>

#include "history/history_record.h"
#include "settings/edition.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace pv::ui {

class CHistoryWnd : public QDialog {
    Q_OBJECT
public:
    // The most rows shown (the totals cover the whole period).
    static constexpr int kMaxRows = 5000;
    // Periods of the period box, in its order.
    enum class Period : int { Today = 0, Week = 1, Month = 2, Year = 3, All = 4 };

    CHistoryWnd(const QString& programDir, Edition edition, QWidget* parent = nullptr);

    // Reads the history again with the boxes' period and result.
    void Reload();
    // Writes the picked rows (all of them, not only those shown) as CSV;
    // false with `error` set when the file could not be written.
    bool ExportTo(const QString& path, QString* error = nullptr);

    // The filter the boxes give, `nowMs` being now.
    HistoryFilter Filter(std::int64_t nowMs) const;

    QComboBox* periodBox() const { return period_; }
    QComboBox* resultBox() const { return result_; }
    QTableWidget* table() const { return table_; }
    QLabel* totalsLabel() const { return totals_; }
    QPushButton* exportButton() const { return export_; }

private:
    void Export();
    void Fill(const std::vector<CopyRecord>& rows);
    QString TotalsText(const HistoryTotals& t) const;
    QString ResultText(CopyResult r) const;
    QString OriginText(JobOrigin o) const;

    QString programDir_;
    int cartridges_;
    QComboBox* period_;
    QComboBox* result_;
    QTableWidget* table_;
    QLabel* totals_;
    QLabel* error_;
    QPushButton* refresh_;
    QPushButton* export_;
};

}  // namespace pv::ui
