#pragma once

// Open documents on both sides of the accounts, written straight into a test database.

#include "PartPayments.h"

#include "Database.h"

#include <QDate>
#include <QString>

// A document header of the side with the given amount owed (amount jinE, one unit).
inline void AddOpenDocument(Database& db, AccountSide side, const QString& dh, const QString& party, double QK,
                            const QDate& day = QDate(2024, 5, 1), double jinE = 0)
{
    const DocumentSide& t = SideOf(side);
    db.exec(QStringLiteral("insert into %1(dh,%2,in_date,shuliang,jinE,QK) values(:dh,:party,:d,1,:j,:qk)")
                .arg(t.header, t.party),
            {{QStringLiteral(":dh"), dh},
             {QStringLiteral(":party"), party},
             {QStringLiteral(":d"), SqlDate(day)},
             {QStringLiteral(":j"), jinE == 0 ? QK : jinE},
             {QStringLiteral(":qk"), QK}});
}

inline double StoredQK(Database& db, AccountSide side, const QString& dh)
{
    return db.scalar(QStringLiteral("select QK from %1 where dh=:dh").arg(SideOf(side).header),
                     {{QStringLiteral(":dh"), dh}})
        .toDouble();
}

inline int HistoryRows(Database& db, AccountSide side, const QString& dh)
{
    return db.scalar(QStringLiteral("select count(*) from %1 where dh=:dh").arg(SideOf(side).history),
                     {{QStringLiteral(":dh"), dh}})
        .toInt();
}
