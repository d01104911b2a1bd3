#include "MonthKey.h"

#include <QDate>

QString MonthKey(const QString& year, const QString& month)
{
    QString m = month.trimmed();
    if (m.size() == 1)
        m.prepend(u'0');
    return year.trimmed() + m;
}

bool IsValidMonthKey(const QString& key)
{
    if (key.size() != 6)
        return false;
    for (QChar c : key)
        if (!c.isDigit() || c.unicode() > 127)
            return false;
    const QString year = key.left(4);
    const QString month = key.mid(4);
    return year >= QLatin1String("1000") && year <= QLatin1String("9999") && month >= QLatin1String("01")
        && month <= QLatin1String("12");
}

SqlParams MonthParams(const QString& key)
{
    if (!IsValidMonthKey(key))
        throw DbError(QStringLiteral("月份 %1 不正确。").arg(key));
    const QDate first(key.left(4).toInt(), key.mid(4).toInt(), 1);
    return {{QStringLiteral(":first"), SqlDate(first)}, {QStringLiteral(":next"), SqlDate(first.addMonths(1))}};
}
