#pragma once
// Runs a built command-line tool in a scratch program directory and collects
// its exit status, stdout and stderr.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "common/scratch_dir.h"

namespace pv::test {

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string Slurp(const std::filesystem::path& path) { return ReadAll(path.string()); }

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
    std::string Path(const std::string& name) const { return home_.File(name); }

    CliRun Run(const char* tool, const std::vector<std::string>& args) const {
        std::string cmd = Quote(tool) + " --home " + Quote(home_.Path().string());
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
    test::ScratchDir home_{"cli"};
};

}  // namespace pv::test
