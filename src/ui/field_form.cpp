#include "ui/field_form.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>

#include "params/param_field.h"
#include "settings/localized.h"
#include "ui/dialog_messages.h"
#include "ui/field_check.h"

namespace pv::ui {
namespace {

template <class Block>
const ParamField<Block>* FindField(std::span<const ParamField<Block>> table, const char* name) {
    for (const auto& f : table)
        if (std::strcmp(f.name, name) == 0) return &f;
    return nullptr;
}

}  // namespace

long long FieldTarget::Get(const AppSettings& s, const MachineParams& p) const {
    switch (record) {
    case Record::Setting: return s.*setting;
    case Record::Machine:
        if (auto* f = FindField(MachineParaFields(), name)) return f->Get(p.machine);
        return 0;
    case Record::Adv:
        if (auto* f = FindField(AdvParaFields(), name)) return f->Get(p.adv);
        return 0;
    }
    return 0;
}

void FieldTarget::Set(AppSettings& s, MachineParams& p, long long v) const {
    switch (record) {
    case Record::Setting: s.*setting = static_cast<std::int32_t>(v); return;
    case Record::Machine:
        if (auto* f = FindField(MachineParaFields(), name)) f->Set(p.machine, v);
        return;
    case Record::Adv:
        if (auto* f = FindField(AdvParaFields(), name)) f->Set(p.adv, v);
        return;
    }
}

std::optional<QString> CheckFieldText(const QString& text, FieldKind kind, double min, double max,
                                      int language) {
    if (kind == FieldKind::Flag) return std::nullopt;
    // Integer bounds are whole numbers; a number's are written as "%.15g".
    const FieldValue v = kind == FieldKind::Integer
                             ? ReadInteger(text, static_cast<qint64>(min), static_cast<qint64>(max), language)
                             : ReadNumber(text, min, max, language);
    if (v.ok) return std::nullopt;
    return v.message;
}

QString FieldText(double value, FieldKind kind, int decimals) {
    switch (kind) {
    case FieldKind::Integer: return QString::number(static_cast<long long>(value));
    case FieldKind::Number: return QString::number(value, 'f', decimals);
    case FieldKind::Flag: return value != 0 ? QStringLiteral("1") : QStringLiteral("0");
    }
    return {};
}

FieldForm::FieldForm(const char* context, std::vector<FormField> fields)
    : context_(context), fields_(std::move(fields)), held_(fields_.size(), 0.0), widgets_(fields_.size(), nullptr) {}

int FieldForm::Build(QWidget* page, QGridLayout* grid, int row) {
    // Groups in the order their first row appears, two to a grid row.
    std::vector<const char*> order;
    std::map<std::string, QGridLayout*> layouts;
    std::map<std::string, int> nextRow;
    QGridLayout* current = nullptr;
    QHBoxLayout* rowBoxes = nullptr;
    int column = 0;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const FormField& f = fields_[i];
        const std::string group = f.group ? f.group : "";
        if (!layouts.count(group)) {
            QWidget* holder = nullptr;
            if (f.group && f.group[0] != '#') {
                auto* box = new QGroupBox(QCoreApplication::translate(context_, f.group), page);
                holder = box;
            } else {
                holder = new QWidget(page);
            }
            auto* inner = new QGridLayout(holder);
            if (!f.group || f.group[0] == '#') inner->setContentsMargins(0, 0, 0, 0);
            layouts[group] = inner;
            nextRow[group] = 0;
            grid->addWidget(holder, row + column / 2, column % 2);
            ++column;
        }
        current = layouts[group];
        if (f.heading) {
            auto* heading = new QLabel(QCoreApplication::translate(context_, f.heading), page);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            current->addWidget(heading, nextRow[group]++, 0, 1, 2);
        }
        QWidget* widget = nullptr;
        if (f.kind == FieldKind::Flag) {
            auto* check = new QCheckBox(QCoreApplication::translate(context_, f.label ? f.label : ""), page);
            widget = check;
            current->addWidget(check, nextRow[group]++, 0, 1, 2);
            rowBoxes = nullptr;
        } else {
            auto* edit = new QLineEdit(page);
            // Wide enough for "-200.0" or "10.00" however the group's
            // layout squeezes its columns.
            edit->setMinimumWidth(56);
            edit->setMaximumWidth(90);
            widget = edit;
            if (f.label || !rowBoxes) {
                rowBoxes = new QHBoxLayout;
                const int r = nextRow[group]++;
                current->addWidget(new QLabel(QCoreApplication::translate(context_, f.label ? f.label : ""), page),
                                   r, 0);
                current->addLayout(rowBoxes, r, 1);
            }
            if (f.part) rowBoxes->addWidget(new QLabel(QCoreApplication::translate(context_, f.part), page));
            rowBoxes->addWidget(edit);
        }
        widgets_[i] = widget;
    }
    return row + (column + 1) / 2;
}

