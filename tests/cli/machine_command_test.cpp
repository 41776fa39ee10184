// The machine command against the virtual plotter, run in this process so
// its stored records and the commands it received can be looked at.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "common/loopback_port.h"
#include "emulator/virtual_plotter.h"
#include "scripted_machine.h"

namespace pv::test {
namespace {

using nlohmann::json;

struct Tool {
    const char* path;
    Edition edition;
};
const Tool kTools[] = {{PV_CLI_PELVANE, Edition::TwoHead}, {PV_CLI_ORVANTA, Edition::FourHead}};

class Plotter {
public:
    explicit Plotter(Edition e) : plotter_(Options(e)) { started_ = plotter_.Start(); }
    bool started() const { return started_; }
    std::string address() const { return "127.0.0.1:" + std::to_string(plotter_.port()); }
    PlotterMachine& machine() { return plotter_.machine(); }
    // Write requests received, by code.
    int Writes(std::uint8_t code) {
        int n = 0;
        for (auto [head, c] : plotter_.machine().FrameLog()) n += head == 'R' && c == code;
        return n;
    }

private:
    static VirtualPlotterOptions Options(Edition e) {
        VirtualPlotterOptions o;
        o.edition = e;
        o.port = 0;
        return o;
    }
    VirtualPlotter plotter_;
    bool started_ = false;
};

TEST(MachineCommand, StatusGivesTheStateAndTheCarriagePosition) {
    for (const Tool& t : kTools) {
        Plotter plotter(t.edition);
        ASSERT_TRUE(plotter.started());
        CliHome home;
        const CliRun before = home.Run(t.path, {"machine", "status", "--machine", plotter.address()});
        ASSERT_EQ(before.status, 0) << before.err;
        const json s = before.Json();
        EXPECT_EQ(s["online"], true);
        EXPECT_EQ(s["state"], 1);
        EXPECT_EQ(s["stateName"], "ready");
        EXPECT_EQ(s["transport"], "ethernet");
        EXPECT_EQ(s["machineIP"], "127.0.0.1");
        EXPECT_EQ(s["carriagePos"], 0);
        // Moving right takes the carriage 800 pulses on; at 80 pulses per mm that is 10 mm.
        ASSERT_EQ(home.Run(t.path, {"machine", "command", "right", "--machine", plotter.address()}).status, 0);
        const json after = home.Run(t.path, {"machine", "status", "--machine", plotter.address()}).Json();
        EXPECT_EQ(after["carriagePos"], 800);
        EXPECT_DOUBLE_EQ(after["carriagePosMm"].get<double>(), 10.0);
    }
}

TEST(MachineCommand, ParamsListTheEditionsRecordsAsTheMachineHoldsThem) {
    for (const Tool& t : kTools) {
        Plotter plotter(t.edition);
        ASSERT_TRUE(plotter.started());
        CliHome home;
        const CliRun run = home.Run(t.path, {"machine", "params", "--machine", plotter.address()});
        ASSERT_EQ(run.status, 0) << run.err;
        const json p = run.Json();
        const MachineParams held = plotter.machine().Params();
        const bool four = IsFourHead(t.edition);
        // Two-head: 36 bytes in 30 fields; four-head: 52 bytes in 38 fields.
        EXPECT_EQ(p["MachineParaBlock"].size(), four ? 38u : 30u);
        EXPECT_EQ(p["MachineParaBlock"]["fullCutPressure"], held.machine.fullCutPressure);
        EXPECT_EQ(p["MachineParaBlock"].contains("head4PosLeft"), four);
        EXPECT_EQ(p["MachineParaBlock"].contains("headEnable"), !four);
        EXPECT_EQ(p["AdvParaBlock"]["softLimitMm"], held.adv.softLimitMm);
        EXPECT_EQ(p["AdvParaBlock"]["firmwareFlag"], 'Y');
        EXPECT_EQ(p["AdvParaBlock"].contains("longMoveSpeedRatio"), !four);
    }
}

TEST(MachineCommand, SetWritesOnlyTheChangedRecordsAndReadsThemBack) {
    for (const Tool& t : kTools) {
        Plotter plotter(t.edition);
        ASSERT_TRUE(plotter.started());
        CliHome home;
        const MachineParams before = plotter.machine().Params();
        const CliRun one = home.Run(t.path, {"machine", "set", "bridgeLen=12", "edgeLeftPx=-3", "--machine",
                                             plotter.address()});
        ASSERT_EQ(one.status, 0) << one.err;
        EXPECT_EQ(one.Json(), json({{"bridgeLen", 12}, {"edgeLeftPx", -3}}));
        EXPECT_EQ(plotter.Writes(0x25), 1);
        EXPECT_EQ(plotter.Writes(0x24), 0);
        MachineParams expected = before;
        expected.machine.bridgeLen = 12;
        expected.machine.edgeLeftPx = -3;
        EXPECT_EQ(plotter.machine().Params(), expected);

        const char* head = IsFourHead(t.edition) ? "head3PosRight=700" : "head2PosRight=250";
        const CliRun both = home.Run(t.path, {"machine", "set", "feedMaxSpeed=600", head, "--machine",
                                              plotter.address()});
        ASSERT_EQ(both.status, 0) << both.err;
        EXPECT_EQ(plotter.Writes(0x24), 1);
        EXPECT_EQ(plotter.Writes(0x25), 2);
        EXPECT_EQ(plotter.machine().Params().adv.feedMaxSpeed, 600);
        EXPECT_EQ(IsFourHead(t.edition) ? plotter.machine().Params().machine.head3PosRight
                                        : plotter.machine().Params().machine.head2PosRight,
                  IsFourHead(t.edition) ? 700 : 250);
        // What the window's pages would carry along is sent back unchanged.
        EXPECT_EQ(plotter.machine().Params().adv.firmwareFlag, 'Y');
    }
}

TEST(MachineCommand, EachCommandReachesThePlotterAsItsCode) {
    const std::pair<const char*, int> cases[] = {
        {"stop-jog", 0}, {"back", 1},      {"feed", 2},     {"left", 3},     {"right", 4},
        {"fan-on", 5},   {"fan-off", 6},   {"test", 7},     {"knife-on", 8}, {"knife-off", 9},
        {"cut-off", 10}, {"stop", 11},     {"resume", 12},  {"pause", 13},   {"reset", 15},
    };
    Plotter plotter(Edition::TwoHead);
    ASSERT_TRUE(plotter.started());
    CliHome home;
    for (const auto& [name, code] : cases) {
        const CliRun run = home.Run(PV_CLI_PELVANE, {"machine", "command", name, "--machine", plotter.address()});
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(run.Json()["code"], code) << name;
        const auto received = plotter.machine().IdleCommands();
        ASSERT_FALSE(received.empty());
        EXPECT_EQ(received.back(), code) << name;
    }
    // A timed jog ends with stop-jog.
    Plotter four(Edition::FourHead);
    ASSERT_TRUE(four.started());
    ASSERT_EQ(home.Run(PV_CLI_ORVANTA, {"machine", "command", "feed", "--for", "20", "--machine", four.address()})
                  .status,
              0);
    EXPECT_EQ(four.machine().IdleCommands(), (std::vector<std::uint8_t>{2, 0}));
}

TEST(MachineCommand, AddressIsWrittenAndStoredAsMachineIP) {
    Plotter plotter(Edition::TwoHead);
    ASSERT_TRUE(plotter.started());
    CliHome home;
    const CliRun run = home.Run(PV_CLI_PELVANE, {"machine", "address", "10.0.0.5", "--machine", plotter.address()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(plotter.machine().WrittenIp(), 0x0500000A);
    EXPECT_EQ(home.Run(PV_CLI_PELVANE, {"settings"}).Json()["MachineIP"], 0x0500000A);

    // Offline only the stored address changes, and the status says so.
    const RefusedPort closed;
    ASSERT_NE(closed.port(), 0);
    const CliRun offline = home.Run(PV_CLI_PELVANE, {"machine", "address", "192.168.7.9", "--machine",
                                                     "127.0.0.1:" + std::to_string(closed.port())});
    EXPECT_EQ(offline.status, 4) << offline.err;
    EXPECT_EQ(home.Run(PV_CLI_PELVANE, {"settings"}).Json()["MachineIP"], 0x0907A8C0);
    EXPECT_EQ(plotter.machine().WrittenIp(), 0x0500000A);
}

// Every refusal: its exit status and what it says.  None of them writes.
// There is no USB stand-in for the tool (the link's tests script the USB
// layer in-process): without a device, --usb must fail as offline.
TEST(MachineCommand, ErrorsGiveTheirStatusAndMessage) {
    Plotter plotter(Edition::TwoHead);
    ASSERT_TRUE(plotter.started());
    ScriptedMachine silent(ScriptedMachine::Mode::Silent, Edition::TwoHead);
    ScriptedMachine refusing(ScriptedMachine::Mode::RefusesWrites, Edition::TwoHead);
    ScriptedMachine shortReply(ScriptedMachine::Mode::ShortAddressReply, Edition::TwoHead);
    ScriptedMachine wrongHeader(ScriptedMachine::Mode::WrongStatusHeader, Edition::TwoHead);
    ASSERT_GT(silent.port(), 0);
    ASSERT_GT(refusing.port(), 0);
    ASSERT_GT(shortReply.port(), 0);
    ASSERT_GT(wrongHeader.port(), 0);
    const std::string up = plotter.address();
    const RefusedPort nobody;
    ASSERT_NE(nobody.port(), 0);
    const std::string closed = "127.0.0.1:" + std::to_string(nobody.port());
    const std::string mute = "127.0.0.1:" + std::to_string(silent.port());
    const std::string refuses = "127.0.0.1:" + std::to_string(refusing.port());
    const std::string garbled = "127.0.0.1:" + std::to_string(shortReply.port());
    const std::string misheaded = "127.0.0.1:" + std::to_string(wrongHeader.port());
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    } const cases[] = {
        {{"machine", "set", "bridgeLen=31", "--machine", up}, 7, "bridgeLen takes a whole number from 1 to 30 (0.1 mm)"},
        {{"machine", "set", "edgeLeftPx=-6", "--machine", up}, 7, "from -5 to 5"},
        {{"machine", "set", "bridgeLen=12", "nozzleGap=3", "--machine", up}, 6, "no field named nozzleGap"},
        {{"machine", "set", "headCombination=1", "--machine", up}, 6, "two-head"},
        {{"machine", "set", "firmwareFlag=89", "--machine", up}, 6, "kept by the machine"},
        // Out of range is one status, however long the number.
        {{"machine", "set", "bridgeLen=2147483648", "--machine", up}, 7, "from 1 to 30"},
        {{"machine", "set", "bridgeLen=99999999999999999999999", "--machine", up}, 7, "from 1 to 30"},
        {{"machine", "set", "bridgeLen=-99999999999999999999999", "--machine", up}, 7, "from 1 to 30"},
        {{"prepare", DataFile("square.plt"), "--out", "never-written", "--param", "bridgeLen=99999999999999999999"},
         7, "from 0 to 255"},
        {{"machine", "set", "bridgeLen=1.2", "--machine", up}, 1, "whole number"},
        {{"machine", "set", "bridgeLen", "--machine", up}, 1, "FIELD=VALUE"},
        {{"machine", "command", "jump", "--machine", up}, 1, "no command named jump"},
        {{"machine", "command", "test", "--for", "10", "--machine", up}, 1, "--for"},
        {{"machine", "address", "10.0.0.256", "--machine", up}, 8, "A.B.C.D"},
        {{"machine", "address", "10.0.5", "--machine", up}, 8, "A.B.C.D"},
        // Addresses a machine could not be reached at again.
        {{"machine", "address", "0.0.0.0", "--machine", up}, 8, "unspecified"},
        {{"machine", "address", "255.255.255.255", "--machine", up}, 8, "broadcast"},
        {{"machine", "address", "224.0.0.1", "--machine", up}, 8, "multicast"},
        {{"machine", "address", "239.255.255.250", "--machine", up}, 8, "multicast"},
        {{"machine", "status", "--machine", "127.0.0.1:0"}, 8, "port"},
        {{"machine", "status", "--machine", up, "--usb"}, 1, "exclude"},
        {{"machine", "dance", "--machine", up}, 1, "no subcommand dance"},
        {{"machine", "status", "--machine", closed}, 4, "offline"},
        {{"machine", "params", "--machine", mute, "--timeout", "300"}, 4, "offline"},
        // A reply that came but is wrong says what came, not "no answer".
        {{"machine", "status", "--machine", garbled}, 4, "unexpected reply of 3 bytes (7f 00 00)"},
        {{"machine", "status", "--machine", misheaded}, 4, "unexpected reply of 5 bytes (51 05 3a 01 00): wrong first byte"},
        {{"machine", "set", "bridgeLen=12", "--machine", refuses, "--set", "Language=1"}, 5, "Failed To Save Parameter!"},
        {{"machine", "command", "fan-on", "--usb"}, 4, "offline: no answer over USB"},
        {{"machine", "status", "--usb"}, 4, "offline: no answer over USB"},
        {{"print", DataFile("square.plt"), "--usb"}, 4, "offline: no answer over USB"},
        {{"firmware", DataFile("square.plt"), "--usb"}, 4, "offline: no answer over USB"},
    };
    for (const Case& c : cases) {
        CliHome home;
        const CliRun run = home.Run(PV_CLI_PELVANE, c.args);
        std::string line;
        for (const auto& a : c.args) line += a + " ";
        EXPECT_EQ(run.status, c.status) << line << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << line << run.err;
        if (c.args.size() > 1 && c.args[1] == "address") {
            // A refused address is not stored either.
            EXPECT_EQ(home.Run(PV_CLI_PELVANE, {"settings"}).Json()["MachineIP"], -1342068544) << line;
        }
    }
    EXPECT_EQ(plotter.Writes(0x24) + plotter.Writes(0x25) + plotter.Writes(0x23), 0);
    EXPECT_EQ(plotter.machine().Params(), [] {
        MachineParams p = MachineParams::Defaults(Edition::TwoHead);
        p.adv.firmwareFlag = 'Y';
        return p;
    }());
}

// Through a forwarded port or a tunnel the machine believes it has another
// address (it answers 10.20.30.40 here): the address named on the command
// line is still the one every later request of the command goes to.
TEST(MachineCommand, TheNamedAddressHoldsWhateverTheMachineReports) {
    ScriptedMachine forwarded(ScriptedMachine::Mode::ReportsOtherAddress, Edition::TwoHead);
    ASSERT_GT(forwarded.port(), 0);
    const std::string named = "127.0.0.1:" + std::to_string(forwarded.port());
    CliHome home;
    const CliRun status = home.Run(PV_CLI_PELVANE, {"machine", "status", "--machine", named, "--timeout", "1500"});
    ASSERT_EQ(status.status, 0) << status.err;
    EXPECT_EQ(status.Json()["machine"], named);
    EXPECT_EQ(status.Json()["machineIP"], "10.20.30.40");   // what the machine said, shown as such
    const CliRun set = home.Run(PV_CLI_PELVANE,
                                {"machine", "set", "bridgeLen=12", "--machine", named, "--timeout", "1500"});
    // The write and the reading back reach the machine (it keeps its
    // defaults, so the value is reported as not kept, not as offline).
    EXPECT_EQ(set.err.find("offline"), std::string::npos) << set.err;
    EXPECT_NE(set.err.find("did not keep bridgeLen"), std::string::npos) << set.err;
}

}  // namespace
}  // namespace pv::test
