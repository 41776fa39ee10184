// The drawing view's commands on a small page: what each does to the page,
// when the job list is refreshed and when an undo snapshot is taken.
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "ui/command_ids.h"
#include "ui/view_context_menu.h"
#include "view_test_fixture.h"

using namespace pv;
using namespace pv::ui;
using pv::test::Curve;
using pv::test::ViewBench;

namespace {

// Drawn line 0 and cut line 2 selected; a cut square, a drawn zigzag.
std::vector<CCurve> SmallPage() {
    std::vector<CCurve> c;
    c.push_back(Curve({{4000, 4000}, {20000, 4000}}));                                         // 0 drawn, selected
    c.push_back(Curve({{4000, 8000}, {8000, 8000}, {8000, 12000}, {4000, 12000}, {4000, 8000}}, kFullCut));
    c.push_back(Curve({{10000, 8000}, {30000, 8000}}, kFullCut));                              // 2 cut, selected
    c.push_back(Curve({{10000, 20000}, {14000, 20000}, {14000, 24000}}));                     // 3 drawn corner
    c[0].selected = 1;
    c[2].selected = 1;
    return c;
}

int CountKind(const COnePage& p, int kind) {
    int n = 0;
    for (const CCurve& c : p.curves) n += c.kind == kind;
    return n;
}

}  // namespace

class ViewCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void eachCommandChangesThePageAsItShould();
    void theDeleteKeyActsWhenReleased();
    void undoAndRedoRestoreThePageAndRefreshTheList();
    void promptsCanBeCancelled();
    void theContextMenuCarriesTheCommands();
    void aRightClickOpensTheMenuAndRunsTheChosenCommand();
};

