#pragma once
// A program directory of its own for each import test: an empty folder named
// after the test, settings pointing their program directory and stroke font
// paths into it, and removed again afterwards.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/scratch_dir.h"
#include "settings/app_settings.h"

namespace pv::import_test {

// Settings whose program directory is `dir`, with the stroke fonts looked
// for there (fon_hz.bin, fon_en.bin).
inline void UseProgramDir(AppSettings& settings, const std::filesystem::path& dir) {
    settings.ProgramDir = dir.string() + "/";
    settings.HzFontPath = settings.ProgramDir + "fon_hz.bin";
    settings.EnFontPath = settings.ProgramDir + "fon_en.bin";
}

class ProgramDirTest : public ::testing::Test {
protected:
    void SetUp() override { UseProgramDir(settings_, dir_); }

    // Writes `bytes` to the file `name` in the folder; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

    test::ScratchDir scratch_{"import"};
    std::filesystem::path dir_ = scratch_.Path();
    AppSettings settings_;
};

}  // namespace pv::import_test
