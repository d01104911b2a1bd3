// Times every report data routine on the ten-year shop (bench/run-all makes the file) beside the
// raw SQLite time of the plainest fast statements that read the same rows, and prints one table
// row per routine and date range with the ratio of the two.
//
// A master-detail routine is timed with the lines of every listed document read, as laying the
// report out reads them. The raw side runs its statements through the SQLite C interface on the
// same connection and reads every column of every row. Each side is timed a few times after one
// warm-up run; the table shows the fastest, in processor time of the thread (the machine is
// shared). With $QL_BENCH_SERVER naming the same shop on a PostgreSQL server (a libpq URI;
// bench/run-engines copies it there), each routine runs there too, timed by the wall clock since
// the server's process does part of the work. Usage: bench_report_data FILE (or $QL_BENCH_DB)
// [part of a routine's name].

#include "BestTime.h"
#include "Database.h"
#include "ReportData.h"

#include <QCoreApplication>
#include <sqlite3.h>

#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

struct Range {
    const char* name;
    QDate from, to;
};

// Rows of one raw statement: every column of every row read as SQLite hands it over.
long long RunRaw(sqlite3* h, const QString& sql, const Range& r)
{
    sqlite3_stmt* s = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(h, text.constData(), int(text.size()), &s, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n%s\n", sqlite3_errmsg(h), text.constData());
        std::exit(1);
    }
    const QByteArray from = SqlDate(r.from).toUtf8(), to = SqlDate(r.to).toUtf8();
    if (const int i = sqlite3_bind_parameter_index(s, ":from"))
        sqlite3_bind_text(s, i, from.constData(), int(from.size()), SQLITE_STATIC);
    if (const int i = sqlite3_bind_parameter_index(s, ":to"))
        sqlite3_bind_text(s, i, to.constData(), int(to.size()), SQLITE_STATIC);
    long long rows = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(s); ++c)
            switch (sqlite3_column_type(s, c)) {
            case SQLITE_INTEGER: (void)sqlite3_column_int64(s, c); break;
            case SQLITE_FLOAT: (void)sqlite3_column_double(s, c); break;
            case SQLITE_TEXT: (void)sqlite3_column_text(s, c); break;
            default: break;
            }
        ++rows;
    }
    sqlite3_finalize(s);
    return rows;
}

// Rows a routine hands to the report: the master rows and, for master-detail, every line.
long long Consume(const ReportData& d)
{
    long long rows = d.master.rowCount();
    if (d.details)
        for (int r = 0; r < d.master.rowCount(); ++r)
            rows += d.details(r).rowCount();
    return rows;
}

double Time(const std::function<long long()>& run, long long& rows)
{
    return BestTime(run, rows, 2000);
}

struct Case {
    QString routine;
    std::function<ReportData(const Range&)> project;
    std::function<QStringList(const Range&)> raw;  // the statements reading the same rows
};

