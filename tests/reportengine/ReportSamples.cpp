#include "ReportSamples.h"

namespace ReportSamples {

RowSet StockRows(int count)
{
    static const QStringList brands{QStringLiteral("海安"), QStringLiteral("美悦"), QStringLiteral("歌乐"),
                                    QStringLiteral("长弘")};
    static const QStringList products{QStringLiteral("冰箱"), QStringLiteral("空调"), QStringLiteral("洗衣机"),
                                      QStringLiteral("电视机")};
    RowSet d;
    d.columns = {"PinPai", "ChanPin", "GuiGe", "ShuLiang", "PJCB", "NewCB", "zcb"};
    for (int i = 0; i < count; ++i) {
        const int qty = 1 + i % 37;
        const double cost = 800 + (i % 50) * 12.5;
        d.rows.append({brands[i % brands.size()], products[(i / 4) % products.size()],
                       QStringLiteral("BCD-%1").arg(100 + i), qty, cost, cost + 20, qty * cost});
    }
    return d;
}

RowSet SalesLines(const QString& dh, int count)
{
    RowSet d;
    d.columns = {"autoid", "dh", "in_date", "PinPai", "chanpin", "guige", "danjia", "CB", "shuliang", "jinE"};
    for (int i = 0; i < count; ++i) {
        const double price = 1999 + i * 100.5;
        const int qty = 1 + i % 3;
        d.rows.append({i + 1, dh, QStringLiteral("2024-03-15"), QStringLiteral("海安"), QStringLiteral("冰箱"),
                       QStringLiteral("BCD-%1W").arg(200 + i), price, price - 300, qty, price * qty});
    }
    return d;
}

RowSet SalesHeaders(int count)
{
    RowSet d;
    d.columns = {"dh", "in_date", "shuliang", "jinE", "KeHu", "yewuyuan", "KeHuPhone", "KeHuAddress", "QK", "Remark"};
    for (int i = 0; i < count; ++i)
        d.rows.append({QStringLiteral("xs240315%1").arg(i + 1, 3, 10, QLatin1Char('0')), QStringLiteral("2024-03-15"),
                       3, 5997.5, QStringLiteral("客户%1").arg(i + 1), QStringLiteral("张三"),
                       QStringLiteral("1380000%1").arg(i, 4, 10, QLatin1Char('0')),
                       QStringLiteral("青岛市市南区香港中路%1号").arg(i + 1), 0, QString()});
    return d;
}

QStringList SourceTexts(const ReportPage& page, const QString& source)
{
    QStringList out;
    for (const PageText& t : page.texts)
        if (t.source == source)
            out << t.text;
    return out;
}

QStringList BandTexts(const ReportPage& page, BandKind band)
{
    QStringList out;
    for (const PageText& t : page.texts)
        if (t.band == band)
            out << t.text;
    return out;
}

}  // namespace ReportSamples
