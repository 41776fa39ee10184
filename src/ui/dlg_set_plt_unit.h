#pragma once
// The choice of what one HPGL coordinate unit means: four entries in the
// user's language, and whether the choice is offered again when a PLT file
// is added by hand.  OK stores `PltFileUnit` and `UnitNoHintNextTime`;
// Cancel changes nothing.  Saving the settings file is the caller's step.
#include <functional>

#include <QDialog>

#include "settings/shared_record.h"

class QCheckBox;
class QComboBox;

namespace pv {
struct AppSettings;
}

namespace pv::ui {

class CDlgSetPltUnit : public QDialog {
    Q_OBJECT
public:
    // The station's settings: OK changes the two fields under their lock.
    explicit CDlgSetPltUnit(SharedRecord<AppSettings>& settings, QWidget* parent = nullptr);
    // A plain record (no other thread sees it).
    explicit CDlgSetPltUnit(AppSettings& settings, QWidget* parent = nullptr);

    // The four entries for `language`, index = `PltFileUnit`.
    static QStringList Entries(int language);

    QComboBox* UnitList() const { return units_; }
    QCheckBox* NoHintBox() const { return noHint_; }

public slots:
    void accept() override;

private:
    // Stores PltFileUnit and UnitNoHintNextTime.
    using Store = std::function<void(int unit, int noHint)>;
    CDlgSetPltUnit(const AppSettings& shown, Store store, QWidget* parent);

    Store store_;
    QComboBox* units_;
    QCheckBox* noHint_;
};

}  // namespace pv::ui
