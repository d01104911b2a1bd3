#pragma once

#include <QDate>
#include <QString>

class Database;

// Seeding routines shared by the demonstration data and the test fixtures.

// A goods item with its brand, product (and product class), opening stock and average cost.
struct SeedGoods {
    const char* PinPai;
    const char* ChanPin;
    const char* CPType;
    const char* GuiGe;
    int stock;
    double cost;
};

// Adds the brand and the product when new, and the stock row of the goods item.
void InsertGoodsItem(Database& db, const SeedGoods& goods);

// Fills a new, empty database with demonstration data: appliance brands, products and models
// with opening stock and costs, product classes, customers, suppliers, salespeople, income and
// expense items, and about four months (ending at `today`) of purchases, sales, returns,
// receipts, payments and income/expense entries. Documents are saved through the document
// store, so stock, average costs and amounts owed agree with them. Runs in one transaction.
void InsertDemoData(Database& db, const QDate& today);
