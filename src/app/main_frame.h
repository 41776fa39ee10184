#pragma once
// The main window: button bar on top, the job list above the drawing view in
// a splitter (one third, two thirds), the status bar below, and the menu.  It
// routes every command (the button bar first, then its own handlers, the
// view and the document), answers the link threads' messages, updates the
// status display every 500 ms, and on closing stops and joins the link
// threads before it goes.
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/window_host.h"
#include "jobs/job_list.h"

class QSplitter;
class QUrl;
class QSystemTrayIcon;

namespace pv::ui {
class CColorStatusBar;
class CMyDlgBar;
class CMyListView;
class CPelvaneView;
}  // namespace pv::ui

namespace pv::app {

class CPelvaneDoc;
class FileCommands;
class MainMenu;
class TrainingDock;
class PrintPreparer;
class WindowStation;

class CMainFrame : public QMainWindow, public HostHandlers {
    Q_OBJECT
public:
    // Starts the link threads and the status timer; `ws` and `host` outlive
    // the window.
    CMainFrame(WindowStation& ws, WindowHost& host, const QString& localAddresses, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Every command of the menu, the bar, the list and the shortcuts.
    void OnCommand(int id);
    // Files dropped onto the window from a file manager: added one after the
    // other as by the Add button.
    void AddDroppedFiles(const QList<QUrl>& urls);
    // Closes as the operator's close does, but without asking about a print
    // that runs (a termination signal: nobody is there to answer).
    void CloseWithoutAsking();
    // A second start of the program asked for this window.
    void BringToFront();
    // The document's title in the window: the edition's product title.
    void UpdateTitle();

    ui::CMyDlgBar* bar() const { return bar_; }
    ui::CMyListView* list() const { return list_; }
    ui::CPelvaneView* view() const { return view_; }
    ui::CColorStatusBar* status() const { return status_; }
    MainMenu* menu() const { return menu_; }
    CPelvaneDoc& doc() const { return *doc_; }
    FileCommands& files() const { return *files_; }
    TrainingDock& training() const { return *training_; }
    // Closing waits this long after `StopRequested` before the threads are
    // joined (milliseconds; tests shorten it).
    void SetCloseGrace(int ms) { closeGraceMs_ = ms; }

    // HostHandlers: the link threads' messages, on the user-interface thread.
    void OnPrintFinished(int result) override;
    void OnBandSent() override;
    void OnRefresh() override;
    void OnSaveSettings() override;
    void OnScanManualDirectory() override;
    void OnScanAutoDirectory() override;
    void OnRemoveFinishedJobs() override;
    void OnRedrawList() override;
    void OnAutoStartOff() override;
    void OnMessage(const std::string& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildPanes(const QString& localAddresses);
    void BuildShortcuts();
    void OnTimer();
    bool OnFileCommand(int id);
    bool OnSettingsCommand(int id);
    void SetTransport(bool ethernet);
    void StartTrainingPlotter();
    // A print holds its connection to the training plotter: the road is not
    // changed under it (told to the operator).
    bool RefuseRoadChangeWhilePrinting();
    void SetLanguage(int language);
    void UpdateMenuChecks();
    void HideToTray();
    void ShowFromTray();
    void ShowCurrentJob(bool reportFailure);
    void ShowPrintingOrFirstJob();
    void ScanKeepingCurrentJob(const std::string& dir, JobCollection& jobs,
                               const std::function<void()>& afterScan = {});
    void QueueChanged();
    void OpenInkStatistics();
    void StopLinks();

    WindowStation& ws_;
    WindowHost& host_;
    ui::CMyDlgBar* bar_ = nullptr;
    ui::CMyListView* list_ = nullptr;
    ui::CPelvaneView* view_ = nullptr;
    ui::CColorStatusBar* status_ = nullptr;
    QSplitter* splitter_ = nullptr;
    MainMenu* menu_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    std::unique_ptr<CPelvaneDoc> doc_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<TrainingDock> training_;
    std::unique_ptr<PrintPreparer> preparer_;   // prepares prints off the window's thread
    QTimer timer11_;
    bool inRefresh_ = false;   // the refresh message is not re-entered
    bool inTimer_ = false;     // nor is the status timer
    bool linksStopped_ = false;
    bool splitterSized_ = false;
    int closeGraceMs_ = 500;
    bool askBeforeClose_ = true;
};

}  // namespace pv::app
