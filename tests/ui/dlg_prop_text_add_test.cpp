// The text-label dialog: what it shows, what it stores, what it refuses.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "ui/dlg_prop_text_add.h"
#include "view_test_fixture.h"

using namespace pv;
using namespace pv::ui;

class DlgPropTextAddTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithThePropertiesAndStoresThemOnOk();
    void anAngleOfLettersIsZeroAndAnyNumberIsTaken();
    void aSizeOfTenIsRefusedAndNothingIsStored();
    void aSecondOpeningShowsThePreviousTextAndSize();
    void cancelStoresNothing();
};

void DlgPropTextAddTest::opensWithThePropertiesAndStoresThemOnOk() {
    CTextProp prop;
    prop.x = 12.5;
    prop.y = -3;
    prop.angle = 33.333;
    CDlgPropTextAdd dlg(prop);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("文字属性"));
    QCOMPARE(dlg.XField()->text(), QStringLiteral("12.5"));
    QCOMPARE(dlg.YField()->text(), QStringLiteral("-3"));
    QCOMPARE(dlg.AngleField()->text(), QStringLiteral("33.33"));
    QCOMPARE(dlg.SizeField()->text(), QStringLiteral("5"));
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QVERIFY(dlg.TextField()->hasFocus());

    dlg.XField()->setText("100");
    dlg.SizeField()->setText("9");
    // Two lines and a character GB2312 has no code for.
    dlg.TextField()->setPlainText(QString::fromUtf8("前片\nS\xE2\x82\xAC"));
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(prop.x, 100.0);
    QCOMPARE(prop.size, 9);
    QCOMPARE(prop.text, std::string("\xC7\xB0\xC6\xAC\r\nS?"));
    QCOMPARE(dlg.ReplacedCharacters(), 1);
}

void DlgPropTextAddTest::anAngleOfLettersIsZeroAndAnyNumberIsTaken() {
    const std::pair<const char*, double> table[] = {
        {"abc", 0.0}, {"200", 200.0}, {" -45.5", -45.5}, {"12abc", 12.0}, {"", 0.0}, {"+7", 7.0}, {"nan", 0.0},
    };
    for (const auto& [text, angle] : table) {
        CTextProp prop;
        prop.angle = 99;
        CDlgPropTextAdd dlg(prop);
        dlg.AngleField()->setText(QString::fromLatin1(text));
        dlg.TextField()->setPlainText("A");
        dlg.accept();
        QVERIFY2(dlg.result() == QDialog::Accepted, text);
        QCOMPARE(prop.angle, angle);
    }
}

void DlgPropTextAddTest::aSizeOfTenIsRefusedAndNothingIsStored() {
    CTextProp prop;
    prop.text = "old";
    CDlgPropTextAdd dlg(prop);
    dlg.SizeField()->setText("10");
    dlg.TextField()->setPlainText("new");
    pv::test::BoxCloser boxes;
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("请输入一个 0 至 9 之间的整数。")});
    QCOMPARE(prop.size, 5);
    QCOMPARE(prop.text, std::string("old"));
    // A coordinate that is not a number is refused too.
    dlg.SizeField()->setText("3");
    dlg.XField()->setText("x1");
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(boxes.texts.size(), 2);
    QCOMPARE(prop.size, 5);
}

void DlgPropTextAddTest::aSecondOpeningShowsThePreviousTextAndSize() {
    CTextProp prop;
    {
        CDlgPropTextAdd first(prop);
        first.SizeField()->setText("2");
        first.TextField()->setPlainText(QString::fromUtf8("袖子\nB"));
        first.accept();
    }
    CDlgPropTextAdd second(prop);
    QCOMPARE(second.SizeField()->text(), QStringLiteral("2"));
    QCOMPARE(second.TextField()->toPlainText(), QString::fromUtf8("袖子\nB"));
}

void DlgPropTextAddTest::cancelStoresNothing() {
    CTextProp prop;
    CDlgPropTextAdd dlg(prop);
    dlg.SizeField()->setText("1");
    dlg.TextField()->setPlainText("zzz");
    dlg.reject();
    QCOMPARE(prop.size, 5);
    QVERIFY(prop.text.empty());
}

QTEST_MAIN(DlgPropTextAddTest)
#include "dlg_prop_text_add_test.moc"
