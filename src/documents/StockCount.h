#pragma once

#include "GoodsFinder.h"
#include "RowSet.h"

#include <QString>

class Database;

// Stock-taking ("盘点"): the goods on the shelves are counted item by item, the count is kept in
// Log_PanDian as it goes (an interrupted count goes on where it stopped), and when the operator
// confirms, the differences are posted to the stock as one correction.
//
// Each counted goods item keeps its counted quantity and its book quantity at the moment it was
// first counted. What is posted is the difference between the two, added to the stock as it is
// at confirmation: a sale or purchase saved at another counter after the item was counted moved
// goods that had already been counted, so it stays in the stock (a correction never takes the
// stock below nothing). Goods items not counted are left as they are; a goods item that is gone
// is counted by typing 0 for it. The average cost stays.

// How a count of one goods item changes what was counted before.
enum class CountEntry { Add, Set };

// The count of one goods item after an entry.
struct ItemCount {
    int counted = 0;
    int book = 0;  // the book quantity when the item was first counted
};

// Adds quantity to the goods item's count (CountEntry::Add; a scan adds 1), or makes it the count
// (CountEntry::Set; a quantity typed by the operator). The first entry of an item takes its book
// quantity. One statement, so each scan is kept at once.
ItemCount CountGoods(Database& db, const GoodsKey& goods, int quantity, CountEntry entry);

// Every goods item of the brand (all when brand is empty), ordered by brand, product and spec, with
// its book quantity ZhangMian (at its first count, or now when not counted), the counted quantity
// ShiPan and the difference ChaYi (both null when not counted).
RowSet StockCountRows(Database& db, const QString& brand = {});

// The counted goods items whose difference is not 0, as StockCountRows gives them: the difference list.
RowSet StockCountDifferences(Database& db);

// How many goods items are counted, and how many of them had their stock changed by documents
// since they were counted.
struct CountState {
    int counted = 0;
    int changedSince = 0;
};
CountState StockCountState(Database& db);

// Posts the count: each counted goods item whose stock changes gets its new stock (the stock now
// plus its difference, not below nothing), its opening quantity moved by as much, and an entry
// "库存盘点" with the stock before and after in the audit log; then the count is emptied. One
// transaction, the goods rows locked in key order as a document save locks them. Returns the number
// of goods items whose stock changed.
int PostStockCount(Database& db);

// Throws the count away (an entry "放弃盘点" in the audit log with the number of items counted).
void DiscardStockCount(Database& db);
