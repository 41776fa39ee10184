#include "app/main_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "ui/command_ids.h"

namespace pv::app {

using namespace pv::ui;


namespace {

std::vector<MenuDef> TwoHeadMenu() {
    return {
        {QT_TRANSLATE_NOOP("MainMenu", "文件(&F)"), {{kCmdSavePlt, QT_TRANSLATE_NOOP("MainMenu", "保存"), "", false}, {0, "", "", false}, {kCmdExit, QT_TRANSLATE_NOOP("MainMenu", "退出"), "", false}}},
        {QT_TRANSLATE_NOOP("MainMenu", "调机文件(&T)"),
         {{800, "10x10.plt", "", false},
          {801, "20x20.plt", "", false},
          {802, "30x30.plt", "", false},
          {803, "40x40.plt", "", false},
          {804, "50x50.plt", "", false},
          {805, "100x100.plt", "", false}}},
        {QT_TRANSLATE_NOOP("MainMenu", "编辑(&E)"), {{kCmdUndo, QT_TRANSLATE_NOOP("MainMenu", "撤销"), "Ctrl+Z", false}, {kCmdRedo, QT_TRANSLATE_NOOP("MainMenu", "重做"), "Ctrl+Y", false}}},
        {QT_TRANSLATE_NOOP("MainMenu", "设置(&S)"),
         {{kCmdParameters, QT_TRANSLATE_NOOP("MainMenu", "参数"), "", false},
          {kCmdPltUnit, QT_TRANSLATE_NOOP("MainMenu", "绘图单位"), "", false},
          {kCmdInkStatistics, QT_TRANSLATE_NOOP("MainMenu", "墨量统计"), "", false}}},
        {QT_TRANSLATE_NOOP("MainMenu", "视图(&V)"),
         {{kCmdFit, QT_TRANSLATE_NOOP("MainMenu", "适合屏幕"), "", false}, {kCmdToggleBar, QT_TRANSLATE_NOOP("MainMenu", "工具栏"), "", true}, {kCmdHide, QT_TRANSLATE_NOOP("MainMenu", "隐藏"), "", false}, {kCmdHistory, QT_TRANSLATE_NOOP("MainMenu", "打印记录"), "", false}}},
        {QT_TRANSLATE_NOOP("MainMenu", "通讯端口(&C)"), {{kCmdEthernet, QT_TRANSLATE_NOOP("MainMenu", "网口"), "", true}, {kCmdUsb, "USB", "", true}, {kCmdVirtualPlotter, QT_TRANSLATE_NOOP("MainMenu", "虚拟绘图仪"), "", true}}},
        {QT_TRANSLATE_NOOP("MainMenu", "语言(&L)"),
         {{kCmdLangChinese, "简体中文", "", true},
          {kCmdLangEnglish, "English", "", true},
          {kCmdLangPolish, "波兰语Polski", "", true},
          {kCmdLangRussian, "俄语Русский язык", "", true},
          {kCmdLangTurkish, "土耳其语Türkçe", "", true},
          {kCmdLangUkrainian, "乌克兰语Українська", "", true},
          {kCmdLangVietnamese, "越南语Tiếng Việt", "", true}}},
        {QT_TRANSLATE_NOOP("MainMenu", "帮助(&H)"), {{kCmdAbout, QT_TRANSLATE_NOOP("MainMenu", "关于(&A)..."), "", false}, {kCmdFirmware, QT_TRANSLATE_NOOP("MainMenu", "固件更新(&U)"), "", false}}},
    };
}

// The four-head menu has no test patterns and no ink statistics, gives its
// transport, unit and firmware items other ids, and offers three languages.
std::vector<MenuDef> FourHeadMenu() {
    return {
        {QT_TRANSLATE_NOOP("MainMenu", "文件(&F)"), {{kCmdSavePlt, QT_TRANSLATE_NOOP("MainMenu", "保存"), "", false}, {0, "", "", false}, {kCmdExit, QT_TRANSLATE_NOOP("MainMenu", "退出"), "", false}}},
        {QT_TRANSLATE_NOOP("MainMenu", "编辑(&E)"), {{kCmdUndo, QT_TRANSLATE_NOOP("MainMenu", "撤销"), "Ctrl+Z", false}, {kCmdRedo, QT_TRANSLATE_NOOP("MainMenu", "重做"), "Ctrl+Y", false}}},
        {QT_TRANSLATE_NOOP("MainMenu", "设置(&S)"), {{kCmdParameters, QT_TRANSLATE_NOOP("MainMenu", "参数"), "", false}, {kCmdPltUnit4, QT_TRANSLATE_NOOP("MainMenu", "绘图单位"), "", false}}},
        {QT_TRANSLATE_NOOP("MainMenu", "视图(&V)"),
         {{kCmdFit, QT_TRANSLATE_NOOP("MainMenu", "适合屏幕"), "", false}, {kCmdToggleBar, QT_TRANSLATE_NOOP("MainMenu", "工具栏"), "", true}, {kCmdHide, QT_TRANSLATE_NOOP("MainMenu", "隐藏"), "", false}, {kCmdHistory, QT_TRANSLATE_NOOP("MainMenu", "打印记录"), "", false}}},
        {QT_TRANSLATE_NOOP("MainMenu", "通讯端口(&C)"), {{kCmdEthernet4, QT_TRANSLATE_NOOP("MainMenu", "网口"), "", true}, {kCmdUsb4, "USB", "", true}, {kCmdVirtualPlotter, QT_TRANSLATE_NOOP("MainMenu", "虚拟绘图仪"), "", true}}},
        {QT_TRANSLATE_NOOP("MainMenu", "语言(&L)"),
         {{kCmdLangChinese, "简体中文", "", true},
          {kCmdLangEnglish, "English", "", true},
          {kCmdLangTurkish, "土耳其语Türkçe", "", true}}},
        {QT_TRANSLATE_NOOP("MainMenu", "帮助(&H)"), {{kCmdAbout, QT_TRANSLATE_NOOP("MainMenu", "关于(&A)..."), "", false}, {kCmdFirmware4, QT_TRANSLATE_NOOP("MainMenu", "固件更新(&U)"), "", false}}},
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
