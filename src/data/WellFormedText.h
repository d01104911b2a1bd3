#pragma once

#include <QString>

// The text with every lone UTF-16 surrogate (half of a pair whose other half is missing) replaced
// by U+FFFD, the replacement character: the form in which a UTF-8 file can hold it. The database
// binds texts in this form, so a broken pair never takes its neighbour with it.
QString WellFormedText(QString text);
