#include "DocumentStore.h"

#include "ClosedMonths.h"
#include "Database.h"
#include "DocNumbers.h"
#include "Ledger.h"

namespace {

const QString DH = QStringLiteral(":dh");

bool IsNewDH(Database& db, const char* table, const QString& dh)
{
    return !db.scalar(QStringLiteral("select 1 from %1 where dh=:dh limit 1").arg(QLatin1String(table)),
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
        it.danjia = q.value(5).toDouble();
        it.shuliang = q.value(6).toInt();
        it.jinE = q.value(7).toDouble();
        it.CB = q.value(8).toDouble();
        lines.append(it);
    }
    return lines;
}

void RequireNumber(const QString& dh)
{
    if (dh.isEmpty())
        throw DbError(NoDocumentNumberMessage());
}

// Gives a document as entered its stored form: the trimmed number and the date on every line, and
// for a return its quantities, amounts and amount owed negated.
template <class Header>
void PrepareForStore(Header& header, QVector<TShangPinItem>& lines, DanKind kind)
{
    header.dh = header.dh.trimmed();
    RequireNumber(header.dh);
    const int sign = kind == ReturnKind ? -1 : 1;
    header.shuliang *= sign;
    header.jinE *= sign;
    header.QK *= sign;
    for (TShangPinItem& line : lines) {
        line.dh = header.dh;
        line.in_date = header.in_date;
        line.shuliang *= sign;
        line.jinE *= sign;
    }
}

}  // namespace

bool IsNewXiaoShouDH(Database& db, const QString& dh)
{
    return IsNewDH(db, "Log_XiaoShouDan", dh);
}

bool IsNewCaiGouDH(Database& db, const QString& dh)
{
    return IsNewDH(db, "Log_CaiGouDan", dh);
}

void InsertXiaoShouDan(Database& db, const TXiaoShouDan& d)
{
    db.exec(QStringLiteral("insert into Log_XiaoShouDan(dh,shuliang,jinE,yewuyuan,KeHu,in_date,Remark,KeHuPhone,KeHuAddress,QK) \n"
                           "values(:dh,:shuliang,:jinE,:yewuyuan,:KeHu,:in_date,:Remark,:KeHuPhone,:KeHuAddress,:QK)"),
            {{DH, d.dh},
             {QStringLiteral(":shuliang"), d.shuliang},
             {QStringLiteral(":jinE"), d.jinE},
             {QStringLiteral(":yewuyuan"), d.yewuyuan},
             {QStringLiteral(":KeHu"), d.KeHu},
             {QStringLiteral(":in_date"), SqlDate(d.in_date)},
             {QStringLiteral(":Remark"), d.Remark},
             {QStringLiteral(":KeHuPhone"), d.KeHuPhone},
             {QStringLiteral(":KeHuAddress"), d.KeHuAddress},
             {QStringLiteral(":QK"), d.QK}});
}

void InsertCaiGouDan(Database& db, const TCaiGouDan& d)
{
    db.exec(QStringLiteral("insert into Log_CaiGouDan(dh,shuliang,jinE,GYS,in_date,QK,Remark) \n"
                           "values(:dh,:shuliang,:jinE,:GYS,:in_date,:QK,:Remark)"),
            {{DH, d.dh},
             {QStringLiteral(":shuliang"), d.shuliang},
             {QStringLiteral(":jinE"), d.jinE},
             {QStringLiteral(":GYS"), d.GYS},
             {QStringLiteral(":in_date"), SqlDate(d.in_date)},
             {QStringLiteral(":QK"), d.QK},
             {QStringLiteral(":Remark"), d.Remark}});
}

