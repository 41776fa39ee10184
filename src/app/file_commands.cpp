#include "app/file_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "import/dxf_job_reader.h"
#include "jobs/station.h"
#include "output/plt_writer.h"
#include "settings/localized.h"
#include "ui/dlg_garment_sizes.h"
#include "ui/dlg_set_plt_unit.h"

namespace pv::app {

QStringList FileCommands::AddFileFilters(int type) {
    switch (type) {
    case 0: return {"All Files(*.*) (*)", "HP-GL(*.plt) (*.plt)", "AutoCAD(*.dxf) (*.dxf)"};
    case 1: return {"HPGL Files (*.p* *.h* *.spl)", "All Files(*.*) (*)"};
    case 2: return {"DXF Files (*.dxf)", "All Files(*.*) (*)"};
    default: return {"Support Files (*.p* *.h* *.spl *.dxf)", "All Files(*.*) (*)"};
    }
}

bool FileCommands::IsDxfName(const QString& path) { return path.toUpper().endsWith(".DXF"); }

QString FileCommands::PltSaveName(const QString& name) {
    if (name.size() < 5 || !name.right(4).toUpper().endsWith(".PLT")) return name + ".plt";
    return name;
}

QString FileCommands::TestPatternPath(int command) {
    static const char* const kNames[] = {"10x10", "20x20", "30x30", "40x40", "50x50", "100x100"};
    const int i = command - 800;
    if (i < 0 || i > 5) return {};
    return QStringLiteral("TestPlt/%1.plt").arg(QLatin1String(kNames[i]));
}

FileCommands::FileCommands(Station& station, QWidget* parent, std::function<void()> afterAdd)
    : station_(station), parent_(parent), afterAdd_(std::move(afterAdd)) {}

bool FileCommands::ChoosePltUnit(Station& station, QWidget* parent) {
    // The dialog edits a copy; OK stores its two settings, Cancel nothing.
    AppSettings copy = station.settings.Get();
    ui::CDlgSetPltUnit unit(copy, parent);
    if (unit.exec() != QDialog::Accepted) return false;
    station.settings.Edit([&copy](AppSettings& a) {
        a.PltFileUnit = copy.PltFileUnit;
        a.UnitNoHintNextTime = copy.UnitNoHintNextTime;
    });
    return true;
}

bool FileCommands::ChooseGarmentSizes(Station& station, const QString& path, QWidget* parent,
                                      std::vector<std::string>& sizes) {
    sizes.clear();
    const GarmentFileFacts facts = InspectGarmentFile(path.toStdString(), station.settings.Get());
    if (!facts.garment || facts.sizes.size() < 2) return true;
    QStringList offered;
    for (const std::string& s : facts.sizes) offered << QString::fromStdString(s);
    ui::CDlgGarmentSizes dialog(QFileInfo(path).fileName(), offered, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dialog.Chosen();
    if (chosen.size() == offered.size()) return true;   // every size: nothing to narrow
    for (const QString& s : chosen) sizes.push_back(s.toStdString());
    return true;
}

void FileCommands::AddFile() {
    const QStringList filters =
        AddFileFilters(station_.settings.Read([](const AppSettings& a) { return a.ManualAddFileType; }));
    const QString path = QFileDialog::getOpenFileName(parent_, "Add File", QString(), filters.join(";;"));
    if (path.isEmpty()) return;
    AddPath(path);
}

bool FileCommands::AddPath(const QString& path, bool askUnit) {
    const bool ask = station_.settings.Read([](const AppSettings& a) { return a.UnitNoHintNextTime == 0; });
    if (!IsDxfName(path) && askUnit && ask && !ChoosePltUnit(station_, parent_)) return false;
    std::vector<std::string> sizes;
    if (IsDxfName(path) && askUnit && !ChooseGarmentSizes(station_, path, parent_, sizes)) return false;
    // An unreadable file is reported by the station ("Open File Failed!");
    // a file without a drawing adds nothing and says nothing.
    if (!station_.AddFile(path.toStdString(), sizes)) return false;
    // The operator added this file to look at it and print it: it becomes
    // the current job and its drawing is shown (Start prints it).
    station_.jobs.SelectJob(static_cast<std::int32_t>(station_.jobs.OpenedJobs.size()) - 1);
    if (afterAdd_) afterAdd_();
    return true;
}

void FileCommands::SaveCurrentAsPlt() {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters({"All file(*.*) (*)", "HP-GL(*.plt) (*.plt)"});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString name = PltSaveName(dialog.selectedFiles().first());
    COnePage* job = station_.jobs.JobAt(station_.jobs.CurrentJobIndex);
    if (!job) return;
    if (job->curves.empty()) station_.LoadDrawing(*job);   // a watched-folder job not shown yet
    std::string error;
    if (!WritePlt(*job, name.toStdString(), &error)) {
        const int lang = station_.Language();
        QMessageBox::warning(parent_, QString(),
                             QString::fromUtf8(Localized(lang, "文件保存失败: ", "Cannot save the file: ")) +
                                 QString::fromStdString(error));
    }
}

void FileCommands::OpenTestPattern(int command) {
    const QString rel = TestPatternPath(command);
    if (rel.isEmpty()) return;
    station_.jobs.ClearAllJobs();
    if (afterAdd_) afterAdd_();   // the list shows the cleared queue even when the pattern fails
    AddPath(QString::fromStdString(station_.settings.Read([](const AppSettings& a) { return a.ProgramDir; })) +
            rel);
}

}  // namespace pv::app
