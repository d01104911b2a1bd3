#pragma once

#include "Progress.h"

#include <QString>
#include <QStringList>
#include <QVector>

class Database;

// The groups of tables that system initialisation empties, in the order they are emptied.
enum class InitGroup { XS, CG, SP, GYS, YG, KH, SZI, SZ, JQ, User };

inline constexpr InitGroup AllInitGroups[] = {InitGroup::XS,  InitGroup::CG,  InitGroup::SP, InitGroup::GYS,
                                              InitGroup::YG,  InitGroup::KH,  InitGroup::SZI, InitGroup::SZ,
                                              InitGroup::JQ,  InitGroup::User};

// The tables of a group, in the order they are emptied (none for the users: see DeleteUsersButAdmin).
QStringList InitGroupTables(InitGroup group);

// The group's name in the audit log ("销售记录", ...).
QString InitGroupName(InitGroup group);

// Empties one table of the groups above and returns the rows deleted; any other name is refused
// (DbError) and nothing runs.
int ClearTable(Database& db, const QString& table);

// Deletes every user but the built-in administrator; returns the users deleted.
int DeleteUsersButAdmin(Database& db);

// Empties the chosen groups in the order of AllInitGroups and writes the groups with the rows
// deleted to the audit log, as one unit (nothing at all when no group is chosen). Progress is told
// before each group.
void InitSYS(Database& db, const QVector<InitGroup>& groups, const Progress& progress = {});
