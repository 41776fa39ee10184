#include "dialog_test_util.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include "settings/settings_store.h"

namespace pv::test {

TestStation::TestStation(Edition edition, bool online) : station(std::make_unique<Station>(edition)) {
    station->settings.Edit([&](AppSettings& s) {
        InitProgramPaths(s, dir.path().toStdString());
        NormaliseDirectories(s);
        s.CustomString = std::string(Info(edition).welcomeText);
    });
    station->link.status.online.store(online);
}

DialogAnswerer::DialogAnswerer() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            box->accept();
        } else if (onDialog) {
            onDialog(modal);
        }
    });
    timer_.start();
}

std::vector<int> DrainQueue(Station& station) {
    std::vector<int> codes;
    while (auto c = station.link.queue.Pop()) codes.push_back(*c);
    return codes;
}

void Type(QLineEdit* edit, const QString& text) {
    edit->setText(text);
}

}  // namespace pv::test
