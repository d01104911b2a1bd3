#include "GongYingShangStore.h"

#include "ContactTable.h"

namespace {

QStringList Values(const TGongYingShang& g)
{
    return {g.GYS, g.LXR, g.phone, g.FAX, g.address, g.YB, g.Email, g.WZ, g.KHH, g.ZH, g.SH, g.Remark};
}

}  // namespace

const ContactTable& GYSTable()
{
    static const ContactTable t{
        QStringLiteral("Base_GongYingShang"), QStringLiteral("GYS"),
        {QStringLiteral("GYS"), QStringLiteral("LXR"), QStringLiteral("phone"), QStringLiteral("FAX"),
         QStringLiteral("address"), QStringLiteral("YB"), QStringLiteral("Email"), QStringLiteral("WZ"),
         QStringLiteral("KHH"), QStringLiteral("ZH"), QStringLiteral("SH"), QStringLiteral("Remark")},
        QStringLiteral("供应商")};
    return t;
}

bool GYSExists(Database& db, const QString& name)
{
    return ContactExists(db, GYSTable(), name);
}

void InsertGYS(Database& db, const TGongYingShang& g)
{
    InsertContact(db, GYSTable(), Values(g));
}

void UpdateGYS(Database& db, const QString& oldName, const TGongYingShang& g)
{
    UpdateContact(db, GYSTable(), oldName, Values(g));
}

void DeleteGYS(Database& db, const QString& name)
{
    DeleteContact(db, GYSTable(), name);
}

TGongYingShang GetGYS(Database& db, const QString& name)
{
    const QStringList v = ContactValues(db, GYSTable(), name);
    TGongYingShang g;
    if (!v.isEmpty()) {
        g.GYS = v[0];
        g.LXR = v[1];
        g.phone = v[2];
        g.address = v[4];
    }
    return g;
}

QStringList GYSNames(Database& db)
{
    return ContactNames(db, GYSTable());
}

RowSet GYSRows(Database& db)
{
    return ContactRows(db, GYSTable());
}
