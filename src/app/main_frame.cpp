#include "app/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QVBoxLayout>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/about_dlg.h"
#include "app/dialog_commands.h"
#include "app/file_commands.h"
#include "app/main_menu.h"
#include "app/pelvane_doc.h"
#include "app/print_preparer.h"
#include "app/training_dock.h"
#include "app/window_station.h"
#include "settings/localized.h"
#include "settings/settings_store.h"
#include "ui/bar_icons.h"
#include "ui/color_status_bar.h"
#include "ui/command_ids.h"
#include "ui/dlg_get_pwd.h"
#include "ui/dlg_set_plt_unit.h"
#include "ui/history_window.h"
#include "ui/my_dlg_bar.h"
#include "ui/my_list_view.h"
#include "ui/pelvane_view.h"

namespace pv::app {

using namespace pv::ui;

namespace {
// Language menu items and the Language values they choose.
struct LanguageItem {
    int id;
    int language;
};
constexpr LanguageItem kLanguageItems[] = {{kCmdLangChinese, 0},   {kCmdLangEnglish, 1},    {kCmdLangTurkish, 2},
                                           {kCmdLangRussian, 4},   {kCmdLangUkrainian, 3},  {kCmdLangVietnamese, 5},
                                           {kCmdLangPolish, 6}};
}  // namespace

CMainFrame::CMainFrame(WindowStation& ws, WindowHost& host, const QString& localAddresses, QWidget* parent)
    : QMainWindow(parent), ws_(ws), host_(host) {
    Station& s = ws_.station;
    setWindowTitle(QString::fromUtf8(Info(s.edition()).programName.data()));
    resize(800, 600);
    setAcceptDrops(true);
    menu_ = new MainMenu(s.edition(), menuBar(), this);
    connect(menu_, &MainMenu::triggered, this, &CMainFrame::OnCommand);
    BuildPanes(localAddresses);
    BuildShortcuts();
    doc_ = std::make_unique<CPelvaneDoc>(s, this, [this] { QueueChanged(); });
    files_ = std::make_unique<FileCommands>(s, this, [this] { QueueChanged(); });
    training_ = std::make_unique<TrainingDock>(ws_, this);
    s.messages = [this](const std::string& text) { OnMessage(text); };
    s.onJobsChanged = [this] { OnRedrawList(); };
    preparer_ = std::make_unique<PrintPreparer>(s, host_, status_);
    s.prepareRunner = preparer_.get();

    host_.Attach(this, this);
    ws_.StartLinks();
    // The link loops set the print flag while a print runs; none runs yet.
    s.link.printThread.store(false);
    connect(&timer11_, &QTimer::timeout, this, &CMainFrame::OnTimer);
    timer11_.start(500);
    UpdateTitle();
    UpdateMenuChecks();
}

CMainFrame::~CMainFrame() {
    StopLinks();
    training_.reset();
    ws_.station.messages = nullptr;
    ws_.station.onJobsChanged = nullptr;
    ws_.station.prepareRunner = nullptr;
}

void CMainFrame::BuildPanes(const QString& localAddresses) {
    Station& s = ws_.station;
    // The bar sits above the panes in the central widget rather than in a
    // tool bar: a tool bar keeps its contents on one line, and the bar must
    // be free to wrap onto a second row when its captions are long.
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    bar_ = new CMyDlgBar(s, central);
    bar_->setObjectName("ButtonBar");
    column->addWidget(bar_);
    connect(bar_, &CMyDlgBar::command, this, &CMainFrame::OnCommand);
    connect(bar_, &CMyDlgBar::redrawListRequested, this, &CMainFrame::OnRedrawList);

    status_ = new CColorStatusBar(s, this);
    setStatusBar(status_);
    status_->ShowLocalAddresses(localAddresses);

    splitter_ = new QSplitter(Qt::Vertical, central);
    list_ = new CMyListView(s, splitter_);
    view_ = CreateDrawingView(s, splitter_);
    splitter_->addWidget(list_);
    splitter_->addWidget(view_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 2);
    column->addWidget(splitter_, 1);
    setCentralWidget(central);
    connect(bar_, &CMyDlgBar::toolChanged, view_, &CPelvaneView::SetTool);
    connect(view_, &CPelvaneView::pointerMoved, status_, &CColorStatusBar::ShowPointerPosition);
    connect(view_, &CPelvaneView::jobsChanged, this, [this] { list_->RefreshJobList(); });
    connect(list_, &CMyListView::jobClicked, this, [this](int index) { view_->ShowJob(index, true); });
    connect(list_, &CMyListView::currentJobChanged, view_, &CPelvaneView::FollowCurrentJob);
    connect(list_, &CMyListView::jobsEdited, view_, &CPelvaneView::FollowCurrentJob);
    connect(list_, &CMyListView::deleteFinishedRequested, this, &CMainFrame::OnRemoveFinishedJobs);
    list_->RefreshJobList();
}

void CMainFrame::BuildShortcuts() {
    // Window-wide accelerators, Page Up and Page Down (zoom) among them,
    // also while the list has the focus; the arrow keys belong to the view,
    // so the list keeps its own arrow keys.
    const struct {
        QKeySequence key;
        int id;
        bool viewOnly;
    } keys[] = {
        {QKeySequence("Ctrl+O"), kCmdOpenTask, false},  {QKeySequence("Ctrl+1"), kCmdToDrawn, false},
        {QKeySequence("Ctrl+2"), kCmdToCut, false},     {QKeySequence("Ctrl+D"), kCmdBreakByAngle, false},
        {QKeySequence(Qt::Key_PageUp), kCmdZoomIn, false}, {QKeySequence(Qt::Key_PageDown), kCmdZoomOut, false},
        {QKeySequence(Qt::Key_Left), kCmdArrowLeft, true}, {QKeySequence(Qt::Key_Right), kCmdArrowRight, true},
        {QKeySequence(Qt::Key_Up), kCmdArrowUp, true},  {QKeySequence(Qt::Key_Down), kCmdArrowDown, true},
    };
    for (const auto& k : keys) {
        auto* shortcut = new QShortcut(k.key, k.viewOnly ? static_cast<QWidget*>(view_) : this);
        shortcut->setContext(k.viewOnly ? Qt::WidgetShortcut : Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, id = k.id] { OnCommand(id); });
    }
}

