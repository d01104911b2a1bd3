#pragma once

#include <QString>
#include <QStringList>

class Database;

// What the goods drop-down lists offer (the selectors in GoodsSelector.h show them). Products and
// specs come once per row: a product name kept under several brands is listed once per brand.

// The all-entries that head the lists of query windows.
inline constexpr const char* AllPinPai = "所有品牌";
inline constexpr const char* AllChanPin = "所有产品";
inline constexpr const char* AllGuiGe = "所有型号";

// True for a brand or product argument that stands for every brand or product: its all-entry, or
// "all" in any letter case.
bool MeansAll(const QString& name, const char* allEntry);

// Products of the brand (of every brand for "所有品牌" or "all").
QStringList ChanPinNames(Database& db, const QString& PinPai);
// Every product name once, in the order the first of its rows was added.
QStringList DistinctChanPinNames(Database& db);
// Specs of the goods items of the brand and product, either of which may mean all.
QStringList GuiGeNames(Database& db, const QString& PinPai, const QString& ChanPin);
