// Every translation file of both editions, loaded as the program loads it:
// no menu, button-bar control, list column or list-menu entry, status pane,
// parameter tab or dialog text of the window may stay in Chinese.  The texts
// are read from the real widgets: the main window with its menu, bar, list
// and status bar, and each dialog opened offscreen, page by page.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/about_dlg.h"
#include "app/language_resources.h"
#include "app/main_frame.h"
#include "app/main_menu.h"
#include "app/training_dock.h"
#include "app/window_host.h"
#include "app/window_station.h"
#include "common/modal_util.h"
#include "settings/settings_store.h"
#include "ui/color_status_bar.h"
#include "ui/command_ids.h"
#include "ui/dlg_firm_update.h"
#include "ui/dlg_get_int_input.h"
#include "ui/dlg_get_pwd.h"
#include "ui/dlg_ivs.h"
#include "ui/dlg_offset.h"
#include "ui/dlg_para.h"
#include "ui/dlg_prop_text_add.h"
#include "ui/dlg_set_eth.h"
#include "ui/dlg_garment_sizes.h"
#include "ui/dlg_set_plt_unit.h"
#include "ui/my_dlg_bar.h"
#include "ui/my_list_view.h"
#include "ui/view_context_menu.h"

using namespace pv;
using namespace pv::app;

namespace {

struct Text {
    QString text;
    QString where;  // the dialog or window, the widget's class and name
};

class Texts {
public:
    // Texts written in their own language on purpose (the language menu).
    explicit Texts(QSet<QString> exempt) : exempt_(std::move(exempt)) {}

    void Add(const QString& text, const QString& where) {
        if (!text.isEmpty() && !exempt_.contains(text)) list_.push_back({text, where});
    }

    void AddMenu(const QMenu* menu, const QString& where) {
        Add(menu->title(), where);
        for (const QAction* a : menu->actions()) {
            if (a->menu()) {
                AddMenu(a->menu(), where + " > " + a->menu()->title());
                continue;
            }
            Add(a->text(), where + " > " + menu->title());
            Add(a->toolTip() == a->text() ? QString() : a->toolTip(), where + " > " + menu->title());
        }
    }

    // What the widgets under `root` show while `root` is open: captions,
    // labels, titles, tab labels, list entries and tooltips.
    void AddVisible(QWidget* root, const QString& name) {
        Add(root->windowTitle(), name + " (title)");
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(root)) continue;
            const QString where =
                name + " > " + w->metaObject()->className() + (w->objectName().isEmpty() ? "" : "#" + w->objectName());
            Add(w->toolTip(), where + " (tooltip)");
            if (auto* b = qobject_cast<QAbstractButton*>(w)) Add(b->text(), where);
            if (auto* l = qobject_cast<QLabel*>(w)) Add(l->text(), where);
            if (auto* g = qobject_cast<QGroupBox*>(w)) Add(g->title(), where);
            if (auto* e = qobject_cast<QLineEdit*>(w)) Add(e->placeholderText(), where);
            if (auto* t = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < t->count(); ++i) Add(t->tabText(i), where + " tab " + QString::number(i));
            if (auto* c = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < c->count(); ++i) Add(c->itemText(i), where);
            if (auto* l = qobject_cast<QListWidget*>(w))
                for (int i = 0; i < l->count(); ++i) Add(l->item(i)->text(), where);
        }
    }

    // A dialog shown offscreen; each page of a tab control in turn.
    void AddDialog(QWidget* dialog, const QString& name) {
        dialog->show();
        QTabWidget* tabs = dialog->findChild<QTabWidget*>();
        for (int i = 0; i < (tabs ? tabs->count() : 1); ++i) {
            if (tabs) tabs->setCurrentIndex(i);
            AddVisible(dialog, tabs ? name + " [" + tabs->tabText(i) + "]" : name);
        }
        dialog->close();
    }

    const std::vector<Text>& list() const { return list_; }

private:
    QSet<QString> exempt_;
    std::vector<Text> list_;
};

