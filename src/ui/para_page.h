#pragma once
// What every page of the parameter dialog shares: the page's buttons
// ("应用", "确定", "取消" and, on some pages, the capture button), the
// station it edits and the step that sends an applied parameter record.
// Each page keeps its own copy of the values it shows; only its own Apply
// (or OK) writes them back.
#include <QString>
#include <QWidget>
#include <cstdint>

#include "jobs/station.h"

class QGridLayout;
class QPushButton;

namespace pv::ui {

class FieldForm;

class ParaPage : public QWidget {
    Q_OBJECT
public:
    // Which capture button the page shows.
    enum class Capture { None, Inactive, Machine, Misc, Advanced };

    ParaPage(Station& station, Capture capture, QWidget* parent = nullptr);

    // Reads the page (with its range checks) and applies it; false when a
    // field was refused and nothing was applied.
    virtual bool Apply() = 0;
    // The page's table-built fields (null for a page without one).
    virtual FieldForm* Form() { return nullptr; }

    QPushButton* applyButton() const { return apply_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* captureButton() const { return capture_; }

signals:
    // OK applied the page, or Cancel: the dialog closes.
    void closeAccepted();
    void closeRejected();

protected:
    // The grid the page lays its groups out in, above the buttons.
    QGridLayout* Body() const { return body_; }
    bool Online() const { return station_.link.status.online.load(); }
    int Language() const { return station_.Language(); }
    Edition edition() const { return station_.edition(); }
    // Online: queue the write of a record (0x24 or 0x25).  Offline: tell the
    // operator that nothing could be saved.
    void SendOrTellOffline(std::uint8_t code);
    void TellOffline();

    Station& station_;

private:
    void SaveCapture();

    Capture captureKind_;
    QGridLayout* body_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* capture_ = nullptr;
};

}  // namespace pv::ui
