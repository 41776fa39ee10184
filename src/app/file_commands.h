#pragma once
// The main window's file commands: adding a pattern file by hand (also by
// dropping it onto the window), saving the current job as PLT, and the test
// patterns.  The naming rules are plain functions so they can be checked
// without a dialog.
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace pv {
class Station;
}

namespace pv::app {

class FileCommands {
public:
    // The add dialog's filter list for `ManualAddFileType`.
    static QStringList AddFileFilters(int manualAddFileType);
    // A name ending in a full stop and D, X, F (any letter case) is a DXF drawing.
    static bool IsDxfName(const QString& path);
    // ".plt" appended unless the name already ends in a full stop and P, L, T.
    static QString PltSaveName(const QString& name);
    // "TestPlt/10x10.plt" … "TestPlt/100x100.plt" for commands 800..805.
    static QString TestPatternPath(int command);

    // The PLT-unit dialog; true when it closed with OK (the unit is stored).
    static bool ChoosePltUnit(Station& station, QWidget* parent);
    // For a graded garment DXF file (read by its layers), the size check
    // list; `sizes` receives the ticked sizes, left empty for every size and
    // for any other file.  False when the list closed with Cancel.
    static bool ChooseGarmentSizes(Station& station, const QString& path, QWidget* parent,
                                   std::vector<std::string>& sizes);

    // `askUnit` shows the PLT-unit dialog first for an HPGL file (unless the
    // operator turned it off); `afterAdd` is called when a job was added.
    FileCommands(Station& station, QWidget* parent, std::function<void()> afterAdd);

    // 308: the open dialog, then AddPath.
    void AddFile();
    // Reads one file into a new job of the opened jobs.  False when nothing
    // was added (cancelled unit dialog, unreadable file: reported, or no
    // drawing in it).
    bool AddPath(const QString& path, bool askUnit = true);
    // 309: the save dialog, then the current job written as PLT.
    void SaveCurrentAsPlt();
    // 800..805: every job deleted, then the pattern opened as a PLT file.
    void OpenTestPattern(int command);

private:
    Station& station_;
    QWidget* parent_;
    std::function<void()> afterAdd_;
};

}  // namespace pv::app
