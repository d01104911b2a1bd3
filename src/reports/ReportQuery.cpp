#include "ReportQuery.h"

#include "MarginText.h"
#include "WellFormedText.h"

#include <sqlite3.h>

#include <QSqlQuery>
#include <QSqlRecord>
#include <optional>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The pool indexes of texts met before, found by their bytes: open addressing with linear probing
// over a power-of-two table, each slot holding the text's hash and where its bytes are kept. Far
// cheaper per lookup than a general hash of byte arrays, which matters at a million values.
class SeenTexts {
public:
    // The index stored for these bytes, or -1.
    int find(std::string_view bytes) const
    {
        if (m_slots.empty())
            return -1;
        const size_t hash = std::hash<std::string_view>{}(bytes);
        for (size_t i = hash & m_mask;; i = (i + 1) & m_mask) {
            const Slot& s = m_slots[i];
            if (s.index < 0)
                return -1;
            if (s.hash == hash && s.length == bytes.size()
                && std::memcmp(m_bytes.data() + s.offset, bytes.data(), bytes.size()) == 0)
                return s.index;
        }
    }

    // Stores an index for bytes not stored yet.
    void insert(std::string_view bytes, int index)
    {
        if ((m_count + 1) * 2 > m_slots.size())
            grow();
        place(Slot{std::hash<std::string_view>{}(bytes), m_bytes.size(), bytes.size(), index});
        m_bytes.append(bytes);
        ++m_count;
    }

private:
    struct Slot {
        size_t hash = 0;
        size_t offset = 0;
        size_t length = 0;
        int index = -1;
    };

    void place(const Slot& slot)
    {
        size_t i = slot.hash & m_mask;
        while (m_slots[i].index >= 0)
            i = (i + 1) & m_mask;
        m_slots[i] = slot;
    }

    void grow()
    {
        std::vector<Slot> old = std::move(m_slots);
        m_slots.assign(old.empty() ? 1024 : old.size() * 2, Slot());
        m_mask = m_slots.size() - 1;
        for (const Slot& s : old)
            if (s.index >= 0)
                place(s);
    }

    std::vector<Slot> m_slots;
    size_t m_mask = 0;
    size_t m_count = 0;
    std::string m_bytes;  // the bytes of every stored text, one after the other
};

// The texts of a statement's values, each kept once when it repeats: brands, products, dates,
// customers and salespeople come again and again, and a text met before is handed out again,
// shared, instead of being decoded into a new string. A column whose texts hardly repeat
// (numbers of documents, telephone numbers) stops being looked up after its first rows.
class TextPool {
public:
    explicit TextPool(int columns) : m_columns(size_t(columns)) {}

    // The index of a value of the column in texts().
    int add(int column, std::string_view bytes)
    {
        Column& c = m_columns[size_t(column)];
        if (c.last >= 0 && bytes == c.lastBytes)
            return c.last;
        int index = -1;
        if (c.shared) {
            index = m_seen.find(bytes);
            if (index < 0) {
                index = append(bytes);
                m_seen.insert(bytes, index);
                ++c.misses;
            }
            if (++c.lookups == Window) {
                c.shared = c.misses * 10 < Window * 9;
                c.lookups = c.misses = 0;
            }
        } else {
            index = append(bytes);
        }
        c.lastBytes.assign(bytes);
        c.last = index;
        return index;
    }
    const QVector<QString>& texts() const { return m_texts; }

private:
    static constexpr int Window = 1024;
    struct Column {
        std::string lastBytes;
        int last = -1;
        bool shared = true;
        int lookups = 0;
        int misses = 0;
    };

    int append(std::string_view bytes)
    {
        m_texts.append(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())));
        return int(m_texts.size() - 1);
    }

    std::vector<Column> m_columns;
    SeenTexts m_seen;
    QVector<QString> m_texts;
};

// A value kept without a QVariant: a number, or a text or blob by its index in the pools.
struct StoredValue {
    enum Kind : quint8 { Null, Integer, Real, Text, Blob };
    Kind kind = Null;
    union {
        qint64 integer = 0;
        double real;
        int index;
    };
};

