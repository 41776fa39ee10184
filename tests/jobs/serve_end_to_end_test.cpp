// The headless station against the virtual plotter: files dropped into the
// automatic folder are printed in name order, then removed with their files;
// a manual-folder file waits for the operator; a file still being written is
// left until it is complete; a machine lost in the middle of a print fails
// that job and switches automatic start off.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "common/scratch_dir.h"
#include "common/wait_for.h"

namespace pv {
namespace {

namespace fs = std::filesystem;

// A tool run in a child process with its stdout in a file.
class Child {
public:
    Child(std::vector<std::string> args, const fs::path& out) : out_(out) {
        pid_ = fork();
        if (pid_ == 0) {
            const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, STDOUT_FILENO);
            dup2(fd, STDERR_FILENO);
            std::vector<char*> argv;
            for (auto& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
    }
    ~Child() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    std::string Output() const {
        std::ifstream in(out_);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // Waits (up to a minute) for the text to appear in the output; false as
    // soon as the child has ended without writing it.
    bool WaitFor(const std::string& text) const {
        const auto written = [&] { return Output().find(text) != std::string::npos; };
        test::WaitFor([&] { return written() || pid_ <= 0 || waitpid(pid_, nullptr, WNOHANG) == pid_; }, 1200, 50);
        return written();   // also what the child wrote just before it ended
    }
    // Signals the child and returns its exit status (-1 when it did not end
    // within 30 s).
    int Stop(int sig) {
        kill(pid_, sig);
        int status = 0;
        if (!test::WaitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, 600, 50)) return -1;
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    fs::path out_;
};


std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A pattern of `squares` squares side by side, the k-th (from 0) (k + 1) *
// `side` plotter units (1/40 mm) wide, as PLT text: the later squares reach
// further across the roll.
std::string Squares(int squares, int side) {
    std::string plt = "IN;SP1;";
    int x0 = 200;
    for (int k = 0; k < squares; ++k, x0 += side + 200) {
        const int x1 = x0 + side;
        const int y1 = 200 + (k + 1) * side;
        plt += "PU" + std::to_string(x0) + ",200;PD" + std::to_string(x1) + ",200," + std::to_string(x1) + "," +
               std::to_string(y1) + "," + std::to_string(x0) + "," + std::to_string(y1) + "," + std::to_string(x0) +
               ",200;";
    }
    return plt + "PU;PG;";
}

// The column count (the drawing's width across the roll, in head columns)
// of the job-start block the virtual plotter recorded for job `number`.
std::optional<int> RecordedColumns(const fs::path& recordDir, int number) {
    char name[32];
    std::snprintf(name, sizeof name, "job-%03d", number);
    const fs::path summary = recordDir / name / "summary.json";
    if (!fs::exists(summary)) return std::nullopt;
    const auto j = nlohmann::json::parse(ReadText(summary), nullptr, false);
    if (j.is_discarded()) return std::nullopt;
    return j["jobStart"]["columnCount"].get<int>();
}

// The serve log lines that contain `text`.
int CountLines(const std::string& log, const std::string& text) {
    int n = 0;
    for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++n;
    return n;
}

// Polls `done` every 50 ms for at most a minute.
template <class Pred>
bool WaitUntil(Pred done) {
    return test::WaitFor(done, 1200, 50);
}

// A station home folder with the virtual plotter and `serve` running
// against it; both are killed when the test ends.
class ServeEndToEnd : public ::testing::Test {
protected:
    void TearDown() override {
        serve_.reset();
        emulator_.reset();
    }

    // Starts the plotter recording into home/rec; false when it does not listen.
    bool StartEmulator(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{cli_, "--home", home_.string(), "emulate", "--port", "0",
                                      "--record", (home_ / "rec").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        emulator_.emplace(args, home_ / "emulate.out");
        if (!emulator_->WaitFor("listening on ")) return false;
        const std::string first = emulator_->Output();
        port_ = first.substr(first.rfind(':') + 1, first.find('\n') - first.rfind(':') - 1);
        return true;
    }
    bool StartServe() {
        serve_.emplace(std::vector<std::string>{cli_, "--home", home_.string(), "serve", "--machine",
                                                "127.0.0.1:" + port_},
                       home_ / "serve.out");
        return serve_->WaitFor("machine online");
    }
    // The column count `prepare` gives `file` with this home's settings.
    int PreparedColumns(const fs::path& file) {
        const fs::path out = home_ / ("prepared-" + file.filename().string());
        Child prepare({cli_, "--home", home_.string(), "prepare", file.string(), "--out", out.string()},
                      home_ / "prepare.out");
        EXPECT_EQ(prepare.Stop(0), 0) << prepare.Output();
        const auto j = nlohmann::json::parse(ReadText(out / "summary.json"), nullptr, false);
        return j.is_discarded() ? -1 : j["jobStart"]["columnCount"].get<int>();
    }
    // Puts `text` into the automatic folder under `name` in one step.
    void Drop(const std::string& name, const std::string& text) {
        const fs::path part = home_ / "DirAuto" / (name + ".part");
        std::ofstream(part, std::ios::binary) << text;
        fs::rename(part, home_ / "DirAuto" / name);
    }
    // The settings file's line for `key` ("" when missing).
    std::string SavedSetting(const std::string& key) {
        std::istringstream in(ReadText(home_ / "Setting.ini"));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.rfind(key + "=", 0) == 0) return line;
        }
        return "";
    }

    const std::string cli_ = PV_CLI_PELVANE;
    test::ScratchDir scratch_{"serve"};
    const fs::path home_ = scratch_.Path();
    std::string port_;
    std::optional<Child> emulator_;
    std::optional<Child> serve_;
};

TEST_F(ServeEndToEnd, PrintsAndRemovesADroppedFileAndSavesSettingsOnStop) {
    ASSERT_TRUE(StartEmulator());
    ASSERT_TRUE(StartServe()) << serve_->Output();
    const fs::path square = fs::path(PV_TEST_DATA_DIR) / "cli" / "square.plt";
    fs::copy_file(square, home_ / "DirMan" / "waits.plt");
    Drop("sq.plt", ReadText(square));

    ASSERT_TRUE(serve_->WaitFor("removed 1 finished job(s)")) << serve_->Output();
    ASSERT_TRUE(serve_->WaitFor("found manual job")) << serve_->Output();
    const std::string log = serve_->Output();
    EXPECT_NE(log.find("printing " + (home_ / "DirAuto" / "sq.plt").string()), std::string::npos) << log;
    EXPECT_NE(log.find("printed a copy of "), std::string::npos) << log;
    EXPECT_EQ(log.find("printing " + (home_ / "DirMan").string()), std::string::npos) << log;
    EXPECT_FALSE(fs::exists(home_ / "DirAuto" / "sq.plt"));
    EXPECT_TRUE(fs::exists(home_ / "DirMan" / "waits.plt"));

    fs::remove(home_ / "Setting.ini");
    EXPECT_EQ(serve_->Stop(SIGTERM), 0) << serve_->Output();
    EXPECT_TRUE(fs::exists(home_ / "Setting.ini"));
    EXPECT_NE(serve_->Output().find("stopped"), std::string::npos);
}

TEST_F(ServeEndToEnd, PrintsDroppedFilesInNameOrderAndRemovesThem) {
    ASSERT_TRUE(StartEmulator());
    ASSERT_TRUE(StartServe()) << serve_->Output();
    // Each reaches a different width across the roll, so the recordings
    // tell them apart.
    const std::vector<std::pair<std::string, std::string>> files = {
        {"a.plt", Squares(1, 2000)}, {"b.plt", Squares(3, 2000)}, {"c.plt", Squares(2, 1500)}};
    const fs::path stage = home_ / "stage";
    fs::create_directories(stage);
    std::vector<int> expected;
    for (const auto& [name, text] : files) {
        std::ofstream(stage / name, std::ios::binary) << text;
        expected.push_back(PreparedColumns(stage / name));
    }
    ASSERT_NE(expected[0], expected[1]);
    ASSERT_NE(expected[1], expected[2]);
    // All three appear at once, so no scan sees one before the others.
    const fs::path autoDir = home_ / "DirAuto";
    fs::rename(stage, autoDir);
    ASSERT_TRUE(WaitUntil([&] { return fs::is_empty(autoDir); })) << serve_->Output();
    const std::string log = serve_->Output();
    EXPECT_EQ(CountLines(log, "printed a copy of "), 3) << log;
    std::size_t last = 0;
    for (const auto& [name, text] : files) {
        const std::size_t at = log.find("printing " + (autoDir / name).string());
        ASSERT_NE(at, std::string::npos) << log;
        EXPECT_GT(at, last) << name << " out of order\n" << log;
        last = at;
    }
    for (int k = 0; k < 3; ++k) EXPECT_EQ(RecordedColumns(home_ / "rec", k + 1), expected[k]) << files[k].first;
    EXPECT_FALSE(RecordedColumns(home_ / "rec", 4));
}

TEST_F(ServeEndToEnd, UnreadableFilesAreReportedOnceAndDoNotHoldBackTheNextFile) {
    ASSERT_TRUE(StartEmulator());
    ASSERT_TRUE(StartServe()) << serve_->Output();
    const fs::path stage = home_ / "stage";
    fs::create_directories(stage);
    std::ofstream(stage / "a-junk.plt", std::ios::binary) << "this is no drawing at all\n";
    std::ofstream(stage / "b-empty.plt", std::ios::binary);
    std::ofstream(stage / "c-good.plt", std::ios::binary) << Squares(1, 2000);
    const fs::path autoDir = home_ / "DirAuto";
    fs::rename(stage, autoDir);

    ASSERT_TRUE(serve_->WaitFor("printed a copy of " + (autoDir / "c-good.plt").string())) << serve_->Output();
    ASSERT_TRUE(serve_->WaitFor("removed 1 finished job(s)")) << serve_->Output();
    const std::string log = serve_->Output();
    // The settings' language is Chinese.
    EXPECT_EQ(CountLines(log, "message: 文件打开失败! a-junk.plt"), 1) << log;
    EXPECT_EQ(CountLines(log, "message: 文件打开失败! b-empty.plt"), 1) << log;
    EXPECT_EQ(CountLines(log, "printed a copy of "), 1) << log;
    EXPECT_TRUE(fs::exists(autoDir / "a-junk.plt"));
    EXPECT_FALSE(fs::exists(autoDir / "c-good.plt"));

    // A good version of the junk file prints.
    std::ofstream(autoDir / "a-junk.plt.part", std::ios::binary) << Squares(2, 1000);
    fs::rename(autoDir / "a-junk.plt.part", autoDir / "a-junk.plt");
    ASSERT_TRUE(serve_->WaitFor("printed a copy of " + (autoDir / "a-junk.plt").string())) << serve_->Output();
}

TEST_F(ServeEndToEnd, ABusyMachineIsReportedEveryFewSecondsAndSigtermEndsTheWait) {
    ASSERT_TRUE(StartEmulator({"--fault", "busy=600000@1"}));
    ASSERT_TRUE(StartServe()) << serve_->Output();
    const fs::path file = home_ / "DirAuto" / "busy.plt";
    Drop("busy.plt", Squares(4, 3000));
    ASSERT_TRUE(serve_->WaitFor("machine busy for 5 s")) << serve_->Output();
    EXPECT_EQ(serve_->Stop(SIGTERM), 0) << serve_->Output();
    const std::string log = serve_->Output();
    EXPECT_NE(log.find("print stopped: " + file.string()), std::string::npos) << log;
    EXPECT_NE(log.find("stopped\n"), std::string::npos) << log;
    // Stopping the station is not a failed print: automatic start stays on
    // and the file waits for the next run.
    EXPECT_EQ(SavedSetting("AutoStart"), "AutoStart=1") << ReadText(home_ / "Setting.ini");
    EXPECT_TRUE(fs::exists(file));
}

TEST_F(ServeEndToEnd, PrintReportsABusyMachineAndCtrlCStopsTheJob) {
    ASSERT_TRUE(StartEmulator({"--fault", "busy=600000@1"}));
    const fs::path file = home_ / "busy.plt";
    std::ofstream(file, std::ios::binary) << Squares(4, 3000);
    Child print({cli_, "--home", home_.string(), "print", file.string(), "--machine", "127.0.0.1:" + port_},
                home_ / "print.out");
    ASSERT_TRUE(print.WaitFor("machine busy for 5 s")) << print.Output();
    EXPECT_EQ(print.Stop(SIGINT), 5) << print.Output();   // the copy did not complete
    EXPECT_NE(print.Output().find("stopped by SIGINT"), std::string::npos) << print.Output();
    // The plotter heard the stop.
    const fs::path summary = home_ / "rec" / "job-001" / "summary.json";
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(summary); }));
    EXPECT_EQ(nlohmann::json::parse(ReadText(summary), nullptr, false)["ending"], "stopped");
}

