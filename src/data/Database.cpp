#include "Database.h"

#include "ChangeWatch.h"
#include "ChineseOrder.h"
#include "ServerStatement.h"
#include "WellFormedText.h"

#include <QDate>
#include <QSqlDriver>
#include <QSqlError>
#include <QStringList>
#include <QTimeZone>
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

namespace {

// Why the server refused the connection, in words for the operator; libpq's own text follows.
QString ServerRefusal(const DatabaseTarget& target, const QString& engineText)
{
    const auto has = [&engineText](const char* part) { return engineText.contains(QLatin1String(part), Qt::CaseInsensitive); };
    QString reason;
    if (has("password") || has("authentication failed") || (has("role") && has("does not exist")))
        reason = QStringLiteral("数据库服务器拒绝了用户 %1 的登录：密码不对，或者没有提供密码。"
                                "密码请写在 ~/.pgpass（权限 0600）或环境变量 PGPASSFILE 所指的文件中，不写在 Set.ini 里。")
                     .arg(target.user.isEmpty() ? QStringLiteral("（默认用户）") : target.user);
    else if (has("database") && has("does not exist"))
        reason = QStringLiteral("数据库服务器上没有数据库 %1。请先在服务器上建立它（见使用说明“多个柜台”一节）。").arg(target.name);
    else
        reason = QStringLiteral("无法连接到数据库服务器 %1：服务器没有启动、地址或端口不对，或者网络不通。").arg(target.display());
    return reason + QStringLiteral("\n服务器的说明：") + engineText.trimmed();
}

// The server's connection is gone (dropped, restarted, shut down): nothing of the statement was done.
bool ConnectionLost(const QSqlError& error)
{
    const QString state = error.nativeErrorCode();
    const QString text = error.databaseText() + error.driverText();
    return state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P0"))
        || text.contains(QLatin1String("server closed the connection")) || text.contains(QLatin1String("no connection to the server"))
        || text.contains(QLatin1String("terminating connection")) || text.contains(QLatin1String("connection to server"));
}

// The key of the lock that stands for the whole shop on a server (Locking::Whole); "QLJD".
constexpr qint64 ShopLockKey = 0x514C4A44;

}  // namespace

void Database::open(const DatabaseTarget& target)
{
    close();
    m_target = target;
    try {
        openConnection();
    } catch (...) {
        m_target = {};
        throw;
    }
}

void Database::openConnection()
{
    m_lost = false;
    const bool server = m_target.engine == Engine::Postgres;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(server ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), m_connectionName);
        if (server) {
            if (!m_target.host.isEmpty())
                db.setHostName(m_target.host);
            if (m_target.port)
                db.setPort(m_target.port);
            if (!m_target.name.isEmpty())
                db.setDatabaseName(m_target.name);
            if (!m_target.user.isEmpty())
                db.setUserName(m_target.user);
            QStringList options{QStringLiteral("connect_timeout=5"), QStringLiteral("application_name=qinglan")};
            if (!m_target.service.isEmpty())
                options << QStringLiteral("service=") + m_target.service;
            db.setConnectOptions(options.join(u';'));
        } else {
            db.setDatabaseName(m_target.path);
        }
        if (!db.open()) {
            const QString engineText = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            throw DbError(server ? ServerRefusal(m_target, engineText) : EngineErrorText(engineText));
        }
    }
    if (sqlite3* h = sqliteHandle()) {
        sqlite3_create_collation(h, "chinese", SQLITE_UTF8, nullptr, &CompareChineseTexts);
        // Another copy of the program on the same file holds its write lock only for the length
        // of one operation: wait for it instead of failing at once.
        sqlite3_busy_timeout(h, BusyTimeoutMs);
    }
    if (server) {
        // Dates and times are the program's own (the clock of the counter); a lock another counter
        // holds is waited for as long as SQLite waits for the file.
        // One round trip for the session's settings.
        exec(QStringLiteral("set time zone '%1'; set lock_timeout = %2; set client_min_messages = warning; "
                            "set standard_conforming_strings = on")
                 .arg(QString::fromLatin1(QTimeZone::systemTimeZoneId()))
                 .arg(BusyTimeoutMs));
    }
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    dropConnection();
    m_target = {};
    m_depth = 0;
}

