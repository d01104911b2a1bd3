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
// Each runs in one transaction that holds the database's write lock from its first read, with its
// stock postings: what it reads (stock, free numbers) stays as read until it has written, even
// with another copy of the program on the same file. When a statement fails, nothing of the
// document remains and the error (DbError) reaches the caller.

// What a save does with a number that is already used.
enum class TakenNumber : std::uint8_t {
    Refuse,    // a number typed by hand: nothing is saved
    TakeNext,  // a number the window proposed: the document takes the next free number of its
               // prefix and date (taken inside the save, so two copies never take the same one)
};

// Saves a sale or sales return. The header and lines carry the figures as entered (positive);
// for a return, quantities, amounts and the amount owed are stored negated, and what was paid
// when saving (SS = amount - amount owed) with them. Each line takes the document's number and
// date and the goods' average cost at this moment, then lowers the stock. A document that would
// take a goods item below nothing is refused (DbError naming the goods item and its stock):
// the stock is read inside the save, whichever window or command saves. Returns the number the
// document was saved under; empty (nothing written) when the trimmed number is already used and
// taken is Refuse.
QString SaveXiaoShouDocument(Database& db, TXiaoShouDan header, QVector<TShangPinItem> lines, DanKind kind,
                             TakenNumber taken);

// Saves a purchase or purchase return the same way; each line posts to the ledger with its
// quantity and unit price (new average cost, latest price) and carries the document's date. A
// purchase return that would take a goods item below nothing is refused like a sale.
QString SaveCaiGouDocument(Database& db, TCaiGouDan header, QVector<TShangPinItem> lines, DanKind kind,
                           TakenNumber taken);

// The same with a number typed by hand: false (and nothing written) when it is already used.
bool SaveXiaoShouDocument(Database& db, TXiaoShouDan header, QVector<TShangPinItem> lines, DanKind kind);
bool SaveCaiGouDocument(Database& db, TCaiGouDan header, QVector<TShangPinItem> lines, DanKind kind);

// Deletes a sales document (header and lines), gives its stock back and writes the deletion to
// the audit log ("删除销售单", "删除销售退货单"), all in one transaction. Receipts stay. A number
// that is not there deletes nothing and writes no entry.
void DeleteXiaoShouDocument(Database& db, const QString& dh);

// Deletes a purchase document (header and lines), reverses its postings at the lines' prices and
// writes "删除采购单" or "删除采购退货单" to the audit log, in one transaction. Payments stay.
void DeleteCaiGouDocument(Database& db, const QString& dh);
