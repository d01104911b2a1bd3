#pragma once

#include <QString>

// The folder that holds the program's files (Data/db.data, Set.ini), with a trailing separator:
// the executable's folder, or the per-user application data folder when that one is not writable
// and holds no database (an installed copy). A read-only folder that holds a database stays the
// program folder: the connection then says the folder is read-only and where the database is,
// instead of quietly opening another (demonstration) database in the user's folder.
// An installed copy (bin/qinglan beside share/qinglan, see InstalledShareDir) always keeps its
// data in the per-user folder, even when the program folder is writable (as for root).
QString ProgramDir();
QString ChooseProgramDir(const QString& appDir, bool appDirWritable, const QString& userDir, bool installed = false);

// Where an installed copy finds its files (the user guide): share/qinglan beside bin.
inline constexpr const char* InstalledShareDir = "../share/qinglan";

// A file that travels with the program: beside the executable (a build folder, a copied folder),
// or in the installed copy's share folder. The path beside the executable when neither has it.
QString ProgramFile(const QString& name);

// Finds base + relative ("Data/db.data") matching each folder and file name without regard to
// letter case. Names that do not exist yet keep the spelling given.
QString ResolvePathNoCase(const QString& base, const QString& relative);
