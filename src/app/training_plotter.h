#pragma once
// The training plotter: the virtual plotter started inside the window
// program on a free loopback port, so an operator can learn and try the
// whole road (adding, printing, pausing, the parameter pages) without a
// machine.  A watcher thread follows what the plotter receives and turns the
// newest job into a picture for the window, published by value.
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "emulator/plotter_job.h"
#include "settings/app_settings.h"
#include "ui/training_plotter_view.h"

namespace pv {
class VirtualPlotter;
}

namespace pv::app {

class TrainingPlotter {
public:
    // `settings` yields the station's settings as they are now: the ink
    // picture is laid out with them (line width, cleaning band).
    // `speed`: 1 runs at a real machine's pace, 0 as fast as possible.
    TrainingPlotter(Edition edition, std::function<AppSettings()> settings, double speed = 1.0);
    ~TrainingPlotter();
    TrainingPlotter(const TrainingPlotter&) = delete;
    TrainingPlotter& operator=(const TrainingPlotter&) = delete;

    // Starts the plotter and its watcher; false with `error` set when no
    // loopback port could be had.
    bool Start(QString* error);
    void Stop();
    bool running() const { return plotter_ != nullptr; }
    std::uint16_t port() const { return port_; }

    // The newest picture; `generation` grows with every new one.
    ui::TrainingPicture Picture() const;
    std::uint64_t generation() const { return generation_.load(); }

    // The picture of a job (public for the tests): the ink its bands fire,
    // scaled down to at most `maxPixels` pixels on the longer side, and the
    // knife's path in millimetres.
    static ui::TrainingPicture MakePicture(const PlotterJob& job, bool ended, const AppSettings& settings,
                                           int maxPixels = 1200);

private:
    void Watch(std::stop_token token);

    const Edition edition_;
    const std::function<AppSettings()> settings_;
    const double speed_;
    std::unique_ptr<VirtualPlotter> plotter_;
    std::uint16_t port_ = 0;
    PlotterJob seen_;   // the watcher's own copy of the newest job
    mutable std::mutex lock_;
    ui::TrainingPicture picture_;
    std::atomic<std::uint64_t> generation_{0};
    std::jthread watcher_;
};

}  // namespace pv::app
