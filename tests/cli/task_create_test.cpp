// task create: pattern files into a print-task file that the engine reads
// back as the window's Open would.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "import/job_reader.h"
#include "jobs/task_archive.h"
#include "jobs/task_file.h"
#include "settings/settings_store.h"

namespace pv::test {
namespace {

TEST(TaskCreate, TheFilesBecomeOpenedJobsInTheEditionsFormat) {
    const std::pair<const char*, Edition> tools[] = {{PV_CLI_PELVANE, Edition::TwoHead},
                                                     {PV_CLI_ORVANTA, Edition::FourHead}};
    const std::vector<std::string> files = {DataFile("piece.plt"), DataFile("square.plt")};
    for (const auto& [tool, edition] : tools) {
        CliHome home;
        const std::string out = home.Path("queue.pvtask");
        const CliRun run = home.Run(tool, {"task", "create", out, files[0], files[1]});
        ASSERT_EQ(run.status, 0) << run.err;

        TaskJobs jobs;
        std::string why;
        ASSERT_EQ(TaskFile::ReadJobs(out, edition, jobs, &why), kTaskOk) << why;
        EXPECT_TRUE(jobs.manDir.empty());
        EXPECT_TRUE(jobs.autoDir.empty());
        ASSERT_EQ(jobs.opened.size(), files.size());

        // Each job holds the drawing the Add command reads from its file.
        AppSettings settings;
        settings.edition = edition;
        InitProgramPaths(settings, home.Path(""));
        LoadSettings(settings);
        for (std::size_t i = 0; i < files.size(); ++i) {
            const ReadJobResult expected = ReadJobFile(files[i], settings, [](const std::string&) {}, ReadPath::AddCommand);
            ASSERT_TRUE(expected.page);
            const COnePage& job = *jobs.opened[i];
            ASSERT_EQ(job.curves.size(), expected.page->curves.size()) << files[i];
            for (std::size_t k = 0; k < job.curves.size(); ++k) {
                EXPECT_EQ(job.curves[k].points, expected.page->curves[k].points);
                EXPECT_EQ(job.curves[k].kind, expected.page->curves[k].kind);
            }
            EXPECT_EQ(job.fileName, std::filesystem::path(files[i]).filename().string());
            // The four-head job record carries no path.
            EXPECT_EQ(job.filePath, IsFourHead(edition) ? "" : std::filesystem::path(files[i]).lexically_normal().string());
        }
        // The other edition's program cannot open it.
        TaskJobs other;
        EXPECT_NE(TaskFile::ReadJobs(out, IsFourHead(edition) ? Edition::TwoHead : Edition::FourHead, other), kTaskOk);
    }
}

TEST(TaskCreate, UnreadableInputWritesNothingAndAnEmptyDrawingIsLeftOut) {
    CliHome home;
    const std::string out = home.Path("queue.pvtask");
    const CliRun missing = home.Run(PV_CLI_PELVANE, {"task", "create", out, DataFile("square.plt"), home.Path("gone.plt")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("gone.plt"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    std::filesystem::create_directories(home.Path("taken.pvtask"));
    const CliRun taken = home.Run(PV_CLI_PELVANE, {"task", "create", home.Path("taken.pvtask"), DataFile("square.plt")});
    EXPECT_EQ(taken.status, 3);
    EXPECT_NE(taken.err.find("not written"), std::string::npos) << taken.err;

    std::ofstream(home.Path("empty.plt")) << "IN;PG;";
    const CliRun empty = home.Run(PV_CLI_PELVANE, {"task", "create", out, home.Path("empty.plt"), DataFile("square.plt")});
    ASSERT_EQ(empty.status, 0) << empty.err;
    EXPECT_NE(empty.err.find("no curves in"), std::string::npos) << empty.err;
    const nlohmann::json listed = home.Run(PV_CLI_PELVANE, {"task", out}).Json();
    ASSERT_EQ(listed["opened"].size(), 1u);
    EXPECT_EQ(listed["opened"][0]["fileName"], "square.plt");

    EXPECT_EQ(home.Run(PV_CLI_PELVANE, {"task", "create", out}).status, 1);
}

}  // namespace
}  // namespace pv::test
