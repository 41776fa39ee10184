#pragma once
// One conversation with the machine for a command: the records the link
// works on, the two transports and the protocol, without the link's
// threads.  Messages the link raises ("Failed To Save Parameter!") go to
// stderr.
#include <string>

#include "cli/cli_command.h"
#include "cli/machine_address.h"
#include "link/command_protocol.h"
#include "link/link_state.h"
#include "link/machine_link.h"
#include "link/quiet_station_host.h"
#include "params/machine_params.h"
#include "settings/shared_record.h"

namespace pv::cli {

class StderrHost : public QuietStationHost {
public:
    explicit StderrHost(std::string name) : name_(std::move(name)) {}
    void ShowMessage(const std::string& text) override;

private:
    std::string name_;
};

class MachineSession {
public:
    MachineSession(const CliContext& ctx, const char* command, const MachineTarget& target,
                   const AppSettings& settings);
    MachineSession(const MachineSession&) = delete;
    MachineSession& operator=(const MachineSession&) = delete;

    // Reads the machine's address and both parameter records, as the link
    // does at every connection.  kExitOk, or kExitOffline after saying so.
    int Connect();

    SharedRecord<AppSettings> settings;
    SharedRecord<MachineParams> params;
    LinkState state;

    CMyCommu& commu() { return link_.commu(); }
    CommandProtocol& protocol() { return protocol_; }
    const MachineTarget& target() const { return target_; }

private:
    const CliContext& ctx_;
    const char* command_;
    MachineTarget target_;
    StderrHost host_;
    MachineLink link_;
    CommandProtocol protocol_;
};

}  // namespace pv::cli
