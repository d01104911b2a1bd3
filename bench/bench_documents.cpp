// The sales document window on the ten-year shop ($QL_BENCH_DB, see bench/run-all; without it the
// shop's catalogue and customers alone: 4,800 goods items, 20,000 customers): opening the window,
// opening the add-item dialog, quick find per key in "型号/条码", and confirming a 20-line sale.
// Each figure is the median (and the slowest) of several runs after one warm-up.
// Usage: bench_documents [FILE]

#include "AppContext.h"
#include "Database.h"
#include "GoodsFinder.h"
#include "Schema.h"
#include "StringGrid.h"
#include "TenYearShop.h"
#include "XSDJAddForm.h"
#include "XSDJForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Figure {
    double median, slowest;
    double cpu = -1;  // median processor time, when measured
};

Figure Measure(int runs, const std::function<void()>& setUp, const std::function<void()>& timed,
               const std::function<void()>& tearDown = {})
{
    std::vector<double> ms, cpu;
    for (int i = 0; i <= runs; ++i) {
        if (setUp)
            setUp();
        QElapsedTimer t;
        t.start();
        const std::clock_t c = std::clock();
        timed();
        const double elapsed = double(t.nsecsElapsed()) / 1e6;
        const double processor = double(std::clock() - c) * 1000.0 / CLOCKS_PER_SEC;
        if (tearDown)
            tearDown();
        if (i > 0) {  // the first run warms the caches
            ms.push_back(elapsed);
            cpu.push_back(processor);
        }
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    return {ms[ms.size() / 2], ms.back(), cpu[cpu.size() / 2]};
}

void Print(const char* what, const Figure& f, double target)
{
    std::printf("| %-58s | %8.2f ms | %8.2f ms | %8.2f ms | %6.0f ms |\n", what, f.median, f.slowest, f.cpu, target);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("Data")));
    const QString path = dir.filePath(QStringLiteral("Data/db.data"));
    const QString shop = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("QL_BENCH_DB");
    if (!shop.isEmpty()) {
        if (!QFile::copy(shop, path)) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(shop));
            return 1;
        }
    } else {
        Database db(QStringLiteral("maker"));
        db.open(path);
        CreateSchema(db);
        WriteShop(db, TenYearShop(), ShopPart::Catalogue);
    }

    RecordingPrompts prompts;
    AppContext ctx(dir.path() + u'/');
    ctx.prompts = &prompts;
    if (!ctx.InitSystem()) {
        std::fprintf(stderr, "cannot open the database\n");
        return 1;
    }
    Database& db = ctx.db();
    std::printf("%s: %d customers, %d goods items, %d sales documents\n", shop.isEmpty() ? "catalogue only" : qPrintable(shop),
                db.scalar(QStringLiteral("select count(*) from Base_KeHu")).toInt(),
                db.scalar(QStringLiteral("select count(*) from Log_KuCun")).toInt(),
                db.scalar(QStringLiteral("select count(*) from Log_XiaoShouDan")).toInt());
    std::printf("| %-58s | %11s | %11s | %11s | %9s |\n| --- | --- | --- | --- | --- |\n", "step", "median",
                "slowest", "processor", "target");

    // Opening: the window is made, shown (customer and salesperson lists filled, next number) and
    // freed.
    std::unique_ptr<TBase_XSDJForm> w;
    Print("open the sales window",
          Measure(9, {}, [&] {
              w = std::make_unique<TBase_XSDJForm>(ctx);
              w->SetDanKind(ForwardKind);
              w->show();
              QCoreApplication::processEvents();
          }, [&] { w.reset(); }),
          150);

    // The add-item dialog: the catalogue read for the quick find and the brand list filled.
    GoodsFinder finder;
    std::unique_ptr<TXSDJAddForm> d;
    Print("open the add-item dialog (catalogue read once per window)",
          Measure(9, {}, [&] {
              finder = GoodsFinder::load(db);
              d = std::make_unique<TXSDJAddForm>(ctx);
              d->SetFinder(&finder);
              d->show();
              QCoreApplication::processEvents();
          }, [&] { d.reset(); }),
          150);

    // Quick find: each key of a model number typed into 型号/条码, the list of matches redrawn.
    d = std::make_unique<TXSDJAddForm>(ctx);
    d->SetFinder(&finder);
    d->show();
    const QString spec = db.scalar(QStringLiteral("select GuiGe from Log_KuCun order by GuiGe limit 1 offset 2000")).toString();
    std::vector<double> perKey;
    for (int round = 0; round < 5; ++round) {
        d->FindEdit->clear();
        for (const QChar c : spec) {
            QElapsedTimer t;
            t.start();
            d->FindEdit->insert(QString(c));
            d->FindEditChange();
            QCoreApplication::processEvents();
            perKey.push_back(double(t.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(perKey.begin(), perKey.end());
    Print(qPrintable(QStringLiteral("quick find, per key (typing \"%1\")").arg(spec)),
          {perKey[perKey.size() / 2], perKey.back(), -1}, 20);
    d.reset();

    // Confirming a 20-line sale: header, 20 lines and their stock postings in one transaction,
    // then the window shows the saved document.
    QVector<TShangPinItem> lines;
    QSqlQuery q = db.exec(QStringLiteral("select PinPai,ChanPin,GuiGe,PJCB from Log_KuCun order by ShuLiang desc limit 20"));
    while (q.next()) {
        TShangPinItem it;
        it.PinPai = q.value(0).toString();
        it.chanpin = q.value(1).toString();
        it.guige = q.value(2).toString();
        it.danjia = Money::fromYuan(q.value(3).toDouble() * 1.2);
        it.shuliang = 1;
        it.jinE = it.danjia;
        lines << it;
    }
    w = std::make_unique<TBase_XSDJForm>(ctx);
    w->SetDanKind(ForwardKind);
    w->show();
    Print("confirm a 20-line sale",
          Measure(15,
                  [&] {
                      if (w->danState() != TradeDocumentForm::DanState::Entering)
                          w->NewDButtonClick();
                      w->KHComboBox->setEditText(QStringLiteral("散客"));
                      w->YYYComboBox->setCurrentIndex(0);
                      for (const TShangPinItem& it : lines)
                          w->AppendItemRow(it);
                      w->CalcDanTotals();
                  },
                  [&] { w->NewDButtonClick(); }),
          20);
    if (w->danState() != TradeDocumentForm::DanState::Saved || !prompts.entries.isEmpty())
        std::fprintf(stderr, "the sale was not saved: %s\n", qPrintable(prompts.texts().join(u'|')));
    return 0;
}
