#pragma once

#include "Database.h"
#include "Money.h"
#include "Records.h"

#include <QString>
#include <QVector>

// The stock and cost ledger: one Log_KuCun row per goods key with its quantity, moving average
// cost and latest purchase price. The routines never create or delete rows; a goods key without
// a row reads as 0 and is left unchanged by postings.
//
// Each row also keeps its opening quantity QCShuLiang: the part of its stock that the stored
// document lines do not explain (the quantity it was created with, hand edits of its stock, and
// the movements of lines that clearing a month or initialising took away). At every moment
//   ShuLiang = QCShuLiang + purchased quantities - sold quantities of the lines under its key
// (returns with their stored signs). NULL means not known (a row written by other means); it
// stays NULL through every change.

// Locks the stock rows of the lines' goods items until the transaction ends, one after the other
// in the order of their keys, so that two counters saving documents of the same goods items never
// wait for each other crosswise. A document locks its goods first, then the closed month it
// touches, then the document rows (part payments); every operation keeps that order.
// On SQLite the transaction holds the whole file already.
void LockGoods(Database& db, const QVector<TShangPinItem>& lines);

int GetKuCunShuLiang(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe);
Money GetPJCB(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe);

// Lowers the stock by quantity (a negative quantity raises it); the cost stays.
void SubKuCun(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe,
              int ShuLiang);

// Posts a purchase-side movement of quantity at unit price: new quantity, the moving average
// cost brought to the cent (kept when the new quantity is 0), and the price as latest price.
void AddKuCun(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe,
              int ShuLiang, Money danjia);

// SQL of the net quantity (purchased less sold) of the stored lines of the goods key given as
// three SQL expressions; lineCondition (on the line's own columns) limits the lines when given.
QString GoodsMovementSql(const QString& PinPai, const QString& ChanPin, const QString& GuiGe,
                         const QString& lineCondition = {});

// Before lines of lineTable (Log_XiaoShou or Log_CaiGou) matching lineCondition are deleted,
// carries their movements into the opening quantity of their goods items.
void CarryIntoOpeningStock(Database& db, const QString& lineTable, const QString& lineCondition,
                           const SqlParams& params);

// Adds (sign 1) or takes away (sign -1) the movements of the lines under their own keys to or
// from the opening quantity of the goods items that `where` (a condition on Log_KuCun) selects.
// A rename adds the lines of the old names before and takes away those of the new names after;
// a new item takes away the lines already stored under its names.
void ShiftOpeningStock(Database& db, int sign, const QString& where, const SqlParams& params);

// Takes every goods item's opening quantity as what its lines do not explain of its stock now.
void SetOpeningStockFromLines(Database& db);
