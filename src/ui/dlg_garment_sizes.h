#pragma once
// The sizes of a graded garment DXF file, offered as a check list when the
// file is added by hand: every size ticked at first, OK keeps the ticked
// ones (and is refused while none is ticked), Cancel adds nothing.
#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace pv::ui {

class CDlgGarmentSizes : public QDialog {
    Q_OBJECT
public:
    CDlgGarmentSizes(const QString& fileName, const QStringList& sizes, QWidget* parent = nullptr);

    // The ticked sizes, in the file's order.
    QStringList Chosen() const;
    QListWidget* SizeList() const { return list_; }
    QPushButton* OkButton() const { return ok_; }

private:
    void UpdateOk();

    QListWidget* list_;
    QPushButton* ok_;
};

}  // namespace pv::ui
