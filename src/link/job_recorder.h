#pragma once
// Writes what the virtual plotter received for each job into
// DIR/job-NNN/: summary.json (job-start values, every band with its index and
// reverse flag, every cut segment with its record count, the commands),
// ink.png (the dots the bands fire, laid out band by band along the feed) and
// cuts.json (the knife records in order, in motor pulses).
#include <string>

#include "link/plotter_job.h"

namespace pv {

class JobRecorder {
public:
    explicit JobRecorder(std::string dir);
    // false when a file could not be written.
    bool Record(const PlotterJob& job);

    static std::string JobFolderName(int number);   // "job-001"

private:
    std::string dir_;
};

}  // namespace pv
