#include "ui/button_st.h"

#include <QMouseEvent>

namespace pv::ui {

CButtonST::CButtonST(int id, QWidget* parent) : QToolButton(parent), id_(id) {
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(32, 32));
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void CButtonST::SetIcons(const QIcon& normal, const QIcon& pushed) {
    normal_ = normal;
    pushedIcon_ = pushed;
    SetPushedLook(pushed_);
}

void CButtonST::SetPushedLook(bool pushed) {
    pushed_ = pushed;
    setIcon(pushed && !pushedIcon_.isNull() ? pushedIcon_ : normal_);
    setDown(false);
}

void CButtonST::mousePressEvent(QMouseEvent* event) {
    QToolButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit pressReleased(id_, true);
}

void CButtonST::mouseReleaseEvent(QMouseEvent* event) {
    // The release is told before the click, so a jog stops before anything
    // the click starts.
    if (event->button() == Qt::LeftButton) emit pressReleased(id_, false);
    QToolButton::mouseReleaseEvent(event);
}

}  // namespace pv::ui
