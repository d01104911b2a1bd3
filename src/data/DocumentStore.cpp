#include "DocumentStore.h"

#include "AuditLog.h"
#include "ClosedMonths.h"
#include "Database.h"
#include "DocNumbers.h"
#include "DocumentSide.h"
#include "Ledger.h"
#include "Money.h"

#include <QHash>
#include <QStringList>

namespace {

const QString DH = QStringLiteral(":dh");

bool IsNewDH(Database& db, const QString& table, const QString& dh)
{
    return !db.scalar(QStringLiteral("select 1 from %1 where dh=:dh limit 1").arg(table),
                      {{DH, dh}})
                .isValid();
}

QVector<TShangPinItem> Lines(Database& db, const char* table, const QString& costColumn, const QString& dh)
{
    QSqlQuery q = db.exec(QStringLiteral("select dh,in_date,PinPai,chanpin,guige,danjia,shuliang,jinE,%1 "
                                         "from %2 where dh=:dh order by autoid")
                              .arg(costColumn, QLatin1String(table)),
                          {{DH, dh}});
    QVector<TShangPinItem> lines;
    while (q.next()) {
        TShangPinItem it;
        it.dh = q.value(0).toString();
        it.in_date = QDate::fromString(q.value(1).toString(), QStringLiteral("yyyy-MM-dd"));
        it.PinPai = q.value(2).toString();
        it.chanpin = q.value(3).toString();
        it.guige = q.value(4).toString();
        it.danjia = Money::fromYuan(q.value(5).toDouble());
        it.shuliang = q.value(6).toInt();
        it.jinE = Money::fromYuan(q.value(7).toDouble());
        it.CB = Money::fromYuan(q.value(8).toDouble());
        lines.append(it);
    }
    return lines;
}

// What was paid when a document was saved: its amount less the amount owed.
double PaidWhenSaved(Money jinE, Money QK)
{
    return (jinE - QK).yuan();
}

void RequireNumber(const QString& dh)
{
    if (dh.isEmpty())
        throw DbError(NoDocumentNumberMessage());
}

// Gives a document as entered its stored form: the trimmed number, the date on every line, and
// for a return its quantities, amounts and amount owed negated.
template <class Header>
void PrepareForStore(Header& header, QVector<TShangPinItem>& lines, DanKind kind)
{
    header.dh = header.dh.trimmed();
    RequireNumber(header.dh);
    const int sign = kind == ReturnKind ? -1 : 1;
    header.shuliang *= sign;
    header.jinE = header.jinE * sign;
    header.QK = header.QK * sign;
    for (TShangPinItem& line : lines) {
        line.in_date = header.in_date;
        line.shuliang *= sign;
        line.jinE = line.jinE * sign;
    }
}

// Refuses a document whose lines would take a goods item below nothing: out is the quantity a
// stored line takes out of stock (a sale's, or the negated quantity of a purchase return). The
// lines of one goods item count together; a goods key without a stock row is not refused, as
// nothing is posted to it.
void RequireStock(Database& db, const QVector<TShangPinItem>& lines, int outSign)
{
    QHash<QString, std::pair<const TShangPinItem*, int>> out;
    QStringList order;
    for (const TShangPinItem& line : lines) {
        const QString key = QStringList{line.PinPai, line.chanpin, line.guige}.join(QChar(0)).toLower();
        if (!out.contains(key))
            order << key;
        auto& [item, quantity] = out[key];
        item = &line;
        quantity += outSign * line.shuliang;
    }
    for (const QString& key : order) {
        const auto& [item, quantity] = out[key];
        if (quantity <= 0)
            continue;
        const QVariant stock = db.scalar(QStringLiteral("select ShuLiang from Log_KuCun "
                                                        "where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"),
                                         {{QStringLiteral(":PinPai"), item->PinPai},
                                          {QStringLiteral(":ChanPin"), item->chanpin},
                                          {QStringLiteral(":GuiGe"), item->guige}});
        if (stock.isValid() && stock.toInt() < quantity)
            throw DbError(QStringLiteral("商品 %1 %2 %3 库存量不足: 现有库存 %4, 本单需要 %5。单据没有保存。")
                              .arg(item->PinPai, item->chanpin, item->guige)
                              .arg(stock.toInt())
                              .arg(quantity));
    }
}

// Inserts the header under its number, or, when taken allows, under the next free number of its
// prefix and date; a number another connection took first (the unique index on dh refuses it) is
// retried with the next. Returns false when the number is used and taken is Refuse.
template <class Header>
bool InsertHeader(Database& db, const DocumentSide& side, Header& header, DanKind kind, TakenNumber taken,
                  void (*insert)(Database&, const Header&))
{
    // Each counter saving at the same time may take the number in between: as many tries as there
    // could be counters saving, and then some.
    for (int attempt = 0;; ++attempt) {
        if (IsNewDH(db, side.header, header.dh)) {
            try {
                Transaction one(db);
                insert(db, header);
                one.commit();
                return true;
            } catch (const DbError&) {
                if (taken == TakenNumber::Refuse || attempt >= 100 || IsNewDH(db, side.header, header.dh))
                    throw;
            }
        } else if (taken == TakenNumber::Refuse) {
            return false;
        }
        header.dh = NextDH(db, side, kind, header.in_date);
        RequireNumber(header.dh);
    }
}

}  // namespace

