#pragma once
// The About box: product line, company, web address, contact, release date,
// and the program directory in use (an installed program keeps it in the
// user's data folder, so the operator can find the settings and folders).
#include <QDialog>

namespace pv::app {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(int language, const QString& programName, const QString& programDir, QWidget* parent = nullptr);
};

}  // namespace pv::app
