// The print history of `serve` printing on the virtual plotter: a station
// killed mid-print leaves a row that is interrupted after the restart in a
// file that passes its integrity check; what a copy used agrees with what
// the plotter recorded; a finished automatic-folder file is not printed
// again after a kill; the command line reads the history as CSV.
#include <sqlite3.h>
#include <sys/stat.h>
#include <utime.h>

#include <algorithm>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "child_process.h"
#include "common/scratch_dir.h"
#include "common/wait_for.h"
#include "params/machine_params.h"

namespace pv {
namespace {

namespace fs = std::filesystem;
using test::Child;

// Splits CSV text (RFC 4180: quoted fields, doubled quotes) into rows of fields;
// nullopt when a quote is left open.
std::optional<std::vector<std::vector<std::string>>> ParseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false, wasQuoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') field += text[++i];
            else if (c == '"') quoted = false;
            else field += c;
        } else if (c == '"' && field.empty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == ',') {
            rows.back().push_back(field);
            field.clear();
            wasQuoted = false;
        } else if (c == '\n') {
            rows.back().push_back(field);
            field.clear();
            wasQuoted = false;
            rows.emplace_back();
        } else {
            field += c;
        }
    }
    if (quoted) return std::nullopt;
    if (!field.empty() || !rows.back().empty()) rows.back().push_back(field);
    else rows.pop_back();
    return rows;
}

