// Opening the receivables and payables windows, and choosing a customer (supplier), on the
// ten-year shop named by $QL_BENCH_DB (bench/run-all): every open document listed with its
// totals and the lines of the first. Nothing is written, so the file is used as it is.

#include "AccountsForm.h"
#include "AppContext.h"
#include "StringGrid.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<AppContext> Context;

template <class Form>
void OpenWindow(benchmark::State& state)
{
    int documents = 0;
    for (auto _ : state) {
        Form form(*Context);
        documents = form.StringGrid2->rowCount() - 1;
    }
    state.counters["documents"] = documents;
}

// The customer (supplier) with the most open documents chosen in the list.
template <class Form>
void ChooseParty(benchmark::State& state)
{
    Form form(*Context);
    int best = 1;
    int most = 0;
    for (int r = 2; r < form.StringGrid1->rowCount(); ++r) {
        form.StringGrid1->setRow(r);
        if (form.StringGrid2->rowCount() - 1 > most) {
            most = form.StringGrid2->rowCount() - 1;
            best = r;
        }
    }
    for (auto _ : state) {
        form.StringGrid1->setRow(1);
        form.StringGrid1->setRow(best);
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
    const QString shop = qEnvironmentVariable("QL_BENCH_DB");
    if (shop.isEmpty() || !QFile::exists(shop)) {
        std::fprintf(stderr, "set QL_BENCH_DB to the ten-year shop (bench/run-all writes it)\n");
        return 2;
    }
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Data"));
    QFile::link(QFileInfo(shop).absoluteFilePath(), dir.filePath(QStringLiteral("Data/db.data")));
    Context = std::make_unique<AppContext>(dir.path() + u'/');
    if (QString error; !Context->DM.ConnectDB(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        Context.reset();  // the connection goes before the application object
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    Context.reset();
    return 0;
}
