#include "CheckStore.h"

#include "AuditLog.h"
#include "Database.h"
#include "Ledger.h"
#include "NumberText.h"
#include "PartPayments.h"

namespace {

// Headers without lines, headers whose totals differ from their lines (beyond half a cent), and
// lines without a header.
void CheckDocuments(Database& db, const DocumentSide& t, QStringList& faults)
{
    QSqlQuery q = db.exec(QStringLiteral("select h.dh, h.shuliang, coalesce(l.sl,0), h.jinE, coalesce(l.je,0), l.dh is null from %1 h "
                                         "left join (select dh, sum(shuliang) as sl, sum(jinE) as je from %2 group by dh) l "
                                         "on l.dh=h.dh where l.dh is null or h.shuliang<>l.sl or abs(h.jinE-l.je)>0.005 "
                                         "order by h.dh")
                              .arg(t.header, t.lines));
    while (q.next())
        faults << (q.value(5).toBool()
                       ? QStringLiteral("%1 单据 %2 没有明细").arg(t.header, q.value(0).toString())
                       : QStringLiteral("%1 单据 %2 的合计(数量 %3, 金额 %4)与明细(数量 %5, 金额 %6)不符")
                             .arg(t.header, q.value(0).toString(), q.value(1).toString(), q.value(3).toString(),
                                  q.value(2).toString(), q.value(4).toString()));
    QSqlQuery orphans = db.exec(QStringLiteral("select distinct l.dh from %1 l where not exists (select 1 from %2 h where h.dh=l.dh) "
                                               "order by l.dh")
                                    .arg(t.lines, t.header));
    while (orphans.next())
        faults << QStringLiteral("%1 有单号 %2 的明细, 但没有单据").arg(t.lines, orphans.value(0).toString());
}

// Goods items whose stock is not their opening quantity plus the movements of their lines.
void CheckStock(Database& db, QStringList& faults)
{
    QSqlQuery q = db.exec(QStringLiteral(
        "select k.PinPai, k.ChanPin, k.GuiGe, k.ShuLiang, k.QCShuLiang, coalesce(m.n,0) from Log_KuCun k "
        "left join (select PinPai, chanpin, guige, sum(n) as n from "
        "(select PinPai, chanpin, guige, shuliang as n from Log_CaiGou union all "
        "select PinPai, chanpin, guige, -shuliang from Log_XiaoShou) as moves group by PinPai, chanpin, guige) m "
        "on m.PinPai=k.PinPai and m.chanpin=k.ChanPin and m.guige=k.GuiGe "
        "where k.QCShuLiang is not null and k.ShuLiang<>k.QCShuLiang+coalesce(m.n,0) order by k.autoid"));
    while (q.next())
        faults << QStringLiteral("商品 %1/%2/%3 的库存 %4 不等于期初 %5 加单据进出 %6")
                      .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                           q.value(4).toString(), q.value(5).toString());
}

// Goods items holding less than nothing: no save takes a goods item below nothing, so only a
// deleted purchase whose goods were sold, or a change by other means, leaves one.
void CheckStockNotNegative(Database& db, QStringList& faults)
{
    QSqlQuery q = db.exec(QStringLiteral("select PinPai, ChanPin, GuiGe, ShuLiang from Log_KuCun where ShuLiang<0 order by autoid"));
    while (q.next())
        faults << QStringLiteral("商品 %1/%2/%3 的库存 %4 小于 0")
                      .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString());
}

// Amounts owed that are not the amount less what was paid when saving and what receipts,
// payments and write-offs took off since (beyond half a cent): a receipt lost from the amount
// owed, or an amount owed changed by other means. Documents written without the figure paid
// when saving (SS null) are not checked.
void CheckOwedAgainstPaid(Database& db, const DocumentSide& t, QStringList& faults)
{
    QSqlQuery q = db.exec(QStringLiteral("select dh, jinE, SS, CJ, QK from %1 "
                                         "where SS is not null and abs(jinE-SS-CJ-QK)>0.005 order by dh")
                              .arg(t.header));
    while (q.next()) {
        const double jinE = q.value(1).toDouble(), SS = q.value(2).toDouble(), CJ = q.value(3).toDouble();
        faults << QStringLiteral("%1 单据 %2 的欠款 %3 不等于金额 %4 减保存时已付 %5 再减收付款和核消 %6 (应为 %7)")
                      .arg(t.header, q.value(0).toString(), FormatGeneral(q.value(4).toDouble()), FormatGeneral(jinE),
                           FormatGeneral(SS), FormatGeneral(CJ), FormatMoney(jinE - SS - CJ));
    }
}

// Amounts owed beyond the document's amount that no recorded receipt or payment explains, and
// part payments kept for a settled document.
void CheckOwed(Database& db, AccountSide side, QStringList& faults)
{
    const DocumentSide& t = SideOf(side);
    const QString action = side == AccountSide::Receivable ? QStringLiteral("冲减应收款") : QStringLiteral("冲减应付款");
    QSqlQuery q = db.exec(QStringLiteral("select h.dh, h.jinE, h.QK, (select new_value from Log_Audit a where a.object=h.dh "
                                         "and a.action=:action order by a.autoid desc limit 1) from %1 h "
                                         "where abs(h.QK)>abs(h.jinE)+0.005 order by h.dh")
                              .arg(t.header),
                          {{QStringLiteral(":action"), action}});
    while (q.next()) {
        const QString owed = QStringLiteral("欠款 ") + FormatGeneral(q.value(2).toDouble());
        if (!q.value(3).toString().endsWith(owed))
            faults << QStringLiteral("%1 单据 %2 的欠款 %3 超出金额 %4")
                          .arg(t.header, q.value(0).toString(), q.value(2).toString(), q.value(1).toString());
    }
    QSqlQuery settled = db.exec(QStringLiteral("select distinct h.dh from %1 h join %2 p on p.DH=h.dh where h.QK=0 order by h.dh")
                                    .arg(t.header, t.history));
    while (settled.next())
        faults << QStringLiteral("%1 有已结清单据 %2 的收付款记录").arg(t.history, settled.value(0).toString());
}

}  // namespace

QStringList CheckDatabase(Database& db)
{
    QStringList faults;
    // The file's pages and indexes; a server keeps its own whole.
    if (db.engine() == Engine::Sqlite) {
        QSqlQuery integrity = db.exec(QStringLiteral("PRAGMA integrity_check"));
        while (integrity.next())
            if (const QString line = integrity.value(0).toString(); line != QLatin1String("ok"))
                faults << line;
        if (!faults.isEmpty())
            return faults;
    }
    for (AccountSide side : {AccountSide::Receivable, AccountSide::Payable})
        CheckDocuments(db, SideOf(side), faults);
    CheckStock(db, faults);
    CheckStockNotNegative(db, faults);
    for (AccountSide side : {AccountSide::Receivable, AccountSide::Payable}) {
        CheckOwed(db, side, faults);
        CheckOwedAgainstPaid(db, SideOf(side), faults);
    }
    return faults;
}
