#pragma once
// Where a program keeps its program directory (settings file, fonts, test
// patterns, working files, watched folders) when none is named with --home:
// its own folder, as on a workshop PC where the program was unpacked; but an
// installed program's folder is not the operator's to write, and then the
// user's data folder takes its place ($XDG_DATA_HOME/NAME, or
// ~/.local/share/NAME: where the window program's application data lives).
#include <string>

namespace pv {

// Both end with '/'.  `programName` is the edition's ("Pelvane", "Orvanta").
std::string UserDataProgramDir(const std::string& programName);
std::string DefaultProgramDir(const std::string& executableDir, const std::string& programName);

}  // namespace pv
