#include "InitSYSStore.h"

#include "AuditLog.h"
#include "Database.h"
#include "Ledger.h"
#include "Schema.h"

QStringList InitGroupTables(InitGroup group)
{
    switch (group) {
    case InitGroup::XS: return {"Log_XiaoShouDan", "Log_XiaoShou", "Log_SKGuoCheng"};
    case InitGroup::CG: return {"Log_CaiGouDan", "Log_CaiGou", "Log_FKGuoCheng"};
    case InitGroup::SP: return {"Base_PinPai", "Base_ChanPin", "Log_KuCun", "Base_CPType", "Log_PanDian", "Base_TiaoMa"};
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

QString InitGroupName(InitGroup group)
{
    switch (group) {
    case InitGroup::XS: return QStringLiteral("销售记录");
    case InitGroup::CG: return QStringLiteral("采购记录");
    case InitGroup::SP: return QStringLiteral("商品资料/库存");
    case InitGroup::GYS: return QStringLiteral("供应商信息");
    case InitGroup::YG: return QStringLiteral("员工信息");
    case InitGroup::KH: return QStringLiteral("客户信息");
    case InitGroup::SZI: return QStringLiteral("收支项目");
    case InitGroup::SZ: return QStringLiteral("收支记录");
    case InitGroup::JQ: return QStringLiteral("经营数据结存记录");
    case InitGroup::User: return QStringLiteral("系统用户");
    }
    return {};
}

int ClearTable(Database& db, const QString& table)
{
    for (InitGroup group : AllInitGroups)
        if (InitGroupTables(group).contains(table))
            return db.exec(QStringLiteral("delete from ") + table).numRowsAffected();
    throw DbError(QStringLiteral("不能清除表 %1。").arg(table));
}

int DeleteUsersButAdmin(Database& db)
{
    return db
        .exec(QStringLiteral("delete from SYS_User where UserName<>:admin"),
              {{QStringLiteral(":admin"), QString::fromUtf8(BuiltInAdministrator)}})
        .numRowsAffected();
}

void InitSYS(Database& db, const QVector<InitGroup>& groups, const Progress& progress)
{
    if (groups.isEmpty())
        return;
    Transaction t(db);
    QStringList names;
    QStringList counts;
    for (InitGroup group : AllInitGroups) {
        if (!groups.contains(group))
            continue;
        if (progress)
            progress(int(names.size()), int(groups.size()));
        int rows = group == InitGroup::User ? DeleteUsersButAdmin(db) : 0;
        for (const QString& table : InitGroupTables(group)) {
            // The goods items keep the stock their emptied lines moved, as opening quantity.
            if (table == QLatin1String("Log_XiaoShou") || table == QLatin1String("Log_CaiGou"))
                CarryIntoOpeningStock(db, table, {}, {});
            rows += ClearTable(db, table);
        }
        names << InitGroupName(group);
        counts << QStringLiteral("%1%2行").arg(InitGroupName(group)).arg(rows);
    }
    WriteAudit(db, QStringLiteral("系统初始化"), names.join(QStringLiteral("、")), counts.join(QStringLiteral(", ")));
    t.commit();
    if (progress)
        progress(int(groups.size()), int(groups.size()));
}
