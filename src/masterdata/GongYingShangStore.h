#pragma once

// Data routines of the supplier list Base_GongYingShang. A supplier is identified by its name;
// purchase documents keep copies of names, so nothing here touches a saved document.

#include "Records.h"
#include "RowSet.h"

#include <QStringList>

class Database;
struct ContactTable;

const ContactTable& GYSTable();

bool GYSExists(Database& db, const QString& name);
void InsertGYS(Database& db, const TGongYingShang& g);
// Overwrites the supplier named oldName (a rename is written to the audit log).
void UpdateGYS(Database& db, const QString& oldName, const TGongYingShang& g);
void DeleteGYS(Database& db, const QString& name);
// Name, contact, phone and address of the supplier; all empty when there is none.
TGongYingShang GetGYS(Database& db, const QString& name);
// Every row with every column, in the order the rows were added (the list of the window).
RowSet GYSRows(Database& db);
// Every supplier name, in the order the suppliers were added.
QStringList GYSNames(Database& db);
