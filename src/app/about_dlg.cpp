#include "app/about_dlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "settings/localized.h"
#include "settings/program_version.h"

namespace pv::app {

CAboutDlg::CAboutDlg(int language, const QString& programName, const QString& programDir, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("关于") + " " + programName);
    auto* form = new QFormLayout;
    auto add = [&](const QString& label, QLabel* value) {
        value->setTextInteractionFlags(Qt::TextBrowserInteraction);
        form->addRow(label, value);
    };
    add(tr("产品:"), new QLabel(programName + " " + kProgramVersion + tr(" 喷墨切割一体机输出中心"), this));  // 501
    add(tr("公司:"), new QLabel(tr("绘图仪输出中心开发组"), this));                      // 502
    auto* web = new QLabel("<a href=\"https://example.invalid/plotter\">example.invalid/plotter</a>", this);
    web->setOpenExternalLinks(true);                                                      // 503, a hyperlink
    add(tr("网址:"), web);
    add(tr("联系:"), new QLabel("support@example.invalid", this));                       // 504
    add(tr("发布日期:"), new QLabel(QString::fromUtf8(Localized(language, "2026年12月", "December 2026")), this));  // 505
    add(tr("程序目录:"), new QLabel(QDir::toNativeSeparators(programDir), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);
}

}  // namespace pv::app
