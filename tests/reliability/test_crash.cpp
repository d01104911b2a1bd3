// Kills a process in the middle of the shop's stream of operations, again and again, and
// reopens the database (the file, or the one on the tests' server) each time: the engine finds it
// intact, the check finds nothing, and it holds exactly the operations that finished (the one
// running at the kill either whole or not at all).
// QL_CRASH_KILLS sets the number of kills and QL_CRASH_SEED the stream (bench/reliability).

#include "Database.h"
#include "ModelShop.h"
#include "Schema.h"
#include "TestServer.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <chrono>
#include <random>
#include <thread>

namespace {

int EnvOr(const char* name, int fallback)
{
    const int value = qEnvironmentVariableIntValue(name);
    return value > 0 ? value : fallback;
}

// On a server, the killed process's server session ends when the server finds its connection gone,
// committing or rolling back what it was sending; what it left is read once it has gone.
void WaitForKilledSession(Database& db)
{
    if (db.engine() == Engine::Sqlite)
        return;
    QDeadlineTimer deadline(10000);
    while (db.scalar(QStringLiteral("select count(*) from pg_stat_activity "
                                    "where datname=current_database() and pid<>pg_backend_pid()"))
               .toInt()
           > 0) {
        QVERIFY2(!deadline.hasExpired(), "the killed session stays on the server");
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace

class TestCrash : public QObject {
    Q_OBJECT
private slots:
    void killedAtRandom()
    {
        const int kills = EnvOr("QL_CRASH_KILLS", 24);
        const auto seed = quint32(EnvOr("QL_CRASH_SEED", 7));
        QTemporaryDir dir;
        std::optional<ServerDatabase> server;
        DatabaseTarget target = DatabaseTarget::file(dir.filePath(QStringLiteral("shop.data")));
        if (const auto s = TestServer()) {
            server.emplace(*s);
            target = server->target;
        }
        const QString where = target.engine == Engine::Sqlite ? target.path : target.uri();
        {
            Database db(QUuid::createUuid().toString());
            db.open(target);
            CreateSchema(db);
            ModelShop(seed).open(&db);
        }
        ModelShop model(seed);
        model.open(nullptr);
        std::mt19937 rng(seed);
        int inFlight = 0;  // kills after which the running operation was found done
        for (int kill = 1; kill <= kills; ++kill) {
            QProcess child;
            child.start(QStringLiteral(CRASH_CHILD), {where, QString::number(seed), QString::number(model.done())});
            QVERIFY(child.waitForStarted());
            QByteArray out;
            while (!out.contains("ready\n")) {
                QVERIFY2(child.waitForReadyRead(10000), child.readAllStandardError().constData());
                out += child.readAllStandardOutput();
            }
            std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 100000)(rng)));
            child.kill();
            QVERIFY(child.waitForFinished(10000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
            out += child.readAllStandardOutput();
            // The last whole line is the number of operations known to be done.
            const QList<QByteArray> lines = out.left(out.lastIndexOf('\n')).split('\n');
            const int reported = lines.last() == "ready" ? model.done() : lines.last().toInt();
            while (model.done() < reported)
                model.next(nullptr);

            Database db(QUuid::createUuid().toString());
            db.open(target);
            WaitForKilledSession(db);
            if (QTest::currentTestFailed())
                return;
            const QString when = QStringLiteral("kill %1 after operation %2").arg(kill).arg(reported);
            QStringList diffs = model.compare(db);
            if (!diffs.isEmpty()) {
                const QString running = model.next(nullptr).what;
                diffs = model.compare(db);
                QVERIFY2(diffs.isEmpty(), qPrintable(when + " in " + running + u'\n' + diffs.join(u'\n')));
                ++inFlight;
            }
            const QStringList faults = model.checkDatabase(db);
            QVERIFY2(faults.isEmpty(), qPrintable(when + u'\n' + faults.join(u'\n')));
        }
        qInfo("%d kills survived over %d operations; %d times the running operation had finished", kills,
              model.done(), inFlight);
    }
};

QTEST_GUILESS_MAIN(TestCrash)
#include "test_crash.moc"