void ViewCommandsTest::eachCommandChangesThePageAsItShould() {
    const struct Case {
        const char* name;
        int id;
        double answer;              // the number prompt's answer
        bool refreshesList;
        std::function<void(const COnePage&, const Station&)> check;
    } table[] = {
        {"select all", kCmdSelectAll, 0, false,
         [](const COnePage& p, const Station&) {
             for (const CCurve& c : p.curves) QCOMPARE(c.selected, 1);
         }},
        {"to drawn: selected become drawn, drawn sorted first", kCmdToDrawn, 0, false,
         [](const COnePage& p, const Station&) {
             QCOMPARE(CountKind(p, kDrawn), 3);
             QCOMPARE(p.curves.back().kind, kFullCut);
             QCOMPARE(p.curves[1].points.front(), (Point{10000, 8000}));
         }},
        {"to cut: selected become cut, cut sorted first", kCmdToCut, 0, false,
         [](const COnePage& p, const Station&) {
             QCOMPARE(CountKind(p, kFullCut), 3);
             QCOMPARE(p.curves[0].points.front(), (Point{4000, 4000}));
             QCOMPARE(p.curves[0].kind, kFullCut);
             QCOMPARE(p.curves.back().kind, kDrawn);
         }},
        {"rotate 90", kCmdRotate90, 0, true,
         [](const COnePage& p, const Station&) {
             // (x, y) -> (maxY - y, x) with maxY 24000.
             QCOMPARE(p.curves[0].points.front(), (Point{20000, 4000}));
         }},
        {"manual paging at 400 mm", kCmdManualYPaging, 400, true,
         [](const COnePage& p, const Station&) {
             // Everything above 16000 units moves to a second strip right of the drawing.
             QVERIFY(p.maxY <= 16000);
             QVERIFY(p.maxX > 30000 + 1200);
         }},
        {"delete drawn", kCmdDeletePlot, 0, false,
         [](const COnePage& p, const Station&) {
             QCOMPARE(CountKind(p, kDrawn), 0);
             QCOMPARE(p.curves.size(), std::size_t{2});
             QCOMPARE(p.maxX, 30000);
         }},
        {"delete cut", kCmdDeleteCut, 0, false,
         [](const COnePage& p, const Station&) {
             QCOMPARE(p.curves.size(), std::size_t{2});
             QCOMPARE(CountKind(p, kFullCut), 0);
             QCOMPARE(p.maxX, 20000);
         }},
        {"delete selected", kCmdDeleteSelected, 0, false,
         [](const COnePage& p, const Station&) {
             QCOMPARE(p.curves.size(), std::size_t{2});
             QCOMPARE(p.maxX, 14000);
         }},
        {"move to origin", kCmdMoveToOrigin, 0, true,
         [](const COnePage& p, const Station&) {
             QCOMPARE(p.minX, 0);
             QCOMPARE(p.minY, 0);
             QCOMPARE(p.curves[0].points.front(), (Point{0, 0}));
         }},
        {"break by angle at 45 degrees", kCmdBreakByAngle, 45, false,
         [](const COnePage& p, const Station& s) {
             // The first selected curve (a straight line) has no corner: nothing breaks.
             QCOMPARE(p.curves.size(), std::size_t{4});
             QCOMPARE(s.settings.Get().BreakAngle, 45);
         }},
        {"reverse selected", kCmdReverse, 0, false,
         [](const COnePage& p, const Station&) {
             QCOMPARE(p.curves[0].points.front(), (Point{20000, 4000}));
             QCOMPARE(p.curves[2].points.front(), (Point{30000, 8000}));
             QCOMPARE(p.curves[3].points.front(), (Point{10000, 20000}));
         }},
        {"dotted cuts (DotDist 5 mm: 200 units, dots of 32)", kCmdMakeDotted, 0, true,
         [](const COnePage& p, const Station&) {
             int fullDots = 0;
             for (const CCurve& c : p.curves) {
                 if (c.kind != kDot) continue;
                 const double len = Distance(c.points.front(), c.points.back());
                 QVERIFY(len <= 32.5);
                 fullDots += len > 31.5;
             }
             QVERIFY(fullDots >= 100);   // 900 mm of cut, a dot every 5 mm: about 180
         }},
        {"over-cuts and lead-ins", kCmdLeadIns, 0, false,
         [](const COnePage& p, const Station&) {
             // The 1 mm start cut goes first.
             QCOMPARE(p.curves[0].points, (std::vector<Point>{{0, 0}, {0, 40}}));
             QCOMPARE(p.curves[0].kind, kFullCut);
         }},
        {"recognition: the closed square becomes an outline", kCmdFindOutlines, 0, false,
         [](const COnePage& p, const Station&) {
             int outlines = 0;
             for (const CCurve& c : p.curves) outlines += c.role == kRoleOutline;
             QCOMPARE(outlines, 1);
         }},
    };
    for (const Case& t : table) {
        ViewBench b;
        b.station.settings.Edit([](AppSettings& s) { s.DotDist = 50; });
        b.AddJob(SmallPage());
        CPelvaneView& v = b.Open();
        v.SetNumberPrompt([&](const QString&, double& value) {
            value = t.answer;
            return true;
        });
        QSignalSpy refreshed(&v, &CPelvaneView::jobsChanged);
        const std::size_t snapshots = b.station.undo.Count();
        QVERIFY2(v.HandleCommand(t.id), t.name);
        t.check(b.Page(), b.station);
        QVERIFY2((refreshed.count() > 0) == t.refreshesList, t.name);
        const bool edits = t.id != kCmdSelectAll;
        QVERIFY2((b.station.undo.Count() > snapshots) == edits, t.name);
    }
}

