// The window program.  The window itself grows in later work; for now it
// shows the edition's title so both programs build and start.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "settings/edition.h"

namespace {
#ifdef PV_FOUR_HEAD
constexpr pv::Edition kEdition = pv::Edition::FourHead;
constexpr const char* kTitle = "K2P1_4P V4.6";
#else
constexpr pv::Edition kEdition = pv::Edition::TwoHead;
constexpr const char* kTitle = "K2P1_2P V4.5";
#endif
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(kTitle);
    window.setCentralWidget(new QLabel(QString::fromUtf8(pv::Info(kEdition).programName.data())));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
