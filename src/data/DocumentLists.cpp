#include "DocumentLists.h"

#include <QJsonArray>
#include <QJsonDocument>

QString AllParties()
{
    return QStringLiteral("所有");
}

QString DateCondition(const QString& alias)
{
    return QStringLiteral("%1in_date>=:from and %1in_date<=:to").arg(alias);
}

SqlParams DateParams(const QDate& from, const QDate& to)
{
    return {{QStringLiteral(":from"), SqlDate(from)}, {QStringLiteral(":to"), SqlDate(to)}};
}

DocumentSelection DatedDocuments(const DocumentSide& side, DanKind kind, const QDate& from, const QDate& to)
{
    DocumentSelection s{DateCondition(QStringLiteral("a.")), DateParams(from, to)};
    if (kind == ReturnKind)
        s.condition += QStringLiteral(" and ") + side.returnCondition(QStringLiteral("a.dh"));
    return s;
}

DocumentSelection OpenDocumentsOf(const DocumentSide& side, const QString& party)
{
    DocumentSelection s{QStringLiteral("a.QK<>0"), {}};
    if (!party.isEmpty() && party != AllParties()) {
        s.condition += QStringLiteral(" and a.%1=:party").arg(side.party);
        s.params.append({QStringLiteral(":party"), party});
    }
    return s;
}

void AddContains(DocumentSelection& selection, const QStringList& columns, const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return;
    QStringList any;
    for (const QString& column : columns)
        any << ContainsCondition(QStringLiteral("a.") + column, QStringLiteral(":text"));
    selection.condition += QStringLiteral(" and (%1)").arg(any.join(QStringLiteral(" or ")));
    selection.params.append({QStringLiteral(":text"), LikeEscaped(trimmed)});
}

QString ShownFigures(DanKind kind, const QString& alias)
{
    return kind == ReturnKind ? QStringLiteral("-%1shuliang as shuliang,-%1jinE as jinE").arg(alias)
                              : QStringLiteral("%1shuliang,%1jinE").arg(alias);
}

QString ListedLinesSql(const Database& db, const DocumentSide& side, const QString& lineColumns)
{
    return QStringLiteral("select n.value,b.autoid,%1 from %2 %3 %4 b on b.dh=n.value")
        .arg(lineColumns, db.jsonTexts(QStringLiteral(":numbers"), QStringLiteral("n")), db.drivingJoin(), side.lines);
}

SqlParams ListedNumbers(const RowSet& documents)
{
    QJsonArray numbers;
    const int dh = documents.columnIndex(QStringLiteral("dh"));
    for (const QVector<QVariant>& row : documents.rows)
        numbers.append(row.value(dh).toString());
    return {{QStringLiteral(":numbers"), QString::fromUtf8(QJsonDocument(numbers).toJson(QJsonDocument::Compact))}};
}
