// One counter of the shop under load: for a given time it saves sales, sales returns, purchases,
// purchase returns and receipts of the same few goods items and open documents as the other
// counters do, as the windows save them (the number proposed beforehand, the next free one taken
// when another counter took it). Refusals of the business (not enough stock) are counted; any
// other failure is reported on the error stream and ends the counter with exit code 1.
//   Till DATABASE SECONDS SEED      DATABASE: a SQLite file or a postgresql:// URI
// Prints one line: "sales N ops N refused N" and the save times in microseconds.

#include "Database.h"
#include "DocNumbers.h"
#include "DocumentSide.h"
#include "DocumentStore.h"
#include "PartPayments.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>

namespace {

const QString Goods[] = {QStringLiteral("G1"), QStringLiteral("G2"), QStringLiteral("G3")};

TShangPinItem Line(QRandomGenerator& random, int maxQuantity, int priceFrom, int priceTo)
{
    TShangPinItem it;
    it.PinPai = QStringLiteral("北辰");
    it.chanpin = QStringLiteral("冰箱");
    it.guige = Goods[random.bounded(3)];
    it.shuliang = 1 + random.bounded(maxQuantity);
    it.danjia = Money::fromCents(random.bounded(priceFrom * 100, priceTo * 100));
    it.jinE = it.danjia * it.shuliang;
    return it;
}

QVector<TShangPinItem> Lines(QRandomGenerator& random, int maxQuantity, int priceFrom, int priceTo)
{
    QVector<TShangPinItem> lines{Line(random, maxQuantity, priceFrom, priceTo)};
    if (random.bounded(2))
        lines << Line(random, maxQuantity, priceFrom, priceTo);
    return lines;
}

Money Total(const QVector<TShangPinItem>& lines, int* quantity)
{
    Money sum;
    *quantity = 0;
    for (const TShangPinItem& l : lines) {
        sum = sum + l.jinE;
        *quantity += l.shuliang;
    }
    return sum;
}

void Sale(Database& db, QRandomGenerator& random, DanKind kind, const QDate& day)
{
    TXiaoShouDan d;
    const QVector<TShangPinItem> lines = Lines(random, kind == ForwardKind ? 3 : 1, 150, 200);
    d.jinE = Total(lines, &d.shuliang);
    d.QK = kind == ForwardKind && random.bounded(2) ? d.jinE : Money();
    d.KeHu = QStringLiteral("客户%1").arg(random.bounded(5));
    d.yewuyuan = QStringLiteral("王磊");
    d.in_date = day;
    d.dh = NextDH(db, SalesSide(), kind, day);
    SaveXiaoShouDocument(db, d, lines, kind, TakenNumber::TakeNext);
}

void Purchase(Database& db, QRandomGenerator& random, DanKind kind, const QDate& day)
{
    TCaiGouDan d;
    const QVector<TShangPinItem> lines = Lines(random, kind == ForwardKind ? 5 : 1, 80, 120);
    d.jinE = Total(lines, &d.shuliang);
    d.QK = random.bounded(2) ? d.jinE : Money();
    d.GYS = QStringLiteral("供应商%1").arg(random.bounded(3));
    d.in_date = day;
    d.dh = NextDH(db, PurchaseSide(), kind, day);
    SaveCaiGouDocument(db, d, lines, kind, TakenNumber::TakeNext);
}

// One yuan off an open sales document that owes at least a hundred, so that the counters paying
// the same document at once never take it to nothing.
bool Receipt(Database& db, const QDate& day)
{
    const QVariant dh = db.scalar(QStringLiteral("select dh from Log_XiaoShouDan where QK>=100 order by random() limit 1"));
    if (!dh.isValid())
        return false;
    RecordPartPayment(db, AccountSide::Receivable, dh.toString(), Money::fromCents(100), day);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout), err(stderr);
    if (args.size() != 4) {
        err << "usage: Till DATABASE SECONDS SEED\n";
        return 2;
    }
    QRandomGenerator random(args[3].toUInt());
    // Every second of the run is a day of business of its own: a day has 999 numbers of a kind.
    const QDate firstDay(2026, 12, 11);
    int sales = 0, ops = 0, refused = 0;
    QVector<qint64> times;
    try {
        Database db(QStringLiteral("till"));
        db.open(args[1].contains(QLatin1String("://")) ? DatabaseTarget::server(args[1]) : DatabaseTarget::file(args[1]));
        QElapsedTimer clock;
        clock.start();
        const qint64 end = qint64(args[2].toDouble() * 1000);
        while (clock.elapsed() < end) {
            const int pick = random.bounded(100);
            const QDate day = firstDay.addDays(clock.elapsed() / 1000);
            QElapsedTimer save;
            save.start();
            try {
                if (pick < 45)
                    Sale(db, random, ForwardKind, day), ++sales;
                else if (pick < 55)
                    Sale(db, random, ReturnKind, day);
                else if (pick < 80)
                    Purchase(db, random, ForwardKind, day);
                else if (pick < 85)
                    Purchase(db, random, ReturnKind, day);
                else if (!Receipt(db, day))
                    continue;
                ++ops;
                times << save.nsecsElapsed() / 1000;
            } catch (const DbError& e) {
                if (!e.text().contains(QStringLiteral("库存量不足")))
                    throw;
                ++refused;
            }
        }
    } catch (const DbError& e) {
        err << "till " << args[3] << " failed: " << e.text() << '\n';
        return 1;
    }
    out << "sales " << sales << " ops " << ops << " refused " << refused << '\n';
    for (qint64 t : times)
        out << t << ' ';
    out << '\n';
    return 0;
}
