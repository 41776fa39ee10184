#pragma once
// The About box: product line, company, web address, contact and release date.
#include <QDialog>

namespace pv::app {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(int language, const QString& programName, QWidget* parent = nullptr);
};

}  // namespace pv::app
