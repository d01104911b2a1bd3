#pragma once

// Data routines of the employee list Base_YeYuYuan, the salespersons of sales documents. An
// employee is identified by name; documents keep copies of names, so nothing here touches a
// saved document. The date of joining is stored as text "yyyy-MM-dd".

#include "Records.h"
#include "RowSet.h"

#include <QStringList>

class Database;
struct ContactTable;

const ContactTable& YuanGongTable();

bool YuanGongExists(Database& db, const QString& name);
void InsertYuanGong(Database& db, const TYuanGong& y);
// Overwrites the employee named oldName (a rename is written to the audit log).
void UpdateYuanGong(Database& db, const QString& oldName, const TYuanGong& y);
void DeleteYuanGong(Database& db, const QString& name);
// Every row with every column, in the order the rows were added (the list of the window).
RowSet YuanGongRows(Database& db);
// Every employee name, in the order the employees were added (the salesperson list).
QStringList YuanGongNames(Database& db);
