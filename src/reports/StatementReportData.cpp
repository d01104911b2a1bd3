// Report data of a customer's statement: open documents, their receipts and the running balance.

#include "DocumentSide.h"
#include "Money.h"
#include "ReportData.h"

#include <QHash>

namespace {

QVariant MoneyOrEmpty(Money m)
{
    return m == Money() ? QVariant() : QVariant(m.yuan());
}

Money MoneyOf(const QVariant& v)
{
    return Money::fromYuan(v.toDouble());
}

}  // namespace

RowSet PrepareBB_KHDZD(Database& db, const QString& KeHu)
{
    const SqlParams params{{QStringLiteral(":kh"), KeHu}};
    const RowSet documents = SelectRows(
        db,
        QStringLiteral("select dh,in_date,jinE,QK from Log_XiaoShouDan where KeHu=:kh and QK<>0 order by in_date,autoid"),
        params);
    const RowSet receipts = SelectRows(db,
                                       QStringLiteral("select s.dh,s.in_date,s.JinE from Log_SKGuoCheng s "
                                                      "join Log_XiaoShouDan a on a.dh=s.dh "
                                                      "where a.KeHu=:kh and a.QK<>0 order by s.in_date,s.autoid"),
                                       params);
    QHash<QString, QVector<int>> receiptsOf;
    for (int r = 0; r < receipts.rowCount(); ++r)
        receiptsOf[receipts.rows[r][0].toString().toLower()].append(r);

    RowSet statement;
    statement.columns = {QStringLiteral("in_date"), QStringLiteral("dh"), QStringLiteral("ZY"),
                         QStringLiteral("jinE"), QStringLiteral("SK"), QStringLiteral("YE")};
    Money balance;
    for (const QVector<QVariant>& d : documents.rows) {
        const QString dh = d[0].toString();
        const Money amount = MoneyOf(d[2]);
        const Money owed = MoneyOf(d[3]);
        const QVector<int> own = receiptsOf.value(dh.toLower());
        Money receivedLater;
        for (int r : own)
            receivedLater += MoneyOf(receipts.rows[r][2]);
        // What was received when the document was saved is what its amount and receipts leave
        // beside the amount still owed.
        const Money receivedAtSale = amount - owed - receivedLater;
        balance += amount - receivedAtSale;
        const QString kind = SalesSide().kindOf(dh) == ReturnKind ? QStringLiteral("退货") : QStringLiteral("销售");
        statement.rows.append({d[1], dh, kind, amount.yuan(), MoneyOrEmpty(receivedAtSale), balance.yuan()});
        for (int r : own) {
            const Money received = MoneyOf(receipts.rows[r][2]);
            balance -= received;
            statement.rows.append({receipts.rows[r][1], dh, QStringLiteral("收款"), QVariant(), received.yuan(),
                                   balance.yuan()});
        }
    }
    return statement;
}

StatementTotals TotalsOfStatement(const RowSet& statement)
{
    StatementTotals t;
    t.jinE = MoneySum(statement, QStringLiteral("jinE")).yuan();
    t.SK = MoneySum(statement, QStringLiteral("SK")).yuan();
    if (!statement.isEmpty())
        t.YE = statement.value(statement.rowCount() - 1, QStringLiteral("YE")).toDouble();
    return t;
}
