#include "app/pelvane_doc.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "jobs/station.h"
#include "jobs/task_file.h"

namespace pv::app {

CPelvaneDoc::CPelvaneDoc(Station& station, QWidget* parent, std::function<void()> changed)
    : station_(station), parent_(parent), changed_(std::move(changed)) {}

QString CPelvaneDoc::TaskFilter() {
    return QCoreApplication::translate("CPelvaneDoc", "立式切割机打印任务(*.pvtask)") + " (*.pvtask)";
}

void CPelvaneDoc::OpenWithDialog() {
    const QString path = QFileDialog::getOpenFileName(
        parent_, QCoreApplication::translate("CPelvaneDoc", "恢复打印任务"), QString(), TaskFilter());
    if (!path.isEmpty()) Open(path);
}

bool CPelvaneDoc::Open(const QString& path) {
    std::string message;
    const int r = TaskFile::Open(path.toStdString(), station_.edition(), station_.Language(),
                                 station_.jobs, &message);
    if (r != kTaskOk) {
        Report(message);
        return false;
    }
    station_.jobs.SelectJob(0);
    if (changed_) changed_();
    return true;
}

bool CPelvaneDoc::Save(const QString& path) {
    std::string message;
    const int r = TaskFile::Save(path.toStdString(), station_.edition(), station_.Language(),
                                 station_.jobs, &message);
    if (r != kTaskOk) Report(message);
    return r == kTaskOk;
}

bool CPelvaneDoc::Undo() {
    if (!station_.Undo()) return false;
    if (changed_) changed_();
    return true;
}

bool CPelvaneDoc::Redo() {
    if (!station_.Redo()) return false;
    if (changed_) changed_();
    return true;
}

void CPelvaneDoc::Report(const std::string& message) {
    QMessageBox::warning(parent_, QString(), QString::fromStdString(message));
}

}  // namespace pv::app
