#pragma once

#include "RowSet.h"

#include <QString>

class Database;

// What the price labels of the goods items show.
namespace GoodsLabels {

// The goods items of a brand, of a product of it, or one goods item (an empty product or spec
// means every one), ordered as the catalogue lists them, each with what its label shows:
// PinPai, ChanPin, GuiGe, price (the unit price of its latest sale, returns not counted; empty
// when it was never sold) and barcode (its first barcode, or else its model number, printed as a
// Code 128), and priceText, the price as the label prints it ("￥2999").
RowSet items(Database& db, const QString& PinPai, const QString& ChanPin = {}, const QString& GuiGe = {});

// The labels to print: each row of `items` as many times as its column "count" says.
RowSet repeated(const RowSet& items);

}  // namespace GoodsLabels
