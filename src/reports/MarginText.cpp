#include "MarginText.h"

#include <cmath>

QString MarginText(double profit, double amount)
{
    if (amount == 0)
        return QStringLiteral("100.00%");
    const double percent = profit / amount * 100;
    const double scaled = QString::number(percent * 100, 'g', 15).toDouble();
    const qint64 cents = qint64(std::llround(std::fabs(scaled)));
    const QString whole = cents >= 100 ? QString::number(cents / 100) : QString();
    const QString sign = scaled < 0 && cents != 0 ? QStringLiteral("-") : QString();
    return sign + whole + u'.' + QStringLiteral("%1").arg(cents % 100, 2, 10, QChar(u'0')) + u'%';
}
