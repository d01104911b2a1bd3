#pragma once

// The checks behind the fuzzers: each feeds one input to a routine that reads outside data and
// returns what went wrong (empty when the routine behaved). The fuzzers abort on a non-empty
// answer; test_fuzz_inputs feeds every kept input to the same checks.

#include <QByteArray>
#include <QString>

// Set.ini of any bytes in any encoding: read, written back and read again, nothing lost.
QString CheckSettingsFile(const QByteArray& bytes);
// A damaged database file opened by the data module: refused with the file left as it was, or
// usable throughout.
QString CheckDatabaseFile(const QByteArray& bytes);
// A typed number (the bytes as UTF-8 and as UTF-16): read, formatted and read back; what the key
// filters let through reads as a number.
QString CheckNumberText(const QByteArray& bytes);
// WrapText of any text at any width (the first byte): nothing lost, no character cut, no piece
// but the last wider than the width allows.
QString CheckWrapText(const QByteArray& bytes);

// The check of a fuzzer by its name ("settings", "database", "numbers", "wraptext"); nullptr when
// there is none.
using FuzzCheck = QString (*)(const QByteArray&);
FuzzCheck FuzzCheckNamed(const QString& name);
