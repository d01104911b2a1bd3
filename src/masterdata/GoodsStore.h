#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

#include "RowSet.h"

class Database;

// Data routines of the goods catalogue: brands (Base_PinPai), products (Base_ChanPin) and goods
// items (Log_KuCun, one row per brand, product and spec with its stock and costs). Names are the
// keys; every name is bound as a parameter, so quotes, '%' and '_' are plain characters.
// Renames and deletions that reach several tables run in one transaction and leave an entry in
// the audit log; document lines keep the names they were saved with.

bool PinPaiExists(Database& db, const QString& PinPai);
bool ChanPinExists(Database& db, const QString& PinPai, const QString& ChanPin);
bool ShangPinExists(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe);

void InsertPinPai(Database& db, const QString& PinPai);
// The brand, its products and its goods items take the new name.
void RenamePinPai(Database& db, const QString& PinPai, const QString& NewPinPai);
// The brand, its products and its goods items with their stock go.
void DeletePinPai(Database& db, const QString& PinPai);

// A new product with its class; a class other than "*未定义*" that Base_CPType lacks is added to it.
void InsertChanPin(Database& db, const QString& PinPai, const QString& ChanPin, const QString& CPType);
// The product takes the new name and class (a new class is kept as on insert); its goods items take
// the new name.
void UpdateChanPin(Database& db, const QString& PinPai, const QString& ChanPin, const QString& NewChanPin,
                   const QString& CPType);
void DeleteChanPin(Database& db, const QString& PinPai, const QString& ChanPin);

// A new goods item with its opening stock and initial average cost (no latest purchase price) and
// its barcodes (GoodsBarcodes::set: refused codes leave nothing written).
void InsertGuiGe(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe, double PJCB,
                 int ShuLiang, const QStringList& barcodes = {});
// Renames a goods item (its barcodes go along) and overwrites its stock and average cost by hand;
// given barcodes replace the item's own.
void UpdateGuiGe(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe, double PJCB,
                 int ShuLiang, const QString& NewGuiGe, const std::optional<QStringList>& barcodes = std::nullopt);
void DeleteGuiGe(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe);

// The class value of a product without a class; never kept in Base_CPType.
inline constexpr const char* NoCPType = "*未定义*";

// The rows of the goods window's three lists, in insertion order.
// The brands: PinPai.
RowSet PinPaiRows(Database& db);
QStringList PinPaiNames(Database& db);  // the same as names
// The products of the brand: ChanPin, CPType.
RowSet ChanPinRows(Database& db, const QString& PinPai);
// The goods items of the brand and product: GuiGe, PJCB, ShuLiang.
RowSet GuiGeRows(Database& db, const QString& PinPai, const QString& ChanPin);
