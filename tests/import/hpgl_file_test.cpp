// Reading plot files from disk: which files are accepted, what the page
// learns about its file, and that hostile files end in a result code.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "import/hpgl_file.h"
#include "settings/app_settings.h"
#include "program_dir_test.h"

namespace fs = std::filesystem;

namespace pv {
namespace {

class HpglFileTest : public import_test::ProgramDirTest {
protected:
    int Read(const std::string& path, Edition edition = Edition::TwoHead) {
        settings_.edition = edition;
        CHpglFile r(settings_);
        r.path = path;
        return r.ReadFile();
    }
};

TEST_F(HpglFileTest, AcceptanceByOpenSizeAndText) {
    struct Case {
        const char* what;
        std::string bytes;
        int result;
    };
    const std::vector<Case> cases = {
        {"empty file", "", kHpglBadSizeOrContent},
        {"five bytes", "IN;PU", kHpglBadSizeOrContent},
        {"six bytes", "IN;PU;", kHpglOk},
        {"two high bytes in the first six", "\xA1\xA1IN;PD1,1;", kHpglOk},
        {"three high bytes", "\xA1\xA1\xA1IN;PD1,1;", kHpglBadSizeOrContent},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBFIN;SP1;", kHpglBadSizeOrContent},
        {"control bytes below TAB", std::string("\0\x01\x08IN;PD;", 9), kHpglBadSizeOrContent},
        {"TAB, line ends and DEL are text", "\t\r\n\x7F\x7F\x7FIN;", kHpglOk},
        {"high bytes after the first six", "IN;LB\xB0\xA1\xB0\xA1\x03", kHpglOk},
        {"compressed data", std::string("\x1f\x8b\x08\0\0\0\0\0\0\x03", 10), kHpglBadSizeOrContent},
        {"junk behind a text-like start", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18), kHpglOk},
        {"DF with a number", "IN;DF1;", kHpglSyntax},
        {"unterminated label", "IN;PU0,0;LBnever ends", kHpglOk},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(Write("t.plt", c.bytes)), c.result) << c.what;
    }
}

TEST_F(HpglFileTest, WhatCannotBeOpened) {
    EXPECT_EQ(Read((dir_ / "missing.plt").string()), kHpglCannotOpen);
    EXPECT_EQ(Read(dir_.string()), kHpglCannotOpen);
    const std::string fifo = (dir_ / "pipe.plt").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Read(fifo), kHpglCannotOpen);   // and does not wait for a writer
}

// 40,000,000 bytes for the two-head machine, 32,000,000 for the four-head.
TEST_F(HpglFileTest, SizeLimitsPerEdition) {
    const std::string path = Write("big.plt", "IN;SP1;PU0,0;PD10,0;");
    ASSERT_EQ(::truncate(path.c_str(), 32'000'001), 0);   // the rest reads as NUL bytes
    EXPECT_EQ(Read(path, Edition::TwoHead), kHpglOk);
    EXPECT_EQ(Read(path, Edition::FourHead), kHpglBadSizeOrContent);
    ASSERT_EQ(::truncate(path.c_str(), 40'000'001), 0);
    EXPECT_EQ(Read(path, Edition::TwoHead), kHpglBadSizeOrContent);
}

TEST_F(HpglFileTest, PageLearnsItsFile) {
    const std::string path = Write("Front Piece.plt", "IN;PU0,0;PD10,0;");
    const fs::file_time_type when = fs::file_time_type::clock::now() - std::chrono::hours(50);
    fs::last_write_time(path, when);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);

    CHpglFile r(settings_);
    r.path = path;
    ASSERT_EQ(r.ReadFile(), kHpglOk);
    EXPECT_EQ(r.fileName, "Front Piece.plt");
    EXPECT_EQ(r.fileTime, static_cast<std::int64_t>(st.st_mtime));

    COnePage page;
    r.BuildPage(page, 1);
    EXPECT_EQ(page.filePath, path);
    EXPECT_EQ(page.fileName, "Front Piece.plt");
    EXPECT_EQ(page.fileTime, static_cast<std::int64_t>(st.st_mtime));
    EXPECT_EQ(page.fileSize, 16);

    COnePage other;
    other.fileName = "kept";
    r.BuildPage(other, 0);
    EXPECT_EQ(other.fileName, "kept");
    EXPECT_EQ(other.curves.size(), 1u);
}

// Files that once broke a reader, kept as found.  Each must end with a
// result code, and a successful read must build a page.
TEST_F(HpglFileTest, HostileFilesEndWithAResult) {
    const fs::path data = fs::path(PV_TEST_DATA_DIR) / "hpgl_hostile";
    ASSERT_TRUE(fs::is_directory(data));
    int seen = 0;
    for (const auto& entry : fs::directory_iterator(data)) {
        for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
            settings_.edition = e;
            CHpglFile r(settings_);
            r.path = entry.path().string();
            const int result = r.ReadFile();
            EXPECT_TRUE(result == kHpglOk || result == kHpglBadSizeOrContent || result == kHpglSyntax)
                << entry.path() << " gave " << result;
            COnePage page;
            if (result == kHpglOk) r.BuildPage(page, 1);
        }
        ++seen;
    }
    EXPECT_GT(seen, 0);
}

}  // namespace
}  // namespace pv
