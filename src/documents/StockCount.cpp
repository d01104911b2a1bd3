#include "StockCount.h"

#include "AuditLog.h"
#include "Database.h"
#include "Ledger.h"
#include "Records.h"

#include <QSqlQuery>

namespace {

const QString P = QStringLiteral(":PinPai");
const QString C = QStringLiteral(":ChanPin");
const QString G = QStringLiteral(":GuiGe");

SqlParams KeyParams(const GoodsKey& goods)
{
    return {{P, goods.PinPai}, {C, goods.ChanPin}, {G, goods.GuiGe}};
}

QString CountRowsSql(const QString& condition)
{
    return QStringLiteral("select k.PinPai,k.ChanPin,k.GuiGe,coalesce(p.ZhangMian,k.ShuLiang) as ZhangMian,"
                          "p.ShuLiang as ShiPan,p.ShuLiang-p.ZhangMian as ChaYi "
                          "from Log_KuCun k left join Log_PanDian p "
                          "on p.PinPai=k.PinPai and p.ChanPin=k.ChanPin and p.GuiGe=k.GuiGe%1 "
                          "order by k.PinPai,k.ChanPin,k.GuiGe")
        .arg(condition);
}

QString ItemText(const QString& brand, const QString& product, const QString& spec)
{
    return brand + u'/' + product + u'/' + spec;
}

}  // namespace

ItemCount CountGoods(Database& db, const GoodsKey& goods, int quantity, CountEntry entry)
{
    const QString counted = entry == CountEntry::Add ? QStringLiteral("Log_PanDian.ShuLiang+excluded.ShuLiang")
                                                     : QStringLiteral("excluded.ShuLiang");
    QSqlQuery q = db.exec(QStringLiteral("insert into Log_PanDian(PinPai,ChanPin,GuiGe,ShuLiang,ZhangMian) "
                                         "select PinPai,ChanPin,GuiGe,:n,ShuLiang from Log_KuCun "
                                         "where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe "
                                         "on conflict(PinPai,ChanPin,GuiGe) do update set ShuLiang=%1 "
                                         "returning ShuLiang,ZhangMian")
                              .arg(counted),
                          KeyParams(goods) + SqlParams{{QStringLiteral(":n"), quantity}});
    if (!q.next())
        throw DbError(QStringLiteral("商品 %1 不在库存中").arg(ItemText(goods.PinPai, goods.ChanPin, goods.GuiGe)));
    return {q.value(0).toInt(), q.value(1).toInt()};
}

RowSet StockCountRows(Database& db, const QString& brand)
{
    if (brand.isEmpty())
        return SelectRows(db, CountRowsSql({}));
    return SelectRows(db, CountRowsSql(QStringLiteral(" where k.PinPai=:PinPai")), {{P, brand}});
}

RowSet StockCountDifferences(Database& db)
{
    return SelectRows(db, CountRowsSql(QStringLiteral(" where p.ShuLiang<>p.ZhangMian")));
}

CountState StockCountState(Database& db)
{
    QSqlQuery q = db.exec(QStringLiteral("select count(*),coalesce(sum(case when k.ShuLiang<>p.ZhangMian then 1 else 0 end),0) "
                                         "from Log_PanDian p join Log_KuCun k "
                                         "on p.PinPai=k.PinPai and p.ChanPin=k.ChanPin and p.GuiGe=k.GuiGe"));
    q.next();
    return {q.value(0).toInt(), q.value(1).toInt()};
}

int PostStockCount(Database& db)
{
    return Retrying(db, [&] {
        Transaction t(db, Locking::Rows);
        QVector<TShangPinItem> goods;
        {
            QSqlQuery q = db.exec(QStringLiteral("select PinPai,ChanPin,GuiGe from Log_PanDian order by PinPai,ChanPin,GuiGe"));
            while (q.next()) {
                TShangPinItem item;
                item.PinPai = q.value(0).toString();
                item.chanpin = q.value(1).toString();
                item.guige = q.value(2).toString();
                goods.append(item);
            }
        }
        LockGoods(db, goods);
        // Read after the lock: the stock as it is now, which no other counter changes until the end.
        struct Change {
            QString brand, product, spec;
            int before, after;
        };
        QVector<Change> changes;
        QSqlQuery q = db.exec(QStringLiteral("select k.PinPai,k.ChanPin,k.GuiGe,k.ShuLiang,p.ShuLiang-p.ZhangMian "
                                             "from Log_PanDian p join Log_KuCun k "
                                             "on p.PinPai=k.PinPai and p.ChanPin=k.ChanPin and p.GuiGe=k.GuiGe "
                                             "order by k.PinPai,k.ChanPin,k.GuiGe"));
        while (q.next()) {
            const int before = q.value(3).toInt();
            const int after = qMax(0, before + q.value(4).toInt());
            if (after != before)
                changes.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), before, after});
        }
        for (const Change& c : changes) {
            const SqlParams key{{P, c.brand}, {C, c.product}, {G, c.spec}};
            db.exec(QStringLiteral("update Log_KuCun set QCShuLiang=QCShuLiang+:moved,ShuLiang=:ShuLiang "
                                   "where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"),
                    key + SqlParams{{QStringLiteral(":moved"), c.after - c.before}, {QStringLiteral(":ShuLiang"), c.after}});
            WriteAudit(db, QStringLiteral("库存盘点"), ItemText(c.brand, c.product, c.spec),
                       QStringLiteral("库存%1").arg(c.before), QStringLiteral("库存%1").arg(c.after));
        }
        db.exec(QStringLiteral("delete from Log_PanDian"));
        t.commit();
        return int(changes.size());
    });
}

void DiscardStockCount(Database& db)
{
    Transaction t(db);
    const int counted = db.scalar(QStringLiteral("select count(*) from Log_PanDian")).toInt();
    if (counted > 0)
        WriteAudit(db, QStringLiteral("放弃盘点"), QStringLiteral("盘点"), QStringLiteral("已盘%1个商品").arg(counted));
    db.exec(QStringLiteral("delete from Log_PanDian"));
    t.commit();
}
