#pragma once

#include <QString>

class Database;

// The stock and cost ledger: one Log_KuCun row per goods key with its quantity, moving average
// cost and latest purchase price. The routines never create or delete rows; a goods key without
// a row reads as 0 and is left unchanged by postings.

int GetKuCunShuLiang(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe);
double GetPJCB(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe);

// Lowers the stock by quantity (a negative quantity raises it); the cost stays.
void SubKuCun(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe,
              int ShuLiang);

// Posts a purchase-side movement of quantity at unit price: new quantity, the moving average
// cost brought to two decimals (kept when the new quantity is 0), and the price as latest price.
void AddKuCun(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe,
              int ShuLiang, double danjia);