QString S(const char* s)
{
    return QString::fromUtf8(s);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("QL_BENCH_DB");
    if (path.isEmpty()) {
        std::fprintf(stderr, "usage: bench_report_data FILE (or set QL_BENCH_DB)\n");
        return 2;
    }
    Database db(QStringLiteral("bench"));
    db.open(path);
    sqlite3* h = db.sqliteHandle();
    // The same shop on a server (copied there with --copy-to), when $QL_BENCH_SERVER names it.
    const QString serverUri = qEnvironmentVariable("QL_BENCH_SERVER");
    Database server(QStringLiteral("bench-server"));
    if (!serverUri.isEmpty())
        server.open(DatabaseTarget::server(serverUri));
    Database* on = &db;  // where the routines run

    const QDate today = QDate::fromString(db.scalar(QStringLiteral("select max(in_date) from Log_XiaoShouDan")).toString(),
                                          Qt::ISODate);
    const QDate oldest = QDate::fromString(db.scalar(QStringLiteral("select min(in_date) from Log_XiaoShouDan")).toString(),
                                           Qt::ISODate);
    const std::vector<Range> dated = {{"month", QDate(today.year(), today.month(), 1), today},
                                      {"year", QDate(today.year(), 1, 1), today},
                                      {"ten years", oldest, today}};
    const std::vector<Range> undated = {{"all", oldest, today}};

    // The best-selling goods item picks the brand and product of the narrower profit reports.
    QSqlQuery best = db.exec(QStringLiteral("select PinPai,chanpin,guige from Log_XiaoShou "
                                            "group by PinPai,chanpin,guige order by sum(shuliang) desc limit 1"));
    best.next();
    const QString PinPai = best.value(0).toString(), chanpin = best.value(1).toString();
    const QString someSale = db.scalar(QStringLiteral("select dh from Log_XiaoShouDan where shuliang>3 limit 1")).toString();
    const QString somePurchase = db.scalar(QStringLiteral("select dh from Log_CaiGouDan where shuliang>10 limit 1")).toString();
    const auto quoted = [](const QString& s) { return u'\'' + s + u'\''; };

    const QString order = QStringLiteral(" collate chinese");
    // The dated lines grouped; "+" keeps the goods index from driving to save the sort.
    const auto grouped = [&](const QString& keys, const QString& where) {
        QStringList orderBy, groupBy;
        for (const QString& k : keys.split(u',')) {
            orderBy << k + order;
            groupBy << u'+' + k;
        }
        return QStringLiteral("select %1,sum(shuliang),sum(CB*shuliang) as c,sum(jinE) as j,sum(jinE)-sum(CB*shuliang) "
                              "from Log_XiaoShou where in_date>=:from and in_date<=:to%2 group by %3 order by %4")
            .arg(keys, where, groupBy.join(u','), orderBy.join(u','));
    };
    // One brand (and product): over a long range its lines through the goods index are fewer.
    const auto goods = [&](const QString& keys, const QString& where) {
        return QStringLiteral("select %1,sum(shuliang),sum(CB*shuliang) as c,sum(jinE) as j,sum(jinE)-sum(CB*shuliang) "
                              "from Log_XiaoShou where in_date>=:from and in_date<=:to%2 group by %1 order by %1%3")
            .arg(keys, where, order);
    };
    const auto single = [](std::function<RowSet(const Range&)> f) {
        return [f](const Range& r) { return ReportData{f(r), {}}; };
    };

    const QString datedSales = QStringLiteral("a.in_date>=:from and a.in_date<=:to");
    const auto longRange = [](const Range& r) { return r.from.daysTo(r.to) > 731; };
    const auto fixed = [](QStringList statements) { return [statements](const Range&) { return statements; }; };
    // The lines of the listed documents: each header finds its lines by number.
    const auto lines = [](const QString& headers, const QString& lineTable, const QString& columns,
                          const QString& condition) {
        return QStringLiteral("select a.dh,b.autoid,%1 from %2 a cross join %3 b on b.dh=a.dh where %4")
            .arg(columns, headers, lineTable, condition);
    };

    const std::vector<std::pair<Case, const std::vector<Range>*>> cases = {
        {{QStringLiteral("PrepareBB_XSDJ (one document)"),
          [&](const Range&) { return ReportData{PrepareBB_XSDJ(*on, someSale, ForwardKind), {}}; },
          fixed({QStringLiteral("select * from Log_XiaoShou where dh=%1 order by autoid").arg(quoted(someSale))})},
         &undated},
        {{QStringLiteral("PrepareBB_CGDJ (one document)"),
          [&](const Range&) { return ReportData{PrepareBB_CGDJ(*on, somePurchase, ForwardKind), {}}; },
          fixed({QStringLiteral("select * from Log_CaiGou where dh=%1 order by autoid").arg(quoted(somePurchase))})},
         &undated},
        {{QStringLiteral("PrepareBB_CXXS (sales list + lines)"),
          [&](const Range& r) { return PrepareBB_CXXS(*on, QString(), ForwardKind, r.from, r.to); },
          fixed({QStringLiteral("select autoid,dh,in_date,shuliang,jinE,KeHu,yewuyuan,KeHuPhone,KeHuAddress,QK,Remark "
                                "from Log_XiaoShouDan a where %1 order by +autoid").arg(datedSales),
                 lines(QStringLiteral("Log_XiaoShouDan"), QStringLiteral("Log_XiaoShou"), QStringLiteral("b.*"), datedSales)})},
         &dated},
        {{QStringLiteral("PrepareBB_CXCG (purchase list + lines)"),
          [&](const Range& r) { return PrepareBB_CXCG(*on, ForwardKind, r.from, r.to); },
          fixed({QStringLiteral("select * from Log_CaiGouDan a where %1 order by +autoid").arg(datedSales),
                 lines(QStringLiteral("Log_CaiGouDan"), QStringLiteral("Log_CaiGou"), QStringLiteral("b.*"), datedSales)})},
         &dated},
        {{QStringLiteral("PrepareBB_CXKC (stock list)"),
          single([&](const Range&) { return PrepareBB_CXKC(*on, QString(), QString(), QString(), QString()); }),
          fixed({QStringLiteral("select PinPai,ChanPin,GuiGe,ShuLiang,PJCB,NewCB,pjcb*ShuLiang from Log_KuCun "
                                "order by PinPai%1,ChanPin%1,GuiGe%1").arg(order)})},
         &undated},
        {{QStringLiteral("PrepareBB_CXXSLR_XSD (profit by document + lines)"),
          [&](const Range& r) { return PrepareBB_CXXSLR_XSD(*on, r.from, r.to); },
          fixed({QStringLiteral("select a.dh,a.in_date,a.KeHu,a.yewuyuan,a.shuliang,"
                                "(select sum(b.cb*b.shuliang) from Log_XiaoShou b where b.dh=a.dh) as zcb,a.jinE "
                                "from Log_XiaoShouDan a where %1 order by +a.autoid").arg(datedSales),
                 lines(QStringLiteral("Log_XiaoShouDan"), QStringLiteral("Log_XiaoShou"),
                       QStringLiteral("b.PinPai,b.chanpin,b.guige,b.danjia,b.ShuLiang,b.cb*b.ShuLiang,b.jinE,"
                                      "b.jinE-b.cb*b.ShuLiang"),
                       datedSales)})},
         &dated},
        {{QStringLiteral("PrepareBB_CXXSLR_SP (profit by goods item)"),
          single([&](const Range& r) { return PrepareBB_CXXSLR_SP(*on, r.from, r.to); }),
          fixed({grouped(QStringLiteral("PinPai,chanpin,guige"), QString())})},
         &dated},
        {{QStringLiteral("PrepareBB_CXXSLR_PP (profit by brand, one product)"),
          single([&](const Range& r) { return PrepareBB_CXXSLR_PP(*on, chanpin, r.from, r.to); }),
          fixed({grouped(QStringLiteral("PinPai"), QStringLiteral(" and +chanpin=%1").arg(quoted(chanpin)))})},
         &dated},
        {{QStringLiteral("PrepareBB_CXXSLR_CP (profit by product, one brand)"),
          single([&](const Range& r) { return PrepareBB_CXXSLR_CP(*on, PinPai, r.from, r.to); }),
          [&](const Range& r) {
              return QStringList{longRange(r) ? goods(QStringLiteral("chanpin"), QStringLiteral(" and PinPai=%1").arg(quoted(PinPai)))
                                              : grouped(QStringLiteral("chanpin"), QStringLiteral(" and +PinPai=%1").arg(quoted(PinPai)))};
          }},
         &dated},
        {{QStringLiteral("PrepareBB_CXXSLR_GG (profit by spec, one brand and product)"),
          single([&](const Range& r) { return PrepareBB_CXXSLR_GG(*on, PinPai, chanpin, r.from, r.to); }),
          [&](const Range& r) {
              const QString brandAndProduct = QStringLiteral(" and %3PinPai=%1 and %3chanpin=%2")
                                                  .arg(quoted(PinPai), quoted(chanpin), longRange(r) ? QString() : QStringLiteral("+"));
              return QStringList{longRange(r) ? goods(QStringLiteral("guige"), brandAndProduct)
                                              : grouped(QStringLiteral("guige"), brandAndProduct)};
          }},
         &dated},
        {{QStringLiteral("PrepareBB_CXXSLR_KH (profit by customer)"),
          single([&](const Range& r) { return PrepareBB_CXXSLR_KH(*on, S("全部"), r.from, r.to); }),
          fixed({QStringLiteral("select a.KeHu,sum(b.shuliang),sum(b.CB*b.shuliang),sum(b.jinE),sum(b.jinE)-sum(b.CB*b.shuliang) "
                                "from Log_XiaoShouDan a left join Log_XiaoShou b on b.dh=a.dh where %1 "
                                "group by +a.KeHu order by a.KeHu%2").arg(datedSales, order)})},
         &dated},
        {{QStringLiteral("PrepareBB_YGYJ (employee performance)"),
          single([&](const Range& r) { return PrepareBB_YGYJ(*on, S("全部"), r.from, r.to); }),
          fixed({QStringLiteral("select a.yewuyuan,d.CPType,sum(b.shuliang),sum(b.CB*b.shuliang),sum(b.jinE),"
                                "sum(b.jinE)-sum(b.CB*b.shuliang) from Log_XiaoShouDan a left join Log_XiaoShou b on b.dh=a.dh "
                                "left join Base_ChanPin d on b.PinPai=d.PinPai and b.chanpin=d.ChanPin where %1 "
                                "group by +a.yewuyuan,+d.CPType order by a.yewuyuan%2,d.CPType%2").arg(datedSales, order)})},
         &dated},
        {{QStringLiteral("PrepareBB_XSYSK (receivables + lines)"),
          [&](const Range&) { return PrepareBB_XSYSK(*on, S("所有")); },
          fixed({QStringLiteral("select * from Log_XiaoShouDan a where a.QK<>0 order by +autoid"),
                 lines(QStringLiteral("Log_XiaoShouDan"), QStringLiteral("Log_XiaoShou"),
                       QStringLiteral("b.PinPai,b.chanpin,b.guige,b.danjia,b.ShuLiang,b.jinE"), QStringLiteral("a.QK<>0"))})},
         &undated},
        {{QStringLiteral("PrepareBB_CGYFK (payables + lines)"),
          [&](const Range&) { return PrepareBB_CGYFK(*on, S("所有")); },
          fixed({QStringLiteral("select * from Log_CaiGouDan a where a.QK<>0 order by +autoid"),
                 lines(QStringLiteral("Log_CaiGouDan"), QStringLiteral("Log_CaiGou"),
                       QStringLiteral("b.PinPai,b.chanpin,b.guige,b.danjia,b.ShuLiang,b.jinE"), QStringLiteral("a.QK<>0"))})},
         &undated},
    };

    std::printf("Ten-year file %s, today %s%s\n\n", qPrintable(path), qPrintable(SqlDate(today)),
                serverUri.isEmpty() ? "" : qPrintable(QStringLiteral("; server ") + serverUri));
    std::printf("| routine | range | rows | project ms | raw SQLite ms | ratio | server ms (wall) |\n"
                "| --- | --- | ---: | ---: | ---: | ---: | ---: |\n");
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    for (const auto& [c, ranges] : cases)
        for (const Range& r : *ranges) {
            if (!c.routine.contains(only))
                continue;
            long long projectRows = 0, rawRows = 0, serverRows = 0;
            on = &db;
            const double project = Time([&] { return Consume(c.project(r)); }, projectRows);
            // On a server the work is the server's process's too: timed by the clock on the wall.
            double onServer = -1;
            if (server.isOpen()) {
                on = &server;
                onServer = BestWallTime([&] { return Consume(c.project(r)); }, serverRows, 2000);
            }
            const double raw = Time(
                [&] {
                    long long n = 0;
                    for (const QString& sql : c.raw(r))
                        n += RunRaw(h, sql, r);
                    return n;
                },
                rawRows);
            QString serverCell = QStringLiteral("-");
            if (onServer >= 0)
                serverCell = QString::number(onServer, 'f', 1)
                    + (serverRows == projectRows ? QString() : QStringLiteral(" (rows %1)").arg(serverRows));
            std::printf("| %s | %s | %lld%s | %.1f | %.1f | %.2f | %s |\n", qPrintable(c.routine), r.name, projectRows,
                        projectRows == rawRows ? "" : qPrintable(QStringLiteral(" (raw %1)").arg(rawRows)), project, raw,
                        project / std::max(raw, 0.001), qPrintable(serverCell));
            std::fflush(stdout);
        }
    return 0;
}
