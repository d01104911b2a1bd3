// The sales profit window on the ten-year shop named by $QL_BENCH_DB (bench/run-all): opening it
// on its default view (the documents of the shop's last month, December 2025, as a window
// remembering that month opens), refreshing each page for that month, and the trend page over a
// year and over all ten. Nothing is written to the shop, so the file is used as it is.

#include "CX_XSLRForm.h"
#include "OpenAndCount.h"
#include "OpenTenYearShop.h"

#include <QApplication>
#include <QDateEdit>
#include <QTabWidget>
#include <benchmark/benchmark.h>

namespace {

AppContext* Context = nullptr;  // the ten-year shop, opened by main
const QDate LastMonth(2025, 12, 1);
const QDate LastDay(2025, 12, 31);

void Open(benchmark::State& state)
{
    OpenAndCount<TCX_XSLRForm, &TCX_XSLRForm::documentGrid>(state, *Context, "documents");
}

// One page listed again for a range: state.range(0) is the page, state.range(1) the first year.
void Refresh(benchmark::State& state)
{
    TCX_XSLRForm form(*Context);
    form.fromDate->setDate(state.range(1) ? QDate(int(state.range(1)), 1, 1) : LastMonth);
    form.pageTabs->setCurrentIndex(int(state.range(0)));
    for (auto _ : state)
        form.RefreshPage();
}

BENCHMARK(Open)->Name("open on December 2025 by document")->Unit(benchmark::kMillisecond);
BENCHMARK(Refresh)
    ->ArgNames({"page", "from"})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({3, 0})
    ->Args({4, 0})
    ->Args({5, 0})
    ->Args({6, 0})
    ->Args({0, 2025})
    ->Args({1, 2025})
    ->Args({2, 2025})
    ->Args({3, 2025})
    ->Args({4, 2025})
    ->Args({5, 2025})
    ->Args({6, 2025})
    ->Args({6, 2016})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto shop = OpenTenYearShop();
    if (!shop)
        return 2;
    Context = shop->context.get();
    {
        // The window remembers the shop's last month, as after listing it once.
        TCX_XSLRForm form(*Context);
        form.fromDate->setDate(LastMonth);
        form.toDate->setDate(LastDay);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
