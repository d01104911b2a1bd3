#include "LineStock.h"

#include "Ledger.h"

namespace {

bool SameGoods(const TShangPinItem& a, const TShangPinItem& b)
{
    return a.PinPai.compare(b.PinPai, Qt::CaseInsensitive) == 0
        && a.chanpin.compare(b.chanpin, Qt::CaseInsensitive) == 0
        && a.guige.compare(b.guige, Qt::CaseInsensitive) == 0;
}

}  // namespace

int QuantityOnLines(const QVector<TShangPinItem>& lines, const TShangPinItem& item)
{
    int n = 0;
    for (const TShangPinItem& line : lines)
        if (SameGoods(line, item))
            n += line.shuliang;
    return n;
}

bool StockCoversLine(Database& db, const TShangPinItem& item, const QVector<TShangPinItem>& lines)
{
    const qint64 stock = GetKuCunShuLiang(db, item.PinPai, item.chanpin, item.guige);
    return stock >= qint64(QuantityOnLines(lines, item)) + item.shuliang;
}
