#include "YuanGongStore.h"

#include "ContactTable.h"
#include "Database.h"

#include <QDate>

namespace {

QStringList Values(const TYuanGong& y)
{
    return {y.Name, y.Sex, y.Age, y.Address, y.ID, y.Phone, SqlDate(y.InDate), y.Remark};
}

}  // namespace

const ContactTable& YuanGongTable()
{
    static const ContactTable t{QStringLiteral("Base_YeYuYuan"), QStringLiteral("Name"),
                                {QStringLiteral("Name"), QStringLiteral("Sex"), QStringLiteral("Age"),
                                 QStringLiteral("Address"), QStringLiteral("ID"), QStringLiteral("Phone"),
                                 QStringLiteral("InDate"), QStringLiteral("Remark")},
                                QStringLiteral("员工")};
    return t;
}

bool YuanGongExists(Database& db, const QString& name)
{
    return ContactExists(db, YuanGongTable(), name);
}

void InsertYuanGong(Database& db, const TYuanGong& y)
{
    InsertContact(db, YuanGongTable(), Values(y));
}

void UpdateYuanGong(Database& db, const QString& oldName, const TYuanGong& y)
{
    UpdateContact(db, YuanGongTable(), oldName, Values(y));
}

void DeleteYuanGong(Database& db, const QString& name)
{
    DeleteContact(db, YuanGongTable(), name);
}

QStringList YuanGongNames(Database& db)
{
    return ContactNames(db, YuanGongTable());
}

RowSet YuanGongRows(Database& db)
{
    return ContactRows(db, YuanGongTable());
}