void Database::dropConnection()
{
    QSqlDatabase::database(m_connectionName, false).close();
    QSqlDatabase::removeDatabase(m_connectionName);
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

QString Database::chineseOrder(const QString& expression) const
{
    // The server compares the texts' GB18030 encodings byte by byte after folding ASCII letters,
    // exactly as the "chinese" collation registered on each SQLite connection does.
    if (engine() == Engine::Postgres)
        return QStringLiteral("convert_to(lower(cast(%1 as text) collate \"C\"), 'GB18030')").arg(expression);
    return expression + QStringLiteral(" collate chinese");
}

QString Database::forUpdate() const
{
    return engine() == Engine::Postgres ? QStringLiteral(" for update") : QString();
}

QString Database::drivingJoin() const
{
    return engine() == Engine::Postgres ? QStringLiteral("join") : QStringLiteral("cross join");
}

QString Database::jsonTexts(const QString& param, const QString& alias) const
{
    if (engine() == Engine::Postgres)
        return QStringLiteral("json_array_elements_text(cast(%1 as json)) as %2(value)").arg(param, alias);
    return QStringLiteral("json_each(%1) %2").arg(param, alias);
}

QString Database::unindexed(const QString& expression) const
{
    return engine() == Engine::Postgres ? expression : u'+' + expression;
}

void Database::reconnectWhenLost()
{
    if (!m_lost)
        return;
    if (m_depth > 0)
        throw DbError(QStringLiteral("与数据库服务器的连接中断了，本次操作没有完成，也没有写入任何数据。"));
    dropConnection();
    openConnection();
}

void Database::fail(const QSqlError& error, const QString& sql)
{
    if (engine() == Engine::Postgres && ConnectionLost(error)) {
        m_lost = true;
        throw DbError(QStringLiteral("与数据库服务器的连接中断了，本次操作没有完成，也没有写入任何数据。"
                                     "下一次操作时程序会重新连接服务器。\n服务器的说明：")
                          + error.text(),
                      error.nativeErrorCode());
    }
    const bool server = engine() == Engine::Postgres;
    throw DbError(EngineErrorText(sql.isEmpty() ? error.text() : error.text() + QStringLiteral("\n") + sql),
                  server ? error.nativeErrorCode() : QString(), server ? 0 : error.nativeErrorCode().toInt());
}

QSqlQuery Database::exec(const QString& sql, const SqlParams& params)
{
    if (!isOpen())
        throw DbError(QStringLiteral("数据库未连接。"));
    reconnectWhenLost();
    QSqlQuery q(handle());
    if (engine() == Engine::Postgres) {
        // A forward-only result is fetched row by row there and lost when another statement runs
        // on the connection meanwhile: the whole result is taken at once.
        const QString text = WithLiterals(sql, params);
        if (!q.exec(text))
            fail(q.lastError(), text);
        return q;
    }
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        fail(q.lastError(), sql);
    for (const auto& [name, value] : params)
        q.bindValue(name, value.typeId() == QMetaType::QString ? QVariant(StoredText(value.toString())) : value);
    if (!q.exec())
        fail(q.lastError());
    return q;
}

QVariant Database::scalar(const QString& sql, const SqlParams& params)
{
    QSqlQuery q = exec(sql, params);
    return q.next() ? q.value(0) : QVariant();
}

Transaction::Transaction(Database& db, Locking locking)
    : m_db(db), m_name(QStringLiteral("sp_") + QUuid::createUuid().toString(QUuid::Id128))
{
    m_outermost = !m_db.inTransaction();
    if (!m_outermost) {
        m_db.exec(QStringLiteral("SAVEPOINT ") + m_name);
    } else if (m_db.engine() == Engine::Sqlite) {
        // The outermost one takes the write lock before its first read, so that what an operation
        // reads (stock, amounts owed, free numbers) cannot be changed by another connection before
        // it writes: two connections on one file take their turns instead of both acting on what
        // they read before the other wrote.
        m_db.exec(QStringLiteral("BEGIN IMMEDIATE"));
    } else {
        // On a server the same holds through the shop's lock: taken whole, no other operation
        // writes meanwhile; taken shared, documents of several counters go side by side and each
        // locks the rows it changes.
        m_db.exec(QStringLiteral("BEGIN"));
        try {
            m_db.exec(QStringLiteral("select %1(%2)")
                          .arg(locking == Locking::Whole ? QLatin1String("pg_advisory_xact_lock")
                                                         : QLatin1String("pg_advisory_xact_lock_shared"))
                          .arg(ShopLockKey));
        } catch (...) {
            QSqlQuery(m_db.handle()).exec(QStringLiteral("ROLLBACK"));
            throw;
        }
    }
    ++m_db.m_depth;
}

Transaction::~Transaction()
{
    if (m_done || !m_db.isOpen())
        return;
    --m_db.m_depth;
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
    // The other counters hear of the change when it is committed (see ChangeWatch.h); on a file
    // they notice it by themselves.
    if (m_outermost && m_db.engine() == Engine::Postgres)
        m_db.exec(QStringLiteral("NOTIFY ") + QLatin1String(ChangeChannel));
    // A failed commit leaves the transaction to the destructor, which rolls it back.
    m_db.exec(m_outermost ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + m_name);
    --m_db.m_depth;
    m_done = true;
}
