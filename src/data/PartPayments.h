#pragma once

// Receipts against sales documents and payments against purchase documents: the amount owed QK of
// a document header and the rows of its part payments (Log_SKGuoCheng, Log_FKGuoCheng).

#include <QDate>
#include <QString>
#include <cstdint>

class Database;

// The two sides of the accounts: money owed by customers on sales documents (receivables) and
// money owed to suppliers on purchase documents (payables).
enum class AccountSide : std::uint8_t { Receivable, Payable };

// Tables and columns of one side.
struct AccountTables {
    QString header;   // document headers: Log_XiaoShouDan, Log_CaiGouDan
    QString lines;    // document lines: Log_XiaoShou, Log_CaiGou
    QString history;  // part payments: Log_SKGuoCheng, Log_FKGuoCheng
    QString party;    // customer or supplier column of the header: KeHu, GYS
};
const AccountTables& TablesOf(AccountSide side);

// --- Single statements -----------------------------------------------------------------------
// New amount owed = owed - paid, brought to the cent, stored as QK of the document and returned.
// Money owed is kept to the cent: 100.7 - 30.4 stores 70.3, and paying the shown 70.3 then
// leaves exactly 0.
double UpdateXiaoShouDanQK(Database& db, const QString& dh, double owed, double paid);
double UpdateCaiGouDanQK(Database& db, const QString& dh, double owed, double paid);
void InsertSKGuoCheng(Database& db, const QString& dh, const QDate& day, double JinE);
void InsertFKGuoCheng(Database& db, const QString& dh, const QDate& day, double JinE);
void DeleteSKGuoCheng(Database& db, const QString& dh);
void DeleteFKGuoCheng(Database& db, const QString& dh);

// --- Operations (each in one transaction with its entry in the audit log) -----------------------
// Records a receipt (payment) of `paid` on `day` against a document owing `owed`: lowers its QK;
// while the document stays open a history row is added, when it is settled (0.00) its history
// rows are deleted; the audit log keeps the document, the amount owed before and after, the
// amount and its date (so a settled document's payments can still be traced). Returns the new
// amount owed. A document that is not there is refused (DbError). A failure leaves the document,
// its history and the log as they were.
double RecordPartPayment(Database& db, AccountSide side, const QString& dh, double owed, double paid,
                         const QDate& day);

// Writes off what remains on a document: QK becomes 0 and its history rows are deleted; a
// document that is not there is refused (DbError).
void WriteOffOwed(Database& db, AccountSide side, const QString& dh, double owed);
