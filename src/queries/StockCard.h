#pragma once

#include "RowSet.h"

#include <QString>

class Database;

struct GoodsKey {
    QString PinPai;
    QString ChanPin;
    QString GuiGe;
};

// The stock card of one goods item: every movement in date order with the balance after it.
// The first row ("期初") is the stock before the first listed movement: today's stock less what
// the movements added. Columns: in_date, dh, kind (采购, 采购退货, 销售, 销售退货), party
// (supplier or customer), danjia (price), CB (average cost of a sale), RuKu (into stock),
// ChuKu (out of stock), JieCun (balance).
RowSet StockCard(Database& db, const GoodsKey& goods);
