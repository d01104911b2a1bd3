#pragma once

#include <QString>
#include <QStringList>

class Database;

// Data routines of the product classes (Base_CPType). A product names its class by text in
// Base_ChanPin.CPType, so renaming or deleting a class reaches the products in the same
// transaction.

// In the order they were added (a renamed class keeps its place).
QStringList CPTypeNames(Database& db);
bool CPTypeExists(Database& db, const QString& TypeName);
void InsertCPType(Database& db, const QString& TypeName);
// The class and every product of it take the new name.
void RenameCPType(Database& db, const QString& TypeName, const QString& NewTypeName);
// The class goes; its products move to "*未定义*".
void DeleteCPType(Database& db, const QString& TypeName);
