#include "ui/dlg_p_size.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "params/machine_params.h"
#include "ui/dialog_messages.h"
#include "ui/field_form.h"

namespace pv::ui {
namespace {

constexpr double kMeasuredMin = 100;
constexpr double kMeasuredMax = 5000;

QString ScaleText(double scale) { return QString::number(scale, 'f', 4); }

}  // namespace

namespace {
// A field the operator cannot type into looks it: the dialog's grey instead
// of the white of the fields that take a value.
void ShowAsReadOnly(QLineEdit* field) {
    field->setReadOnly(true);
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Window));
    field->setPalette(pal);
}
}  // namespace

CDlgPSize::CDlgPSize(Station& station, QWidget* parent) : ParaPage(station, Capture::Inactive, parent) {
    auto* group = new QGroupBox(tr("尺寸相关"), this);
    auto* g = new QGridLayout(group);
    g->addWidget(new QLabel(tr("设计尺寸"), this), 0, 1);
    g->addWidget(new QLabel(tr("测量尺寸"), this), 0, 2);
    g->addWidget(new QLabel(tr("缩放比例"), this), 0, 3);
    const char* rows[2] = {QT_TR_NOOP("纸长方向:"), QT_TR_NOOP("纸宽方向:")};
    for (int a = 0; a < 2; ++a) {
        auto* design = new QLineEdit(QStringLiteral("1000"), this);
        ShowAsReadOnly(design);
        measured_[a] = new QLineEdit(this);
        scale_[a] = new QLineEdit(this);
        ShowAsReadOnly(scale_[a]);
        g->addWidget(new QLabel(tr(rows[a]), this), a + 1, 0);
        g->addWidget(design, a + 1, 1);
        g->addWidget(measured_[a], a + 1, 2);
        g->addWidget(scale_[a], a + 1, 3);
    }
    update_ = new QPushButton(tr("更新"), this);
    g->addWidget(update_, 3, 3);
    onMachine_ = new QRadioButton(tr("比例参数存于主板"), this);
    onComputer_ = new QRadioButton(tr("比例参数存于电脑"), this);
    auto* radios = new QButtonGroup(this);
    radios->addButton(onMachine_);
    radios->addButton(onComputer_);
    g->addWidget(onMachine_, 4, 0, 1, 2);
    g->addWidget(onComputer_, 5, 0, 1, 2);
    Body()->addWidget(group, 0, 0);

    const bool computer = station_.settings.Read([](const AppSettings& s) { return s.RatioSaveTo == 1; });
    (computer ? onComputer_ : onMachine_)->setChecked(true);
    LoadFrom(computer);
    connect(onMachine_, &QRadioButton::clicked, this, [this] { LoadFrom(false); });
    connect(onComputer_, &QRadioButton::clicked, this, [this] { LoadFrom(true); });
    connect(update_, &QPushButton::clicked, this, [this] { Update(); });
}

void CDlgPSize::LoadFrom(bool computer) {
    const AppSettings s = station_.settings.Get();
    const MachineParaBlock b = station_.params.Get().machine;
    const double stored[2] = {computer ? double(s.Measure10000X) : double(b.scaleMeasureX),
                              computer ? double(s.Measure10000Y) : double(b.scaleMeasureY)};
    for (int a = 0; a < 2; ++a) {
        const double m = stored[a] / 10.0;
        measured_[a]->setText(QString::number(m, 'f', 1));
        scale_[a]->setText(m != 0 ? ScaleText(kDesignMm / m) : QString());
        // The machine's lengths cannot be changed without the machine.
        measured_[a]->setEnabled(computer || Online());
    }
}

bool CDlgPSize::ReadMeasured(std::array<double, 2>& m) {
    for (int a = 0; a < 2; ++a) {
        if (auto message = CheckFieldText(measured_[a]->text(), FieldKind::Number, kMeasuredMin, kMeasuredMax,
                                          Language())) {
            ShowMessage(this, *message);
            measured_[a]->setFocus();
            measured_[a]->selectAll();
            return false;
        }
        m[a] = measured_[a]->text().trimmed().toDouble();
    }
    return true;
}

bool CDlgPSize::Update() {
    std::array<double, 2> m{};
    if (!ReadMeasured(m)) return false;
    for (int a = 0; a < 2; ++a) scale_[a]->setText(ScaleText(std::trunc(kDesignMm * 10000.0 / m[a]) / 10000.0));
    return true;
}

bool CDlgPSize::Apply() {
    std::array<double, 2> m{};
    if (!ReadMeasured(m)) return false;
    const std::int32_t x = StoredFromEdited(m[0], 10);
    const std::int32_t y = StoredFromEdited(m[1], 10);
    if (onComputer_->isChecked()) {
        station_.settings.Edit([x, y](AppSettings& s) {
            s.RatioSaveTo = 1;
            s.Measure10000X = x;
            s.Measure10000Y = y;
        });
    } else {
        station_.settings.Edit([](AppSettings& s) { s.RatioSaveTo = 0; });
        station_.params.Edit([x, y](MachineParams& p) {
            p.machine.scaleMeasureX = static_cast<std::uint16_t>(x);
            p.machine.scaleMeasureY = static_cast<std::uint16_t>(y);
        });
    }
    SendOrTellOffline(0x25);
    return true;
}

}  // namespace pv::ui
