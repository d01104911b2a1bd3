#include "UserStore.h"

#include "AuditLog.h"
#include "Database.h"
#include "PermissionCaptions.h"

#include <QSqlQuery>

namespace {

const QString UserNameParam = QStringLiteral(":UserName");

// The name, the password and the 31 flags of user as named parameters.
SqlParams UserParams(const TUser& user)
{
    SqlParams params{{UserNameParam, user.UserName},
                     {QStringLiteral(":UserPassword"), user.UserPassword}};
    for (int i = 0; i < PermissionCount; ++i)
        params.append({u':' + QLatin1String(PermissionNames[i]), int(user.flag(i))});
    return params;
}

// The flags that differ between two users by their captions, as "+销售登记,-用户管理" (granted
// with +, taken with -).
QString FlagChanges(const TUser& before, const TUser& after)
{
    QStringList changes;
    for (int i = 0; i < PermissionCount; ++i)
        if ((before.flag(i) == 1) != (after.flag(i) == 1))
            changes << (after.flag(i) == 1 ? u'+' : u'-') + QString::fromUtf8(PermissionCaptions[i]);
    return changes.join(u',');
}

// The short text of a user in the audit log: the name and what changed besides it.
QString UserAuditText(const QString& name, const QString& changes)
{
    return changes.isEmpty() ? name : name + QStringLiteral(" 权限") + changes;
}

}  // namespace

QStringList UserNames(Database& db)
{
    QSqlQuery q = db.exec(QStringLiteral("select UserName from SYS_User order by rowid"));
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

bool CheckUser(Database& db, const QString& UserName, const QString& UserPassword)
{
    QSqlQuery q = db.exec(
        QStringLiteral("select * from SYS_User where UserName=:UserName and UserPassword=:UserPassword"),
        {{UserNameParam, UserName}, {QStringLiteral(":UserPassword"), UserPassword}});
    return q.next();
}

bool GetUser(Database& db, const QString& UserName, TUser& user)
{
    QSqlQuery q = db.exec(QStringLiteral("select * from SYS_User where UserName=:UserName"),
                          {{UserNameParam, UserName}});
    if (!q.next())
        return false;
    user.UserName = q.value(QStringLiteral("UserName")).toString();
    user.UserPassword = q.value(QStringLiteral("UserPassword")).toString();
    for (int i = 0; i < PermissionCount; ++i)
        user.flag(i) = std::uint8_t(q.value(QLatin1String(PermissionNames[i])).toInt() & 0xFF);
    return true;
}

bool UserNameTaken(Database& db, const QString& UserName, const QString& exceptName)
{
    return db.scalar(QStringLiteral("select count(*) from SYS_User where UserName=:UserName "
                                    "and UserName<>:SrcUserName"),
                     {{UserNameParam, UserName},
                      // a null text would bind as NULL, and "<> NULL" is never true
                      {QStringLiteral(":SrcUserName"), exceptName.isNull() ? QStringLiteral("") : exceptName}})
               .toInt()
        > 0;
}

void InsertUser(Database& db, const TUser& user)
{
    QStringList cols{QStringLiteral("UserName"), QStringLiteral("UserPassword")};
    for (const char* name : PermissionNames)
        cols << QLatin1String(name);
    QStringList params;
    for (const QString& c : cols)
        params << u':' + c;
    Transaction t(db);
    db.exec(QStringLiteral("insert into SYS_User(%1)\n values(%2)").arg(cols.join(u','), params.join(u',')),
            UserParams(user));
    WriteAudit(db, QStringLiteral("添加用户"), user.UserName, {}, UserAuditText(user.UserName, FlagChanges({}, user)));
    t.commit();
}

void UpdateUser(Database& db, const QString& SrcUserName, const TUser& user)
{
    QStringList sets{QStringLiteral("UserName=:UserName"), QStringLiteral("UserPassword=:UserPassword")};
    for (const char* name : PermissionNames)
        sets << QStringLiteral("%1=:%1").arg(QLatin1String(name));
    SqlParams params = UserParams(user);
    params.append({QStringLiteral(":SrcUserName"), SrcUserName});
    Transaction t(db);
    TUser before;
    const bool existed = GetUser(db, SrcUserName, before);
    db.exec(QStringLiteral("update SYS_User set %1\nwhere UserName=:SrcUserName").arg(sets.join(u',')), params);
    if (existed) {
        QString after = UserAuditText(user.UserName, FlagChanges(before, user));
        if (before.UserPassword != user.UserPassword)
            after += QStringLiteral(" 密码已改");
        WriteAudit(db, QStringLiteral("修改用户"), before.UserName, before.UserName, after);
    }
    t.commit();
}

void DeleteUser(Database& db, const QString& UserName)
{
    Transaction t(db);
    if (db.exec(QStringLiteral("delete from SYS_User where UserName=:UserName"), {{UserNameParam, UserName}})
            .numRowsAffected()
        > 0)
        WriteAudit(db, QStringLiteral("删除用户"), UserName, UserName);
    t.commit();
}

bool UpdatePassword(Database& db, const QString& UserName, const QString& UserPassword)
{
    Transaction t(db);
    const bool changed =
        db.exec(QStringLiteral("update SYS_User set UserPassword=:UserPassword where UserName=:UserName"),
                {{QStringLiteral(":UserPassword"), UserPassword}, {UserNameParam, UserName}})
            .numRowsAffected()
        > 0;
    if (changed)
        WriteAudit(db, QStringLiteral("修改密码"), UserName);
    t.commit();
    return changed;
}
