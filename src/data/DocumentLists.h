#pragma once

// The selections of documents that the query windows, the receivables and payables windows and
// the printouts read: one rule each, whichever of them reads. Conditions are on the headers under
// the alias "a"; lines take the alias "b".

#include "Database.h"
#include "DocumentSide.h"
#include "RowSet.h"

#include <QDate>
#include <QString>
#include <QStringList>

// A condition on document headers (alias "a") with its parameters.
struct DocumentSelection {
    QString condition;
    SqlParams params;
};

// The entry of the customer and supplier lists that stands for every one of them: "所有".
QString AllParties();

// The inclusive date range on the in_date column of the given alias ("" or "a."), with its
// parameters :from and :to.
QString DateCondition(const QString& alias = QString());
SqlParams DateParams(const QDate& from, const QDate& to);

// Documents of the side dated from..to; in kind ReturnKind only its returns (every document of
// the range in the forward kind, its returns with their stored negative figures).
DocumentSelection DatedDocuments(const DocumentSide& side, DanKind kind, const QDate& from, const QDate& to);

// Open documents (amount owed not 0) of one customer (supplier), or of all when the name is
// empty or AllParties().
DocumentSelection OpenDocumentsOf(const DocumentSide& side, const QString& party);

// Narrows a selection to documents where any of the columns (of "a") contains the trimmed text,
// `%` and `_` finding themselves; an empty text narrows nothing.
void AddContains(DocumentSelection& selection, const QStringList& columns, const QString& text);

// The quantity and amount columns of headers or lines as a list shows them: a return's figures
// positive ("-shuliang as shuliang,-jinE as jinE"), qualified with alias ("" or "b.").
QString ShownFigures(DanKind kind, const QString& alias = QString());

// The lines of many listed documents in one statement: the documents' numbers go in as one JSON
// array (ListedNumbers), each finding its lines through the number index. Selects the number, the
// line's autoid, then lineColumns (qualified with "b.").
QString ListedLinesSql(const Database& db, const DocumentSide& side, const QString& lineColumns);
SqlParams ListedNumbers(const RowSet& documents);
