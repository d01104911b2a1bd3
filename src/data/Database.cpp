#include "Database.h"

#include "ChineseOrder.h"
#include "WellFormedText.h"

#include <QDate>
#include <QSqlDriver>
#include <QSqlError>
#include <QUuid>

#include <sqlite3.h>

namespace {

int CompareChineseTexts(void*, int size1, const void* text1, int size2, const void* text2)
{
    return CompareChinese({static_cast<const char*>(text1), size_t(size1)},
                          {static_cast<const char*>(text2), size_t(size2)});
}

}  // namespace

QString EngineErrorText(const QString& engineText)
{
    return QStringLiteral("数据库操作失败，本次操作没有完成。数据库引擎的说明：\n") + engineText;
}

QString SqlDate(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

QString ContainsCondition(const QString& column, const QString& param)
{
    return column + QStringLiteral(" like '%' || ") + param + QStringLiteral(" || '%' escape '\\'");
}

QString LikeEscaped(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("\\%")).replace(u'_', QStringLiteral("\\_"));
    return escaped;
}

Database::Database(const QString& connectionName) : m_connectionName(connectionName) {}

Database::~Database()
{
    close();
}

void Database::open(const QString& path)
{
    close();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(path);
        if (!db.open()) {
            const QString text = EngineErrorText(db.lastError().text());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            throw DbError(text);
        }
    }
    if (sqlite3* h = sqliteHandle()) {
        sqlite3_create_collation(h, "chinese", SQLITE_UTF8, nullptr, &CompareChineseTexts);
        // Another copy of the program on the same file holds its write lock only for the length
        // of one operation: wait for it instead of failing at once.
        sqlite3_busy_timeout(h, BusyTimeoutMs);
    }
    m_path = path;
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase::database(m_connectionName, false).close();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_path.clear();
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName)
        && QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase Database::handle() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

sqlite3* Database::sqliteHandle() const
{
    if (!isOpen())
        return nullptr;
    const QVariant h = handle().driver()->handle();
    if (qstrcmp(h.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(h.constData());
}

QSqlQuery Database::exec(const QString& sql, const SqlParams& params)
{
    if (!isOpen())
        throw DbError(QStringLiteral("数据库未连接。"));
    QSqlQuery q(handle());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw DbError(EngineErrorText(q.lastError().text() + QStringLiteral("\n") + sql));
    for (const auto& [name, value] : params)
        q.bindValue(name, value.typeId() == QMetaType::QString ? QVariant(WellFormedText(value.toString())) : value);
    if (!q.exec())
        throw DbError(EngineErrorText(q.lastError().text()));
    return q;
}

QVariant Database::scalar(const QString& sql, const SqlParams& params)
{
    QSqlQuery q = exec(sql, params);
    return q.next() ? q.value(0) : QVariant();
}

Transaction::Transaction(Database& db)
    : m_db(db), m_name(QStringLiteral("sp_") + QUuid::createUuid().toString(QUuid::Id128))
{
    sqlite3* h = m_db.sqliteHandle();
    m_outermost = h && sqlite3_get_autocommit(h);
    // The outermost one takes the write lock before its first read, so that what an operation
    // reads (stock, amounts owed, free numbers) cannot be changed by another connection before
    // it writes: two connections on one file take their turns instead of both acting on what
    // they read before the other wrote.
    m_db.exec(m_outermost ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT ") + m_name);
}

Transaction::~Transaction()
{
    if (m_done || !m_db.isOpen())
        return;
    QSqlQuery q(m_db.handle());
    // The outermost one ends the whole transaction without writing: rolling back to the savepoint
    // and releasing it would commit an empty transaction, which still writes the file's header.
    if (m_outermost) {
        q.exec(QStringLiteral("ROLLBACK"));
        return;
    }
    q.exec(QStringLiteral("ROLLBACK TO ") + m_name);
    q.exec(QStringLiteral("RELEASE ") + m_name);
}

void Transaction::commit()
{
    m_db.exec(m_outermost ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + m_name);
    m_done = true;
}
