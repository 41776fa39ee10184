#pragma once
// The window program of either edition: start-up in its fixed order, the
// main window's run and the end.  The two entry points differ only in the
// edition they pass.
#include <QString>
#include <optional>
#include <string>

#include "settings/edition.h"

namespace pv::app {

struct ProgramOptions {
    QString home;        // --home DIR: the program directory
    QString taskFile;    // a print-task file to open at start
    int machinePort = 0; // --port N: the machine's TCP port (0: the edition's)
    bool trainingPlotter = false;   // --training-plotter: start on the built-in virtual plotter
    bool help = false;   // --help: the usage text, and nothing else
    bool version = false;   // --version: program, edition and version, and nothing else
    QString error;       // why the command line was refused
};

ProgramOptions ParseProgramOptions(const QStringList& arguments);

// The --help text of the window program; the manual page is made from it.
std::string ProgramUsage(Edition edition);

int RunApplication(int argc, char* argv[], Edition edition);

}  // namespace pv::app
