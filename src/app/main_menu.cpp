#include "app/main_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "ui/command_ids.h"

namespace pv::app {

using namespace pv::ui;

#define TR(s) QT_TRANSLATE_NOOP("MainMenu", s)

namespace {

std::vector<MenuDef> TwoHeadMenu() {
    return {
        {TR("文件(&F)"), {{kCmdSavePlt, TR("保存"), "", false}, {0, "", "", false}, {kCmdExit, TR("退出"), "", false}}},
        {TR("调机文件(&T)"),
         {{800, "10x10.plt", "", false},
          {801, "20x20.plt", "", false},
          {802, "30x30.plt", "", false},
          {803, "40x40.plt", "", false},
          {804, "50x50.plt", "", false},
          {805, "100x100.plt", "", false}}},
        {TR("编辑(&E)"), {{kCmdUndo, TR("撤销"), "Ctrl+Z", false}, {kCmdRedo, TR("重做"), "Ctrl+Y", false}}},
        {TR("设置(&S)"),
         {{kCmdParameters, TR("参数"), "", false},
          {kCmdPltUnit, TR("绘图单位"), "", false},
          {kCmdInkStatistics, TR("墨量统计"), "", false}}},
        {TR("视图(&V)"),
         {{kCmdFit, TR("适合屏幕"), "", false}, {kCmdToggleBar, TR("工具栏"), "", true}, {kCmdHide, TR("隐藏"), "", false}}},
        {TR("通讯端口(&C)"), {{kCmdEthernet, TR("网口"), "", true}, {kCmdUsb, "USB", "", true}}},
        {TR("语言(&L)"),
         {{kCmdLangChinese, "简体中文", "", true},
          {kCmdLangEnglish, "English", "", true},
          {kCmdLangPolish, "波兰语Polski", "", true},
          {kCmdLangRussian, "俄语Русский язык", "", true},
          {kCmdLangTurkish, "土耳其语Türkçe", "", true},
          {kCmdLangUkrainian, "乌克兰语Українська", "", true},
          {kCmdLangVietnamese, "越南语Tiếng Việt", "", true}}},
        {TR("帮助(&H)"), {{kCmdAbout, TR("关于(&A)..."), "", false}, {kCmdFirmware, TR("固件更新(&U)"), "", false}}},
    };
}

// The four-head menu has no test patterns and no ink statistics, gives its
// transport, unit and firmware items other ids, and offers three languages.
std::vector<MenuDef> FourHeadMenu() {
    return {
        {TR("文件(&F)"), {{kCmdSavePlt, TR("保存"), "", false}, {0, "", "", false}, {kCmdExit, TR("退出"), "", false}}},
        {TR("编辑(&E)"), {{kCmdUndo, TR("撤销"), "Ctrl+Z", false}, {kCmdRedo, TR("重做"), "Ctrl+Y", false}}},
        {TR("设置(&S)"), {{kCmdParameters, TR("参数"), "", false}, {kCmdPltUnit4, TR("绘图单位"), "", false}}},
        {TR("视图(&V)"),
         {{kCmdFit, TR("适合屏幕"), "", false}, {kCmdToggleBar, TR("工具栏"), "", true}, {kCmdHide, TR("隐藏"), "", false}}},
        {TR("通讯端口(&C)"), {{kCmdEthernet4, TR("网口"), "", true}, {kCmdUsb4, "USB", "", true}}},
        {TR("语言(&L)"),
         {{kCmdLangChinese, "简体中文", "", true},
          {kCmdLangEnglish, "English", "", true},
          {kCmdLangTurkish, "土耳其语Türkçe", "", true}}},
        {TR("帮助(&H)"), {{kCmdAbout, TR("关于(&A)..."), "", false}, {kCmdFirmware4, TR("固件更新(&U)"), "", false}}},
    };
}

}  // namespace

const std::vector<MenuDef>& MainMenu::Table(Edition edition) {
    static const std::vector<MenuDef> two = TwoHeadMenu();
    static const std::vector<MenuDef> four = FourHeadMenu();
    return IsFourHead(edition) ? four : two;
}

MainMenu::MainMenu(Edition edition, QMenuBar* bar, QObject* parent) : QObject(parent) {
    for (const MenuDef& def : Table(edition)) {
        QMenu* menu = bar->addMenu(QCoreApplication::translate("MainMenu", def.title));
        for (const MenuItem& item : def.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QCoreApplication::translate("MainMenu", item.text));
            action->setCheckable(item.checkable);
            if (*item.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            connect(action, &QAction::triggered, this, [this, id = item.id] { emit triggered(id); });
            actions_.insert(item.id, action);
        }
    }
}

void MainMenu::SetChecked(int id, bool checked) {
    if (QAction* a = actions_.value(id)) a->setChecked(checked);
}

}  // namespace pv::app
