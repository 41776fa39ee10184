#pragma once
// The user settings record: one field per key of the settings file, named by
// its key, plus the paths computed at start.  A plain value: the station
// keeps its copy in a SharedRecord, because the link threads read it and
// store the machine's address into it while the window edits it.
#include <cstdint>
#include <string>

#include "settings/edition.h"

namespace pv {

struct AppSettings {
    // Not stored: fixed by the program that runs and by where it runs.
    Edition edition = Edition::TwoHead;
    std::string ProgramDir;   // ends in the path separator
    std::string HzFontPath;   // ProgramDir + "fon_hz.bin"
    std::string EnFontPath;   // ProgramDir + "fon_en.bin"

    // Stored keys, in the order in which they are read.
    std::int32_t AutoDelFinish = 1;
    std::int32_t FindUNotch = 0;
    std::int32_t LineToDot = 0;
    std::int32_t DotDist = 50;              // 0.1 mm
    std::int32_t UnitNoHintNextTime = 1;
    std::int32_t Language = 0;              // 0 Chinese, 1 English, 2 Turkish, 3 Ukrainian, 4 Russian, 5 Vietnamese, 6 Polish
    std::string CustomString;
    std::int32_t BackupPlt = 0;
    std::int32_t LineWidth = 2;             // pixels
    std::int32_t PlotOnly = 0;
    std::int32_t PlotCutLine = 0;
    std::int32_t CleanAtStart = 1;
    std::int32_t CleanAtSection = 1;
    std::int32_t DxfUnit = 40;              // plotter units per DXF drawing unit
    // Garment DXF files (AAMA / ASTM numbered layers) are read by their
    // layers: boundaries cut, the file's own units, sizes to choose.  0 reads
    // every DXF line as a drawn line scaled by DxfUnit.
    std::int32_t DxfGarmentLayers = 1;
    std::string PrtFileExtension;
    std::string AutoDir;
    std::string ManDir;
    std::string BackupDir;
    std::int32_t BackupPrintedFiles = 0;
    std::int32_t AutoRotate = 1;
    std::int32_t AutoMirror = 0;
    std::int32_t PaperLenMm = 2000;         // mm
    std::int32_t SearchOutline = 0;
    std::int32_t MachineIP = -1342068544;   // 192.168.1.176, bytes lowest first in dotted order
    std::int32_t ConnectViaEth = 0;
    std::int32_t EnableInkVolumStatistic = 0;   // two-head edition only
    std::int64_t DropCountIB1 = 0;              // drops; two-head edition only
    std::int64_t DropCountIB2 = 0;              // drops; two-head edition only
    std::int32_t InkSum_mL = 40;                // mL; two-head edition only
    std::int32_t AutoStart = 1;
    std::int32_t PltFileUnit = 0;
    std::int32_t CusStrFontSize = 5;
    std::int32_t SplitEn = 0;
    std::int32_t FindTCutFirst = 0;
    std::int32_t FindICutFirst = 0;
    std::int32_t CutOffDistX = 0;           // mm
    std::int32_t CutNotch = 0;
    std::int32_t DoNotFindOutlineIfSp2Exist = 1;
    std::int32_t ManualAddFileType = 1;
    std::int32_t BreakAngle = 15;           // degrees
    std::int32_t IB1PosToR = 5;             // two-head edition only
    std::int32_t IB2PosToR = 200;           // two-head edition only
    std::int32_t RBlankMm = 200;
    std::int32_t RatioSaveTo = 0;
    std::int32_t Measure10000X = 10000;     // 0.1 mm
    std::int32_t Measure10000Y = 10000;     // 0.1 mm
    std::int32_t PltFontScale = 100;        // %; two-head edition only (four-head labels use 100)
    std::int32_t OptSS = 0;
    std::int32_t EnableCurveMove = 0;       // four-head edition only
    std::int32_t IBLRError = 5;             // four-head edition only

    // The path of the settings file of this edition in ProgramDir.
    std::string SettingsPath() const { return ProgramDir + std::string(Info(edition).settingsFile); }
};

}  // namespace pv
