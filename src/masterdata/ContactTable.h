#pragma once

// The shared routines behind the customer, supplier and employee lists: tables of people and
// firms identified by a name, written and read as texts in the order of their columns.

#include <QString>
#include "RowSet.h"

#include <QStringList>

struct ContactTable {
    QString table;        // Base_KeHu
    QString key;          // the name column: KeHu
    QStringList columns;  // every column, the name first, in the order of the record
    QString what;         // what a row is called in the audit log: 客户
};

// True when a row carries the name (letter case ignored, as the column's collation says).
bool ContactExists(Database& db, const ContactTable& t, const QString& name);
// Adds a row; values in the order of t.columns.
void InsertContact(Database& db, const ContactTable& t, const QStringList& values);
// Overwrites the row named oldName with values (the new name first); a rename is written to
// the audit log ("修改客户", old name -> new name) in the same transaction.
void UpdateContact(Database& db, const ContactTable& t, const QString& oldName, const QStringList& values);
// Removes the row of the name; the deletion is written to the audit log ("删除客户", with the
// row's values as they were) in the same transaction.
void DeleteContact(Database& db, const ContactTable& t, const QString& name);
// The values of the first row with the name, in the order of t.columns; empty when none.
QStringList ContactValues(Database& db, const ContactTable& t, const QString& name);
// Every row with every column, in the order the rows were added.
RowSet ContactRows(Database& db, const ContactTable& t);
// The rows whose name contains the text (letter case ignored; ' % and _ are plain characters), in
// the order the rows were added; an empty text gives every row.
RowSet SearchContacts(Database& db, const ContactTable& t, const QString& text);
// The names of every row, in the order the rows were added.
QStringList ContactNames(Database& db, const ContactTable& t);
