#pragma once
// A page of labelled value fields built from one table: each row names its
// label, its kind (integer, number, check box), its range, its scale and the
// record field it edits.  The form makes the widgets, keeps the page's own
// copy of the values ("held" values), shows them, reads them back with the
// range checks in control order and stores them into the records.
//
// Held values are what the operator edits: the stored integer divided by the
// scale.  Storing multiplies by the scale and truncates toward zero, so
// 0.29 mm at scale 100 stores 28.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "params/machine_params.h"
#include "settings/app_settings.h"
#include "settings/shared_record.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace pv::ui {

enum class FieldKind { Integer, Number, Flag };

// The translation context of every label of the field tables.
inline constexpr const char* kFieldContext = "ParaFields";

// The record field a row edits: a setting (32-bit member of AppSettings) or
// a field of one of the two parameter records, named as the field tables
// name it.
struct FieldTarget {
    enum class Record { Setting, Machine, Adv };
    Record record = Record::Setting;
    std::int32_t AppSettings::*setting = nullptr;
    const char* name = nullptr;

    static FieldTarget Setting(std::int32_t AppSettings::*m) { return {Record::Setting, m, nullptr}; }
    static FieldTarget Machine(const char* field) { return {Record::Machine, nullptr, field}; }
    static FieldTarget Adv(const char* field) { return {Record::Adv, nullptr, field}; }

    long long Get(const AppSettings& s, const MachineParams& p) const;
    void Set(AppSettings& s, MachineParams& p, long long v) const;
};

struct FormField {
    const char* group;      // group box title (Chinese source text); nullptr or "#name": a column without a frame
    const char* label;      // row label (Chinese source text); nullptr joins the previous row
    const char* part;       // text in front of the box inside a row ("左", "1#"), or nullptr
    FieldKind kind;
    double min = 0;         // accepted range of the held value
    double max = 0;
    int scale = 1;          // stored = held × scale, truncated
    int decimals = 0;       // decimals shown for a Number
    FieldTarget target;
    const char* heading = nullptr;   // a line of its own above the row ("进退纸", "小车")
};

// Why a field's text was refused: the message shown for it.
std::optional<QString> CheckFieldText(const QString& text, FieldKind kind, double min, double max,
                                      int language);
// The text of a held value as a field shows it.
QString FieldText(double value, FieldKind kind, int decimals);

class FieldForm {
public:
    // `context` is the translation context of the labels.
    FieldForm(const char* context, std::vector<FormField> fields);

    // Makes the group boxes and the widgets on `page`, placed into `grid` in
    // two columns of groups starting at `row`; returns the next free row.
    int Build(QWidget* page, QGridLayout* grid, int row = 0);

    // Held values ← records.
    void Load(const AppSettings& s, const MachineParams& p);
    // Widgets ← held values.
    void Show();
    // Held values ← widgets, each field checked in control order.  On the
    // first failure the message is shown (`language` chooses its words),
    // focus goes to the field and false is returned; the held values of the
    // failing and later fields are left as they were.
    bool Read(int language, QWidget* messageParent);
    // Records ← held values: only the fields of the rows, each record
    // changed under its own lock.
    void Store(SharedRecord<AppSettings>& s, SharedRecord<MachineParams>& p) const;
    void Store(AppSettings& s, MachineParams& p) const;

    void SetEnabled(bool enabled);

    std::size_t Size() const { return fields_.size(); }
    const FormField& Field(std::size_t i) const { return fields_[i]; }
    double Held(std::size_t i) const { return held_[i]; }
    void SetHeld(std::size_t i, double v) { held_[i] = v; }
    // The index of the row editing `name` (a parameter field or, for a
    // setting, by member); -1 when the form has none.
    int IndexOf(const char* name) const;
    int IndexOf(std::int32_t AppSettings::*setting) const;
    // The widget of field i (a QLineEdit or a QCheckBox).
    QWidget* Widget(std::size_t i) const { return widgets_[i]; }

private:
    void StoreRow(std::size_t i, AppSettings& s, MachineParams& p) const;

    const char* context_;
    std::vector<FormField> fields_;
    std::vector<double> held_;
    std::vector<QWidget*> widgets_;
};

}  // namespace pv::ui
