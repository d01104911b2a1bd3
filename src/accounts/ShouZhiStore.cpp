#include "ShouZhiStore.h"

#include "ClosedMonths.h"
#include "Database.h"

namespace {

const QString Item = QStringLiteral(":item");

}  // namespace

QStringList ShouZhiItems(Database& db)
{
    QSqlQuery q = db.exec(QStringLiteral("select item from Base_ShouZhi order by autoid"));
    QStringList items;
    while (q.next())
        items.append(q.value(0).toString());
    return items;
}

bool BaseShouZhiExists(Database& db, const QString& item)
{
    return db.scalar(QStringLiteral("select 1 from Base_ShouZhi where item=:item limit 1"), {{Item, item}}).isValid();
}

void InsertBaseShouZhi(Database& db, const QString& item)
{
    db.exec(QStringLiteral("insert into Base_ShouZhi(item) values(:item)"), {{Item, item}});
}

void DeleteBaseShouZhi(Database& db, const QString& item)
{
    db.exec(QStringLiteral("delete from Base_ShouZhi where item=:item"), {{Item, item}});
}

QString IncomeType()
{
    return QStringLiteral("收入");
}

QString ExpenseType()
{
    return QStringLiteral("支出");
}

void InsertShouZhi(Database& db, const TShouZhi& e)
{
    Transaction t(db);
    MarkMonthChanged(db, e.in_date);
    db.exec(QStringLiteral("insert into Log_ShouZhi(dh,type,in_date,Item,JinE,remark) \n"
                           "values(:dh,:type,:in_date,:Item,:JinE,:remark)"),
            {{QStringLiteral(":dh"), e.dh},
             {QStringLiteral(":type"), e.type},
             {QStringLiteral(":in_date"), SqlDate(e.in_date)},
             {QStringLiteral(":Item"), e.Item},
             {QStringLiteral(":JinE"), e.JinE.yuan()},
             {QStringLiteral(":remark"), e.remark}});
    t.commit();
}

void DeleteShouZhi(Database& db, const QString& dh)
{
    Transaction t(db);
    MarkMonthOfRowChanged(db, QStringLiteral("Log_ShouZhi"), dh);
    db.exec(QStringLiteral("delete from Log_ShouZhi where dh=:dh"), {{QStringLiteral(":dh"), dh}});
    t.commit();
}

RowSet ShouZhiRows(Database& db, const QDate& first, const QDate& last)
{
    return SelectRows(db,
                      QStringLiteral("select dh, in_date, type, item, jine, remark from Log_ShouZhi"
                                     " where in_date>=:first and in_date<=:last order by rowid"),
                      {{QStringLiteral(":first"), SqlDate(first)}, {QStringLiteral(":last"), SqlDate(last)}});
}
