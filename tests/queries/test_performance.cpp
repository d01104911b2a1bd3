// The employee performance window.

#include "../app/AppFixture.h"
#include "CX_YGYJForm.h"
#include "DocumentStore.h"
#include "ReportPreviewDialog.h"
#include "StringGrid.h"
#include "TestDb.h"
#include "YuanGongStore.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// Names that are values, not SQL.
const QString Neil = QStringLiteral("O'Neil_%");
const QString NeilX = QStringLiteral("O'NeilX");
const QDate Day(2001, 3, 5);  // before every demonstration document

void AddGoods(Database& db, const QString& brand, const QString& product, double cost, const QString& cpType)
{
    db.exec(QStringLiteral("insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang,PJCB) values(:p,:c,'G',100,:a)"),
            {{QStringLiteral(":p"), brand}, {QStringLiteral(":c"), product}, {QStringLiteral(":a"), cost}});
    if (!cpType.isEmpty())
        db.exec(QStringLiteral("insert into Base_ChanPin(PinPai,ChanPin,CPType) values(:p,:c,:t)"),
                {{QStringLiteral(":p"), brand}, {QStringLiteral(":c"), product}, {QStringLiteral(":t"), cpType}});
}

void Sell(Database& db, const QString& dh, const QString& who, const QString& product, int qty, double price)
{
    TXiaoShouDan d;
    d.dh = dh;
    d.in_date = Day;
    d.KeHu = QStringLiteral("张三");
    d.yewuyuan = who;
    QVERIFY(SaveXiaoShouDocument(db, d, {TestDb::line(QStringLiteral("测试牌"), product, QStringLiteral("G"), qty, price)},
                                 ForwardKind));
}

// O'Neil_% sold 2 air conditioners (cost 1000, price 1500) and gave away one fan without a goods
// master row (cost 300, price 0); O'NeilX sold one air conditioner for 1200.33.
void AddSales(AppFixture& f)
{
    Database& db = f.ctx().db();
    for (const QString& name : {Neil, NeilX}) {
        TYuanGong y;
        y.Name = name;
        InsertYuanGong(db, y);
    }
    AddGoods(db, QStringLiteral("测试牌"), QStringLiteral("空调"), 1000, QStringLiteral("空调类"));
    AddGoods(db, QStringLiteral("测试牌"), QStringLiteral("风扇"), 300, QString());
    Sell(db, "xs010305001", Neil, QStringLiteral("空调"), 2, 1500);
    Sell(db, "xs010305002", Neil, QStringLiteral("风扇"), 1, 0);
    Sell(db, "xs010305003", NeilX, QStringLiteral("空调"), 1, 1200.33);
}

QStringList Row(const StringGrid& g, int r)
{
    QStringList cells;
    for (int c = 1; c < g.colCount(); ++c)
        cells << g.cell(c, r);
    return cells;
}

void SelectYuanGong(TCX_YGYJForm& w, const QString& name)
{
    for (int r = 1; r < w.employeeGrid->rowCount(); ++r)
        if (w.employeeGrid->cell(0, r) == name)
            w.employeeGrid->setRow(r);
}

}  // namespace

class TestPerformance : public QObject {
    Q_OBJECT
private slots:
    void opensOnThisMonthWithEveryone()
    {
        AppFixture f;
        TCX_YGYJForm w(f.ctx());
        QCOMPARE(w.fromDate->date(), QDate(2026, 3, 1));  // the fixture's month
        QCOMPARE(w.toDate->date(), QDate(2026, 3, 18));
        QCOMPARE(w.employeeGrid->cell(0, 1), QStringLiteral("所有"));
        QCOMPARE(w.selectedYuanGong(), QStringLiteral("所有"));
        QVERIFY(w.employeeGrid->rowCount() > 2);
    }