// The QVariant of a kept value, as QSqlQuery gives it.
QVariant ToVariant(const StoredValue& v, const QVector<QString>& texts, const QVector<QByteArray>& blobs)
{
    switch (v.kind) {
    case StoredValue::Integer:
        return qlonglong(v.integer);
    case StoredValue::Real:
        return v.real;
    case StoredValue::Text:
        return texts.at(v.index);
    case StoredValue::Blob:
        return blobs.at(v.index);
    default:
        return QVariant(QMetaType::fromType<QString>());
    }
}

// A select read straight through SQLite, giving each value as QSqlQuery does (integers as
// qlonglong, reals as double, texts as QString, NULL as a null QString, blobs as QByteArray)
// without its per-row copies; for the many rows of a listing. On a server the rows come through
// QtSql (ServerReader) and are kept the same way.
class LineReader {
public:
    LineReader(Database& db, const QString& sql, const SqlParams& params) : m_db(db.sqliteHandle())
    {
        const QByteArray text = sql.toUtf8();
        if (db.engine() == Engine::Postgres) {
            m_server.emplace(db.exec(sql, params));
            m_texts = std::make_unique<TextPool>(columnCount());
            return;
        }
        if (!m_db)
            throw DbError(QStringLiteral("数据库未连接。"));
        if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_s, nullptr) != SQLITE_OK)
            throw DbError(EngineErrorText(error() + QStringLiteral("\n") + sql));
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
                    const QByteArray v = StoredText(value.toString()).toUtf8();
                    sqlite3_bind_text(m_s, i, v.constData(), int(v.size()), SQLITE_TRANSIENT);
                }
            }
        }
        m_texts = std::make_unique<TextPool>(columnCount());
    }
    ~LineReader() { sqlite3_finalize(m_s); }
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool next()
    {
        if (m_server)
            return m_server->next();
        const int rc = sqlite3_step(m_s);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            throw DbError(EngineErrorText(error()));
        return false;
    }
    int columnCount() const { return m_server ? m_server->record().count() : sqlite3_column_count(m_s); }
    QString columnName(int i) const
    {
        return m_server ? m_server->record().fieldName(i) : QString::fromUtf8(sqlite3_column_name(m_s, i));
    }
    qint64 integer(int i) const { return m_server ? m_server->value(i).toLongLong() : sqlite3_column_int64(m_s, i); }
    std::string_view bytes(int i)
    {
        if (m_server) {
            m_text = m_server->value(i).toString().toUtf8();
            return {m_text.constData(), size_t(m_text.size())};
        }
        return {reinterpret_cast<const char*>(sqlite3_column_text(m_s, i)), size_t(sqlite3_column_bytes(m_s, i))};
    }
    StoredValue stored(int i)
    {
        if (m_server)
            return storedFromServer(i);
        StoredValue v;
        switch (sqlite3_column_type(m_s, i)) {
        case SQLITE_INTEGER:
            v.kind = StoredValue::Integer;
            v.integer = sqlite3_column_int64(m_s, i);
            break;
        case SQLITE_FLOAT:
            v.kind = StoredValue::Real;
            v.real = sqlite3_column_double(m_s, i);
            break;
        case SQLITE_NULL:
            break;
        case SQLITE_BLOB:
            v.kind = StoredValue::Blob;
            v.index = int(m_blobs.size());
            m_blobs.append(QByteArray(static_cast<const char*>(sqlite3_column_blob(m_s, i)), sqlite3_column_bytes(m_s, i)));
            break;
        default:
            v.kind = StoredValue::Text;
            v.index = m_texts->add(i, bytes(i));
        }
        return v;
    }
    QVariant value(const StoredValue& v) const { return ToVariant(v, m_texts->texts(), m_blobs); }
    // Forgets the texts and blobs read so far (the values handed out keep their own).
    void forgetTexts()
    {
        m_texts = std::make_unique<TextPool>(columnCount());
        m_blobs.clear();
    }
    const QVector<QString>& texts() const { return m_texts->texts(); }
    const QVector<QByteArray>& blobs() const { return m_blobs; }

