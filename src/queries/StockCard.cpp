#include "StockCard.h"

#include "Database.h"
#include "Ledger.h"

#include <algorithm>

namespace {

struct Movement {
    QString date;
    QString dh;
    QString kind;
    QString party;
    double price = 0;
    QVariant cost;  // sales only
    qint64 in = 0;
    qint64 out = 0;
};

SqlParams KeyParams(const GoodsKey& g)
{
    return {{QStringLiteral(":p"), g.PinPai}, {QStringLiteral(":c"), g.ChanPin}, {QStringLiteral(":g"), g.GuiGe}};
}

}  // namespace

RowSet StockCard(Database& db, const GoodsKey& goods)
{
    QVector<Movement> moves;
    // Purchases put their quantity into stock; a purchase return (negative quantity) takes out.
    const RowSet bought = SelectRows(
        db,
        QStringLiteral("select d.in_date, l.dh, d.GYS, l.danjia, l.shuliang from Log_CaiGou l"
                       " join Log_CaiGouDan d on d.dh=l.dh"
                       " where l.PinPai=:p and l.chanpin=:c and l.guige=:g"),
        KeyParams(goods));
    for (const auto& r : bought.rows) {
        const qint64 n = r[4].toLongLong();
        moves.append({r[0].toString(), r[1].toString(),
                      n < 0 ? QStringLiteral("采购退货") : QStringLiteral("采购"), r[2].toString(), r[3].toDouble(),
                      {}, n > 0 ? n : 0, n < 0 ? -n : 0});
    }
    // Sales take their quantity out; a sales return (negative quantity) brings it back.
    const RowSet sold = SelectRows(
        db,
        QStringLiteral("select d.in_date, l.dh, d.KeHu, l.danjia, l.CB, l.shuliang from Log_XiaoShou l"
                       " join Log_XiaoShouDan d on d.dh=l.dh"
                       " where l.PinPai=:p and l.chanpin=:c and l.guige=:g"),
        KeyParams(goods));
    for (const auto& r : sold.rows) {
        const qint64 n = r[5].toLongLong();
        moves.append({r[0].toString(), r[1].toString(),
                      n < 0 ? QStringLiteral("销售退货") : QStringLiteral("销售"), r[2].toString(), r[3].toDouble(),
                      r[4], n < 0 ? -n : 0, n > 0 ? n : 0});
    }
    std::stable_sort(moves.begin(), moves.end(), [](const Movement& a, const Movement& b) {
        return std::tie(a.date, a.dh) < std::tie(b.date, b.dh);
    });

    qint64 net = 0;
    for (const Movement& m : moves)
        net += m.in - m.out;
    qint64 balance = GetKuCunShuLiang(db, goods.PinPai, goods.ChanPin, goods.GuiGe) - net;

    RowSet card;
    card.columns = {QStringLiteral("in_date"), QStringLiteral("dh"),    QStringLiteral("kind"),
                    QStringLiteral("party"),   QStringLiteral("danjia"), QStringLiteral("CB"),
                    QStringLiteral("RuKu"),    QStringLiteral("ChuKu"), QStringLiteral("JieCun")};
    card.rows.reserve(moves.size() + 1);
    card.rows.append({QVariant(), QVariant(), QStringLiteral("期初"), QVariant(), QVariant(), QVariant(), QVariant(),
                      QVariant(), balance});
    for (const Movement& m : moves) {
        balance += m.in - m.out;
        card.rows.append({m.date, m.dh, m.kind, m.party, m.price, m.cost, m.in ? QVariant(m.in) : QVariant(),
                          m.out ? QVariant(m.out) : QVariant(), balance});
    }
    return card;
}
