#pragma once
// Everything the inkjet raster reads from the settings and the machine
// parameters, taken once when a print is prepared.  The send thread then
// works on this copy, so nothing it reads can change under it.
#include <array>
#include <cstdint>
#include <string>

#include "settings/edition.h"

namespace pv {

struct AppSettings;
struct MachineParams;

struct RasterConfig {
    Edition edition = Edition::TwoHead;

    // Settings.
    int lineWidth = 2;               // pixels, 1..10
    bool plotCutLine = false;        // ink the cut lines as well
    bool cleanAtStart = true;        // band 0 is the head-cleaning band
    bool cleanAtSection = true;      // cleaning bars at the start of each cut segment's bands
    std::string customString;        // logo text of the cleaning band (UTF-8)
    int cusStrFontSize = 5;          // 0..10
    int language = 0;                // 0 Chinese head labels
    bool countDrops = false;         // count each head's drops (for the ink statistic and the print history)

    // Machine parameters.
    int headSelect = 0;              // two-head: headEnable; four-head: headCombination
    std::array<int, 4> posLeft{};    // carriage columns of 1#..4# printing leftwards
    std::array<int, 4> posRight{};   // … printing rightwards
    std::array<int, 3> overlap{};    // dots: 1#/2#, 2#/3#, 3#/4#
    bool bidirectional = true;
    bool darkLines = false;          // drops counted twice
    int marginLeftMm = 0;            // mm
    int marginRightMm = 0;           // mm
    int edgeLeftPx = 0;              // columns, signed
    int edgeRightPx = 0;             // columns, signed
    int carriagePulsesPerMm = 8000;  // 0.01 pulses/mm
    int fireIntervalPulses = 11;     // carriage pulses between two firings
    int nozzleColumnGapPx = 30;      // columns between a cartridge's two nozzle columns
    int bandsPerCutSegment = 8;

    // Settings outside their ranges are brought into them (line width 1..10,
    // logo size 0..10, overlaps 0..150).
    static RasterConfig From(const AppSettings& settings, const MachineParams& params);

    // Columns per plotter unit cannot be formed without these.
    bool Valid() const { return carriagePulsesPerMm > 0 && fireIntervalPulses > 0; }
};

}  // namespace pv
