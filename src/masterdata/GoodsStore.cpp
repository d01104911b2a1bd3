#include "GoodsStore.h"

#include "AuditLog.h"
#include "CPTypeStore.h"
#include "Database.h"
#include "GoodsBarcodes.h"
#include "Ledger.h"
#include "NumberText.h"

#include <QSqlQuery>

namespace {

const QString P = QStringLiteral(":PinPai");
const QString C = QStringLiteral(":ChanPin");
const QString G = QStringLiteral(":GuiGe");
const QString GoodsKeyCondition = QStringLiteral("PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe");

bool Any(Database& db, const QString& sql, const SqlParams& params)
{
    return db.exec(sql, params).next();
}

// What deleting takes with it, for the audit log: "3个产品, 12个商品, 库存45".
QString Takes(Database& db, const QString& where, const SqlParams& params, bool withProducts)
{
    QString text;
    if (withProducts)
        text = QStringLiteral("%1个产品, ")
                   .arg(db.scalar(QStringLiteral("select count(*) from Base_ChanPin where ") + where, params).toInt());
    QSqlQuery q = db.exec(QStringLiteral("select count(*), coalesce(sum(ShuLiang),0) from Log_KuCun where ") + where,
                          params);
    q.next();
    return text + QStringLiteral("%1个商品, 库存%2").arg(q.value(0).toInt()).arg(q.value(1).toLongLong());
}

QString Key(const QString& p, const QString& c, const QString& g = {})
{
    return g.isNull() ? p + u'/' + c : p + u'/' + c + u'/' + g;
}

// A goods item's spec, stock and average cost, for the audit log.
QString GoodsFigures(const QString& GuiGe, const QVariant& ShuLiang, const QVariant& PJCB)
{
    return QStringLiteral("%1, 库存%2, 成本%3").arg(GuiGe, ShuLiang.toString(), FormatGeneral(PJCB.toDouble()));
}

// A class (other than none and "*未定义*") that Base_CPType lacks is added to it.
void KeepCPType(Database& db, const QString& CPType)
{
    if (!CPType.isEmpty() && CPType != QString::fromUtf8(NoCPType) && !CPTypeExists(db, CPType))
        InsertCPType(db, CPType);
}

}  // namespace

bool PinPaiExists(Database& db, const QString& PinPai)
{
    return Any(db, QStringLiteral("select * from Base_PinPai where PinPai=:PinPai"), {{P, PinPai}});
}

bool ChanPinExists(Database& db, const QString& PinPai, const QString& ChanPin)
{
    return Any(db, QStringLiteral("select * from Base_ChanPin where PinPai=:PinPai and ChanPin=:ChanPin"),
               {{P, PinPai}, {C, ChanPin}});
}

bool ShangPinExists(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe)
{
    return Any(db,
               QStringLiteral("select * from Log_KuCun where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"),
               {{P, PinPai}, {C, ChanPin}, {G, GuiGe}});
}

void InsertPinPai(Database& db, const QString& PinPai)
{
    db.exec(QStringLiteral("insert into Base_PinPai(pinpai) values(:PinPai)"), {{P, PinPai.trimmed()}});
}

void RenamePinPai(Database& db, const QString& PinPai, const QString& NewPinPai)
{
    const SqlParams params{{P, PinPai}, {QStringLiteral(":New"), NewPinPai}};
    Transaction t(db);
    WriteAudit(db, QStringLiteral("修改品牌"), PinPai, PinPai, NewPinPai);
    db.exec(QStringLiteral("update Base_PinPai set PinPai=:New where PinPai=:PinPai"), params);
    db.exec(QStringLiteral("update Base_ChanPin set PinPai=:New where PinPai=:PinPai"), params);
    ShiftOpeningStock(db, 1, QStringLiteral("PinPai=:PinPai"), params.mid(0, 1));
    db.exec(QStringLiteral("update Log_KuCun set PinPai=:New where PinPai=:PinPai"), params);
    db.exec(QStringLiteral("update Base_TiaoMa set PinPai=:New where PinPai=:PinPai"), params);
    ShiftOpeningStock(db, -1, QStringLiteral("PinPai=:New"), params.mid(1, 1));
    t.commit();
}

