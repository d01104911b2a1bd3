// Saving and deleting a 20-line sales document and a 20-line purchase document on a database
// that already holds 100,000 documents, or on a copy of the ten-year shop when $QL_BENCH_DB names
// its file (bench/run-all).

#include "Database.h"
#include "DocNumbers.h"
#include "DocumentStore.h"
#include "Schema.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Goods = 200;

struct GoodsKey {
    QString PinPai, chanpin, guige;
};
QVector<GoodsKey> Keys;

QString Brand(int i) { return QStringLiteral("品牌%1").arg(i % 10); }
QString Product(int i) { return QStringLiteral("产品%1").arg(i % 40); }
QString Spec(int i) { return QStringLiteral("型号-%1").arg(i); }

GoodsKey Key(int g)
{
    return Keys.isEmpty() ? GoodsKey{Brand(g), Product(g), Spec(g)} : Keys[g % Keys.size()];
}

QVector<TShangPinItem> Lines(int first, int count)
{
    QVector<TShangPinItem> lines;
    for (int i = 0; i < count; ++i) {
        TShangPinItem it;
        const GoodsKey key = Key((first + i) % Goods);
        it.PinPai = key.PinPai;
        it.chanpin = key.chanpin;
        it.guige = key.guige;
        it.shuliang = 1 + i % 3;
        it.danjia = 1999.5_yuan;
        it.jinE = it.danjia * it.shuliang;
        lines.append(it);
    }
    return lines;
}

// One database for every benchmark: 200 goods items and 50,000 sales plus 50,000 purchase
// documents of three lines each, spread over four years.
Database& Fixture()
{
    static QTemporaryDir dir;
    static Database db(QStringLiteral("bench"));
    if (db.isOpen())
        return db;
    const QString shop = qEnvironmentVariable("QL_BENCH_DB");
    if (!shop.isEmpty()) {
        // A copy, as saving and deleting may move average costs by rounding.
        QFile::copy(shop, dir.filePath(QStringLiteral("db.data")));
        db.open(dir.filePath(QStringLiteral("db.data")));
        QSqlQuery q = db.exec(QStringLiteral("select PinPai,ChanPin,GuiGe from Log_KuCun order by ShuLiang desc limit %1").arg(Goods));
        while (q.next())
            Keys.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
        return db;
    }
    db.open(dir.filePath(QStringLiteral("db.data")));
    CreateSchema(db);
    Transaction t(db);
    for (int g = 0; g < Goods; ++g)
        db.exec(QStringLiteral("insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang,PJCB) values(:p,:c,:g,1000000,1500)"),
                {{QStringLiteral(":p"), Brand(g)}, {QStringLiteral(":c"), Product(g)}, {QStringLiteral(":g"), Spec(g)}});
    const QDate start(2021, 1, 1);
    for (int i = 0; i < 50000; ++i) {
        const QDate day = start.addDays(i / 35);
        const int seq = i % 35 + 1;
        TXiaoShouDan s;
        s.dh = QStringLiteral("xs%1%2").arg(day.toString(QStringLiteral("yyMMdd"))).arg(seq, 3, 10, QLatin1Char('0'));
        s.in_date = day;
        s.KeHu = QStringLiteral("客户%1").arg(i % 300);
        SaveXiaoShouDocument(db, s, Lines(i, 3), ForwardKind);
        TCaiGouDan c;
        c.dh = QStringLiteral("cg%1%2").arg(day.toString(QStringLiteral("yyMMdd"))).arg(seq, 3, 10, QLatin1Char('0'));
        c.in_date = day;
        c.GYS = QStringLiteral("供应商%1").arg(i % 30);
        SaveCaiGouDocument(db, c, Lines(i, 3), ForwardKind);
    }
    t.commit();
    return db;
}

void BM_SaveDeleteSales20(benchmark::State& state)
{
    Database& db = Fixture();
    const QDate day(2026, 12, 10);
    for (auto _ : state) {
        TXiaoShouDan d;
        d.dh = NextXiaoShouDH(db, QStringLiteral("xs"), day);
        d.in_date = day;
        SaveXiaoShouDocument(db, d, Lines(0, 20), ForwardKind);
        DeleteXiaoShouDocument(db, d.dh);
    }
}
BENCHMARK(BM_SaveDeleteSales20)->Unit(benchmark::kMillisecond);

void BM_SaveDeletePurchase20(benchmark::State& state)
{
    Database& db = Fixture();
    const QDate day(2026, 12, 10);
    for (auto _ : state) {
        TCaiGouDan d;
        d.dh = NextCaiGouDH(db, QStringLiteral("cg"), day);
        d.in_date = day;
        SaveCaiGouDocument(db, d, Lines(0, 20), ForwardKind);
        DeleteCaiGouDocument(db, d.dh);
    }
}
BENCHMARK(BM_SaveDeletePurchase20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
