#pragma once
// The directory page: the watched and backup folders, the file filter, the
// logo text and size, the printed line width and the machine's "线条加黑".
#include <QString>
#include <array>
#include <functional>

#include "ui/para_page.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace pv::ui {

class CDlgPDir : public ParaPage {
    Q_OBJECT
public:
    enum Folder { Manual = 0, Automatic = 1, Backup = 2 };

    explicit CDlgPDir(Station& station, QWidget* parent = nullptr);

    // ApplyDirPage: the folders (the backup folder made when missing), the
    // directory rules, the other fields; online the machine record is sent
    // for "线条加黑" (offline nothing is said).
    bool Apply() override;

    // The browse buttons: asks for a folder and puts it into the field
    // unless it is the program's own folder or too short a path.
    void Browse(Folder which);
    // Replaces the folder picker (the tests' way past the system dialog);
    // it returns the chosen folder or an empty text for Cancel.
    void SetFolderPicker(std::function<QString()> picker) { picker_ = std::move(picker); }

    QLineEdit* folderEdit(Folder which) const { return folders_[which]; }
    QCheckBox* backupCheck() const { return backup_; }
    QLineEdit* filterEdit() const { return filter_; }
    QLineEdit* logoEdit() const { return logo_; }
    QLineEdit* logoSizeEdit() const { return logoSize_; }
    QButtonGroup* lineWidthGroup() const { return lineWidth_; }
    QCheckBox* darkLinesCheck() const { return darkLines_; }

private:
    void Load();

    std::array<QLineEdit*, 3> folders_{};
    QCheckBox* backup_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QLineEdit* logo_ = nullptr;
    QLineEdit* logoSize_ = nullptr;
    QButtonGroup* lineWidth_ = nullptr;
    QCheckBox* darkLines_ = nullptr;
    std::function<QString()> picker_;
};

}  // namespace pv::ui
