#pragma once

#include "Records.h"

#include <QVector>

class Database;

// Stock check of a line about to be added to a sale or a purchase return: the units of the same
// goods item already on the document's lines count as taken, so that several lines together never
// ask for more than the stock. Goods keys compare without regard to letter case, as the database
// compares them.

// Units of the goods item of `item` on the lines.
int QuantityOnLines(const QVector<TShangPinItem>& lines, const TShangPinItem& item);

// Whether the stock of the goods item covers item.shuliang more units besides those on the lines.
bool StockCoversLine(Database& db, const TShangPinItem& item, const QVector<TShangPinItem>& lines);
