#include "link/link_print_starter.h"

#include <algorithm>

namespace pv {

LinkPrintStarter::~LinkPrintStarter() = default;   // each Print stops and joins its driver

bool LinkPrintStarter::PrintDriverRunning() const { return current_.driver && !current_.driver->Finished(); }

bool LinkPrintStarter::StartPrintDriver(OutputStation& station) {
    if (PrintDriverRunning()) return false;
    std::erase_if(retired_, [](const Print& p) { return p.driver->Returned(); });
    if (current_.driver) retired_.push_back(std::move(current_));
    current_.source = std::make_unique<OutputJobSource>(station);
    current_.driver = std::make_unique<PrintDriver>(protocol_, *current_.source);
    current_.driver->Start();
    return true;
}

}  // namespace pv
