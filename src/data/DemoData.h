#pragma once

#include <QDate>

class Database;

// Fills a new, empty database with demonstration data: appliance brands, products and models
// with opening stock and costs, product classes, customers, suppliers, salespeople, income and
// expense items, and about four months (ending at `today`) of purchases, sales, returns,
// receipts, payments and income/expense entries. Documents are saved through the document
// store, so stock, average costs and amounts owed agree with them. Runs in one transaction.
void InsertDemoData(Database& db, const QDate& today);
