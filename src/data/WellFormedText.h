#pragma once

#include <QString>

// The text with every lone UTF-16 surrogate (half of a pair whose other half is missing) replaced
// by U+FFFD, the replacement character: the form in which a UTF-8 file can hold it. The database
// binds texts in this form, so a broken pair never takes its neighbour with it.
QString WellFormedText(QString text);

// The text as the database keeps it, on either engine: well formed, and without NUL characters,
// which a server's text cannot hold (so SQLite does not keep them either).
QString StoredText(QString text);
