// The command-line tool's emulate, print and firmware commands talking to
// each other over loopback.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "common/scratch_dir.h"
#include "common/wait_for.h"
#include "output/cut_record.h"

namespace pv::test {
namespace {

namespace fs = std::filesystem;

// `emulate` in a child process; its port is read from its first line.
class Emulator {
public:
    explicit Emulator(std::vector<std::string> args) {
        int out[2];
        if (pipe(out) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            setpgid(0, 0);
            dup2(out[1], STDOUT_FILENO);
            const int null = open("/dev/null", O_WRONLY);
            if (null >= 0) dup2(null, STDERR_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv;
            for (auto& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(out[1]);
        std::string line;
        char c;
        pollfd p{out[0], POLLIN, 0};
        while (line.find('\n') == std::string::npos && poll(&p, 1, 10000) > 0 && read(out[0], &c, 1) == 1) line += c;
        // The read end stays open: the emulator's last line must not meet a
        // closed pipe.
        out_ = out[0];
        const auto colon = line.rfind(':');
        if (line.rfind("listening on ", 0) == 0 && colon != std::string::npos) port_ = std::stoi(line.substr(colon + 1));
    }
    ~Emulator() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            if (!Wait() && pid_ > 0) {
                kill(pid_, SIGKILL);
                waitpid(pid_, nullptr, 0);
            }
        }
        if (out_ >= 0) close(out_);
    }
    int port() const { return port_; }
    // Whether the emulator ended by itself within about ten seconds.
    bool Wait() {
        int status = 0;
        if (pid_ <= 0 || !WaitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, 200, 50)) return false;
        pid_ = -1;
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

private:
    pid_t pid_ = -1;
    int port_ = 0;
    int out_ = -1;
};

// The tools draw the cleaning band's text through the system font library,
// whose caches live until the process ends; the leak checker of a sanitized
// build is told so.
class CliLink : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string supp = std::string(PV_TEST_DATA_DIR) + "/link/lsan.supp";
        setenv("LSAN_OPTIONS", ("suppressions=" + supp).c_str(), 1);
    }
};

int RunCli(const std::string& command) {
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<CutRecord> ReadCutFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<CutRecord> records;
    for (std::size_t at = 0; at + kCutRecordBytes <= bytes.size(); at += kCutRecordBytes)
        records.push_back(UnpackCutRecord(bytes, at));
    return records;
}

TEST_F(CliLink, PrintedJobCarriesTheKnifeRecordsThatPrepareWrites) {
    const ScratchDir scratch("cli-link-print");
    const fs::path& dir = scratch.Path();
    const std::string cli = PV_CLI_PELVANE;
    const std::string file = std::string(PV_TEST_DATA_DIR) + "/link/marker.plt";
    const std::string home = (dir / "home").string();
    Emulator emulator({cli, "--home", home, "emulate", "--port", "0", "--jobs", "1", "--record", (dir / "rec").string()});
    ASSERT_GT(emulator.port(), 0);
    EXPECT_EQ(RunCli(cli + " --home " + home + " print " + file + " --machine 127.0.0.1:" +
                  std::to_string(emulator.port())),
              0);
    EXPECT_TRUE(emulator.Wait());
    ASSERT_EQ(RunCli(cli + " --home " + home + " prepare " + file + " --out " + (dir / "prep").string()), 0);

    std::ifstream summaryFile(dir / "prep" / "summary.json");
    const auto prepared = nlohmann::json::parse(summaryFile);
    std::vector<std::vector<CutRecord>> expected;
    for (const auto& step : prepared["steps"])
        if (step["type"] == "cut" && !step["file"].is_null())
            expected.push_back(ReadCutFile(dir / "prep" / step["file"].get<std::string>()));
    ASSERT_FALSE(expected.empty());

    std::ifstream cutsFile(dir / "rec" / "job-001" / "cuts.json");
    const auto cuts = nlohmann::json::parse(cutsFile);
    ASSERT_EQ(cuts["segments"].size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& records = cuts["segments"][i]["records"];
        ASSERT_EQ(records.size(), expected[i].size());
        for (std::size_t k = 0; k < records.size(); ++k) {
            EXPECT_EQ(records[k]["x"].get<int>(), expected[i][k].x);
            EXPECT_EQ(records[k]["y"].get<int>(), expected[i][k].y);
            EXPECT_EQ(records[k]["code"].get<std::string>(), std::string(1, expected[i][k].code));
        }
    }
    std::ifstream summary(dir / "rec" / "job-001" / "summary.json");
    const auto job = nlohmann::json::parse(summary);
    EXPECT_EQ(job["jobStart"]["paperLength"], prepared["jobStart"]["paperFeedPulses"]);
    EXPECT_EQ(job["jobStart"]["columnCount"], prepared["ColumnCount"]);
    EXPECT_EQ(job["ending"], "complete");
}

TEST_F(CliLink, PrintFailsWithStatusFiveWhenTheMachineFails) {
    const ScratchDir scratch("cli-link-fail");
    const fs::path& dir = scratch.Path();
    const std::string cli = PV_CLI_PELVANE;
    const std::string home = (dir / "home").string();
    const std::string file = std::string(PV_TEST_DATA_DIR) + "/link/marker.plt";
    {
        Emulator emulator({cli, "--home", home, "emulate", "--port", "0", "--jobs", "1", "--fault",
                           "leave-after-band=1"});
        ASSERT_GT(emulator.port(), 0);
        EXPECT_EQ(RunCli(cli + " --home " + home + " print " + file + " --machine 127.0.0.1:" +
                      std::to_string(emulator.port())),
                  5);
    }
    // Bad words are refused before anything listens.
    EXPECT_EQ(RunCli(cli + " --home " + home + " emulate --port 0 --fault refuse-bulk=x"), 1);
    EXPECT_EQ(RunCli(cli + " --home " + home + " print " + file + " --machine 127.0.0.1:99999"), 8);
}

TEST_F(CliLink, FirmwareIsLoadedIntoTheEmulator) {
    const ScratchDir scratch("cli-link-fw");
    const fs::path& dir = scratch.Path();
    const std::string cli = PV_CLI_PELVANE;
    const std::string home = (dir / "home").string();
    const fs::path image = dir / "new.kxfw";
    std::ofstream(image, std::ios::binary) << std::string(50000, 'x');
    Emulator emulator({cli, "--home", home, "emulate", "--port", "0"});
    ASSERT_GT(emulator.port(), 0);
    const std::string machine = " --machine 127.0.0.1:" + std::to_string(emulator.port());
    EXPECT_EQ(RunCli(cli + " --home " + home + " firmware " + image.string() + machine), 0);
    EXPECT_EQ(RunCli(cli + " --home " + home + " firmware " + (dir / "missing.kxfw").string() + machine), 2);
}

}  // namespace
}  // namespace pv::test
