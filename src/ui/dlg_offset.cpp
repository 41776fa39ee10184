#include "ui/dlg_offset.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/localized.h"
#include "ui/dialog_messages.h"
#include "ui/field_form.h"
#include "ui/ok_cancel_row.h"

namespace pv::ui {

CDlgOffset::CDlgOffset(Station& station, QWidget* parent) : QDialog(parent), station_(station) {
    setWindowTitle(tr("偏移设定"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    offset_ = new QLineEdit(QString::number(station.params.Read([](const MachineParams& p) { return p.machine.leftOffsetMm; })), this);
    row->addWidget(new QLabel(tr("左偏移"), this));
    row->addWidget(offset_);
    row->addWidget(new QLabel(QStringLiteral("mm"), this));
    layout->addLayout(row);
    const OkCancelRow buttons = AddOkCancelRow(this, layout);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    connect(ok_, &QPushButton::clicked, this, &CDlgOffset::Confirm);
}

void CDlgOffset::Confirm() {
    const int language = station_.Language();
    if (auto message = CheckFieldText(offset_->text(), FieldKind::Integer, 0, kMaxOffsetMm, language)) {
        ShowMessage(this, *message);
        offset_->setFocus();
        offset_->selectAll();
        return;
    }
    const auto offset = static_cast<std::uint16_t>(offset_->text().trimmed().toInt());
    station_.params.Edit([offset](MachineParams& p) { p.machine.leftOffsetMm = offset; });
    if (!station_.link.status.online.load()) {
        // The offset stays in the copy and is used by printing until the
        // next connection reads the machine's own.
        ShowMessage(this, Localized(language, "脱机状态无法保存参数", "Offline!"));
        return;
    }
    station_.link.queue.Push(0x25);
    accept();
}

}  // namespace pv::ui
