// Every reader of the station given a named pipe where a file belongs: the
// task file, a firmware file, HPGL and DXF patterns, the stroke fonts and
// the settings file.  Opening a pipe for reading waits for a writer; no
// reader may wait, and each must refuse the pipe as not a file.  A reader
// that does wait is let go by opening the pipe's writing end, so the test
// fails instead of hanging.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "cli_run.h"
#include "common/wait_for.h"
#include "import/job_reader.h"
#include "import/stroke_font.h"
#include "jobs/station.h"
#include "jobs/task_file.h"
#include "link/firmware_log.h"
#include "link/firmware_update.h"
#include "link/link_state.h"
#include "link/machine_link.h"
#include "settings/ini_file.h"
#include "settings/settings_store.h"
#include "settings/shared_record.h"

namespace pv::test {
namespace {

// True when `read` returned by itself within the bound.
bool ReturnsWithoutAWriter(const std::string& fifo, const std::function<void()>& read) {
    std::atomic<bool> done{false};
    std::thread reader([&] {
        read();
        done = true;
    });
    const bool alone = WaitFor([&] { return done.load(); }, 200, 25);
    if (!alone) {
        // The reader waits in open(): a writer that comes and goes lets it
        // see an empty file.
        const int w = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        WaitFor([&] { return done.load(); }, 200, 25);
        if (w >= 0) ::close(w);
    }
    reader.join();
    return alone;
}

struct Reader {
    const char* what;
    const char* fileName;
    // Reads the pipe at `path` as this reader does; false when it accepted it.
    std::function<bool(const std::string& path, const ScratchDir& dir)> refuses;
};

AppSettings SettingsIn(const ScratchDir& dir) {
    AppSettings s;
    InitProgramPaths(s, dir.Dir());
    return s;
}

const Reader kReaders[] = {
    {"task file", "queue.pvtask",
     [](const std::string& path, const ScratchDir&) {
         Station station(Edition::TwoHead);
         std::string message;
         const int r = TaskFile::Open(path, Edition::TwoHead, 1, station.jobs, &message);
         return r == kTaskCannotOpen && message.find("Not a regular file") != std::string::npos;
     }},
    {"firmware file", "board.kxfw",
     [](const std::string& path, const ScratchDir& dir) {
         SharedRecord<AppSettings> settings(SettingsIn(dir));
         LinkState state;
         MachineLink link(settings, state);
         FirmwareLog log;
         FirmwareUpdate update(link.commu(), log, 1);
         const int r = update.UpdateFirmware(path);
         const auto line = log.Take();
         return r == FirmwareUpdate::kCannotOpen && line && line->text.find("not a regular file") != std::string::npos;
     }},
    {"HPGL pattern", "shirt.plt",
     [](const std::string& path, const ScratchDir& dir) {
         return ReadJobFile(path, SettingsIn(dir), {}, ReadPath::AddCommand).result != 0;
     }},
    {"DXF pattern", "shirt.dxf",
     [](const std::string& path, const ScratchDir& dir) {
         return ReadJobFile(path, SettingsIn(dir), {}, ReadPath::AddCommand).result != 0;
     }},
    {"stroke font", "fon_en.bin",
     [](const std::string& path, const ScratchDir&) {
         StrokeFont font(StrokeFontKind::Latin);
         return font.Load(path) == FontLoadResult::CannotOpen;
     }},
    {"settings file", "Setting.ini",
     [](const std::string& path, const ScratchDir& dir) {
         AppSettings s = SettingsIn(dir);
         IniFile ini;
         // Not read, and not replaced by a save either.
         return !ini.Load(path) && !LoadSettings(s, path) && !SaveSettings(s, path);
     }},
};

TEST(FifoReaders, EveryReaderRefusesANamedPipeAtOnce) {
    for (const Reader& r : kReaders) {
        SCOPED_TRACE(r.what);
        ScratchDir dir("fifo");
        const std::string fifo = dir.File(r.fileName);
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        bool refused = false;
        EXPECT_TRUE(ReturnsWithoutAWriter(fifo, [&] { refused = r.refuses(fifo, dir); }))
            << "waited for a writer on the pipe";
        EXPECT_TRUE(refused);
    }
}

// The command-line tool and the window name the task file the same way: the
// tool ends with "cannot be read" (status 2) instead of waiting.
TEST(FifoReaders, TheTaskCommandRefusesAPipe) {
    CliHome home;
    const std::string fifo = home.Path("queue.pvtask");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::atomic<bool> done{false};
    CliRun run;
    std::thread tool([&] {
        run = home.Run(PV_CLI_PELVANE, {"task", fifo});
        done = true;
    });
    const bool alone = WaitFor([&] { return done.load(); }, 400, 25);
    if (!alone) {
        const int w = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        WaitFor([&] { return done.load(); }, 400, 25);
        if (w >= 0) ::close(w);
    }
    tool.join();
    EXPECT_TRUE(alone) << "the tool waited for a writer";
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace pv::test
