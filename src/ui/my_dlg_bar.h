#pragma once
// The button bar docked on top of the main window: files, print control, jog
// buttons, head test, cut-off, knife, fan and automatic start, the dialogs,
// and (two-head edition) the drawing tools of the view.  Its machine
// commands only ever go into the command queue, most of them only while the
// machine is ready; the jog codes go in whatever the state.
#include <QMap>
#include <QWidget>

class QCheckBox;
class QLabel;

namespace pv {
class Station;
}

namespace pv::ui {

class CButtonST;

class CMyDlgBar : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Button, Check, AutoCheck, Picture, Note };
    struct Control {
        int id;
        const char* caption;   // translated through the bar's context
        const char* tipZh;     // no tooltip when empty
        const char* tipEn;
        const char* icon;      // resource name under :/icons/, or empty
        Kind kind;
    };
    // The controls of the edition's bar, left to right.
    static const std::vector<Control>& Controls(bool fourHead);

    explicit CMyDlgBar(Station& station, QWidget* parent = nullptr);

    // The commands the bar carries out itself: start, pause, stop, reset,
    // test, cut-off, knife, fan, automatic start, the drawing tools and the
    // four-head language step.  False for every other command.
    bool HandleCommand(int id);
    // The automatic start was switched off from elsewhere (a failed print).
    void SetAutoStartChecked(bool on);
    // 0 move view, 1 select, 2 move line, 3 start point, 4 add text.
    int CurrentTool() const { return tool_; }
    QWidget* ControlWidget(int id) const { return widgets_.value(id); }

signals:
    // A control was clicked: the main window routes the command (to this bar
    // first).
    void command(int id);
    void toolChanged(int tool);
    // The Start button began a print: the list shows it printing.
    void redrawListRequested();

private:
    QWidget* MakeControl(const Control& c);
    void OnPressRelease(int id, bool pressed);
    void Start();
    void SetTool(int tool);
    void RefreshToolIcons();
    void Push(int code);
    int State() const;
    int Language() const;

    Station& station_;
    QMap<int, QWidget*> widgets_;
    int tool_ = 0;
};

}  // namespace pv::ui