void FieldForm::Load(const AppSettings& s, const MachineParams& p) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const FormField& f = fields_[i];
        const long long stored = f.target.Get(s, p);
        held_[i] = f.kind == FieldKind::Flag ? (stored != 0 ? 1.0 : 0.0) : EditedFromStored(stored, f.scale);
    }
}

void FieldForm::Show() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (auto* check = qobject_cast<QCheckBox*>(widgets_[i]))
            check->setChecked(held_[i] != 0);
        else if (auto* edit = qobject_cast<QLineEdit*>(widgets_[i]))
            edit->setText(FieldText(held_[i], fields_[i].kind, fields_[i].decimals));
    }
}

bool FieldForm::Read(int language, QWidget* messageParent) {
    // Checked into a scratch copy first: a failure leaves every held value.
    std::vector<double> read = held_;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const FormField& f = fields_[i];
        if (auto* check = qobject_cast<QCheckBox*>(widgets_[i])) {
            read[i] = check->isChecked() ? 1.0 : 0.0;
            continue;
        }
        auto* edit = qobject_cast<QLineEdit*>(widgets_[i]);
        if (!edit) continue;
        if (auto message = CheckFieldText(edit->text(), f.kind, f.min, f.max, language)) {
            ShowMessage(messageParent, *message);
            edit->setFocus();
            edit->selectAll();
            return false;
        }
        read[i] = edit->text().trimmed().toDouble();
    }
    held_ = std::move(read);
    return true;
}

void FieldForm::StoreRow(std::size_t i, AppSettings& s, MachineParams& p) const {
    const FormField& f = fields_[i];
    const long long stored = f.kind == FieldKind::Flag ? (held_[i] != 0 ? 1 : 0) : StoredFromEdited(held_[i], f.scale);
    f.target.Set(s, p, stored);
}

void FieldForm::Store(AppSettings& s, MachineParams& p) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) StoreRow(i, s, p);
}

void FieldForm::Store(SharedRecord<AppSettings>& s, SharedRecord<MachineParams>& p) const {
    // Each row writes into one record only; the other argument is a scratch.
    s.Edit([this](AppSettings& settings) {
        MachineParams unused;
        for (std::size_t i = 0; i < fields_.size(); ++i)
            if (fields_[i].target.record == FieldTarget::Record::Setting) StoreRow(i, settings, unused);
    });
    p.Edit([this](MachineParams& params) {
        AppSettings unused;
        for (std::size_t i = 0; i < fields_.size(); ++i)
            if (fields_[i].target.record != FieldTarget::Record::Setting) StoreRow(i, unused, params);
    });
}

void FieldForm::SetEnabled(bool enabled) {
    for (QWidget* w : widgets_)
        if (w) w->setEnabled(enabled);
}

int FieldForm::IndexOf(const char* name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].target.name && std::strcmp(fields_[i].target.name, name) == 0) return static_cast<int>(i);
    return -1;
}

int FieldForm::IndexOf(std::int32_t AppSettings::*setting) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].target.record == FieldTarget::Record::Setting && fields_[i].target.setting == setting)
            return static_cast<int>(i);
    return -1;
}

}  // namespace pv::ui
