#include "ui/view_context_menu.h"

#include "ui/command_ids.h"

namespace pv::ui {

ViewContextMenu::ViewContextMenu(Edition edition, QWidget* parent) : QMenu(parent) {
    Add(this, kCmdSelectAll, QT_TR_NOOP("全选"));
    Add(this, kCmdUndo, QT_TR_NOOP("撤销\tCtrl+Z"));
    Add(this, kCmdRedo, QT_TR_NOOP("重做\tCtrl+Y"));
    addSeparator();
    Add(this, kCmdFindOutlines, QT_TR_NOOP("识别图形外轮廓"));
    Add(this, kCmdToDrawn, QT_TR_NOOP("转换为绘图\tCtrl+1"));
    Add(this, kCmdToCut, QT_TR_NOOP("转换为切割\tCtrl+2"));
    addSeparator();
    Add(this, kCmdRotate90, QT_TR_NOOP("旋转90度"));
    Add(this, kCmdManualYPaging, QT_TR_NOOP("Y向(纸宽方向)手动分页"));
    QMenu* remove = addMenu(tr("删除"));
    Add(remove, kCmdDeletePlot, QT_TR_NOOP("喷墨数据"));
    Add(remove, kCmdDeleteCut, QT_TR_NOOP("切割数据"));
    Add(this, kCmdDeleteSelected, QT_TR_NOOP("删除所选\tDelete"));
    Add(this, kCmdMoveToOrigin, QT_TR_NOOP("图形平移至左下角"));
    Add(this, kCmdBreakByAngle, QT_TR_NOOP("曲线按角度打断\tCtrl+D"));
    Add(this, kCmdReverse, QT_TR_NOOP("曲线反向"));
    if (IsFourHead(edition)) {
        addSeparator();
        Add(this, kCmdTestDotted4, "Test");
    }
}

QAction* ViewContextMenu::Add(QMenu* menu, int id, const char* text) {
    QAction* a = menu->addAction(tr(text));
    a->setData(id);
    return a;
}

QAction* ViewContextMenu::ActionFor(int id) const {
    for (QAction* a : findChildren<QAction*>())
        if (a->data().toInt() == id && !a->menu()) return a;
    return nullptr;
}

int ViewContextMenu::CommandOf(const QAction* action) { return action ? action->data().toInt() : 0; }

}  // namespace pv::ui
