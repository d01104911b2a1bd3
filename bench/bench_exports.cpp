// The list printouts of the query windows and the sheet exports of long ranges on the ten-year
// shop (bench/run-all makes the file), each beside the raw SQLite figure measured in the same run.
//
// Printouts: the lines a list's printout lays out (every line of every listed document; the window
// holds the list itself) for the shop's last year, as the sales and purchase queries read them now
// (all lines in one statement) and as they read them before (one statement per document, twice, as
// the layout asked), beside the raw statement reading the same lines. Processor time of the
// thread, fastest of a few runs.
//
// Exports: `qinglan --export REPORT --from --to --out FILE` over all ten years, run as its own
// process (a copy of the program in a folder whose Data/db.data links to the shop), beside a raw
// writer: a plain C loop over the same statement writing the same rows with stdio (CSV) or with
// libxlsxwriter in constant-memory mode (workbook). Each is timed as a child process: processor
// time (user + system), wall time and the largest resident set.
//
// Usage: bench_exports FILE (or $QL_BENCH_DB) [PROGRAM (default: the program built beside it)]
//        [printouts|exports (default: both)]

#include "BestTime.h"
#include "Database.h"
#include "DocumentQuery.h"
#include "ReportData.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <vector>

namespace {

double Time(const std::function<long long()>& run, long long& rows)
{
    return BestTime(run, rows, 3000);
}

sqlite3_stmt* Prepare(sqlite3* h, const QString& sql, const QDate& from, const QDate& to)
{
    sqlite3_stmt* s = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(h, text.constData(), int(text.size()), &s, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n%s\n", sqlite3_errmsg(h), text.constData());
        std::exit(1);
    }
    const QByteArray f = SqlDate(from).toUtf8(), t = SqlDate(to).toUtf8();
    if (const int i = sqlite3_bind_parameter_index(s, ":from"))
        sqlite3_bind_text(s, i, f.constData(), int(f.size()), SQLITE_TRANSIENT);
    if (const int i = sqlite3_bind_parameter_index(s, ":to"))
        sqlite3_bind_text(s, i, t.constData(), int(t.size()), SQLITE_TRANSIENT);
    return s;
}

// Rows of one raw statement, every column read as SQLite hands it over.
long long RunRaw(sqlite3* h, const QString& sql, const QDate& from, const QDate& to)
{
    sqlite3_stmt* s = Prepare(h, sql, from, to);
    long long rows = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(s); ++c)
            if (sqlite3_column_type(s, c) == SQLITE_TEXT)
                (void)sqlite3_column_text(s, c);
            else
                (void)sqlite3_column_double(s, c);
        ++rows;
    }
    sqlite3_finalize(s);
    return rows;
}

long long Consume(const ReportData& d, int timesRead)
{
    long long rows = d.master.rowCount();
    for (int t = 0; t < timesRead; ++t)
        for (int r = 0; r < d.master.rowCount(); ++r)
            rows += d.details(r).rowCount();
    return rows / timesRead;
}

const QString Dated = QStringLiteral("a.in_date>=:from and a.in_date<=:to");

QString LinesOfDated(const QString& headers, const QString& lines)
{
    return QStringLiteral("select a.dh,b.autoid,b.* from %1 a cross join %2 b on b.dh=a.dh where %3")
        .arg(headers, lines, Dated);
}

