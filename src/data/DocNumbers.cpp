#include "DocNumbers.h"

#include "Database.h"

namespace {

QString NextNumber(Database& db, const QString& table, const QString& prefix, const QDate& date)
{
    const QString key = prefix + date.toString(QStringLiteral("yyMMdd"));
    // Every number whose first eight characters equal the key, highest first. The range lets
    // either engine read it off the index on dh: each such number lies between the key and the
    // key with its last digit raised by one.
    QString above = key;
    above.back() = QChar(above.back().unicode() + 1);
    const QVariant highest = db.scalar(
        QStringLiteral("select dh from %1 where dh >= :key and dh < :above and dh like :dh order by dh desc limit 1")
            .arg(table),
        {{QStringLiteral(":key"), key}, {QStringLiteral(":above"), above}, {QStringLiteral(":dh"), key + u'%'}});
    if (!highest.isValid())
        return key + QStringLiteral("001");
    const QString seqText = highest.toString().mid(8, 3);
    bool ok = false;
    const int s = seqText.toInt(&ok);
    if (!ok)
        throw DbError(QStringLiteral("'%1' 不是有效的整数。").arg(seqText));
    if (s >= 999)
        return QString();
    return key + QStringLiteral("%1").arg(s + 1, 3, 10, QLatin1Char('0'));
}

}  // namespace

QString NextXiaoShouDH(Database& db, const QString& prefix, const QDate& date)
{
    return NextNumber(db, SalesSide().header, prefix, date);
}

QString NextCaiGouDH(Database& db, const QString& prefix, const QDate& date)
{
    return NextNumber(db, PurchaseSide().header, prefix, date);
}

QString NextShouZhiDH(Database& db, const QString& prefix, const QDate& date)
{
    return NextNumber(db, QStringLiteral("Log_ShouZhi"), prefix, date);
}

QString NextDH(Database& db, const DocumentSide& side, DanKind kind, const QDate& date)
{
    return NextNumber(db, side.header, side.prefixOf(kind), date);
}

QString NoDocumentNumberMessage()
{
    return QStringLiteral("单据号不能为空!当日该类单据号已用完,请输入其他单据号。");
}
