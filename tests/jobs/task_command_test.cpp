// The command-line tool lists a saved queue.
#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "fake_environment.h"
#include "jobs/task_file.h"

namespace pv {
namespace {

TEST(TaskCommand, ListsTheSavedQueueAndRefusesADamagedFile) {
    test::CliHome home;
    test::FakeEnvironment env;
    JobList list{env};
    list.ManDirJobs.push_back(test::Job("/watch/a.plt"));
    list.ManDirJobs[0]->copies = 4;
    list.ManDirJobs[0]->jobState = kJobPrinting;
    const std::string path = home.Path("q.pvtask");
    ASSERT_EQ(TaskFile::Save(path, Edition::TwoHead, 1, list, nullptr), kTaskOk);
    const test::CliRun run = home.Run(PV_CLI_PELVANE, {"task", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = run.Json();
    ASSERT_EQ(j["manDir"].size(), 1u);
    EXPECT_EQ(j["opened"].size(), 0u);
    EXPECT_EQ(j["manDir"][0]["filePath"], "/watch/a.plt");
    EXPECT_EQ(j["manDir"][0]["copies"], 4);
    EXPECT_EQ(j["manDir"][0]["jobState"], 0);
    EXPECT_EQ(j["manDir"][0]["curveCount"], 1);

    std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string("\x00\x00\x01", 3);
    const test::CliRun bad = home.Run(PV_CLI_ORVANTA, {"task", path});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("damaged"), std::string::npos);
}

}  // namespace
}  // namespace pv
