#include "WellFormedText.h"

QString WellFormedText(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QString StoredText(QString text)
{
    return WellFormedText(text.remove(QChar(0)));
}
