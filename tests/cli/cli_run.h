#pragma once
// Runs a built command-line tool in a scratch program directory and collects
// its exit status, stdout and stderr.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace pv::test {

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string DataFile(const std::string& name) { return std::string(PV_TEST_DATA_DIR) + "/cli/" + name; }

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
    nlohmann::json Json() const { return nlohmann::json::parse(out, nullptr, false); }
};

// A fresh program directory (--home) per test.
class CliHome {
public:
    CliHome() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("pv-cli-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    ~CliHome() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    CliRun Run(const char* tool, std::initializer_list<std::string> args) const {
        std::string cmd = Quote(tool) + " --home " + Quote(dir_.string());
        for (const auto& a : args) cmd += " " + Quote(a);
        const std::string errFile = Path("stderr.txt");
        cmd += " 2>" + Quote(errFile);
        CliRun run;
        FILE* p = ::popen(cmd.c_str(), "r");
        if (!p) return run;
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) run.out.append(buf, n);
        const int raw = ::pclose(p);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.err = Slurp(errFile);
        return run;
    }

private:
    std::filesystem::path dir_;
};

}  // namespace pv::test