void CMainFrame::UpdateTitle() {
    const bool four = IsFourHead(ws_.station.edition());
    const int lang = ws_.station.Language();
    setWindowTitle(QString::fromUtf8(lang == 0 ? (four ? "喷切一体机输出中心V4.6" : "喷切一体机输出中心V4.5")
                                               : (four ? "K2P1_4P V4.6" : "K2P1_2P V4.5")));
}

void CMainFrame::OnCommand(int id) {
    if (bar_->HandleCommand(id)) return;
    // The list's own commands: delete (button and menu), queue in and out,
    // copies, start position, delete finished.
    if (list_->HandleCommand(id)) return;
    if (OnFileCommand(id) || OnSettingsCommand(id)) return;
    if (view_->HandleCommand(id)) return;
    if (id == kCmdUndo) doc_->Undo();
    if (id == kCmdRedo) doc_->Redo();
}

bool CMainFrame::OnFileCommand(int id) {
    switch (id) {
    case kCmdAddFile: files_->AddFile(); return true;
    case kCmdSavePlt: files_->SaveCurrentAsPlt(); return true;
    case kCmdOpenTask: doc_->OpenWithDialog(); return true;
    case kCmdExit: close(); return true;
    default: break;
    }
    if (id >= kCmdTestPattern10 && id <= kCmdTestPattern100 && !IsFourHead(ws_.station.edition())) {
        files_->OpenTestPattern(id);
        return true;
    }
    return false;
}