bool IsNewXiaoShouDH(Database& db, const QString& dh)
{
    return IsNewDH(db, SalesSide().header, dh);
}

bool IsNewCaiGouDH(Database& db, const QString& dh)
{
    return IsNewDH(db, PurchaseSide().header, dh);
}

void InsertXiaoShouDan(Database& db, const TXiaoShouDan& d)
{
    db.exec(QStringLiteral("insert into Log_XiaoShouDan(dh,shuliang,jinE,yewuyuan,KeHu,in_date,Remark,KeHuPhone,KeHuAddress,QK,SS) \n"
                           "values(:dh,:shuliang,:jinE,:yewuyuan,:KeHu,:in_date,:Remark,:KeHuPhone,:KeHuAddress,:QK,:SS)"),
            {{DH, d.dh},
             {QStringLiteral(":shuliang"), d.shuliang},
             {QStringLiteral(":jinE"), d.jinE.yuan()},
             {QStringLiteral(":yewuyuan"), d.yewuyuan},
             {QStringLiteral(":KeHu"), d.KeHu},
             {QStringLiteral(":in_date"), SqlDate(d.in_date)},
             {QStringLiteral(":Remark"), d.Remark},
             {QStringLiteral(":KeHuPhone"), d.KeHuPhone},
             {QStringLiteral(":KeHuAddress"), d.KeHuAddress},
             {QStringLiteral(":QK"), d.QK.yuan()},
             {QStringLiteral(":SS"), PaidWhenSaved(d.jinE, d.QK)}});
}

void InsertCaiGouDan(Database& db, const TCaiGouDan& d)
{
    db.exec(QStringLiteral("insert into Log_CaiGouDan(dh,shuliang,jinE,GYS,in_date,QK,Remark,SS) \n"
                           "values(:dh,:shuliang,:jinE,:GYS,:in_date,:QK,:Remark,:SS)"),
            {{DH, d.dh},
             {QStringLiteral(":shuliang"), d.shuliang},
             {QStringLiteral(":jinE"), d.jinE.yuan()},
             {QStringLiteral(":GYS"), d.GYS},
             {QStringLiteral(":in_date"), SqlDate(d.in_date)},
             {QStringLiteral(":QK"), d.QK.yuan()},
             {QStringLiteral(":Remark"), d.Remark},
             {QStringLiteral(":SS"), PaidWhenSaved(d.jinE, d.QK)}});
}

void InsertXiaoShou(Database& db, const TShangPinItem& item)
{
    db.exec(QStringLiteral("insert into Log_XiaoShou(dh,PinPai,chanpin,guige,danjia,CB,shuliang,jinE,in_date) \n"
                           "values(:dh,:PinPai,:chanpin,:guige,:danjia,:CB,:shuliang,:jinE,:in_date)"),
            {{DH, item.dh},
             {QStringLiteral(":PinPai"), item.PinPai},
             {QStringLiteral(":chanpin"), item.chanpin},
             {QStringLiteral(":guige"), item.guige},
             {QStringLiteral(":danjia"), item.danjia.yuan()},
             {QStringLiteral(":CB"), item.CB.yuan()},
             {QStringLiteral(":shuliang"), item.shuliang},
             {QStringLiteral(":jinE"), item.jinE.yuan()},
             {QStringLiteral(":in_date"), SqlDate(item.in_date)}});
}

