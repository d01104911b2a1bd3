// The benchmark shop generator keeps its ledger in memory; replaying its documents through the
// document store must give the same line costs and stock rows, and its amounts owed and monthly
// closings must agree with the documents.

#include "DocumentStore.h"
#include "TenYearShop.h"
#include "TestDb.h"

#include <QSqlRecord>
#include <QTest>

namespace {

const ShopSize Small{QDate(2024, 1, 1), QDate(2024, 12, 31), 1500, 160, 200, 12, 6, 400, 7};

TShangPinItem LineOf(const QSqlQuery& q, int sign)
{
    TShangPinItem it;
    it.PinPai = q.value(QStringLiteral("PinPai")).toString();
    it.chanpin = q.value(QStringLiteral("chanpin")).toString();
    it.guige = q.value(QStringLiteral("guige")).toString();
    it.danjia = Money::fromYuan(q.value(QStringLiteral("danjia")).toDouble());
    it.shuliang = sign * q.value(QStringLiteral("shuliang")).toInt();
    it.jinE = Money::fromYuan(q.value(QStringLiteral("jinE")).toDouble()) * sign;
    return it;
}

QVector<TShangPinItem> LinesOf(Database& db, const char* table, const QString& dh, int sign)
{
    QSqlQuery q = db.exec(QStringLiteral("select * from %1 where dh=:dh order by autoid").arg(QLatin1String(table)),
                          {{QStringLiteral(":dh"), dh}});
    QVector<TShangPinItem> lines;
    while (q.next())
        lines.append(LineOf(q, sign));
    return lines;
}

// Saves the documents of one day of the generated shop through the document store: the
// purchases first, then the sales, each in number order.
void ReplayDay(Database& from, Database& to, const QString& day)
{
    const SqlParams p{{QStringLiteral(":d"), day}};
    QSqlQuery purchases = from.exec(QStringLiteral("select * from Log_CaiGouDan where in_date=:d order by autoid"), p);
    while (purchases.next()) {
        TCaiGouDan d;
        d.dh = purchases.value(QStringLiteral("dh")).toString();
        const int sign = d.dh.startsWith(QStringLiteral("ct")) ? -1 : 1;
        d.in_date = QDate::fromString(day, Qt::ISODate);
        d.GYS = purchases.value(QStringLiteral("GYS")).toString();
        QVERIFY(SaveCaiGouDocument(to, d, LinesOf(from, "Log_CaiGou", d.dh, sign), sign < 0 ? ReturnKind : ForwardKind));
    }
    QSqlQuery sales = from.exec(QStringLiteral("select * from Log_XiaoShouDan where in_date=:d order by autoid"), p);
    while (sales.next()) {
        TXiaoShouDan d;
        d.dh = sales.value(QStringLiteral("dh")).toString();
        const int sign = d.dh.startsWith(QStringLiteral("xt")) ? -1 : 1;
        d.in_date = QDate::fromString(day, Qt::ISODate);
        QVERIFY(SaveXiaoShouDocument(to, d, LinesOf(from, "Log_XiaoShou", d.dh, sign), sign < 0 ? ReturnKind : ForwardKind));
    }
}

QStringList Rows(Database& db, const QString& sql)
{
    QSqlQuery q = db.exec(sql);
    QStringList rows;
    while (q.next()) {
        QStringList values;
        for (int c = 0; c < q.record().count(); ++c)
            values << q.value(c).toString();
        rows << values.join(u'|');
    }
    return rows;
}

}  // namespace

class TestTenYearShop : public QObject {
    Q_OBJECT
private slots:
    void ledgerAgreesWithDocumentStore()
    {
        TestDb generated;
        WriteShop(generated.db, Small);
        QVERIFY(generated.count(QStringLiteral("Log_XiaoShouDan")) > 1000);
        QVERIFY(generated.count(QStringLiteral("Log_CaiGouDan")) > 50);
        QVERIFY(generated.db.scalar(QStringLiteral("select count(*) from Log_XiaoShouDan where dh like 'xt%'")).toInt() > 0);
        QVERIFY(generated.db.scalar(QStringLiteral("select count(*) from Log_CaiGouDan where dh like 'ct%'")).toInt() > 0);

        TestDb replayed;
        WriteShop(replayed.db, Small, ShopPart::Catalogue);
        QCOMPARE(replayed.count(QStringLiteral("Log_XiaoShouDan")), 0);
        const QStringList days = Rows(generated.db, QStringLiteral(
            "select in_date from Log_CaiGouDan union select in_date from Log_XiaoShouDan order by 1"));
        Transaction t(replayed.db);
        for (const QString& day : days)
            ReplayDay(generated.db, replayed.db, day);
        t.commit();

        for (const char* sql : {"select * from Log_KuCun order by autoid",
                                "select dh,PinPai,chanpin,guige,danjia,CB,shuliang,jinE,in_date from Log_XiaoShou order by dh,autoid",
                                "select dh,PinPai,chanpin,guige,danjia,shuliang,jinE,in_date from Log_CaiGou order by dh,autoid"})
            QCOMPARE(Rows(replayed.db, QString::fromLatin1(sql)), Rows(generated.db, QString::fromLatin1(sql)));
        QVERIFY(generated.db.scalar(QStringLiteral("select min(ShuLiang) from Log_KuCun")).toInt() >= 0);
    }