TEST_F(ServeEndToEnd, PrintsAFileStillBeingWrittenOnlyOnceComplete) {
    ASSERT_TRUE(StartEmulator());
    ASSERT_TRUE(StartServe()) << serve_->Output();
    // the first half's squares are narrower than the whole drawing
    const std::string text = Squares(6, 1000);
    const fs::path file = home_ / "DirAuto" / "slow.plt";
    {
        // A copy that goes on for several scans, a piece every 100 ms: each
        // scan finds it grown, so even where the file system gives no
        // leases (which tell of the open writer) the size and time rule
        // keeps it out until it is complete.
        std::ofstream out(file, std::ios::binary);
        const std::size_t pieces = 50;
        for (std::size_t k = 0; k < pieces; ++k) {
            const std::size_t from = text.size() * k / pieces, to = text.size() * (k + 1) / pieces;
            out.write(text.data() + from, static_cast<std::streamsize>(to - from));
            out.flush();
            usleep(100 * 1000);
        }
    }
    const fs::path whole = home_ / "whole.plt";
    std::ofstream(whole, std::ios::binary) << text;
    const int expected = PreparedColumns(whole);

    ASSERT_TRUE(WaitUntil([&] { return !fs::exists(file); })) << serve_->Output();
    const std::string log = serve_->Output();
    EXPECT_EQ(CountLines(log, "printing " + file.string()), 1) << log;
    EXPECT_EQ(RecordedColumns(home_ / "rec", 1), expected);
    EXPECT_FALSE(RecordedColumns(home_ / "rec", 2));
}

