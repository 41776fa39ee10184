#pragma once
// The records the desktop station works with — settings, machine parameters,
// the machine's status and command queue, the prepared print and the job
// queue with its undo history — in one object handed around by reference.
// It answers the job list's questions with them: whether the machine is
// ready, reading a job's drawing, starting a print.
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "history/print_history.h"
#include "import/message_sink.h"
#include "jobs/job_environment.h"
#include "jobs/job_list.h"
#include "jobs/undo_history.h"
#include "link/link_state.h"
#include "output/output_station.h"
#include "output/print_preparation.h"
#include "params/machine_params.h"
#include "settings/app_settings.h"
#include "settings/settings_store.h"
#include "settings/shared_record.h"

namespace pv {

class PrintDriver;

class Station : public JobEnvironment {
public:
    explicit Station(Edition edition);
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;

    // Read and written by the user-interface thread and the link threads:
    // only through their copy-in/copy-out calls (settings/shared_record.h).
    SharedRecord<AppSettings> settings;
    SharedRecord<MachineParams> params;
    LinkState link;   // MachineStatus, CommandQueue and the shared words
    OutputStation output;
    JobList jobs{*this};
    UndoHistory undo;

    // Where prints start (the machine link, or a test's script); without
    // one no print starts.
    PrintStarter* printStarter = nullptr;
    PrepareClock clock;
    // Where the heavy steps of a preparation run (the window: on a worker
    // thread while it keeps answering); at once when null.
    const PrepareRunner* prepareRunner = nullptr;
    // Message boxes and the log.
    MessageSink messages;
    // Says once that the settings file is not being written (read-only,
    // unreadable, disk full) instead of at every save.
    SettingsSaveNotice settingsSaveNotice;
    // Called whenever the rows changed.
    std::function<void()> onJobsChanged;

    // The Add button: reads `path` into a new job of the opened jobs.  False
    // when nothing was added ("Open File Failed!" shown for a file that
    // could not be read; a file without curves is dropped silently).
    // `sizes`: the sizes of a graded garment DXF file to keep (empty: all).
    bool AddFile(const std::string& path, const std::vector<std::string>& sizes = {});
    // Adds the drops the band builder counted since the last call to the
    // ink counters DropCountIB1/DropCountIB2 (two-head machine, ink
    // statistic on).  Called on the window's thread when a band has been
    // sent and when a print ends.
    void CollectInkDrops();
    // The print history (History.db in the program directory), written on
    // this station's thread: a row when a copy starts (StartPrint), its
    // result (RecordCopyEnd) and now and then its progress (the bands and
    // drops CollectInkDrops gathers; written by the window's timer and the
    // serve loop: history.WriteProgress).  Closed until OpenHistory.
    PrintHistory history;
    // Opens the history in the settings' program directory; its messages
    // (a damaged file set aside, a file that cannot be written) go to
    // `messages`, each once.
    void OpenHistory();
    // The print driver's result has arrived, before FinishCopy counts it:
    // `result` as `driver` reported it; the driver also tells whether the
    // print was asked to stop and its message for a print that did not
    // complete.
    void RecordCopyEnd(int result, const PrintDriver* driver);
    // Automatic-folder jobs just found whose file printed to its last copy
    // and has not changed since (size, time, content): a stop came before
    // the finished job could be removed.  They are not printed again: with
    // AutoDelFinish on they are removed with their files (the paths are
    // returned), otherwise they stay listed as finished.
    std::vector<std::string> PassOverPrintedAutoJobs();
    bool Undo() { return undo.Undo(jobs, edition_); }
    bool Redo() { return undo.Redo(jobs, edition_); }

    // JobEnvironment
    bool MachineReady() const override;
    bool AutoStartOn() const override;
    void SwitchAutoStartOff() override;
    void LoadDrawing(COnePage& job) override { ReadDrawing(job); }
    // Reads a deferred job's file into its page (the first-shown reading
    // sequence): the reader's result, 0 on success (see ReadJobFile).
    int ReadDrawing(COnePage& job);
    bool StartPrint(const COnePage& job) override;
    // Releases the prepared copy and the knife records of the print that
    // ended (its driver reads them no more).
    void ClearPrintBookkeeping() override { output.ReleasePrint(); }
    void ShowMessage(const std::string& text) override;
    void JobsChanged() override;
    void PushUndoSnapshot() override { undo.Push(jobs, edition_); }
    int Language() const override;
    Edition edition() const override { return edition_; }

    // The part of a path after its last separator.
    static std::string FileNameOf(const std::string& path);

private:
    JobOrigin OriginOf(const COnePage& job) const;

    const Edition edition_;   // fixed for the run
    std::string refusalTold_;  // the last refusal of a print the operator was told
    // Automatic-folder file versions already looked up in the history.
    std::set<std::tuple<std::string, std::int64_t, std::int64_t>> historyChecked_;
};

}  // namespace pv
