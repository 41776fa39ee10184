// The shared field rules and the two small prompts.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/modal_util.h"
#include "ui/dlg_get_int_input.h"
#include "ui/dlg_get_pwd.h"
#include "ui/field_check.h"

using namespace pv::ui;

class PromptsTest : public QObject {
    Q_OBJECT
private slots:
    void fieldRules_data();
    void fieldRules();
    void numberPromptRefusesTextAndKeepsValue();
    void numberPromptCutsLongPrompt();
    void passwordPromptHidesAndLimits();
};

// kind: "int" / "num" with the range given, "int*" / "num*" without one.
void PromptsTest::fieldRules_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("message");

    const QString noInt = QStringLiteral("请输入一个整数。");
    const QString noNum = QStringLiteral("请输入一个数字。");
    QTest::newRow("int in range") << "int" << " 120 " << 120.0 << 4000.0 << true << 120.0 << "";
    QTest::newRow("int below") << "int" << "119" << 120.0 << 4000.0 << false << 0.0
                               << "请输入一个 120 至 4000 之间的整数。";
    QTest::newRow("int negative bound") << "int" << "-6" << -5.0 << 5.0 << false << 0.0
                                        << "请输入一个 -5 至 5 之间的整数。";
    QTest::newRow("int fraction") << "int" << "12.5" << 0.0 << 100.0 << false << 0.0 << noInt;
    QTest::newRow("int trailing letters") << "int" << "12a" << 0.0 << 100.0 << false << 0.0 << noInt;
    QTest::newRow("int empty") << "int*" << "" << 0.0 << 0.0 << false << 0.0 << noInt;
    QTest::newRow("int beyond 32 bits") << "int*" << "2147483648" << 0.0 << 0.0 << false << 0.0 << noInt;
    QTest::newRow("int signed") << "int*" << "+7" << 0.0 << 0.0 << true << 7.0 << "";
    QTest::newRow("num fraction") << "num" << "0.5" << 0.1 << 50.0 << true << 0.5 << "";
    QTest::newRow("num exponent") << "num*" << "1e3" << 0.0 << 0.0 << true << 1000.0 << "";
    QTest::newRow("num above") << "num" << "50.01" << 0.1 << 50.0 << false << 0.0
                               << "请输入一个 0.1 至 50 之间的数字。";
    QTest::newRow("num letters") << "num*" << "abc" << 0.0 << 0.0 << false << 0.0 << noNum;
    QTest::newRow("num infinity") << "num*" << "inf" << 0.0 << 0.0 << false << 0.0 << noNum;
    QTest::newRow("num comma") << "num*" << "1,5" << 0.0 << 0.0 << false << 0.0 << noNum;
    QTest::newRow("num overflow") << "num*" << "1e999" << 0.0 << 0.0 << false << 0.0 << noNum;
}

void PromptsTest::fieldRules() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(bool, ok);
    QFETCH(double, value);
    QFETCH(QString, message);
    FieldValue v;
    if (kind == "int") v = ReadInteger(text, qint64(min), qint64(max));
    else if (kind == "int*") v = ReadInteger(text);
    else if (kind == "num") v = ReadNumber(text, min, max);
    else v = ReadNumber(text);
    QCOMPARE(v.ok, ok);
    if (ok) QCOMPARE(v.value, value);
    QCOMPARE(v.message, message);
}

void PromptsTest::numberPromptRefusesTextAndKeepsValue() {
    CDlgGetIntInput dlg;
    QCOMPARE(dlg.windowTitle(), QStringLiteral("输入"));
    dlg.SetPrompt(QStringLiteral("请输入份数:"));
    dlg.SetValue(3);
    QCOMPARE(dlg.Field()->text(), QStringLiteral("3"));

    pv::test::ModalAnswerer answer;
    answer.Then([](QDialog* d) {
        auto* field = d->findChild<QLineEdit*>("value");
        field->setText("zwei");
        d->findChild<QPushButton*>("ok")->click();   // refused: stays open
    });
    answer.Then([](QDialog* d) {
        QVERIFY(d->isVisible());
        QCOMPARE(d->focusWidget(), d->findChild<QLineEdit*>("value"));
        QCOMPARE(static_cast<CDlgGetIntInput*>(d)->Value(), 3.0);   // nothing stored
        d->findChild<QLineEdit*>("value")->setText("12.5");
        d->findChild<QPushButton*>("ok")->click();
    });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    QCOMPARE(answer.boxTexts, QStringList{QStringLiteral("请输入一个数字。")});
    QCOMPARE(dlg.Value(), 12.5);
}

void PromptsTest::numberPromptCutsLongPrompt() {
    CDlgGetIntInput dlg;
    dlg.SetPrompt(QString(300, QChar(u'份')));
    QCOMPARE(dlg.findChild<QLabel*>("prompt")->text().size(), CDlgGetIntInput::kMaxPrompt);
}

void PromptsTest::passwordPromptHidesAndLimits() {
    CDlgGetPwd dlg;
    QCOMPARE(dlg.windowTitle(), QStringLiteral("输入"));
    QVERIFY(dlg.findChild<QLabel*>()->text() == QStringLiteral("请输入密码:"));
    QCOMPARE(dlg.Field()->echoMode(), QLineEdit::Password);

    pv::test::ModalAnswerer answer;
    answer.Then([](QDialog* d) {
        auto* field = d->findChild<QLineEdit*>("password");
        QTest::keyClicks(field, QString(70, QChar('6')));
        d->findChild<QPushButton*>("ok")->click();
    });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    QCOMPARE(dlg.Text(), QString(CDlgGetPwd::kMaxLength, QChar('6')));
}

QTEST_MAIN(PromptsTest)
#include "prompts_test.moc"
