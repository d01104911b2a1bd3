#pragma once

#include "DocumentSide.h"

#include <QDate>
#include <QString>

class Database;

// Next free document number for a kind prefix and a document date: prefix + "yyMMdd" + a
// three-digit sequence counted per prefix and day. Returns an empty text when the day's 999
// numbers are used up; throws DbError when the highest number of the day ends in something that
// is not a number (typed by hand).
QString NextXiaoShouDH(Database& db, const QString& prefix, const QDate& date);  // "xs", "xt"
QString NextCaiGouDH(Database& db, const QString& prefix, const QDate& date);    // "cg", "ct"
QString NextShouZhiDH(Database& db, const QString& prefix, const QDate& date);   // "sz"
// The next free number of a document of the side and kind (its prefix from the side).
QString NextDH(Database& db, const DocumentSide& side, DanKind kind, const QDate& date);

// The message shown when a document is to be saved without a number (the day's numbers are used up).
QString NoDocumentNumberMessage();