    // By salesperson, then product class (the class of goods without a master row is empty);
    // each row's margin from its own figures in the general format, "100%" where the amount is 0.
    void listsByYuanGongAndClass_data()
    {
        QTest::addColumn<QString>("who");
        QTest::addColumn<QVector<QStringList>>("rows");
        QTest::addColumn<QStringList>("totals");  // amount, profit, margin, cost
        const QStringList fan{Neil, "", "1", "300", "0", "-300", "100%"};
        const QStringList neilAir{Neil, "空调类", "2", "2000", "3000", "1000", "33.33%"};
        const QStringList xAir{NeilX, "空调类", "1", "1000", "1200.33", "200.33", "16.69%"};
        QTest::newRow("所有") << QStringLiteral("所有") << QVector<QStringList>{fan, neilAir, xAir}
                            << QStringList{"4200.33 元", "900.33 元", "21.43 %", "3300 元"};
        QTest::newRow("one with quotes") << Neil << QVector<QStringList>{fan, neilAir}
                                         << QStringList{"3000 元", "700 元", "23.33 %", "2300 元"};
        QTest::newRow("other") << NeilX << QVector<QStringList>{xAir}
                               << QStringList{"1200.33 元", "200.33 元", "16.69 %", "1000 元"};
    }
    void listsByYuanGongAndClass()
    {
        QFETCH(QString, who);
        QFETCH(QVector<QStringList>, rows);
        QFETCH(QStringList, totals);
        AppFixture f;
        AddSales(f);
        TCX_YGYJForm w(f.ctx());
        w.fromDate->setDate(Day);
        w.toDate->setDate(Day);
        SelectYuanGong(w, who);
        QTest::mouseClick(w.countButton, Qt::LeftButton);
        QCOMPARE(w.salesGrid->rowCount() - 1, rows.size());
        for (int r = 0; r < rows.size(); ++r)
            QCOMPARE(Row(*w.salesGrid, r + 1), rows[r]);
        QCOMPARE((QStringList{w.JELabel->text(), w.LRLabel->text(), w.LRRLabel->text(), w.CBLabel->text()}), totals);
    }

    // "From" after "to": an empty list, totals of 0, a margin of 100, and nothing to print.
    void reversedRangeIsEmpty()
    {
        AppFixture f;
        AddSales(f);
        TCX_YGYJForm w(f.ctx());
        w.fromDate->setDate(Day.addDays(1));
        w.toDate->setDate(Day);
        QTest::mouseClick(w.countButton, Qt::LeftButton);
        QCOMPARE(w.salesGrid->cell(1, 1), QString());
        QCOMPARE(w.JELabel->text(), QStringLiteral("0 元"));
        QCOMPARE(w.LRRLabel->text(), QStringLiteral("100 %"));
        bool shown = false;
        QObject scope;  // a timer still waiting when no dialog came up goes with this scope
        QTimer::singleShot(0, &scope, [&] {
            if (auto* d = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget())) {
                shown = true;
                d->reject();
            }
        });
        QTest::mouseClick(w.BrowseButton, Qt::LeftButton);
        QCoreApplication::processEvents();  // the watch runs out here, not in the next test
        QVERIFY(!shown);
    }

    // The preview shows the window's rows, its title and its totals.
    void previewReachesTheReport()
    {
        AppFixture f;
        AddSales(f);
        TCX_YGYJForm w(f.ctx());
        w.fromDate->setDate(Day);
        w.toDate->setDate(Day);
        SelectYuanGong(w, Neil);
        QStringList texts;
        QObject scope;  // a timer still waiting when no dialog came up goes with this scope
        QTimer::singleShot(0, &scope, [&] {
            if (auto* d = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget())) {
                for (const ReportPage& page : d->model().pages)
                    for (const PageText& t : page.texts)
                        texts << t.text;
                d->reject();
            }
        });
        QTest::mouseClick(w.BrowseButton, Qt::LeftButton);
        QVERIFY(texts.contains(QStringLiteral("2001-03-05至2001-03-05员工业绩报表")));
        QVERIFY(texts.contains(Neil));
        QVERIFY(!texts.contains(NeilX));
        QVERIFY(texts.contains(QStringLiteral("33.33%")));
        QVERIFY(texts.contains(QStringLiteral("700 元")));
        QVERIFY(texts.contains(QStringLiteral("23.33 %")));
    }
};

QL_APP_TEST_MAIN(TestPerformance)
#include "test_performance.moc"