class HistoryServe : public ::testing::Test {
protected:
    void TearDown() override {
        serve_.reset();
        emulator_.reset();
    }
    bool StartEmulator(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{cli_, "--home", home_.string(), "emulate", "--port", "0",
                                      "--record", (home_ / "rec").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        emulator_.emplace(args, home_ / "emulate.out");
        if (!emulator_->WaitFor("listening on ")) return false;
        const std::string first = emulator_->Output();
        port_ = first.substr(first.rfind(':') + 1, first.find('\n') - first.rfind(':') - 1);
        return true;
    }
    bool StartServe(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{cli_, "--home", home_.string(), "serve", "--machine", "127.0.0.1:" + port_};
        args.insert(args.end(), extra.begin(), extra.end());
        serve_.emplace(args, home_ / ("serve-" + std::to_string(++serves_) + ".out"));
        return serve_->WaitFor("machine online");
    }
    // `pelvane-cli history ARGS`: its output, or "" when it failed.
    std::string History(std::vector<std::string> args) {
        std::vector<std::string> all{cli_, "--home", home_.string(), "history"};
        all.insert(all.end(), args.begin(), args.end());
        Child c(all, home_ / "history.out");
        test::WaitFor([&] { return !c.Running(); }, 600, 20);
        const int status = c.Stop(SIGKILL);
        EXPECT_EQ(status, 0) << c.Output();
        return status == 0 ? c.Output() : "";
    }
    nlohmann::json Rows() {
        const auto j = nlohmann::json::parse(History({}), nullptr, false);
        return j.is_discarded() ? nlohmann::json::array() : j;
    }
    void Drop(const std::string& name, const std::string& text) {
        const fs::path part = home_ / "DirAuto" / (name + ".part");
        std::ofstream(part, std::ios::binary) << text;
        fs::rename(part, home_ / "DirAuto" / name);
    }

    const std::string cli_ = PV_CLI_PELVANE;
    test::ScratchDir scratch_{"hserve"};
    const fs::path home_ = scratch_.Path();
    std::string port_;
    int serves_ = 0;
    std::optional<Child> emulator_;
    std::optional<Child> serve_;
};

std::string Square() { return test::ReadAll((fs::path(PV_TEST_DATA_DIR) / "cli" / "square.plt").string()); }

TEST_F(HistoryServe, ACopyKilledMidPrintIsInterruptedAfterTheRestart) {
    // The machine stays busy after band 1, so the copy is caught printing.
    ASSERT_TRUE(StartEmulator({"--fault", "busy=600000@1"}));
    ASSERT_TRUE(StartServe()) << serve_->Output();
    Drop("long.plt", Square());
    ASSERT_TRUE(test::WaitFor([&] {
        const auto rows = Rows();
        return rows.size() == 1 && rows[0]["result"] == "running";
    }, 1200, 50)) << serve_->Output();
    EXPECT_EQ(serve_->Stop(SIGKILL), -1);

    ASSERT_TRUE(StartServe()) << serve_->Output();
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 1u) << rows.dump(1);
    EXPECT_EQ(rows[0]["result"], "interrupted");
    EXPECT_EQ(rows[0]["fileName"], "long.plt");
    EXPECT_EQ(rows[0]["origin"], "auto-folder");
    EXPECT_FALSE(rows[0]["ended"].is_null());

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2((home_ / "History.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* check = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
    sqlite3_finalize(check);
    sqlite3_close(db);
}

// The knife's travel with the knife down over the recorded records, in mm.
double RecordedKnifeMm(const nlohmann::json& cuts, const MachineParams& p) {
    const double fx = p.adv.feedPulsesPerMm * 0.01, fy = p.adv.carriagePulsesPerMm * 0.01;
    double mm = 0, x = 0, y = 0;
    for (const auto& seg : cuts["segments"])
        for (const auto& r : seg["records"]) {
            const double nx = r["x"].get<double>(), ny = r["y"].get<double>();
            const std::string code = r["code"];
            if (code == "F" || code == "H" || code == "D") mm += std::hypot((nx - x) / fx, (ny - y) / fy);
            x = nx;
            y = ny;
        }
    return mm;
}

TEST_F(HistoryServe, PaperAndKnifeAgreeWithThePlotterAndCsvParses) {
    ASSERT_TRUE(StartEmulator());
    ASSERT_TRUE(StartServe()) << serve_->Output();
    Drop("sq, \"cut\".plt", Square());
    ASSERT_TRUE(serve_->WaitFor("printed a copy of ")) << serve_->Output();
    ASSERT_TRUE(test::WaitFor([&] {
        const auto rows = Rows();
        return rows.size() == 1 && rows[0]["result"] == "finished";
    }, 1200, 50));
    const auto row = Rows()[0];
    const MachineParams p = MachineParams::Defaults(Edition::TwoHead);
    const auto summary = nlohmann::json::parse(test::ReadAll((home_ / "rec" / "job-001" / "summary.json").string()));
    const auto cuts = nlohmann::json::parse(test::ReadAll((home_ / "rec" / "job-001" / "cuts.json").string()));
    const double paper = summary["jobStart"]["paperLength"].get<double>() / (p.adv.feedPulsesPerMm * 0.01);
    EXPECT_NEAR(row["paperMm"].get<double>(), paper, 1.0);
    const double knife = RecordedKnifeMm(cuts, p);
    EXPECT_GT(knife, 40.0);   // the fixture's 10 mm square and its over-cut
    EXPECT_NEAR(row["knifeMm"].get<double>(), knife, 1.0);
    EXPECT_EQ(row["bandsSent"], row["bandsTotal"]);
    EXPECT_EQ(row["copy"], 1);
    EXPECT_EQ(row["copies"], 1);

    const std::string csv = History({"--csv"});
    const auto parsed = ParseCsv(csv);
    ASSERT_TRUE(parsed) << csv;
    ASSERT_EQ(parsed->size(), 2u) << csv;
    const auto& header = (*parsed)[0];
    const auto& fields = (*parsed)[1];
    ASSERT_EQ(fields.size(), header.size()) << csv;
    const auto column = [&](const std::string& name) {
        const auto at = std::find(header.begin(), header.end(), name);
        return at == header.end() ? std::string("?") : fields[static_cast<std::size_t>(at - header.begin())];
    };
    EXPECT_EQ(column("file_name"), "sq, \"cut\".plt");
    EXPECT_EQ(column("result"), "finished");
    EXPECT_NEAR(std::stod(column("paper_mm")), paper, 1.0);

    const auto totals = nlohmann::json::parse(History({"totals"}));
    EXPECT_EQ(totals["copies"], 1);
    EXPECT_EQ(totals["byResult"]["finished"], 1);
    EXPECT_NEAR(totals["paperM"].get<double>(), paper / 1000.0, 0.001);
}

TEST_F(HistoryServe, AFinishedAutoFolderFileIsNotPrintedAgainAfterAKill) {
    ASSERT_TRUE(StartEmulator());
    const fs::path file = home_ / "DirAuto" / "marker.plt";
    // Finished jobs stay listed (AutoDelFinish off), so each kill surely
    // comes before the finished file could be removed.
    const auto printAndKill = [&](const char* why) {
        SCOPED_TRACE(why);
        ASSERT_TRUE(StartServe({"--set", "AutoDelFinish=0"})) << serve_->Output();
        ASSERT_TRUE(serve_->WaitFor("printed a copy of " + file.string())) << serve_->Output();
        EXPECT_EQ(serve_->Stop(SIGKILL), -1);
    };
    Drop("marker.plt", Square());
    printAndKill("first print");
    // Same size and time, other content: a new version, printed.
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    std::string text = Square();
    text.replace(text.find("PD500,100"), 9, "PD400,100");
    test::WriteAll(file.string(), text);
    const utimbuf times{st.st_atime, st.st_mtime};
    ASSERT_EQ(::utime(file.c_str(), &times), 0);
    printAndKill("the edited version");

    // Unchanged since it printed: removed, not printed a third time.
    ASSERT_TRUE(StartServe()) << serve_->Output();
    ASSERT_TRUE(serve_->WaitFor("removed already printed automatic job " + file.string())) << serve_->Output();
    EXPECT_EQ(serve_->Output().find("printing " + file.string()), std::string::npos) << serve_->Output();
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::exists(home_ / "rec" / "job-002"));
    EXPECT_FALSE(fs::exists(home_ / "rec" / "job-003"));
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 2u) << rows.dump(1);
    EXPECT_EQ(rows[0]["result"], "finished");
}

}  // namespace
}  // namespace pv
