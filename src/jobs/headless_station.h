#pragma once
// The station without a window: the link's three loops run against a machine,
// and their messages are handled by plain code in place of the main window —
// watched-directory scans, the next job started on every refresh, finished
// copies counted, finished jobs removed — each event written as one log line.
// Every message is handled under one lock, standing for the window's thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "jobs/dir_scanner.h"
#include "jobs/station.h"
#include "link/command_protocol.h"
#include "link/link_print_starter.h"
#include "link/link_threads.h"
#include "link/machine_link.h"
#include "link/station_host.h"

namespace pv {

class HeadlessStation : public StationHost {
public:
    using LogSink = std::function<void(const std::string&)>;

    // `station` keeps its settings (machine address, folders) as loaded.
    HeadlessStation(Station& station, std::uint16_t port, LogSink log);
    ~HeadlessStation() override;
    HeadlessStation(const HeadlessStation&) = delete;
    HeadlessStation& operator=(const HeadlessStation&) = delete;

    void Start();
    // Connections go to this address (`MachineIP` form) for the whole run,
    // whatever address the machine reports for itself.
    void PinMachineAddress(std::uint32_t address) { link_.PinAddress(address); }
    // The serve loop's periodic work, on its own thread: a running copy's
    // progress into the print history.
    void Tick();
    // Ends the loops and any print; the queue stays.
    void Stop();

    // StationHost
    void PrintFinished(int result) override;
    void BandSent() override;
    void Refresh() override;
    void SaveSettings() override;
    void ScanManualDirectory() override;
    void ScanAutoDirectory() override;
    void RemoveFinishedJobs() override;
    void RedrawList() override {}
    void AutoStartOff() override;
    void ShowMessage(const std::string& text) override;
    void MachineBusy(int seconds) override;

private:
    void Log(const std::string& line);
    void Scan(const std::string& dir, JobCollection& jobs, const char* what);
    const COnePage* PrintingJob() const;

    Station& station_;
    LogSink log_;
    std::recursive_mutex ui_;   // the window's thread
    std::mutex logLock_;
    MachineLink link_;
    CommandProtocol protocol_;
    LinkPrintStarter starter_;
    LinkThreads threads_;
    DirScanner scanner_;
    bool wasOnline_ = false;
};

}  // namespace pv
