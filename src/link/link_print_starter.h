#pragma once
// Starts the print driver for a prepared job: the last step of print
// preparation.  Keeps the running driver (the `PrintThread` handle) until the
// next print or its own end.
#include <memory>
#include <vector>

#include "link/command_protocol.h"
#include "link/output_job_source.h"
#include "link/print_driver.h"
#include "output/print_preparation.h"

namespace pv {

class LinkPrintStarter : public PrintStarter {
public:
    explicit LinkPrintStarter(CommandProtocol& protocol) : protocol_(protocol) {}
    ~LinkPrintStarter() override;   // stops a running print and joins it

    bool PrintDriverRunning() const override;
    bool StartPrintDriver(OutputStation& station) override;

    // The driver of the last print (null before the first).
    PrintDriver* driver() { return current_.driver.get(); }

private:
    struct Print {
        std::unique_ptr<OutputJobSource> source;
        std::unique_ptr<PrintDriver> driver;   // declared last, destroyed first: it reads the source
    };

    CommandProtocol& protocol_;
    Print current_;
    // Earlier prints whose threads may still be telling the window they
    // ended (a new print can be started from that very message).
    std::vector<Print> retired_;
};

}  // namespace pv
