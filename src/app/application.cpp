#include "app/application.h"

#include <cctype>
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>

#include "app/dialog_commands.h"
#include "app/language_resources.h"
#include "app/main_frame.h"
#include "app/pelvane_doc.h"
#include "app/single_instance.h"
#include "app/test_patterns.h"
#include "app/termination_signals.h"
#include "app/window_host.h"
#include "app/window_station.h"
#include "import/embedded_fonts.h"
#include "settings/atomic_file_writer.h"
#include "settings/program_version.h"
#include "settings/settings_store.h"
#include "ui/command_ids.h"

namespace pv::app {

namespace {

QString ProgramDirFor(const ProgramOptions& options) {
    QString dir = options.home.isEmpty() ? QCoreApplication::applicationDirPath() : QDir(options.home).absolutePath();
    // An installed program's folder is not the operator's to write: its
    // program directory then lives in the user's application data.
    if (options.home.isEmpty() && !QFileInfo(dir).isWritable())
        dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    dir = QDir::cleanPath(dir);
    return dir.endsWith('/') ? dir : dir + '/';
}

}  // namespace

ProgramOptions ParseProgramOptions(const QStringList& arguments) {
    ProgramOptions o;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--home" && i + 1 < arguments.size()) {
            o.home = arguments[++i];
        } else if (a == "--port" && i + 1 < arguments.size()) {
            bool ok = false;
            o.machinePort = arguments[++i].toInt(&ok);
            if (!ok || o.machinePort <= 0 || o.machinePort > 65535) o.error = "--port needs a number from 1 to 65535";
        } else if (a == "--training-plotter") {
            o.trainingPlotter = true;
        } else if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a.startsWith("--")) {
            o.error = "unknown option " + a;
        } else if (o.taskFile.isEmpty()) {
            o.taskFile = a;
        } else {
            o.error = "only one print-task file can be opened";
        }
    }
    return o;
}

std::string ProgramUsage(Edition edition) {
    const std::string name(Info(edition).programName);
    std::string command = name;
    for (char& c : command) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const char* heads = IsFourHead(edition) ? "four-head" : "two-head";
    return "usage: " + command + " [--home DIR] [--port N] [--training-plotter] [TASKFILE.pvtask]\n"
           "       " + command + " --help | --version\n"
           "\n"
           "Opens the " + name + " window: the job list above, the drawing view below,\n"
           "the button bar on top and the machine's state in the status bar.  Pattern\n"
           "files (HPGL/PLT, DXF) are added as jobs, shown and edited to scale, and\n"
           "printed and cut on the " + heads + " machine over Ethernet or USB.  Files\n"
           "copied into the automatic folder (DirAuto) print by themselves.\n"
           "\n"
           "  --home DIR          program directory: settings file, fonts, working files\n"
           "                      and watched folders (default: the program's folder, or\n"
           "                      ~/.local/share/" + name + " when that is not writable)\n"
           "  --port N            reach the machine (or a virtual plotter) on TCP port N\n"
           "                      instead of " + std::to_string(Info(edition).tcpPort) + "\n"
           "  --training-plotter  start on the built-in virtual plotter (Connection menu)\n"
           "  TASKFILE.pvtask     a print-task file to open at start\n"
           "  --help              this text\n"
           "  --version           the program, its edition and version\n"
           "\n"
           "SIGTERM or Ctrl-C closes the window as its close button does.  A second\n"
           "start on the same program directory brings the running window to the front.\n"
           "The command-line tool " + command + "-cli runs the same engine without a window.\n";
}

int RunApplication(int argc, char* argv[], Edition edition) {
    {
        // Answered before the application object exists, so they need no display.
        QStringList arguments;
        for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
        const ProgramOptions early = ParseProgramOptions(arguments);
        if (early.help) {
            fputs(ProgramUsage(edition).c_str(), stdout);
            return 0;
        }
        if (early.version) {
            printf("%s\n", VersionLine(edition, std::string(Info(edition).programName)).c_str());
            return 0;
        }
    }
    QApplication app(argc, argv);
    const QString programName = QString::fromUtf8(Info(edition).programName.data());
    QApplication::setApplicationName(programName);
    const ProgramOptions options = ParseProgramOptions(QApplication::arguments());
    if (!options.error.isEmpty()) {
        fprintf(stderr, "%s: %s\n%s", argv[0], qPrintable(options.error), ProgramUsage(edition).c_str());
        return 2;
    }
    // (The socket library needs no start-up on this platform.)
    const QString programDir = ProgramDirFor(options);

    SingleInstance instance(SingleInstance::NameFor(programDir, QApplication::applicationFilePath()),
                            "PROP_KTR_" + programName);
    const SingleInstance::Outcome outcome = instance.Acquire();
    if (outcome != SingleInstance::Outcome::First) {
        // The settings are not loaded yet: this message is always Chinese.
        if (outcome == SingleInstance::Outcome::OtherSilent)
            QMessageBox::information(nullptr, programName,
                                     QString::fromUtf8("程序已经在运行！若在任务栏里找不到，请双击系统托盘里的图标。"));
        return 0;
    }

    WindowHost host;
    WindowStation ws(edition, host);
    AppSettings settings = ws.station.settings.Get();
    InitProgramPaths(settings, programDir.toStdString());
    LoadSettings(settings);   // the machine-parameter defaults stand until the machine's are read
    EnsureFontFiles(settings);
    ws.station.settings.Set(settings);
    InstallTestPatterns(programDir);
    if (options.machinePort) ws.link.eth().SetPort(static_cast<std::uint16_t>(options.machinePort));

    LanguageTranslator translator;
    LanguageResources::Load(translator, settings.Language, edition,
                            LanguageResources::SearchDirs(QApplication::applicationDirPath(), programDir));

    int result = 0;
    {
        CMainFrame frame(ws, host, LocalAddressText());
        QObject::connect(&instance, &SingleInstance::raiseRequested, &frame, &CMainFrame::BringToFront);
        TerminationSignals terminations;
        QObject::connect(&terminations, &TerminationSignals::requested, &frame, &CMainFrame::CloseWithoutAsking);
        if (options.trainingPlotter) frame.OnCommand(ui::kCmdVirtualPlotter);
        if (!options.taskFile.isEmpty()) frame.doc().Open(options.taskFile);
        // A settings file made read-only is said once, at start, not when
        // the window closes and nobody sees it.
        const std::string readOnly = ReadOnlyProblem(settings.SettingsPath());
        if (!readOnly.empty() && terminations.received() == 0)
            frame.OnMessage(ws.station.settingsSaveNotice.After(false, readOnly, settings.Language));
        // A signal during the start-up steps (a message box about the task
        // file) has closed the window already: it is not shown again.
        if (terminations.received() == 0) {
            // Without a window manager a maximised window keeps its first
            // size: give it the screen's free area first.
            if (QScreen* screen = QGuiApplication::primaryScreen()) frame.setGeometry(screen->availableGeometry());
            frame.showMaximized();
            result = app.exec();
        }
    }
    ws.StopLinks();
    std::string error;
    settings = ws.station.settings.Get();
    if (!SaveSettings(settings, &error)) fprintf(stderr, "%s: settings not saved: %s\n", argv[0], error.c_str());
    return result;
}

}  // namespace pv::app
