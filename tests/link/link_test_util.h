#pragma once
// A station around the link for tests: settings, parameter copy, link state,
// the transports with short time-outs, the protocol and a host that records
// what the link threads tell the window.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "common/wait_for.h"
#include "link/command_protocol.h"
#include "link/link_state.h"
#include "link/machine_link.h"
#include "link/print_job_source.h"
#include "link/station_host.h"
#include "emulator/virtual_plotter.h"
#include "params/machine_params.h"
#include "settings/app_settings.h"

namespace pv::test {

constexpr std::int32_t kLoopback = 0x0100007F;   // 127.0.0.1, first part lowest

class TestHost : public StationHost {
public:
    void PrintFinished(int result) override {
        std::lock_guard g(lock);
        results.push_back(result);
    }
    void BandSent() override { ++bandsSent; }
    void Refresh() override { ++refreshes; }
    void SaveSettings() override {}
    void ScanManualDirectory() override { ++manualScans; }
    void ScanAutoDirectory() override { ++autoScans; }
    void RemoveFinishedJobs() override { ++removals; }
    void RedrawList() override {}
    void AutoStartOff() override { ++autoStartOff; }
    void ShowMessage(const std::string& text) override {
        std::lock_guard g(lock);
        messages.push_back(text);
    }
    std::vector<std::string> Messages() {
        std::lock_guard g(lock);
        return messages;
    }
    std::vector<int> Results() {
        std::lock_guard g(lock);
        return results;
    }

    std::mutex lock;
    std::vector<std::string> messages;
    std::vector<int> results;
    std::atomic<int> bandsSent{0}, refreshes{0}, manualScans{0}, autoScans{0}, removals{0}, autoStartOff{0};
};

// A job whose bands are recognisable bytes and whose cut segment i holds
// i + 1 records at feed position i.
class ScriptedJob : public PrintJobSource {
public:
    ScriptedJob(int bands, int plotBands, int columns = 100, std::int32_t maxX = 4000)
        : bands_(bands), plotBands_(plotBands), columns_(columns), maxX_(maxX) {}
    int BandCount() const override { return bands_; }
    int PlotBandCount() const override { return plotBands_; }
    int ColumnCount() const override { return columns_; }
    std::int32_t PageMaxX() const override { return maxX_; }
    int BuildBand(int a, std::span<const std::uint8_t>& bytes) override {
        data_.assign(bandBytes, static_cast<std::uint8_t>(0x80 | (a & 0x3F)));
        bytes = data_;
        return 0;
    }
    int BandsPerCutSegment() const override { return perSegment; }
    bool PlotOnly() const override { return plotOnly; }
    bool BandReversed(int a) const override { return bidirectional && a % 2 == 1; }
    std::span<const CutRecord> BuildCutSegment(int i) override {
        records_.clear();
        for (int k = 0; k <= i; ++k) records_.push_back(CutRecord{i * 1000, k * 10, k == 0 ? 'M' : 'F'});
        return records_;
    }
    std::size_t bandBytes = 3000;
    int perSegment = 8;
    bool plotOnly = false;
    bool bidirectional = true;

private:
    int bands_, plotBands_, columns_;
    std::int32_t maxX_;
    std::vector<std::uint8_t> data_;
    std::vector<CutRecord> records_;
};

struct Station {
    explicit Station(std::uint16_t port, Edition edition = Edition::TwoHead, int timeoutMs = 500) {
        settings.Edit([edition](AppSettings& a) {
            a.edition = edition;
            a.ConnectViaEth = 1;
            a.MachineIP = kLoopback;
            a.Language = 1;
        });
        params.Set(MachineParams::Defaults(edition));
        link = std::make_unique<MachineLink>(settings, state);
        link->eth().SetPort(port);
        link->eth().SetTimeouts(timeoutMs, timeoutMs);
        protocol = std::make_unique<CommandProtocol>(link->commu(), settings, params, state, host);
    }
    SharedRecord<AppSettings> settings;
    SharedRecord<MachineParams> params;
    LinkState state;
    TestHost host;
    std::unique_ptr<MachineLink> link;
    std::unique_ptr<CommandProtocol> protocol;
};

inline std::unique_ptr<VirtualPlotter> StartPlotter(Edition edition = Edition::TwoHead,
                                                    std::vector<PlotterFault> faults = {},
                                                    std::string recordDir = {}, int port = 0) {
    VirtualPlotterOptions o;
    o.edition = edition;
    o.port = port;
    o.faults = std::move(faults);
    o.recordDir = std::move(recordDir);
    auto p = std::make_unique<VirtualPlotter>(o);
    if (!p->Start()) return nullptr;
    return p;
}

}  // namespace pv::test
