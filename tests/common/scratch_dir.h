#pragma once
// A fresh, empty folder for the running test, named after it and removed
// (write permission restored first) when the test ends; and whole-file
// reading and writing for fixtures.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

namespace pv::test {

class ScratchDir {
public:
    // <temp>/pv-<prefix>-<suite>-<test>-<pid>-<n>; `prefix` tells the suites
    // apart, n the folders of one test.
    explicit ScratchDir(const std::string& prefix = "test") {
        static std::atomic<int> made{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "pv-" + prefix + "-" + info->test_suite_name() + "-" + info->name() + "-" +
                           std::to_string(::getpid()) + "-" + std::to_string(made++);
        for (char& c : name)
            if (c == '/') c = '_';   // parameterised test names
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ec);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ec);
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The folder as a program directory: ends in '/'.
    std::string Dir() const { return path_.string() + "/"; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace pv::test
