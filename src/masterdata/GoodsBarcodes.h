#pragma once

#include "GoodsKey.h"

#include <QString>
#include <QStringList>
#include <optional>

class Database;

// The barcodes of the goods items (Base_TiaoMa): any number per goods item, each code belonging
// to one goods item. Codes are EAN-13, UPC-A, EAN-8 (check digit verified) or Code 128
// (BarcodeText.h); letter case is ignored when codes are compared. Renaming a brand, product or
// goods item carries its codes along and deleting one removes them (GoodsStore.h).
namespace GoodsBarcodes {

// The codes typed, scanned or imported into one box: split at line breaks, ";", "；", "," and
// "，", blanks around each trimmed, empty pieces dropped.
QStringList split(const QString& text);

// The goods item that holds the code (the whole code, blanks around it ignored), or nothing.
// The one lookup of a scanned code for every window that takes one.
std::optional<GoodsKey> find(Database& db, const QString& code);

// The codes of a goods item in the order they were given.
QStringList of(Database& db, const GoodsKey& goods);

// Why the codes cannot be the goods item's, in Chinese, or empty when they can: a code that is no
// valid barcode (BarcodeKindOf), a code given twice, or a code another goods item holds
// ("条码“…”已属于商品 品牌/产品/型号。").
QString problem(Database& db, const GoodsKey& goods, const QStringList& codes);

// Makes the codes the goods item's, in this order, replacing those it had; throws DbError with
// problem()'s text when they cannot be. A change of codes the item already had is written to the
// audit log. One transaction.
void set(Database& db, const GoodsKey& goods, const QStringList& codes);

}  // namespace GoodsBarcodes
