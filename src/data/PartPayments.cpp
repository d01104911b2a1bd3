#include "PartPayments.h"

#include "AuditLog.h"
#include "ClosedMonths.h"
#include "Database.h"
#include "NumberText.h"

namespace {

const QString DH = QStringLiteral(":dh");

double UpdateQK(Database& db, const QString& table, const QString& dh, double owed, double paid)
{
    const double rest = RoundFloat(2, owed - paid);
    db.exec(QStringLiteral("update %1 set QK=:QK where dh=:dh").arg(table),
            {{QStringLiteral(":QK"), rest}, {DH, dh}});
    return rest;
}

void InsertHistory(Database& db, const QString& table, const QString& dh, const QDate& day, double JinE)
{
    db.exec(QStringLiteral("insert into %1(DH,in_date,JinE) \nvalues(:DH,:in_date,:JinE)").arg(table),
            {{QStringLiteral(":DH"), dh}, {QStringLiteral(":in_date"), SqlDate(day)},
             {QStringLiteral(":JinE"), JinE}});
}

void DeleteHistory(Database& db, const QString& table, const QString& dh)
{
    db.exec(QStringLiteral("delete from %1 where dh=:dh").arg(table), {{DH, dh}});
}

// A receipt or write-off needs its document: one deleted meanwhile (in another window) is
// refused instead of leaving a receipt row without a document.
void RequireDocument(Database& db, const QString& table, const QString& dh)
{
    if (!db.scalar(QStringLiteral("select 1 from %1 where dh=:dh").arg(table), {{DH, dh}}).isValid())
        throw DbError(QStringLiteral("单据 %1 不存在, 可能已被删除。").arg(dh));
}

}  // namespace

const AccountTables& TablesOf(AccountSide side)
{
    static const AccountTables receivable{QStringLiteral("Log_XiaoShouDan"), QStringLiteral("Log_XiaoShou"),
                                          QStringLiteral("Log_SKGuoCheng"), QStringLiteral("KeHu")};
    static const AccountTables payable{QStringLiteral("Log_CaiGouDan"), QStringLiteral("Log_CaiGou"),
                                       QStringLiteral("Log_FKGuoCheng"), QStringLiteral("GYS")};
    return side == AccountSide::Receivable ? receivable : payable;
}

namespace {

QString OwedText(double QK)
{
    return QStringLiteral("欠款 ") + FormatGeneral(QK);
}

}  // namespace

double UpdateXiaoShouDanQK(Database& db, const QString& dh, double owed, double paid)
{
    return UpdateQK(db, TablesOf(AccountSide::Receivable).header, dh, owed, paid);
}

double UpdateCaiGouDanQK(Database& db, const QString& dh, double owed, double paid)
{
    return UpdateQK(db, TablesOf(AccountSide::Payable).header, dh, owed, paid);
}

void InsertSKGuoCheng(Database& db, const QString& dh, const QDate& day, double JinE)
{
    InsertHistory(db, TablesOf(AccountSide::Receivable).history, dh, day, JinE);
}

void InsertFKGuoCheng(Database& db, const QString& dh, const QDate& day, double JinE)
{
    InsertHistory(db, TablesOf(AccountSide::Payable).history, dh, day, JinE);
}

void DeleteSKGuoCheng(Database& db, const QString& dh)
{
    DeleteHistory(db, TablesOf(AccountSide::Receivable).history, dh);
}

void DeleteFKGuoCheng(Database& db, const QString& dh)
{
    DeleteHistory(db, TablesOf(AccountSide::Payable).history, dh);
}

double RecordPartPayment(Database& db, AccountSide side, const QString& dh, double owed, double paid,
                         const QDate& day)
{
    const AccountTables& t = TablesOf(side);
    Transaction transaction(db);
    RequireDocument(db, t.header, dh);
    MarkMonthChanged(db, day);
    const double rest = UpdateQK(db, t.header, dh, owed, paid);
    if (rest != 0)
        InsertHistory(db, t.history, dh, day, paid);
    else
        DeleteHistory(db, t.history, dh);
    const bool receipt = side == AccountSide::Receivable;
    WriteAudit(db, receipt ? QStringLiteral("冲减应收款") : QStringLiteral("冲减应付款"), dh, OwedText(owed),
               QStringLiteral("%1 %2 (%3), %4")
                   .arg(receipt ? QStringLiteral("收款") : QStringLiteral("付款"), FormatGeneral(paid), SqlDate(day),
                        OwedText(rest)));
    transaction.commit();
    return rest;
}

void WriteOffOwed(Database& db, AccountSide side, const QString& dh, double owed)
{
    const AccountTables& t = TablesOf(side);
    Transaction transaction(db);
    RequireDocument(db, t.header, dh);
    UpdateQK(db, t.header, dh, owed, owed);
    DeleteHistory(db, t.history, dh);
    WriteAudit(db, side == AccountSide::Receivable ? QStringLiteral("核消应收款") : QStringLiteral("核消应付款"), dh,
               OwedText(owed), OwedText(0));
    transaction.commit();
}
