#pragma once

// Business of a month written through the document store, for the maintenance tests.

#include "DemoData.h"
#include "DocumentStore.h"
#include "PartPayments.h"
#include "ShouZhiStore.h"
#include "TestDb.h"

#include <QSqlRecord>

inline const QString TestBrand = QStringLiteral("雪峰");
inline const QString TestProduct = QStringLiteral("冰箱");
inline const QString TestSpec = QStringLiteral("BCD-210");

// An income or expense entry.
inline void AddShouZhi(Database& db, const QString& dh, const QString& type, const QDate& day, double amount)
{
    TShouZhi e;
    e.dh = dh;
    e.type = type;
    e.in_date = day;
    e.Item = QStringLiteral("房租");
    e.JinE = Money::fromYuan(amount);
    InsertShouZhi(db, e);
}

// A sale of qty units at price (average cost 300 when the goods were stocked by StockGoods), with
// `owed` left unpaid; a return when kind is ReturnKind.
inline void AddSale(Database& db, const QString& dh, const QDate& day, int qty, double price, double owed,
                    DanKind kind = ForwardKind)
{
    TXiaoShouDan d;
    d.dh = dh;
    d.shuliang = qty;
    d.jinE = Money::fromYuan(qty * price);
    d.QK = Money::fromYuan(owed);
    d.KeHu = QStringLiteral("张三");
    d.yewuyuan = QStringLiteral("王磊");
    d.in_date = day;
    SaveXiaoShouDocument(db, d, {TestDb::line(TestBrand, TestProduct, TestSpec, qty, price)}, kind);
}

inline void AddPurchase(Database& db, const QString& dh, const QDate& day, int qty, double price, double owed)
{
    TCaiGouDan d;
    d.dh = dh;
    d.shuliang = qty;
    d.jinE = Money::fromYuan(qty * price);
    d.QK = Money::fromYuan(owed);
    d.GYS = QStringLiteral("雪峰电器");
    d.in_date = day;
    SaveCaiGouDocument(db, d, {TestDb::line(TestBrand, TestProduct, TestSpec, qty, price)}, ForwardKind);
}

// The goods sold and bought above: 100 in stock at an average cost of 300.
inline void StockGoods(TestDb& t)
{
    t.addGoods(TestBrand, TestProduct, TestSpec, 100, 300);
}

// One month of business: a sale of 2 at 500 (400 received, 600 owed), a purchase of 1 at 300
// (all owed), income 200 and expense 50. `tag` makes the numbers unique ("05").
inline void AddMonth(Database& db, int year, int month, const QString& tag)
{
    const QDate day(year, month, 15);
    AddSale(db, QStringLiteral("xs24%1001").arg(tag), day, 2, 500, 1000);
    // 400 of it received: 600 still owed
    RecordPartPayment(db, AccountSide::Receivable, QStringLiteral("xs24%1001").arg(tag), 400_yuan, day);
    AddPurchase(db, QStringLiteral("cg24%1001").arg(tag), day, 1, 300, 300);
    AddShouZhi(db, QStringLiteral("sz24%1001").arg(tag), QStringLiteral("收入"), day, 200);
    AddShouZhi(db, QStringLiteral("sz24%1002").arg(tag), QStringLiteral("支出"), day.addDays(1), 50);
}

// Makes every later statement on `table` of the given kind fail, as a full disk or a broken file
// would in the middle of an operation.
inline void BreakTable(Database& db, const QString& table, const QString& event)
{
    db.exec(QStringLiteral("create trigger break_%1_%2 before %2 on %1 begin select raise(abort, 'disk I/O error'); end")
                .arg(table, event));
}

// Every row of every table, as text: compared before and after an operation that must change nothing.
inline QString Dump(Database& db)
{
    QString out;
    QSqlQuery tables = db.exec(QStringLiteral("select name from sqlite_master where type='table' order by name"));
    QStringList names;
    while (tables.next())
        names << tables.value(0).toString();
    for (const QString& name : names) {
        QSqlQuery q = db.exec(QStringLiteral("select * from ") + name);
        out += name + u'\n';
        while (q.next()) {
            for (int i = 0; i < q.record().count(); ++i)
                out += q.value(i).toString() + u'|';
            out += u'\n';
        }
    }
    return out;
}