void InsertXiaoShou(Database& db, const TShangPinItem& item)
{
    db.exec(QStringLiteral("insert into Log_XiaoShou(dh,PinPai,chanpin,guige,danjia,CB,shuliang,jinE,in_date) \n"
                           "values(:dh,:PinPai,:chanpin,:guige,:danjia,:CB,:shuliang,:jinE,:in_date)"),
            {{DH, item.dh},
             {QStringLiteral(":PinPai"), item.PinPai},
             {QStringLiteral(":chanpin"), item.chanpin},
             {QStringLiteral(":guige"), item.guige},
             {QStringLiteral(":danjia"), item.danjia},
             {QStringLiteral(":CB"), item.CB},
             {QStringLiteral(":shuliang"), item.shuliang},
             {QStringLiteral(":jinE"), item.jinE},
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
             {QStringLiteral(":danjia"), item.danjia},
             {QStringLiteral(":shuliang"), item.shuliang},
             {QStringLiteral(":jinE"), item.jinE},
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
    return TXiaoShouDan{q.value(0).toString(), q.value(1).toInt(), q.value(2).toDouble(), q.value(3).toString(),
                        q.value(4).toString(), QDate::fromString(q.value(5).toString(), QStringLiteral("yyyy-MM-dd")),
                        q.value(6).toString(), q.value(7).toString(), q.value(8).toDouble(), q.value(9).toString()};
}

std::optional<TCaiGouDan> GetCaiGouDan(Database& db, const QString& dh)
{
    QSqlQuery q = db.exec(QStringLiteral("select dh,shuliang,jinE,QK,GYS,in_date,Remark from Log_CaiGouDan where dh=:dh"),
                          {{DH, dh}});
    if (!q.next())
        return std::nullopt;
    return TCaiGouDan{q.value(0).toString(), q.value(1).toInt(), q.value(2).toDouble(), q.value(3).toDouble(),
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

bool SaveXiaoShouDocument(Database& db, TXiaoShouDan header, QVector<TShangPinItem> lines, DanKind kind)
{
    PrepareForStore(header, lines, kind);
    Transaction t(db);
    if (!IsNewXiaoShouDH(db, header.dh))
        return false;
    MarkMonthChanged(db, header.in_date);
    InsertXiaoShouDan(db, header);
    for (TShangPinItem& line : lines) {
        line.CB = GetPJCB(db, line.PinPai, line.chanpin, line.guige);
        InsertXiaoShou(db, line);
        SubKuCun(db, line.PinPai, line.chanpin, line.guige, line.shuliang);
    }
    t.commit();
    return true;
}

bool SaveCaiGouDocument(Database& db, TCaiGouDan header, QVector<TShangPinItem> lines, DanKind kind)
{
    PrepareForStore(header, lines, kind);
    Transaction t(db);
    if (!IsNewCaiGouDH(db, header.dh))
        return false;
    MarkMonthChanged(db, header.in_date);
    InsertCaiGouDan(db, header);
    for (const TShangPinItem& line : lines) {
        InsertCaiGou(db, line);
        AddKuCun(db, line.PinPai, line.chanpin, line.guige, line.shuliang, line.danjia);
    }
    t.commit();
    return true;
}

void DeleteXiaoShouDocument(Database& db, const QString& dh)
{
    Transaction t(db);
    const QVector<TShangPinItem> lines = XiaoShouLines(db, dh);
    MarkMonthOfRowChanged(db, QStringLiteral("Log_XiaoShouDan"), dh);
    DeleteXiaoShouDan(db, dh);
    DeleteXiaoShou(db, dh);
    for (const TShangPinItem& line : lines)
        SubKuCun(db, line.PinPai, line.chanpin, line.guige, -line.shuliang);
    t.commit();
}

void DeleteCaiGouDocument(Database& db, const QString& dh)
{
    Transaction t(db);
    const QVector<TShangPinItem> lines = CaiGouLines(db, dh);
    MarkMonthOfRowChanged(db, QStringLiteral("Log_CaiGouDan"), dh);
    DeleteCaiGouDan(db, dh);
    DeleteCaiGou(db, dh);
    for (const TShangPinItem& line : lines)
        AddKuCun(db, line.PinPai, line.chanpin, line.guige, -line.shuliang, line.danjia);
    t.commit();
}