bool CMainFrame::OnSettingsCommand(int id) {
    Station& s = ws_.station;
    switch (id) {
    case kCmdParameters:
        OpenParameterDialog(ws_, this);
        view_->Fit();
        update();
        return true;
    case kCmdOffset: OpenOffsetDialog(ws_, this); return true;
    case kCmdNetwork: OpenNetworkDialog(ws_, this); return true;
    case kCmdPltUnit:
    case kCmdPltUnit4: {
        if (FileCommands::ChoosePltUnit(s, this)) OnSaveSettings();
        return true;
    }
    case kCmdInkStatistics: OpenInkStatistics(); return true;
    case kCmdFirmware:
    case kCmdFirmware4: OpenFirmwareUpdate(ws_, this); return true;
    case kCmdEthernet:
    case kCmdEthernet4: SetTransport(true); return true;
    case kCmdUsb:
    case kCmdUsb4: SetTransport(false); return true;
    case kCmdVirtualPlotter: StartTrainingPlotter(); return true;
    case kCmdToggleBar: {
        bar_->setHidden(!bar_->isHidden());
        UpdateMenuChecks();
        return true;
    }
    case kCmdHide: HideToTray(); return true;
    case kCmdHistory: {
        // One window, left open beside the main window if the operator likes.
        auto* history = findChild<CHistoryWnd*>("HistoryWindow");
        if (!history) {
            history = new CHistoryWnd(QString::fromStdString(s.settings.Read([](const AppSettings& a) { return a.ProgramDir; })),
                                      s.edition(), this);
            history->setAttribute(Qt::WA_DeleteOnClose);
        } else {
            history->Reload();
        }
        history->show();
        history->raise();
        return true;
    }
    case kCmdAbout: {
        const QString dir = QString::fromStdString(s.settings.Read([](const AppSettings& a) { return a.ProgramDir; }));
        CAboutDlg about(s.Language(), QString::fromUtf8(Info(s.edition()).programName.data()), dir, this);
        about.exec();
        return true;
    }
    default: break;
    }
    for (const LanguageItem& item : kLanguageItems)
        if (item.id == id) {
            SetLanguage(item.language);
            return true;
        }
    return false;
}

void CMainFrame::SetTransport(bool ethernet) {
    Station& s = ws_.station;
    if (training_->running()) {
        if (RefuseRoadChangeWhilePrinting()) return;
        training_->Stop();
    }
    s.settings.Edit([ethernet](AppSettings& a) { a.ConnectViaEth = ethernet ? 1 : 0; });
    ws_.ReadParametersAgain();
    UpdateMenuChecks();
}

void CMainFrame::StartTrainingPlotter() {
    if (!training_->running() && RefuseRoadChangeWhilePrinting()) return;
    training_->Start();
    UpdateMenuChecks();
}

bool CMainFrame::RefuseRoadChangeWhilePrinting() {
    if (!ws_.station.link.printThread.load()) return false;
    QMessageBox::information(this, QString(),
                             QString::fromUtf8(Localized(ws_.station.Language(), "正在打印，不能切换通讯端口。",
                                                         "A print is running: the port cannot be changed now.")));
    UpdateMenuChecks();
    return true;
}

void CMainFrame::SetLanguage(int language) {
    Station& s = ws_.station;
    if (language == s.Language()) return;
    s.settings.Edit([language](AppSettings& a) { a.Language = language; });
    QMessageBox::information(this, QString(),
                             QString::fromUtf8(language == 0 ? "语言设置改变，重启程序生效"
                                                             : "You Changed the language settings,please restart the Application"));
    close();
}

void CMainFrame::UpdateMenuChecks() {
    const AppSettings st = ws_.station.settings.Get();
    const bool four = IsFourHead(st.edition);
    const bool training = training_ && training_->running();
    menu_->SetChecked(four ? kCmdEthernet4 : kCmdEthernet, !training && st.ConnectViaEth != 0);
    menu_->SetChecked(four ? kCmdUsb4 : kCmdUsb, !training && st.ConnectViaEth == 0);
    menu_->SetChecked(kCmdVirtualPlotter, training);
    for (const LanguageItem& item : kLanguageItems) menu_->SetChecked(item.id, item.language == st.Language);
    menu_->SetChecked(kCmdToggleBar, !bar_->isHidden());
}

