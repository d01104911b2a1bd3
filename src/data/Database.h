#pragma once

#include "Clock.h"

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
    explicit DbError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// The text of an error the database engine raised: a Chinese explanation for the operator, then
// the engine's own text.
QString EngineErrorText(const QString& engineText);

// Orders Chinese names the way people look them up (pinyin order of the common characters),
// letter case ignored: "order by KeHu collate chinese". Registered on every connection.
inline constexpr const char* ChineseOrder = "collate chinese";

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
    void open(const QString& path);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }
    QSqlDatabase handle() const;
    // The engine's own handle of the open connection (nullptr when closed), for what QtSql does
    // not offer (collations, the online backup).
    sqlite3* sqliteHandle() const;

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
    QString m_connectionName;
    QString m_path;
    QString m_operator;
    Clock m_clock;
};

// Runs an operation of several statements as one unit: commits when commit() is called, rolls
// back when destroyed without it (an exception left the operation). The outermost one begins
// with the connection's write lock (BEGIN IMMEDIATE), so what it reads stays as read until it
// ends, even with another connection on the same file; inner ones nest through savepoints.
class Transaction {
public:
    explicit Transaction(Database& db);
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
