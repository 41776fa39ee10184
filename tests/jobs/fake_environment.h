#pragma once
// A scripted station for the job list: the machine's readiness, which files
// have a drawing, whether prints start, and what the list asked for.
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "jobs/job_environment.h"
#include "jobs/job_list.h"

namespace pv::test {

inline CCurve Line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, std::int32_t kind = kDrawn) {
    CCurve c;
    c.kind = kind;
    c.points = {{x0, y0}, {x1, y1}};
    c.CalcBounds();
    return c;
}

// A job of `path` with one line (drawn) or none (not loaded yet).
inline std::unique_ptr<COnePage> Job(const std::string& path, bool drawn = true) {
    auto p = std::make_unique<COnePage>();
    p->filePath = path;
    p->fileName = path.substr(path.find_last_of('/') + 1);
    if (drawn) {
        p->curves.push_back(Line(0, 0, 4000, 2000));
        p->CalcBounds();
    }
    return p;
}

class FakeEnvironment : public JobEnvironment {
public:
    bool ready = true;
    bool autoStart = true;
    bool startOk = true;
    int language = 1;
    Edition ed = Edition::TwoHead;
    std::set<std::string> loadable;          // paths whose drawing can be read
    std::vector<std::string> started;        // paths, in order
    std::vector<std::string> messages;
    int undoPushes = 0;
    std::function<void()> duringStart;       // runs inside StartPrint

    bool MachineReady() const override { return ready; }
    bool AutoStartOn() const override { return autoStart; }
    void SwitchAutoStartOff() override { autoStart = false; }
    void LoadDrawing(COnePage& job) override {
        if (loadable.count(job.filePath)) {
            job.curves.push_back(Line(0, 0, 800, 400));
            job.CalcBounds();
        }
    }
    bool StartPrint(const COnePage& job) override {
        if (duringStart) duringStart();
        if (!startOk) return false;
        started.push_back(job.filePath);
        return true;
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void PushUndoSnapshot() override { ++undoPushes; }
    int Language() const override { return language; }
    Edition edition() const override { return ed; }
};

}  // namespace pv::test
