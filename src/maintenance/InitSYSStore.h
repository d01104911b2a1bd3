#pragma once

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

// Empties one table of the groups above; any other name is refused (DbError) and nothing runs.
void ClearTable(Database& db, const QString& table);

// Deletes every user but the built-in administrator.
void DeleteUsersButAdmin(Database& db);

// Empties the chosen groups in the order of AllInitGroups, as one unit.
void InitSYS(Database& db, const QVector<InitGroup>& groups);