void Printouts(Database& db, const QDate& from, const QDate& to)
{
    struct Side {
        const char* name;
        std::function<RowSet()> list;
        std::function<ReportData(RowSet)> lines;
        std::function<RowSet(const QString&)> one;
        QString headers, lineTable;
    };
    const std::vector<Side> sides = {
        {"sales query",
         [&] { return ListXiaoShouDan(db, ForwardKind, QString(), from, to); },
         [&](RowSet rows) { return PrepareBB_XSDJLines(db, std::move(rows), ForwardKind); },
         [&](const QString& dh) { return PrepareBB_XSDJ(db, dh, ForwardKind); },
         QStringLiteral("Log_XiaoShouDan"), QStringLiteral("Log_XiaoShou")},
        {"purchase query",
         [&] { return ListCaiGouDan(db, ForwardKind, from, to); },
         [&](RowSet rows) { return PrepareBB_CGDJLines(db, std::move(rows), ForwardKind); },
         [&](const QString& dh) { return PrepareBB_CGDJ(db, dh, ForwardKind); },
         QStringLiteral("Log_CaiGouDan"), QStringLiteral("Log_CaiGou")},
    };
    std::printf("Printouts of a year (%s to %s), thread CPU time\n\n", qPrintable(SqlDate(from)), qPrintable(SqlDate(to)));
    std::printf("| printout | reading the lines | documents | lines | statements | ms | raw SQLite ms | ratio |\n"
                "| --- | --- | ---: | ---: | ---: | ---: | ---: | ---: |\n");
    for (const Side& side : sides) {
        // The window holds its list; its printout reads the lines of the listed documents.
        const RowSet listed = side.list();
        long long rawRows = 0;
        const double raw = Time(
            [&] { return RunRaw(db.sqliteHandle(), LinesOfDated(side.headers, side.lineTable), from, to); }, rawRows);
        long long rows = 0;
        const double batched = Time([&] { return Consume(side.lines(listed), 1) - listed.rowCount(); }, rows);
        std::printf("| %s | all lines in one statement | %d | %lld | 1 | %.1f | %.1f | %.2f |\n", side.name,
                    int(listed.rowCount()), rows, batched, raw, batched / raw);
        // Before: each document's lines read on their own, once for sizing the columns and once
        // for laying the pages out.
        const double each = Time(
            [&] {
                long long n = 0;
                for (int t = 0; t < 2; ++t)
                    for (int r = 0; r < listed.rowCount(); ++r) {
                        const long long lines = side.one(listed.value(r, QStringLiteral("dh")).toString()).rowCount();
                        n += t == 0 ? lines : 0;
                    }
                return n;
            },
            rows);
        std::printf("| %s | one statement per document, twice (before) | %d | %lld | %d | %.1f | %.1f | %.2f |\n",
                    side.name, int(listed.rowCount()), rows, 2 * int(listed.rowCount()), each, raw, each / raw);
        std::fflush(stdout);
    }
}

struct Usage {
    double cpuSeconds = 0;
    double wallSeconds = 0;
    double megabytes = 0;  // largest resident set
    int status = -1;
};

// Runs work in a child process and measures it.
Usage InChild(const std::function<int()>& work)
{
    QElapsedTimer wall;
    wall.start();
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    Usage u;
    rusage r{};
    int status = 0;
    wait4(child, &status, 0, &r);
    u.wallSeconds = wall.elapsed() / 1e3;
    u.cpuSeconds = r.ru_utime.tv_sec + r.ru_utime.tv_usec / 1e6 + r.ru_stime.tv_sec + r.ru_stime.tv_usec / 1e6;
    u.megabytes = r.ru_maxrss / 1024.0;
    u.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return u;
}

// The raw writer: the statement's rows as CSV through stdio, or as a workbook through
// libxlsxwriter in constant-memory mode (numbers as numbers, texts as texts).
int WriteRaw(const QString& shop, const QString& sql, const QDate& from, const QDate& to, const QString& out)
{
    sqlite3* h = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(shop).constData(), &h, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return 1;
    sqlite3_stmt* s = Prepare(h, sql, from, to);
    const int columns = sqlite3_column_count(s);
    const QByteArray name = QFile::encodeName(out);
    if (out.endsWith(QLatin1String(".csv"))) {
        FILE* f = std::fopen(name.constData(), "wb");
        while (sqlite3_step(s) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                if (c)
                    std::fputc(',', f);
                const char* text = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
                if (!text)
                    continue;
                if (std::strpbrk(text, ",\"\r\n")) {
                    std::fputc('"', f);
                    for (const char* p = text; *p; ++p) {
                        if (*p == '"')
                            std::fputc('"', f);
                        std::fputc(*p, f);
                    }
                    std::fputc('"', f);
                } else {
                    std::fputs(text, f);
                }
            }
            std::fputs("\r\n", f);
        }
        std::fclose(f);
    } else {
        lxw_workbook_options options = {};
        options.constant_memory = LXW_TRUE;
        lxw_workbook* book = workbook_new_opt(name.constData(), &options);
        lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
        lxw_row_t row = 0;
        while (sqlite3_step(s) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c)
                switch (sqlite3_column_type(s, c)) {
                case SQLITE_INTEGER:
                case SQLITE_FLOAT: worksheet_write_number(sheet, row, lxw_col_t(c), sqlite3_column_double(s, c), nullptr); break;
                case SQLITE_TEXT:
                    worksheet_write_string(sheet, row, lxw_col_t(c),
                                           reinterpret_cast<const char*>(sqlite3_column_text(s, c)), nullptr);
                    break;
                default: break;
                }
            ++row;
        }
        if (workbook_close(book) != LXW_NO_ERROR)
            return 1;
    }
    sqlite3_finalize(s);
    sqlite3_close(h);
    return 0;
}

