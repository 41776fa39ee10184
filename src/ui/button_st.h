#pragma once
// A push button of the button bar: an icon (and a second icon for the pushed
// or checked look), a caption under it and a tooltip.  It tells its parent of
// every left-button press and release, which the jog buttons need: the
// carriage and the paper move while the button is held.
#include <QIcon>
#include <QToolButton>

namespace pv::ui {

class CButtonST : public QToolButton {
    Q_OBJECT
public:
    CButtonST(int id, QWidget* parent = nullptr);

    int id() const { return id_; }
    // The icon for the normal look and, when given, the pushed one.
    void SetIcons(const QIcon& normal, const QIcon& pushed = QIcon());
    // Shows the pushed icon (a tool that is the current one, a checked box).
    void SetPushedLook(bool pushed);
    bool PushedLook() const { return pushed_; }

signals:
    // Every left press (true) and release (false) of the button.
    void pressReleased(int id, bool pressed);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int id_;
    QIcon normal_;
    QIcon pushedIcon_;
    bool pushed_ = false;
};

}  // namespace pv::ui
