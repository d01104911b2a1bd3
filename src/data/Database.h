#pragma once

#include "Clock.h"
#include "DatabaseTarget.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVector>
#include <stdexcept>
#include <utility>

// An error raised by the database engine (or by a data routine refusing its input); carries the
// text that the error box shows.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& text, QString sqlState = {}, int sqliteCode = 0)
        : std::runtime_error(text.toStdString()), m_text(text), m_sqlState(std::move(sqlState)), m_sqliteCode(sqliteCode)
    {
    }
    const QString& text() const { return m_text; }
    // The server's SQLSTATE of the failure (PostgreSQL), empty otherwise.
    const QString& sqlState() const { return m_sqlState; }
    // SQLite's result code of the failure (SQLITE_FULL, ...), 0 otherwise.
    int sqliteCode() const { return m_sqliteCode; }
    // Another counter's work got in the way (a serialization failure or a deadlock the server
    // broke): the whole operation may simply run again.
    bool isTransient() const { return m_sqlState == u"40001" || m_sqlState == u"40P01"; }

private:
    QString m_text;
    QString m_sqlState;
    int m_sqliteCode = 0;
};

// The text of an error the database engine raised: a Chinese explanation for the operator, then
// the engine's own text.
QString EngineErrorText(const QString& engineText);

// A condition that a text column holds a bound text anywhere in it ("a.KeHu", ":text"), letter
// case ignored; bind the text through LikeEscaped so that its % and _ stand for themselves.
QString ContainsCondition(const QString& column, const QString& param);
QString LikeEscaped(const QString& text);

// Named parameters of one statement: {":dh", value}, ...
using SqlParams = QVector<std::pair<QString, QVariant>>;

// Formats a date the way every statement passes it ("yyyy-MM-dd").
class QDate;
QString SqlDate(const QDate& d);

struct sqlite3;

// The one connection of the program. Every statement goes through exec(), which binds named
// parameters and throws DbError with the engine's text when the statement fails.
// The same statements run on SQLite and on PostgreSQL: the PostgreSQL schema gives the text
// columns the same case-insensitive comparison (citext) and the few functions SQLite has and
// PostgreSQL lacks (see Schema.cpp); what still differs is asked of this class (chineseOrder).
class Database {
public:
    static constexpr int BusyTimeoutMs = 10000;

    explicit Database(const QString& connectionName = QStringLiteral("qinglan"));
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens (creating when missing) the SQLite file at path; throws DbError on failure. Opening
    // writes nothing, so a file can be checked before anything touches it. A statement that
    // finds the file locked by another connection waits up to BusyTimeoutMs for it.
    void open(const QString& path) { open(DatabaseTarget::file(path)); }
    // Opens the file or connects to the server; on a server, each way of failing (not reachable,
    // login refused, no such database) has its own message.
    void open(const DatabaseTarget& target);
    void close();
    bool isOpen() const;
    QString path() const { return m_target.path; }
    const DatabaseTarget& target() const { return m_target; }
    Engine engine() const { return m_target.engine; }
    QSqlDatabase handle() const;
    // The engine's own handle of the open connection (nullptr when closed or on a server), for
    // what QtSql does not offer (collations, the online backup, the fast readers).
    sqlite3* sqliteHandle() const;
    // True inside a Transaction.
    bool inTransaction() const { return m_depth > 0; }

    // Orders Chinese names the way people look them up (the common characters in pinyin order,
    // see ChineseOrder.h), ASCII letter case ignored: "order by " + chineseOrder("KeHu").
    QString chineseOrder(const QString& expression) const;
    // What a select ends with to lock the rows it reads until the transaction ends: on a server
    // " for update"; nothing on SQLite, whose transaction holds the whole file already.
    QString forUpdate() const;
    // A join whose left side drives the statement: SQLite's "cross join" keeps the order as
    // written; a server's planner chooses its own.
    QString drivingJoin() const;
    // The texts of a JSON array of texts bound as param, as a table alias(value).
    QString jsonTexts(const QString& param, const QString& alias) const;
    // The expression kept from steering SQLite's choice of index (a unary "+"); as it stands on a
    // server, which has no such rule.
    QString unindexed(const QString& expression) const;

    // Runs one statement; a select leaves the query before its first row.
    QSqlQuery exec(const QString& sql, const SqlParams& params = {});
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, const SqlParams& params = {});

    // The signed-in operator, set by the login; the audit log records it with every entry.
    // It outlives closing and reopening the connection.
    void setOperator(const QString& name) { m_operator = name; }
    const QString& operatorName() const { return m_operator; }

    // The program's clock: the audit log's time and the date of the routines that need one.
    // Like the operator, it outlives closing and reopening the connection.
    Clock& clock() { return m_clock; }
    const Clock& clock() const { return m_clock; }

private:
    friend class Transaction;
    void openConnection();
    void dropConnection();  // the QtSql connection only; the target stays
    void reconnectWhenLost();
    [[noreturn]] void fail(const QSqlError& error, const QString& sql = {});

    QString m_connectionName;
    DatabaseTarget m_target;
    QString m_operator;
    Clock m_clock;
    int m_depth = 0;
    bool m_lost = false;  // the server dropped the connection: opened again before the next statement
};

// How an operation keeps others from acting on what it read before it writes.
// Whole: no other operation writes until it ends (SQLite's write lock, on a server a lock of the
// whole shop). Rows: only what it touches is locked, in one fixed order (see LockGoods), so that
// the counters' documents are saved side by side; others wait for a Whole one and it for them.
enum class Locking { Whole, Rows };

// Runs an operation of several statements as one unit: commits when commit() is called, rolls
// back when destroyed without it (an exception left the operation). The outermost one begins
// with the connection's write lock (BEGIN IMMEDIATE), so what it reads stays as read until it
// ends, even with another connection on the same file; inner ones nest through savepoints.
class Transaction {
public:
    explicit Transaction(Database& db, Locking locking = Locking::Whole);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    QString m_name;
    bool m_outermost = false;  // began the connection's transaction
    bool m_done = false;
};

// Runs an operation that is one transaction; when another counter's work got in its way on the
// server (isTransient), runs it again a few times before the failure reaches the operator.
// Inside an enclosing transaction it runs once: the enclosing one is what would run again.
template <class F>
auto Retrying(Database& db, F&& operation)
{
    for (int attempt = 1;; ++attempt) {
        try {
            return operation();
        } catch (const DbError& e) {
            if (!e.isTransient() || db.inTransaction() || attempt >= 5)
                throw;
        }
    }
}
