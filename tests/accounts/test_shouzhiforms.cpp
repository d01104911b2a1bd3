// The income and expense item window and entry window.

#include "DocNumbers.h"
#include "SZDJForm.h"
#include "ShouZhiStore.h"
#include "StringGrid.h"
#include "ZLSetYYSZForm.h"
#include "app/AppFixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The fixture's folder without income and expense items and entries.
struct ShouZhiApp : AppFixture {
    ShouZhiApp()
    {
        ctx().db().exec(QStringLiteral("delete from Base_ShouZhi"));
        ctx().db().exec(QStringLiteral("delete from Log_ShouZhi"));
    }
    Database& db() { return ctx().db(); }
};

QStringList Items(const TZLSetYYSZForm& form)
{
    QStringList cells;
    for (int r = 1; r < form.itemGrid->rowCount(); ++r)
        cells << form.itemGrid->cell(0, r);
    return cells;
}

void Click(QPushButton* b)
{
    QTest::mouseClick(b, Qt::LeftButton);
}

}  // namespace

class TestShouZhiForms : public QObject {
    Q_OBJECT
private slots:
    // Names are stored without the blanks around them; a name already listed (blanks or letter
    // case aside) and an empty name are refused; the focus goes back to the name each time.
    void addItems()
    {
        ShouZhiApp app;
        TZLSetYYSZForm form(app.ctx());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(Items(form), QStringList{QString()});
        form.itemEdit->setText(QStringLiteral("  房租  "));
        QTest::keyClick(form.itemEdit, Qt::Key_Return);  // the default button adds
        QCOMPARE(Items(form), QStringList{QStringLiteral("房租")});
        QCOMPARE(form.itemEdit->text(), QString());
        InsertBaseShouZhi(app.db(), QStringLiteral("Install's"));
        for (const QString& typed : {QStringLiteral(" 房租"), QStringLiteral("install's"), QStringLiteral("   ")}) {
            form.itemEdit->setText(typed);
            Click(form.AddButton);
            QCOMPARE(QApplication::focusWidget(), form.itemEdit);
            QCOMPARE(form.itemEdit->selectedText(), typed);
        }
        QCOMPARE(app.prompts.texts(), QStringList({QStringLiteral("列表已存在该收支项目,不能重复添加!"),
                                                   QStringLiteral("列表已存在该收支项目,不能重复添加!"),
                                                   QStringLiteral("请输入要添加的收支项目!")}));
        QCOMPARE(ShouZhiItems(app.db()), QStringList({QStringLiteral("房租"), QStringLiteral("Install's")}));
    }

    void deleteItem()
    {
        ShouZhiApp app;
        InsertBaseShouZhi(app.db(), QStringLiteral("房租"));
        InsertBaseShouZhi(app.db(), QStringLiteral("水电"));
        TZLSetYYSZForm form(app.ctx());
        form.itemGrid->setRow(2);
        app.prompts.answers = {false, true};
        Click(form.DelButton);
        QCOMPARE(Items(form).size(), 2);
        Click(form.DelButton);
        QCOMPARE(app.prompts.texts(), QStringList(2, QStringLiteral("确定要删除收支项目\"水电\"吗?")));
        QCOMPARE(app.prompts.entries.last().kind, RecordingPrompts::Entry::WarningQuestion);
        QCOMPARE(Items(form), QStringList{QStringLiteral("房租")});
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("type");  // 0 none, 1 expense, 2 income
        QTest::addColumn<bool>("item");
        QTest::addColumn<QString>("message");
        QTest::newRow("no amount") << QStringLiteral("  ") << 1 << true << QStringLiteral("请输入收支金额!");
        QTest::newRow("no type") << QStringLiteral("20") << 0 << true << QStringLiteral("请选择收支类型!");
        QTest::newRow("no item") << QStringLiteral("20") << 2 << false << QStringLiteral("请选择收支项目!");
        QTest::newRow("first failing check only") << QString() << 0 << false << QStringLiteral("请输入收支金额!");
        QTest::newRow("lone point") << QStringLiteral(".") << 1 << true
                                    << QStringLiteral("“收支金额”不是正确的金额,请重新输入!");
    }

    // Each refusal names what is missing, stores nothing and keeps the form as it was.
    void saveChecks()
    {
        QFETCH(QString, amount);
        QFETCH(int, type);
        QFETCH(bool, item);
        QFETCH(QString, message);
        ShouZhiApp app;
        InsertBaseShouZhi(app.db(), QStringLiteral("房租"));
        TSZDJForm form(app.ctx());
        form.JEEdit->setText(amount);
        if (type)
            (type == 1 ? form.ZCRadioButton : form.SRRadioButton)->setChecked(true);
        if (item)
            form.SZComboBox->setCurrentIndex(0);
        Click(form.SaveButton);
        QCOMPARE(app.prompts.texts(), QStringList{message});
        QCOMPARE(app.db().scalar(QStringLiteral("select count(*) from Log_ShouZhi")).toInt(), 0);
        QCOMPARE(form.JEEdit->text(), amount);
        QCOMPARE(form.SZComboBox->currentIndex(), item ? 0 : -1);
    }

