#pragma once

#include <QStringList>

class Database;

// Checks an open database of this system: the engine's integrity check, then that every document
// header's quantity and amount equal the sums of its lines and that no line is without its
// header. Returns one text per fault found, empty when everything agrees.
QStringList CheckDatabase(Database& db);
