// The goods window on a large catalogue: opening and listing, filtering as the user types, and
// importing a 2,000-row sheet. Run: build/bench/bench_goods (it sets the offscreen platform itself).
//
// Catalogues of 5,000 goods items:
//   spread      50 brands x 10 products x 10 specs (the window lists 50, 10 and 10 rows)
//   oneProduct  one brand and one product holding all 5,000 specs (the spec list shows 5,000 rows)

#include "AppContext.h"
#include "GoodsImport.h"
#include "GoodsStore.h"
#include "Prompts.h"
#include "StringGrid.h"
#include "TableFile.h"
#include "ZLSet_ShangPinForm.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

const char* const Brands[] = {"海安", "美悦", "歌乐", "海欣", "长弘", "云帆", "创远", "恒光", "远山", "明川"};
const char* const Products[] = {"变频空调", "冰箱", "洗衣机", "液晶电视", "热水器",
                                "油烟机", "燃气灶", "微波炉", "电饭煲", "空气净化器"};

struct Shop {
    QTemporaryDir dir;
    RecordingPrompts prompts;
    std::unique_ptr<AppContext> ctx;

    explicit Shop(bool oneProduct)
    {
        ctx = std::make_unique<AppContext>(dir.path() + u'/');
        ctx->prompts = &prompts;
        ctx->InitSystem();
        Database& db = ctx->db();
        Transaction t(db);
        for (const char* table : {"Base_PinPai", "Base_ChanPin", "Log_KuCun"})
            db.exec(QStringLiteral("delete from ") + QLatin1String(table));
        if (oneProduct) {
            InsertPinPai(db, "海安");
            InsertChanPin(db, "海安", "变频空调", "空调");
            for (int g = 0; g < 5000; ++g)
                InsertGuiGe(db, "海安", "变频空调", QStringLiteral("KFR-%1GW/BP%2DN1").arg(g % 97).arg(g), 1999.5 + g, g % 50);
        } else {
            for (int b = 0; b < 50; ++b) {
                const QString brand = QString::fromUtf8(Brands[b % 10]) + QString::number(b / 10 + 1);
                InsertPinPai(db, brand);
                for (int c = 0; c < 10; ++c) {
                    const QString product = QString::fromUtf8(Products[c]);
                    InsertChanPin(db, brand, product, product);
                    for (int g = 0; g < 10; ++g)
                        InsertGuiGe(db, brand, product, QStringLiteral("XK-%1-%2").arg(c).arg(g), 1500 + g, g);
                }
            }
        }
        t.commit();
    }
};

void BM_OpenGoodsWindow(benchmark::State& state)
{
    Shop shop(state.range(0) == 1);
    int specs = 0;
    for (auto _ : state) {
        TZLSet_ShangPinForm form(*shop.ctx);
        form.show();
        QCoreApplication::processEvents();
        specs = form.itemGrid->rowCount() - 1;
    }
    state.counters["spec_rows"] = specs;
}
BENCHMARK(BM_OpenGoodsWindow)->Arg(0)->Arg(1)->ArgName("oneProduct")->Unit(benchmark::kMillisecond);

// One keystroke in a filter box: the list is narrowed and repainted (a brand key also relists
// the products and specs of the brand now selected).
void BM_FilterPerKey(benchmark::State& state)
{
    const bool specBox = state.range(0) == 1;
    Shop shop(specBox);
    TZLSet_ShangPinForm form(*shop.ctx);
    form.show();
    QCoreApplication::processEvents();
    QLineEdit* box = specBox ? form.GGFilterEdit : form.PPFilterEdit;
    const QStringList keys = specBox ? QStringList{"k", "kf", "kfr", "kfr-4", "kfr-42", "kfr-4", "kfr", "kf", "k", ""}
                                     : QStringList{"h", "he", "he2", "he", "h", "", "m", "md", "m", ""};
    qsizetype i = 0;
    for (auto _ : state) {
        box->setText(keys[i++ % keys.size()]);
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = specBox ? 5000 : 50;
}
BENCHMARK(BM_FilterPerKey)->Arg(0)->Arg(1)->ArgName("specList")->Unit(benchmark::kMillisecond);

// Reading, checking and importing a 2,000-row CSV sheet (40 brands, 200 products, 7 classes).
void BM_Import2000(benchmark::State& state)
{
    Shop shop(false);
    Database& db = shop.ctx->db();
    const QString path = shop.dir.filePath(QStringLiteral("goods.csv"));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        QString text = QStringLiteral("品牌,产品,产品类型,规格/型号,初始库存量,初始成本\n");
        for (int i = 0; i < 2000; ++i)
            text += QStringLiteral("新品牌%1,产品%2,类%3,型号-%4,5,99.9\n").arg(i % 40).arg(i % 200).arg(i % 7).arg(i);
        f.write(text.toUtf8());
    }
    for (auto _ : state) {
        const GoodsImportCheck check = CheckGoodsImport(db, ReadTableFile(path));
        if (!check.ok())
            state.SkipWithError("sheet refused");
        ImportGoods(db, check.rows);
        state.PauseTiming();
        for (int b = 0; b < 40; ++b)
            DeletePinPai(db, QStringLiteral("新品牌%1").arg(b));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Import2000)->Unit(benchmark::kMillisecond)->Iterations(5);

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
