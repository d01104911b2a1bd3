// Opening the receivables and payables windows, and choosing a customer (supplier), on the
// ten-year shop named by $QL_BENCH_DB (bench/run-all): every open document listed with its
// totals and the lines of the first. Nothing is written, so the file is used as it is.

#include "AccountsForm.h"
#include "OpenAndCount.h"
#include "OpenTenYearShop.h"
#include "StringGrid.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

AppContext* Context = nullptr;  // the ten-year shop, opened by main

template <class Form>
void OpenWindow(benchmark::State& state)
{
    OpenAndCount<Form, &Form::documentGrid>(state, *Context, "documents");
}

// The customer (supplier) with the most open documents chosen in the list.
template <class Form>
void ChooseParty(benchmark::State& state)
{
    Form form(*Context);
    int best = 1;
    int most = 0;
    for (int r = 2; r < form.partyGrid->rowCount(); ++r) {
        form.partyGrid->setRow(r);
        if (form.documentGrid->rowCount() - 1 > most) {
            most = form.documentGrid->rowCount() - 1;
            best = r;
        }
    }
    for (auto _ : state) {
        form.partyGrid->setRow(1);
        form.partyGrid->setRow(best);
    }
    state.counters["documents"] = most;
}

BENCHMARK(OpenWindow<TXSYSKForm>)->Name("open receivables")->Unit(benchmark::kMillisecond);
BENCHMARK(OpenWindow<TCGYFKForm>)->Name("open payables")->Unit(benchmark::kMillisecond);
BENCHMARK(ChooseParty<TXSYSKForm>)->Name("all customers, then one")->Unit(benchmark::kMillisecond);
BENCHMARK(ChooseParty<TCGYFKForm>)->Name("all suppliers, then one")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto shop = OpenTenYearShop();
    if (!shop)
        return 2;
    Context = shop->context.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
