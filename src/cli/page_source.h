#pragma once
// Reading a pattern file for a command: through the add-file path (PLT unit,
// post-read sequence) or, with --raw, only the reader and page builder (for
// DXF the reader and its conversion).
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "geometry/one_page.h"
#include "import/dxf_job_reader.h"
#include "settings/app_settings.h"

namespace pv::cli {

struct SourcePage {
    int result = 0;           // the reader's result, 0 here
    std::string fileName;     // name part of the path
    COnePage page;            // empty when the file held no curve
};

// Reads `path`; on failure prints "Open File Failed!" with the reader's
// result to stderr and returns nothing (exit status 2).  The reader's own
// messages (a missing stroke font) go to stderr.
std::optional<SourcePage> ReadSourcePage(const CliContext& ctx, const AppSettings& settings, const std::string& path,
                                         bool raw, const DxfJobOptions& dxf = {});

// The same for a command whose one operand is the pattern file and whose
// --raw (when it takes one) asks for the plain read; --sizes S,M (when it
// takes one) keeps only those sizes of a graded garment DXF file.
std::optional<SourcePage> ReadSourcePage(const CliContext& ctx, const AppSettings& settings,
                                         const ParsedOptions& options);

// The --sizes option of the commands that read a pattern file.
inline constexpr const char* kSizesOption = "--sizes";

// The sizes of a --sizes value: split at commas, blanks around each removed,
// empty entries dropped.
std::vector<std::string> SplitSizes(const std::string& value);

inline constexpr int kExitReadFailed = 2;

}  // namespace pv::cli
