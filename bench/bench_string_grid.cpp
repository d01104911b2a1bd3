// Filling the list grid with 100,000 rows of 10 text columns, as a query window does with a
// large result: the rows are built as they are read and handed to the grid at once.
// Reports the time per fill and the memory the filled grid holds (resident set growth).

#include "StringGrid.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

constexpr int Rows = 100'000;
constexpr int Cols = 10;

// Resident memory of this process in bytes.
double ResidentBytes()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) : 0;
}

QVector<QStringList> MakeRows()
{
    QVector<QStringList> rows;
    rows.reserve(Rows);
    for (int r = 0; r < Rows; ++r) {
        QStringList row;
        row.reserve(Cols);
        row << QStringLiteral("xs240501%1").arg(r % 1000, 3, 10, QLatin1Char('0'))
            << QStringLiteral("2024-05-%1").arg(1 + r % 28, 2, 10, QLatin1Char('0'))
            << QStringLiteral("客户%1").arg(r % 500) << QStringLiteral("品牌%1").arg(r % 20)
            << QStringLiteral("产品%1").arg(r % 60) << QStringLiteral("型号-%1").arg(r % 900)
            << QString::number(1 + r % 9) << QString::number(1999.5 + r % 100)
            << QString::number((1 + r % 9) * (1999.5 + r % 100)) << QStringLiteral("业务员%1").arg(r % 12);
        rows.append(std::move(row));
    }
    return rows;
}

void BM_FillStringGrid(benchmark::State& state)
{
    StringGrid grid;
    grid.setColCount(Cols + 1);
    grid.setHeader({QString(), "单号", "日期", "客户", "品牌", "产品", "型号", "数量", "单价", "金额", "业务员"});
    grid.resize(1000, 600);
    grid.show();
    double memory = 0;
    int filled = 0;
    for (auto _ : state) {
        const double before = ResidentBytes();
        grid.setDataRows(MakeRows());
        grid.setRow(grid.rowCount() - 1);
        QCoreApplication::processEvents();
        memory = std::max(memory, ResidentBytes() - before);  // freed memory may stay with the process
        state.PauseTiming();
        filled = grid.rowCount() - 1;
        ClearGrid(grid);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["grid_MB"] = memory / (1024.0 * 1024.0);
    state.counters["rows"] = filled;
}
BENCHMARK(BM_FillStringGrid)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
