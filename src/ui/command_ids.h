#pragma once
// The identities of the window's commands: menu items, button-bar controls,
// list and view context-menu entries and accelerators.  Every menu item,
// button and shortcut carries one of these, and every handler dispatches on
// them; no command number is written anywhere else.
namespace pv::ui {

enum CommandId : int {
    // File and document
    kCmdOpenTask = 57601,        // Ctrl+O: restore a print-task file
    kCmdSaveTask = 57603,        // save the print-task file (no menu item)
    kCmdExit = 57665,
    kCmdAbout = 57664,
    kCmdUndo = 57643,            // Ctrl+Z
    kCmdRedo = 57644,            // Ctrl+Y

    // Button bar (two-head template 140; four-head template 130)
    kCmdTest = 300,
    kCmdStart = 301,
    kCmdPause = 302,
    kCmdStop = 303,
    kCmdFeedBack = 304,          // 退纸: paper back
    kCmdFeed = 305,              // 进纸: paper feed
    kCmdLeft = 306,
    kCmdRight = 307,
    kCmdAddFile = 308,
    kCmdSavePlt = 309,
    kCmdZoomIn = 310,            // Page Up
    kCmdZoomOut = 311,           // Page Down
    kCmdFit = 312,
    kCmdParameters = 313,
    kCmdOffset = 314,
    kCmdToggleBar = 315,
    kCmdHide = 316,
    kCmdCutOff = 317,
    kCmdReset = 322,
    kCmdArrowLeft = 333,
    kCmdArrowRight = 334,
    kCmdArrowUp = 335,
    kCmdArrowDown = 336,
    kCmdNetwork = 342,
    kCmdDeleteJobs = 343,
    kCmdLanguageStep = 345,      // four-head bar: steps Language 0..4
    kCmdQueueIn = 353,
    kCmdQueueOut = 354,
    kCmdQueueAllOut = 355,
    kCmdFitButton = 356,
    kCmdToolSelect = 357,
    kCmdToolMoveView = 358,
    kCmdToolMoveLine = 359,
    kCmdToolStartPoint = 360,
    kCmdToolText = 361,
    kCtlKnife = 235,             // check boxes of the two-head bar
    kCtlFan = 236,
    kCtlAutoStart = 239,
    kCtlKnife4 = 241,            // the same check boxes on the four-head bar
    kCtlFan4 = 242,
    kCtlAutoStart4 = 247,

    // View commands (context menu and accelerators)
    kCmdToDrawn = 703,           // Ctrl+1
    kCmdToCut = 704,             // Ctrl+2
    kCmdDeleteSelected = 705,    // Delete
    kCmdSelectAll = 706,
    kCmdDeletePlot = 707,
    kCmdDeleteCut = 708,
    kCmdRotate90 = 709,
    kCmdManualYPaging = 710,
    kCmdMoveToOrigin = 711,
    kCmdFindOutlines = 714,
    kCmdReverse = 720,
    kCmdBreakByAngle = 724,      // Ctrl+D
    kCmdLeadIns = 900,
    kCmdMakeDotted = 901,
    kCmdTestDotted4 = 1501,      // four-head view menu "Test"

    // List context menu
    kCmdDeleteFinished = 721,
    kCmdEditCopies = 722,
    kCmdEditStartPos = 723,

    // Settings, transport, language, help
    kCmdPltUnit = 712,
    kCmdUsb = 715,
    kCmdEthernet = 716,
    kCmdFirmware = 719,
    kCmdLangChinese = 750,
    kCmdLangEnglish = 751,
    kCmdLangTurkish = 752,
    kCmdLangRussian = 753,
    kCmdLangUkrainian = 754,
    kCmdLangVietnamese = 755,
    kCmdLangPolish = 756,
    kCmdInkStatistics = 757,
    kCmdTestPattern10 = 800,     // 800..805: the six test patterns
    kCmdTestPattern100 = 805,
    kCmdVirtualPlotter = 760,    // the training plotter, in both editions
    kCmdHistory = 761,           // the print history window, in both editions

    // The four-head menu's own ids for the same commands
    kCmdPltUnit4 = 1015,
    kCmdUsb4 = 1018,
    kCmdEthernet4 = 1019,
    kCmdFirmware4 = 1022,
};

}  // namespace pv::ui
