#pragma once

// A deterministic generator of a busy appliance shop's database: goods, customers, suppliers,
// salespeople, and years of purchases, sales, returns, receipts, payments, income and expense
// entries and closed months, written through this system's schema.
//
// The stock and cost ledger is kept in memory by the rules of the ledger routines (Ledger.h): a
// sales line takes the average cost of its moment and lowers the stock; a purchase line raises
// the stock, brings the average cost to two decimals and sets the latest price. The documents of
// one day are posted purchases first (in number order), then sales, so replaying them through
// SaveCaiGouDocument and SaveXiaoShouDocument in that order gives the same lines and stock rows.
// Amounts owed agree with the documents: a settled document has QK 0 and no receipt or payment
// rows; an open one keeps the rows of what was paid since it was saved.

#include <QDate>
#include <cstdint>

class Database;

struct ShopSize {
    QDate first;           // first business day
    QDate last;            // last business day ("today" of the shop)
    int salesDocuments;    // about this many sales documents (returns included)
    int goodsItems;
    int customers;
    int suppliers;
    int employees;
    int entries;           // about this many income and expense entries
    std::uint32_t seed;
};

// Ten years of a busy shop: about 290,000 sales documents, 29,000 purchase documents, 4,800
// goods items, 20,000 customers, 300 suppliers, 40 salespeople, 31,000 income and expense entries.
ShopSize TenYearShop();

// What WriteShop writes: only the master data and the opening stock, or the business as well.
enum class ShopPart { Catalogue, Everything };

// Writes the shop into an open database that has the schema and nothing else, in one transaction.
void WriteShop(Database& db, const ShopSize& size, ShopPart part = ShopPart::Everything);
