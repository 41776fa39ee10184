#pragma once
// The test patterns of the menu live as files under the program directory
// ("TestPlt/10x10.plt" …); the program carries its own copies and writes any
// that are missing at start, so a new program directory has them too.
#include <QString>

namespace pv::app {

// Writes each missing pattern into `programDir`/TestPlt/.  Returns how many
// were written; a folder that cannot be written is left so (the command
// then reports the file it cannot open).
int InstallTestPatterns(const QString& programDir);

}  // namespace pv::app
