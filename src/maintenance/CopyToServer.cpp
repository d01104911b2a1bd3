#include "CopyToServer.h"

#include "CheckStore.h"
#include "Schema.h"
#include "ShopCopy.h"

QStringList CopyToServer(Database& file, const DatabaseTarget& target)
{
    if (InspectDatabase(file) != DatabaseState::Usable || StoredSchemaVersion(file) != SchemaVersion)
        throw DbError(QStringLiteral("数据库文件 %1 不是本版本程序可用的数据库，没有复制。请先用本程序打开一次，或先用 --check 检查。")
                          .arg(file.path()));
    const QStringList fileFaults = CheckDatabase(file);
    if (!fileFaults.isEmpty())
        throw DbError(QStringLiteral("数据库文件检查发现问题，没有复制：\n") + fileFaults.join(u'\n'));
    Database server(QStringLiteral("copy-target"));
    server.open(target);
    if (!IsEmptyDatabase(server))
        throw DbError(QStringLiteral("服务器上的数据库 %1 不是空的，没有复制，也没有改动它。请指定一个新建的空数据库。").arg(target.display()));
    Transaction t(server);
    CreateSchema(server);
    // The schema's own rows (the stamp) are the server's; the rest come from the file.
    const QStringList report = CopyShopRows(file, server);
    const QStringList serverFaults = CheckDatabase(server);
    if (!serverFaults.isEmpty())
        throw DbError(QStringLiteral("复制到服务器后检查发现问题，没有复制：\n") + serverFaults.join(u'\n'));
    t.commit();
    return report;
}
