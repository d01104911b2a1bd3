#include "InitSYSStore.h"

#include "Database.h"
#include "Schema.h"

QStringList InitGroupTables(InitGroup group)
{
    switch (group) {
    case InitGroup::XS: return {"Log_XiaoShouDan", "Log_XiaoShou", "Log_SKGuoCheng"};
    case InitGroup::CG: return {"Log_CaiGouDan", "Log_CaiGou", "Log_FKGuoCheng"};
    case InitGroup::SP: return {"Base_PinPai", "Base_ChanPin", "Log_KuCun", "Base_CPType"};
    case InitGroup::GYS: return {"Base_GongYingShang"};
    case InitGroup::YG: return {"Base_YeYuYuan"};
    case InitGroup::KH: return {"Base_KeHu"};
    case InitGroup::SZI: return {"Base_ShouZhi"};
    case InitGroup::SZ: return {"Log_ShouZhi"};
    case InitGroup::JQ: return {"Log_JieQun"};
    case InitGroup::User: return {};
    }
    return {};
}

void ClearTable(Database& db, const QString& table)
{
    for (InitGroup group : AllInitGroups)
        if (InitGroupTables(group).contains(table)) {
            db.exec(QStringLiteral("delete from ") + table);
            return;
        }
    throw DbError(QStringLiteral("不能清除表 %1。").arg(table));
}

void DeleteUsersButAdmin(Database& db)
{
    db.exec(QStringLiteral("delete from SYS_User where UserName<>:admin"),
            {{QStringLiteral(":admin"), QString::fromUtf8(BuiltInAdministrator)}});
}

void InitSYS(Database& db, const QVector<InitGroup>& groups)
{
    Transaction t(db);
    for (InitGroup group : AllInitGroups) {
        if (!groups.contains(group))
            continue;
        if (group == InitGroup::User)
            DeleteUsersButAdmin(db);
        for (const QString& table : InitGroupTables(group))
            ClearTable(db, table);
    }
    t.commit();
}
