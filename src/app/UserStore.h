#pragma once

#include "Records.h"

#include <QString>
#include <QStringList>

class Database;

// Data routines of SYS_User. Names and passwords are compared without regard to letter case
// (the columns are declared that way), so "ABC" and "abc" are the same user.

// Every user name, in the order they were added (a changed user keeps its place).
QStringList UserNames(Database& db);

// True when a user with this name and password exists.
bool CheckUser(Database& db, const QString& UserName, const QString& UserPassword);

// Fills user from the row of UserName (the name and password as stored, the 31 flags with their
// low eight bits kept); false, with user left as it was, when there is no such row.
bool GetUser(Database& db, const QString& UserName, TUser& user);

// True when a user other than exceptName already carries this name.
bool UserNameTaken(Database& db, const QString& UserName, const QString& exceptName = {});

void InsertUser(Database& db, const TUser& user);
// Writes user over the row of SrcUserName; a different UserName renames the user.
void UpdateUser(Database& db, const QString& SrcUserName, const TUser& user);
void DeleteUser(Database& db, const QString& UserName);
// False when no user has that name (renamed or deleted since signing in).
bool UpdatePassword(Database& db, const QString& UserName, const QString& UserPassword);
