// The job list view: columns per language, the rows it writes, its context
// menu per edition, the copies and start-position prompts, and the keys.
#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "jobs/station.h"
#include "common/modal_util.h"
#include "ui/command_ids.h"
#include "ui/my_list_view.h"

using namespace pv;
using pv::ui::CMyListView;

namespace {

COnePage& AddJob(Station& st, JobSource source, const std::string& path, std::int32_t maxX = 4000) {
    auto job = std::make_unique<COnePage>();
    job->filePath = path;
    job->fileName = Station::FileNameOf(path);
    job->maxX = maxX;
    job->maxY = 2000;
    COnePage& ref = *job;
    st.jobs.Collection(source).push_back(std::move(job));
    return ref;
}

void SelectRows(CMyListView& list, std::initializer_list<int> rows) {
    list.clearSelection();
    for (int r : rows)
        list.selectionModel()->select(list.model()->index(r, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// Types `text` into the number prompt and presses OK.
pv::test::ModalAnswerer::Handler Enter(const QString& text, QString* prompt = nullptr) {
    return [text, prompt](QDialog* d) {
        if (prompt) *prompt = d->findChild<QLabel*>("prompt")->text();
        d->findChild<QLineEdit*>("value")->setText(text);
        d->findChild<QPushButton*>("ok")->click();
    };
}

}  // namespace

class MyListViewTest : public QObject {
    Q_OBJECT
private slots:
    void columnsPerLanguage_data();
    void columnsPerLanguage();
    void rowsAndQueueMark();
    void contextMenuPerEdition();
    void copiesThroughPrompt();
    void startPositionThroughPrompt();
    void deleteReleaseRemovesSelected();
    void arrowReleaseSelectsWithoutLoading();
    void queueCommandsActOnSelection();
    void selectionSurvivesMakingARowCurrent();
};

void MyListViewTest::columnsPerLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("fourHead");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<bool>("centred");
    const QList<int> zhWidths{64, 120, 120, 160, 80, 100, 200, 500};
    const QList<int> otherWidths{64, 100, 120, 160, 80, 120, 200, 500};
    QTest::newRow("zh")
        << 0 << false
        << QStringList{"序号", "状态(排队)", "文件来源", "宽度*长度", "份数", "起始位置", "修改时间", "文件名"}
        << zhWidths << false;
    QTest::newRow("en four-head")
        << 1 << true
        << QStringList{"No.", "State(A)", "From", "Size(X*Y)mm", "Copies", "Start At", "MTime", "File Name"}
        << otherWidths << true;
    QTest::newRow("ru") << 4 << false
                        << QStringList{"пор. номер", "Статус (в очереди)", "добавлен файл", "Ширина * Длина",
                                       "копiй", "Начальная точка", "Изменён", "файл"}
                        << otherWidths << true;
    QTest::newRow("pl") << 6 << false
                        << QStringList{"No.", "Stan(A)", "źródło", "wymiary(X*Y)mm", "porcje", "punkt początkowy",
                                       "czas modyfikacji", "nazwa pliku"}
                        << otherWidths << true;
}

void MyListViewTest::columnsPerLanguage() {
    QFETCH(int, language);
    QFETCH(bool, fourHead);
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, widths);
    QFETCH(bool, centred);
    Station st(fourHead ? Edition::FourHead : Edition::TwoHead);
    st.settings.Edit([&](pv::AppSettings& s) { s.Language = language; });
    AddJob(st, JobSource::Opened, "/tmp/a.plt");
    CMyListView list(st);
    list.RefreshJobList();
    QCOMPARE(list.columnCount(), 8);
    const int align = centred ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < 8; ++c) {
        QCOMPARE(list.horizontalHeaderItem(c)->text(), titles[c]);
        QCOMPARE(list.columnWidth(c), widths[c]);
        QCOMPARE(list.horizontalHeaderItem(c)->textAlignment(), align);
        QCOMPARE(list.item(0, c)->textAlignment(), align);
    }
    QVERIFY(list.showGrid());
    QCOMPARE(list.selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(!list.isSortingEnabled());
    QVERIFY(!list.horizontalHeader()->sectionsClickable());
}

void MyListViewTest::rowsAndQueueMark() {
    for (int language : {0, 1}) {
        Station st(Edition::TwoHead);
        st.settings.Edit([&](pv::AppSettings& s) { s.Language = language; });
        AddJob(st, JobSource::Opened, "/tmp/a.plt").queued = 1;
        AddJob(st, JobSource::AutoDir, "/tmp/auto/b.plt").queued = 1;   // never marked
        AddJob(st, JobSource::ManDir, "/tmp/man/c.plt").listSelected = 1;
        CMyListView list(st);
        list.RefreshJobList();
        QCOMPARE(list.rowCount(), 3);
        QCOMPARE(list.item(0, 0)->text(), QStringLiteral("001"));
        QCOMPARE(list.item(0, 1)->text(), language == 0 ? QStringLiteral("等待打印(√)") : QStringLiteral("Waiting"));
        QCOMPARE(list.item(2, 1)->text(), language == 0 ? QStringLiteral("等待打印") : QStringLiteral("Waiting"));
        QCOMPARE(list.item(1, 2)->text(), language == 0 ? QStringLiteral("手动目录") : QStringLiteral("Auto Add"));
        QCOMPARE(list.item(2, 2)->text(), language == 0 ? QStringLiteral("自动目录") : QStringLiteral("Auto Add"));
        QCOMPARE(list.item(2, 7)->text(), QStringLiteral("/tmp/auto/b.plt"));
        QCOMPARE(list.item(0, 0)->foreground().color(), QColor(0, 0, 255));
        QCOMPARE(list.item(0, 0)->background().color(), QColor(250, 250, 236));
        // The job marked selected is selected again (ManDir jobs come before AutoDir).
        QCOMPARE(list.SelectedRows(), std::vector<int>{1});
    }
}

void MyListViewTest::contextMenuPerEdition() {
    const auto ids = [](Edition e) {
        Station st(e);
        CMyListView list(st);
        std::unique_ptr<QMenu> menu(list.CreateContextMenu(nullptr));
        QList<int> out;
        QStringList texts;
        for (QAction* a : menu->actions()) out << a->data().toInt();
        return out;
    };
    using namespace pv::ui;
    QCOMPARE(ids(Edition::TwoHead), (QList<int>{kCmdEditCopies, kCmdEditStartPos, kCmdDeleteFinished, kCmdDeleteJobs,
                                                 kCmdQueueIn, kCmdQueueOut, kCmdQueueAllOut}));
    QCOMPARE(ids(Edition::FourHead),
             (QList<int>{kCmdEditCopies, kCmdEditStartPos, kCmdDeleteFinished, kCmdDeleteJobs}));

    Station st(Edition::TwoHead);
    CMyListView list(st);
    std::unique_ptr<QMenu> menu(list.CreateContextMenu(nullptr));
    QStringList texts;
    for (QAction* a : menu->actions()) texts << a->text();
    QCOMPARE(texts, (QStringList{"修改份数", "修改起始位置", "删除“已完成”", "删除\tDEL", "加入队列", "移出队列",
                                 "全部移出"}));
    QSignalSpy finished(&list, &CMyListView::deleteFinishedRequested);
    QVERIFY(list.HandleCommand(kCmdDeleteFinished));
    QCOMPARE(finished.size(), 1);
    QVERIFY(!list.HandleCommand(kCmdStart));
}

void MyListViewTest::copiesThroughPrompt() {
    Station st(Edition::TwoHead);
    AddJob(st, JobSource::Opened, "/tmp/a.plt");
    AddJob(st, JobSource::Opened, "/tmp/b.plt").copies = 4;
    CMyListView list(st);
    list.RefreshJobList();
    QSignalSpy edited(&list, &CMyListView::jobsEdited);

    // Without a selected row the command does nothing.
    list.clearSelection();
    list.HandleCommand(pv::ui::kCmdEditCopies);
    QCOMPARE(edited.size(), 0);

    st.jobs.CurrentJobIndex = 1;
    SelectRows(list, {1});
    pv::test::ModalAnswerer answer;
    QString prompt;
    answer.Then(Enter("abc"));   // refused by the prompt, which stays open
    answer.Then(Enter("2.9", &prompt));
    list.HandleCommand(pv::ui::kCmdEditCopies);
    QVERIFY(answer.WaitForHandlers());
    QCOMPARE(answer.boxTexts, QStringList{"请输入一个数字。"});
    QCOMPARE(prompt, QStringLiteral("请输入份数:"));
    QCOMPARE(st.jobs.JobAt(1)->copies, 2);   // truncated
    QCOMPARE(st.jobs.JobAt(0)->copies, 1);
    QCOMPARE(list.item(1, 4)->text(), QStringLiteral("2"));
    QCOMPARE(edited.size(), 1);
}

void MyListViewTest::startPositionThroughPrompt() {
    struct Case {
        int language;
        const char* entered;
        int startPosMm;
        QStringList messages;
    };
    // 4000 units is 100 mm of drawing: 99 mm fits, 100 does not.
    const Case cases[] = {
        {1, "99", 99, {}},
        {1, "100", 0, {"Start pos bigger than plot length!"}},
        {0, "100.5", 0, {"输入的起始点超过图形长度！"}},
    };
    for (const Case& c : cases) {
        Station st(Edition::TwoHead);
        st.settings.Edit([&](pv::AppSettings& s) { s.Language = c.language; });
        QStringList messages;
        st.messages = [&](const std::string& m) { messages << QString::fromStdString(m); };
        AddJob(st, JobSource::Opened, "/tmp/a.plt", 4000).startPosMm = 7;
        CMyListView list(st);
        list.RefreshJobList();
        SelectRows(list, {0});
        pv::test::ModalAnswerer answer;
        QString prompt;
        QString shown;
        answer.Then([&](QDialog* d) {
            shown = d->findChild<QLineEdit*>("value")->text();
            Enter(c.entered, &prompt)(d);
        });
        list.HandleCommand(pv::ui::kCmdEditStartPos);
        QVERIFY(answer.WaitForHandlers());
        QCOMPARE(shown, QStringLiteral("7"));
        QCOMPARE(prompt, c.language == 0 ? QStringLiteral("输入起始位置(mm):") : QStringLiteral("Input Start(mm):"));
        QCOMPARE(st.jobs.JobAt(0)->startPosMm, c.startPosMm);
        QCOMPARE(messages, c.messages);
        QCOMPARE(list.item(0, 5)->text(), QStringLiteral("%1mm").arg(c.startPosMm));
    }
}

void MyListViewTest::deleteReleaseRemovesSelected() {
    Station st(Edition::TwoHead);
    for (const char* p : {"/tmp/a.plt", "/tmp/b.plt", "/tmp/c.plt"}) AddJob(st, JobSource::Opened, p);
    CMyListView list(st);
    list.RefreshJobList();
    QSignalSpy edited(&list, &CMyListView::jobsEdited);

    SelectRows(list, {0, 2});
    QTest::keyPress(&list, Qt::Key_Delete);
    QCOMPARE(st.jobs.Count(), 3);   // the release deletes, not the press
    QTest::keyRelease(&list, Qt::Key_Delete);
    QCOMPARE(st.jobs.Count(), 1);
    QCOMPARE(st.jobs.JobAt(0)->filePath, std::string("/tmp/b.plt"));
    QCOMPARE(list.rowCount(), 1);
    QCOMPARE(list.item(0, 7)->text(), QStringLiteral("/tmp/b.plt"));
    QCOMPARE(edited.size(), 1);

    list.clearSelection();
    QTest::keyRelease(&list, Qt::Key_Delete);   // nothing selected: nothing happens
    QCOMPARE(st.jobs.Count(), 1);
    QCOMPARE(edited.size(), 1);
}

void MyListViewTest::arrowReleaseSelectsWithoutLoading() {
    Station st(Edition::TwoHead);
    AddJob(st, JobSource::Opened, "/tmp/a.plt");
    AddJob(st, JobSource::AutoDir, "/nonexistent/b.plt");   // no drawing, not read here
    CMyListView list(st);
    list.RefreshJobList();
    QSignalSpy current(&list, &CMyListView::currentJobChanged);
    SelectRows(list, {1});
    QTest::keyRelease(&list, Qt::Key_Down);
    QCOMPARE(current.size(), 1);
    QCOMPARE(current.at(0).at(0).toInt(), 1);
    QCOMPARE(st.jobs.CurrentJobIndex, 1);
    QVERIFY(st.jobs.JobAt(1)->curves.empty());
    QCOMPARE(st.jobs.JobAt(1)->listSelected, 1);
    QCOMPARE(st.jobs.JobAt(0)->listSelected, 0);

    QSignalSpy clicked(&list, &CMyListView::jobClicked);
    const QRect cell = list.visualItemRect(list.item(0, 3));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 0);
}

