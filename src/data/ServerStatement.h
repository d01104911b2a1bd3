#pragma once

#include "Database.h"

// The statement as the server is sent it: each named parameter (":dh") replaced by its value
// written as a literal, so that a statement costs one round trip (prepared statements cost
// three: prepare, execute, deallocate). Texts are quoted with every quote doubled (the server's
// standard strings take backslashes as they stand, see Database::connect); numbers are written
// exactly (the shortest text that reads back as the same double); a null value is NULL.
// Names inside quoted texts and identifiers, and "::" casts, are left alone.
QString WithLiterals(const QString& sql, const SqlParams& params);
