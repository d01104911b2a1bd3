#pragma once

// The lists of the receivables and payables windows: who owes (or is owed), the open documents
// and the part payments of one document. One set of routines serves both sides.

#include "PartPayments.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

class Database;

// The selection value heading the customer and supplier lists: every customer (supplier).
QString AllParties();

// One open document (amount owed not 0) as the window lists it. The salesperson, telephone and
// address are only kept by sales documents.
struct OpenDocument {
    QString dh;
    QString party;  // KeHu or GYS
    QDate in_date;
    int shuliang = 0;
    double jinE = 0;
    double QK = 0;
    QString yewuyuan;
    QString phone;
    QString address;
    QString Remark;
};

// One receipt or payment recorded against a document.
struct PartPayment {
    QDate in_date;
    double JinE = 0;
};

// Customers (suppliers) with at least one open document, in name order.
QStringList OwingParties(Database& db, AccountSide side);

// Open documents of one customer (supplier), or of all when the name is empty or AllParties(),
// in the order they were saved.
QVector<OpenDocument> OpenDocuments(Database& db, AccountSide side, const QString& party);

// Receipts (payments) of a document, by date and then in the order they were recorded.
QVector<PartPayment> PartPayments(Database& db, AccountSide side, const QString& dh);

// What one customer (supplier) owes by the age of the documents: days from the document date to
// `today` of 0-30, 31-60, 61-90 and over 90 (a document dated after today counts as 0-30).
struct AgeingRow {
    QString party;
    double bands[4] = {0, 0, 0, 0};
    double total = 0;
};
inline constexpr int AgeingBandDays[3] = {30, 60, 90};

// One row per customer (supplier) of the documents, in the order they first appear, each band
// summed to the cent; the last row, named "合计", totals every band.
QVector<AgeingRow> Ageing(const QVector<OpenDocument>& documents, const QDate& today);
