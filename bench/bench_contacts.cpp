// The customer window with the customers of ten busy years: opening and listing, and filtering as
// the user types. Run: build/bench/bench_contacts (it sets the offscreen platform itself).

#include "AppContext.h"
#include "KeHuForm.h"
#include "KeHuStore.h"
#include "Prompts.h"
#include "StringGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

const char* const Surnames[] = {"张", "王", "李", "赵", "刘", "陈", "杨", "黄", "周", "吴", "徐", "孙", "马", "朱", "胡", "郭"};
const char* const Given[] = {"建国", "秀英", "海波", "德明", "晓燕", "丽", "涛", "磊", "芳", "强", "敏", "伟", "静", "婷", "昊"};

struct Shop {
    QTemporaryDir dir;
    RecordingPrompts prompts;
    std::unique_ptr<AppContext> ctx;

    explicit Shop(int customers)
    {
        ctx = std::make_unique<AppContext>(dir.path() + u'/');
        ctx->prompts = &prompts;
        ctx->InitSystem();
        Database& db = ctx->db();
        Transaction t(db);
        db.exec(QStringLiteral("delete from Base_KeHu"));
        for (int i = 0; i < customers; ++i) {
            TKeHu k;
            k.KeHu = QString::fromUtf8(Surnames[i % 16]) + QString::fromUtf8(Given[(i / 16) % 15]) + QString::number(i);
            k.LXR = k.KeHu;
            k.phone = QStringLiteral("139%1").arg(i, 8, 10, QLatin1Char('0'));
            k.address = QStringLiteral("城东区幸福路%1号").arg(i % 500);
            k.yb = QStringLiteral("250014");
            InsertKeHu(db, k);
        }
        t.commit();
    }
};

void BM_OpenCustomerWindow(benchmark::State& state)
{
    Shop shop(int(state.range(0)));
    for (auto _ : state) {
        TKeHuForm form(*shop.ctx);
        form.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenCustomerWindow)->Arg(2000)->Arg(20000)->ArgName("customers")->Unit(benchmark::kMillisecond);

// One keystroke in the find box: the list narrows (or widens) and repaints.
void BM_FilterPerKey(benchmark::State& state)
{
    Shop shop(int(state.range(0)));
    TKeHuForm form(*shop.ctx);
    form.show();
    QCoreApplication::processEvents();
    const QStringList keys{"z", "zj", "zjg", "zj", "z", "", "1", "13", "139", "1390000", "139", "13", "1", ""};
    qsizetype i = 0;
    for (auto _ : state) {
        form.FilterEdit->setText(keys[i++ % keys.size()]);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_FilterPerKey)->Arg(2000)->Arg(20000)->ArgName("customers")->Unit(benchmark::kMillisecond);

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
