// What the connection check costs on the ten-year shop named by $QL_BENCH_DB (bench/run-all
// writes it): the page walk of InspectDatabase against SQLite's quick_check and the full
// integrity check (which a file of an older version gets before its upgrade), each on a warm
// cache (the file read once before), the time per run printed by the benchmark library.

#include "Database.h"
#include "Schema.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

QString Shop;

void BM_InspectDatabase(benchmark::State& state)
{
    Database db(QStringLiteral("check"));
    db.open(Shop);
    for (auto _ : state)
        if (InspectDatabase(db) != DatabaseState::Usable)
            state.SkipWithError("the shop is not usable");
}
BENCHMARK(BM_InspectDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);

void Pragma(benchmark::State& state, const char* pragma)
{
    Database db(QString::fromLatin1(pragma));
    db.open(Shop);
    for (auto _ : state)
        if (db.scalar(QStringLiteral("PRAGMA %1").arg(QLatin1String(pragma))).toString() != u"ok")
            state.SkipWithError("the shop is damaged");
}
BENCHMARK_CAPTURE(Pragma, quick_check, "quick_check")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Pragma, integrity_check, "integrity_check(1)")->Unit(benchmark::kMillisecond)->Iterations(3);

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