void ViewCommandsTest::theDeleteKeyActsWhenReleased() {
    ViewBench b;
    b.AddJob(SmallPage());
    CPelvaneView& v = b.Open();
    QTest::keyPress(&v, Qt::Key_Delete);
    QCOMPARE(b.Page().curves.size(), std::size_t{4});
    QTest::keyRelease(&v, Qt::Key_Delete);
    QCOMPARE(b.Page().curves.size(), std::size_t{2});
    // Ctrl+1 converts the selection: the cut square becomes drawn.
    b.Page().curves[0].selected = 1;
    QTest::keyClick(&v, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(CountKind(b.Page(), kFullCut), 0);
}

void ViewCommandsTest::undoAndRedoRestoreThePageAndRefreshTheList() {
    ViewBench b;
    b.AddJob(SmallPage());
    CPelvaneView& v = b.Open();
    b.station.PushUndoSnapshot();   // the state before the edit
    QVERIFY(v.HandleCommand(kCmdDeleteCut));
    QCOMPARE(b.Page().curves.size(), std::size_t{2});
    QSignalSpy refreshed(&v, &CPelvaneView::jobsChanged);
    QTest::keyClick(&v, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(b.Page().curves.size(), std::size_t{4});
    QCOMPARE(refreshed.count(), 1);
    QVERIFY(v.HandleCommand(kCmdRedo));
    QCOMPARE(b.Page().curves.size(), std::size_t{2});
    QCOMPARE(refreshed.count(), 2);
    // The restored page is painted, not a stale picture of the old one.
    const QImage shot = v.grab().toImage();
    QCOMPARE(shot.pixelColor(b.At(6000, 12000)), QColor(0, 0, 0));   // the deleted square's top
}

void ViewCommandsTest::promptsCanBeCancelled() {
    ViewBench b;
    b.AddJob(SmallPage());
    CPelvaneView& v = b.Open();
    QString asked;
    v.SetNumberPrompt([&](const QString& prompt, double& value) {
        asked = prompt + " " + QString::number(value);
        return false;
    });
    const auto before = b.Page().curves;
    QVERIFY(v.HandleCommand(kCmdManualYPaging));
    QCOMPARE(asked, QStringLiteral("输入分页长度(mm): 1000"));
    QVERIFY(v.HandleCommand(kCmdBreakByAngle));
    QCOMPARE(asked, QStringLiteral("曲线打断角度(1~90度): 15"));
    QCOMPARE(b.Page().curves.size(), before.size());
    QCOMPARE(b.station.settings.Get().BreakAngle, 15);
    b.station.settings.Edit([](AppSettings& s) { s.Language = 1; });
    QVERIFY(v.HandleCommand(kCmdManualYPaging));
    QCOMPARE(asked, QStringLiteral("Input Page Len(mm): 1000"));
    // A strip height of 0 pages nothing.
    v.SetNumberPrompt([](const QString&, double& value) { value = 0; return true; });
    QVERIFY(v.HandleCommand(kCmdManualYPaging));
    QCOMPARE(b.Page().curves.size(), before.size());
    // Not a view command; and no page shown is no failure.
    QVERIFY(!v.HandleCommand(kCmdStart));
    QVERIFY(!v.HandleCommand(kCmdTestDotted4));
    v.ShowJob(5);
    QVERIFY(v.HandleCommand(kCmdRotate90));
}

void ViewCommandsTest::theContextMenuCarriesTheCommands() {
    ViewContextMenu two(Edition::TwoHead);
    for (const int id : {kCmdSelectAll, kCmdUndo, kCmdRedo, kCmdFindOutlines, kCmdToDrawn, kCmdToCut, kCmdRotate90,
                         kCmdManualYPaging, kCmdDeletePlot, kCmdDeleteCut, kCmdDeleteSelected, kCmdMoveToOrigin,
                         kCmdBreakByAngle, kCmdReverse})
        QVERIFY2(two.ActionFor(id) != nullptr, qPrintable(QString::number(id)));
    QCOMPARE(two.ActionFor(kCmdToDrawn)->text(), QStringLiteral("转换为绘图\tCtrl+1"));
    QVERIFY(two.ActionFor(kCmdTestDotted4) == nullptr);
    ViewContextMenu four(Edition::FourHead);
    QVERIFY(four.ActionFor(kCmdTestDotted4) != nullptr);
    QCOMPARE(four.ActionFor(kCmdTestDotted4)->text(), QStringLiteral("Test"));
}

void ViewCommandsTest::aRightClickOpensTheMenuAndRunsTheChosenCommand() {
    ViewBench b;
    b.AddJob(SmallPage());
    CPelvaneView& v = b.Open();
    int menus = 0;
    QTimer chooser;
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<ViewContextMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        ++menus;
        menu->setActiveAction(menu->ActionFor(kCmdSelectAll));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    chooser.start(10);
    QTest::mouseClick(&v, Qt::RightButton, Qt::NoModifier, QPoint(300, 300));
    QCOMPARE(menus, 1);
    QCOMPARE(b.Selected(), (std::vector<int>{0, 1, 2, 3}));
    // A right drag pans and opens no menu.
    QTest::mousePress(&v, Qt::RightButton, Qt::NoModifier, QPoint(300, 300));
    QTest::mouseMove(&v, QPoint(303, 300));
    QTest::mouseRelease(&v, Qt::RightButton, Qt::NoModifier, QPoint(303, 300));
    QCOMPARE(menus, 1);
    QCOMPARE(v.Mapping().sx0, -3);
}

QTEST_MAIN(ViewCommandsTest)
#include "view_commands_test.moc"