void MyListViewTest::queueCommandsActOnSelection() {
    Station st(Edition::FourHead);   // the four-head bar calls these too
    st.settings.Edit([&](pv::AppSettings& s) { s.Language = 0; });
    AddJob(st, JobSource::Opened, "/tmp/a.plt");
    AddJob(st, JobSource::ManDir, "/tmp/man/b.plt");
    CMyListView list(st);
    list.RefreshJobList();
    SelectRows(list, {0, 1});
    list.QueueSelectedJobs(true);
    QCOMPARE(st.jobs.JobAt(0)->queued, 1);
    QCOMPARE(st.jobs.JobAt(1)->queued, 1);
    QCOMPARE(list.item(1, 1)->text(), QStringLiteral("等待打印(√)"));
    SelectRows(list, {0});
    list.QueueSelectedJobs(false);
    QCOMPARE(st.jobs.JobAt(0)->queued, 0);
    QCOMPARE(st.jobs.JobAt(1)->queued, 1);
    list.UnqueueAllJobs();
    QCOMPARE(st.jobs.JobAt(1)->queued, 0);
    QCOMPARE(list.item(1, 1)->text(), QStringLiteral("等待打印"));
}

// The window makes a clicked job current, and every change of the job list
// redraws the rows; a Ctrl-click selection and a Shift+Down selection must
// still hold every row the operator picked, so Delete removes them all.
void MyListViewTest::selectionSurvivesMakingARowCurrent() {
    Station st(Edition::TwoHead);
    for (const char* p : {"/tmp/a.plt", "/tmp/b.plt", "/tmp/c.plt", "/tmp/d.plt"}) AddJob(st, JobSource::Opened, p);
    CMyListView list(st);
    st.onJobsChanged = [&] { list.RefreshJobList(); };
    connect(&list, &CMyListView::jobClicked, &list, [&](int index) { st.jobs.SelectJob(index); });
    list.RefreshJobList();

    const auto click = [&](int row, Qt::KeyboardModifiers mods) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, mods, list.visualItemRect(list.item(row, 2)).center());
    };
    click(0, {});
    click(2, Qt::ControlModifier);
    QCOMPARE(list.SelectedRows(), (std::vector<int>{0, 2}));
    QCOMPARE(st.jobs.CurrentJobIndex, 0);   // the first selected row

    click(1, {});
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(list.SelectedRows(), (std::vector<int>{1, 2}));

    QTest::keyRelease(&list, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(list.SelectedRows(), (std::vector<int>{1, 2}));
    QCOMPARE(st.jobs.CurrentJobIndex, 1);

    QTest::keyRelease(&list, Qt::Key_Delete);
    QCOMPARE(st.jobs.Count(), 2);
    QCOMPARE(st.jobs.JobAt(1)->filePath, std::string("/tmp/d.plt"));
    st.onJobsChanged = nullptr;
}

QTEST_MAIN(MyListViewTest)
#include "my_list_view_test.moc"
