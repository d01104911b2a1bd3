#pragma once

// Data routines of the customer list Base_KeHu. A customer is identified by its name; documents
// keep copies of names, so nothing here touches a saved document.

#include "Records.h"
#include "RowSet.h"

#include <QStringList>

class Database;
struct ContactTable;

const ContactTable& KeHuTable();

bool KeHuExists(Database& db, const QString& name);
void InsertKeHu(Database& db, const TKeHu& k);
// Overwrites the customer named oldName (a rename is written to the audit log).
void UpdateKeHu(Database& db, const QString& oldName, const TKeHu& k);
void DeleteKeHu(Database& db, const QString& name);
// Name, contact, phone and address of the customer; all empty when there is none.
TKeHu GetKeHu(Database& db, const QString& name);
// Every row with every column, in the order the rows were added (the list of the window).
RowSet KeHuRows(Database& db);
// Every customer name, in the order the customers were added (the customer lists of documents).
QStringList KeHuNames(Database& db);
