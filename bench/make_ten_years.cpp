// Writes the ten-year shop database (TenYearShop.h) to the path given as the argument, or to
// $QL_BENCH_DB. The file is built beside its final name and moved into place when complete.

#include "Database.h"
#include "Schema.h"
#include "TenYearShop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("QL_BENCH_DB");
    if (path.isEmpty()) {
        std::fprintf(stderr, "usage: make_ten_years FILE (or set QL_BENCH_DB)\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    try {
        Database db(QStringLiteral("tenyears"));
        db.open(temp);
        db.exec(QStringLiteral("PRAGMA journal_mode=OFF"));
        db.exec(QStringLiteral("PRAGMA synchronous=OFF"));
        CreateSchema(db);
        InsertBuiltInAdministrator(db);
        WriteShop(db, TenYearShop());
        for (const char* table : {"Log_XiaoShouDan", "Log_XiaoShou", "Log_CaiGouDan", "Log_CaiGou", "Log_KuCun",
                                  "Base_KeHu", "Base_GongYingShang", "Base_YeYuYuan", "Log_ShouZhi",
                                  "Log_SKGuoCheng", "Log_FKGuoCheng", "Log_JieQun"})
            std::printf("%-20s %8d\n", table,
                        db.scalar(QStringLiteral("select count(*) from ") + QLatin1String(table)).toInt());
        std::printf("%-20s %8d\n", "open sales docs",
                    db.scalar(QStringLiteral("select count(*) from Log_XiaoShouDan where QK<>0")).toInt());
        std::printf("%-20s %8d\n", "open purchase docs",
                    db.scalar(QStringLiteral("select count(*) from Log_CaiGouDan where QK<>0")).toInt());
        std::printf("%-20s %8d\n", "sales returns",
                    db.scalar(QStringLiteral("select count(*) from Log_XiaoShouDan where dh like 'xt%'")).toInt());
        db.close();
    } catch (const DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        QFile::remove(temp);
        return 1;
    }
    QFile::remove(path);
    if (!QFile::rename(temp, path)) {
        std::fprintf(stderr, "cannot move %s into place\n", qPrintable(temp));
        return 1;
    }
    std::printf("written %s in %.1f s\n", qPrintable(path), timer.elapsed() / 1000.0);
    return 0;
}
