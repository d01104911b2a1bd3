#include "AccountsStore.h"

#include "Database.h"

#include <QHash>
#include <array>

namespace {

const QString DH = QStringLiteral(":dh");

}  // namespace

QStringList OwingParties(Database& db, AccountSide side)
{
    const DocumentSide& t = SideOf(side);
    QSqlQuery q = db.exec(QStringLiteral("select %1 from %2 where QK<>0 group by %1 order by %3")
                              .arg(t.party, t.header, db.chineseOrder(t.party)));
    QStringList names;
    while (q.next())
        names.append(q.value(0).toString());
    return names;
}

RowSet OpenDocuments(Database& db, AccountSide side, const QString& party)
{
    const DocumentSide& t = SideOf(side);
    const DocumentSelection open = OpenDocumentsOf(t, party);
    return SelectRows(db,
                      QStringLiteral("select dh,%1,in_date,shuliang,jinE,QK,Remark%2 from %3 a where %4 order by autoid")
                          .arg(t.party,
                               side == AccountSide::Receivable ? QStringLiteral(",yewuyuan,KeHuPhone,KeHuAddress")
                                                               : QString(),
                               t.header, open.condition),
                      open.params);
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
    using Bands = std::array<Money, 5>;  // the four age bands and the total
    const QString partyColumn = SideOf(side).party;
    QStringList parties;
    QHash<QString, Bands> owed;
    Bands sum{};
    for (int r = 0; r < documents.rowCount(); ++r) {
        const QString party = documents.value(r, partyColumn).toString();
        const QDate day = QDate::fromString(documents.value(r, QStringLiteral("in_date")).toString(), Qt::ISODate);
        const Money QK = Money::fromYuan(documents.value(r, QStringLiteral("QK")).toDouble());
        if (!owed.contains(party))
            parties << party;
        const qint64 days = day.daysTo(today);
        int band = 0;
        while (band < 3 && days > AgeingBandDays[band])
            ++band;
        for (Bands* bands : {&owed[party], &sum}) {
            (*bands)[band] += QK;
            (*bands)[4] += QK;
        }
    }
    RowSet ageing;
    ageing.columns = {QStringLiteral("party"), QStringLiteral("B1"), QStringLiteral("B2"), QStringLiteral("B3"),
                      QStringLiteral("B4"), QStringLiteral("total")};
    const auto row = [](const QString& name, const Bands& bands) {
        QVector<QVariant> values{name};
        for (Money m : bands)
            values << m.yuan();
        return values;
    };
    for (const QString& party : std::as_const(parties))
        ageing.rows.append(row(party, owed[party]));
    ageing.rows.append(row(QStringLiteral("合计"), sum));
    return ageing;
}
