#include "ui/dlg_p_misc.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/page_fields.h"

namespace pv::ui {

CDlgPMisc::CDlgPMisc(Station& station, QWidget* parent)
    : ParaPage(station, Capture::Misc, parent), form_(kFieldContext, MiscFields()) {
    const int next = form_.Build(this, Body());
    auto* types = new QGroupBox(tr("手动打开时，默认的扩展名"), this);
    auto* tl = new QVBoxLayout(types);
    auto* group = new QButtonGroup(this);
    const char* texts[4] = {QT_TR_NOOP("所有文件(*.*)"), QT_TR_NOOP("HPGL文件(*.p*;*.h*;*.spl)"),
                            QT_TR_NOOP("dxf文件(*.dxf)"), QT_TR_NOOP("支持的文件(*.plt;*.p0*;*.hpg;*.dxf)")};
    for (int i = 0; i < 4; ++i) {
        fileTypes_[i] = new QRadioButton(tr(texts[i]), this);
        group->addButton(fileTypes_[i], i);
        tl->addWidget(fileTypes_[i]);
    }
    Body()->addWidget(types, next, 0);
    const AppSettings settings = station_.settings.Get();
    const int type = settings.ManualAddFileType;
    fileTypes_[type >= 0 && type < 4 ? type : 1]->setChecked(true);
    if (IsFourHead(edition())) {
        auto* custom = new QGroupBox(tr("定制功能"), this);
        auto* cl = new QVBoxLayout(custom);
        curveMove_ = new QCheckBox(tr("允许移动选中的曲线"), this);
        curveMove_->setChecked(settings.EnableCurveMove != 0);
        cl->addWidget(curveMove_);
        Body()->addWidget(custom, next, 1);
    }
    form_.Load(settings, station_.params.Get());
    form_.Show();
    form_.SetEnabled(Online());
    secondWrite_.setSingleShot(true);
    connect(&secondWrite_, &QTimer::timeout, this, &CDlgPMisc::SendSecondWrite);
}

CDlgPMisc::~CDlgPMisc() {
    if (!secondWrite_.isActive()) return;
    secondWrite_.stop();
    const qint64 left = kSecondWriteDelayMs - sinceFirstWrite_.elapsed();
    if (left > 0) QThread::msleep(static_cast<unsigned long>(left));
    SendSecondWrite();
}

void CDlgPMisc::SendSecondWrite() { station_.link.queue.Push(0x25); }

bool CDlgPMisc::Apply() {
    if (!form_.Read(Language(), this)) return false;
    form_.Store(station_.settings, station_.params);
    int type = -1;
    for (int i = 0; i < 4; ++i)
        if (fileTypes_[i]->isChecked()) type = i;
    const int curveMove = curveMove_ && curveMove_->isChecked() ? 1 : 0;
    station_.settings.Edit([this, type, curveMove](AppSettings& s) {
        if (type >= 0) s.ManualAddFileType = type;
        if (curveMove_) s.EnableCurveMove = curveMove;
    });
    if (!Online()) {
        TellOffline();
        return true;
    }
    // The machine record follows 200 ms after the advanced one, so the
    // machine has stored the first before the second arrives.  The window
    // does not stop for the gap: a timer sends it (or the page's end, should
    // OK close the dialog first).  A second Apply within the gap restarts
    // it: every write carries the whole record as it is when sent, so one
    // machine write after the last advanced one serves both.
    station_.link.queue.Push(0x24);
    sinceFirstWrite_.start();
    secondWrite_.start(kSecondWriteDelayMs);
    return true;
}

}  // namespace pv::ui
