#pragma once

#include "Records.h"

#include <QString>
#include <QVector>
#include <cstdint>
#include <optional>

class Database;

// --- Single statements on the document tables -------------------------------------------------
bool IsNewXiaoShouDH(Database& db, const QString& dh);
bool IsNewCaiGouDH(Database& db, const QString& dh);
void InsertXiaoShouDan(Database& db, const TXiaoShouDan& d);
void InsertCaiGouDan(Database& db, const TCaiGouDan& d);
void InsertXiaoShou(Database& db, const TShangPinItem& item);
void InsertCaiGou(Database& db, const TShangPinItem& item);  // stores the line's in_date too
void DeleteXiaoShouDan(Database& db, const QString& dh);
void DeleteXiaoShou(Database& db, const QString& dh);
void DeleteCaiGouDan(Database& db, const QString& dh);
void DeleteCaiGou(Database& db, const QString& dh);

// The stored header of one document (figures with their stored signs); nullopt when there is none.
std::optional<TXiaoShouDan> GetXiaoShouDan(Database& db, const QString& dh);
std::optional<TCaiGouDan> GetCaiGouDan(Database& db, const QString& dh);

// Stored lines of one document in insertion order (figures with their stored signs).
QVector<TShangPinItem> XiaoShouLines(Database& db, const QString& dh);
QVector<TShangPinItem> CaiGouLines(Database& db, const QString& dh);

// --- Save and delete sequences ------------------------------------------------------------------
// Each runs in one transaction with its stock postings: when a statement fails, nothing of the
// document remains and the error (DbError) reaches the caller.

// Saves a sale or sales return. The header and lines carry the figures as entered (positive);
// for a return, quantities, amounts and the amount owed are stored negated. Each line takes the
// document's number and date and the goods' average cost at this moment, then lowers the stock.
// Returns false (and writes nothing) when the trimmed number is already used.
bool SaveXiaoShouDocument(Database& db, TXiaoShouDan header, QVector<TShangPinItem> lines,
                          DanKind kind);

// Saves a purchase or purchase return the same way; each line posts to the ledger with its
// quantity and unit price (new average cost, latest price) and carries the document's date.
bool SaveCaiGouDocument(Database& db, TCaiGouDan header, QVector<TShangPinItem> lines,
                        DanKind kind);

// Deletes a sales document (header and lines) and gives its stock back. Receipts stay.
void DeleteXiaoShouDocument(Database& db, const QString& dh);

// Deletes a purchase document (header and lines) and reverses its postings at the lines' prices.
// Payments stay.
void DeleteCaiGouDocument(Database& db, const QString& dh);