void InsertCaiGou(Database& db, const TShangPinItem& item)
{
    db.exec(QStringLiteral("insert into Log_CaiGou(dh,PinPai,chanpin,guige,danjia,shuliang,jinE,in_date) \n"
                           "values(:dh,:PinPai,:chanpin,:guige,:danjia,:shuliang,:jinE,:in_date)"),
            {{DH, item.dh},
             {QStringLiteral(":PinPai"), item.PinPai},
             {QStringLiteral(":chanpin"), item.chanpin},
             {QStringLiteral(":guige"), item.guige},
             {QStringLiteral(":danjia"), item.danjia.yuan()},
             {QStringLiteral(":shuliang"), item.shuliang},
             {QStringLiteral(":jinE"), item.jinE.yuan()},
             {QStringLiteral(":in_date"), item.in_date.isValid() ? QVariant(SqlDate(item.in_date)) : QVariant()}});
}

void DeleteXiaoShouDan(Database& db, const QString& dh)
{
    db.exec(QStringLiteral("delete from Log_XiaoShouDan where dh=:dh"), {{DH, dh}});
}

void DeleteXiaoShou(Database& db, const QString& dh)
{
    db.exec(QStringLiteral("delete from Log_XiaoShou where dh=:dh"), {{DH, dh}});
}

void DeleteCaiGouDan(Database& db, const QString& dh)
{
    db.exec(QStringLiteral("delete from Log_CaiGouDan where dh=:dh"), {{DH, dh}});
}

void DeleteCaiGou(Database& db, const QString& dh)
{
    db.exec(QStringLiteral("delete from Log_CaiGou where dh=:dh"), {{DH, dh}});
}

std::optional<TXiaoShouDan> GetXiaoShouDan(Database& db, const QString& dh)
{
    QSqlQuery q = db.exec(QStringLiteral("select dh,shuliang,jinE,yewuyuan,KeHu,in_date,KeHuPhone,KeHuAddress,QK,Remark "
                                         "from Log_XiaoShouDan where dh=:dh"),
                          {{DH, dh}});
    if (!q.next())
        return std::nullopt;
    return TXiaoShouDan{q.value(0).toString(), q.value(1).toInt(), Money::fromYuan(q.value(2).toDouble()),
                        q.value(3).toString(), q.value(4).toString(),
                        QDate::fromString(q.value(5).toString(), QStringLiteral("yyyy-MM-dd")), q.value(6).toString(),
                        q.value(7).toString(), Money::fromYuan(q.value(8).toDouble()), q.value(9).toString()};
}

std::optional<TCaiGouDan> GetCaiGouDan(Database& db, const QString& dh)
{
    QSqlQuery q = db.exec(QStringLiteral("select dh,shuliang,jinE,QK,GYS,in_date,Remark from Log_CaiGouDan where dh=:dh"),
                          {{DH, dh}});
    if (!q.next())
        return std::nullopt;
    return TCaiGouDan{q.value(0).toString(), q.value(1).toInt(), Money::fromYuan(q.value(2).toDouble()),
                      Money::fromYuan(q.value(3).toDouble()),
                      q.value(4).toString(), QDate::fromString(q.value(5).toString(), QStringLiteral("yyyy-MM-dd")),
                      q.value(6).toString()};
}

QVector<TShangPinItem> XiaoShouLines(Database& db, const QString& dh)
{
    return Lines(db, "Log_XiaoShou", QStringLiteral("CB"), dh);
}

QVector<TShangPinItem> CaiGouLines(Database& db, const QString& dh)
{
    return Lines(db, "Log_CaiGou", QStringLiteral("0"), dh);
}

