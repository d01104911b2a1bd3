#include "CPTypeStore.h"

#include "AuditLog.h"
#include "Database.h"
#include "GoodsStore.h"

#include <QSqlQuery>

namespace {
const QString T = QStringLiteral(":TypeName");
}

QStringList CPTypeNames(Database& db)
{
    QSqlQuery q = db.exec(QStringLiteral("select TypeName from Base_CPType order by rowid"));
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

bool CPTypeExists(Database& db, const QString& TypeName)
{
    return db.exec(QStringLiteral("select * from Base_CPType where TypeName=:TypeName"), {{T, TypeName}}).next();
}

void InsertCPType(Database& db, const QString& TypeName)
{
    db.exec(QStringLiteral("insert into Base_CPType(TypeName)\nvalues(:TypeName)"), {{T, TypeName}});
}

void RenameCPType(Database& db, const QString& TypeName, const QString& NewTypeName)
{
    const SqlParams params{{T, TypeName}, {QStringLiteral(":New"), NewTypeName}};
    Transaction t(db);
    WriteAudit(db, QStringLiteral("修改产品分类"), TypeName, TypeName, NewTypeName);
    db.exec(QStringLiteral("update Base_CPType set TypeName=:New where TypeName=:TypeName"), params);
    db.exec(QStringLiteral("update Base_ChanPin set CPType=:New where CPType=:TypeName"), params);
    t.commit();
}

void DeleteCPType(Database& db, const QString& TypeName)
{
    Transaction t(db);
    const int products =
        db.scalar(QStringLiteral("select count(*) from Base_ChanPin where CPType=:TypeName"), {{T, TypeName}}).toInt();
    WriteAudit(db, QStringLiteral("删除产品分类"), TypeName, QStringLiteral("%1个产品").arg(products),
               QStringLiteral("%1个产品归入%2").arg(products).arg(QString::fromUtf8(NoCPType)));
    db.exec(QStringLiteral("delete from Base_CPType where TypeName=:TypeName"), {{T, TypeName}});
    db.exec(QStringLiteral("update Base_ChanPin set CPType=:New where CPType=:TypeName"),
            {{T, TypeName}, {QStringLiteral(":New"), QString::fromUtf8(NoCPType)}});
    t.commit();
}
