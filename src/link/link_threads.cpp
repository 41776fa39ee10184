#include "link/link_threads.h"

namespace pv {

LinkThreads::LinkThreads(CommandProtocol& protocol)
    : protocol_(protocol),
      refresh_(protocol.state(), protocol.host()),
      link_(protocol),
      housekeeping_(protocol.state(), protocol.settings(), protocol.host()) {}

LinkThreads::~LinkThreads() { Stop(); }

void LinkThreads::Start() {
    LinkState& state = protocol_.state();
    state.stopRequested.store(false);
    refresh_.Start();
    link_.Start();
    housekeeping_.Start();
    state.printThread.store(false);
}

void LinkThreads::Stop() {
    protocol_.state().stopRequested.store(true);
    housekeeping_.Stop();
    link_.Stop();
    refresh_.Stop();
}

}  // namespace pv
