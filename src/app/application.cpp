#include "app/application.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

namespace pv::app {

int RunApplication(int argc, char* argv[], Edition edition) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(edition == Edition::FourHead ? "K2P1_4P V4.6" : "K2P1_2P V4.5");
    window.setCentralWidget(new QLabel(QString::fromUtf8(Info(edition).programName.data())));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}

}  // namespace pv::app