private:
    QString error() const { return QString::fromUtf8(sqlite3_errmsg(m_db)); }

    StoredValue storedFromServer(int i)
    {
        const QVariant value = m_server->value(i);
        StoredValue v;
        if (value.isNull())
            return v;
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:  // the server's 8-byte integers when not negative
        case QMetaType::Bool:
            v.kind = StoredValue::Integer;
            v.integer = value.toLongLong();
            break;
        case QMetaType::Double:
            v.kind = StoredValue::Real;
            v.real = value.toDouble();
            break;
        case QMetaType::QByteArray:
            v.kind = StoredValue::Blob;
            v.index = int(m_blobs.size());
            m_blobs.append(value.toByteArray());
            break;
        default:
            v.kind = StoredValue::Text;
            v.index = m_texts->add(i, bytes(i));
        }
        return v;
    }

    sqlite3* m_db;
    sqlite3_stmt* m_s = nullptr;
    std::optional<QSqlQuery> m_server;
    QByteArray m_text;  // the text of the server's value last read
    std::unique_ptr<TextPool> m_texts;
    QVector<QByteArray> m_blobs;
};

// The lines of all listed documents as read, kept compact (no row or string allocated per
// line); a document's lines become rows of values when they are asked for.
struct StoredLines {
    QStringList columns;
    std::vector<StoredValue> values;  // line after line, columns.size() values each
    QVector<QString> texts;
    QVector<QByteArray> blobs;
    std::vector<int> order;  // line numbers by master row, each document's in entry order
    std::vector<int> first;  // per master row its first place in order, and the end
    void (*finish)(RowSet&) = nullptr;

    RowSet lines(int masterRow) const
    {
        const int width = int(columns.size());
        RowSet d;
        d.columns = columns;
        d.rows.reserve(first[size_t(masterRow) + 1] - first[size_t(masterRow)]);
        for (int k = first[size_t(masterRow)]; k < first[size_t(masterRow) + 1]; ++k) {
            const StoredValue* v = values.data() + size_t(order[size_t(k)]) * size_t(width);
            QVector<QVariant> row;
            row.reserve(width + (finish ? 1 : 0));  // room for what finish adds
            for (int c = 0; c < width; ++c)
                row.append(ToVariant(v[c], texts, blobs));
            d.rows.append(std::move(row));
        }
        if (finish)
            finish(d);
        return d;
    }
};

// What a document usually holds, for reserving room for the lines of a list.
constexpr size_t LinesPerDocument = 4;

}  // namespace

