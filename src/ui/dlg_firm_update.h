#pragma once
// "Firm Update": choose a firmware file and load it into the machine over
// Ethernet.  The transfer runs on a worker of its own; its time-stamped
// lines reach the list through the firmware log, drained every 100 ms, and
// the list keeps the last 16 lines.  Closing the dialog waits for a running
// transfer to end, so no worker outlives it.
#include <QDialog>
#include <QString>
#include <atomic>
#include <functional>
#include <thread>

#include "link/firmware_log.h"
#include "link/my_commu.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace pv::ui {

class CDlgFirmUpdate : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDrainMs = 100;
    static constexpr int kListLines = 16;

    CDlgFirmUpdate(CMyCommu& commu, int language, QWidget* parent = nullptr);
    ~CDlgFirmUpdate() override;

    // Select: the file picker; the chosen path goes into the path field.
    void Select();
    // Upgrade: starts the transfer of the chosen file (ignored while one runs).
    void Upgrade();
    bool Running() const { return running_.load(); }
    // Moves every waiting log line into the list (the timer's work).
    void Drain();

    // Replaces the file picker (the tests' way past the system dialog).
    void SetFilePicker(std::function<QString()> picker) { picker_ = std::move(picker); }
    void SetPath(const QString& path);

    FirmwareLog& log() { return log_; }
    QListWidget* list() const { return list_; }
    QLineEdit* pathField() const { return path_; }
    QPushButton* selectButton() const { return select_; }
    QPushButton* upgradeButton() const { return upgrade_; }

    void done(int result) override;

private:
    void Join();

    CMyCommu& commu_;
    int language_;
    FirmwareLog log_;
    QLineEdit* path_;
    QListWidget* list_;
    QPushButton* select_;
    QPushButton* upgrade_;
    QTimer* timer_;
    std::function<QString()> picker_;
    std::atomic<bool> running_{false};
    std::jthread worker_;
};

}  // namespace pv::ui
