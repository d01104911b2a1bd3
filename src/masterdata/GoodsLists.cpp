#include "GoodsLists.h"

#include "Database.h"

#include <QSqlQuery>

namespace {

QStringList Column(QSqlQuery q)
{
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

}  // namespace

bool MeansAll(const QString& name, const char* allEntry)
{
    return name == QString::fromUtf8(allEntry) || name.toUpper() == QLatin1String("ALL");
}

QStringList ChanPinNames(Database& db, const QString& PinPai)
{
    if (MeansAll(PinPai, AllPinPai))
        return Column(db.exec(QStringLiteral("select ChanPin from Base_ChanPin order by autoid")));
    return Column(db.exec(QStringLiteral("select ChanPin from Base_ChanPin where PinPai=:PinPai order by autoid"),
                          {{QStringLiteral(":PinPai"), PinPai}}));
}

QStringList DistinctChanPinNames(Database& db)
{
    return Column(db.exec(QStringLiteral("select ChanPin from Base_ChanPin group by ChanPin order by min(autoid)")));
}

QStringList GuiGeNames(Database& db, const QString& PinPai, const QString& ChanPin)
{
    QStringList where;
    SqlParams params;
    if (!MeansAll(PinPai, AllPinPai)) {
        where << QStringLiteral("PinPai=:PinPai");
        params.append({QStringLiteral(":PinPai"), PinPai});
    }
    if (!MeansAll(ChanPin, AllChanPin)) {
        where << QStringLiteral("ChanPin=:ChanPin");
        params.append({QStringLiteral(":ChanPin"), ChanPin});
    }
    QString sql = QStringLiteral("select GuiGe from Log_KuCun");
    if (!where.isEmpty())
        sql += QStringLiteral(" where ") + where.join(QStringLiteral(" and "));
    return Column(db.exec(sql + QStringLiteral(" order by autoid"), params));
}