QString SaveXiaoShouDocument(Database& db, TXiaoShouDan header, QVector<TShangPinItem> lines, DanKind kind,
                             TakenNumber taken)
{
    PrepareForStore(header, lines, kind);
    return Retrying(db, [&]() -> QString {
        Transaction t(db, Locking::Rows);
        LockGoods(db, lines);
        RequireStock(db, lines, 1);
        MarkMonthChanged(db, header.in_date);
        TXiaoShouDan stored = header;
        if (!InsertHeader(db, SalesSide(), stored, kind, taken, &InsertXiaoShouDan))
            return {};
        for (TShangPinItem line : lines) {
            line.dh = stored.dh;
            line.CB = GetPJCB(db, line.PinPai, line.chanpin, line.guige);
            InsertXiaoShou(db, line);
            SubKuCun(db, line.PinPai, line.chanpin, line.guige, line.shuliang);
        }
        t.commit();
        return stored.dh;
    });
}

QString SaveCaiGouDocument(Database& db, TCaiGouDan header, QVector<TShangPinItem> lines, DanKind kind,
                           TakenNumber taken)
{
    PrepareForStore(header, lines, kind);
    return Retrying(db, [&]() -> QString {
        Transaction t(db, Locking::Rows);
        LockGoods(db, lines);
        RequireStock(db, lines, -1);
        MarkMonthChanged(db, header.in_date);
        TCaiGouDan stored = header;
        if (!InsertHeader(db, PurchaseSide(), stored, kind, taken, &InsertCaiGouDan))
            return {};
        for (TShangPinItem line : lines) {
            line.dh = stored.dh;
            InsertCaiGou(db, line);
            AddKuCun(db, line.PinPai, line.chanpin, line.guige, line.shuliang, line.danjia);
        }
        t.commit();
        return stored.dh;
    });
}

bool SaveXiaoShouDocument(Database& db, TXiaoShouDan header, QVector<TShangPinItem> lines, DanKind kind)
{
    return !SaveXiaoShouDocument(db, std::move(header), std::move(lines), kind, TakenNumber::Refuse).isEmpty();
}

bool SaveCaiGouDocument(Database& db, TCaiGouDan header, QVector<TShangPinItem> lines, DanKind kind)
{
    return !SaveCaiGouDocument(db, std::move(header), std::move(lines), kind, TakenNumber::Refuse).isEmpty();
}

namespace {

void WriteDeletion(Database& db, const DocumentSide& side, const QString& dh)
{
    WriteAudit(db, QStringLiteral("删除%1单").arg(side.captionOf(side.kindOf(dh))), dh);
}

void DeleteSalesOnce(Database& db, const QString& dh)
{
    Transaction t(db, Locking::Rows);
    const bool there = !IsNewXiaoShouDH(db, dh);
    const QVector<TShangPinItem> lines = XiaoShouLines(db, dh);
    LockGoods(db, lines);
    MarkMonthOfRowChanged(db, QStringLiteral("Log_XiaoShouDan"), dh);
    DeleteXiaoShouDan(db, dh);
    DeleteXiaoShou(db, dh);
    for (const TShangPinItem& line : lines)
        SubKuCun(db, line.PinPai, line.chanpin, line.guige, -line.shuliang);
    if (there || !lines.isEmpty())
        WriteDeletion(db, SalesSide(), dh);
    t.commit();
}

void DeletePurchaseOnce(Database& db, const QString& dh)
{
    Transaction t(db, Locking::Rows);
    const bool there = !IsNewCaiGouDH(db, dh);
    const QVector<TShangPinItem> lines = CaiGouLines(db, dh);
    LockGoods(db, lines);
    MarkMonthOfRowChanged(db, QStringLiteral("Log_CaiGouDan"), dh);
    DeleteCaiGouDan(db, dh);
    DeleteCaiGou(db, dh);
    for (const TShangPinItem& line : lines)
        AddKuCun(db, line.PinPai, line.chanpin, line.guige, -line.shuliang, line.danjia);
    if (there || !lines.isEmpty())
        WriteDeletion(db, PurchaseSide(), dh);
    t.commit();
}

}  // namespace

void DeleteXiaoShouDocument(Database& db, const QString& dh)
{
    Retrying(db, [&] { DeleteSalesOnce(db, dh); });
}

void DeleteCaiGouDocument(Database& db, const QString& dh)
{
    Retrying(db, [&] { DeletePurchaseOnce(db, dh); });
}