bool HasChinese(const QString& text) {
    static const QRegularExpression han(QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return han.match(text).hasMatch();
}

QSet<QString> LanguageNames(Edition edition) {
    QSet<QString> names;
    for (const MenuDef& menu : MainMenu::Table(edition))
        for (const MenuItem& item : menu.items)
            if (item.id >= ui::kCmdLangChinese && item.id <= ui::kCmdLangPolish)
                names.insert(QString::fromUtf8(item.text));
    return names;
}

void AddWindow(Texts& texts, CMainFrame& frame) {
    texts.Add(frame.windowTitle(), "main window (title)");
    for (QAction* a : frame.menuBar()->actions())
        if (a->menu()) texts.AddMenu(a->menu(), "menu");
    texts.AddVisible(frame.bar(), "button bar");
    auto* list = frame.list();
    for (int c = 0; c < list->columnCount(); ++c)
        if (auto* h = list->horizontalHeaderItem(c)) texts.Add(h->text(), "job list column " + QString::number(c));
    std::unique_ptr<QMenu> listMenu(list->CreateContextMenu(list));
    texts.AddMenu(listMenu.get(), "job list menu");
    for (int pane = 0; pane < frame.status()->PaneCount(); ++pane)
        texts.Add(frame.status()->PaneText(pane), "status pane " + QString::number(pane));
}

void AddDialogs(Texts& texts, WindowStation& ws, QWidget* parent) {
    Station& s = ws.station;
    const bool four = IsFourHead(s.edition());
    const auto open = [&](QWidget* dialog, const QString& name) {
        std::unique_ptr<QWidget> owned(dialog);
        texts.AddDialog(dialog, name);
    };
    open(new ui::CDlgPara(s, parent), "parameter dialog");
    open(new ui::CDlgOffset(s, parent), "offset dialog");
    open(new ui::CDlgSetEth(s, {QStringLiteral("192.168.1.20")}, parent), "network dialog");
    open(new ui::CDlgGetIntInput(parent), "number prompt");
    open(new ui::CDlgGetPwd(parent), "password prompt");
    AppSettings settings = s.settings.Get();
    open(new ui::CDlgSetPltUnit(settings, parent), "PLT unit dialog");
    open(new ui::CDlgGarmentSizes(QStringLiteral("nest.dxf"), {QStringLiteral("S"), QStringLiteral("M")}, parent),
         "garment size list");
    open(new CAboutDlg(s.Language(), QStringLiteral("Pelvane"), QStringLiteral("/home/op/.local/share/Pelvane/"), parent), "About box");
    ui::ViewContextMenu viewMenu(s.edition(), parent);
    texts.AddMenu(&viewMenu, "view menu");
    if (four) return;
    open(new ui::CDlgIVS(s, parent), "ink statistics");
    open(new ui::CDlgFirmUpdate(ws.link.commu(), s.Language(), parent), "firmware dialog");
    CTextProp prop;
    open(new ui::CDlgPropTextAdd(prop, parent), "text dialog");
}

// The station's program folder in `home`, in interface language `language`.
void UseProgramDir(WindowStation& ws, const QString& home, int language) {
    ws.station.settings.Edit([&](AppSettings& s) {
        InitProgramPaths(s, home.toStdString());
        s.Language = language;
    });
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void noWindowTextStaysChinese_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("fourHead");
        QTest::addColumn<int>("language");
        const struct {
            const char* file;
            bool fourHead;
            int language;
        } rows[] = {
            {"DLL_EN", false, 1},      {"DLL_Turkey", false, 2},     {"Dll_Ukraine", false, 3},
            {"DLL_Russian", false, 4}, {"DLL_Vietnamese", false, 5}, {"DLL_Polish", false, 6},
            {"Dll4_EN", true, 1},      {"Dll4_Turkey", true, 2},     {"Dll4_Ukraine", true, 3},
            {"Dll4_Russian", true, 4},
        };
        for (const auto& r : rows) QTest::newRow(r.file) << QString::fromLatin1(r.file) << r.fourHead << r.language;
    }

    void noWindowTextStaysChinese() {
        QFETCH(QString, file);
        QFETCH(bool, fourHead);
        QFETCH(int, language);
        const Edition edition = fourHead ? Edition::FourHead : Edition::TwoHead;
        QCOMPARE(LanguageResources::FileName(language, edition), file + ".qm");
        LanguageTranslator translator;
        QVERIFY2(LanguageResources::Load(translator, language, edition, {PV_QM_DIR}), qPrintable(file));

        QTemporaryDir home;
        WindowHost host;
        WindowStation ws(edition, host);
        UseProgramDir(ws, home.path(), language);
        Texts texts(LanguageNames(edition));
        {
            CMainFrame frame(ws, host, QString());
            AddWindow(texts, frame);
            AddDialogs(texts, ws, &frame);
        }
        QCoreApplication::removeTranslator(&translator);

        // Enough texts were read to mean something: a broken walk finds none.
        QVERIFY2(texts.list().size() > 200, qPrintable(QString::number(texts.list().size())));
        for (const Text& t : texts.list())
            if (HasChinese(t.text)) QFAIL(qPrintable(QStringLiteral("%1: \"%2\"").arg(t.where, t.text)));
    }

    // On a 1280-pixel screen the window of every language stays on the
    // screen: long captions wrap the button bar onto further rows, they do
    // not widen the window and push its right end off.  Neither do the six
    // status panes while a print runs with the ink counted (they are cut
    // short), nor the training plotter's pane (it takes the room it is
    // given and leaves the list's File Name column in view), and the window
    // is no wider once the pane has gone.
    void windowFitsTheScreenWidth_data() {
        noWindowTextStaysChinese_data();
        QTest::newRow("Chinese") << QString() << false << 0;
        QTest::newRow("Chinese four-head") << QString() << true << 0;
    }

    void windowFitsTheScreenWidth() {
        QFETCH(QString, file);
        QFETCH(bool, fourHead);
        QFETCH(int, language);
        const Edition edition = fourHead ? Edition::FourHead : Edition::TwoHead;
        LanguageTranslator translator;
        if (!file.isEmpty()) QVERIFY(LanguageResources::Load(translator, language, edition, {PV_QM_DIR}));

        QTemporaryDir home;
        WindowHost host;
        WindowStation ws(edition, host);
        UseProgramDir(ws, home.path(), language);
        {
            constexpr int kScreenWidth = 1280;
            ws.station.settings.Edit([](AppSettings& a) { a.EnableInkVolumStatistic = 1; });
            CMainFrame frame(ws, host, QStringLiteral("(1)192.168.100.200 (2)10.100.200.201 (3)172.16.254.254 "));
            frame.SetCloseGrace(10);
            frame.training().SetSpeed(0);
            frame.resize(kScreenWidth, 800);
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            // A print at 12.5 %, as the status timer shows it.
            ws.station.link.status.online = true;
            ws.station.link.status.StoreReply(kStateWorking, 0);
            ws.station.output.BandCount = 8;
            ws.station.link.bandInProgress = 1;
            frame.status()->ShowMachineState();
            frame.status()->ShowMachineIP();
            frame.status()->ShowInk();
            frame.status()->ShowPointerPosition(1234567, 76543);
            QCoreApplication::processEvents();
            QVERIFY2(frame.width() <= kScreenWidth, qPrintable(QString::number(frame.width())));
            QVERIFY2(frame.minimumSizeHint().width() <= kScreenWidth,
                     qPrintable(QString::number(frame.minimumSizeHint().width())));
            {
                test::ModalAnswerer answer;
                QVERIFY(frame.training().Start());
                QCoreApplication::processEvents();
                QVERIFY2(frame.width() <= kScreenWidth, qPrintable(QString::number(frame.width())));
                pv::ui::CMyListView* list = frame.list();
                const int fileName = list->columnViewportPosition(7);
                QVERIFY2(fileName >= 0 && fileName + 40 < list->viewport()->width(),
                         qPrintable(QStringLiteral("File Name at %1 of %2").arg(fileName).arg(list->viewport()->width())));
                ws.station.link.status.StoreReply(kStateReady, 0);
                frame.training().Stop();
                QCoreApplication::processEvents();
                QVERIFY2(frame.width() <= kScreenWidth, qPrintable(QString::number(frame.width())));
            }
            QWidget* bar = frame.bar();
            const QRect inside = bar->rect();
            for (QWidget* w : bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (w->isHidden()) continue;
                const QRect r(w->mapTo(bar, QPoint(0, 0)), w->size());
                QVERIFY2(inside.contains(r), qPrintable(w->metaObject()->className() + QStringLiteral(" ") +
                                                        w->toolTip()));
            }
            // The four-head restart note under the language button is one
            // short line, not a column of single words.
            for (QLabel* note : bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
                if (!note->text().isEmpty())
                    QVERIFY2(note->height() < 2 * note->fontMetrics().lineSpacing(),
                             qPrintable(note->text() + ": " + QString::number(note->height()) + " px high"));
            // A few rows at most: the job list and the view keep the window.
            QVERIFY2(bar->height() < frame.height() / 4, qPrintable(QString::number(bar->height())));
        }
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
