#include "WrapText.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QVector>

#include <algorithm>

namespace {

// Byte lengths of the characters of a GB18030 text: 1 for ASCII, 4 for the four-byte range,
// 2 for the double-byte characters (every character of GBK).
QVector<int> CharacterEnds(const QByteArray& bytes)
{
    QVector<int> ends;
    int i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        int len = 1;
        if (b >= 0x81 && b <= 0xFE && i + 1 < bytes.size()) {
            const auto b2 = static_cast<unsigned char>(bytes[i + 1]);
            len = (b2 >= 0x30 && b2 <= 0x39 && i + 3 < bytes.size()) ? 4 : 2;
        }
        i += len;
        ends.append(i);
    }
    return ends;
}

}  // namespace

QString WrapText(const QString& text, int width)
{
    QStringEncoder encode("GB18030");
    QStringDecoder decode("GB18030");
    const QByteArray all = encode(QStringLiteral("    ") + text);
    const QVector<int> ends = CharacterEnds(all);
    if (width < 2)
        return decode(all);

    const int pieces = int(all.size()) / width + 1;
    QByteArray result;
    int start = 0;
    for (int p = 0; p < pieces - 1 && start < all.size(); ++p) {
        // A piece holds `width` bytes when a multi-byte character ends exactly there; otherwise it
        // stops at the last character boundary before byte `width` (one byte short for ASCII).
        const int limit = start + width;
        int cut = start;
        bool multiByteEndsAtLimit = false;
        int prev = start;
        for (int e : ends) {
            if (e <= start)
                continue;
            if (e == limit && e - prev > 1)
                multiByteEndsAtLimit = true;
            if (e <= limit - 1)
                cut = e;
            prev = e;
            if (e >= limit)
                break;
        }
        if (multiByteEndsAtLimit)
            cut = limit;
        if (cut == start)  // a line narrower than one character holds that character
            cut = *std::upper_bound(ends.begin(), ends.end(), start);
        result += all.mid(start, cut - start);
        result += "\r\r";
        start = cut;
    }
    result += all.mid(start);
    return decode(result);
}