TEST_F(ServeEndToEnd, LosingTheMachineMidPrintFailsTheJobAndSwitchesAutomaticStartOff) {
    // The plotter stalls for a minute after the first band, so the print is
    // still going when it dies.
    ASSERT_TRUE(StartEmulator({"--fault", "busy=60000@1"}));
    ASSERT_TRUE(StartServe()) << serve_->Output();
    const fs::path file = home_ / "DirAuto" / "lost.plt";
    Drop("lost.plt", Squares(4, 3000));
    ASSERT_TRUE(serve_->WaitFor("printing " + file.string())) << serve_->Output();
    emulator_->Stop(SIGKILL);

    ASSERT_TRUE(serve_->WaitFor("print failed: " + file.string())) << serve_->Output();
    // The failed job must outlive a removal sweep (every fourth cycle): each
    // manual file takes two scans to be listed, so three in turn span one.
    for (int k = 0; k < 3; ++k) {
        const std::string name = "later-" + std::to_string(k) + ".plt";
        std::ofstream(home_ / "DirMan" / name, std::ios::binary) << Squares(1, 1000);
        ASSERT_TRUE(serve_->WaitFor("found manual job " + (home_ / "DirMan" / name).string())) << serve_->Output();
    }
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(CountLines(serve_->Output(), "printed a copy of "), 0) << serve_->Output();
    EXPECT_EQ(serve_->Stop(SIGTERM), 0) << serve_->Output();
    EXPECT_EQ(SavedSetting("AutoStart"), "AutoStart=0") << ReadText(home_ / "Setting.ini");
    EXPECT_TRUE(fs::exists(file));
}

}  // namespace
}  // namespace pv