    // Entries saved one after another get the next numbers of their date; after each save the
    // form is empty again and the date stays.
    void saveAndNumbering()
    {
        ShouZhiApp app;
        InsertBaseShouZhi(app.db(), QStringLiteral("房租"));
        InsertBaseShouZhi(app.db(), QStringLiteral("安装费"));
        TSZDJForm form(app.ctx());
        QCOMPARE(form.SZComboBox->count(), 2);
        QCOMPARE(form.SZComboBox->currentIndex(), -1);
        QCOMPARE(form.SZDHEdit->text(), QStringLiteral("sz260318001"));  // the fixture's today
        QVERIFY(!form.SZDHEdit->isEnabled());
        form.entryDate->setDate({2024, 5, 6});
        QCOMPARE(form.SZDHEdit->text(), QStringLiteral("sz240506001"));

        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.SZComboBox->setCurrentIndex(1);
        form.SRRadioButton->setChecked(true);
        form.JEEdit->setFocus();
        QTest::keyClicks(form.JEEdit, QStringLiteral("-2a00.5.0"));  // no minus: amounts are never negative
        QCOMPARE(form.JEEdit->text(), QStringLiteral("200.50"));
        form.remarkMemo->setPlainText(QStringLiteral("空调安装\n两台"));
        QTest::keyClick(form.JEEdit, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form.SaveButton);
        QTest::keyClick(form.SaveButton, Qt::Key_Return);
        QCOMPARE(app.prompts.texts(), QStringList{QStringLiteral("保存成功!")});
        QCOMPARE(form.SZDHEdit->text(), QStringLiteral("sz240506002"));
        QCOMPARE(form.entryDate->date(), QDate(2024, 5, 6));
        QVERIFY(!form.SRRadioButton->isChecked() && !form.ZCRadioButton->isChecked());
        QCOMPARE(form.SZComboBox->currentIndex(), -1);
        QCOMPARE(form.JEEdit->text(), QString());
        QCOMPARE(form.remarkMemo->toPlainText(), QString());

        form.JEEdit->setText(QStringLiteral("0"));  // zero is allowed
        form.ZCRadioButton->setChecked(true);
        form.SZComboBox->setCurrentIndex(0);
        Click(form.SaveButton);
        form.entryDate->setDate({2024, 5, 7});
        QCOMPARE(form.SZDHEdit->text(), QStringLiteral("sz240507001"));

        QSqlQuery q = app.db().exec(QStringLiteral("select dh,type,in_date,Item,JinE,remark from Log_ShouZhi order by dh"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("sz240506001"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("收入"));
        QCOMPARE(q.value(2).toString(), QStringLiteral("2024-05-06"));
        QCOMPARE(q.value(3).toString(), QStringLiteral("安装费"));
        QCOMPARE(q.value(4).toDouble(), 200.5);
        QCOMPARE(q.value(5).toString(), QStringLiteral("空调安装\n两台"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("sz240506002"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("支出"));
        QCOMPARE(q.value(4).toDouble(), 0.0);
    }

    // With the day's 999 numbers used up the entry is refused, not stored without a number.
    void noNumberLeft()
    {
        ShouZhiApp app;
        InsertBaseShouZhi(app.db(), QStringLiteral("房租"));
        {
            Transaction t(app.db());
            for (int i = 1; i <= 999; ++i)
                InsertShouZhi(app.db(), {QStringLiteral("sz240506%1").arg(i, 3, 10, QLatin1Char('0')), ExpenseType(),
                                         {2024, 5, 6}, QStringLiteral("房租"), 1_yuan, QString()});
            t.commit();
        }
        TSZDJForm form(app.ctx());
        form.entryDate->setDate({2024, 5, 6});
        QCOMPARE(form.SZDHEdit->text(), QString());
        form.JEEdit->setText(QStringLiteral("10"));
        form.ZCRadioButton->setChecked(true);
        form.SZComboBox->setCurrentIndex(0);
        Click(form.SaveButton);
        QCOMPARE(app.prompts.texts(), QStringList{NoDocumentNumberMessage()});
        QCOMPARE(app.db().scalar(QStringLiteral("select count(*) from Log_ShouZhi")).toInt(), 999);
    }
};

QL_APP_TEST_MAIN(TestShouZhiForms)
#include "test_shouzhiforms.moc"
