#include "ClosedMonths.h"

#include "Database.h"

namespace {

QString MonthKeyOf(const QDate& day)
{
    return day.toString(QStringLiteral("yyyyMM"));
}

}  // namespace

bool IsMonthClosed(Database& db, const QDate& day)
{
    return day.isValid()
        && db.scalar(QStringLiteral("select 1 from Log_JieQun where JQM=:JQM"), {{QStringLiteral(":JQM"), MonthKeyOf(day)}})
               .isValid();
}

void MarkMonthChanged(Database& db, const QDate& day)
{
    if (day.isValid())
        db.exec(QStringLiteral("update Log_JieQun set Stale=1 where JQM=:JQM"), {{QStringLiteral(":JQM"), MonthKeyOf(day)}});
}

void MarkMonthOfRowChanged(Database& db, const QString& table, const QString& dh)
{
    const QVariant day = db.scalar(QStringLiteral("select in_date from %1 where dh=:dh").arg(table),
                                   {{QStringLiteral(":dh"), dh}});
    if (day.isValid())
        MarkMonthChanged(db, QDate::fromString(day.toString(), Qt::ISODate));
}
