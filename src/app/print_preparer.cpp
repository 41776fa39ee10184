#include "app/print_preparer.h"

#include <QApplication>
#include <QCursor>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "app/window_host.h"
#include "jobs/station.h"
#include "ui/color_status_bar.h"

namespace pv::app {

void PrintPreparer::ShowProgress(int percent) const {
    if (!status_) return;
    const QString text = station_.Language() == 0 ? QString::fromUtf8("正在准备打印… %1%").arg(percent)
                                                  : QStringLiteral("Preparing the print… %1%").arg(percent);
    status_->SetPaneColorText(ui::CColorStatusBar::kPointer, text, QColor(Qt::black));
}

bool PrintPreparer::Run(const std::function<void()>& work) const {
    if (host_.Closing()) return false;
    const QString pointerText = status_ ? status_->PaneText(ui::CColorStatusBar::kPointer) : QString();
    const QColor pointerColour = status_ ? status_->PaneColour(ui::CColorStatusBar::kPointer) : QColor();
    host_.HoldMessages(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    std::mutex m;
    std::condition_variable cv;
    bool done = false;
    {
        std::jthread worker([&] {
            work();
            const std::lock_guard lock(m);
            done = true;
            cv.notify_one();
        });
        int shown = -1;
        // The events are pumped by hand, not by a nested loop: a nested loop
        // returns at once once the application's loop has been told to end
        // (a signal closing the window), and the worker must still be waited
        // for.  The operator's input stays queued until the print has started
        // or failed.
        for (;;) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            const int percent = percent_.load();
            if (percent != shown) {
                ShowProgress(percent);
                shown = percent;
            }
            std::unique_lock lock(m);
            if (cv.wait_for(lock, std::chrono::milliseconds(5), [&] { return done; })) break;
        }
    }

    QApplication::restoreOverrideCursor();
    if (status_) status_->SetPaneColorText(ui::CColorStatusBar::kPointer, pointerText, pointerColour);
    host_.HoldMessages(false);
    return !host_.Closing() && !station_.link.stopRequested.load();
}

}  // namespace pv::app
