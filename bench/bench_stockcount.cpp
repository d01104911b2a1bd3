// Stock-taking at scanner speed on the ten-year shop (its 4,800 goods items): the time of one scan
// (a model number and Enter) in the stock-taking window, and of the count's statement alone,
// beside raw SQLite running the same statement through its C interface on the same file. A
// scanner sends a code every 50 ms or so: that is the budget of a scan. Then the posting of the
// whole count. Each figure is per scan over every goods item counted once.
// Usage: bench_stockcount [FILE]   (else $QL_BENCH_DB)

#include "AppContext.h"
#include "Database.h"
#include "StockCount.h"
#include "StockCountForm.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <sqlite3.h>

namespace {

double PerScanMs(const QElapsedTimer& t, qsizetype scans)
{
    return double(t.nsecsElapsed()) / 1e6 / double(scans);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString shop = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("QL_BENCH_DB");
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("Data")));
    const QString path = dir.filePath(QStringLiteral("Data/db.data"));
    if (shop.isEmpty() || !QFile::copy(shop, path)) {
        std::fprintf(stderr, "give the ten-year shop as argument or in QL_BENCH_DB (bench/run-all writes it)\n");
        return 2;
    }
    RecordingPrompts prompts;
    AppContext ctx(dir.path() + u'/');
    ctx.prompts = &prompts;
    if (!ctx.InitSystem()) {
        std::fprintf(stderr, "cannot open the database\n");
        return 1;
    }
    Database& db = ctx.db();
    QVector<GoodsKey> goods;
    for (QSqlQuery q = db.exec(QStringLiteral("select PinPai,ChanPin,GuiGe from Log_KuCun order by autoid")); q.next();)
        goods.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
    std::printf("%s: %lld goods items, each counted once per figure\n", qPrintable(shop), qlonglong(goods.size()));
    std::printf("| step | scans | ms per scan | raw SQLite ms per scan | ratio | budget |\n| --- | ---: | ---: | ---: | ---: | ---: |\n");

    // Raw: the same statement prepared once and run per scan in its own transaction, as the
    // window's connection runs it.
    const auto raw = [&] {
        sqlite3* h = nullptr;
        sqlite3_open_v2(path.toUtf8().constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(h,
                           "insert into Log_PanDian(PinPai,ChanPin,GuiGe,ShuLiang,ZhangMian) "
                           "select PinPai,ChanPin,GuiGe,?4,ShuLiang from Log_KuCun "
                           "where PinPai=?1 and ChanPin=?2 and GuiGe=?3 "
                           "on conflict(PinPai,ChanPin,GuiGe) do update set ShuLiang=Log_PanDian.ShuLiang+excluded.ShuLiang "
                           "returning ShuLiang,ZhangMian",
                           -1, &s, nullptr);
        QElapsedTimer t;
        t.start();
        long long sum = 0;
        for (const GoodsKey& g : goods) {
            const QByteArray p = g.PinPai.toUtf8(), c = g.ChanPin.toUtf8(), s3 = g.GuiGe.toUtf8();
            sqlite3_bind_text(s, 1, p.constData(), int(p.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 2, c.constData(), int(c.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 3, s3.constData(), int(s3.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int(s, 4, 1);
            while (sqlite3_step(s) == SQLITE_ROW)
                sum += sqlite3_column_int(s, 0) + sqlite3_column_int(s, 1);
            sqlite3_reset(s);
        }
        const double ms = PerScanMs(t, goods.size());
        sqlite3_finalize(s);
        sqlite3_close(h);
        DiscardStockCount(db);
        return ms;
    };

    const double rawMs = raw();
    QElapsedTimer t;
    t.start();
    for (const GoodsKey& g : goods)
        CountGoods(db, g, 1, CountEntry::Add);
    const double routineMs = PerScanMs(t, goods.size());
    DiscardStockCount(db);
    std::printf("| CountGoods (the count's statement) | %lld | %.3f | %.3f | %.2f | 50 |\n", qlonglong(goods.size()),
                routineMs, rawMs, routineMs / rawMs);

    double windowMs = 0;
    {
        TStockCountForm form(ctx);
        form.show();
        QCoreApplication::processEvents();
        const double rawNow = raw();
        t.restart();
        for (const GoodsKey& g : goods) {
            QTest::keyClicks(form.codeEdit, g.GuiGe);
            QTest::keyClick(form.codeEdit, Qt::Key_Return);
        }
        windowMs = PerScanMs(t, goods.size());
        std::printf("| a scan in the window (code keys, Enter, list updated) | %lld | %.3f | %.3f | %.2f | 50 |\n",
                    qlonglong(goods.size()), windowMs, rawNow, windowMs / rawNow);
    }
    t.restart();
    const int changed = PostStockCount(db);
    std::printf("| posting the count (%d goods items changed), whole | 1 | %.1f ms | | | |\n", changed,
                double(t.nsecsElapsed()) / 1e6);
    return 0;
}
