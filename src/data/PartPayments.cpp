#include "PartPayments.h"

#include "AuditLog.h"
#include "ClosedMonths.h"
#include "Database.h"
#include "Money.h"

namespace {

const QString DH = QStringLiteral(":dh");

// The stored amount owed of a document, its row locked until the transaction ends; a document that is not there (deleted meanwhile in
// another window) is refused instead of leaving a receipt row without a document.
Money StoredOwed(Database& db, const QString& table, const QString& dh)
{
    const QVariant owed = db.scalar(QStringLiteral("select QK from %1 where dh=:dh%2").arg(table, db.forUpdate()), {{DH, dh}});
    if (!owed.isValid())
        throw DbError(QStringLiteral("单据 %1 不存在, 可能已被删除。").arg(dh));
    return Money::fromYuan(owed.toDouble());
}

// Every assignment reads the row as it was, so CJ grows by exactly what QK went down by.
Money UpdateQK(Database& db, const QString& table, const QString& dh, Money paid)
{
    db.exec(QStringLiteral("update %1 set CJ=round(CJ+QK-round(QK-:paid,2),2), QK=round(QK-:paid,2) where dh=:dh")
                .arg(table),
            {{QStringLiteral(":paid"), paid.yuan()}, {DH, dh}});
    return Money::fromYuan(db.scalar(QStringLiteral("select QK from %1 where dh=:dh").arg(table), {{DH, dh}}).toDouble());
}

void InsertHistory(Database& db, const QString& table, const QString& dh, const QDate& day, Money JinE)
{
    db.exec(QStringLiteral("insert into %1(DH,in_date,JinE) \nvalues(:DH,:in_date,:JinE)").arg(table),
            {{QStringLiteral(":DH"), dh}, {QStringLiteral(":in_date"), SqlDate(day)},
             {QStringLiteral(":JinE"), JinE.yuan()}});
}

void DeleteHistory(Database& db, const QString& table, const QString& dh)
{
    db.exec(QStringLiteral("delete from %1 where dh=:dh").arg(table), {{DH, dh}});
}

QString OwedText(Money QK)
{
    return QStringLiteral("欠款 ") + FormatMoney(QK);
}

}  // namespace

Money UpdateXiaoShouDanQK(Database& db, const QString& dh, Money paid)
{
    return UpdateQK(db, SalesSide().header, dh, paid);
}

Money UpdateCaiGouDanQK(Database& db, const QString& dh, Money paid)
{
    return UpdateQK(db, PurchaseSide().header, dh, paid);
}

void InsertSKGuoCheng(Database& db, const QString& dh, const QDate& day, Money JinE)
{
    InsertHistory(db, SalesSide().history, dh, day, JinE);
}

void InsertFKGuoCheng(Database& db, const QString& dh, const QDate& day, Money JinE)
{
    InsertHistory(db, PurchaseSide().history, dh, day, JinE);
}

void DeleteSKGuoCheng(Database& db, const QString& dh)
{
    DeleteHistory(db, SalesSide().history, dh);
}

void DeleteFKGuoCheng(Database& db, const QString& dh)
{
    DeleteHistory(db, PurchaseSide().history, dh);
}

Money RecordPartPayment(Database& db, AccountSide side, const QString& dh, Money paid, const QDate& day)
{
    const DocumentSide& t = SideOf(side);
    return Retrying(db, [&] {
        Transaction transaction(db, Locking::Rows);
        MarkMonthChanged(db, day);
        const Money owed = StoredOwed(db, t.header, dh);
        const Money rest = UpdateQK(db, t.header, dh, paid);
        if (rest != Money())
            InsertHistory(db, t.history, dh, day, paid);
        else
            DeleteHistory(db, t.history, dh);
        const bool receipt = side == AccountSide::Receivable;
        WriteAudit(db, receipt ? QStringLiteral("冲减应收款") : QStringLiteral("冲减应付款"), dh, OwedText(owed),
                   QStringLiteral("%1 %2 (%3), %4")
                       .arg(receipt ? QStringLiteral("收款") : QStringLiteral("付款"), FormatMoney(paid), SqlDate(day),
                            OwedText(rest)));
        transaction.commit();
        return rest;
    });
}

void WriteOffOwed(Database& db, AccountSide side, const QString& dh)
{
    const DocumentSide& t = SideOf(side);
    Retrying(db, [&] {
        Transaction transaction(db, Locking::Rows);
        const Money owed = StoredOwed(db, t.header, dh);
        UpdateQK(db, t.header, dh, owed);
        DeleteHistory(db, t.history, dh);
        WriteAudit(db, side == AccountSide::Receivable ? QStringLiteral("核消应收款") : QStringLiteral("核消应付款"), dh,
                   OwedText(owed), OwedText(Money()));
        transaction.commit();
    });
}