void CMainFrame::OpenInkStatistics() {
    CDlgGetPwd password(this);
    if (password.exec() != QDialog::Accepted || password.Text() != "629") return;
    pv::app::OpenInkStatistics(ws_, this);
}

void CMainFrame::HideToTray() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        showMinimized();   // no notification area here: the task bar keeps the window
        return;
    }
    if (!tray_) {
        tray_ = new QSystemTrayIcon(windowIcon().isNull() ? BarIcon("logo") : windowIcon(), this);
        tray_->setToolTip(QString::fromUtf8(Info(ws_.station.edition()).programName.data()));
        connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
            if (r == QSystemTrayIcon::DoubleClick) ShowFromTray();
        });
    }
    tray_->show();
    hide();
}

void CMainFrame::ShowFromTray() {
    if (tray_) tray_->hide();
    BringToFront();
}

void CMainFrame::BringToFront() {
    if (tray_ && tray_->isVisible()) tray_->hide();
    if (isMinimized() || isHidden()) showMaximized();
    show();
    raise();
    activateWindow();
}

void CMainFrame::ShowCurrentJob(bool reportFailure) {
    JobList& jobs = ws_.station.jobs;
    // A queue replaced by undo or a task file may end before the old index.
    if (!jobs.JobAt(jobs.CurrentJobIndex)) jobs.SelectJob(0);
    view_->ShowJob(jobs.CurrentJobIndex, reportFailure);
}

void CMainFrame::QueueChanged() {
    list_->RefreshJobList();
    ShowCurrentJob(false);
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (splitterSized_) return;
    splitterSized_ = true;
    // The list takes one third of the height, the view two thirds.
    const int h = splitter_->height() > 0 ? splitter_->height() : height();
    splitter_->setSizes({h / 3, h - h / 3});
    view_->Fit();
    // A training plotter chosen at start opened its pane before the window
    // had its size.
    QTimer::singleShot(0, this, [this] { training_->FitPane(); });
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    AddDroppedFiles(urls);
}

void CMainFrame::AddDroppedFiles(const QList<QUrl>& urls) {
    for (const QUrl& url : urls)
        if (url.isLocalFile()) files_->AddPath(url.toLocalFile());
}

void CMainFrame::CloseWithoutAsking() {
    askBeforeClose_ = false;
    close();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    Station& s = ws_.station;
    if (askBeforeClose_ && s.link.printThread.load()) {
        const int lang = s.Language();
        const auto answer = QMessageBox::question(
            this, QString::fromUtf8(Localized(lang, "提示", "Prompt")),
            QString::fromUtf8(Localized(lang, "机器正在运行,强行关闭可能造成任务失败!\n是否强行关闭程序?",
                                        "The machine is running: closing now may spoil the job!\n"
                                        "Close the program anyway?")),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok) {
            event->ignore();
            return;
        }
    }
    s.link.stopRequested.store(true);
    timer11_.stop();
    // The threads see the stop within their half-second cycle; messages they
    // send meanwhile are still answered.
    QEventLoop grace;
    QTimer::singleShot(closeGraceMs_, &grace, &QEventLoop::quit);
    grace.exec(QEventLoop::ExcludeUserInputEvents);
    StopLinks();
    training_->Stop();
    if (tray_) tray_->hide();
    event->accept();
}

void CMainFrame::StopLinks() {
    if (linksStopped_) return;
    linksStopped_ = true;
    host_.BeginClose();
    // A link thread may be waiting in a message to this window at this very
    // moment: the window keeps answering (each such message is now dropped
    // at once) until every thread has been joined.  Events are pumped by
    // hand, not by a nested loop: after the application's loop has ended
    // (the window destroyed without being closed) a nested loop would return
    // at once and the join would wait for ever on that message.
    std::atomic<bool> joined{false};
    std::thread joiner([this, &joined] {
        ws_.StopLinks();
        joined.store(true);
    });
    while (!joined.load()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    joiner.join();
}

}  // namespace pv::app
