#pragma once

// Receipts against sales documents and payments against purchase documents: the amount owed QK of
// a document header and the rows of its part payments (Log_SKGuoCheng, Log_FKGuoCheng).
//
// Every change of an amount owed is relative to the amount stored at that moment, read inside the
// operation's transaction: two receipts recorded at once from two windows (or two copies of the
// program) both count. What a window shows as owed is never written back.

#include "DocumentSide.h"
#include "Money.h"

#include <QDate>
#include <QString>

class Database;

// --- Single statements -----------------------------------------------------------------------
// Lowers the stored amount owed of a document by paid (a negative amount raises it) and adds what it was lowered by to the document's receipts and write-offs (CJ, see
// docs/accounts.md). Returns the new amount owed. Money owed is kept to the cent: 100.7 - 30.4
// stores 70.3, and paying the shown 70.3 then leaves exactly 0.
Money UpdateXiaoShouDanQK(Database& db, const QString& dh, Money paid);
Money UpdateCaiGouDanQK(Database& db, const QString& dh, Money paid);
void InsertSKGuoCheng(Database& db, const QString& dh, const QDate& day, Money JinE);
void InsertFKGuoCheng(Database& db, const QString& dh, const QDate& day, Money JinE);
void DeleteSKGuoCheng(Database& db, const QString& dh);
void DeleteFKGuoCheng(Database& db, const QString& dh);

// --- Operations (each in one transaction with its entry in the audit log) -----------------------
// Records a receipt (payment) of `paid` on `day` against a document: lowers its stored QK by it;
// while the document stays open a history row is added, when it is settled (0.00) its history
// rows are deleted; the audit log keeps the document, the amount owed before and after, the
// amount and its date (so a settled document's payments can still be traced). Returns the new
// amount owed. There is no upper bound: paying more than is owed leaves a negative amount owed.
// A document that is not there is refused (DbError). A failure leaves the document, its history
// and the log as they were.
Money RecordPartPayment(Database& db, AccountSide side, const QString& dh, Money paid, const QDate& day);

// Writes off what remains on a document: QK becomes 0 and its history rows are deleted; a
// document that is not there is refused (DbError).
void WriteOffOwed(Database& db, AccountSide side, const QString& dh);