void DeletePinPai(Database& db, const QString& PinPai)
{
    const SqlParams params{{P, PinPai.trimmed()}};
    Transaction t(db);
    WriteAudit(db, QStringLiteral("删除品牌"), PinPai.trimmed(), Takes(db, QStringLiteral("PinPai=:PinPai"), params, true));
    db.exec(QStringLiteral("delete from Base_PinPai where PinPai=:PinPai"), params);
    db.exec(QStringLiteral("delete from Base_ChanPin where PinPai=:PinPai"), params);
    db.exec(QStringLiteral("delete from Log_KuCun where PinPai=:PinPai"), params);
    db.exec(QStringLiteral("delete from Base_TiaoMa where PinPai=:PinPai"), params);
    t.commit();
}

void InsertChanPin(Database& db, const QString& PinPai, const QString& ChanPin, const QString& CPType)
{
    Transaction t(db);
    db.exec(QStringLiteral("insert into Base_ChanPin(PinPai,ChanPin,CPType) values(:PinPai,:ChanPin,:CPType)"),
            {{P, PinPai}, {C, ChanPin}, {QStringLiteral(":CPType"), CPType}});
    KeepCPType(db, CPType);
    t.commit();
}

void UpdateChanPin(Database& db, const QString& PinPai, const QString& ChanPin, const QString& NewChanPin,
                   const QString& CPType)
{
    const SqlParams params{{P, PinPai}, {C, ChanPin}, {QStringLiteral(":New"), NewChanPin},
                           {QStringLiteral(":CPType"), CPType}};
    Transaction t(db);
    const QString oldType = db.scalar(QStringLiteral("select CPType from Base_ChanPin where PinPai=:PinPai and ChanPin=:ChanPin"),
                                      params.mid(0, 2)).toString();
    if (ChanPin != NewChanPin || oldType != CPType)
        WriteAudit(db, QStringLiteral("修改产品"), Key(PinPai, ChanPin), ChanPin + QStringLiteral(", 分类") + oldType,
                   NewChanPin + QStringLiteral(", 分类") + CPType);
    db.exec(QStringLiteral("update Base_ChanPin set ChanPin=:New,CPType=:CPType "
                           "where PinPai=:PinPai and ChanPin=:ChanPin"),
            params);
    ShiftOpeningStock(db, 1, QStringLiteral("PinPai=:PinPai and ChanPin=:ChanPin"), params.mid(0, 2));
    for (const char* table : {"Log_KuCun", "Base_TiaoMa"})
        db.exec(QStringLiteral("update %1 set ChanPin=:New where PinPai=:PinPai and ChanPin=:ChanPin").arg(QLatin1String(table)),
                params.mid(0, 3));
    ShiftOpeningStock(db, -1, QStringLiteral("PinPai=:PinPai and ChanPin=:New"), {params[0], params[2]});
    KeepCPType(db, CPType);
    t.commit();
}

void DeleteChanPin(Database& db, const QString& PinPai, const QString& ChanPin)
{
    const SqlParams params{{P, PinPai}, {C, ChanPin}};
    Transaction t(db);
    WriteAudit(db, QStringLiteral("删除产品"), Key(PinPai, ChanPin),
               Takes(db, QStringLiteral("PinPai=:PinPai and ChanPin=:ChanPin"), params, false));
    db.exec(QStringLiteral("delete from Base_ChanPin where PinPai=:PinPai and ChanPin=:ChanPin"), params);
    db.exec(QStringLiteral("delete from Log_KuCun where PinPai=:PinPai and ChanPin=:ChanPin"), params);
    db.exec(QStringLiteral("delete from Base_TiaoMa where PinPai=:PinPai and ChanPin=:ChanPin"), params);
    t.commit();
}

