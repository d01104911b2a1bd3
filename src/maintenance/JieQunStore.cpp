#include "JieQunStore.h"

#include "Database.h"
#include "MonthKey.h"

int GetJieQunState(Database& db, const QString& key)
{
    const QVariant state = db.scalar(QStringLiteral("select ClearState from Log_JieQun where JQM=:JQM"),
                                     {{QStringLiteral(":JQM"), key}});
    if (!state.isValid())
        return 0;
    return state.toInt() == 1 ? 1 : 2;
}

void MakeJieQun(Database& db, const QString& key)
{
    const SqlParams month = MonthParams(key);
    Transaction t(db);
    QSqlQuery sales = db.exec(QStringLiteral("select coalesce(sum(jinE),0), coalesce(sum(CB*shuliang),0) "
                                             "from Log_XiaoShou where in_date>=:first and in_date<:next"),
                              month);
    sales.next();
    const double S = sales.value(0).toDouble();
    const double C = sales.value(1).toDouble();
    QSqlQuery entries = db.exec(
        QStringLiteral("select coalesce(sum(case when type=:income then JinE else 0 end),0), "
                       "coalesce(sum(case when type=:income2 then 0 else JinE end),0) "
                       "from Log_ShouZhi where in_date>=:first and in_date<:next"),
        SqlParams(month) << std::pair{QStringLiteral(":income"), QVariant(QStringLiteral("收入"))}
                         << std::pair{QStringLiteral(":income2"), QVariant(QStringLiteral("收入"))});
    entries.next();
    const double I = entries.value(0).toDouble();
    const double E = entries.value(1).toDouble();
    const double P = S - C;
    db.exec(QStringLiteral("insert into Log_JieQun(JQM,XSE,XSLR,Other_SR,Other_ZC,BenQiLR,ClearState) "
                           "values(:JQM,:XSE,:XSLR,:Other_SR,:Other_ZC,:BenQiLR,:ClearState)"),
            {{QStringLiteral(":JQM"), key},
             {QStringLiteral(":XSE"), S},
             {QStringLiteral(":XSLR"), P},
             {QStringLiteral(":Other_SR"), I},
             {QStringLiteral(":Other_ZC"), E},
             {QStringLiteral(":BenQiLR"), P + I - E},
             {QStringLiteral(":ClearState"), 1}});
    t.commit();
}

void DeleteJieQun(Database& db, const QString& key)
{
    db.exec(QStringLiteral("delete from Log_JieQun where JQM=:JQM"), {{QStringLiteral(":JQM"), key}});
}

void ReMakeJieQun(Database& db, const QString& key)
{
    Transaction t(db);
    DeleteJieQun(db, key);
    MakeJieQun(db, key);
    t.commit();
}

RowSet ListJieQun(Database& db, const QString& first, const QString& last)
{
    return SelectRows(db,
                      QStringLiteral("select JQM,substr(JQM,1,4) as JQM1,substr(JQM,5,2) as JQM2,XSE,XSLR,Other_SR,"
                                     "Other_ZC,BenQiLR,ClearState,"
                                     "case when Stale=1 then '需重新结存' else '' end as JQState from Log_JieQun "
                                     "where JQM>=:first and JQM<=:last order by JQM"),
                      {{QStringLiteral(":first"), first}, {QStringLiteral(":last"), last}});
}
