#pragma once
// Reads a DXF job file into its page: geometry becomes drawn curves, texts go
// through the intermediate file "dxfChar.plt" in the program directory and
// come back from the HPGL reader drawn with the stroke fonts.
#include <string>
#include <vector>

#include "geometry/one_page.h"
#include "import/garment_drawing.h"
#include "import/message_sink.h"

namespace pv {

struct AppSettings;

enum DxfJobResult : int {
    kDxfJobOk = 0,
    kDxfJobCannotRead = 1,      // the file cannot be opened or read, or a layer names an undefined line type
    kDxfJobTooLarge = -2,       // the drawing would produce more than the converter allows
    kDxfJobLabelFileFailed = -4,   // "dxfChar.plt" cannot be written in the program directory
    kDxfJobUnknownSize = -5,    // a garment file asked for a size it does not hold
};

// The intermediate label file's name in the program directory.
inline constexpr const char* kDxfLabelFileName = "dxfChar.plt";

// Reads the DXF file named by page.filePath and appends all its curves to
// the page, filling the page's file name, time and size.  On any failure the
// page is left as it was.  Callers report a non-zero result as
// "Open File Failed!" ("文件打开失败!").
int ReadDxfJob(COnePage& page, const AppSettings& settings, const MessageSink& sink = {});

// What a garment file (read by its layers while DxfGarmentLayers is 1) asks
// of the reading.
struct DxfJobOptions {
    std::vector<std::string> sizes;   // the sizes to keep; empty: every size
};

// What the read found.
struct DxfJobInfo {
    bool garment = false;             // read as a garment file, by its layers
    double unit = 40.0;               // plotter units per drawing unit used
    GarmentUnitSource unitSource = GarmentUnitSource::DxfUnit;
    std::vector<std::string> sizes;   // every size the file holds
    std::vector<std::string> unknownSizes;   // asked for but not in the file
};

// ReadDxfJob with the garment choices; `info` (may be null) receives what
// was found.  A size asked for that the file lacks is reported through
// `sink` with the file's sizes, and nothing is read (kDxfJobUnknownSize):
// a mistyped size must not print the whole nest.
int ReadDxfJob(COnePage& page, const AppSettings& settings, const MessageSink& sink, const DxfJobOptions& options,
               DxfJobInfo* info);

// Whether the file is a garment file that will be read by its layers under
// these settings, and its sizes: for the size choice offered when such a
// file is added.  Not a garment file (or the setting off, or unreadable):
// `garment` false.
struct GarmentFileFacts {
    bool garment = false;
    std::vector<std::string> sizes;
};
GarmentFileFacts InspectGarmentFile(const std::string& path, const AppSettings& settings);

}  // namespace pv
