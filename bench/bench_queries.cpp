// The query windows on the ten-year shop named by $QL_BENCH_DB (bench/run-all): each window
// opened with its default view, the sales query listing one month, the stock query listing every
// goods item, and the stock card of the goods item with the most movements. Nothing is written,
// so the file is used as it is.

#include "CX_CaiGouForm.h"
#include "CX_KuCunForm.h"
#include "CX_SZForm.h"
#include "CX_XiaoShouForm.h"
#include "CX_YGYJForm.h"
#include "DocumentQueryPage.h"
#include "OpenAndCount.h"
#include "OpenTenYearShop.h"
#include "StockCardForm.h"
#include "StringGrid.h"

#include <QApplication>
#include <QDateEdit>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

AppContext* Context = nullptr;  // the ten-year shop, opened by main

template <class Form>
void OpenWindow(benchmark::State& state)
{
    for (auto _ : state) {
        Form form(*Context);
        benchmark::DoNotOptimize(&form);
    }
}

// The last month of the shop listed on the sales query's first page, with the lines of its last
// document.
void SalesMonth(benchmark::State& state)
{
    TCX_XiaoShouForm form(*Context);
    DocumentQueryPage* page = form.journalPage;
    const QDate last = QDate::fromString(
        Context->DM.db().scalar(QStringLiteral("select max(in_date) from Log_XiaoShouDan")).toString(), Qt::ISODate);
    page->From->setDate(QDate(last.year(), last.month(), 1));
    page->To->setDate(last);
    for (auto _ : state)
        page->Query(false);
    state.counters["documents"] = page->List->rowCount() - 1;
}

void StockList(benchmark::State& state)
{
    OpenAndCount<TCX_KuCunForm, &TCX_KuCunForm::stockGrid>(state, *Context, "goods items");
}

// The goods item with the most sales and purchase lines.
void StockCard(benchmark::State& state)
{
    QSqlQuery q = Context->DM.db().exec(QStringLiteral(
        "select PinPai,chanpin,guige,count(*) from (select PinPai,chanpin,guige from Log_XiaoShou "
        "union all select PinPai,chanpin,guige from Log_CaiGou) group by PinPai,chanpin,guige "
        "order by count(*) desc limit 1"));
    q.next();
    const GoodsKey goods{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
    int rows = 0;
    for (auto _ : state) {
        TStockCardForm form(*Context, goods);
        rows = form.cardGrid->rowCount() - 1;
    }
    state.counters["movements"] = q.value(3).toInt();
    state.counters["rows"] = rows;
}

BENCHMARK(OpenWindow<TCX_XiaoShouForm>)->Name("open sales query")->Unit(benchmark::kMillisecond);
BENCHMARK(OpenWindow<TCX_CaiGouForm>)->Name("open purchase query")->Unit(benchmark::kMillisecond);
BENCHMARK(OpenWindow<TCX_SZForm>)->Name("open income and expense query")->Unit(benchmark::kMillisecond);
BENCHMARK(OpenWindow<TCX_YGYJForm>)->Name("open employee performance")->Unit(benchmark::kMillisecond);
BENCHMARK(StockList)->Name("open stock query (every goods item)")->Unit(benchmark::kMillisecond);
BENCHMARK(SalesMonth)->Name("sales query, one month")->Unit(benchmark::kMillisecond);
BENCHMARK(StockCard)->Name("stock card, busiest goods item")->Unit(benchmark::kMillisecond);

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
