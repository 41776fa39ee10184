#pragma once
// Writes what the virtual plotter received for each job into
// DIR/job-NNN/: summary.json (job-start values, every band with its index and
// reverse flag, every cut segment with its record count, the commands),
// ink.png (the dots the bands fire, laid out band by band along the feed) and
// cuts.json (the knife records in order, in motor pulses).
#include <string>

#include "emulator/plotter_job.h"
#include "settings/app_settings.h"

namespace pv {

class JobRecorder {
public:
    // `settings`: the settings the jobs were prepared with, which say how
    // their bands are laid out (line width, cleaning band, logo).
    JobRecorder(std::string dir, const AppSettings& settings);
    // false when a file could not be written.
    bool Record(const PlotterJob& job);

    static std::string JobFolderName(int number);   // "job-001"

private:
    std::string dir_;
    AppSettings settings_;
};

}  // namespace pv
