// What the connection check costs on the ten-year shop named by $QL_BENCH_DB (bench/run-all
// writes it): the page walk of InspectDatabase against SQLite's quick_check, each on a warm cache
// (the file read once before), the time per run printed by the benchmark library.

#include "Database.h"
#include "Schema.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

QString Shop;

void BM_CheckDatabase(benchmark::State& state)
{
    Database db(QStringLiteral("check"));
    db.open(Shop);
    for (auto _ : state)
        if (InspectDatabase(db) != DatabaseState::Usable)
            state.SkipWithError("the shop is not usable");
}
BENCHMARK(BM_CheckDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_QuickCheck(benchmark::State& state)
{
    Database db(QStringLiteral("quick"));
    db.open(Shop);
    for (auto _ : state)
        benchmark::DoNotOptimize(db.scalar(QStringLiteral("PRAGMA quick_check")).toString());
}
BENCHMARK(BM_QuickCheck)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Shop = qEnvironmentVariable("QL_BENCH_DB");
    if (Shop.isEmpty()) {
        std::fprintf(stderr, "set QL_BENCH_DB to the ten-year shop (bench/run-all writes it)\n");
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
