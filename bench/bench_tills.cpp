// Counters saving at once: 1, 2, 4 and 8 Till processes (tests/reliability/Till.cpp) on one shop,
// first on a SQLite file, then on a PostgreSQL server; committed sales per second and the 95th
// percentile of every save's time, one fresh shop per run.
//   bench_tills SECONDS [SERVER-URI]   SERVER-URI: the maintenance database of a server where
//                                      this user may create databases (bench/run-tills starts one)

#include "Database.h"
#include "Ledger.h"
#include "Schema.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUuid>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A shop of three goods items with stock enough that no sale is refused.
void MakeShop(const DatabaseTarget& target)
{
    Database db(QStringLiteral("bench-shop"));
    db.open(target);
    CreateSchema(db);
    for (const char* g : {"G1", "G2", "G3"})
        db.exec(QStringLiteral("insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang,PJCB,QCShuLiang) "
                               "values('北辰','冰箱',:g,1000000,100,1000000)"),
                {{QStringLiteral(":g"), QString::fromLatin1(g)}});
}

struct Result {
    double salesPerSecond = 0;
    double p95Ms = 0;
    int failed = 0;
};

Result Run(const QString& database, int tills, double seconds)
{
    std::vector<std::unique_ptr<QProcess>> running;
    for (int i = 0; i < tills; ++i) {
        running.push_back(std::make_unique<QProcess>());
        running.back()->start(QStringLiteral(TILL), {database, QString::number(seconds), QString::number(i + 1)});
    }
    Result r;
    qint64 sales = 0;
    std::vector<qint64> times;
    for (auto& p : running) {
        p->waitForFinished(-1);
        if (p->exitCode() != 0) {
            ++r.failed;
            QTextStream(stderr) << p->readAllStandardError();
            continue;
        }
        sales += QString::fromUtf8(p->readLine()).section(u' ', 1, 1).toLongLong();
        for (const QByteArray& t : p->readLine().trimmed().split(' '))
            if (!t.isEmpty())
                times.push_back(t.toLongLong());
    }
    r.salesPerSecond = double(sales) / seconds;
    if (!times.empty()) {
        std::sort(times.begin(), times.end());
        r.p95Ms = double(times[size_t(double(times.size() - 1) * 0.95)]) / 1000.0;
    }
    return r;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const double seconds = args.value(1, QStringLiteral("10")).toDouble();
    const QString server = args.value(2);
    out << "engine      tills  sales/s   p95 save (ms)  failed tills\n";
    for (const bool onServer : {false, true}) {
        if (onServer && server.isEmpty())
            break;
        for (int tills : {1, 2, 4, 8}) {
            QTemporaryDir dir;
            QString database;
            QString name;
            if (onServer) {
                const DatabaseTarget admin = DatabaseTarget::server(server);
                name = QStringLiteral("bench_") + QUuid::createUuid().toString(QUuid::Id128);
                {
                    Database db(QStringLiteral("bench-admin"));
                    db.open(admin);
                    db.exec(QStringLiteral("create database ") + name);
                }
                DatabaseTarget target = admin;
                target.name = name;
                MakeShop(target);
                database = target.uri();
            } else {
                database = dir.filePath(QStringLiteral("db.data"));
                MakeShop(DatabaseTarget::file(database));
            }
            const Result r = Run(database, tills, seconds);
            out << QStringLiteral("%1 %2 %3 %4 %5\n")
                       .arg(onServer ? QStringLiteral("postgresql") : QStringLiteral("sqlite"), -10)
                       .arg(tills, 6)
                       .arg(r.salesPerSecond, 8, 'f', 1)
                       .arg(r.p95Ms, 15, 'f', 1)
                       .arg(r.failed, 13);
            out.flush();
            if (onServer) {
                Database db(QStringLiteral("bench-admin"));
                db.open(DatabaseTarget::server(server));
                db.exec(QStringLiteral("drop database %1 with (force)").arg(name));
            }
        }
    }
    return 0;
}