ReportData MasterDetail(Database& db, RowSet master, const QString& linesSql, const SqlParams& params,
                        void (*finish)(RowSet&))
{
    // Master rows by document number (the stored text; numbers are unique).
    SeenTexts masterRows;
    const int dhColumn = master.columnIndex(QStringLiteral("dh"));
    for (int r = 0; r < master.rowCount(); ++r) {
        const QByteArray dh = master.rows[r].value(dhColumn).toString().toUtf8();
        const std::string_view bytes(dh.constData(), size_t(dh.size()));
        if (masterRows.find(bytes) < 0)
            masterRows.insert(bytes, r);
    }

    LineReader q(db, linesSql, params);
    auto store = std::make_shared<StoredLines>();
    const int width = q.columnCount() - 2;
    for (int i = 0; i < width; ++i)
        store->columns << q.columnName(i + 2);
    store->finish = finish;

    // The lines of one document come one after the other; the master row is looked up when the
    // document changes.
    std::vector<int> lineMaster;
    std::vector<qint64> lineId;
    // Room for a few lines a document at once: growing a vector of a million values by doubling
    // copies it again and again.
    const size_t expected = size_t(master.rowCount()) * LinesPerDocument;
    lineMaster.reserve(expected);
    lineId.reserve(expected);
    store->values.reserve(expected * size_t(width));
    std::string currentDh;
    int current = -1;
    while (q.next()) {
        const std::string_view dh = q.bytes(0);
        if (current < 0 || dh != currentDh) {
            currentDh = dh;
            current = masterRows.find(dh);
            if (current < 0)
                continue;
        }
        lineMaster.push_back(current);
        lineId.push_back(q.integer(1));
        for (int i = 0; i < width; ++i)
            store->values.push_back(q.stored(i + 2));
    }
    store->texts = q.texts();
    store->blobs = q.blobs();

    // The lines by master row in the order read, then each document's in entry order.
    const int masters = master.rowCount();
    store->first.assign(size_t(masters) + 1, 0);
    for (int m : lineMaster)
        ++store->first[size_t(m) + 1];
    for (int m = 0; m < masters; ++m)
        store->first[size_t(m) + 1] += store->first[size_t(m)];
    store->order.resize(lineMaster.size());
    std::vector<int> next(store->first.begin(), store->first.end() - 1);
    for (int line = 0; line < int(lineMaster.size()); ++line)
        store->order[size_t(next[size_t(lineMaster[size_t(line)])]++)] = line;
    for (int m = 0; m < masters; ++m) {
        const auto begin = store->order.begin() + store->first[size_t(m)];
        const auto end = store->order.begin() + store->first[size_t(m) + 1];
        const auto byId = [&lineId](int x, int y) { return lineId[size_t(x)] < lineId[size_t(y)]; };
        if (!std::is_sorted(begin, end, byId))
            std::sort(begin, end, byId);
    }

    ReportData data;
    data.master = std::move(master);
    data.details = [store, masters](int row) { return row < 0 || row >= masters ? RowSet() : store->lines(row); };
    return data;
}

RowSet ReadRows(Database& db, const QString& sql, const SqlParams& params)
{
    LineReader q(db, sql, params);
    RowSet d;
    const int width = q.columnCount();
    for (int i = 0; i < width; ++i)
        d.columns << q.columnName(i);
    while (q.next()) {
        QVector<QVariant> row;
        row.reserve(width + 1);  // room for a margin column
        for (int i = 0; i < width; ++i)
            row.append(q.value(q.stored(i)));
        d.rows.append(std::move(row));
    }
    return d;
}

void ReadRowPieces(Database& db, const QString& sql, const SqlParams& params, const std::function<void(RowSet&)>& take,
                   int pieceRows)
{
    LineReader q(db, sql, params);
    RowSet d;
    const int width = q.columnCount();
    for (int i = 0; i < width; ++i)
        d.columns << q.columnName(i);
    bool more = true;
    while (more) {
        d.rows.clear();
        while (d.rowCount() < pieceRows && (more = q.next())) {
            QVector<QVariant> row;
            row.reserve(width + 1);  // room for a margin column
            for (int i = 0; i < width; ++i)
                row.append(q.value(q.stored(i)));
            d.rows.append(std::move(row));
        }
        q.forgetTexts();
        if (!d.isEmpty())
            take(d);
    }
}

QString DocumentLinesSql(const Database& db, const QString& headerTable, const QString& lineTable, const QString& lineColumns,
                         const QString& condition)
{
    // The headers drive (on SQLite a cross join keeps them outside), each finding its lines by number.
    return QStringLiteral("select a.dh,b.autoid,%1 from %2 a %3 %4 b on b.dh=a.dh where %5")
        .arg(lineColumns, headerTable, db.drivingJoin(), lineTable, condition);
}

void AppendMarginColumn(RowSet& d, const QString& profit, const QString& amount)
{
    const int p = d.columnIndex(profit);
    const int a = d.columnIndex(amount);
    d.columns << QStringLiteral("lrr") << QStringLiteral("margin");
    for (auto& row : d.rows) {
        const double profitValue = row[p].toDouble();
        const double amountValue = row[a].toDouble();
        row.append(MarginText(profitValue, amountValue));
        row.append(Margin(profitValue, amountValue));
    }
}


