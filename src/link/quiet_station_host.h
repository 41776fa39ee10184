#pragma once
// A station host that lets every message to the window pass unheard; the
// command-line tool and the benchmarks override the few they show.
#include <string>

#include "link/station_host.h"

namespace pv {

class QuietStationHost : public StationHost {
public:
    void PrintFinished(int) override {}
    void BandSent() override {}
    void Refresh() override {}
    void SaveSettings() override {}
    void ScanManualDirectory() override {}
    void ScanAutoDirectory() override {}
    void RemoveFinishedJobs() override {}
    void RedrawList() override {}
    void AutoStartOff() override {}
    void ShowMessage(const std::string&) override {}
};

}  // namespace pv
