#include "AccountsStore.h"

#include "Database.h"
#include "NumberText.h"

#include <QHash>

QString AllParties()
{
    return QStringLiteral("所有");
}

QStringList OwingParties(Database& db, AccountSide side)
{
    const AccountTables& t = TablesOf(side);
    QSqlQuery q = db.exec(QStringLiteral("select %1 from %2 where QK<>0 group by %1 order by %1 %3")
                              .arg(t.party, t.header, QLatin1String(ChineseOrder)));
    QStringList names;
    while (q.next())
        names.append(q.value(0).toString());
    return names;
}

QVector<OpenDocument> OpenDocuments(Database& db, AccountSide side, const QString& party)
{
    const AccountTables& t = TablesOf(side);
    const bool sales = side == AccountSide::Receivable;
    QString sql = QStringLiteral("select dh,%1,in_date,shuliang,jinE,QK,Remark%2 from %3 where QK<>0")
                      .arg(t.party, sales ? QStringLiteral(",yewuyuan,KeHuPhone,KeHuAddress") : QString(), t.header);
    SqlParams params;
    if (!party.isEmpty() && party != AllParties()) {
        sql += QStringLiteral(" and %1=:party").arg(t.party);
        params.append({QStringLiteral(":party"), party});
    }
    QSqlQuery q = db.exec(sql + QStringLiteral(" order by autoid"), params);
    QVector<OpenDocument> docs;
    while (q.next()) {
        OpenDocument d;
        d.dh = q.value(0).toString();
        d.party = q.value(1).toString();
        d.in_date = QDate::fromString(q.value(2).toString(), QStringLiteral("yyyy-MM-dd"));
        d.shuliang = q.value(3).toInt();
        d.jinE = q.value(4).toDouble();
        d.QK = q.value(5).toDouble();
        d.Remark = q.value(6).toString();
        if (sales) {
            d.yewuyuan = q.value(7).toString();
            d.phone = q.value(8).toString();
            d.address = q.value(9).toString();
        }
        docs.append(d);
    }
    return docs;
}

QVector<PartPayment> PartPayments(Database& db, AccountSide side, const QString& dh)
{
    QSqlQuery q = db.exec(QStringLiteral("select in_date,JinE from %1 where dh=:dh order by in_date,autoid")
                              .arg(TablesOf(side).history),
                          {{QStringLiteral(":dh"), dh}});
    QVector<PartPayment> rows;
    while (q.next())
        rows.append({QDate::fromString(q.value(0).toString(), QStringLiteral("yyyy-MM-dd")), q.value(1).toDouble()});
    return rows;
}

QVector<AgeingRow> Ageing(const QVector<OpenDocument>& documents, const QDate& today)
{
    QVector<AgeingRow> rows;
    QHash<QString, int> index;
    AgeingRow sum;
    sum.party = QStringLiteral("合计");
    for (const OpenDocument& d : documents) {
        auto it = index.find(d.party);
        if (it == index.end()) {
            it = index.insert(d.party, int(rows.size()));
            rows.append(AgeingRow{d.party});
        }
        const qint64 days = d.in_date.daysTo(today);
        int band = 0;
        while (band < 3 && days > AgeingBandDays[band])
            ++band;
        for (AgeingRow* r : {&rows[*it], &sum}) {
            r->bands[band] = RoundFloat(2, r->bands[band] + d.QK);
            r->total = RoundFloat(2, r->total + d.QK);
        }
    }
    rows.append(sum);
    return rows;
}
