#pragma once

// A program folder whose Set.ini points at a database on the tests' server (TestServer.h).

#include "Settings.h"
#include "TestServer.h"

// Points the program folder's Set.ini at a database on the tests' server.
inline void UseServer(const QString& programDir, const DatabaseTarget& target)
{
    IniFile ini(SettingsPath(programDir));
    const QString section = QStringLiteral("Database");
    ini.setString(section, QStringLiteral("Engine"), QStringLiteral("postgresql"));
    ini.setString(section, QStringLiteral("Host"), target.host);
    ini.setInteger(section, QStringLiteral("Port"), target.port);
    ini.setString(section, QStringLiteral("Name"), target.name);
    ini.setString(section, QStringLiteral("User"), target.user);
    ini.save();
}