    // Receipt and payment rows exist only for documents still open, and every document's figures
    // are the sums of its lines.
    void amountsOwedAndTotals()
    {
        TestDb t;
        WriteShop(t.db, Small);
        for (const char* sql : {
                 "select count(*) from Log_SKGuoCheng s left join Log_XiaoShouDan d on s.DH=d.dh where d.QK is null or d.QK=0",
                 "select count(*) from Log_FKGuoCheng s left join Log_CaiGouDan d on s.DH=d.dh where d.QK is null or d.QK=0",
                 "select count(*) from Log_XiaoShouDan d where shuliang<>(select sum(shuliang) from Log_XiaoShou where dh=d.dh)"
                 " or abs(jinE-(select sum(jinE) from Log_XiaoShou where dh=d.dh))>0.005",
                 "select count(*) from Log_CaiGouDan d where shuliang<>(select sum(shuliang) from Log_CaiGou where dh=d.dh)"
                 " or abs(jinE-(select sum(jinE) from Log_CaiGou where dh=d.dh))>0.005",
                 "select count(*) from Log_XiaoShouDan where abs(QK)>abs(jinE)"})
            QCOMPARE(t.db.scalar(QString::fromLatin1(sql)).toInt(), 0);
        const int open = t.db.scalar(QStringLiteral("select count(*) from Log_XiaoShouDan where QK<>0")).toInt();
        QVERIFY(open > 0);
        QVERIFY(open < t.count(QStringLiteral("Log_XiaoShouDan")) / 10);
    }

    // Closed months hold what the monthly closing computes from the month's sales lines and entries.
    void closedMonths()
    {
        TestDb t;
        WriteShop(t.db, Small);
        QCOMPARE(t.count(QStringLiteral("Log_JieQun")), 10);
        QSqlQuery q = t.db.exec(QStringLiteral("select * from Log_JieQun order by JQM"));
        while (q.next()) {
            const QString m = q.value(QStringLiteral("JQM")).toString();
            const SqlParams p{{QStringLiteral(":m"), m.left(4) + u'-' + m.mid(4)}};
            const double sales = t.db.scalar(QStringLiteral("select sum(jinE) from Log_XiaoShou where substr(in_date,1,7)=:m"), p).toDouble();
            const double cost = t.db.scalar(QStringLiteral("select sum(CB*shuliang) from Log_XiaoShou where substr(in_date,1,7)=:m"), p).toDouble();
            const double income = t.db.scalar(QStringLiteral("select total(JinE) from Log_ShouZhi where substr(in_date,1,7)=:m and type='收入'"), p).toDouble();
            const double expense = t.db.scalar(QStringLiteral("select total(JinE) from Log_ShouZhi where substr(in_date,1,7)=:m and type<>'收入'"), p).toDouble();
            QVERIFY(qAbs(q.value(QStringLiteral("XSE")).toDouble() - sales) < 0.01);
            QVERIFY(qAbs(q.value(QStringLiteral("XSLR")).toDouble() - (sales - cost)) < 0.01);
            QVERIFY(qAbs(q.value(QStringLiteral("Other_SR")).toDouble() - income) < 0.01);
            QVERIFY(qAbs(q.value(QStringLiteral("Other_ZC")).toDouble() - expense) < 0.01);
            QVERIFY(qAbs(q.value(QStringLiteral("BenQiLR")).toDouble() - (sales - cost + income - expense)) < 0.01);
        }
    }
};

QTEST_GUILESS_MAIN(TestTenYearShop)
#include "test_tenyearshop.moc"