void InsertGuiGe(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe, double PJCB,
                 int ShuLiang, const QStringList& barcodes)
{
    const SqlParams key{{P, PinPai}, {C, ChanPin}, {G, GuiGe}};
    Transaction t(db);
    db.exec(QStringLiteral("insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang,PJCB,QCShuLiang) "
                           "values(:PinPai,:ChanPin,:GuiGe,:ShuLiang,:PJCB,:QCShuLiang)"),
            key + SqlParams{{QStringLiteral(":ShuLiang"), ShuLiang}, {QStringLiteral(":PJCB"), PJCB},
                            {QStringLiteral(":QCShuLiang"), ShuLiang}});
    ShiftOpeningStock(db, -1, GoodsKeyCondition, key);
    if (!barcodes.isEmpty())
        GoodsBarcodes::set(db, {PinPai, ChanPin, GuiGe}, barcodes);
    t.commit();
}

void UpdateGuiGe(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe, double PJCB,
                 int ShuLiang, const QString& NewGuiGe, const std::optional<QStringList>& barcodes)
{
    const SqlParams key{{P, PinPai}, {C, ChanPin}, {G, GuiGe}};
    Transaction t(db);
    QSqlQuery old = db.exec(
        QStringLiteral("select ShuLiang,PJCB from Log_KuCun where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"), key);
    if (old.next())
        WriteAudit(db, QStringLiteral("修改商品"), Key(PinPai, ChanPin, GuiGe), GoodsFigures(GuiGe, old.value(0), old.value(1)),
                   GoodsFigures(NewGuiGe, ShuLiang, PJCB));
    // The stock set by hand moves the opening quantity by as much as it moves the stock.
    ShiftOpeningStock(db, 1, GoodsKeyCondition, key);
    db.exec(QStringLiteral("update Log_KuCun set GuiGe=:New,QCShuLiang=QCShuLiang+:ShuLiang-ShuLiang,ShuLiang=:ShuLiang2,"
                           "PJCB=:PJCB where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"),
            key + SqlParams{{QStringLiteral(":New"), NewGuiGe}, {QStringLiteral(":ShuLiang"), ShuLiang},
                            {QStringLiteral(":ShuLiang2"), ShuLiang}, {QStringLiteral(":PJCB"), PJCB}});
    db.exec(QStringLiteral("update Base_TiaoMa set GuiGe=:New where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"),
            key + SqlParams{{QStringLiteral(":New"), NewGuiGe}});
    ShiftOpeningStock(db, -1, GoodsKeyCondition, SqlParams{key[0], key[1], {G, NewGuiGe}});
    if (barcodes)
        GoodsBarcodes::set(db, {PinPai, ChanPin, NewGuiGe}, *barcodes);
    t.commit();
}

void DeleteGuiGe(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe)
{
    const SqlParams key{{P, PinPai}, {C, ChanPin}, {G, GuiGe}};
    Transaction t(db);
    QSqlQuery old = db.exec(
        QStringLiteral("select ShuLiang,PJCB from Log_KuCun where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"), key);
    if (old.next())
        WriteAudit(db, QStringLiteral("删除商品"), Key(PinPai, ChanPin, GuiGe), GoodsFigures(GuiGe, old.value(0), old.value(1)));
    db.exec(QStringLiteral("delete from Log_KuCun where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"), key);
    db.exec(QStringLiteral("delete from Base_TiaoMa where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"), key);
    t.commit();
}

RowSet PinPaiRows(Database& db)
{
    return SelectRows(db, QStringLiteral("select PinPai from Base_PinPai order by autoid"));
}

QStringList PinPaiNames(Database& db)
{
    QStringList names;
    for (const QVector<QVariant>& row : PinPaiRows(db).rows)
        names << row[0].toString();
    return names;
}

RowSet ChanPinRows(Database& db, const QString& PinPai)
{
    return SelectRows(db, QStringLiteral("select ChanPin,CPType from Base_ChanPin where PinPai=:PinPai order by autoid"),
                      {{P, PinPai}});
}

RowSet GuiGeRows(Database& db, const QString& PinPai, const QString& ChanPin)
{
    return SelectRows(db,
                      QStringLiteral("select GuiGe,PJCB,ShuLiang from Log_KuCun "
                                     "where PinPai=:PinPai and ChanPin=:ChanPin order by autoid"),
                      {{P, PinPai}, {C, ChanPin}});
}
