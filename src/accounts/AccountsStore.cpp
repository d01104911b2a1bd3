#include "AccountsStore.h"

#include "Database.h"
#include "NumberText.h"

#include <QHash>

namespace {

const QString DH = QStringLiteral(":dh");

}  // namespace

QString AllParties()
{
    return QStringLiteral("所有");
}

QStringList OwingParties(Database& db, AccountSide side)
{
    const DocumentSide& t = SideOf(side);
    QSqlQuery q = db.exec(QStringLiteral("select %1 from %2 where QK<>0 group by %1 order by %1 %3")
                              .arg(t.party, t.header, QLatin1String(ChineseOrder)));
    QStringList names;
    while (q.next())
        names.append(q.value(0).toString());
    return names;
}

RowSet OpenDocuments(Database& db, AccountSide side, const QString& party)
{
    const DocumentSide& t = SideOf(side);
    QString sql = QStringLiteral("select dh,%1,in_date,shuliang,jinE,QK,Remark%2 from %3 where QK<>0")
                      .arg(t.party,
                           side == AccountSide::Receivable ? QStringLiteral(",yewuyuan,KeHuPhone,KeHuAddress") : QString(),
                           t.header);
    SqlParams params;
    if (!party.isEmpty() && party != AllParties()) {
        sql += QStringLiteral(" and %1=:party").arg(t.party);
        params.append({QStringLiteral(":party"), party});
    }
    return SelectRows(db, sql + QStringLiteral(" order by autoid"), params);
}

RowSet DocumentLines(Database& db, AccountSide side, const QString& dh)
{
    return SelectRows(db,
                      QStringLiteral("select PinPai,chanpin,guige,danjia,shuliang,jinE from %1 where dh=:dh order by autoid")
                          .arg(SideOf(side).lines),
                      {{DH, dh}});
}

RowSet PartPayments(Database& db, AccountSide side, const QString& dh)
{
    return SelectRows(db,
                      QStringLiteral("select in_date,JinE from %1 where dh=:dh order by in_date,autoid")
                          .arg(SideOf(side).history),
                      {{DH, dh}});
}

RowSet Ageing(const RowSet& documents, AccountSide side, const QDate& today)
{
    const QString partyColumn = SideOf(side).party;
    RowSet ageing;
    ageing.columns = {QStringLiteral("party"), QStringLiteral("B1"), QStringLiteral("B2"), QStringLiteral("B3"),
                      QStringLiteral("B4"), QStringLiteral("total")};
    QVector<QVariant> sum{QStringLiteral("合计"), 0.0, 0.0, 0.0, 0.0, 0.0};
    QHash<QString, int> index;
    for (int r = 0; r < documents.rowCount(); ++r) {
        const QString party = documents.value(r, partyColumn).toString();
        const QDate day = QDate::fromString(documents.value(r, QStringLiteral("in_date")).toString(), Qt::ISODate);
        const double QK = documents.value(r, QStringLiteral("QK")).toDouble();
        auto it = index.find(party);
        if (it == index.end()) {
            it = index.insert(party, int(ageing.rows.size()));
            ageing.rows.append({party, 0.0, 0.0, 0.0, 0.0, 0.0});
        }
        const qint64 days = day.daysTo(today);
        int band = 0;
        while (band < 3 && days > AgeingBandDays[band])
            ++band;
        for (QVector<QVariant>* row : {&ageing.rows[*it], &sum}) {
            (*row)[1 + band] = RoundFloat(2, (*row)[1 + band].toDouble() + QK);
            (*row)[5] = RoundFloat(2, (*row)[5].toDouble() + QK);
        }
    }
    ageing.rows.append(sum);
    return ageing;
}
