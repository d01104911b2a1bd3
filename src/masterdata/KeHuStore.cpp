#include "KeHuStore.h"

#include "ContactTable.h"

namespace {

QStringList Values(const TKeHu& k)
{
    return {k.KeHu, k.LXR, k.phone, k.FAX, k.address, k.Email, k.Remark, k.yb};
}

}  // namespace

const ContactTable& KeHuTable()
{
    static const ContactTable t{QStringLiteral("Base_KeHu"), QStringLiteral("KeHu"),
                                {QStringLiteral("KeHu"), QStringLiteral("LXR"), QStringLiteral("phone"),
                                 QStringLiteral("FAX"), QStringLiteral("address"), QStringLiteral("Email"),
                                 QStringLiteral("Remark"), QStringLiteral("yb")},
                                QStringLiteral("客户")};
    return t;
}

bool KeHuExists(Database& db, const QString& name)
{
    return ContactExists(db, KeHuTable(), name);
}

void InsertKeHu(Database& db, const TKeHu& k)
{
    InsertContact(db, KeHuTable(), Values(k));
}

void UpdateKeHu(Database& db, const QString& oldName, const TKeHu& k)
{
    UpdateContact(db, KeHuTable(), oldName, Values(k));
}

void DeleteKeHu(Database& db, const QString& name)
{
    DeleteContact(db, KeHuTable(), name);
}

TKeHu GetKeHu(Database& db, const QString& name)
{
    const QStringList v = ContactValues(db, KeHuTable(), name);
    TKeHu k;
    if (!v.isEmpty()) {
        k.KeHu = v[0];
        k.LXR = v[1];
        k.phone = v[2];
        k.address = v[4];
    }
    return k;
}

QStringList KeHuNames(Database& db)
{
    return ContactNames(db, KeHuTable());
}

RowSet KeHuRows(Database& db)
{
    return ContactRows(db, KeHuTable());
}
