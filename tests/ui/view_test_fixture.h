#pragma once
// A station with one small job and a drawing view of fixed size over it,
// for the view's tests; pages built from point lists.
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "geometry/one_page.h"
#include "jobs/station.h"
#include "ui/pelvane_view.h"
#include "ui/pelvane_view.h"

namespace pv::test {

inline CCurve Curve(std::initializer_list<Point> pts, std::int32_t kind = kDrawn) {
    CCurve c;
    c.points = pts;
    c.kind = kind;
    c.CalcBounds();
    return c;
}

// The view's window: 800 x 660 pixels, so the default 2000 mm paper fits at
// z = 600 / 80000.
class ViewBench {
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 660;

    explicit ViewBench(Edition edition = Edition::TwoHead) : station(edition) {
        station.settings.Edit([this](AppSettings& s) {
            s.ProgramDir = dir.path().toStdString() + "/";
            s.HzFontPath = s.ProgramDir + "fon_hz.bin";
            s.EnFontPath = s.ProgramDir + "fon_en.bin";
        });
        station.messages = [this](const std::string& m) { messages.push_back(m); };
    }

    // Adds a job holding `curves` (bounds computed) and returns its page.
    COnePage& AddJob(std::vector<CCurve> curves, const std::string& name = "job.plt") {
        auto page = std::make_unique<COnePage>();
        page->fileName = name;
        page->filePath = dir.filePath(QString::fromStdString(name)).toStdString();
        page->curves = std::move(curves);
        page->CalcBounds();
        station.jobs.OpenedJobs.push_back(std::move(page));
        return *station.jobs.OpenedJobs.back();
    }

    // Creates the edition's view, shows it at the fixed size and shows job 0.
    ui::CPelvaneView& Open() {
        view.reset(ui::CreateDrawingView(station));
        view->resize(kWidth, kHeight);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get())) qWarning("the view was not exposed");
        view->ShowJob(0);
        return *view;
    }

    COnePage& Page() { return *station.jobs.JobAt(0); }
    // The pixel of a drawing point in the view.
    QPoint At(std::int32_t x, std::int32_t y) const {
        const PixelPoint p = view->Mapping().ToPixel({x, y});
        return {p.x, p.y};
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::mousePress(view.get(), Qt::LeftButton, mods, from);
        QTest::mouseMove(view.get(), (from + to) / 2);
        QTest::mouseMove(view.get(), to);
        QTest::mouseRelease(view.get(), Qt::LeftButton, mods, to);
    }
    std::vector<int> Selected() {
        std::vector<int> out;
        for (std::size_t i = 0; i < Page().curves.size(); ++i)
            if (Page().curves[i].selected != 0) out.push_back(static_cast<int>(i));
        return out;
    }

    QTemporaryDir dir;
    Station station;
    std::vector<std::string> messages;
    std::unique_ptr<ui::CPelvaneView> view;
};

// Closes the next message box that opens (from the event loop) and keeps its
// text.
class BoxCloser {
public:
    BoxCloser() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.push_back(box->text());
                box->accept();
            }
        });
        timer_.start();
    }
    QStringList texts;

private:
    QTimer timer_;
};

}  // namespace pv::test