void Exports(const QString& shop, const QString& program, const QDate& from, const QDate& to)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Data"));
    const QString copy = folder.filePath(QStringLiteral("qinglan"));
    if (!QFile::copy(program, copy)) {
        std::fprintf(stderr, "cannot copy the program %s\n", qPrintable(program));
        return;
    }
    QFile::setPermissions(copy, QFile::permissions(program));
    QFile::link(QFileInfo(shop).absoluteFilePath(), folder.filePath(QStringLiteral("Data/db.data")));

    struct Export {
        const char* report;
        const char* file;
        QString rawSql;  // the statement of the rows the export writes
    };
    const QString sales = QStringLiteral("select autoid,dh,in_date,shuliang,jinE,KeHu,yewuyuan,KeHuPhone,KeHuAddress,QK,"
                                         "Remark from Log_XiaoShouDan a where %1 order by +autoid").arg(Dated);
    const QString profit = QStringLiteral(
        "with d as materialized (select a.autoid as autoid,a.dh as dh,a.in_date as in_date,a.KeHu as KeHu,"
        "a.yewuyuan as yewuyuan,a.shuliang as shuliang,a.jinE as jinE,"
        "(select sum(b.cb*b.shuliang) from Log_XiaoShou b where b.dh=a.dh) as zcb from Log_XiaoShouDan a where %1)"
        " select dh,in_date,KeHu,yewuyuan,shuliang,zcb as cb,jinE,jinE-zcb as LR from d order by autoid").arg(Dated);
    const std::vector<Export> exports = {{"sales", "sales.csv", sales},
                                         {"sales", "sales.xlsx", sales},
                                         {"profit-documents", "profit.csv", profit},
                                         {"profit-documents", "profit.xlsx", profit}};
    std::printf("\nExports of ten years (%s to %s), each a process of its own\n\n", qPrintable(SqlDate(from)),
                qPrintable(SqlDate(to)));
    std::printf("| export | file MB | program CPU s | wall s | largest resident MB | raw CPU s | wall s | "
                "largest resident MB | CPU ratio |\n| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: |\n");
    for (const Export& e : exports) {
        const QString out = folder.filePath(QString::fromLatin1(e.file));
        const QByteArray path = QFile::encodeName(copy);
        const QList<QByteArray> args = {path, "--export", e.report, "--from", SqlDate(from).toUtf8(), "--to",
                                        SqlDate(to).toUtf8(), "--out", QFile::encodeName(out)};
        const Usage program = InChild([&] {
            std::vector<char*> argv;
            for (const QByteArray& a : args)
                argv.push_back(const_cast<char*>(a.constData()));
            argv.push_back(nullptr);
            std::freopen("/dev/null", "w", stdout);
            execv(argv[0], argv.data());
            return 127;
        });
        const double megabytes = QFileInfo(out).size() / 1e6;
        QFile::remove(out);
        const QString rawOut = out + QStringLiteral(".raw") + QFileInfo(out).completeSuffix().prepend(u'.');
        const Usage raw = InChild([&] { return WriteRaw(shop, e.rawSql, from, to, rawOut); });
        QFile::remove(rawOut);
        if (program.status != 0 || raw.status != 0)
            std::printf("| %s %s | failed (program %d, raw %d) |\n", e.report, e.file, program.status, raw.status);
        else
            std::printf("| %s → %s | %.1f | %.2f | %.2f | %.0f | %.2f | %.2f | %.0f | %.2f |\n", e.report, e.file,
                        megabytes, program.cpuSeconds, program.wallSeconds, program.megabytes, raw.cpuSeconds,
                        raw.wallSeconds, raw.megabytes, program.cpuSeconds / raw.cpuSeconds);
        std::fflush(stdout);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString shop = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("QL_BENCH_DB");
    const QString program = argc > 2 && qstrcmp(argv[2], "-") != 0 ? QString::fromLocal8Bit(argv[2])
                                                                    : QStringLiteral(QL_PROGRAM);
    const QByteArray part = argc > 3 ? QByteArray(argv[3]) : QByteArray();
    if (shop.isEmpty() || !QFile::exists(shop)) {
        std::fprintf(stderr, "usage: bench_exports FILE (or set QL_BENCH_DB) [PROGRAM or -] [printouts|exports]\n");
        return 2;
    }
    Database db(QStringLiteral("bench"));
    db.open(shop);
    const QDate last = QDate::fromString(db.scalar(QStringLiteral("select max(in_date) from Log_XiaoShouDan")).toString(),
                                         Qt::ISODate);
    const QDate first = QDate::fromString(db.scalar(QStringLiteral("select min(in_date) from Log_XiaoShouDan")).toString(),
                                          Qt::ISODate);
    std::printf("Ten-year file %s, program %s\n\n", qPrintable(shop), qPrintable(program));
    if (part != "exports")
        Printouts(db, QDate(last.year(), 1, 1), last);
    db.close();
    if (part != "printouts")
        Exports(shop, program, first, last);
    return 0;
}
