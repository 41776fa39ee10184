#pragma once
// A program directory of its own for each import test: an empty folder named
// after the test, settings pointing their program directory and stroke font
// paths into it, and removed again afterwards.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "settings/app_settings.h"

namespace pv::import_test {

// A fresh, empty folder for the running test: <temp>/<prefix><pid>_<suite>_<test>.
inline std::filesystem::path FreshTestDir(const std::string& prefix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = prefix + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" + info->name();
    for (char& c : name)
        if (c == '/') c = '_';
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// Settings whose program directory is `dir`, with the stroke fonts looked
// for there (fon_hz.bin, fon_en.bin).
inline void UseProgramDir(AppSettings& settings, const std::filesystem::path& dir) {
    settings.ProgramDir = dir.string() + "/";
    settings.HzFontPath = settings.ProgramDir + "fon_hz.bin";
    settings.EnFontPath = settings.ProgramDir + "fon_en.bin";
}

class ProgramDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = FreshTestDir("pv_import_");
        UseProgramDir(settings_, dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Writes `bytes` to the file `name` in the folder; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

    std::filesystem::path dir_;
    AppSettings settings_;
};

}  // namespace pv::import_test
