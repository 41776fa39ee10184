#pragma once
// The status bar of the main window: six panes drawn by the program (five
// in the four-head edition, which has no ink pane) with the pointer over the
// drawing, the machine's state and print progress, the carriage, the
// machine's address, this computer's addresses and the ink left.  The
// window's 500 ms timer calls the Show functions; the view feeds the pointer.
#include <vector>

#include <QStatusBar>

namespace pv {
class Station;
}

namespace pv::ui {

class CColorPane;

class CColorStatusBar : public QStatusBar {
    Q_OBJECT
public:
    enum Pane : int { kPointer = 0, kMachineState = 1, kCarriage = 2, kMachineIp = 3, kLocalIp = 4, kInk = 5 };

    // The station is read (status, band counts, settings, parameters); the
    // only thing written is the carriage's "new value" flag once it is shown.
    explicit CColorStatusBar(Station& station, QWidget* parent = nullptr);

    int PaneCount() const { return int(panes_.size()); }
    // A pane out of range is ignored.
    void SetPaneColorText(int pane, const QString& text, const QColor& colour);

public slots:
    // x, y in plotter units (1/40 mm).
    void ShowPointerPosition(int x, int y);
    // True while the machine works (state 3): the window then has the view
    // outline the band in progress.
    bool ShowMachineState();
    void ShowCarriagePosition();
    void ShowMachineIP();
    void ShowInk();
    void ShowLocalAddresses(const QString& addressText);

public:
    // For the window's tests and its own checks.
    QString PaneText(int pane) const;
    QColor PaneColour(int pane) const;
    // The width the pane asks for; it is given less when the bar is too
    // narrow for every pane's wish (its text is then cut short with "…").
    int PaneWidth(int pane) const;
    // The width a pane is given for `text` (pixels, in the bar's font):
    // pointer 200, machine state and ink 2 × the text's width, the others
    // 1.2 ×.
    int WidthFor(int pane, const QString& text) const;

private:
    void SetPane(int pane, const QString& text, const QColor& colour);
    int Language() const;

    Station& station_;
    std::vector<CColorPane*> panes_;
};

}  // namespace pv::ui
