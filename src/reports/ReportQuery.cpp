#include "ReportQuery.h"

#include "MarginText.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <string>
#include <string_view>

namespace {

// A select read straight through SQLite, giving each value as QSqlQuery does (integers as
// qlonglong, reals as double, texts as QString, NULL as a null QString, blobs as QByteArray)
// without its per-row copies; for the many lines of a listing.
class LineReader {
public:
    LineReader(Database& db, const QString& sql, const SqlParams& params) : m_db(db.sqliteHandle())
    {
        const QByteArray text = sql.toUtf8();
        if (!m_db || sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_s, nullptr) != SQLITE_OK)
            throw DbError(error() + QStringLiteral("\n") + sql);
        for (const auto& [name, value] : params) {
            const int i = sqlite3_bind_parameter_index(m_s, name.toUtf8().constData());
            if (i == 0)
                continue;
            switch (value.typeId()) {
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::Bool:
                sqlite3_bind_int64(m_s, i, value.toLongLong());
                break;
            case QMetaType::Double:
                sqlite3_bind_double(m_s, i, value.toDouble());
                break;
            default:
                if (value.isNull()) {
                    sqlite3_bind_null(m_s, i);
                } else {
                    const QByteArray v = value.toString().toUtf8();
                    sqlite3_bind_text(m_s, i, v.constData(), int(v.size()), SQLITE_TRANSIENT);
                }
            }
        }
    }
    ~LineReader() { sqlite3_finalize(m_s); }
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool next()
    {
        const int rc = sqlite3_step(m_s);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            throw DbError(error());
        return false;
    }
    int columnCount() const { return sqlite3_column_count(m_s); }
    QString columnName(int i) const { return QString::fromUtf8(sqlite3_column_name(m_s, i)); }
    qint64 integer(int i) const { return sqlite3_column_int64(m_s, i); }
    std::string_view bytes(int i) const
    {
        return {reinterpret_cast<const char*>(sqlite3_column_text(m_s, i)), size_t(sqlite3_column_bytes(m_s, i))};
    }
    QString text(int i) const
    {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_s, i)), sqlite3_column_bytes(m_s, i));
    }
    QVariant value(int i) const
    {
        switch (sqlite3_column_type(m_s, i)) {
        case SQLITE_INTEGER:
            return qlonglong(sqlite3_column_int64(m_s, i));
        case SQLITE_FLOAT:
            return sqlite3_column_double(m_s, i);
        case SQLITE_NULL:
            return QVariant(QMetaType::fromType<QString>());
        case SQLITE_BLOB:
            return QByteArray(static_cast<const char*>(sqlite3_column_blob(m_s, i)), sqlite3_column_bytes(m_s, i));
        default:
            return text(i);
        }
    }

private:
    QString error() const { return QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : "数据库未连接。"); }

    sqlite3* m_db;
    sqlite3_stmt* m_s = nullptr;
};


// The lines of one listed document as they are read, with their autoids.
struct DocumentLines {
    QVector<QVector<QVariant>> rows;
    QVector<qint64> ids;
    bool inOrder = true;

    void add(qint64 id, QVector<QVariant>&& row)
    {
        inOrder = inOrder && (ids.isEmpty() || ids.last() < id);
        ids.append(id);
        rows.append(std::move(row));
    }

    // The rows in entry order.
    QVector<QVector<QVariant>> take()
    {
        if (inOrder)
            return std::move(rows);
        QVector<int> order(rows.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [this](int x, int y) { return ids[x] < ids[y]; });
        QVector<QVector<QVariant>> sorted;
        sorted.reserve(rows.size());
        for (int i : order)
            sorted.append(std::move(rows[i]));
        return sorted;
    }
};

}  // namespace

ReportData MasterDetail(Database& db, RowSet master, const QString& linesSql, const SqlParams& params,
                        void (*finish)(RowSet&))
{
    // Master rows by document number (the stored text).
    QHash<QString, int> masterRows;
    masterRows.reserve(master.rowCount());
    const int dhColumn = master.columnIndex(QStringLiteral("dh"));
    for (int r = 0; r < master.rowCount(); ++r)
        masterRows.insert(master.rows[r].value(dhColumn).toString(), r);

    LineReader q(db, linesSql, params);
    const int width = q.columnCount() - 2;
    QStringList columns;
    for (int i = 0; i < width; ++i)
        columns << q.columnName(i + 2);

    // The lines of one document come one after the other; the master row is looked up when the
    // document changes.
    QVector<DocumentLines> lines(master.rowCount());
    std::string currentDh;
    int current = -1;
    while (q.next()) {
        const std::string_view dh = q.bytes(0);
        if (current < 0 || dh != currentDh) {
            currentDh = dh;
            current = masterRows.value(QString::fromUtf8(dh.data(), qsizetype(dh.size())), -1);
            if (current < 0)
                continue;
        }
        QVector<QVariant> row(width);
        for (int i = 0; i < width; ++i)
            row[i] = q.value(i + 2);
        lines[current].add(q.integer(1), std::move(row));
    }

    // Each listed document's lines in entry order, finished once.
    auto details = std::make_shared<QVector<RowSet>>();
    details->reserve(master.rowCount());
    for (DocumentLines& own : lines) {
        RowSet d{columns, own.take()};
        if (finish)
            finish(d);
        details->append(std::move(d));
    }

    ReportData data;
    data.master = std::move(master);
    data.details = [details](int row) {
        return row < 0 || row >= details->size() ? RowSet() : details->at(row);
    };
    return data;
}

QString DocumentLinesSql(const QString& headerTable, const QString& lineTable, const QString& lineColumns,
                         const QString& condition)
{
    // The headers drive (cross join keeps them outside), each finding its lines by number.
    return QStringLiteral("select a.dh,b.autoid,%1 from %2 a cross join %3 b on b.dh=a.dh where %4")
        .arg(lineColumns, headerTable, lineTable, condition);
}

void AppendMarginColumn(RowSet& d, const QString& profit, const QString& amount)
{
    const int p = d.columnIndex(profit);
    const int a = d.columnIndex(amount);
    d.columns << QStringLiteral("lrr");
    for (auto& row : d.rows)
        row.append(MarginText(row[p].toDouble(), row[a].toDouble()));
}

QString DateCondition(const QString& alias)
{
    return QStringLiteral("%1in_date>=:from and %1in_date<=:to").arg(alias);
}

SqlParams DateParams(const QDate& from, const QDate& to)
{
    return {{QStringLiteral(":from"), SqlDate(from)}, {QStringLiteral(":to"), SqlDate(to)}};
}
