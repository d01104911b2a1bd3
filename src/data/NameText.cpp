#include "NameText.h"

QString NameText(const QString& typed)
{
    QString name;
    name.reserve(typed.size());
    for (const QChar c : typed) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            continue;
        name.append(c == u'\t' ? QChar(u' ') : c);
    }
    return name.trimmed();
}
