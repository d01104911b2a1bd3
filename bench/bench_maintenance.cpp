// Monthly closing, clearing a month and a backup of the whole file on the ten-year shop named by
// $QL_BENCH_DB (bench/run-all). Closing and clearing run inside a transaction that is rolled back
// after each run, so the file is left as it was.

#include "BackupStore.h"
#include "ClearDataStore.h"
#include "Database.h"
#include "JieQunStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<Database> Shop;
const QString Month = QStringLiteral("202506");

void CloseMonth(benchmark::State& state)
{
    for (auto _ : state) {
        Transaction undo(*Shop);
        ReMakeJieQun(*Shop, Month);
    }
}

void ClearMonth(benchmark::State& state)
{
    int documents = 0;
    for (auto _ : state) {
        Transaction undo(*Shop);
        state.PauseTiming();
        ReMakeJieQun(*Shop, QStringLiteral("202406"));
        documents = Shop->scalar(QStringLiteral("select count(*) from Log_XiaoShouDan where in_date like '2024-06%'")).toInt();
        state.ResumeTiming();
        ClearMonthData(*Shop, QStringLiteral("202406"));
    }
    state.counters["sales documents"] = documents;
}

void BackupWholeFile(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state)
        BackupDatabase(*Shop, dir.filePath(QStringLiteral("DBBack.data")));
    state.counters["MB"] = double(QFile(Shop->path()).size()) / 1e6;
}

BENCHMARK(CloseMonth)->Name("close a month again (June 2025)")->Unit(benchmark::kMillisecond);
BENCHMARK(ClearMonth)->Name("clear a month (June 2024)")->Unit(benchmark::kMillisecond);
BENCHMARK(BackupWholeFile)->Name("backup of the whole file")->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString shop = qEnvironmentVariable("QL_BENCH_DB");
    if (shop.isEmpty() || !QFile::exists(shop)) {
        std::fprintf(stderr, "set QL_BENCH_DB to the ten-year shop (bench/run-all writes it)\n");
        return 2;
    }
    Shop = std::make_unique<Database>();
    Shop->open(shop);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    Shop.reset();
    return 0;
}
