#pragma once
// The document of the window program: the job queue as a whole.  It restores
// a print-task file (Ctrl+O, or a file named on the command line), saves one,
// and steps the undo history.  A file that cannot be read leaves the queue as
// it was and is reported.
#include <QString>
#include <functional>

class QWidget;

namespace pv {
class Station;
}

namespace pv::app {

class CPelvaneDoc {
public:
    // `changed` runs after the queue was replaced (list and view refresh).
    CPelvaneDoc(Station& station, QWidget* parent, std::function<void()> changed);

    // The open dialog's filter and the file extension of the edition.
    static QString TaskFilter();

    // 57601: the open dialog, then Open.
    void OpenWithDialog();
    // Replaces the queue by the file's jobs.  False (and a message box) when
    // it could not be read.
    bool Open(const QString& path);
    // 57603: writes the queue to `path`.
    bool Save(const QString& path);
    // 57643 / 57644.
    bool Undo();
    bool Redo();

private:
    void Report(const std::string& message);

    Station& station_;
    QWidget* parent_;
    std::function<void()> changed_;
};

// The four-head program's document is the same class; its task files carry
// the shorter job record of its edition.
using COrvantaDoc = CPelvaneDoc;

}  // namespace pv::app
