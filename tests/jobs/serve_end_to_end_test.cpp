// The headless station against the virtual plotter: a file dropped into the
// automatic folder is printed, then removed with its file; a manual-folder
// file waits for the operator.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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
    // Waits (up to a minute) for the text to appear in the output.
    bool WaitFor(const std::string& text) const {
        for (int i = 0; i < 1200; ++i) {
            if (Output().find(text) != std::string::npos) return true;
            if (pid_ <= 0 || waitpid(pid_, nullptr, WNOHANG) == pid_) return false;
            usleep(50 * 1000);
        }
        return false;
    }
    // Signals the child and returns its exit status (-1 when it did not end).
    int Stop(int sig) {
        kill(pid_, sig);
        for (int i = 0; i < 600; ++i) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            usleep(50 * 1000);
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    fs::path out_;
};

TEST(ServeEndToEnd, PrintsAndRemovesADroppedFileAndSavesSettingsOnStop) {
    const fs::path home = fs::temp_directory_path() / ("pv-serve-" + std::to_string(getpid()));
    fs::remove_all(home);
    fs::create_directories(home);
    const std::string cli = PV_CLI_PELVANE;
    Child emulator({cli, "--home", home.string(), "emulate", "--port", "0"}, home / "emulate.out");
    ASSERT_TRUE(emulator.WaitFor("listening on "));
    const std::string first = emulator.Output();
    const std::string port = first.substr(first.rfind(':') + 1, first.find('\n') - first.rfind(':') - 1);

    Child serve({cli, "--home", home.string(), "serve", "--machine", "127.0.0.1:" + port}, home / "serve.out");
    ASSERT_TRUE(serve.WaitFor("machine online")) << serve.Output();
    const fs::path square = fs::path(PV_TEST_DATA_DIR) / "cli" / "square.plt";
    fs::copy_file(square, home / "DirMan" / "waits.plt");
    fs::copy_file(square, home / "DirAuto" / "tmp.part");
    fs::rename(home / "DirAuto" / "tmp.part", home / "DirAuto" / "sq.plt");

    ASSERT_TRUE(serve.WaitFor("removed 1 finished job(s)")) << serve.Output();
    ASSERT_TRUE(serve.WaitFor("found manual job")) << serve.Output();
    const std::string log = serve.Output();
    EXPECT_NE(log.find("printing " + (home / "DirAuto" / "sq.plt").string()), std::string::npos) << log;
    EXPECT_NE(log.find("printed a copy of "), std::string::npos) << log;
    EXPECT_EQ(log.find("printing " + (home / "DirMan").string()), std::string::npos) << log;
    EXPECT_FALSE(fs::exists(home / "DirAuto" / "sq.plt"));
    EXPECT_TRUE(fs::exists(home / "DirMan" / "waits.plt"));

    fs::remove(home / "Setting.ini");
    EXPECT_EQ(serve.Stop(SIGTERM), 0) << serve.Output();
    EXPECT_TRUE(fs::exists(home / "Setting.ini"));
    EXPECT_NE(serve.Output().find("stopped"), std::string::npos);
    emulator.Stop(SIGTERM);
    fs::remove_all(home);
}

}  // namespace
}  // namespace pv
