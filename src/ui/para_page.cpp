#include "ui/para_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/localized.h"
#include "ui/dialog_messages.h"
#include "ui/page_capture.h"

namespace pv::ui {

ParaPage::ParaPage(Station& station, Capture capture, QWidget* parent)
    : QWidget(parent), station_(station), captureKind_(capture) {
    auto* outer = new QVBoxLayout(this);
    body_ = new QGridLayout;
    outer->addLayout(body_);
    outer->addStretch(1);
    auto* buttons = new QHBoxLayout;
    if (capture != Capture::None) {
        capture_ = new QPushButton(capture == Capture::Advanced ? tr("截图保存") : tr("保存截图"), this);
        buttons->addWidget(capture_);
        connect(capture_, &QPushButton::clicked, this, &ParaPage::SaveCapture);
    }
    buttons->addStretch(1);
    apply_ = new QPushButton(tr("应用"), this);
    ok_ = new QPushButton(tr("确定"), this);
    cancel_ = new QPushButton(tr("取消"), this);
    for (QPushButton* b : {apply_, ok_, cancel_}) buttons->addWidget(b);
    outer->addLayout(buttons);
    connect(apply_, &QPushButton::clicked, this, [this] { Apply(); });
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (Apply()) emit closeAccepted();
    });
    connect(cancel_, &QPushButton::clicked, this, &ParaPage::closeRejected);
}

void ParaPage::TellOffline() { ShowMessage(this, Localized(Language(), "脱机状态无法保存参数", "Offline!")); }

void ParaPage::SendOrTellOffline(std::uint8_t code) {
    if (Online())
        station_.link.queue.Push(code);
    else
        TellOffline();
}

void ParaPage::SaveCapture() {
    switch (captureKind_) {
    case Capture::Machine: SavePageCapture(this, CaptureKind::Machine, edition(), Language()); break;
    case Capture::Misc: SavePageCapture(this, CaptureKind::Misc, edition(), Language()); break;
    case Capture::Advanced: SavePageCapture(this, CaptureKind::Advanced, edition(), Language()); break;
    case Capture::None:
    case Capture::Inactive: break;   // the size and cut pages show the button without an action
    }
}

}  // namespace pv::ui
