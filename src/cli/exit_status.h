#pragma once
// The exit statuses of every command, one meaning each.  The same table is
// printed by `--help` and listed in README.md.
namespace pv::cli {

enum ExitStatus : int {
    kExitOk = 0,
    kExitUsage = 1,           // unknown option, missing or unexpected operand, malformed value
    kExitInputUnreadable = 2, // a pattern, task, firmware or settings file could not be read
    kExitNotWritten = 3,      // an output file could not be written
    kExitOffline = 4,         // the machine could not be reached or did not answer in time
    kExitRefused = 5,         // the machine refused or failed: a write, a command, a print, an update
    kExitUnknownField = 6,    // no parameter of that name in this edition's records
    kExitOutOfRange = 7,      // a parameter value outside its range
    kExitBadAddress = 8,      // not an IPv4 address, a host that cannot be found, a port that cannot be had
    kExitNotPrintable = 9,    // the job cannot be printed (nothing to print, wider than the machine)
};

// "Exit status:" and one line per status, for the --help texts.
inline constexpr const char* kExitStatusTable =
    "Exit status (every command):\n"
    "  0  done\n"
    "  1  bad arguments (unknown option, missing operand, malformed value)\n"
    "  2  an input file could not be read (pattern, task or firmware file)\n"
    "  3  an output file could not be written\n"
    "  4  the machine is offline: not reached, or no answer within the wait\n"
    "  5  the machine refused or failed (a parameter write, a command, a\n"
    "     print, a firmware update)\n"
    "  6  no parameter of that name in this edition's records\n"
    "  7  a parameter value outside its range\n"
    "  8  bad address (not A.B.C.D, host not found, port that cannot be had)\n"
    "  9  the job cannot be printed\n";

}  // namespace pv::cli
