#include "ServerStatement.h"

#include "WellFormedText.h"

#include <QDate>
#include <QLocale>
#include <cmath>

namespace {

QString Quoted(QString text)
{
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}

// A negative number in parentheses: after a minus sign "--" would begin a comment.
QString Signed(const QString& number)
{
    return number.startsWith(u'-') ? u'(' + number + u')' : number;
}

QString Literal(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return Signed(value.toString());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        if (!std::isfinite(d))
            return QStringLiteral("cast(%1 as double precision)").arg(Quoted(QString::number(d)));
        return Signed(QString::number(d, 'g', QLocale::FloatingPointShortest));
    }
    case QMetaType::QDate:
        return Quoted(SqlDate(value.toDate()));
    case QMetaType::QByteArray:
        return QStringLiteral("'\\x%1'").arg(QString::fromLatin1(value.toByteArray().toHex()));
    default:
        return Quoted(StoredText(value.toString()));
    }
}

bool NameStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool NamePart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

}  // namespace

QString WithLiterals(const QString& sql, const SqlParams& params)
{
    if (params.isEmpty())
        return sql;
    QString out;
    out.reserve(sql.size() + 64);
    for (qsizetype i = 0; i < sql.size();) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype end = sql.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? sql.size() : end + 1;
            out += QStringView(sql).mid(i, stop - i);
            i = stop;
            continue;
        }
        if (c == u':' && i + 1 < sql.size() && sql[i + 1] == u':') {
            out += QStringLiteral("::");
            i += 2;
            continue;
        }
        if (c == u':' && i + 1 < sql.size() && NameStart(sql[i + 1])) {
            qsizetype end = i + 1;
            while (end < sql.size() && NamePart(sql[end]))
                ++end;
            const QStringView name = QStringView(sql).mid(i, end - i);
            const auto found = std::find_if(params.begin(), params.end(), [name](const auto& p) { return p.first == name; });
            out += found != params.end() ? Literal(found->second) : name.toString();
            i = end;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}
