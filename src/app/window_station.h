#pragma once
// The station of the window program: the records (settings, parameters,
// machine status, job queue) and the machine link that serves them — the
// transports, the protocol, the print starter and the three link loops.  The
// main window answers the loops' messages through `host`.
#include <cstdint>

#include "jobs/dir_scanner.h"
#include "jobs/station.h"
#include "link/command_protocol.h"
#include "link/link_print_starter.h"
#include "link/link_threads.h"
#include "link/machine_link.h"
#include "link/station_host.h"

namespace pv::app {

class WindowStation {
public:
    WindowStation(Edition edition, StationHost& host);
    ~WindowStation();
    WindowStation(const WindowStation&) = delete;
    WindowStation& operator=(const WindowStation&) = delete;

    // Starts the three loops (the window does this while it is created).
    void StartLinks();
    // Sets `StopRequested`, ends the loops and any print, and joins them.
    void StopLinks();
    // The machine's road changed (another transport, the training plotter):
    // the link reads the parameters again before anything else.
    void ReadParametersAgain();

    Station station;
    MachineLink link;
    CommandProtocol protocol;
    LinkPrintStarter starter;
    LinkThreads threads;
    DirScanner scanner;
};

}  // namespace pv::app
