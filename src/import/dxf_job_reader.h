#pragma once
// Reads a DXF job file into its page: geometry becomes drawn curves, texts go
// through the intermediate file "dxfChar.plt" in the program directory and
// come back from the HPGL reader drawn with the stroke fonts.
#include <string>

#include "geometry/one_page.h"
#include "import/message_sink.h"

namespace pv {

struct AppSettings;

enum DxfJobResult : int {
    kDxfJobOk = 0,
    kDxfJobCannotRead = 1,      // the file cannot be opened or read, or a layer names an undefined line type
    kDxfJobTooLarge = -2,       // the drawing would produce more than the converter allows
    kDxfJobLabelFileFailed = -4,   // "dxfChar.plt" cannot be written in the program directory
};

// The intermediate label file's name in the program directory.
inline constexpr const char* kDxfLabelFileName = "dxfChar.plt";

// Reads the DXF file named by page.filePath and appends all its curves to
// the page, filling the page's file name, time and size.  On any failure the
// page is left as it was.  Callers report a non-zero result as
// "Open File Failed!" ("文件打开失败!").
int ReadDxfJob(COnePage& page, const AppSettings& settings, const MessageSink& sink = {});

}  // namespace pv
