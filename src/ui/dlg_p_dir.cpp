#include "ui/dlg_p_dir.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>

#include "settings/localized.h"
#include "settings/settings_store.h"
#include "ui/dialog_messages.h"
#include "ui/field_form.h"

namespace pv::ui {
namespace {

constexpr double kLogoSizeMin = 0;
constexpr double kLogoSizeMax = 10;

QString Utf8(const std::string& s) { return QString::fromStdString(s); }

// The folder without its trailing separator, as it is looked up and made.
QString WithoutTrailingSeparator(QString path) {
    while (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))) path.chop(1);
    return path;
}

bool FolderExists(const QString& path) { return QFileInfo(WithoutTrailingSeparator(path)).isDir(); }

}  // namespace

CDlgPDir::CDlgPDir(Station& station, QWidget* parent) : ParaPage(station, Capture::None, parent) {
    auto* grid = Body();
    const char* labels[3] = {QT_TR_NOOP("手动目录"), QT_TR_NOOP("自动目录"), QT_TR_NOOP("备份目录")};
    auto* folders = new QGroupBox(this);
    auto* fg = new QGridLayout(folders);
    for (int i = 0; i < 3; ++i) {
        folders_[i] = new QLineEdit(this);
        auto* change = new QPushButton(tr("修改"), this);
        const int row = i == Backup ? 3 : i;
        fg->addWidget(new QLabel(tr(labels[i]), this), row, 0);
        fg->addWidget(folders_[i], row, 1);
        fg->addWidget(change, row, 2);
        connect(change, &QPushButton::clicked, this, [this, i] { Browse(static_cast<Folder>(i)); });
    }
    backup_ = new QCheckBox(tr("自动备份已打印的文件"), this);
    fg->addWidget(backup_, 2, 1);
    filter_ = new QLineEdit(this);
    fg->addWidget(new QLabel(tr("文件过滤："), this), 4, 0);
    fg->addWidget(filter_, 4, 1);
    logo_ = new QLineEdit(this);
    fg->addWidget(new QLabel(tr("logo设置:"), this), 5, 0);
    fg->addWidget(logo_, 5, 1);
    logoSize_ = new QLineEdit(this);
    logoSize_->setMaximumWidth(90);
    fg->addWidget(new QLabel(tr("logo字体大小(0~10)"), this), 6, 0);
    fg->addWidget(logoSize_, 6, 1, Qt::AlignLeft);
    grid->addWidget(folders, 0, 0, 1, 2);

    auto* widths = new QGroupBox(tr("线条粗细设置"), this);
    auto* wg = new QGridLayout(widths);
    lineWidth_ = new QButtonGroup(this);
    for (int i = 0; i < 10; ++i) {
        auto* radio = new QRadioButton(tr("%1像素").arg(i + 1), this);
        lineWidth_->addButton(radio, i);
        wg->addWidget(radio, i / 5, i % 5);
    }
    grid->addWidget(widths, 1, 0, 1, 2);
    darkLines_ = new QCheckBox(tr("线条加黑"), this);
    grid->addWidget(darkLines_, 2, 0);

    picker_ = [this] { return QFileDialog::getExistingDirectory(this, QStringLiteral("Select a directory")); };
    Load();
}

void CDlgPDir::Load() {
    const AppSettings s = station_.settings.Get();
    folders_[Manual]->setText(Utf8(s.ManDir));
    folders_[Automatic]->setText(Utf8(s.AutoDir));
    folders_[Backup]->setText(Utf8(s.BackupDir));
    backup_->setChecked(s.BackupPrintedFiles != 0);
    logo_->setText(Utf8(s.CustomString));
    logoSize_->setText(QString::number(s.CusStrFontSize));
    filter_->setText(Utf8(s.PrtFileExtension));
    if (auto* b = lineWidth_->button(s.LineWidth - 1)) b->setChecked(true);
    darkLines_->setChecked(station_.params.Read([](const MachineParams& p) { return p.machine.darkLines != 0; }));
    darkLines_->setEnabled(Online());
}

void CDlgPDir::Browse(Folder which) {
    QString path = picker_ ? picker_() : QString();
    if (path.isEmpty()) return;   // cancelled
    path = QDir::fromNativeSeparators(path);
    if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
    const QString program = Utf8(station_.settings.Read([](const AppSettings& s) { return s.ProgramDir; }));
    if (path == program || path.size() < 3) {
        ShowMessage(this, "非法的临时文件目录", QStringLiteral(" "));
        return;
    }
    folders_[which]->setText(path);
}

bool CDlgPDir::Apply() {
    const int language = Language();
    if (auto message = CheckFieldText(logoSize_->text(), FieldKind::Integer, kLogoSizeMin, kLogoSizeMax, language)) {
        ShowMessage(this, *message);
        logoSize_->setFocus();
        logoSize_->selectAll();
        return false;
    }
    const std::string autoDir = folders_[Automatic]->text().toStdString();
    const std::string manDir = folders_[Manual]->text().toStdString();
    const bool wasBackingUp = station_.settings.Edit([&](AppSettings& s) {
        s.AutoDir = autoDir;
        s.ManDir = manDir;
        return s.BackupPrintedFiles != 0;
    });

    QString backup = folders_[Backup]->text().trimmed();
    if (backup.isEmpty()) {
        ShowMessage(this, Localized(language, "备份目录不能为空。", "The backup directory must not be empty."));
        folders_[Backup]->setFocus();
        return false;
    }
    if (!backup.endsWith(QLatin1Char('/')) && !backup.endsWith(QLatin1Char('\\'))) backup += QLatin1Char('/');
    if (!FolderExists(backup)) {
        QDir().mkdir(WithoutTrailingSeparator(backup));
        QThread::msleep(10);
        if (!FolderExists(backup) && wasBackingUp)
            ShowMessage(this, Localized(language, "创建备份目录失败!", "Failed to create backup dir"));
    }
    // The directory rules look at the disk: they work on a copy, and only the
    // page's fields go back into the record.
    AppSettings s = station_.settings.Get();
    s.BackupDir = backup.toStdString();
    NormaliseDirectories(s);
    s.BackupPrintedFiles = backup_->isChecked() ? 1 : 0;
    s.PrtFileExtension = filter_->text().toStdString();
    if (lineWidth_->checkedId() >= 0) s.LineWidth = lineWidth_->checkedId() + 1;
    s.CustomString = logo_->text().toStdString();
    s.CusStrFontSize = logoSize_->text().trimmed().toInt();
    station_.settings.Edit([&s](AppSettings& r) {
        r.AutoDir = s.AutoDir;
        r.ManDir = s.ManDir;
        r.BackupDir = s.BackupDir;
        r.BackupPrintedFiles = s.BackupPrintedFiles;
        r.PrtFileExtension = s.PrtFileExtension;
        r.LineWidth = s.LineWidth;
        r.CustomString = s.CustomString;
        r.CusStrFontSize = s.CusStrFontSize;
    });
    const std::uint8_t dark = darkLines_->isChecked() ? 1 : 0;
    station_.params.Edit([dark](MachineParams& p) { p.machine.darkLines = dark; });
    if (Online()) station_.link.queue.Push(0x25);
    // The folders may have been replaced by the rules.
    Load();
    return true;
}

}  // namespace pv::ui
