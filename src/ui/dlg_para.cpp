#include "ui/dlg_para.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/dlg_p_adv.h"
#include "ui/dlg_p_cut.h"
#include "ui/dlg_p_dir.h"
#include "ui/dlg_p_mac.h"
#include "ui/dlg_p_misc.h"
#include "ui/dlg_p_size.h"
#include "ui/dlg_p_user.h"

namespace pv::ui {
namespace {

struct Labels {
    const char* chinese;
    const char* ukrainian;
    const char* russian;
    const char* vietnamese;
    const char* english;
};

Labels LabelsOf(CDlgPara::Page page, Edition e) {
    using P = CDlgPara::Page;
    switch (page) {
    case P::User:
        return {"用户参数", "Параметри користувача", "Параметры пользователя", "Thiết lập người dùng", "UserSet"};
    case P::Machine:
        return {IsFourHead(e) ? "喷墨参数" : "喷切参数", "Параметри рiзання", "Параметры резания", "Thông số máy",
                "MachinePara"};
    case P::Cut: return {"切割参数", "Параметри рiзання", "Параметры резания", "Thông số máy", "MachinePara"};
    case P::Directory:
        return {"目录设置", "Параметри каталогу", "Параметры каталога", "Thiết lập thư mục", "Directory"};
    case P::Size:
        return {"尺寸相关", "Залежить вiд розмiру", "Зависит от размера", "Kích thước liên quan", "Size"};
    case P::Misc: return {"杂项", "рiзне", "разное", "Linh tinh", "Misc"};
    case P::Advanced:
        return {"高级参数", "Розширенi параметри", "Расширенные параметры", "Thông số nâng cao", "AdvPara"};
    }
    return {"", "", "", "", ""};
}

ParaPage* MakePage(CDlgPara::Page page, Station& station, QWidget* parent) {
    using P = CDlgPara::Page;
    switch (page) {
    case P::User: return new CDlgPUser(station, parent);
    case P::Machine: return new CDlgPMac(station, parent);
    case P::Cut: return new CDlgPCut(station, parent);
    case P::Directory: return new CDlgPDir(station, parent);
    case P::Size: return new CDlgPSize(station, parent);
    case P::Misc: return new CDlgPMisc(station, parent);
    case P::Advanced: return new CDlgPAdv(station, parent);
    }
    return nullptr;
}

}  // namespace

std::vector<CDlgPara::Page> CDlgPara::PagesOf(Edition e) {
    if (IsFourHead(e))
        return {Page::User, Page::Machine, Page::Cut, Page::Directory, Page::Size, Page::Misc, Page::Advanced};
    return {Page::User, Page::Machine, Page::Directory, Page::Size, Page::Misc, Page::Advanced};
}

QString CDlgPara::TabLabel(Page page, Edition e, int language) {
    const Labels l = LabelsOf(page, e);
    const char* text = l.english;
    switch (language) {
    case 0: text = l.chinese; break;
    case 3: text = l.ukrainian; break;
    case 4: text = l.russian; break;
    case 5:
        // The four-head edition has no Vietnamese labels.
        if (!IsFourHead(e)) text = l.vietnamese;
        break;
    default: break;
    }
    return QString::fromUtf8(text);
}

CDlgPara::CDlgPara(Station& station, QWidget* parent) : QDialog(parent), tabs_(new QTabWidget(this)) {
    setWindowTitle(tr("参数设置"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 2, 1);
    layout->addWidget(tabs_);
    for (Page page : PagesOf(station.edition())) {
        ParaPage* p = MakePage(page, station, tabs_);
        tabs_->addTab(p, TabLabel(page, station.edition(), station.Language()));
        connect(p, &ParaPage::closeAccepted, this, &QDialog::accept);
        connect(p, &ParaPage::closeRejected, this, &QDialog::reject);
    }
    tabs_->setCurrentIndex(0);
}

int CDlgPara::PageCount() const { return tabs_->count(); }

ParaPage* CDlgPara::PageAt(int tab) const { return qobject_cast<ParaPage*>(tabs_->widget(tab)); }

}  // namespace pv::ui
