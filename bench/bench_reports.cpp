// Laying out and writing to PDF the two largest kinds of printout: a stock list of 10,000 goods
// items and a sales document list of 2,000 documents with three lines each.

#include "BandedReport.h"
#include "PagePainter.h"
#include "ReportForms.h"
#include "ReportSamples.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int StockItems = 10000;
constexpr int Documents = 2000;
constexpr int LinesPerDocument = 3;

BandedReport Report(ReportForm form)
{
    BandedReport report(ReportFormLayout(form));
    report.setLabel(QStringLiteral("TitleQRLabel"), QStringLiteral("晴岚家电商行库存查询"));
    report.setLabel(QStringLiteral("DateQRLabel"), QStringLiteral("2024-03-31"));
    report.setLabel(QStringLiteral("SumSLQRLabel"), QStringLiteral("190000"));
    report.setLabel(QStringLiteral("SumJEQRLabel"), QStringLiteral("123456789 元"));
    return report;
}

ReportData StockData()
{
    return ReportData{ReportSamples::StockRows(StockItems), {}};
}

ReportData DocumentData()
{
    return ReportData{ReportSamples::SalesHeaders(Documents), [](int row) {
                          return ReportSamples::SalesLines(QStringLiteral("xs%1").arg(row), LinesPerDocument);
                      }};
}

void LayOut(benchmark::State& state, ReportForm form, const ReportData& data)
{
    const BandedReport report = Report(form);
    int pages = 0;
    for (auto _ : state) {
        const PageModel model = report.layOut(data);
        pages = model.pageCount();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}

void LayOutAndWritePdf(benchmark::State& state, ReportForm form, const ReportData& data)
{
    QTemporaryDir dir;
    const BandedReport report = Report(form);
    int pages = 0;
    for (auto _ : state) {
        const PageModel model = report.layOut(data);
        pages = model.pageCount();
        if (!WritePdf(model, dir.filePath(QStringLiteral("report.pdf"))))
            state.SkipWithError("PDF not written");
    }
    state.counters["pages"] = pages;
}

void BM_StockListLayout(benchmark::State& state) { LayOut(state, ReportForm::CXKC, StockData()); }
void BM_StockListPdf(benchmark::State& state) { LayOutAndWritePdf(state, ReportForm::CXKC, StockData()); }
void BM_SalesDocumentListLayout(benchmark::State& state) { LayOut(state, ReportForm::CXXS, DocumentData()); }
void BM_SalesDocumentListPdf(benchmark::State& state) { LayOutAndWritePdf(state, ReportForm::CXXS, DocumentData()); }

}  // namespace

BENCHMARK(BM_StockListLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StockListPdf)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SalesDocumentListLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SalesDocumentListPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
