#pragma once

#include <QString>

// The folder that holds the program's files (Data/db.data, Set.ini), with a trailing separator:
// the executable's folder, or the per-user application data folder when that one is not writable
// (an installed copy).
QString ProgramDir();

// Finds base + relative ("Data/db.data") matching each folder and file name without regard to
// letter case. Names that do not exist yet keep the spelling given.
QString ResolvePathNoCase(const QString& base, const QString& relative);
