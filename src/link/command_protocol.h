#pragma once
// What the system and the machine say to each other on top of the facade:
// the connect sequence that reads the machine's address and parameter
// records, the carriage position, the three parameter writes, and the band
// and cut-segment steps of a print with their headers.
#include <cstdint>
#include <stop_token>
#include <vector>

#include "link/link_state.h"
#include "link/my_commu.h"
#include "link/print_job_source.h"
#include "link/station_host.h"
#include "params/machine_params.h"
#include "settings/app_settings.h"
#include "settings/shared_record.h"

namespace pv {

// One-byte command codes.
enum MachineCommand : std::uint8_t {
    kCmdStopJog = 0,
    kCmdPaperBack = 1,
    kCmdPaperFeed = 2,
    kCmdCarriageLeft = 3,
    kCmdCarriageRight = 4,
    kCmdFanOn = 5,
    kCmdFanOff = 6,
    kCmdCleanHeads = 7,
    kCmdKnifeDown = 8,
    kCmdKnifeUp = 9,
    kCmdCutPaperOff = 10,
    kCmdStopJob = 11,
    kCmdResume = 12,
    kCmdPause = 13,
    kCmdJobComplete = 14,
    kCmdReset = 15,
    kCmdStatusPoll = 0x3A,
};

// Read request codes.
enum MachineRead : std::uint8_t {
    kReadCarriagePos = 16,
    kReadMachineIP = 17,
    kReadAdvParams = 18,
    kReadMachineParams = 19,
};

// Write request codes.
enum MachineWrite : std::uint8_t {
    kWriteJobStart = 0x20,
    kWriteBandHeader = 0x21,
    kWriteCutHeader = 0x22,
    kWriteMachineIP = 0x23,
    kWriteAdvParams = 0x24,
    kWriteMachineParams = 0x25,
    kWriteFirmwarePages = 0x28,
    kWriteFirmwareEnd = 0x29,
};

// The two values that open a print.
struct JobStartBlock {
    std::int32_t paperLength = 0;   // feed motor pulses
    std::int32_t columnCount = 0;   // firing columns per band
};

// The settings and the parameter copy are the station's shared records: the
// protocol reads them when it needs them (a write sends the record as it is
// at that moment) and stores what the machine reports into them, each
// through one short call under the record's lock.
class CommandProtocol {
public:
    CommandProtocol(CMyCommu& commu, SharedRecord<AppSettings>& settings, SharedRecord<MachineParams>& params,
                    LinkState& state, StationHost& host);

    // Machine address, advanced record, machine record; 0 or the first
    // failing result.  The address the machine reports becomes `MachineIP`.
    int ReadMachineParameters(std::stop_token token = {});
    int ReadCarriagePosition();
    // Each shows "Failed To Save Parameter!" on failure, then waits 300 ms.
    int WriteMachineIP(std::stop_token token = {});
    int WriteAdvParams(std::stop_token token = {});
    int WriteMachineParams(std::stop_token token = {});

    // 0 when band `a` was sent (or lies beyond the inked bands), else the
    // failing result; kBandBuildFailed when the band could not be built.
    int SendBand(PrintJobSource& job, int a);
    // 0 when cut segment `i` was sent or had nothing to send; -1 on failure.
    int SendCutSegment(PrintJobSource& job, int i);
    int SendJobStart(const JobStartBlock& block);

    static JobStartBlock ComputeJobStart(const MachineParams& params, const AppSettings& settings,
                                         std::int32_t pageMaxX, std::int32_t columnCount);
    static std::vector<std::uint8_t> EncodeJobStart(const JobStartBlock& block);
    static std::vector<std::uint8_t> EncodeBandHeader(std::int32_t index, bool reverse);
    static std::vector<std::uint8_t> EncodeCutHeader(std::int32_t records);

    static constexpr int kBandBuildFailed = -100;

    CMyCommu& commu() { return commu_; }
    LinkState& state() { return state_; }
    SharedRecord<AppSettings>& settings() { return settings_; }
    SharedRecord<MachineParams>& params() { return params_; }
    Edition edition() const { return edition_; }
    int Language() const;
    StationHost& host() { return host_; }

private:
    void ShowSaveFailed(bool ip);
    // Sends one parameter record, says so when it failed, then gives the
    // machine its pause to store it.
    int WriteParamRecord(std::stop_token token, std::uint8_t request, const std::vector<std::uint8_t>& bytes);

    CMyCommu& commu_;
    SharedRecord<AppSettings>& settings_;
    SharedRecord<MachineParams>& params_;
    const Edition edition_;
    LinkState& state_;
    StationHost& host_;
    std::vector<std::uint8_t> wire_;
};

}  // namespace pv
