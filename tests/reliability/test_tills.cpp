// Eight counters on one shop at once (tests/reliability/Till.cpp), on the SQLite file and on the
// server (test_tills_pg): afterwards no number is used twice and a day's numbers follow each
// other, stock is opening plus purchases less sales, every amount owed is the document's amount
// less its receipts, the database check is clean, the moving average cost is that of the same
// documents replayed in the order they were saved, and no counter failed because of another.
// One counter is killed in the middle of its work: nothing of the others is lost.

#include "CheckStore.h"
#include "Ledger.h"
#include "TestDb.h"

#include <QProcess>
#include <QTest>
#include <csignal>
#include <memory>

namespace {

const QString Goods[] = {QStringLiteral("G1"), QStringLiteral("G2"), QStringLiteral("G3")};
constexpr int Opening = 40;
constexpr double OpeningCost = 100;

// Records the order in which document lines reach the database. The lines of one goods item are
// written while its stock row is locked, so their order here is the order their documents were
// saved in.
void RecordLineOrder(Database& db)
{
    if (db.engine() == Engine::Sqlite) {
        db.exec(QStringLiteral("create table Till_Order(autoid integer primary key autoincrement, tbl text, line integer)"));
        for (const char* table : {"Log_CaiGou", "Log_XiaoShou"})
            db.exec(QStringLiteral("create trigger order_%1 after insert on %1 begin "
                                   "insert into Till_Order(tbl, line) values('%1', new.autoid); end")
                        .arg(QLatin1String(table)));
        return;
    }
    db.exec(QStringLiteral("create table Till_Order(autoid integer generated always as identity primary key, tbl text, line integer)"));
    db.exec(QStringLiteral("create function order_line() returns trigger language plpgsql as "
                           "$$ begin insert into Till_Order(tbl, line) values(TG_TABLE_NAME, new.autoid); return new; end $$"));
    for (const char* table : {"Log_CaiGou", "Log_XiaoShou"})
        db.exec(QStringLiteral("create trigger order_%1 after insert on %1 for each row execute function order_line()")
                    .arg(QLatin1String(table)));
}

QString TargetText(TestDb& t)
{
    return t.server ? t.server->target.uri() : t.db.path();
}

}  // namespace

class TestTills : public QObject {
    Q_OBJECT

private slots:
    void eightTillsAtOnce()
    {
        TestDb t;
        for (const QString& g : Goods)
            t.addGoods(QStringLiteral("北辰"), QStringLiteral("冰箱"), g, Opening, OpeningCost);
        RecordLineOrder(t.db);
        const QString target = TargetText(t);
        t.db.close();

        std::vector<std::unique_ptr<QProcess>> tills;
        for (int i = 0; i < 8; ++i) {
            tills.push_back(std::make_unique<QProcess>());
            tills.back()->start(QStringLiteral(TILL), {target, QStringLiteral("3"), QString::number(1000 + i)});
            QVERIFY2(tills.back()->waitForStarted(), qPrintable(tills.back()->errorString()));
        }
        QTest::qWait(1200);
        ::kill(pid_t(tills[0]->processId()), SIGKILL);
        int sales = 0;
        for (int i = 0; i < 8; ++i) {
            QVERIFY(tills[i]->waitForFinished(60000));
            if (i == 0)
                continue;
            const QString err = QString::fromUtf8(tills[i]->readAllStandardError());
            QVERIFY2(tills[i]->exitCode() == 0 && err.isEmpty(), qPrintable(err));
            sales += QString::fromUtf8(tills[i]->readLine()).section(u' ', 1, 1).toInt();
        }
        QVERIFY2(sales > 0, "the counters saved no sale");

        t.db.open(t.server ? t.server->target : DatabaseTarget::file(target));
        for (const char* table : {"Log_XiaoShouDan", "Log_CaiGouDan"}) {
            // Each day's numbers of a prefix run 001, 002, ... without a gap or a repeat.
            QSqlQuery q = t.db.exec(QStringLiteral("select substr(dh,1,8), count(*), count(distinct dh), "
                                                   "max(cast(substr(dh,9,3) as integer)) from %1 group by substr(dh,1,8)")
                                        .arg(QLatin1String(table)));
            while (q.next()) {
                QCOMPARE(q.value(2).toInt(), q.value(1).toInt());
                QCOMPARE(q.value(3).toInt(), q.value(1).toInt());
            }
        }
        QCOMPARE(CheckDatabase(t.db), QStringList());
        QCOMPARE(t.db.scalar(QStringLiteral("select count(*) from Log_XiaoShouDan h where abs(CJ - coalesce("
                                            "(select sum(JinE) from Log_SKGuoCheng s where s.DH=h.dh),0)) > 0.001"))
                     .toInt(),
                 0);

        // The moving average replayed line by line in the order the lines were saved.
        for (const QString& g : Goods) {
            int n = Opening;
            Money average = Money::fromYuan(OpeningCost);
            QSqlQuery q = t.db.exec(QStringLiteral(
                                        "select o.tbl, c.shuliang, c.danjia, s.shuliang, s.CB from Till_Order o "
                                        "left join Log_CaiGou c on lower(o.tbl)='log_caigou' and c.autoid=o.line "
                                        "left join Log_XiaoShou s on lower(o.tbl)='log_xiaoshou' and s.autoid=o.line "
                                        "where coalesce(c.guige, s.guige)=:g order by o.autoid"),
                                    {{QStringLiteral(":g"), g}});
            while (q.next()) {
                if (q.value(0).toString().compare(QLatin1String("Log_CaiGou"), Qt::CaseInsensitive) == 0) {
                    const int quantity = q.value(1).toInt();
                    const int m = n + quantity;
                    if (m != 0)
                        average = (average * n + Money::fromYuan(q.value(2).toDouble()) * quantity).dividedBy(m);
                    n = m;
                } else {
                    QCOMPARE(Money::fromYuan(q.value(4).toDouble()), average);
                    n -= q.value(3).toInt();
                }
            }
            QCOMPARE(GetKuCunShuLiang(t.db, QStringLiteral("北辰"), QStringLiteral("冰箱"), g), n);
            QCOMPARE(GetPJCB(t.db, QStringLiteral("北辰"), QStringLiteral("冰箱"), g), average);
        }
    }
};

QTEST_GUILESS_MAIN(TestTills)
#include "test_tills.moc"
