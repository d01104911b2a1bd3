#include "Ledger.h"

#include "Database.h"
#include "NumberText.h"

namespace {

SqlParams GoodsKey(const QString& PinPai, const QString& ChanPin, const QString& GuiGe)
{
    return {{QStringLiteral(":PinPai"), PinPai},
            {QStringLiteral(":ChanPin"), ChanPin},
            {QStringLiteral(":GuiGe"), GuiGe}};
}

const QString SelectRow = QStringLiteral(
    "select ShuLiang, PJCB from Log_KuCun where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe");

}  // namespace

int GetKuCunShuLiang(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe)
{
    QSqlQuery q = db.exec(SelectRow, GoodsKey(PinPai, ChanPin, GuiGe));
    return q.next() ? q.value(0).toInt() : 0;
}

double GetPJCB(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe)
{
    QSqlQuery q = db.exec(SelectRow, GoodsKey(PinPai, ChanPin, GuiGe));
    return q.next() ? q.value(1).toDouble() : 0;
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
              int ShuLiang, double danjia)
{
    int n = 0;
    double a = 0;
    {
        QSqlQuery q = db.exec(SelectRow, GoodsKey(PinPai, ChanPin, GuiGe));
        if (q.next()) {
            n = q.value(0).toInt();
            a = q.value(1).toDouble();
        }
    }
    const int m = n + ShuLiang;
    const double average = m != 0 ? RoundFloat(2, (double(n) * a + double(ShuLiang) * danjia) / m) : a;
    SqlParams p = GoodsKey(PinPai, ChanPin, GuiGe);
    p.append({QStringLiteral(":PJCB"), average});
    p.append({QStringLiteral(":NewCB"), danjia});
    p.append({QStringLiteral(":ShuLiang"), m});
    db.exec(QStringLiteral("update Log_KuCun set PJCB=:PJCB,NewCB=:NewCB,ShuLiang=:ShuLiang "
                           "where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"),
            p);
}
