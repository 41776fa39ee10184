#include "ui/dlg_firm_update.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "link/firmware_update.h"
#include "settings/localized.h"

namespace pv::ui {

CDlgFirmUpdate::CDlgFirmUpdate(CMyCommu& commu, int language, QWidget* parent)
    : QDialog(parent), commu_(commu), language_(language) {
    setWindowTitle(QStringLiteral("Firm Update"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    select_ = new QPushButton(tr("Select"), this);
    path_ = new QLineEdit(this);
    path_->setReadOnly(true);
    upgrade_ = new QPushButton(tr("Upgrade"), this);
    row->addWidget(select_);
    row->addWidget(path_, 1);
    row->addWidget(upgrade_);
    layout->addLayout(row);
    list_ = new QListWidget(this);
    list_->setMinimumSize(420, 280);
    layout->addWidget(list_);
    connect(select_, &QPushButton::clicked, this, &CDlgFirmUpdate::Select);
    connect(upgrade_, &QPushButton::clicked, this, &CDlgFirmUpdate::Upgrade);

    picker_ = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Open printer firm file"), QString(),
                                            QStringLiteral("Firmware file (*.kxfw)"));
    };
    log_.Clear();
    timer_ = new QTimer(this);
    timer_->setInterval(kDrainMs);
    connect(timer_, &QTimer::timeout, this, &CDlgFirmUpdate::Drain);
    timer_->start();
    log_.Log(Localized(language_, "选择固件文件，然后点击升级按钮", "Select firmware file,then press upgrade button"));
}

CDlgFirmUpdate::~CDlgFirmUpdate() { Join(); }

void CDlgFirmUpdate::Select() {
    const QString path = picker_ ? picker_() : QString();
    if (!path.isEmpty()) SetPath(path);
}

void CDlgFirmUpdate::SetPath(const QString& path) { path_->setText(path); }

void CDlgFirmUpdate::Upgrade() {
    if (running_.load()) return;
    Join();   // the previous worker has ended; collect it
    running_.store(true);
    upgrade_->setEnabled(false);
    const std::string path = path_->text().toStdString();
    worker_ = std::jthread([this, path] {
        FirmwareUpdate update(commu_, log_, language_);
        update.UpdateFirmware(path);
        running_.store(false);
    });
}

void CDlgFirmUpdate::Drain() {
    while (auto entry = log_.Take()) {
        list_->addItem(QString::fromStdString(entry->text));
        while (list_->count() > kListLines) delete list_->takeItem(0);
    }
    if (!running_.load() && !upgrade_->isEnabled()) upgrade_->setEnabled(true);
}

void CDlgFirmUpdate::Join() {
    if (worker_.joinable()) worker_.join();
}

void CDlgFirmUpdate::done(int result) {
    // A transfer cannot be taken back half way: let it end, then close.
    Join();
    timer_->stop();
    QDialog::done(result);
}

}  // namespace pv::ui
