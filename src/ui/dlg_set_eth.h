#pragma once
// "网络设置": this computer's addresses and the machine's IPv4 address.
// Online the new address is written into the machine (which then answers
// on it); offline only the stored address changes.
#include <QDialog>
#include <QStringList>
#include <array>
#include <cstdint>

#include "jobs/station.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace pv::ui {

class CDlgSetEth : public QDialog {
    Q_OBJECT
public:
    // `localAddresses`: this computer's IPv4 addresses in dotted form.
    CDlgSetEth(Station& station, const QStringList& localAddresses, QWidget* parent = nullptr);

    // The address of the four fields, first field in the lowest byte.
    std::int32_t Address() const;
    // OK: the address to the machine (online) or into the settings.
    void Confirm();

    QSpinBox* addressField(int i) const { return fields_[i]; }
    QLabel* countLine() const { return count_; }
    QLineEdit* addressList() const { return list_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    Station& station_;
    std::array<QSpinBox*, 4> fields_{};
    QLabel* count_;
    QLineEdit* list_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace pv::ui
