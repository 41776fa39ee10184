#pragma once
// A tool run in a child process with its stdout and stderr in a file,
// killed when the object goes.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/scratch_dir.h"
#include "common/wait_for.h"

namespace pv::test {

class Child {
public:
    Child(std::vector<std::string> args, const std::filesystem::path& out) : out_(out) {
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
    ~Child() { Stop(SIGKILL); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    std::string Output() const { return ReadAll(out_.string()); }
    // Waits (up to a minute) for the text in the output; false as soon as
    // the child has ended without writing it.
    bool WaitFor(const std::string& text) {
        const auto written = [&] { return Output().find(text) != std::string::npos; };
        test::WaitFor([&] { return written() || !Running(); }, 1200, 50);
        return written();
    }
    // Signals the child and returns its exit status (-1: killed by the
    // signal, or still running after 30 s).
    int Stop(int sig) {
        if (pid_ <= 0) return status_;
        kill(pid_, sig);
        test::WaitFor([&] { return !Running(); }, 600, 50);
        return status_;
    }
    bool Running() {
        if (pid_ <= 0) return false;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) != pid_) return true;
        pid_ = -1;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return false;
    }

private:
    pid_t pid_ = -1;
    int status_ = -1;
    std::filesystem::path out_;
};

}  // namespace pv::test
