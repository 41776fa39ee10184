#include "app/window_station.h"

namespace pv::app {

WindowStation::WindowStation(Edition edition, StationHost& host)
    : station(edition),
      link(station.settings, station.link),
      protocol(link.commu(), station.settings, station.params, station.link, host),
      starter(protocol),
      threads(protocol) {
    station.printStarter = &starter;
}

WindowStation::~WindowStation() {
    StopLinks();
    station.printStarter = nullptr;
}

void WindowStation::StartLinks() {
    station.OpenHistory();
    threads.Start();
}

void WindowStation::ReadParametersAgain() {
    station.link.status.online.store(false);
    station.link.status.state.store(kStateReadingParams);
}

void WindowStation::StopLinks() {
    threads.Stop();
    if (PrintDriver* d = starter.driver()) d->Stop();
}

}  // namespace pv::app
