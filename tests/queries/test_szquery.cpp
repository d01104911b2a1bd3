// The income and expense query.

#include "../app/AppFixture.h"
#include "CX_SZForm.h"
#include "ShouZhiStore.h"
#include "StringGrid.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

namespace {

void Entry(Database& db, const QString& dh, QDate date, const QString& type, double amount)
{
    TShouZhi e;
    e.dh = dh;
    e.in_date = date;
    e.type = type;
    e.Item = QStringLiteral("房租");
    e.JinE = Money::fromYuan(amount);
    InsertShouZhi(db, e);
}

}  // namespace

class TestSZQuery : public QObject {
    Q_OBJECT
private slots:
    // Income of 100 and 50.5 and an expense of 20.1; the range's last day is included, the day
    // after is not; a deletion asks first and lists again with the pickers' dates.
    void listTotalsAndDelete()
    {
        AppFixture f;
        Database& db = f.ctx().db();
        db.exec(QStringLiteral("delete from Log_ShouZhi"));
        Entry(db, "sz200301001", QDate(2020, 3, 1), IncomeType(), 100);
        Entry(db, "sz200315001", QDate(2020, 3, 15), IncomeType(), 50.5);
        Entry(db, "sz200315002", QDate(2020, 3, 15), ExpenseType(), 20.1);
        Entry(db, "sz200316001", QDate(2020, 3, 16), ExpenseType(), 999);

        TCX_SZForm w(f.ctx());
        w.fromDate->setDate(QDate(2020, 3, 1));
        w.toDate->setDate(QDate(2020, 3, 15));
        QTest::mouseClick(w.CXButton, Qt::LeftButton);
        QCOMPARE(w.entryGrid->rowCount(), 4);
        QCOMPARE(w.entryGrid->cell(2, 1), QStringLiteral("2020-03-01"));
        QCOMPARE(w.SRLabel->text(), QStringLiteral("150.5 元"));
        QCOMPARE(w.ZCLabel->text(), QStringLiteral("20.1 元"));

        w.entryGrid->setRow(3);
        f.prompts.answers = {false};
        QTest::mouseClick(w.DelButton, Qt::LeftButton);
        QCOMPARE(f.prompts.last(), QStringLiteral("确定要删除单号为'sz200315002'的收支记录吗?"));
        QCOMPARE(f.prompts.entries.last().kind, RecordingPrompts::Entry::WarningQuestion);
        QCOMPARE(w.entryGrid->rowCount(), 4);

        w.toDate->setDate(QDate(2020, 3, 16));  // changed without 统计
        w.entryGrid->setRow(3);
        f.prompts.answers = {true};
        QTest::mouseClick(w.DelButton, Qt::LeftButton);
        QCOMPARE(w.entryGrid->rowCount(), 4);  // 03-16 now listed, 03-15 expense gone
        QCOMPARE(w.entryGrid->cell(1, 3), QStringLiteral("sz200316001"));
        QCOMPARE(w.ZCLabel->text(), QStringLiteral("999 元"));
    }

    void emptyRangeShowsZeroTotalsAndAHint()
    {
        AppFixture f;
        TCX_SZForm w(f.ctx());
        w.show();
        w.fromDate->setDate(QDate(2020, 3, 2));
        w.toDate->setDate(QDate(2020, 3, 1));
        QTest::mouseClick(w.CXButton, Qt::LeftButton);
        QCOMPARE(w.entryGrid->rowCount(), 2);
        QVERIFY(w.entryGrid->cell(1, 1).isEmpty());
        QCOMPARE(w.SRLabel->text(), QStringLiteral("0 元"));
        QCOMPARE(w.ZCLabel->text(), QStringLiteral("0 元"));
        QVERIFY(w.findChild<QLabel*>("DateHintLabel")->isVisible());
        f.prompts.answers = {true};
        QTest::mouseClick(w.DelButton, Qt::LeftButton);  // nothing to delete: no question
        QVERIFY(f.prompts.entries.isEmpty());
    }

    // The window opens on the current month every time: a range listed before does not come back.
    void opensOnTheCurrentMonth()
    {
        AppFixture f;
        {
            TCX_SZForm w(f.ctx());
            w.fromDate->setDate(QDate(2021, 5, 3));
            w.toDate->setDate(QDate(2021, 6, 9));
            QTest::mouseClick(w.CXButton, Qt::LeftButton);
        }
        TCX_SZForm again(f.ctx());
        const QDate today = f.ctx().today();
        QCOMPARE(again.fromDate->date(), QDate(today.year(), today.month(), 1));
        QCOMPARE(again.toDate->date(), today);
    }
};

QL_APP_TEST_MAIN(TestSZQuery)
#include "test_szquery.moc"
