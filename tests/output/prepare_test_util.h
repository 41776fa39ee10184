#pragma once
// Scripted print driver and clock for the preparation tests.
#include <chrono>

#include "output/print_preparation.h"

namespace pv::test {

class ScriptedStarter : public PrintStarter {
public:
    bool running = false;
    bool startResult = true;
    int starts = 0;
    bool PrintDriverRunning() const override { return running; }
    bool StartPrintDriver(OutputStation&) override {
        ++starts;
        return startResult;
    }
};

class FixedClock : public PrepareClock {
public:
    LocalTime time{2024, 3, 5, 7, 8, 9};
    bool known = true;
    bool Now(LocalTime& t) const override {
        if (known) t = time;
        return known;
    }
    void Pause(std::chrono::milliseconds) const override {}
};

}  // namespace pv::test
