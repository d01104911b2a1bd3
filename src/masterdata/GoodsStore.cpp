#include "GoodsStore.h"

#include "CPTypeStore.h"
#include "Database.h"
#include "NumberText.h"

#include <QSqlQuery>

namespace {

const QString P = QStringLiteral(":PinPai");
const QString C = QStringLiteral(":ChanPin");
const QString G = QStringLiteral(":GuiGe");

bool Any(Database& db, const QString& sql, const SqlParams& params)
{
    return db.exec(sql, params).next();
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
    db.exec(QStringLiteral("update Base_PinPai set PinPai=:New where PinPai=:PinPai"), params);
    db.exec(QStringLiteral("update Base_ChanPin set PinPai=:New where PinPai=:PinPai"), params);
    db.exec(QStringLiteral("update Log_KuCun set PinPai=:New where PinPai=:PinPai"), params);
    t.commit();
}

void DeletePinPai(Database& db, const QString& PinPai)
{
    const SqlParams params{{P, PinPai.trimmed()}};
    Transaction t(db);
    db.exec(QStringLiteral("delete from Base_PinPai where PinPai=:PinPai"), params);
    db.exec(QStringLiteral("delete from Base_ChanPin where PinPai=:PinPai"), params);
    db.exec(QStringLiteral("delete from Log_KuCun where PinPai=:PinPai"), params);
    t.commit();
}

void InsertChanPin(Database& db, const QString& PinPai, const QString& ChanPin, const QString& CPType)
{
    db.exec(QStringLiteral("insert into Base_ChanPin(PinPai,ChanPin,CPType) values(:PinPai,:ChanPin,:CPType)"),
            {{P, PinPai}, {C, ChanPin}, {QStringLiteral(":CPType"), CPType}});
}

void UpdateChanPin(Database& db, const QString& PinPai, const QString& ChanPin, const QString& NewChanPin,
                   const QString& CPType)
{
    const SqlParams params{{P, PinPai}, {C, ChanPin}, {QStringLiteral(":New"), NewChanPin},
                           {QStringLiteral(":CPType"), CPType}};
    Transaction t(db);
    db.exec(QStringLiteral("update Base_ChanPin set ChanPin=:New,CPType=:CPType "
                           "where PinPai=:PinPai and ChanPin=:ChanPin"),
            params);
    db.exec(QStringLiteral("update Log_KuCun set ChanPin=:New where PinPai=:PinPai and ChanPin=:ChanPin"),
            params.mid(0, 3));
    t.commit();
}

void DeleteChanPin(Database& db, const QString& PinPai, const QString& ChanPin)
{
    const SqlParams params{{P, PinPai}, {C, ChanPin}};
    Transaction t(db);
    db.exec(QStringLiteral("delete from Base_ChanPin where PinPai=:PinPai and ChanPin=:ChanPin"), params);
    db.exec(QStringLiteral("delete from Log_KuCun where PinPai=:PinPai and ChanPin=:ChanPin"), params);
    t.commit();
}

void InsertGuiGe(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe, double PJCB,
                 int ShuLiang)
{
    db.exec(QStringLiteral("insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang,PJCB) "
                           "values(:PinPai,:ChanPin,:GuiGe,:ShuLiang,:PJCB)"),
            {{P, PinPai}, {C, ChanPin}, {G, GuiGe}, {QStringLiteral(":ShuLiang"), ShuLiang},
             {QStringLiteral(":PJCB"), PJCB}});
}

void UpdateGuiGe(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe, double PJCB,
                 int ShuLiang, const QString& NewGuiGe)
{
    db.exec(QStringLiteral("update Log_KuCun set GuiGe=:New,ShuLiang=:ShuLiang,PJCB=:PJCB "
                           "where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"),
            {{P, PinPai}, {C, ChanPin}, {G, GuiGe}, {QStringLiteral(":New"), NewGuiGe},
             {QStringLiteral(":ShuLiang"), ShuLiang}, {QStringLiteral(":PJCB"), PJCB}});
}

void DeleteGuiGe(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe)
{
    db.exec(QStringLiteral("delete from Log_KuCun where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"),
            {{P, PinPai}, {C, ChanPin}, {G, GuiGe}});
}

namespace {

void KeepCPType(Database& db, const QString& CPType)
{
    if (CPType != QString::fromUtf8(NoCPType) && !CPTypeExists(db, CPType))
        InsertCPType(db, CPType);
}

}  // namespace

void AddChanPin(Database& db, const QString& PinPai, const QString& ChanPin, const QString& CPType)
{
    Transaction t(db);
    InsertChanPin(db, PinPai, ChanPin, CPType);
    KeepCPType(db, CPType);
    t.commit();
}

void ChangeChanPin(Database& db, const QString& PinPai, const QString& ChanPin, const QString& NewChanPin,
                   const QString& CPType)
{
    Transaction t(db);
    UpdateChanPin(db, PinPai, ChanPin, NewChanPin, CPType);
    KeepCPType(db, CPType);
    t.commit();
}

QStringList PinPaiNames(Database& db)
{
    QSqlQuery q = db.exec(QStringLiteral("select PinPai from Base_PinPai order by autoid"));
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

QVector<QStringList> ChanPinRows(Database& db, const QString& PinPai)
{
    QSqlQuery q = db.exec(
        QStringLiteral("select ChanPin,CPType from Base_ChanPin where PinPai=:PinPai order by autoid"), {{P, PinPai}});
    QVector<QStringList> rows;
    while (q.next())
        rows.append({q.value(0).toString(), q.value(1).toString()});
    return rows;
}

QVector<QStringList> GuiGeRows(Database& db, const QString& PinPai, const QString& ChanPin)
{
    QSqlQuery q = db.exec(QStringLiteral("select GuiGe,PJCB,ShuLiang from Log_KuCun "
                                         "where PinPai=:PinPai and ChanPin=:ChanPin order by autoid"),
                          {{P, PinPai}, {C, ChanPin}});
    QVector<QStringList> rows;
    while (q.next())
        rows.append({q.value(0).toString(), FormatGeneral(q.value(1).toDouble()), QString::number(q.value(2).toInt())});
    return rows;
}
