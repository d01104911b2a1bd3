#include "Ledger.h"

#include "Database.h"
#include "Records.h"

#include <QStringList>

namespace {

SqlParams GoodsKey(const QString& PinPai, const QString& ChanPin, const QString& GuiGe)
{
    return {{QStringLiteral(":PinPai"), PinPai},
            {QStringLiteral(":ChanPin"), ChanPin},
            {QStringLiteral(":GuiGe"), GuiGe}};
}

const QString SelectRow = QStringLiteral(
    "select ShuLiang, PJCB from Log_KuCun where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe");

// Sum of the quantities of one line table's lines of a goods key.
QString LineQuantitySql(const QString& table, const QString& PinPai, const QString& ChanPin, const QString& GuiGe,
                        const QString& lineCondition)
{
    return QStringLiteral("coalesce((select sum(shuliang) from %1 where PinPai=%2 and chanpin=%3 and guige=%4%5),0)")
        .arg(table, PinPai, ChanPin, GuiGe, lineCondition.isEmpty() ? QString() : QStringLiteral(" and (%1)").arg(lineCondition));
}

const QString KuCunKey[3] = {QStringLiteral("Log_KuCun.PinPai"), QStringLiteral("Log_KuCun.ChanPin"),
                             QStringLiteral("Log_KuCun.GuiGe")};

}  // namespace

void LockGoods(Database& db, const QVector<TShangPinItem>& lines)
{
    if (db.forUpdate().isEmpty() || lines.isEmpty())
        return;
    QStringList keys;
    SqlParams params;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        keys << QStringLiteral("(:p%1,:c%1,:g%1)").arg(i);
        params.append({QStringLiteral(":p%1").arg(i), lines[i].PinPai});
        params.append({QStringLiteral(":c%1").arg(i), lines[i].chanpin});
        params.append({QStringLiteral(":g%1").arg(i), lines[i].guige});
    }
    // The rows are locked as the sort hands them over: in the order of their keys.
    db.exec(QStringLiteral("select 1 from Log_KuCun where (PinPai,ChanPin,GuiGe) in (%1) order by PinPai,ChanPin,GuiGe%2")
                .arg(keys.join(u','), db.forUpdate()),
            params);
}

int GetKuCunShuLiang(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe)
{
    QSqlQuery q = db.exec(SelectRow, GoodsKey(PinPai, ChanPin, GuiGe));
    return q.next() ? q.value(0).toInt() : 0;
}

Money GetPJCB(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe)
{
    QSqlQuery q = db.exec(SelectRow, GoodsKey(PinPai, ChanPin, GuiGe));
    return q.next() ? Money::fromYuan(q.value(1).toDouble()) : Money();
}

void SubKuCun(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe,
              int ShuLiang)
{
    SqlParams p = GoodsKey(PinPai, ChanPin, GuiGe);
    p.append({QStringLiteral(":ShuLiang"), ShuLiang});
    db.exec(QStringLiteral("update Log_KuCun set ShuLiang=ShuLiang-:ShuLiang "
                           "where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"),
            p);
}

void AddKuCun(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe,
              int ShuLiang, Money danjia)
{
    int n = 0;
    Money a;
    {
        QSqlQuery q = db.exec(SelectRow, GoodsKey(PinPai, ChanPin, GuiGe));
        if (q.next()) {
            n = q.value(0).toInt();
            a = Money::fromYuan(q.value(1).toDouble());
        }
    }
    const int m = n + ShuLiang;
    const Money average = m != 0 ? (a * n + danjia * ShuLiang).dividedBy(m) : a;
    SqlParams p = GoodsKey(PinPai, ChanPin, GuiGe);
    p.append({QStringLiteral(":PJCB"), average.yuan()});
    p.append({QStringLiteral(":NewCB"), danjia.yuan()});
    p.append({QStringLiteral(":ShuLiang"), m});
    db.exec(QStringLiteral("update Log_KuCun set PJCB=:PJCB,NewCB=:NewCB,ShuLiang=:ShuLiang "
                           "where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"),
            p);
}

QString GoodsMovementSql(const QString& PinPai, const QString& ChanPin, const QString& GuiGe,
                         const QString& lineCondition)
{
    return QStringLiteral("(%1-%2)").arg(LineQuantitySql(QStringLiteral("Log_CaiGou"), PinPai, ChanPin, GuiGe, lineCondition),
                                         LineQuantitySql(QStringLiteral("Log_XiaoShou"), PinPai, ChanPin, GuiGe, lineCondition));
}

void CarryIntoOpeningStock(Database& db, const QString& lineTable, const QString& lineCondition, const SqlParams& params)
{
    const QChar sign = lineTable.compare(QLatin1String("Log_CaiGou"), Qt::CaseInsensitive) == 0 ? u'+' : u'-';
    db.exec(QStringLiteral("update Log_KuCun set QCShuLiang=QCShuLiang%1%2 where QCShuLiang is not null")
                .arg(sign)
                .arg(LineQuantitySql(lineTable, KuCunKey[0], KuCunKey[1], KuCunKey[2], lineCondition)),
            params);
}

void ShiftOpeningStock(Database& db, int sign, const QString& where, const SqlParams& params)
{
    db.exec(QStringLiteral("update Log_KuCun set QCShuLiang=QCShuLiang%1%2 where QCShuLiang is not null and (%3)")
                .arg(QChar(sign < 0 ? u'-' : u'+'))
                .arg(GoodsMovementSql(KuCunKey[0], KuCunKey[1], KuCunKey[2]), where),
            params);
}

void SetOpeningStockFromLines(Database& db)
{
    db.exec(QStringLiteral("update Log_KuCun set QCShuLiang=ShuLiang-%1")
                .arg(GoodsMovementSql(KuCunKey[0], KuCunKey[1], KuCunKey[2])));
}
