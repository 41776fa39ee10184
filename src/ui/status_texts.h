#pragma once
// What each pane of the status bar says and in which colour, from plain
// inputs: the pointer, the machine's state with the print progress, the
// carriage, the machine's and this computer's addresses, the ink left.
// Texts come in four forms by `Language`: 0 Chinese, 3 Ukrainian,
// 4 Russian, every other value English (unless a pane says otherwise).
#include <cstdint>

#include <QColor>
#include <QString>

namespace pv::ui {

struct PaneContent {
    QString text;
    QColor colour;
};

class StatusTexts {
public:
    static const QColor kGrey;     // ordinary panes
    static const QColor kGreen;    // ready
    static const QColor kYellow;   // busy, low ink
    static const QColor kRed;      // errors, offline

    // x, y in plotter units (1/40 mm), shown in whole mm truncated toward 0.
    static PaneContent Pointer(int language, int x, int y);
    // bandCount 0 means nothing has been prepared: no progress to show.
    static PaneContent MachineState(int language, bool online, int state, std::int32_t bandCount,
                                    std::int32_t bandInProgress);
    // Progress in tenths of a per cent, at most 1000; bandCount must not be 0.
    static int ProgressPermille(std::int32_t bandCount, std::int32_t bandInProgress);
    // carriagePos in motor pulses; pulsesPerMm100 = pulses per mm × 100.
    static PaneContent Carriage(int language, std::int32_t carriagePos, int pulsesPerMm100);
    // The address with its first dotted part in the lowest byte.
    static PaneContent MachineIp(int language, std::int32_t address);
    static PaneContent LocalAddresses(int language, const QString& addressText);
    // Drop counters of the two cartridges (one drop is 5 picolitres) and the
    // cartridge's content in mL.
    static PaneContent Ink(int language, std::int64_t drops1, std::int64_t drops2, int inkSumMl);
    // Per cent left of a cartridge after `drops`.
    static double InkLeftPercent(std::int64_t drops, int inkSumMl);
};

}  // namespace pv::ui
